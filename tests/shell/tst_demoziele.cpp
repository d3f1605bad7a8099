// The demo's dispositions reach every target kind of a goods receipt in warehouse 1: each open
// position (by disposition, target branch and customer order) is judged by the data module's
// priority choice, without and with team-sport goods going straight into one-way containers.
#include "TDM_Torvik.h"
#include "TZAM_Datenbank.h"
#include "TZAM_TestUmgebung.h"

#include <QTest>

namespace {

struct TZiel
{
    int Auftrag, Nr, Ziel, Beleg;
    TQIV_ZPMDE_Ziel Typ, TypDirekt; // without and with BearbDirektInEW
    int PersoZielFil;               // without BearbDirektInEW; -1 none
    int ZielFil;                    // the branch to supply (ZielFilAusZielTyp_4_WEPlus), without
};

const TZiel CZiele[] = {
    {1001, 1, 12, 0, bmzEinlagerung, bmzEinlagerung, -1, -1},
    {1001, 1, 21, 0, bmzFAOhneKube, bmzFAOhneKube, -1, 21},
    {1001, 1, 12, 7001, bmzVersand, bmzVersand, 12, -1},
    {1001, 1, 21, 7002, bmzFAFuerKube, bmzFAFuerKube, 21, 21},
    {1001, 2, 14, 0, bmzEinlagerung, bmzEinlagerung, -1, -1},
    {1001, 2, 17, 7003, bmzBearbeitung, bmzBearbeitung, 17, -1},
    {1001, 3, 17, 7006, bmzBearbeitung, bmzBearbeitung, 17, -1},
    {1001, 4, 21, 7008, bmzFAFuerBearbeitung, bmzFAFuerBearbeitung, 21, 21},
    {1001, 4, 25, 7009, bmzFAFuerKube, bmzBearbeitungNurWarten, 17, 17},
    {1002, 1, 1, 0, bmzEinlagerung, bmzEinlagerung, -1, -1},
    {1002, 1, 40, 7004, bmzFAFuerBearbeitung, bmzBearbeitung, 40, 40},
    {1002, 1, 51, 7005, bmzFAFuerKube, bmzBearbeitungNurWarten, 50, 50},
    {1002, 2, 12, 0, bmzEinlagerung, bmzEinlagerung, -1, -1},
    {1002, 2, 51, 0, bmzFAOhneKube, bmzFAOhneKube, -1, 51},
    {1002, 3, 12, 0, bmzEinlagerung, bmzEinlagerung, -1, -1},
    {0, 1, 1, 0, bmzEinlagerung, bmzEinlagerung, -1, -1},
};

} // namespace

class TestDemoZiele : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    std::unique_ptr<TDM_Torvik> FDM;

    // The disposition's positions for a target and customer order, as the receipt reads them.
    TQIV_Dispo_Info Dispo(const TZiel& AZiel)
    {
        const TZAM_Zeilen z = FUmg->Backend().Datenbank().Lesen(
            QStringLiteral("SELECT d.prod_id1, d.prod_id2, d.prod_id3, p.groesse, p.menge - p.erhalten, "
                           "p.auftr_filiale, p.ext_kennung, p.ext_id1, p.ext_id2, p.ext_id3, p.ext_nummer "
                           "FROM zam_bnep p JOIN zam_bne d ON d.id1 = p.bne_id1 AND d.id2 = p.bne_id2 AND "
                           "d.id3 = p.bne_id3 WHERE p.bne_id1 = 45 AND p.bne_id2 = ? AND p.bne_id3 = ? AND "
                           "p.ziel_filiale = ? AND p.ext_id2 = ?"),
            {AZiel.Auftrag, AZiel.Nr, AZiel.Ziel, AZiel.Beleg});
        TQIV_Dispo_Info d;
        d.Vorgang = TIntTrio(45, AZiel.Auftrag, AZiel.Nr);
        d.VorgangTyp = CZAM_BewArt_Dispo;
        d.Menge.AuftrNr = TIntPair(AZiel.Auftrag ? 45 : 0, AZiel.Auftrag);
        d.Menge.FilialeMenge.Filiale = qint16(AZiel.Ziel);
        for (const QVariantList& r : z.Zeilen()) {
            d.ProduktID = TInt32Trio(r.at(0).toInt(), r.at(1).toInt(), r.at(2).toInt());
            d.Menge.FilialeMenge.Me.Me[r.at(3).toInt()] = r.at(4).toInt();
            d.Menge.FilialeMenge.AuftrFiliale = qint16(r.at(5).toInt());
            d.Menge.FilialeMenge.Verweis = TZAM_PersArt_ExtVerweis::Construct(
                quint8(r.at(6).toInt()), TIntTrio(r.at(7).toInt(), r.at(8).toInt(), r.at(9).toInt()), r.at(10).toInt());
        }
        d.Menge.FilialeMenge.Me.MinMax_Bestimmen();
        return d;
    }

private Q_SLOTS:
    void cleanup()
    {
        FDM.reset();
        FUmg.reset();
    }

    void zielarten_data() { ZAM_MotorenDaten(); }
    void zielarten()
    {
        ZAM_MOTOR(m);
        TZAM_Backend::TOptionen opt;
        opt.MeldungenOhneFenster = true;
        FUmg = std::make_unique<TZAM_TestUmgebung>(m, opt);
        FUmg->DemoAnlegen();
        FDM = std::make_unique<TDM_Torvik>(QStringList{QStringLiteral("prog")});
        FDM->SetAktLager(1);

        QSet<int> erreicht, erreicht1001;
        int positionen = 0;
        for (const TZiel& ziel : CZiele) {
            const TQIV_Dispo_Info d = Dispo(ziel);
            const QString fall = QStringLiteral("45-%1-%2 für %3, Beleg %4")
                                     .arg(ziel.Auftrag)
                                     .arg(ziel.Nr)
                                     .arg(ziel.Ziel)
                                     .arg(ziel.Beleg);
            QVERIFY2(d.ProduktID.Defined(), qPrintable(fall));
            positionen += d.Menge.FilialeMenge.Verweis.Defined() ? 1 : 0;
            for (const bool direkt : {false, true}) {
                TQIV_Dispo_Info_List geprueft;
                const TQIV_Dispo_Info gewaehlt =
                    FDM->Dispo_NachPrio_Waehlen(direkt, {d}, TZAM_Intv100_Sortiment_Me(), true, geprueft);
                QVERIFY2(gewaehlt.Menge.ZielTyp == (direkt ? ziel.TypDirekt : ziel.Typ),
                         qPrintable(fall + QStringLiteral(": %1").arg(int(gewaehlt.Menge.ZielTyp))));
                if (!direkt)
                    QVERIFY2(gewaehlt.Menge.PersoZielFil == ziel.PersoZielFil &&
                                 TDM_Torvik::ZielFilAusZielTyp_4_WEPlus(gewaehlt.Menge) == ziel.ZielFil,
                             qPrintable(fall));
                erreicht << gewaehlt.Menge.ZielTyp;
                if (ziel.Auftrag == 1001)
                    erreicht1001 << gewaehlt.Menge.ZielTyp;
            }
        }
        QCOMPARE(positionen, 8);
        QCOMPARE(erreicht, (QSet<int>{1, 2, 3, 4, 5, 6, 7}));
        // A receipt of 45-1001 alone meets every kind.
        QCOMPARE(erreicht1001, (QSet<int>{1, 2, 3, 4, 5, 6, 7}));

        // Where the branch supplies and the shipping go: branch 12's and branch 21's staging place
        // and the warehouse's own are unique, branch 14 has two.
        const struct
        {
            int Filiale; // -1 the warehouse's own
            TIntTrio Platz;
            const char* Name;
        } vbs[] = {{12, {2, 2, 1}, "VBS12"}, {21, {2, 2, 5}, "VBS21"}, {14, {}, ""}, {-1, {2, 2, 4}, "VBSLAGER"}};
        for (const auto& v : vbs) {
            TIntTrio platz;
            QString name;
            const bool eindeutig = v.Filiale < 0
                                       ? FDM->Eindeutige_Versandbereistellung_DesLagers_Ermitteln(platz, name)
                                       : FDM->Eindeutige_VBS_FuerFiliale_Ermitteln(qint16(v.Filiale), platz, name);
            QCOMPARE(eindeutig, v.Platz.Defined());
            QCOMPARE(platz, v.Platz);
            QCOMPARE(name, QString::fromLatin1(v.Name));
        }

        // Without a maximum the choice ends at the first kind 7 unless all must be examined; with
        // a maximum the preferred kind is served first and what receives nothing drops out.
        auto drei = [](TQIV_Dispo_Info d) {
            d.Menge.FilialeMenge.Me.Init();
            d.Menge.FilialeMenge.Me.Me[3] = 3;
            d.Menge.FilialeMenge.Me.MinMax_Bestimmen();
            return d;
        };
        const TQIV_Dispo_Info einlagern = drei(Dispo(CZiele[0])), versenden = drei(Dispo(CZiele[2]));
        const struct
        {
            int Max;
            bool Alle;
            QList<int> Mengen; // of the examined dispositions, size 3
        } wahlen[] = {{0, false, {3}}, {0, true, {3, 3}}, {5, false, {3, 2}}, {3, false, {3}}};
        for (const auto& w : wahlen) {
            TZAM_Intv100_Sortiment_Me max;
            max.Init();
            max.Me[3] = w.Max;
            max.MinMax_Bestimmen();
            TQIV_Dispo_Info_List geprueft;
            const TQIV_Dispo_Info gewaehlt =
                FDM->Dispo_NachPrio_Waehlen(false, {versenden, einlagern}, max, w.Alle, geprueft);
            QCOMPARE(gewaehlt.Menge.ZielTyp, bmzVersand);
            QList<int> mengen;
            for (const TQIV_Dispo_Info& d : geprueft)
                mengen << d.Menge.FilialeMenge.Me.Menge(3);
            QCOMPARE(mengen, w.Mengen);
        }

        // 7003's goods go into its two combinations, 2 and 1 pieces of size M.
        TQIV_Dispo_Info_List teile;
        FDM->Dispo_NachVerfkombi_Aufteilen(Dispo(CZiele[5]), teile);
        QCOMPARE(teile.size(), 2);
        QCOMPARE(teile.at(0).Menge.VerfKombiId, TIntTrio(1, 1, 1));
        QCOMPARE(teile.at(0).Menge.FilialeMenge.Me.Menge(3), 2);
        QCOMPARE(teile.at(1).Menge.VerfKombiId, TIntTrio(1, 1, 2));
        QCOMPARE(teile.at(1).Menge.FilialeMenge.Me.Menge(3), 1);
    }
};

QTEST_MAIN(TestDemoZiele)
#include "tst_demoziele.moc"
