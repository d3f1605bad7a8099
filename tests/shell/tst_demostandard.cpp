// The default option sets of the demo site are exactly what the option writers store for the
// fallback options with warehouse 1 and the printer "PDF": zam/ keeps them as data and must not
// drift from the program.
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_FormStoreServer.h"
#include "TDM_Torvik.h"
#include "TQIV_OptionenSpeicher.h"
#include "TZAM_TestUmgebung.h"

#include <QTest>

namespace {
const QString CPdf = QStringLiteral("PDF");

// The terminal's fallback with its one printer, the slip printer, and warehouse 1.
QStringList TerminalZeilen()
{
    TDM_Torvik dm({QStringLiteral("prog")});
    dm.FOptionen = TQIV_VELTOB_Optionen();
    dm.Optionen_laden_FallerSTD();
    dm.FOptionen.AktLager = 1;
    dm.FOptionen.DruckerWBS = CPdf;
    dm.Optionen_2_StringList();
    return dm.strlvconfig();
}

// The handheld's fallback as the screen builds it, warehouse 1, and every printer that reading
// fills from the printer configuration when the key is missing (the slip printer, the goods-receipt
// and return-slip printers, the reservation printer, and the processing printer taken from the slip
// printer). The printer for automatic tasks stays empty: it has no fallback.
QStringList HandgeraetZeilen()
{
    using TOpt = TQIV_Optionen_OBMDE;
    TOpt o = TOpt::Standard();
    o.Nachsort.ListeSpalten = TOpt::Optionen_StdSpalten();
    o.Lagerinfo.ListeSpaltenLO = TOpt::Optionen_StdSpalten_LagerinfoLO();
    o.Lagerinfo.ListeSpaltenArt = TOpt::Optionen_StdSpalten_LagerinfoArt();
    o.Allgemein.AktLager = 1;
    o.Allgemein.DruckerWBS = CPdf;
    o.Belegdruck.DruckerARE = CPdf;
    o.Belegdruck.DruckerRetScheine = CPdf;
    o.WeitereDrucker.ResBelDrucker = CPdf;
    o.Bearbeitung.DruckerLZV = CPdf;
    QStringList zeilen;
    TQIV_OptionenSpeicher::Schreiben(zeilen, o, {});
    return zeilen;
}
} // namespace

class TestDemoStandard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void standardsaetzeWieDieSchreiber()
    {
        TZAM_TestUmgebung umg(TZAM_TestUmgebung::tmSQLite);
        umg.DemoAnlegen();
        auto store = Glob_WWSServerFactoryClass().Create<IZAM_FormStoreServer>();
        auto gespeichert = [&](const char* AMaske) {
            return store->Lesen({QString::fromLatin1(AMaske), QStringLiteral("VELTOB"), QStringLiteral("DEU")},
                                CZAM_FormStore_Standard, QStringLiteral("0"));
        };
        QCOMPARE(gespeichert("CONFIG"), TerminalZeilen());
        QCOMPARE(gespeichert("CONFMDE"), HandgeraetZeilen());
        // So a fresh demo's terminal starts in warehouse 1 without asking.
        TDM_Torvik dm({QStringLiteral("prog")});
        QCOMPARE(dm.FAktLager, 1);
    }
};

QTEST_MAIN(TestDemoStandard)
#include "tst_demostandard.moc"
