// Customer staging places of the place-assignment manager, both engines: what is free and in
// which order, the place of an order kept or handed out (also when another device was faster),
// assigning a scanned place, and an order complete on its place.
#include "Glob_WWSServerFactoryClass.h"
#include "TLVLZMani.h"
#include "TZAM_Datenbank.h"
#include "TZAM_LVLZServerSql.h"
#include "TZAM_TestUmgebung.h"

#include <QTest>
#include <functional>

namespace {

// Warehouse 2 gets places of area 4: KV-3 and KV-1 on its first route (stored order 0; KV-3 twice),
// KV-2 only on its demo route, KV-0 on none; KV-9 is blocked and the default customer-order place
// (99999, 2, 2) is never handed out although both lie first on the route. BEH-T stands on KV-3.
const TIntTrio CKV0{44, 1, 0}, CKV1{44, 1, 1}, CKV2{44, 1, 2}, CKV3{44, 1, 3}, CKV9{44, 1, 9}, CStandard{99999, 2, 2},
    CBehT{45, 0, 1};

TZAM_PersArt_ExtVerweis Position(int ABelegNr)
{
    return TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_KuBe, TIntTrio(1, ABelegNr, 0), 1);
}

QVariantList K(const TIntTrio& A)
{
    return {A.Id1, A.Id2, A.Id3};
}

// Another device assigns the first place to its order right after this one read the free places.
class TSchnellererNachbar : public TZAM_LVLZServerSql
{
public:
    TSchnellererNachbar(TZAM_Datenbank& ADb, int ABelegNr) : TZAM_LVLZServerSql(ADb), FDb(ADb), FBelegNr(ABelegNr) {}
    QList<TZAM_Lagervorrichtung> KundenVBS_Freie(int ALager, int AHoechstens) override
    {
        const QList<TZAM_Lagervorrichtung> l = TZAM_LVLZServerSql::KundenVBS_Freie(ALager, AHoechstens);
        FDb.Schreiben(QStringLiteral("INSERT INTO zam_lvlz (lo_id1, lo_id2, lo_id3, verweis_art, verweis_id1, "
                                     "verweis_id2, verweis_id3) VALUES (?, ?, ?, 1, 1, ?, 0)"),
                      K(l.first().Id) << FBelegNr);
        return l;
    }

private:
    TZAM_Datenbank& FDb;
    int FBelegNr;
};

} // namespace

class TestKundenVBS : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }

    void Anlegen(int AMotor)
    {
        FUmg.reset(); // one framework at a time
        FUmg = std::make_unique<TZAM_TestUmgebung>(TZAM_TestUmgebung::TMotor(AMotor));
        FUmg->DemoAnlegen();
        const struct
        {
            TIntTrio Id;
            const char* Name;
            int Art, Gesperrt;
        } plaetze[] = {{CKV0, "KV-0", 0, 0}, {CKV1, "KV-1", 0, 0},     {CKV2, "KV-2", 0, 0},  {CKV3, "KV-3", 0, 0},
                       {CKV9, "KV-9", 0, 1}, {CStandard, "AAA", 0, 0}, {CBehT, "BEH-T", 3, 0}};
        for (const auto& p : plaetze)
            Db().Schreiben(QStringLiteral("INSERT INTO zam_lagerort (id1, id2, id3, lager, art, name, bereich, "
                                          "gesperrt) VALUES (?, ?, ?, 2, ?, ?, 4, ?)"),
                           K(p.Id) << p.Art << QString::fromLatin1(p.Name) << p.Gesperrt);
        Db().Schreiben(QStringLiteral("INSERT INTO zam_laufweg (id1, id2, id3, lager, name) VALUES (1, 1, 9, 2, 'K')"));
        for (const auto& [weg, pos, ort] :
             {std::tuple{9, 10, CKV3}, {9, 20, CKV1}, {9, 30, CKV3}, {9, 5, CKV9}, {9, 1, CStandard}, {3, 1, CKV2}})
            Db().Schreiben(QStringLiteral("INSERT INTO zam_laufweg_platz (laufweg_id1, laufweg_id2, laufweg_id3, "
                                          "pos, lo_id1, lo_id2, lo_id3) VALUES (1, 1, ?, ?, ?, ?, ?)"),
                           QVariantList{weg, pos} + K(ort));
    }
    void Bestand(const TIntTrio& AOrt)
    {
        Db().Schreiben(QStringLiteral("INSERT INTO zam_bestand (lo_id1, lo_id2, lo_id3, prod_id1, prod_id2, prod_id3, "
                                      "groesse, bestandsart, menge) VALUES (?, ?, ?, 1, 100002, 0, 4, 1, 1)"),
                       K(AOrt));
    }
    void Zuordnen(const TIntTrio& AOrt, int ABelegNr)
    {
        Db().Schreiben(QStringLiteral("INSERT INTO zam_lvlz (lo_id1, lo_id2, lo_id3, verweis_art, verweis_id1, "
                                      "verweis_id2, verweis_id3) VALUES (?, ?, ?, 1, 1, ?, 0)"),
                       K(AOrt) << ABelegNr);
    }
    // The place's assignment as "document number/order type"; empty without one.
    QString Zeile(const TIntTrio& AOrt)
    {
        return Db()
            .LesenWert(QStringLiteral("SELECT verweis_id2 || '/' || auftragstyp FROM zam_lvlz WHERE "
                                      "lo_id1 = ? AND lo_id2 = ? AND lo_id3 = ? AND verweis_art = 1 AND "
                                      "verweis_id3 = 0 AND verweis_nummer = 0 AND status = 0"),
                       K(AOrt))
            .toString();
    }

private Q_SLOTS:
    void freie_data() { ZAM_MotorenDaten(); }
    void freie()
    {
        ZAM_MOTOR(m);
        Anlegen(m);
        auto lvlz = TestDienst<IZAM_LVLZServer>();
        const struct
        {
            const char* Name;
            std::function<void()> Vorher;
            QStringList Erwartet;
        } faelle[] = {
            {"Laufweg, dann Name", [] {}, {"KV-3", "KV-1", "KV-0", "KV-2"}},
            {"zugeordnet", [&] { Zuordnen(CKV1, 7001); }, {"KV-3", "KV-0", "KV-2"}},
            {"mit Bestand", [&] { Bestand(CKV3); }, {"KV-1", "KV-0", "KV-2"}},
            {"Bestand im Behälter darauf",
             [&] {
                 Db().Schreiben(QStringLiteral("UPDATE zam_lagerort SET auf_id1 = 44, auf_id2 = 1, auf_id3 = 0 "
                                               "WHERE id1 = 45"));
                 Bestand(CBehT);
             },
             {"KV-3", "KV-1", "KV-2"}},
            {"leerer Bestandssatz",
             [&] {
                 Bestand(CKV3);
                 Db().Schreiben(QStringLiteral("UPDATE zam_bestand SET menge = 0 WHERE lo_id1 = 44"));
             },
             {"KV-3", "KV-1", "KV-0", "KV-2"}},
            {"anderer Laufweg zuerst",
             [&] { Db().Schreiben(QStringLiteral("UPDATE zam_laufweg SET reihenfolge = 9 WHERE id3 = 9")); },
             {"KV-2", "KV-0", "KV-1", "KV-3"}},
            {"alle belegt",
             [&] {
                 for (const TIntTrio& o : {CKV0, CKV1, CKV2, CKV3})
                     Zuordnen(o, 1);
             },
             {}},
        };
        for (const auto& f : faelle) {
            Db().Schreiben(QStringLiteral("DELETE FROM zam_lvlz WHERE lo_id1 = 44"));
            Db().Schreiben(QStringLiteral("UPDATE zam_lagerort SET auf_id1 = NULL WHERE id1 = 45"));
            Db().Schreiben(QStringLiteral("UPDATE zam_laufweg SET reihenfolge = 0 WHERE id3 = 9"));
            Db().Schreiben(QStringLiteral("DELETE FROM zam_bestand WHERE lo_id1 IN (44, 45)"));
            f.Vorher();
            QStringList namen;
            for (const TZAM_Lagervorrichtung& p : lvlz->KundenVBS_Freie(2, 0))
                namen << p.Name;
            QVERIFY2(namen == f.Erwartet, qPrintable(QStringLiteral("%1: %2").arg(f.Name, namen.join(u' '))));
            QCOMPARE(lvlz->KundenVBS_Freie(2, 1).size(), qMin(1, int(f.Erwartet.size())));
            QCOMPARE(TLVLZMani().KundenVBS_FreieVorhanden(2), !f.Erwartet.isEmpty());
        }
    }

    // One order after the other in warehouse 2, and the demo's warehouse 1.
    void zuteilen_data() { ZAM_MotorenDaten(); }
    void zuteilen()
    {
        ZAM_MOTOR(m);
        Anlegen(m);
        TLVLZMani mani;
        const struct
        {
            int Lager, BelegNr, Typ;
            const char* Platz;
            bool Erster;
            bool BelegBekannt = true;
        } faelle[] = {
            {2, 7001, 1, "KV-3", true},     {2, 7002, 2, "KV-1", true},     {2, 7001, 2, "KV-3", false},
            {2, 7003, 1, "KV-0", true},     {2, 7004, 1, "KV-2", true},     {2, 7005, 1, "", false},
            {2, 9999, 1, "", false, false}, {1, 7001, 1, "KVBS-02", false}, {1, 7002, 1, "KVBS-03", true},
            {1, 7003, 1, "KVBS-04", true},  {1, 7004, 1, "KVBS-01", true},  {1, 7005, 2, "KVBS-05", true},
            {1, 7006, 1, "", false},
        };
        for (const auto& f : faelle) {
            TZAM_Lagervorrichtung platz{{9, 9, 9}, QStringLiteral("alt"), {}};
            TIntTrio beleg;
            bool erster = !f.Erster;
            const QString name = QStringLiteral("%1 in %2").arg(f.BelegNr).arg(f.Lager);
            QVERIFY2(mani.KundenVBS_4_ExtVerweis(Position(f.BelegNr), f.Lager, f.Typ, platz, beleg, erster) ==
                         (*f.Platz != 0),
                     qPrintable(name));
            QVERIFY2(platz.Name == QLatin1String(f.Platz) && erster == f.Erster, qPrintable(name));
            QCOMPARE(beleg, f.BelegBekannt ? TIntTrio(1, f.BelegNr, 0) : TIntTrio());
            if (*f.Platz)
                QCOMPARE(Zeile(platz.Id), QStringLiteral("%1/%2").arg(f.BelegNr).arg(f.Erster ? f.Typ : 1));
        }
        QCOMPARE(FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_lvlz WHERE lo_id1 = 44")), 4);
        TZAM_Lagervorrichtung platz;
        TIntTrio beleg;
        bool erster;
        QVERIFY(!mani.KundenVBS_4_ExtVerweis(TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_EXBI, {1, 7006, 0}, 1),
                                             1, 1, platz, beleg, erster));
    }

    // Another device takes the first free place between reading and assigning.
    void andererSchneller_data() { ZAM_MotorenDaten(); }
    void andererSchneller()
    {
        ZAM_MOTOR(m);
        Anlegen(m);
        const struct
        {
            int AndererBeleg;
            const char* Platz;
            bool Erster;
        } faelle[] = {{7002, "KV-1", true}, {7001, "KV-3", false}};
        for (const auto& f : faelle) {
            Db().Schreiben(QStringLiteral("DELETE FROM zam_lvlz WHERE lo_id1 = 44"));
            TZAM_Datenbank* db = &Db();
            const int anderer = f.AndererBeleg;
            Glob_WWSServerFactoryClass().Registrieren<IZAM_LVLZServer>(
                [db, anderer] { return std::make_unique<TSchnellererNachbar>(*db, anderer); });
            TLVLZMani mani;
            TZAM_Lagervorrichtung platz;
            TIntTrio beleg;
            bool erster;
            QVERIFY(mani.KundenVBS_4_ExtVerweis(Position(7001), 2, 1, platz, beleg, erster));
            QVERIFY2(platz.Name == QLatin1String(f.Platz) && erster == f.Erster, f.Platz);
            QCOMPARE(Zeile(CKV3), QStringLiteral("%1/0").arg(f.AndererBeleg));
            QCOMPARE(
                FUmg->Zahl(QStringLiteral("SELECT COUNT(*) FROM zam_lvlz WHERE lo_id1 = 44 AND verweis_id2 = 7001")),
                1);
        }
    }

    void zuordnenZu_data() { ZAM_MotorenDaten(); }
    void zuordnenZu()
    {
        ZAM_MOTOR(m);
        Anlegen(m);
        TLVLZMani mani;
        const struct
        {
            const char* Name;
            int VerweisNr, BelegNr, Typ;
            TIntTrio Ort, Bestand;
            bool Erwartet;
            const char* Zeile;
        } faelle[] = {
            {"frei", 0, 7001, 1, CKV3, {}, true, "7001/1"},
            {"dieselbe Bestellung mit Bestand", 0, 7001, 2, CKV3, CKV3, true, "7001/2"},
            {"andere Bestellung", 0, 7002, 1, CKV3, {}, false, "7001/2"},
            {"Position einer anderen Bestellung", 7002, 7001, 1, CKV0, {}, false, ""},
            {"Position der Bestellung", 7001, 7001, 1, CKV0, {}, true, "7001/1"},
            {"mit Bestand", 0, 7002, 1, CKV1, CKV1, false, ""},
            {"gesperrt", 0, 7002, 1, CKV9, {}, false, ""},
            {"Standardplatz", 0, 7002, 1, CStandard, {}, false, ""},
            {"kein Kunden-VBS", 0, 7002, 1, {3, 1, 1}, {}, false, ""},
            {"unbekannt", 0, 7002, 1, {44, 9, 9}, {}, false, ""},
            {"ohne Beleg", 0, 0, 1, CKV2, {}, false, ""},
        };
        for (const auto& f : faelle) {
            if (!f.Bestand.IsNull())
                Bestand(f.Bestand);
            const TIntTrio beleg = f.BelegNr ? TIntTrio(1, f.BelegNr, 0) : TIntTrio();
            const TZAM_PersArt_ExtVerweis verweis = f.VerweisNr ? Position(f.VerweisNr) : TZAM_PersArt_ExtVerweis();
            QVERIFY2(mani.KundenVBS_ZuordnenZu_KubeBelegId(verweis, f.Typ, beleg, f.Ort) == f.Erwartet, f.Name);
            QVERIFY2(Zeile(f.Ort) == QLatin1String(f.Zeile), f.Name);
        }
        QVERIFY(!mani.KundenVBS_ZuordnenZu_KubeBelegId({}, 1, {1, 7002, 0}, {}));
    }

    // Document 7100: position 1 (2 pieces of 100002 size 4) named by order 8100, position 2 (1 of
    // 100003 size 3) by its own key, position 3 cancelled.
    void komplett_data() { ZAM_MotorenDaten(); }
    void komplett()
    {
        ZAM_MOTOR(m);
        Anlegen(m);
        Db().Schreiben(QStringLiteral("INSERT INTO zam_atk (id1, id2) VALUES (1, 7100)"));
        for (const auto& [nr, art, gr, menge] : {std::tuple{1, 100002, 4, 2}, {2, 100003, 3, 1}, {3, 100002, 5, 5}})
            Db().Schreiben(QStringLiteral("INSERT INTO zam_atpk (pos_id1, pos_id2, pos_id3, pos_id4, atk_id1, atk_id2, "
                                          "prod_id1, prod_id2, prod_id3, groesse, menge) "
                                          "VALUES (1, 7100, 0, ?, 1, 7100, 1, ?, 0, ?, ?)"),
                           {nr, art, gr, menge});
        for (const auto& [nr, zustand] : {std::pair{1, ""}, {3, "T"}})
            Db().Schreiben(QStringLiteral("INSERT INTO zam_atpb (auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, "
                                          "pos_id1, pos_id2, pos_id3, zustand) VALUES (1, 8100, 0, ?, 1, 7100, 0, ?)"),
                           {nr, QString::fromLatin1(zustand)});
        Db().Schreiben(QStringLiteral("UPDATE zam_lagerort SET auf_id1 = 44, auf_id2 = 1, auf_id3 = 3 WHERE id1 = 45"));
        struct TStueck
        {
            TIntTrio Ort;
            int Artikel, Groesse, Verweis, Nr, Menge;
        };
        const TStueck pos2{CKV3, 100003, 3, 7100, 2, 1};
        const struct
        {
            const char* Name;
            QList<TStueck> Stuecke;
            bool Erwartet;
        } faelle[] = {
            {"alles da", {{CKV3, 100002, 4, 8100, 1, 2}, pos2}, true},
            {"im Behälter darauf", {{CBehT, 100002, 4, 8100, 1, 2}, pos2}, true},
            {"ein Stück fehlt", {{CKV3, 100002, 4, 8100, 1, 1}, pos2}, false},
            {"Stück einer anderen Referenz",
             {{CKV3, 100002, 4, 8100, 1, 1}, {CKV3, 100002, 4, 7001, 1, 1}, pos2},
             false},
            {"andere Größe", {{CKV3, 100002, 5, 8100, 1, 2}, pos2}, false},
            {"auf anderem Platz", {{CKV1, 100002, 4, 8100, 1, 2}, pos2}, false},
        };
        TLVLZMani mani;
        for (const auto& f : faelle) {
            Db().Schreiben(QStringLiteral("DELETE FROM zam_lvpb WHERE lo_id1 IN (44, 45)"));
            for (const TStueck& s : f.Stuecke)
                Db().Schreiben(
                    QStringLiteral("INSERT INTO zam_lvpb (lo_id1, lo_id2, lo_id3, prod_id1, prod_id2, "
                                   "prod_id3, groesse, verweis_art, verweis_id1, verweis_id2, verweis_id3, "
                                   "verweis_nummer, filiale, menge) VALUES (?, ?, ?, 1, ?, 0, ?, 1, 1, ?, 0, "
                                   "?, 1, ?)"),
                    K(s.Ort) << s.Artikel << s.Groesse << s.Verweis << s.Nr << s.Menge);
            TIntTrio beleg{9, 9, 9};
            QVERIFY2(mani.Bestand_Komplett_Auf_KundenVBS(beleg, {1, 7100, 0}, CKV3) == f.Erwartet, f.Name);
            QCOMPARE(beleg, f.Erwartet ? TIntTrio(1, 7100, 0) : TIntTrio());
        }
        TIntTrio beleg;
        QVERIFY(!mani.Bestand_Komplett_Auf_KundenVBS(beleg, {1, 9999, 0}, CKV3));
    }
};

QTEST_MAIN(TestKundenVBS)
#include "tst_kundenvbs.moc"
