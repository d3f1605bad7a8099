// Order numbers typed into the WE-Plus order entry, resolved on the demo site on both engines:
// the splits, the prefixes and ranges, the house's own numbers; and the quick article search.
#include "GDBConnector.h"
#include "TDM_Torvik.h"
#include "TZAM_TestUmgebung.h"

#include <QTest>

namespace {
const TIntPair C1001(45, 1001), C1002(45, 1002), C77(46, 77);
} // namespace

class TestAuftragsnummern : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<TDM_Torvik> FDM;

    void Demo(int AMotor)
    {
        FDM.reset();
        FUmg = std::make_unique<TZAM_TestUmgebung>(TZAM_TestUmgebung::TMotor(AMotor));
        FUmg->DemoAnlegen();
        FDM = std::make_unique<TDM_Torvik>(QStringList{QStringLiteral("prog")});
        FDM->SetAktLager(1);
        FDM->AktLagerFilialen_Aus_AktLager();
    }

private Q_SLOTS:
    void cleanup()
    {
        FDM.reset();
        FUmg.reset();
    }

    void ausText_data() { ZAM_MotorenDaten(); }
    void ausText()
    {
        ZAM_MOTOR(m);
        Demo(m);
        const struct
        {
            const char* Text;
            bool Ok;
            int Getippt;
            QList<TIntPair> Auftraege;
        } faelle[] = {
            {"4711,4712", true, 2, {C1001, C1002}},
            {"4711, 9999", false, 2, {C1001}},
            {"9999", false, 1, {}},
            {"ABS4711", true, 1, {C1001}},
            {"abs 4712", true, 1, {C1002}},
            {"ABS", false, 1, {}},
            {"45-1001", true, 1, {C1001}},
            {"4711.4712", true, 2, {C1001, C1002}}, // the point only after the comma found nothing
            {"4711 4712", true, 2, {C1001, C1002}},
            {"451001", true, 1, {C1001}},   // range 45 by its kind
            {"4677", true, 1, {C77}},       // range 46 by the object's record type
            {"BEST-77", true, 1, {C77}},    // an own number with a "-" that is no key
            {"47100", false, 1, {}},        // range 47 is no order range
            {"4711,4711", true, 2, {C1001}}, // named twice, received once
            {"4714", false, 1, {}},         // every piece received
            {"-4711", false, 1, {}},
            {"4599999999999", false, 1, {}}, // a serial too long for a number
            {"", false, 0, {}},
        };
        for (const auto& f : faelle) {
            TIntPairList auftraege;
            int getippt = -1;
            const bool ok = FDM->VELTAuftragsNrN_Aus_AuftragsnrStr(QString::fromUtf8(f.Text), auftraege, getippt);
            QVERIFY2(ok == f.Ok && getippt == f.Getippt && QList<TIntPair>(auftraege) == f.Auftraege, f.Text);
        }
    }

    // Article number, manufacturer number or description, letter case ignored; wildcards are text.
    void schnellsuche_data() { ZAM_MotorenDaten(); }
    void schnellsuche()
    {
        ZAM_MOTOR(m);
        Demo(m);
        QList<TInt32Trio> treffer;
        const struct
        {
            const char* Text;
            QList<qint32> Artikel;
        } faelle[] = {
            {"300102", {100002}},                          // article number
            {"tx-200", {100002, 100008, 100009}},          // manufacturer number, one model in three
            {"STURM", {100003}},                           // description
        };
        for (const auto& f : faelle) {
            QList<TInt32Trio> erwartet;
            for (qint32 a : f.Artikel)
                erwartet << TInt32Trio(1, a, 0);
            QVERIFY2(FDM->ArtNumSuchDialog.Execute_Text(QString::fromUtf8(f.Text), treffer) && treffer == erwartet,
                     f.Text);
        }
        for (const char* text : {"%", "_", "", "   "})
            QVERIFY2(!FDM->ArtNumSuchDialog.Execute_Text(QString::fromLatin1(text), treffer) && treffer.isEmpty(),
                     text);
        QCOMPARE(GDBConnector().DatenbankArt(), 0);
    }
};

QTEST_MAIN(TestAuftragsnummern)
#include "tst_auftragsnummern.moc"
