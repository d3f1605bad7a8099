// The movement service's manual movements on both engines: stock receipts and issues change place
// stock, branch stock and journal together or not at all; the content of a place lists its loose
// goods per branch and its containers; a container moves with everything in it, never onto itself
// or into another warehouse; the consistency test finds place stock that BF does not carry.
#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_LagerBewegungEditServer.h"
#include "IZAM_LagerEditServer.h"
#include "TLVLZMani.h"
#include "TVRList.h"
#include "TZAM_Datenbank.h"
#include "TZAM_InfoMeldungListe.h"
#include "TZAM_LVLB_BF_Tester.h"
#include "TZAM_Lagerort_Info.h"
#include "TZAM_TestArtikel.h"
#include "TZAM_TestLager.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

using TA = TZAM_TestArtikel;
using TL = TZAM_TestLager;

const TIntTrio CC3{1, 9, 3};   // a second container on P2, assigned to branch 10 as a place
const TIntTrio CP20{2, 1, 1};  // a place of warehouse 2
const TIntTrio CKube{1, 9, 4}; // a container on P1, on transport with its slip printed

TInt32Trio Schuh()
{
    return TA::A(TA::Schuh).Id();
}

TZAM_Intv100_Sortiment_MeMitProduktIdMitFil Zeile(int AFiliale, const QList<QPair<int, int>>& AGroessen)
{
    TZAM_Intv100_Sortiment_MeMitProduktIdMitFil z;
    z.ProduktId = Schuh();
    z.Filiale = qint16(AFiliale);
    for (const auto& [gr, menge] : AGroessen)
        z.Menge.Me[gr] = menge;
    z.Menge.MinMax_Bestimmen();
    return z;
}

// P1: 4 pieces of size 1 of branch 10, 6 of 11. P2: 5 of size 1 (branch 11, 2 of them reserved
// for branch 10), the containers C (2 of size 2) with C2 in it (1 of size 3) and C3.
class TOrtTest
{
public:
    explicit TOrtTest(TZAM_TestUmgebung::TMotor AMotor) : Umg(AMotor), Db(Umg.Backend().Datenbank())
    {
        TA::Anlegen(Db);
        TL::Anlegen(Db);
        const QString ort = QStringLiteral("INSERT INTO zam_lagerort (id1, id2, id3, lager, art, name, filiale, "
                                           "auf_id1, auf_id2, auf_id3) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        Db.Schreiben(ort, {CC3.Id1, CC3.Id2, CC3.Id3, 1, 3, QStringLiteral("1-9-3"), 10, 1, 1, 2});
        Db.Schreiben(
            ort, {CP20.Id1, CP20.Id2, CP20.Id3, 2, 0, QStringLiteral("2-1-1"), -1, QVariant(), QVariant(), QVariant()});
        Db.Schreiben(ort, {CKube.Id1, CKube.Id2, CKube.Id3, 1, 3, QStringLiteral("1-9-4"), -1, 1, 1, 1});
        Db.Schreiben(QStringLiteral("INSERT INTO zam_behaelter (id1, id2, id3, auf_transport, wbs_gedruckt) "
                                    "VALUES (1, 9, 4, 1, 1)"));
        TL::Bestand(Db, TL::P1, Schuh(), 1, 1, 4, 10);
        TL::Bestand(Db, TL::P1, Schuh(), 1, 1, 6, 11);
        TL::Bestand(Db, TL::P2, Schuh(), 1, 1, 5, 11);
        TL::Bestand(Db, TL::C, Schuh(), 2, 1, 2, 11);
        TL::Bestand(Db, TL::C2, Schuh(), 3, 1, 1, 11);
        Db.Schreiben(QStringLiteral("INSERT INTO zam_lvpb (lo_id1, lo_id2, lo_id3, prod_id1, prod_id2, prod_id3, "
                                    "groesse, verweis_art, verweis_id1, verweis_id2, verweis_id3, verweis_nummer, "
                                    "filiale, menge) VALUES (1, 1, 2, ?, ?, ?, 1, 1, 1, 5001, 0, 1, 10, 2)"),
                     {Schuh().Id1, Schuh().Id2, Schuh().Id3});
        Bew = Glob_WWSServerFactoryClass().Create<IZAM_LagerBewegungEditServer>();
        Struktur = Glob_WWSServerFactoryClass().Create<IZAM_LagerEditServer>();
    }
    int Journal() { return Db.LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_bewegung")).toInt(); }
    TIntTrio Auf(const TIntTrio& AOrt)
    {
        const TZAM_Zeilen z = Db.Lesen(QStringLiteral("SELECT auf_id1, auf_id2, auf_id3 FROM zam_lagerort WHERE "
                                                      "id1 = ? AND id2 = ? AND id3 = ?"),
                                       {AOrt.Id1, AOrt.Id2, AOrt.Id3});
        return z.Wert(0, 0).isNull() ? TIntTrio()
                                     : TIntTrio(z.Wert(0, 0).toInt(), z.Wert(0, 1).toInt(), z.Wert(0, 2).toInt());
    }
    // The rows of a content or stock list as "branch container product size quantity".
    static QStringList Zeilen(const TVRList& AListe)
    {
        QStringList z;
        for (int i = 0; i < AListe.GetRowCount(); ++i)
            z << QStringLiteral("%1 %2 %3 %4 %5")
                     .arg(AListe.GetCell(i, 2).IsNull() ? QStringLiteral("-") : AListe.GetCellValueAsString(i, 2),
                          AListe.GetCell(i, 6).IsNull() ? QStringLiteral("-")
                                                        : AListe.GetCellValueAsIntTrio(i, 6).ToText(),
                          AListe.GetCell(i, 7).IsNull() ? QStringLiteral("-")
                                                        : AListe.GetCellValueAsInt32Trio(i, 7).ToText(),
                          AListe.GetCell(i, 20).IsNull() ? QStringLiteral("-") : AListe.GetCellValueAsString(i, 20),
                          AListe.GetCellValueAsString(i, 10));
        return z;
    }

    TZAM_TestUmgebung Umg;
    TZAM_Datenbank& Db;
    std::unique_ptr<IZAM_LagerBewegungEditServer> Bew;
    std::unique_ptr<IZAM_LagerEditServer> Struktur;
};

struct TZuAbFall
{
    const char* Name;
    int Modus;
    TIntTrio Ort;
    QList<TZAM_Intv100_Sortiment_MeMitProduktIdMitFil> Zeilen;
    bool Buchen;
    bool Ergebnis;
    QMap<QString, qint64> Aenderungen;
    QList<TInfoKoord> Meldungen;
};

const QList<TZuAbFall>& ZuAbFaelle()
{
    const TInt32Trio s = Schuh();
    const int fr = 1;
    // clang-format off
    static const QList<TZuAbFall> f = {
        {"Zugang zwei Groessen", CZAM_LagerZugang, TL::P2, {Zeile(10, {{1, 3}, {2, 2}})}, true, true,
         {{TL::B(TL::P2, s, 1, fr), 3}, {TL::B(TL::P2, s, 2, fr), 2}, {TL::F(s, 10, fr, 1), 3},
          {TL::F(s, 10, fr, 2), 2}}, {}},
        {"Zugang nur geprueft", CZAM_LagerZugang, TL::P2, {Zeile(10, {{1, 3}})}, false, true, {}, {}},
        {"Abgang zweier Filialen", CZAM_LagerAbgang, TL::P1, {Zeile(10, {{1, 4}}), Zeile(11, {{1, 6}})}, true, true,
         {{TL::B(TL::P1, s, 1, fr), -10}, {TL::F(s, 10, fr, 1), -4}, {TL::F(s, 11, fr, 1), -6}}, {}},
        {"Abgang ueber den Filialbestand", CZAM_LagerAbgang, TL::P1, {Zeile(10, {{1, 5}})}, true, false, {},
         {CZAM_Info_Lagbew_FilialbestandReichtNicht}},
        // Two lines of one size are checked together: 3 + 8 is more than the place holds.
        {"Abgang ueber den Platzbestand", CZAM_LagerAbgang, TL::P1, {Zeile(10, {{1, 3}}), Zeile(11, {{1, 8}})}, true,
         false, {}, {CZAM_Info_Lagbew_BestandReichtNicht}},
        {"Abgang reservierter Stuecke", CZAM_LagerAbgang, TL::P2, {Zeile(11, {{1, 4}})}, true, false, {},
         {CZAM_Info_Lagbew_Reserviert}},
        {"Filiale eines anderen Lagers", CZAM_LagerZugang, TL::P2, {Zeile(20, {{1, 1}})}, true, false, {},
         {CZAM_Info_Lagbew_FilialeFremd}},
        {"Platz eines anderen Lagers", CZAM_LagerZugang, CP20, {Zeile(10, {{1, 1}})}, true, false, {},
         {CZAM_Info_Lagbew_FremdesLager}},
        {"Menge 0", CZAM_LagerZugang, TL::P2, {Zeile(10, {})}, true, false, {}, {CZAM_Info_Lagbew_MengeUngueltig}},
        {"negative Menge", CZAM_LagerAbgang, TL::P1, {Zeile(10, {{1, 1}, {2, -1}})}, true, false, {},
         {CZAM_Info_Lagbew_MengeUngueltig}},
    };
    // clang-format on
    return f;
}

} // namespace

class TestLagerortbewegung : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void zuAbgang_data()
    {
        QTest::addColumn<int>("motor");
        QTest::addColumn<int>("fall");
        for (const auto& [motor, name] :
             {std::pair{TZAM_TestUmgebung::tmSQLite, "sqlite"}, {TZAM_TestUmgebung::tmPostgres, "postgres"}})
            for (int i = 0; i < ZuAbFaelle().size(); ++i)
                QTest::newRow(qPrintable(
                    QStringLiteral("%1: %2").arg(QLatin1String(name), QString::fromUtf8(ZuAbFaelle().at(i).Name))))
                    << int(motor) << i;
    }
    void zuAbgang()
    {
        ZAM_MOTOR(m);
        QFETCH(int, fall);
        const TZuAbFall& f = ZuAbFaelle().at(fall);
        TOrtTest t(m);
        const auto vorher = TL::Stand(t.Db);
        TZAM_InfoMeldungListe meldungen;
        const bool zugang = f.Modus == CZAM_LagerZugang;
        QCOMPARE(t.Bew->LagerZuAbgang_Buchen(f.Modus, zugang ? TIntTrio() : f.Ort, zugang ? f.Ort : TIntTrio(),
                                             f.Zeilen, 1, TIntPair(3, 4), meldungen, f.Buchen),
                 f.Ergebnis);
        QCOMPARE(TL::Differenz(vorher, TL::Stand(t.Db)), f.Aenderungen);
        QList<TInfoKoord> gemeldet;
        for (const auto& e : meldungen.Eintraege())
            gemeldet.append(e.Koord);
        QCOMPARE(gemeldet, f.Meldungen);
        // One journal row per branch and size: the gain or loss of the line's branch by the worker.
        const TZAM_Zeilen j = t.Db.Lesen(QStringLiteral("SELECT korrekturart, von_filiale, an_filiale, mita_id1, "
                                                        "menge FROM zam_bewegung ORDER BY von_filiale, groesse"));
        const qsizetype bfZeilen = std::count_if(f.Aenderungen.keyBegin(), f.Aenderungen.keyEnd(),
                                                 [](const QString& k) { return k.startsWith(QLatin1Char('F')); });
        QCOMPARE(j.Anzahl(), f.Ergebnis && f.Buchen ? int(bfZeilen) : 0);
        for (int i = 0; i < j.Anzahl(); ++i) {
            QCOMPARE(j.Wert(i, 0).toInt(), zugang ? 66 : 62);
            QCOMPARE(j.Wert(i, 1).toInt(), j.Wert(i, 2).toInt());
            QCOMPARE(j.Wert(i, 3).toInt(), 3);
        }
        QVERIFY(!ZAMBuchung().IstOffen());
    }

    // Loose goods per branch (reserved pieces their branch's, the rest the place's assignment or
    // none), then the containers standing on the place; what stands in them is theirs.
    void lagerortinhalt_data() { ZAM_MotorenDaten(); }
    void lagerortinhalt()
    {
        ZAM_MOTOR(m);
        TOrtTest t(m);
        TVRList liste;
        const QString s = Schuh().ToText();
        QVERIFY(t.Bew->Lagerortinhalt_Lesen(TL::P2, liste));
        QCOMPARE(TOrtTest::Zeilen(liste),
                 QStringList({QStringLiteral("-1 - %1 1 3").arg(s), QStringLiteral("10 - %1 1 2").arg(s),
                              QStringLiteral("-1 1-9-1 - - 0"), QStringLiteral("10 1-9-3 - - 0")}));
        t.Bew->Lagerort_FilialeZuordnen(11, TL::P2);
        t.Bew->Lagerort_FilialeZuordnen(11, TL::C);
        QCOMPARE(t.Bew->FilialZuordnung_Lesen(TL::C, 0), 11);
        QVERIFY(t.Bew->Lagerortinhalt_Lesen(TL::P2, liste));
        QCOMPARE(TOrtTest::Zeilen(liste),
                 QStringList({QStringLiteral("10 - %1 1 2").arg(s), QStringLiteral("11 - %1 1 3").arg(s),
                              QStringLiteral("11 1-9-1 - - 0"), QStringLiteral("10 1-9-3 - - 0")}));
        // A container's own goods: its delivery branch.
        QVERIFY(t.Bew->Lagerortinhalt_Lesen(TL::C2, liste));
        QCOMPARE(TOrtTest::Zeilen(liste), QStringList{QStringLiteral("11 1-9-2 %1 3 1").arg(s)});
        QVERIFY(!t.Bew->Lagerortinhalt_Lesen(TIntTrio(1, 7, 7), liste));
        QCOMPARE(liste.GetRowCount(), 0);
        // A branch of another warehouse is refused, nothing stored.
        QVERIFY_THROWS_EXCEPTION(EZAM_Exception, t.Bew->Lagerort_FilialeZuordnen(20, TL::P1));
        QCOMPARE(t.Bew->FilialZuordnung_Lesen(TL::P1, 2), -1);
    }

    void behaelterUmsetzen_data() { ZAM_MotorenDaten(); }
    void behaelterUmsetzen()
    {
        ZAM_MOTOR(m);
        TOrtTest t(m);
        const auto vorher = TL::Stand(t.Db);
        const struct
        {
            const char* Name;
            TIntTrio Behaelter, Ziel;
            QList<TInfoKoord> Meldungen;
        } faelle[] = {
            {"auf sich selbst", TL::C, TL::C, {CZAM_Info_Lagbew_BehaelterZyklus}},
            {"in den eigenen Inhalt", TL::C, TL::C2, {CZAM_Info_Lagbew_BehaelterZyklus}},
            {"in ein anderes Lager", TL::C, CP20, {CZAM_Info_Lagbew_FremdesLager}},
            {"in einen Behaelter auf Transport",
             TL::C2,
             CKube,
             {CZAM_Info_Lagbew_BehaelterAufTransport, CZAM_Info_Lagbew_BehaelterWBSGedruckt}},
            {"ein Platz ist kein Behaelter", TL::P1, TL::P2, {CZAM_Info_Lagbew_KeinBehaelter}},
        };
        for (const auto& f : faelle) {
            TZAM_InfoMeldungListe pruefung, buchung;
            QVERIFY2(!t.Bew->Behaelter_Zuordnung_Pruefen(f.Behaelter, f.Ziel, pruefung), f.Name);
            QVERIFY2(!t.Bew->Behaelter_Umsetzen(f.Behaelter, f.Ziel, buchung, true, {}), f.Name);
            QList<TInfoKoord> gemeldet;
            for (const auto& e : buchung.Eintraege())
                gemeldet.append(e.Koord);
            QVERIFY2(gemeldet == f.Meldungen, f.Name);
        }
        QCOMPARE(t.Auf(TL::C), TL::P2);
        QCOMPARE(t.Auf(TL::C2), TL::C);
        QCOMPARE(t.Journal(), 0);

        // C goes from P2 onto P1 with C2 and both their goods; no stock row changes.
        TZAM_InfoMeldungListe meldungen;
        QVERIFY(t.Bew->Behaelter_Umsetzen(TL::C, TL::P1, meldungen, false, {}));
        QCOMPARE(t.Auf(TL::C), TL::P2);
        QVERIFY(t.Bew->Behaelter_Umsetzen(TL::C, TL::P1, meldungen, true, {}));
        QCOMPARE(t.Auf(TL::C), TL::P1);
        QCOMPARE(t.Auf(TL::C2), TL::C);
        QCOMPARE(TL::Stand(t.Db), vorher);
        TVRList liste;
        QVERIFY(t.Bew->Bestandsliste_4_Lagerort(TL::P2, liste));
        QCOMPARE(liste.GetRowCount(), 1);
        QVERIFY(t.Bew->Bestandsliste_4_Lagerort(TL::P1, liste));
        QCOMPARE(liste.GetRowCount(), 3);
        const TZAM_Zeilen j = t.Db.Lesen(QStringLiteral("SELECT von_id3, an_id3, groesse, menge, umlagerungsart "
                                                        "FROM zam_bewegung ORDER BY groesse"));
        QCOMPARE(j.Anzahl(), 2);
        QCOMPARE(j.Zeilen().at(0), (QVariantList{2, 1, 2, 2, 9}));
        QCOMPARE(j.Zeilen().at(1), (QVariantList{2, 1, 3, 1, 9}));
        // Now C2 may go onto P2, out of C.
        QVERIFY(t.Bew->Behaelter_Umsetzen(TL::C2, TL::P2, meldungen, true, {}));
        QCOMPARE(t.Auf(TL::C2), TL::P2);
        QVERIFY(!ZAMBuchung().IstOffen());
    }

    void konsistenzTest_data() { ZAM_MotorenDaten(); }
    void konsistenzTest()
    {
        ZAM_MOTOR(m);
        TOrtTest t(m);
        QVERIFY(TZAM_LVLB_BF_Tester::KonsistenzTest(Schuh()));
        // Blocked goods count too; warehouse 2 keeps its own branch stock.
        TL::Bestand(t.Db, TL::Geblockt, Schuh(), 1, 2, 3, 11);
        TL::Bestand(t.Db, CP20, Schuh(), 1, 1, 2, 20);
        QVERIFY(TZAM_LVLB_BF_Tester::KonsistenzTest(Schuh(), t.Bew.get()));
        // A piece on a place of warehouse 2 that no branch carries, one of branch 11 gone missing.
        t.Db.Schreiben(QStringLiteral("UPDATE zam_bestand SET menge = menge + 1 WHERE lo_id1 = 2"));
        t.Db.Schreiben(QStringLiteral("UPDATE zam_bf SET menge = menge - 1 WHERE filiale = 11 AND groesse = 2"));
        const QList<TZAM_LVLB_BF_Abweichung> a = t.Bew->LVLB_BF_Abweichungen(Schuh());
        QCOMPARE(a, (QList<TZAM_LVLB_BF_Abweichung>{{1, 2, 2, 1}, {2, 1, 3, 2}}));
        QVERIFY(!TZAM_LVLB_BF_Tester::KonsistenzTest(Schuh()));
        QFile protokoll(QDir(t.Umg.Verzeichnis()).filePath(QStringLiteral("protokoll.log")));
        QVERIFY(protokoll.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(protokoll.readAll())
                    .contains(QStringLiteral("TZAM_LVLB_BF_Tester.KonsistenzTest: Artikel %1, Lager 2, Größe 1: "
                                             "Lagerbestand 3, Filialbestand 2")
                                  .arg(Schuh().ToText())));
        QVERIFY(TZAM_LVLB_BF_Tester::KonsistenzTest(TA::A(TA::Hemd).Id()));
    }

    // The container status of the place assignments: full, then finished with its document kept.
    void behaelterStatus_data() { ZAM_MotorenDaten(); }
    void behaelterStatus()
    {
        ZAM_MOTOR(m);
        TOrtTest t(m);
        TLVLZMani mani;
        const TIntTrio beleg(1, 7003, 0), kombi(1, 1, 1);
        QVERIFY(mani.Behaelter_ZuordnenZu_Beleg(TL::C, beleg, kombi, 1, bhsVoll));
        QCOMPARE(mani.Lagerort_Status_Ermitteln(TL::C), bhsVoll);
        QVERIFY(mani.Behaelter_Fertig_Setzten(TL::C));
        QCOMPARE(mani.Lagerort_Status_Ermitteln(TL::C), bhsFertig);
        TZAM_PersArt_ExtVerweis verweis;
        TIntTrio k;
        int typ = 0, status = 0;
        QVERIFY(mani.ExtVerweis_u_VerfKombiId_4_Lagerort(verweis, k, typ, status, TL::C));
        QCOMPARE(verweis.Id, beleg);
        QCOMPARE(k, kombi);
        // Without an assignment nothing is written.
        QCOMPARE(mani.Lagerort_Status_Ermitteln(TL::C2), bhsUnbekannt);
        QVERIFY(!mani.Behaelter_Fertig_Setzten(TL::C2));
        QCOMPARE(t.Db.LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_lvlz")).toInt(), 1);
    }

    // The organisation of a place's structure element, for a container that of the place below.
    void strukturelement_data() { ZAM_MotorenDaten(); }
    void strukturelement()
    {
        ZAM_MOTOR(m);
        TOrtTest t(m);
        t.Db.Schreiben(QStringLiteral("INSERT INTO zam_strukturelement (lo_id1, lo_id2, lo_id3, art, orge_id1, "
                                      "orge_id2, orge_ebene1, orge_ebene2) VALUES (1, 1, 2, 8, 3, 12, 1, 2)"));
        const TOrgeIdKompl orge{TIntPair(3, 12), TIntPair(1, 2)};
        QCOMPARE(t.Struktur->Strukturelement_Orge(TL::P2, 8), orge);
        QCOMPARE(t.Struktur->Strukturelement_Orge(TL::C2, 8), orge);
        QCOMPARE(t.Struktur->Strukturelement_Orge(TL::P2, 7), TOrgeIdKompl());
        QCOMPARE(t.Struktur->Strukturelement_Orge(TL::P1, 8), TOrgeIdKompl());
        TZAM_Lagerort_Info info;
        QVERIFY(t.Struktur->LagerortInfo_Lesen(TL::C2, info, TQIV_Lagerort_Info_Optionen::Defaults()));
        QCOMPARE(int(info.Art), int(CZAM_LagerortArt_Behaelter));
    }
};

QTEST_MAIN(TestLagerortbewegung)
#include "tst_lagerortbewegung.moc"
