// The WE-Plus data of the data module on the demo site, on both engines: scan records read back
// into an equal cache, a reference its container disagrees with, discarding records with the
// containers' assignments, the checks of scanned places and the article labels.
#include "IZAM_LagerEditServer.h"
#include "TArtikelTools.h"
#include "TDM_Torvik.h"
#include "TQIV_ArtvLesenTools.h"
#include "TZAM_Datenbank.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMGlobal.h"

#include <QProcess>
#include <QTest>

namespace {

const TIntTrio CBeh9(5, 0, 9), CBeh10(5, 0, 10), CBeh11(5, 0, 11);
const TIntTrio CKombiName(1, 1, 2);

TZAM_PersArt_ExtVerweis Position(int ABeleg)
{
    return TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_KuBe, TIntTrio(1, ABeleg, 0), 1);
}

// Two caches hold the same entries under the same keys in the same order.
bool Gleich(const TQIV_WEPlus_DatenCache& A, const TQIV_WEPlus_DatenCache& B)
{
    if (A.Count() != B.Count())
        return false;
    for (int a = 0; a < A.Count(); ++a) {
        if (!(A.Key(a) == B.Key(a)) || A.Value(a).Count() != B.Value(a).Count())
            return false;
        for (int i = 0; i < A.Value(a).Count(); ++i) {
            const auto &x = A.Value(a).Value(i), &y = B.Value(a).Value(i);
            if (!(A.Value(a).Key(i) == B.Value(a).Key(i)) || x.FAuftrFiliale != y.FAuftrFiliale ||
                x.FValueValueList != y.FValueValueList)
                return false;
        }
    }
    return true;
}

} // namespace

class TestWareneingangsdaten : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;

    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }
    std::unique_ptr<TDM_Torvik> Datenmodul()
    {
        auto dm = std::make_unique<TDM_Torvik>(QStringList{QStringLiteral("prog")});
        dm->SetAktLager(1);
        dm->AktLagerFilialen_Aus_AktLager();
        return dm;
    }
    // The demo's articles carry their article number as the middle part of the product key.
    static TInt32Trio Produkt(int AArtikel) { return TInt32Trio(1, AArtikel, 0); }
    // The first ordinary places (not containers, area 0) of a warehouse.
    QList<TIntTrio> Plaetze(int ALager)
    {
        QList<TIntTrio> plaetze;
        const TZAM_Zeilen z = Db().Lesen(QStringLiteral("SELECT id1, id2, id3 FROM zam_lagerort WHERE lager = ? AND "
                                                        "art <> 3 AND bereich = 0 ORDER BY id1, id2, id3 LIMIT 2"),
                                         {ALager});
        for (const QVariantList& r : z.Zeilen())
            plaetze.append(TIntTrio(r.at(0).toInt(), r.at(1).toInt(), r.at(2).toInt()));
        return plaetze;
    }
    bool Zugeordnet(const TIntTrio& APlatz)
    {
        return Db().LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_lvlz WHERE lo_id1 = ? AND lo_id2 = ? AND "
                                             "lo_id3 = ?"),
                              {APlatz.Id1, APlatz.Id2, APlatz.Id3}, 0)
                   .toInt() > 0;
    }

private Q_SLOTS:
    void cleanup() { FUmg.reset(); }

    void scansaetze_data() { ZAM_MotorenDaten(); }
    void scansaetze()
    {
        ZAM_MOTOR(m);
        TZAM_Backend::TOptionen opt;
        opt.MeldungenOhneFenster = true;
        FUmg = std::make_unique<TZAM_TestUmgebung>(m, opt);
        FUmg->DemoAnlegen();
        const TInt32Trio shirt = Produkt(100002), hose = Produkt(100003);
        const QList<TIntTrio> platz = Plaetze(1);
        auto dm = Datenmodul();

        // Plain goods on two places, customer-order goods of 7003 in its container: each line
        // written and kept in the live cache as the capture does.
        const struct
        {
            int Auftrag;
            TInt32Trio Produkt;
            int Gr, Dispo, Menge;
            TZAM_PersArt_ExtVerweis Verweis;
            qint16 Filiale;
            TIntTrio Platz, Kombi;
        } zeilen[] = {
            {1001, shirt, 2, 1, 2, {}, 12, platz.at(0), {}},
            {1001, hose, 3, 2, 1, Position(7003), 17, CBeh11, CKombiName},
            {1002, shirt, 1, 1, 1, {}, 1, platz.at(1), {}},
            {1001, hose, 3, 2, 1, Position(7003), 17, CBeh11, CKombiName},
        };
        TQIV_WEPlus_DatenCache live;
        for (const auto& z : zeilen) {
            const TIntTrio dispo(45, z.Auftrag, z.Dispo);
            const TIntTrio scan = dm->Daten_2_ScanSatz(TIntPair(45, z.Auftrag), QStringLiteral("LS-7"), z.Produkt, z.Gr,
                                                       dispo, z.Menge, z.Verweis, z.Filiale, z.Platz);
            QVERIFY(!scan.IsNull());
            dm->Daten_2_DatenCache(z.Produkt, z.Gr, dispo, z.Filiale, dm->AuftrFil_4_IdUndAnFil(dispo, z.Filiale),
                                   TDM_Torvik::ExtVerw_4_WEPlus_umbiegen(z.Verweis), QStringLiteral("LS-7"), z.Kombi,
                                   z.Menge, z.Platz, scan, live);
        }
        QVERIFY(dm->Scansaetze_4_WEPLus_Vorhanden());

        // Another program of the same terminal rebuilds the same cache; the proposed place is the
        // last plain one, not the customer order's container.
        QString auftraege, lieferscheine, platzName;
        TIntTrio vorschlag;
        {
            TQIV_WEPlus_DatenCache neu;
            auto zweites = Datenmodul();
            QVERIFY(zweites->Scansaetze_2_DatenCache(neu, auftraege, lieferscheine, vorschlag, platzName));
            QVERIFY(Gleich(live, neu));
            QCOMPARE(auftraege, QStringLiteral("45-1001,45-1002"));
            QCOMPARE(lieferscheine, QStringLiteral("LS-7"));
            QCOMPARE(vorschlag, platz.at(1));
            QVERIFY(!platzName.isEmpty());
        }

        // 7006's goods in 7003's container: the read stops there, keeps what came before and
        // answers false with empty outputs.
        dm->Daten_2_ScanSatz(TIntPair(45, 1001), QStringLiteral("LS-7"), Produkt(100009), 2, TIntTrio(45, 1001, 3), 1,
                             Position(7006), 17, CBeh11);
        dm->Daten_2_ScanSatz(TIntPair(45, 1001), QStringLiteral("LS-7"), Produkt(100009), 2, TIntTrio(45, 1001, 3), 1,
                             Position(7006), 17, CBeh10);
        {
            TQIV_WEPlus_DatenCache neu;
            auto zweites = Datenmodul();
            ZAMInfo().GezeigteMeldungenHolen();
            QVERIFY(!zweites->Scansaetze_2_DatenCache(neu, auftraege, lieferscheine, vorschlag, platzName));
            QVERIFY(Gleich(live, neu));
            QVERIFY(auftraege.isEmpty() && vorschlag.IsNull() && platzName.isEmpty());
            QCOMPARE(ZAMInfo().GezeigteMeldungenHolen().size(), 1);
        }

        // Discarding keeps the assignment of the container that still holds goods.
        dm->Scansaetze_4_WEPLus_Loeschen();
        QVERIFY(!dm->Scansaetze_4_WEPLus_Vorhanden());
        QVERIFY(Zugeordnet(CBeh10));
        QVERIFY(!Zugeordnet(CBeh11));
        TQIV_WEPlus_DatenCache leer;
        QVERIFY(Datenmodul()->Scansaetze_2_DatenCache(leer, auftraege, lieferscheine, vorschlag, platzName));
        QCOMPARE(leer.Count(), 0);
    }

    void plaetzePruefen_data() { ZAM_MotorenDaten(); }
    void plaetzePruefen()
    {
        ZAM_MOTOR(m);
        TZAM_Backend::TOptionen opt;
        opt.MeldungenOhneFenster = true;
        FUmg = std::make_unique<TZAM_TestUmgebung>(m, opt);
        FUmg->DemoAnlegen();
        auto dm = Datenmodul();
        IZAM_LagerEditServer* lager = dm->LagerEditServer_GoC();
        auto info = [&](const TIntTrio& APlatz) {
            TZAM_Lagerort_Info i;
            lager->LagerortInfo_Lesen(APlatz, i, TQIV_Lagerort_Info_Optionen::Defaults());
            return i;
        };
        const TZAM_Zeilen mehrweg =
            Db().Lesen(QStringLiteral("SELECT id1, id2, id3 FROM zam_behaelter WHERE lager = 1 AND typ_id2 = 1 "
                                      "ORDER BY id1, id2, id3 LIMIT 1"));
        const TIntTrio gitterbox(mehrweg.Wert(0, 0).toInt(), mehrweg.Wert(0, 1).toInt(), mehrweg.Wert(0, 2).toInt());
        const int filialeLager2 =
            Db().LesenWert(QStringLiteral("SELECT MIN(filiale) FROM zam_lagergruppe_filiale WHERE lager = 2"), {}, 0)
                .toInt();
        const QString beleg7003 =
            Db().LesenWert(QStringLiteral("SELECT belegnr FROM zam_atk WHERE id2 = 7003"), {}, QString()).toString();
        TZAM_Lagerort_Info unbekannt = info(CBeh9);
        unbekannt.LagerortId = TIntTrio(5, 0, 999);
        unbekannt.Name = QStringLiteral("BEH-0999");
        const TZAM_Lagerort_Info platz = info(Plaetze(1).at(0));

        const struct
        {
            TZAM_Lagerort_Info Info;
            int Filiale;
            QString Meldung;
        } faelle[] = {
            {platz, 12, QStringLiteral("Bitte Behälter scannen, nicht ") + CZAM_Lagerort_Kennung_String(platz.Kennung) + u'!'},
            {unbekannt, 12, QStringLiteral("Behälter BEH-0999 nicht gefunden!")},
            {info(gitterbox), 12, QStringLiteral("Behälter ist kein Einweg-Behälter!")},
            {info(CBeh9), filialeLager2, QStringLiteral("Behälter gehört nicht zu Lager 2!")},
            {info(CBeh11), 12, QStringLiteral("Behälter in Benutzung für %1!").arg(beleg7003)},
            {info(CBeh9), 12, QString()},
            {info(CBeh9), 0, QString()},
        };
        for (const auto& f : faelle) {
            QString meldung = QStringLiteral("alt");
            QCOMPARE(dm->LOOK_4_Bearbeitung(f.Info, f.Filiale, meldung), f.Meldung.isEmpty());
            QCOMPARE(meldung, f.Meldung);
        }
        Db().Schreiben(QStringLiteral("UPDATE zam_behaelter SET typ_id2 = 9 WHERE id1 = 5 AND id2 = 0 AND id3 = 9"));
        QString meldung;
        QVERIFY(!dm->LOOK_4_Bearbeitung(info(CBeh9), 12, meldung));
        QCOMPARE(meldung, QStringLiteral("Behältertyp 1-9 nicht gefunden!"));

        // WE-Plus goods go onto containers of the warehouse whatever their area, not onto a
        // place of another warehouse.
        TZAM_Lagerort_Info gelesen;
        QVERIFY(dm->LOOK_4_Einlagerung_beiWEPlus(CBeh10, gelesen) && gelesen.Name == QStringLiteral("BEH-0010"));
        QVERIFY(dm->LOOK_4_Einlagerung_beiWEPlus(platz.LagerortId, gelesen));
        QVERIFY(!dm->LOOK_4_Einlagerung_beiWEPlus(Plaetze(2).at(0), gelesen));
    }

    // A demo article's labels come out as a PDF whose code scans as that article size; collected
    // labels print one job per layout.
    void etiketten_data() { ZAM_MotorenDaten(); }
    void etiketten()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        FUmg->DemoAnlegen();
        const QString ordner = FUmg->Verzeichnis() + QStringLiteral("/druck");
        FUmg->Backend().Ini().SetWert(QStringLiteral("Drucken"), QStringLiteral("Ausgabeordner"), ordner);
        auto dm = Datenmodul();
        const TInt32Trio shirt = Produkt(100002);
        QVERIFY(dm->Etiketten_4_Artikel_gewollt(shirt));
        QVERIFY(!dm->Etiketten_4_Artikel_gewollt(Produkt(100010)));
        QVERIFY(dm->Etiketten_4_Artikel_gewollt(TInt32Trio(7, 7, 7)));
        QVERIFY(!dm->Etiketten_Layout_4_Artikel(shirt).isEmpty());

        TZAM_Intv100_Sortiment_Me me;
        me.Init();
        me.Me[3] = 2;
        me.MinMax_Bestimmen();
        dm->Artikeletikett_Drucken(shirt, TIntTrio(45, 1001, 1), me, 12);
        const TZAM_Zeilen job = Db().Lesen(QStringLiteral("SELECT drucker, datei, seiten FROM zam_druckauftrag"));
        QCOMPARE(job.Anzahl(), 1);
        QCOMPARE(job.Wert(0, 0).toString(), QStringLiteral("PDF"));
        QCOMPARE(job.Wert(0, 2).toInt(), 2);
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {job.Wert(0, 1).toString(), QStringLiteral("-")});
        QVERIFY(p.waitForFinished());
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        const QString code = Db().LesenWert(QStringLiteral("SELECT code FROM zam_artikel_code WHERE art = 2 AND "
                                                           "prod_id1 = ? AND prod_id2 = ? AND prod_id3 = ? AND groesse = 3"),
                                            {shirt.Id1, shirt.Id2, shirt.Id3}, QString())
                                 .toString();
        QVERIFY2(!code.isEmpty() && text.contains(code), qPrintable(text));
        QVERIFY(text.contains(TArtikelTools::ProduktID_2_ArtNr_Formatted(shirt)));
        TZAM_ArtikelScanListe gescannt;
        QVERIFY(TQIV_ArtvLesenTools().Artikel_4_Text(code, 0, gescannt));
        QCOMPARE(gescannt.Eintraege.at(0).ProduktId, shirt);
        QCOMPARE(int(gescannt.Eintraege.at(0).GroessenIndex), 3);

        dm->Artikeletikett_Sammeln_Begin();
        QVERIFY(!dm->Artikeletikett_Gesammelt());
        dm->Artikeletikett_Sammeln(shirt, {}, me, 12);
        dm->Artikeletikett_Sammeln(Produkt(100001), {}, me, 12);
        dm->Artikeletikett_Sammeln(shirt, {}, me, 14);
        QVERIFY(dm->Artikeletikett_Gesammelt());
        dm->Artikeletikett_Sammeln_End();
        QVERIFY(!dm->Artikeletikett_Gesammelt());
        const int layouts = dm->Etiketten_Layout_4_Artikel(shirt) == dm->Etiketten_Layout_4_Artikel(Produkt(100001)) ? 1 : 2;
        QCOMPARE(Db().LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_druckauftrag"), {}, 0).toInt(), 1 + layouts);
        QCOMPARE(Db().LesenWert(QStringLiteral("SELECT SUM(seiten) FROM zam_druckauftrag"), {}, 0).toInt(), 2 + 6);
    }
};

QTEST_MAIN(TestWareneingangsdaten)
#include "tst_wareneingangsdaten.moc"
