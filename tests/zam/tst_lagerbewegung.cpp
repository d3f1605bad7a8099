// The movement service's bookings on both engines: place stock, branch stock (BF) and journal
// change together or not at all; refusals name their reason and leave the caller's bracket alone;
// another program's place lock refuses, this program's own passes.
#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_CommonLock.h"
#include "IZAM_LagerBewegungEditServer.h"
#include "IZAM_LagerEditServer.h"
#include "TVRList.h"
#include "TZAM_Datenbank.h"
#include "TZAM_Helferprozess.h"
#include "TZAM_InfoMeldungListe.h"
#include "TZAM_Lagersperren.h"
#include "TZAM_TestArtikel.h"
#include "TZAM_TestLager.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMBestandsarten.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

#include <QTest>

namespace {

using TA = TZAM_TestArtikel;
using TL = TZAM_TestLager;

enum TAufruf
{
    aLagerbewegung,
    aUmlagerung,
    aKorrektur
};

struct TFall
{
    const char* Name;
    TAufruf Aufruf;
    TIntTrio Von, An;
    int Menge;
    int KorrekturArt, VonFiliale, AnFiliale, UmlagerungsArt;
    bool Buchen;
    bool Ergebnis;
    QMap<QString, qint64> Aenderungen;
    QList<TInfoKoord> Meldungen; // in the order of the rows they refuse: place stock before BF
    int GrInd = 1;
};

TInt32Trio Schuh()
{
    return TA::A(TA::Schuh).Id();
}

// Free stock: P1 10 (BF 4 of branch 10, 6 of 11), P2 5 (11); blocked goods: 4 (11); 3 pieces on
// transport to branch 11.
const QList<TFall>& Faelle()
{
    const TInt32Trio s = Schuh();
    const int fr = 1, gb = 2;
    const TIntTrio weg, unbekannt(1, 7, 7);
    // clang-format off
    static const QList<TFall> f = {
        {"Umlagerung", aUmlagerung, TL::P1, TL::P2, 5, 0, -1, -1, 1, true, true,
         {{TL::B(TL::P1, s, 1, fr), -5}, {TL::B(TL::P2, s, 1, fr), 5}}, {}},
        {"in Behaelter auf Behaelter", aLagerbewegung, TL::P1, TL::C2, 3, 0, -1, -1, 0, true, true,
         {{TL::B(TL::P1, s, 1, fr), -3}, {TL::B(TL::C2, s, 1, fr), 3}}, {}},
        {"ins Wurmloch", aUmlagerung, TL::P1, weg, 4, 2, 10, 30, 5, true, true,
         {{TL::B(TL::P1, s, 1, fr), -4}, {TL::F(s, 10, fr, 1), -4}, {TL::F(s, 30, fr, 1), 4}}, {}},
        {"aus Wurmloch ohne Bestand der Filiale", aUmlagerung, weg, TL::P2, 2, 2, 30, 10, 6, true, false, {},
         {CZAM_Info_Lagbew_FilialbestandReichtNicht}},
        {"in geblockte Ware", aUmlagerung, TL::P1, TL::Geblockt, 3, 3, 10, 10, 7, true, true,
         {{TL::B(TL::P1, s, 1, fr), -3},
          {TL::B(TL::Geblockt, s, 1, gb), 3},
          {TL::F(s, 10, fr, 1), -3},
          {TL::F(s, 10, gb, 1), 3}},
         {}},
        {"aus geblockter Ware", aUmlagerung, TL::Geblockt, TL::P2, 2, 4, 11, 11, 8, true, true,
         {{TL::B(TL::Geblockt, s, 1, gb), -2},
          {TL::B(TL::P2, s, 1, fr), 2},
          {TL::F(s, 11, gb, 1), -2},
          {TL::F(s, 11, fr, 1), 2}},
         {}},
        // The place stock is taken first; the branch's stock refuses, and the savepoint takes both back.
        {"in geblockte Ware ohne Filialbestand", aUmlagerung, TL::P1, TL::Geblockt, 5, 3, 10, 10, 7, true, false, {},
         {CZAM_Info_Lagbew_FilialbestandReichtNicht}},
        {"Inventurabgang geprüft", aKorrektur, TL::P1, weg, 2, 62, 10, 10, 0, false, true, {}, {}},
        {"Inventurzugang geprüft", aKorrektur, weg, TL::P2, 3, 66, 10, 10, 0, false, true, {}, {}},
        {"Inventurabgang", aKorrektur, TL::P1, weg, 2, 62, 10, 10, 0, true, true,
         {{TL::B(TL::P1, s, 1, fr), -2}, {TL::F(s, 10, fr, 1), -2}}, {}},
        {"Inventurzugang", aKorrektur, weg, TL::P2, 3, 66, 10, 10, 0, true, true,
         {{TL::B(TL::P2, s, 1, fr), 3}, {TL::F(s, 10, fr, 1), 3}}, {}},
        {"zu wenig Bestand", aUmlagerung, TL::P1, TL::P2, 11, 0, -1, -1, 1, true, false, {},
         {CZAM_Info_Lagbew_BestandReichtNicht}},
        {"zu wenig Bestand geprüft", aKorrektur, TL::P1, weg, 11, 62, 10, 10, 0, false, false, {},
         {CZAM_Info_Lagbew_BestandReichtNicht, CZAM_Info_Lagbew_FilialbestandReichtNicht}},
        {"Menge 0", aLagerbewegung, TL::P1, TL::P2, 0, 0, -1, -1, 0, true, false, {},
         {CZAM_Info_Lagbew_MengeUngueltig}},
        // No branch named, none assigned: the warehouse's branches in group order, each as far as it holds.
        {"Abgang nach Filialreihenfolge", aLagerbewegung, TL::P1, weg, 6, 0, -1, -1, 0, true, true,
         {{TL::B(TL::P1, s, 1, fr), -6}, {TL::F(s, 10, fr, 1), -4}, {TL::F(s, 11, fr, 1), -2}}, {}},
        {"Zugang in Behaelter der Filiale 11", aLagerbewegung, weg, TL::C2, 2, 0, -1, -1, 0, true, true,
         {{TL::B(TL::C2, s, 1, fr), 2}, {TL::F(s, 11, fr, 1), 2}}, {}},
        // Goods slips: off the owner's free stock into the to-branch's transport stock, and received.
        {"auf Transport", aKorrektur, TL::P1, weg, 2, 70, 10, 20, 0, true, true,
         {{TL::B(TL::P1, s, 1, fr), -2}, {TL::F(s, 10, fr, 1), -2}, {TL::F(s, 20, 40, 1), 2}}, {}},
        {"Empfang auf Platz", aKorrektur, weg, TL::P2, 2, 71, -1, 11, 0, true, true,
         {{TL::B(TL::P2, s, 1, fr), 2}, {TL::F(s, 11, 40, 1), -2}, {TL::F(s, 11, fr, 1), 2}}, {}},
        {"Empfang ohne Platz", aKorrektur, weg, weg, 1, 71, -1, 11, 0, true, true,
         {{TL::F(s, 11, 40, 1), -1}, {TL::F(s, 11, fr, 1), 1}}, {}},
        {"Empfang ohne Transportbestand", aKorrektur, weg, weg, 4, 71, -1, 11, 0, true, false, {},
         {CZAM_Info_Lagbew_FilialbestandReichtNicht}},
        {"unbekannte Groesse", aLagerbewegung, TL::P1, TL::P2, 1, 0, -1, -1, 0, true, false, {},
         {CZAM_Info_Lagbew_GroesseUnbekannt}, 9},
        {"unbekannter Lagerort", aLagerbewegung, TL::P1, unbekannt, 1, 0, -1, -1, 0, true, false, {},
         {CZAM_Info_Lagbew_LagerortUnbekannt}},
    };
    // clang-format on
    return f;
}

class TLagerTest
{
public:
    explicit TLagerTest(TZAM_TestUmgebung::TMotor AMotor) : Umg(AMotor), Db(Umg.Backend().Datenbank())
    {
        TA::Anlegen(Db);
        TL::Anlegen(Db);
        TL::Bestand(Db, TL::P1, Schuh(), 1, 1, 4, 10);
        TL::Bestand(Db, TL::P1, Schuh(), 1, 1, 6, 11);
        TL::Bestand(Db, TL::P2, Schuh(), 1, 1, 5, 11);
        TL::Bestand(Db, TL::Geblockt, Schuh(), 1, 2, 4, 11);
        Db.Schreiben(QStringLiteral("INSERT INTO zam_bf (prod_id1, prod_id2, prod_id3, filiale, bestandsart, groesse, "
                                    "menge) VALUES (?, ?, ?, 11, 40, 1, 3)"),
                     {Schuh().Id1, Schuh().Id2, Schuh().Id3});
        Bew = Glob_WWSServerFactoryClass().Create<IZAM_LagerBewegungEditServer>();
        Struktur = Glob_WWSServerFactoryClass().Create<IZAM_LagerEditServer>();
    }

    bool Buchen(TAufruf AAufruf, const TIntTrio& AVon, const TIntTrio& AAn, int AMenge, TZAM_InfoMeldungListe& AM,
                int AKorrektur = 0, int AVonFil = -1, int AAnFil = -1, int AUmlArt = 1, bool ABuchen = true,
                const TZAM_LVPB_Daten_Array& ALVPB = {}, int AGrInd = 1)
    {
        TZAM_Lager_BEW b;
        b.ProduktId = Schuh();
        b.GrInd = quint8(AGrInd);
        b.VonLagerortId = AVon;
        b.AnLagerortId = AAn;
        b.Menge = AMenge;
        b.Mitarbeiter = TIntPair(3, 4);
        b.LVPB = ALVPB;
        TZAM_Lager_BNE_Korrektur k;
        k.ProduktId = b.ProduktId;
        k.GrInd = quint8(AGrInd);
        k.Menge = AMenge;
        k.VonFiliale = qint16(AVonFil);
        k.AnFiliale = qint16(AAnFil);
        k.KorrekturArt = quint8(AKorrektur);
        switch (AAufruf) {
        case aLagerbewegung:
            return Bew->Lagerbewegung_Buchen(b, ABuchen, &AM);
        case aUmlagerung:
            return Bew->UmlagerBewegung_Buchen(b, k, AUmlArt, -1, 1, ABuchen, &AM);
        case aKorrektur:
            return Bew->Bestandskorrektur_Buchen(b, k, ABuchen, &AM);
        }
        return false;
    }
    int Journal() { return Db.LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_bewegung")).toInt(); }

    TZAM_TestUmgebung Umg;
    TZAM_Datenbank& Db;
    std::unique_ptr<IZAM_LagerBewegungEditServer> Bew;
    std::unique_ptr<IZAM_LagerEditServer> Struktur;
};

} // namespace

class TestLagerbewegung : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buchungen_data()
    {
        QTest::addColumn<int>("motor");
        QTest::addColumn<int>("fall");
        for (const auto& [motor, name] :
             {std::pair{TZAM_TestUmgebung::tmSQLite, "sqlite"}, {TZAM_TestUmgebung::tmPostgres, "postgres"}})
            for (int i = 0; i < Faelle().size(); ++i)
                QTest::newRow(qPrintable(
                    QStringLiteral("%1: %2").arg(QLatin1String(name), QString::fromUtf8(Faelle().at(i).Name))))
                    << int(motor) << i;
    }
    void buchungen()
    {
        ZAM_MOTOR(m);
        QFETCH(int, fall);
        const TFall& f = Faelle().at(fall);
        TLagerTest t(m);
        const auto vorher = TL::Stand(t.Db);
        TZAM_InfoMeldungListe meldungen;
        QCOMPARE(t.Buchen(f.Aufruf, f.Von, f.An, f.Menge, meldungen, f.KorrekturArt, f.VonFiliale, f.AnFiliale,
                          f.UmlagerungsArt, f.Buchen, {}, f.GrInd),
                 f.Ergebnis);
        QCOMPARE(TL::Differenz(vorher, TL::Stand(t.Db)), f.Aenderungen);
        QList<TInfoKoord> gemeldet;
        for (const auto& e : meldungen.Eintraege())
            gemeldet.append(e.Koord);
        QCOMPARE(gemeldet, f.Meldungen);
        // One journal row per booked movement, with the kinds and the key of a stored bracket.
        const bool gebucht = f.Ergebnis && f.Buchen;
        QCOMPARE(t.Journal(), gebucht ? 1 : 0);
        if (gebucht) {
            const TZAM_Zeilen z = t.Db.Lesen(QStringLiteral(
                "SELECT j.umlagerungsart, j.korrekturart, j.menge, j.mita_id1, b.gebucht FROM zam_bewegung j "
                "JOIN zam_buchung b ON b.id = j.prot_id2 * 1000000 + j.prot_id3 AND j.prot_id1 = 1"));
            QCOMPARE(z.Anzahl(), 1);
            QCOMPARE(z.Wert(0, 0).toInt(), f.Aufruf == aUmlagerung ? f.UmlagerungsArt : 0);
            QCOMPARE(z.Wert(0, 1).toInt(), f.KorrekturArt);
            QCOMPARE(z.Wert(0, 2).toInt(), f.Menge);
            QCOMPARE(z.Wert(0, 3).toInt(), 3);
            QCOMPARE(z.Wert(0, 4).toInt(), 1);
        }
        QVERIFY(!ZAMBuchung().IstOffen());
    }

    // A refusal inside the caller's bracket rolls back only itself: what the caller wrote before
    // and booked after stays, and the caller's bracket still commits.
    void verweigerungInFremderKlammer_data() { ZAM_MotorenDaten(); }
    void verweigerungInFremderKlammer()
    {
        ZAM_MOTOR(m);
        TLagerTest t(m);
        const auto vorher = TL::Stand(t.Db);
        ZAMBuchung().Oeffnen(1, QStringLiteral("Aufrufer"));
        t.Db.Schreiben(QStringLiteral("INSERT INTO zam_parameter (name, wert) VALUES ('AUFRUFER', '1')"));
        TZAM_InfoMeldungListe m1, m2, m3;
        QVERIFY(t.Buchen(aUmlagerung, TL::P1, TL::P2, 2, m1));
        QVERIFY(!t.Buchen(aUmlagerung, TL::P1, TL::Geblockt, 5, m2, 3, 10, 10, 7));
        QVERIFY(t.Buchen(aLagerbewegung, TL::P2, TL::C, 1, m3, 0, -1, -1, 0));
        QCOMPARE(ZAMBuchung().Tiefe(), 1);
        ZAMBuchung().Schliessen(QStringLiteral("Aufrufer"));
        QCOMPARE(t.Db.LesenWert(QStringLiteral("SELECT wert FROM zam_parameter WHERE name = 'AUFRUFER'")).toString(),
                 QStringLiteral("1"));
        const QMap<QString, qint64> erwartet = {
            {TL::B(TL::P1, Schuh(), 1, 1), -2}, {TL::B(TL::P2, Schuh(), 1, 1), 1}, {TL::B(TL::C, Schuh(), 1, 1), 1}};
        QCOMPARE(TL::Differenz(vorher, TL::Stand(t.Db)), erwartet);
        QCOMPARE(t.Journal(), 2);
        // Both journal rows carry the caller's bracket key.
        QCOMPARE(t.Db.LesenWert(QStringLiteral("SELECT COUNT(DISTINCT prot_id3) FROM zam_bewegung")).toInt(), 1);
    }

    // A database error (here: the journal cannot be written) is no refusal: it abandons the whole
    // bracket, the caller's earlier writes and the stock taken included, and the caller's close raises.
    void datenbankfehlerVerwirftKlammer_data() { ZAM_MotorenDaten(); }
    void datenbankfehlerVerwirftKlammer()
    {
        ZAM_MOTOR(m);
        TLagerTest t(m);
        t.Db.Schreiben(QStringLiteral("ALTER TABLE zam_bewegung RENAME TO zam_bewegung_weg"));
        const auto vorher = TL::Stand(t.Db);
        ZAMBuchung().Oeffnen(1, QStringLiteral("Aufrufer"));
        t.Db.Schreiben(QStringLiteral("INSERT INTO zam_parameter (name, wert) VALUES ('AUFRUFER', '1')"));
        TZAM_InfoMeldungListe meldungen;
        QVERIFY_THROWS_EXCEPTION(EZAM_Exception, t.Buchen(aUmlagerung, TL::P1, TL::P2, 2, meldungen));
        QVERIFY_THROWS_EXCEPTION(EZAM_Exception, ZAMBuchung().Schliessen(QStringLiteral("Aufrufer")));
        QVERIFY(TL::Differenz(vorher, TL::Stand(t.Db)).isEmpty());
        QCOMPARE(t.Db.LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_parameter WHERE name = 'AUFRUFER'")).toInt(),
                 0);
    }

    // Another program's lock on the place, or on what a container stands on, refuses the booking
    // and names the holder; this program's own lock passes. The place information agrees.
    void sperren_data()
    {
        QTest::addColumn<int>("motor");
        QTest::addColumn<bool>("fremd");
        QTest::addColumn<QString>("art");
        QTest::addColumn<TIntTrio>("gesperrt");
        QTest::addColumn<TIntTrio>("von");
        QTest::addColumn<TIntTrio>("an");
        for (const auto& [motor, name] :
             {std::pair{TZAM_TestUmgebung::tmSQLite, "sqlite"}, {TZAM_TestUmgebung::tmPostgres, "postgres"}})
            for (bool fremd : {true, false}) {
                const QString n = QStringLiteral("%1 %2 ").arg(QLatin1String(name), fremd ? QStringLiteral("fremd")
                                                                                          : QStringLiteral("eigen"));
                QTest::newRow(qPrintable(n + QStringLiteral("Von-Platz")))
                    << int(motor) << fremd << TZAM_Lagersperren::CArtLagerort << TL::P1 << TL::P1 << TL::P2;
                QTest::newRow(qPrintable(n + QStringLiteral("An-Behaelter")))
                    << int(motor) << fremd << TZAM_Lagersperren::CArtBehaelter << TL::C2 << TL::P1 << TL::C2;
                QTest::newRow(qPrintable(n + QStringLiteral("Platz unter dem Behaelter")))
                    << int(motor) << fremd << TZAM_Lagersperren::CArtLagerort << TL::P2 << TL::P1 << TL::C2;
            }
    }
    void sperren()
    {
        ZAM_MOTOR(m);
        QFETCH(bool, fremd);
        QFETCH(QString, art);
        QFETCH(TIntTrio, gesperrt);
        QFETCH(TIntTrio, von);
        QFETCH(TIntTrio, an);
        TLagerTest t(m);
        std::unique_ptr<TZAM_Helferprozess> helfer;
        const QString schluessel = TZAM_Lagersperren::Schluessel(gesperrt);
        if (fremd) {
            helfer = std::make_unique<TZAM_Helferprozess>(QStringLiteral(ZAM_SPERRHELFER), t.Umg.IniPfad());
            QVERIFY(helfer->Gestartet());
            QCOMPARE(helfer->Befehl(QStringLiteral("lock %1 %2").arg(art, schluessel)), QStringLiteral("1"));
        } else {
            QVERIFY(CommonLock().LockObjekt(art, schluessel));
        }
        TZAM_Lagerort_Info info;
        QVERIFY(t.Struktur->LagerortInfo_Lesen(gesperrt, info, TQIV_Lagerort_Info_Optionen::Defaults()));
        QCOMPARE(info.Gesperrt, fremd);
        const auto vorher = TL::Stand(t.Db);
        for (bool buchen : {false, true}) {
            TZAM_InfoMeldungListe meldungen;
            QCOMPARE(t.Buchen(aLagerbewegung, von, an, 1, meldungen, 0, -1, -1, 0, buchen), !fremd);
            if (fremd)
                QVERIFY2(meldungen.Meldungen_AlsText().contains(QStringLiteral("Helfer")),
                         qPrintable(meldungen.Meldungen_AlsText()));
        }
        QCOMPARE(TL::Differenz(vorher, TL::Stand(t.Db)).isEmpty(), fremd);
        QCOMPARE(t.Journal(), fremd ? 0 : 1);
    }

    // Reservations move with the goods: the service picks the source's entries for the quantity.
    void reservierungen_data() { ZAM_MotorenDaten(); }
    void reservierungen()
    {
        ZAM_MOTOR(m);
        TLagerTest t(m);
        const TIntTrio auftrag(5, 6, 7);
        for (const auto& [nummer, menge] : {std::pair{1, 2}, {2, 3}})
            t.Db.Schreiben(QStringLiteral("INSERT INTO zam_lvpb (lo_id1, lo_id2, lo_id3, prod_id1, prod_id2, prod_id3, "
                                          "groesse, verweis_art, verweis_id1, verweis_id2, verweis_id3, "
                                          "verweis_nummer, filiale, menge) VALUES (1, 1, 1, ?, ?, ?, 1, 1, 5, 6, 7, ?, "
                                          "10, ?)"),
                           {Schuh().Id1, Schuh().Id2, Schuh().Id3, nummer, menge});
        TZAM_LVPB_Daten_Array daten;
        t.Bew->LVPBDaten_Ermitteln(Schuh(), 1, daten, 1, 3, TL::C2, TL::P1, {}, 10, -1);
        QCOMPARE(daten.size(), 4); // 2 of position 1, 1 of position 2; each off P1 and onto C2
        TZAM_InfoMeldungListe meldungen;
        QVERIFY(t.Buchen(aLagerbewegung, TL::P1, TL::C2, 3, meldungen, 0, -1, -1, 0, true, daten));
        TZAM_LVPB_Satz_Info_List saetze;
        t.Bew->LVPBSaetze_4_Behaelter(TL::C2, saetze, -1, 0);
        QCOMPARE(saetze.size(), 2);
        QCOMPARE(saetze.at(0).VerweisId, auftrag);
        QCOMPARE(saetze.at(0).Menge + saetze.at(1).Menge, 3);
        QCOMPARE(t.Bew->Lagerplatzbestand(Schuh(), 1, TL::C2), 3);
        // Container 2 belongs to branch 11; reservations for branch 10 are foreign to it.
        QVERIFY(t.Bew->Behaelter_HatFremdeArtikel(TL::C2, 0, 0));
        // Taking more reservation than is left refuses the whole movement.
        TZAM_LVPB_Daten_Array zuviel;
        t.Bew->LVPBDaten_Ermitteln(Schuh(), 1, zuviel, 1, 1, TL::P2, TL::P1, {}, 10, -1);
        zuviel.first().Menge = zuviel.last().Menge = 5;
        const auto vorher = TL::Stand(t.Db);
        QVERIFY(!t.Buchen(aLagerbewegung, TL::P1, TL::P2, 5, meldungen, 0, -1, -1, 0, true, zuviel));
        QCOMPARE(meldungen.Eintraege().last().Koord.Nummer, CZAM_Info_Lagbew_ReservierungReichtNicht.Nummer);
        QVERIFY(TL::Differenz(vorher, TL::Stand(t.Db)).isEmpty());
    }

    // What each read switch changes, and the staging places of a branch and of the warehouse.
    void lagerorte_data() { ZAM_MotorenDaten(); }
    void lagerorte()
    {
        ZAM_MOTOR(m);
        TLagerTest t(m);
        t.Db.Schreiben(QStringLiteral("UPDATE zam_lagerort SET bereich = 4, kurz = '' WHERE id2 = 1 AND id3 = 1"));
        t.Db.Schreiben(QStringLiteral("UPDATE zam_lagerort SET gesperrt = 1, kurz = 'P-2' WHERE id2 = 1 AND id3 = 2"));
        t.Db.Schreiben(QStringLiteral("UPDATE zam_lagerort SET bereich = 7 WHERE id2 = 9 AND id3 = 1"));
        QVERIFY(CommonLock().LockObjekt(TZAM_Lagersperren::CArtLagerort, TZAM_Lagersperren::Schluessel(TL::P1)));
        using O = TQIV_Lagerort_Info_Optionen;
        O etik, lagerplatz;
        etik.EtikKuerzel = true;
        lagerplatz.MitBereichFuerLagerplaetze = true;
        const struct
        {
            TIntTrio Ort;
            O Optionen;
            int Bereich;
            bool Gesperrt;
            QString Kurz;
        } faelle[] = {
            {TL::P1, O(), 0, false, {}},           // an ordinary place reports no area without a switch
            {TL::P1, O::Defaults(), 4, false, {}}, // the own lock never counts
            {TL::P1, lagerplatz, 4, false, {}},
            {TL::P1, etik, 0, false, TL::P1.ToText()}, // the name stands in for the missing short label
            {TL::P2, O(), 0, true, QStringLiteral("P-2")},
            {TL::C, O(), 7, false, {}}, // a container reports its area always
        };
        for (const auto& f : faelle) {
            TZAM_Lagerort_Info info;
            QVERIFY(t.Struktur->LagerortInfo_Lesen(f.Ort, info, f.Optionen));
            QCOMPARE(int(info.Bereich), f.Bereich);
            QCOMPARE(info.Gesperrt, f.Gesperrt);
            QCOMPARE(info.Kurz, f.Kurz);
        }
        TZAM_Lagerort_Info info;
        QVERIFY(!t.Struktur->LagerortInfo_Lesen(TIntTrio(1, 7, 7), info, O::Defaults()));

        // Two staging places of branch 10, one of the warehouse itself.
        for (const auto& [id3, name, filiale, lager] :
             {std::tuple{1, "VBS B", 10, -1}, {2, "VBS A", 10, -1}, {3, "VBS Lager", -1, 1}})
            t.Db.Schreiben(QStringLiteral("INSERT INTO zam_lagerort (id1, id2, id3, lager, name, bereich, filiale, "
                                          "zuord_lager) VALUES (1, 2, ?, 1, ?, 2, ?, ?)"),
                           {id3, QString::fromLatin1(name), filiale, lager});
        const struct
        {
            int Filiale, Eigene;
            QStringList Namen;
        } vbs[] = {{10, -1, {"VBS A", "VBS B"}}, {11, -1, {}}, {-1, 1, {"VBS Lager"}}};
        for (const auto& v : vbs) {
            t.Struktur->VBSListe_Laden(1, v.Filiale, v.Eigene);
            const TVRList& liste = t.Struktur->VBSListe();
            QStringList namen;
            for (int i = 0; i < liste.GetRowCount(); ++i)
                namen << liste.GetCellValueAsString(i, t.Struktur->VBSListe_SpalteName());
            QCOMPARE(namen, v.Namen);
        }
        t.Struktur->VBSListe_Laden(1, -1, 1);
        QCOMPARE(TIntTrio::FromText(t.Struktur->VBSListe().GetCellValueAsString(0, t.Struktur->VBSListe_SpalteId())),
                 TIntTrio(1, 2, 3));
        const TZAM_LagerVorr_Array wurmloecher = t.Struktur->Wurmloecher_Lesen(1);
        QCOMPARE(wurmloecher.size(), 1);
        QCOMPARE(wurmloecher.first().Id, TL::Wurmloch);
        QCOMPARE(wurmloecher.first().Filiale, 30);
    }

    // Containers on containers, assignments of places, a container's record and type, and the split
    // over the branches.
    void struktur_data() { ZAM_MotorenDaten(); }
    void struktur()
    {
        ZAM_MOTOR(m);
        TLagerTest t(m);
        TIntTrio ort;
        QVERIFY(t.Bew->Lagerort_4_Behaelter(TL::C2, ort));
        QCOMPARE(ort, TL::C);
        QVERIFY(t.Bew->Vater_4_Behaelter(TL::C2, ort));
        QCOMPARE(ort, TL::C);
        QVERIFY(t.Bew->Vater_4_Behaelter(TL::C, ort));
        QCOMPARE(ort, TL::C);
        QVERIFY(!t.Bew->Vater_4_Behaelter(TL::P1, ort));
        QCOMPARE(t.Bew->FilialZuordnung_Lesen(TL::Wurmloch, 3), 30);
        QCOMPARE(t.Bew->FilialZuordnung_Lesen(TL::C2, 0), 11);
        QCOMPARE(t.Bew->FilialZuordnung_Lesen(TL::P1, 2), -1);
        QVERIFY(t.Struktur->Lagerort_InLager(TL::C2, 1));
        QVERIFY(!t.Struktur->Lagerort_InLager(TL::C2, 2));
        QCOMPARE(t.Struktur->Lager_4_Filiale(11), 1);
        QCOMPARE(t.Struktur->Lager_4_Filiale(30), 0);

        // A container's record and type; whether it is a one-way container its type says.
        TZAM_Lagerort_Info info;
        TZAM_Behaelter b;
        info.LagerortId = TL::C2;
        QVERIFY(t.Struktur->Behaelter_Lesen(info, b));
        QCOMPARE(b.Auf, TL::C);
        QCOMPARE(b.Filiale, qint16(11));
        info.LagerortId = TL::P1;
        QVERIFY(!t.Struktur->Behaelter_Lesen(info, b));
        TZAM_BehaelterTyp typ;
        QVERIFY(!t.Struktur->BehaelterTyp_Lesen({9, 9}, typ));
        TZAM_Lager_Gitterwagen_Zuordnungsdaten z;
        for (const TIntPair& id : {TIntPair(1, 1), TIntPair(1, 2)}) {
            t.Db.Schreiben(QStringLiteral("UPDATE zam_behaelter SET typ_id1 = ?, typ_id2 = ? WHERE id1 = 1 AND id2 = 9 AND id3 = 2"),
                             {id.Id1, id.Id2});
            QVERIFY(t.Struktur->BehaelterTyp_Lesen(id, typ));
            QVERIFY(t.Bew->Behaelter_Zuordnung_Lesen(TL::C2, z));
            QCOMPARE(z.Einweg, typ.Einweg);
        }
        QVERIFY(typ.Einweg);
        QCOMPARE(CZAM_Lagerort_Kennung_String(CZAM_Lagerort_Behaelter), QStringLiteral("Behälter"));
        const struct
        {
            int Menge, Rest;
            bool Ergebnis;
            TQIV_MengeUFilialeArr Teile;
        } verteilungen[] = {
            {3, 1, true, {{3, 10}}},
            {12, 1, true, {{4, 10}, {8, 11}}},
            {16, 1, false, {}},
            {16, 0, false, {{4, 10}, {11, 11}}},
        };
        for (const auto& v : verteilungen) {
            TQIV_MengeUFilialeArr teile;
            QCOMPARE(
                t.Struktur->Menge_NachFilialen_Verteilen(teile, Schuh(), 1, v.Menge, 1, ZAMBestandsartBit(1), v.Rest),
                v.Ergebnis);
            QCOMPARE(teile, v.Teile);
        }
    }
};

QTEST_MAIN(TestLagerbewegung)
#include "tst_lagerbewegung.moc"
