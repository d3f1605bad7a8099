// Scan records through the scan manager, terminal numbers, the logged-on user numbers and what
// the goods receipt reads of an article, on both engines.
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_RechteServer.h"
#include "TArtikelTools.h"
#include "TBelimani.h"
#include "TQIV_ArtLesSimple.h"
#include "TQIV_ArtvLesenTools.h"
#include "TSCANNMani.h"
#include "TVRList.h"
#include "TZAM_Datenbank.h"
#include "TZAM_RechteServerSql.h"
#include "TZAM_ScannServerSql.h"
#include "TZAM_TerminalServerSql.h"
#include "TZAM_TestArtikel.h"
#include "TZAM_TestFehler.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMInfoKoords.h"

#include <QMutex>
#include <QSet>
#include <QTest>
#include <QThread>
#include <latch>

namespace {
using TA = TZAM_TestArtikel;
const TIntPair CAnna{1, 1001};
const TIntPair CBernd{1, 1002};
const TIntPair CLieferant{5, 701};

TScanCode Satz(const TIntPair& AMita, int AMenge = 4, int AGr = 2)
{
    TScanCode s;
    s.AuftragsNr = QStringLiteral("000000005000000100");
    s.LieferscheinNr = QStringLiteral("LS-17");
    s.ProduktId = TA::A(TA::Schuh).Id();
    s.GrIdx = AGr;
    s.Menge = AMenge;
    s.Lagerort = TIntTrio(1, 1, 2);
    s.DispoId = TIntTrio(1, 1, 7);
    s.ExtVerweis = TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_KuBe, TIntTrio(1, 6002, 0), 3);
    s.MitaGepNr = AMita;
    s.Datum1 = s.Datum2 = QDate(2024, 5, 8);
    s.Kennzeichen = 2;
    return s;
}

QList<TIntTrio> Idents(const TVRList& AListe)
{
    QList<TIntTrio> l;
    for (int r = 0; r < AListe.GetRowCount(); ++r)
        l << AListe.GetCellValueAsIntTrio(r, cslScanIdent);
    return l;
}

// Runs AArbeit(device, connection) on AAnzahl threads, each with a connection of its own, and
// AInzwischen on this thread, all starting at one moment; answers the failures.
template <class F>
QString Geraete(const TZAM_DBKonfig& AKonfig, int AAnzahl, F AArbeit, std::function<void()> AInzwischen = {})
{
    std::latch start(AAnzahl + 1);
    QStringList fehler;
    QMutex m;
    std::vector<std::unique_ptr<QThread>> t;
    for (int g = 0; g < AAnzahl; ++g)
        t.emplace_back(QThread::create([&, g] {
            try {
                TZAM_Datenbank db(AKonfig, QStringLiteral("geraet%1").arg(g));
                db.Oeffnen();
                start.arrive_and_wait();
                AArbeit(g, db);
            } catch (const std::exception& E) {
                QMutexLocker l(&m);
                fehler << QString::fromUtf8(E.what());
            }
        }));
    for (auto& x : t)
        x->start();
    start.arrive_and_wait();
    if (AInzwischen)
        AInzwischen();
    for (auto& x : t)
        x->wait();
    return fehler.join(QLatin1Char('\n'));
}
} // namespace

class TestScansaetze : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    TZAM_Datenbank& Db() { return FUmg->Backend().Datenbank(); }
    int Anzahl() { return Db().LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_scansatz")).toInt(); }

    void Starten(TZAM_TestUmgebung::TMotor AMotor)
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(AMotor);
        TA::Anlegen(Db());
    }

private Q_SLOTS:
    void cleanup() { FUmg.reset(); }

    void buchenWeistZurueckUndSpeichertMengeNull_data() { ZAM_MotorenDaten(); }
    void buchenWeistZurueckUndSpeichertMengeNull()
    {
        ZAM_MOTOR(m);
        Starten(m);
        TSCANNMani mani;
        TScanCode unbekannt = Satz(CAnna);
        unbekannt.ProduktId = TInt32Trio(7, 99, 0);
        for (const TScanCode& s : {Satz(CAnna, -1), Satz(CAnna, 1, 100), Satz(CAnna, 1, -1), Satz({}, 1), unbekannt}) {
            QCOMPARE(Fehler([&] { mani.BuchenSingle(CSCAN_Typ_WEPlus, s, CLieferant, 10); }),
                     CZAM_Info_Fehler_Standard_IllegalerParameter);
            QCOMPARE(Anzahl(), 0);
        }
        const TIntTrio ident = mani.BuchenSingle(CSCAN_Typ_WEPlus, Satz(CAnna, 0), CLieferant, 11);
        QVERIFY(ident.Defined());
        const TZAM_Zeilen z = Db().Lesen(
            QStringLiteral(
                "SELECT typ, offen, menge, groesse, lieferant_id1, lieferant_id2, lager_filiale, kennzeichen, "
                "mita_id2, ext_nummer, dispo_id3, lieferschein, CAST(datum1 AS TEXT) FROM zam_scansatz "
                "WHERE id = ?"),
            {ident.Id3});
        QStringList werte;
        for (int i = 0; i < 12; ++i)
            werte << z.Wert(0, i).toString();
        QCOMPARE(werte.join(QLatin1Char(' ')), QStringLiteral("2 1 0 2 5 701 11 2 1001 3 7 LS-17"));
        QCOMPARE(TZAM_Datenbank::ZeitpunktLesen(z.Wert(0, 12)).date(), QDate(2024, 5, 8));
    }

    // The list is replaced, not extended, with columns typed as declared; a selection by
    // identifier finds the record whatever its type and state; the user's open WE-Plus records go.
    void listeUndLoeschen_data() { ZAM_MotorenDaten(); }
    void listeUndLoeschen()
    {
        ZAM_MOTOR(m);
        Starten(m);
        TSCANNMani mani;
        const TIntTrio a1 = mani.BuchenSingle(CSCAN_Typ_WEPlus, Satz(CAnna, 4), CLieferant, 10);
        const TIntTrio zaehl = mani.BuchenSingle(CSCAN_Typ_Zaehlliste, Satz(CAnna, 1), CLieferant, 10);
        const TIntTrio a2 = mani.BuchenSingle(CSCAN_Typ_WEPlus, Satz(CAnna, 5, 3), {}, 12);
        const TIntTrio gebucht = mani.BuchenSingle(CSCAN_Typ_WEPlus, Satz(CAnna, 6), CLieferant, 10);
        mani.BuchenSingle(CSCAN_Typ_WEPlus, Satz(CBernd, 7), CLieferant, 10);
        Db().Schreiben(QStringLiteral("UPDATE zam_scansatz SET offen = 0 WHERE id = ?"), {gebucht.Id3});

        TSCANSelectRec offen, gemerkt;
        offen.Typ = CSCAN_Typ_WEPlus;
        offen.MitaGepNr = CAnna;
        offen.NurOffene = 1;
        const TVRList& l = mani.Liste();
        mani.SelectAndAdd(offen, 0);
        mani.SelectAndAdd(offen, 0);
        QCOMPARE(Idents(l), QList<TIntTrio>({a1, a2}));
        QVERIFY(mani.ListeAuswahl(gemerkt) && gemerkt == offen);
        const TVRValueType typen[] = {vrtInt32Trio, vrtInteger, vrtIntTrio, vrtInteger, vrtString, vrtIntTrio,
                                      vrtInteger,   vrtInteger, vrtIntTrio, vrtIntTrio, vrtString, vrtString};
        QCOMPARE(l.GetColumnCount(), int(cslAnzahl));
        QStringList zeile;
        for (int c = 0; c < cslAnzahl; ++c) {
            QCOMPARE(l.GetColumn(c).ValueType, typen[c]);
            zeile << l.GetCell(1, c).AlsText();
        }
        QCOMPARE(zeile.join(QLatin1Char(' ')), QStringLiteral("7-1-0 3 1-1-7 12 K 1-6002-0 3 5 1-1-2 ") + a2.ToText() +
                                                   QStringLiteral(" 000000005000000100 LS-17"));

        offen.NurOffene = 0;
        mani.SelectAndAdd(offen, 0);
        QCOMPARE(Idents(l), QList<TIntTrio>({a1, a2, gebucht}));
        for (const TIntTrio& ident : {zaehl, gebucht, TIntTrio(1, 0, 99999)}) {
            mani.SelectAndAdd(TSCANSelectRec::Construct(ident, false, false), 0);
            QCOMPARE(Idents(l), ident.Id3 == 99999 ? QList<TIntTrio>() : QList<TIntTrio>({ident}));
        }
        mani.BuchenSingle(CSCAN_Typ_WEPlus, Satz(CAnna), CLieferant, 10);
        QVERIFY(l.GetRowCount() == 0 && !mani.ListeAuswahl(gemerkt));

        QVERIFY(mani.WEPlusExists(CAnna) && mani.WEPlusExists(CBernd));
        mani.SelectAndAdd(offen, 0);
        mani.WEPLusLoeschen(CAnna);
        QVERIFY(l.GetRowCount() == 0 && !mani.ListeAuswahl(gemerkt));
        QVERIFY(!mani.WEPlusExists(CAnna) && mani.WEPlusExists(CBernd));
        QCOMPARE(Anzahl(), 3); // the count list, the posted record, Bernd's
    }

    // Two devices write at once beside the program's manager: no identifier comes twice.
    void identifikatorenUeberGeraeteEindeutig_data() { ZAM_MotorenDaten(); }
    void identifikatorenUeberGeraeteEindeutig()
    {
        ZAM_MOTOR(m);
        Starten(m);
        const int n = 40;
        QList<qint64> ids[2];
        TSCANNMani mani;
        QSet<TIntTrio> idents;
        mani.BuchenSingle(CSCAN_Typ_Zaehlliste, Satz(CAnna), CLieferant, 10); // the program's connection is up
        QCOMPARE(Geraete(
                     Db().Konfig(), 2,
                     [&](int g, TZAM_Datenbank& db) {
                         TZAM_ScannServerSql server(db);
                         for (int i = 0; i < n; ++i)
                             ids[g] << server.Einfuegen(CSCAN_Typ_WEPlus, Satz(CBernd, i), CLieferant, 10);
                     },
                     [&] {
                         for (int i = 0; i < n; ++i)
                             idents << mani.BuchenSingle(CSCAN_Typ_WEPlus, Satz(CAnna, i), CLieferant, 10);
                     }),
                 QString());
        for (const QList<qint64>& l : ids)
            for (qint64 id : l)
                idents << TIntTrio(1, 0, qint32(id));
        QCOMPARE(idents.size(), 3 * n);
        QCOMPARE(Anzahl(), 3 * n + 1);
    }

    // Terminals registering at once, several the same identification: one number each, the same
    // for everyone and ever after; the range meets no person's key of the demo site.
    void terminalnummernStabilUndVerschieden_data() { ZAM_MotorenDaten(); }
    void terminalnummernStabilUndVerschieden()
    {
        ZAM_MOTOR(m);
        Starten(m);
        TBelimani* beli = GlobBeliMani_GetInstance();
        QCOMPARE(beli->TerminalIDToGepNr(QString()), TIntPair());
        QCOMPARE(beli->TerminalIDToGepNr(QStringLiteral("ERSTES")), TIntPair(CZAM_TerminalGepKreis, 1));
        const int n = 10;
        QMap<QString, int> nummern[3];
        QCOMPARE(Geraete(Db().Konfig(), 3,
                         [&](int g, TZAM_Datenbank& db) {
                             TZAM_TerminalServerSql server(db);
                             for (int i = 0; i < n; ++i) {
                                 const QString id = QStringLiteral("T%1").arg((i + g * 3) % n);
                                 nummern[g][id] = server.TerminalNummer(id);
                             }
                         }),
                 QString());
        QVERIFY(nummern[1] == nummern[0] && nummern[2] == nummern[0]);
        QList<int> vergeben = nummern[0].values();
        std::sort(vergeben.begin(), vergeben.end());
        QCOMPARE(vergeben, QList<int>({2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
        QCOMPARE(beli->TerminalIDToGepNr(QStringLiteral("T4")), TIntPair(CZAM_TerminalGepKreis, nummern[0]["T4"]));
        QCOMPARE(beli->TerminalIDToGepNr(QStringLiteral("ERSTES")), TIntPair(CZAM_TerminalGepKreis, 1));

        FUmg->DemoAnlegen();
        QCOMPARE(Db().LesenWert(QStringLiteral("SELECT (SELECT COUNT(*) FROM zam_gp WHERE id1 = 90) + (SELECT COUNT(*) "
                                               "FROM zam_benutzer WHERE id1 = 90 OR mita_id1 = 90)"))
                     .toInt(),
                 0);
    }

    // The logged-on user and employee; the supplier and the labels of an article.
    void benutzerUndArtikel_data() { ZAM_MotorenDaten(); }
    void benutzerUndArtikel()
    {
        ZAM_MOTOR(m);
        Starten(m);
        TZAM_RechteServerSql::BenutzerAnlegen(Db(), QStringLiteral("anna"), QStringLiteral("a"), {2, 1}, CAnna);
        TZAM_RechteServerSql::BenutzerAnlegen(Db(), QStringLiteral("lager"), QStringLiteral("l"), {2, 3}, {});
        QVERIFY(WpGetUserAngemeldet().IsNull() && WpGetBenuAngemeldet().IsNull());
        auto rechte = Glob_WWSServerFactoryClass().Create<IZAM_RechteServer>();
        TIntPair b;
        QVERIFY(rechte->Anmelden(QStringLiteral("anna"), QStringLiteral("a"), b));
        QVERIFY(WpGetUserAngemeldet() == TIntPair(2, 1) && WpGetBenuAngemeldet() == CAnna);
        QVERIFY(rechte->Anmelden(QStringLiteral("lager"), QStringLiteral("l"), b));
        QVERIFY(WpGetUserAngemeldet() == TIntPair(2, 3) && WpGetBenuAngemeldet().IsNull());
        rechte->Abmelden();
        QVERIFY(WpGetUserAngemeldet().IsNull() && WpGetBenuAngemeldet().IsNull());

        const TInt32Trio schuh = TA::A(TA::Schuh).Id(), ball = TA::A(TA::Ball).Id(), keins(7, 99, 0);
        Db().Schreiben(QStringLiteral("UPDATE zam_artikel SET lieferant_id1 = 5, lieferant_id2 = 701, "
                                      "etiketten_anzahl = 2, etiketten_layout = 'klein' WHERE prod_id2 = ?"),
                       {schuh.Id2});
        Db().Schreiben(QStringLiteral("UPDATE zam_artikel SET etiketten_anzahl = 0 WHERE prod_id2 = ?"), {ball.Id2});
        QVERIFY(TArtikelTools::Lieferant_4_ProdID(schuh) == CLieferant &&
                TArtikelTools::Lieferant_4_ProdID(ball).IsNull() && TArtikelTools::Lieferant_4_ProdID(keins).IsNull());
        TZAM_ArtikelInformationen info;
        QVERIFY(TQIV_ArtvLesenTools().ArtikelInformationen_Lesen(schuh, 2, 10, info) && info.HerstId == CLieferant);
        TQIV_ArtLesSimple leser;
        QVERIFY(leser.Positionieren(schuh) && leser.EtikettenAnzahl() == 2 && leser.EtikettenLayout() == "klein");
        QVERIFY(leser.Positionieren(ball) && leser.EtikettenAnzahl() == 0 && leser.EtikettenLayout().isEmpty());
        QVERIFY(leser.Positionieren(schuh) && !leser.Positionieren(keins));
        QVERIFY(!leser.Gefunden() && leser.EtikettenAnzahl() == 0 && leser.EtikettenLayout().isEmpty());
    }
};

QTEST_MAIN(TestScansaetze)
#include "tst_scansaetze.moc"
