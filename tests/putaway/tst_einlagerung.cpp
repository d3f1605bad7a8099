// The putaway's routines: which demo places take which kind of goods (every rule of the
// admissibility check in its order, a warehouse without preparation places, a lock held by
// another program), and which scanned texts are incoming documents.
#include "Barcode_Auf_EinlagerungsBeleg.h"
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_LagerEditServer.h"
#include "Lagerort_Zulaessig.h"
#include "TDM_Torvik.h"
#include "TZAM_Helferprozess.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMGlobal.h"

#include <QTest>

namespace {
const TIntTrio CA0101{1, 1, 1}, CGesperrt{1, 3, 4}, CWE01{2, 1, 1}, CVBS12{2, 2, 1}, CVBSLager{2, 2, 4}, CWL21{2, 3, 1},
    CKVBS{2, 4, 1}, CSperr{2, 5, 1}, CBearb{2, 6, 1}, CBVorb{2, 7, 1}, CBStart{2, 8, 1}, CBeh1{5, 0, 1}, CBeh5{5, 0, 5},
    CBeh9{5, 0, 9}, CS0101{3, 1, 1};
} // namespace

class TestEinlagerung : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<TDM_Torvik> FDM;

    QString Pruefen(const TIntTrio& APlatz, int AArt, int AFiliale, bool ABehaelterOK = false,
                    bool AKundenVBSOK = false)
    {
        TZAM_Lagerort_Info info;
        TQIV_Lagerort_Info_Optionen optionen = TQIV_Lagerort_Info_Optionen::Defaults();
        optionen.MitBereichFuerLagerplaetze = true;
        if (!TestDienst<IZAM_LagerEditServer>()->LagerortInfo_Lesen(APlatz, info, optionen))
            return QStringLiteral("unbekannt");
        QString meldung;
        const bool ok =
            Lagerort_Zulaessig(info, TQIV_PersoAuswahl(AArt), qint16(AFiliale), meldung, ABehaelterOK, AKundenVBSOK);
        return ok == meldung.isEmpty() ? meldung : QStringLiteral("Antwort passt nicht zur Meldung");
    }

private Q_SLOTS:
    void belegBarcode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("erwartet"); // "avis <key> <branch>", "wbs <key>" or "-"
        const QString avis = QStringLiteral("00045000007000003");
        const QString wbs = QStringLiteral("0001200004711");
        QTest::newRow("Avis 18") << avis + u'9' << QStringLiteral("avis 45-7-3 -1");
        QTest::newRow("Avis 24 mit Filiale") << avis + QStringLiteral("0021500") << QStringLiteral("avis 45-7-3 21");
        QTest::newRow("24 ohne 00") << avis + QStringLiteral("0021501") << QStringLiteral("-");
        QTest::newRow("24 Filiale unlesbar") << avis + QStringLiteral("00-1500") << QStringLiteral("-");
        QTest::newRow("WBS 11111111") << wbs + QStringLiteral("111111115") << QStringLiteral("wbs 12-4711");
        QTest::newRow("WBS 12000000") << wbs + QStringLiteral("120000005") << QStringLiteral("wbs 12-4711");
        QTest::newRow("22 ohne Kennung (Lagerplatz)")
            << QStringLiteral("0000100000100000100000") << QStringLiteral("-");
        QTest::newRow("Schlüssel unlesbar") << QStringLiteral("0004500000X000003") + u'9' << QStringLiteral("-");
        QTest::newRow("17") << avis << QStringLiteral("-");
        QTest::newRow("Artikel") << QStringLiteral("0300102002") << QStringLiteral("-");
    }
    void belegBarcode()
    {
        QFETCH(QString, text);
        QFETCH(QString, erwartet);
        TIntTrio avis(1, 1, 1);
        qint16 filiale = 7;
        TIntPair wbs(1, 1);
        const bool beleg = Barcode_Auf_EinlagerungsBeleg(text, avis, filiale, wbs);
        QString ist = QStringLiteral("-");
        if (beleg && avis.Defined())
            ist = QStringLiteral("avis %1 %2").arg(avis.ToText()).arg(filiale);
        else if (beleg)
            ist = QStringLiteral("wbs ") + wbs.ToText();
        QCOMPARE(ist, erwartet);
        // What was not read is empty.
        QVERIFY(beleg || (avis.IsNull() && filiale == -1 && wbs.IsNull()));
        QVERIFY(!beleg || avis.IsNull() != wbs.IsNull());
    }

    void cleanup()
    {
        FDM.reset();
        FUmg.reset();
    }

    void regeln_data() { ZAM_MotorenDaten(); }
    void regeln()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        FUmg->DemoAnlegen();
        FDM = std::make_unique<TDM_Torvik>(QStringList{QStringLiteral("prog")});
        FDM->SetAktLager(1);
        FDM->FAktBewFiliale = 1;

        const struct
        {
            TIntTrio Platz;
            int Art, Filiale;
            bool BehaelterOK, KundenVBSOK;
            const char* Meldung; // empty: acceptable
        } faelle[] = {
            {CA0101, 1, 0, false, false, ""},
            {CGesperrt, 1, 0, false, false, "Der Lagerplatz ist gesperrt!"},
            {CWE01, 1, 0, false, false, "Der Lagerplatz gehört zur Warenannahme!"},
            {CWL21, 1, 0, false, false, "Der Lagerplatz ist ein Wurmloch!"},
            {CKVBS, 2, 0, false, false, "Der Lagerplatz ist eine Kunden-Versandbereitstellung!"},
            {CKVBS, 2, 0, false, true, ""},
            {CKVBS, 3, 21, false, true, ""},
            {CSperr, 1, 0, false, false, "Der Lagerplatz ist für geblockte Ware!"},
            {CBearb, 4, 0, false, false, "Der Lagerplatz ist für die Bearbeitung von Ware!"},
            {CBVorb, 1, 0, false, false, "Der Lagerplatz ist eine Bearbeitungs-Vorbereitung!"},
            {CBVorb, 4, 0, false, false, ""},
            // The warehouse has preparation places: they are asked for before the start is refused.
            {CBStart, 4, 0, false, false, "Der Lagerplatz muss eine Bearbeitungs-Vorbereitung sein!"},
            {CA0101, 4, 0, false, false, "Der Lagerplatz muss eine Bearbeitungs-Vorbereitung sein!"},
            {CBStart, 1, 0, false, false, "Der Lagerplatz ist ein Bearbeitungs-Start!"},
            {CVBSLager, 1, 0, false, false, "Der Lagerplatz gehört zur Versandbereitstellung!"},
            {CVBSLager, 2, 0, false, false, ""},
            {CVBS12, 2, 0, false, false, "Der Lagerplatz hat eine falsche Filialzuordnung!"},
            {CVBS12, 3, 12, false, false, ""},
            {CVBS12, 3, 14, false, false, "Der Lagerplatz hat eine falsche Filialzuordnung!"},
            {CA0101, 2, 0, false, false, "Der Lagerplatz gehört nicht zur Versandbereitstellung!"},
            {CBeh9, 2, 0, false, false, "Der Lagerplatz gehört nicht zur Versandbereitstellung!"},
            // A container standing in for a staging place still answers for its own assignment.
            {CBeh9, 2, 0, true, false, ""},
            {CBeh1, 2, 0, true, false, "Der Behälter hat eine Filialzuordnung!"},
            {CBeh1, 3, 12, true, false, ""},
            {CBeh5, 3, 14, true, false, "Warenbegleitschein bereits gedruckt."},
        };
        for (const auto& f : faelle)
            QVERIFY2(Pruefen(f.Platz, f.Art, f.Filiale, f.BehaelterOK, f.KundenVBSOK) == QString::fromUtf8(f.Meldung),
                     qPrintable(QStringLiteral("%1, Art %2, Filiale %3: %4")
                                    .arg(f.Platz.ToText())
                                    .arg(f.Art)
                                    .arg(f.Filiale)
                                    .arg(Pruefen(f.Platz, f.Art, f.Filiale, f.BehaelterOK, f.KundenVBSOK))));

        // Warehouse 2 has no preparation places: processing goes into containers.
        FDM->SetAktLager(2);
        QCOMPARE(Pruefen(CS0101, 4, 0), QStringLiteral("Der Lagerplatz muss ein Behälter sein!"));
        QCOMPARE(Pruefen(CBeh9, 4, 0), QString());
        FDM->SetAktLager(1);

        // A place another program holds locked is refused; this program's own lock does not count.
        TZAM_Helferprozess helfer(QStringLiteral(ZAM_SPERRHELFER), FUmg->IniPfad());
        QVERIFY(helfer.Gestartet());
        const QString schluessel = CA0101.ToTextUnformatted(9);
        QCOMPARE(helfer.Befehl(QStringLiteral("lock LAGERORT ") + schluessel), QStringLiteral("1"));
        QCOMPARE(Pruefen(CA0101, 1, 0), QStringLiteral("Der Lagerplatz ist gesperrt!"));
        helfer.Befehl(QStringLiteral("unlock LAGERORT ") + schluessel);
        QVERIFY(CommonLock().LockObjekt(QStringLiteral("LAGERORT"), schluessel));
        QCOMPARE(Pruefen(CA0101, 1, 0), QString());
    }
};

QTEST_MAIN(TestEinlagerung)
#include "tst_einlagerung.moc"
