// The customer-order task statement on both engines: what the selection puts into the statement
// and which tasks it then answers, the row of a task with its order found through its own order
// id or through its order-line position, the order's paid and unpaid positions, and the files'
// columns against the schema.
#include "EZAM_Exception.h"
#include "TQIV_KuBe_Aufgaben_SQLQuery.h"
#include "TZAM_Datenbank.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

#include <QFile>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>

namespace {

const QDate CTag(2026, 5, 3);

QDateTime Zeit(int ATage, int AStunde, int AMinute = 0, int ASekunde = 0, int AMs = 0)
{
    return QDateTime(CTag.addDays(ATage), QTime(AStunde, AMinute, ASekunde, AMs));
}

QString ZeitText(const QDateTime& A)
{
    return A.isValid() ? A.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")) : QStringLiteral("-");
}

// A record as "field=value" lines, so that a difference names its field.
QStringList Felder(const TKuBeAufgQueryErgebnis& E)
{
    const auto c = [](QChar A) { return QStringLiteral("'") + A + QStringLiteral("'"); };
    return {QStringLiteral("AufgabenID=") + E.AufgabenID.ToText(),
            QStringLiteral("AufgabenArt=") + E.AufgabenArt,
            QStringLiteral("Anl=") + ZeitText(E.AufgabenZeitpunktAnl),
            QStringLiteral("Bearb=") + ZeitText(E.AufgabenZeitpunktBearb),
            QStringLiteral("GV=") + E.AufgabenGV,
            QStringLiteral("Status=") + E.AufgabenStatus,
            QStringLiteral("Fil_Nr_Von=%1").arg(E.Fil_Nr_Von),
            QStringLiteral("Fil_Nr_An=%1").arg(E.Fil_Nr_An),
            QStringLiteral("Menge=%1").arg(E.Menge),
            QStringLiteral("BNE_Vorg_ID=") + E.BNE_Vorg_ID.ToText(),
            QStringLiteral("BNE_Vorg_Typ=%1").arg(E.BNE_Vorg_Typ),
            QStringLiteral("KubeKennung=") + E.KubeKennung,
            QStringLiteral("KubeId=") + E.KubeId.ToText(),
            QStringLiteral("KubeErgNr=%1").arg(E.KubeErgNr),
            QStringLiteral("EXBI_Kennung=") + E.EXBI_Kennung,
            QStringLiteral("EXBI_Bezahlt=") + c(E.EXBI_Bezahlt),
            QStringLiteral("EXBI_BuchFil=%1").arg(E.EXBI_BuchFil),
            QStringLiteral("EXBI_Herkunft=") + c(E.EXBI_Herkunft),
            QStringLiteral("ATK_auslieferungtyp=") + c(E.ATK_auslieferungtyp),
            QStringLiteral("ATK_zahlungsart=") + c(E.ATK_zahlungsart),
            QStringLiteral("ATK_herkunftskz=") + c(E.ATK_herkunftskz),
            QStringLiteral("ATK_Glaeubiger=") + E.ATK_Glaeubiger.ToText(),
            QStringLiteral("ATK_GlaeubigerOrge=") + E.ATK_GlaeubigerOrge.ToText(),
            QStringLiteral("Pos_Bez_Anz_Ja=%1").arg(E.Pos_Bez_Anz_Ja),
            QStringLiteral("Pos_Bez_Anz_Nein=%1").arg(E.Pos_Bez_Anz_Nein)};
}

// The tasks of the site (task id (1, 1, n)).
struct TAufgabe
{
    int Nr, Art, GV, Status;
    QDateTime Anl, Bearb;
    int Quell, Ziel, Menge;
    TIntTrio Vorgang;
    TIntTrio KubeId;
    int KubeNr;
};

const QList<TAufgabe>& Aufgaben()
{
    static const QList<TAufgabe> GAufgaben = {
        // Its order through a position for any source branch.
        {1, 1, 3, 2, Zeit(-1, 10), Zeit(0, 23, 59, 59, 500), 3, 5, 2, {10, 1, 1}, {}, 0},
        // Its own order; a position of its transaction is there but not asked.
        {2, 1, 4, 2, Zeit(-1, 11), Zeit(1, 0), 3, 6, 1, {10, 1, 2}, {800, 2, 0}, 2},
        // Three positions match: one for any source branch, two for its own.
        {3, 1, 3, 2, Zeit(-1, 12), Zeit(0, 8), 3, 5, 1, {10, 1, 3}, {}, 0},
        // No position at all.
        {4, 1, 3, 2, Zeit(-1, 13), Zeit(0, 9), 4, 5, 1, {10, 1, 4}, {}, 0},
        {5, 8, 8, 3, Zeit(-2, 9), Zeit(-1, 9), 12, 12, 1, {}, {}, 0},
    };
    return GAufgaben;
}

void Anlegen(TZAM_Datenbank& ADb)
{
    for (const TAufgabe& a : Aufgaben()) {
        ADb.Schreiben(
            QStringLiteral("INSERT INTO zam_auko (id1, id2, id3, art, erstellt, bearbeitung, gv, status, lager) "
                           "VALUES (1, 1, ?, ?, ?, ?, ?, ?, 1)"),
            {a.Nr, CZAM_Aufgabe_Art_2_Kuerzel(a.Art), a.Anl, a.Bearb, CZAM_Aufgabe_Geschaeftsvorfall_2_Kuerzel(a.GV),
             QString(CZAM_Aufgabe_Status_2_Char(a.Status))});
        ADb.Schreiben(
            QStringLiteral("INSERT INTO zam_auae (auf_id1, auf_id2, auf_id3, quell_filiale, ziel_filiale, "
                           "menge, bne_id1, bne_id2, bne_id3, bne_typ, kube_id1, kube_id2, kube_id3, kube_nr) "
                           "VALUES (1, 1, ?, ?, ?, ?, ?, ?, ?, 1, ?, ?, ?, ?)"),
            {a.Nr, a.Quell, a.Ziel, a.Menge, a.Vorgang.Id1, a.Vorgang.Id2, a.Vorgang.Id3, a.KubeId.Id1, a.KubeId.Id2,
             a.KubeId.Id3, a.KubeNr});
    }
    // Order-line positions in this order of their keys.
    const auto position = [&](const TIntTrio& AVorgang, int ATyp, int AZiel, int AQuell, const QString& AKennung,
                              const TIntTrio& AAuftrag, int ANr) {
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_bnep (bne_id1, bne_id2, bne_id3, bne_typ, ziel_filiale, "
                                     "quell_filiale, kennung, auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr) "
                                     "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                      {AVorgang.Id1, AVorgang.Id2, AVorgang.Id3, ATyp, AZiel, AQuell, AKennung, AAuftrag.Id1,
                       AAuftrag.Id2, AAuftrag.Id3, ANr});
    };
    position({10, 1, 1}, 2, 5, 3, QStringLiteral("TYP2"), {600, 1, 0}, 1);  // another transaction type
    position({10, 1, 1}, 1, 6, 3, QStringLiteral("ZIEL6"), {601, 1, 0}, 1); // another target branch
    position({10, 1, 1}, 1, 5, 0, QStringLiteral("SHOP"), {700, 1, 0}, 1);
    position({10, 1, 2}, 1, 6, 3, QStringLiteral("POS2"), {555, 5, 5}, 9);
    position({10, 1, 3}, 1, 5, 0, QStringLiteral("ALLE"), {900, 1, 0}, 1);
    position({10, 1, 3}, 1, 5, 3, QStringLiteral("EXAKT"), {901, 3, 0}, 7);
    position({10, 1, 3}, 1, 5, 3, QStringLiteral("EXAKT2"), {902, 3, 0}, 8);

    const auto exbi = [&](const QString& AKennung, const TIntTrio& AAuftrag, int ANr, const QString& ABezahlt,
                          int ABuchFil, const QString& AHerkunft) {
        ADb.Schreiben(
            QStringLiteral("INSERT INTO zam_exbi (kennung, auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, "
                           "bezahlt, buch_filiale, herkunft) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
            {AKennung, AAuftrag.Id1, AAuftrag.Id2, AAuftrag.Id3, ANr, ABezahlt, ABuchFil, AHerkunft});
    };
    exbi(QStringLiteral("SHOP"), {700, 1, 0}, 1, QStringLiteral("J"), 12, QStringLiteral("W"));
    exbi(QStringLiteral("ALLE"), {900, 1, 0}, 1, QStringLiteral("J"), 44, QStringLiteral("A"));
    exbi(QStringLiteral("EXAKT"), {901, 3, 0}, 7, QStringLiteral("N"), 33, QStringLiteral("S"));
    exbi(QStringLiteral("EXAKT2"), {902, 3, 0}, 8, QStringLiteral("J"), 55, QStringLiteral("X"));

    // Two customer orders of three positions each; the order's position states carry the order id
    // and number of the order lines.
    const auto auftrag = [&](const TIntPair& AAtk, const QStringList& AAtkWerte, const TIntTrio& AAuftrag, qint32 APos,
                             const QList<QStringList>& AZustaende) {
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_atk (id1, id2, auslieferungtyp, zahlungsart, herkunftskz, "
                                     "glaeubiger1, glaeubiger2, glaeubiger_orge1, glaeubiger_orge2) "
                                     "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                      {AAtk.Id1, AAtk.Id2, AAtkWerte[0], AAtkWerte[1], AAtkWerte[2], AAtkWerte[3].toInt(),
                       AAtkWerte[4].toInt(), AAtkWerte[5].toInt(), AAtkWerte[6].toInt()});
        for (int n = 1; n <= AZustaende.size(); ++n) {
            ADb.Schreiben(QStringLiteral("INSERT INTO zam_atpk (pos_id1, pos_id2, pos_id3, pos_id4, atk_id1, atk_id2) "
                                         "VALUES (?, ?, ?, ?, ?, ?)"),
                          {APos, APos, APos, n, AAtk.Id1, AAtk.Id2});
            ADb.Schreiben(
                QStringLiteral("INSERT INTO zam_atpb (auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, "
                               "pos_id1, pos_id2, pos_id3, zustand, bezahlt) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                {AAuftrag.Id1, AAuftrag.Id2, AAuftrag.Id3, n, APos, APos, APos, AZustaende[n - 1][0],
                 AZustaende[n - 1][1]});
        }
    };
    // Paid 1, unpaid 1: the third position is done ('T') and counts in neither.
    auftrag({1, 1}, {"V", "R", "O", "7", "8", "9", "10"}, {700, 1, 0}, 1, {{"", "J"}, {"", "N"}, {"T", "N"}});
    // Paid 2, unpaid 0.
    auftrag({2, 1}, {"A", "B", "F", "11", "12", "13", "14"}, {800, 2, 0}, 2, {{"", "J"}, {"", "J"}, {"T", "J"}});
}

// The rows of the statement by task number, and the task numbers in the order read.
QMap<int, TKuBeAufgQueryErgebnis> Lesen(TQIV_KuBe_Aufgaben_SQLQuery& AQ, QList<int>& ANummern)
{
    QMap<int, TKuBeAufgQueryErgebnis> zeilen;
    ANummern.clear();
    for (bool z = AQ.Get_first(); z && ANummern.size() < 100; z = AQ.Get_next()) {
        ANummern << AQ.FErgSatz.AufgabenID.Id3;
        zeilen.insert(AQ.FErgSatz.AufgabenID.Id3, AQ.FErgSatz);
    }
    std::sort(ANummern.begin(), ANummern.end());
    return zeilen;
}

TQIV_DBConnectorTyp_erw Typ(TZAM_TestUmgebung::TMotor AMotor)
{
    return AMotor == TZAM_TestUmgebung::tmSQLite ? dbctSQLite : dbctPostgreSQL;
}

QString Datum(const QDateTime& AZeit, TQIV_DBConnectorTyp_erw ATyp)
{
    return TQIV_DB_Query_Helper::SQL_Convert_DateTime_2_SQLDateString(AZeit, ATyp);
}

QString Kuerzel(int AArt)
{
    return QStringLiteral("'") + CZAM_Aufgabe_Art_2_Kuerzel(AArt) + QStringLiteral("'");
}

// A selection, the pieces the statement must and must not contain, and the tasks it answers.
struct TFall
{
    const char* Name;
    std::function<void(TKuBeAufgQuerySel&)> Auswahl;
    std::function<QStringList(TQIV_DBConnectorTyp_erw)> Enthalten;
    QStringList Fehlt;
    QList<int> Aufgaben;
};

const QList<TFall>& Faelle()
{
    static const QList<TFall> GFaelle = {
        {"ohne Bedingung",
         [](TKuBeAufgQuerySel&) {},
         [](auto) { return QStringList(); },
         {QStringLiteral(" WHERE "), QStringLiteral("quell_filiale in (")},
         {1, 2, 3, 4, 5}},
        {"Arten 1 und 8",
         [](TKuBeAufgQuerySel& S) { S.AufgabeArt = ZAMSetBit(8) | ZAMSetBit(1); },
         [](auto) {
             return QStringList{QStringLiteral(" WHERE zam_auko.art in (") + Kuerzel(1) + ", " + Kuerzel(8) + ")"};
         },
         {},
         {1, 2, 3, 4, 5}},
        {"Art 8",
         [](TKuBeAufgQuerySel& S) { S.AufgabeArt = ZAMSetBit(8); },
         [](auto) { return QStringList{QStringLiteral("zam_auko.art in (") + Kuerzel(8) + ")"}; },
         {},
         {5}},
        {"Filialen 3 und 12",
         [](TKuBeAufgQuerySel& S) {
             S.FilNrVon = {3, 12};
         },
         [](auto) { return QStringList{QStringLiteral(" and AUAE_Outer.quell_filiale in (3, 12) left join ")}; },
         {QStringLiteral(" WHERE ")},
         {1, 2, 3, 5}},
        {"Status und Geschäftsvorfälle",
         [](TKuBeAufgQuerySel& S) {
             S.Status = ZAMSetBit(2);
             S.GV = ZAMSetBit(3) | ZAMSetBit(4);
         },
         [](auto) {
             return QStringList{QStringLiteral("zam_auko.gv in ('") + CZAM_Aufgabe_Geschaeftsvorfall_2_Kuerzel(3) +
                                "', '" + CZAM_Aufgabe_Geschaeftsvorfall_2_Kuerzel(4) + "') AND zam_auko.status in ('" +
                                CZAM_Aufgabe_Status_2_Char(2) + "')"};
         },
         {},
         {1, 2, 3, 4}},
        // The task at 23:59:59.500 is inside the day, the one at midnight after it is not.
        {"bis zum Tag",
         [](TKuBeAufgQuerySel& S) { S.Bearbeitungsdatum.Bis = CTag; },
         [](auto T) {
             return QStringList{" WHERE zam_auko.bearbeitung <= '" + Datum(Zeit(0, 23, 59, 59, 999), T) + "'"};
         },
         {QStringLiteral(">=")},
         {1, 3, 4, 5}},
        {"bis offen (99999)",
         [](TKuBeAufgQuerySel& S) { S.Bearbeitungsdatum.Bis = TQIV_VonBisDatum::Offen(); },
         [](auto) { return QStringList(); },
         {QStringLiteral(" WHERE ")},
         {1, 2, 3, 4, 5}},
        {"bis und von Tag 0",
         [](TKuBeAufgQuerySel& S) {
             S.Bearbeitungsdatum.Bis = TQIV_VonBisDatum::FrameworkTag(0);
             S.Anlagedatum.Von = TQIV_VonBisDatum::FrameworkTag(0);
         },
         [](auto) { return QStringList(); },
         {QStringLiteral(" WHERE ")},
         {1, 2, 3, 4, 5}},
        {"ab dem Folgetag",
         [](TKuBeAufgQuerySel& S) { S.Bearbeitungsdatum.Von = CTag.addDays(1); },
         [](auto T) { return QStringList{" WHERE zam_auko.bearbeitung >= '" + Datum(Zeit(1, 0), T) + "'"}; },
         {QStringLiteral("<=")},
         {2}},
        {"angelegt am Vortag",
         [](TKuBeAufgQuerySel& S) { S.Anlagedatum.Von = S.Anlagedatum.Bis = CTag.addDays(-1); },
         [](auto T) {
             return QStringList{" WHERE zam_auko.erstellt >= '" + Datum(Zeit(-1, 0), T) +
                                "' AND zam_auko.erstellt <= '" + Datum(Zeit(-1, 23, 59, 59, 999), T) + "'"};
         },
         {},
         {1, 2, 3, 4}},
    };
    return GFaelle;
}

} // namespace

class TestKuBeAbfrage : public QObject
{
    Q_OBJECT

    static QString Protokoll(const TZAM_TestUmgebung& AUmg)
    {
        QFile f(AUmg.Verzeichnis() + QStringLiteral("/protokoll.log"));
        f.open(QIODevice::ReadOnly);
        return QString::fromUtf8(f.readAll());
    }

    // The site of the selection rows, made once per engine: the statement only reads it.
    std::unique_ptr<TZAM_TestUmgebung> FUmg;
    int FUmgMotor = -1;

private Q_SLOTS:
    void init()
    {
        if (qstrcmp(QTest::currentTestFunction(), "auswahl") != 0)
            FUmg.reset();
    }
    void cleanupTestCase() { FUmg.reset(); }

    void auswahl_data()
    {
        QTest::addColumn<int>("motor");
        QTest::addColumn<int>("fall");
        for (int m : {int(TZAM_TestUmgebung::tmSQLite), int(TZAM_TestUmgebung::tmPostgres)})
            for (int i = 0; i < Faelle().size(); ++i)
                QTest::addRow("%s: %s", m == TZAM_TestUmgebung::tmSQLite ? "sqlite" : "postgres", Faelle()[i].Name)
                    << m << i;
    }
    void auswahl()
    {
        ZAM_MOTOR(m);
        QFETCH(int, fall);
        const TFall& f = Faelle()[fall];
        if (!FUmg || FUmgMotor != int(m)) {
            FUmg.reset();
            FUmg = std::make_unique<TZAM_TestUmgebung>(m);
            FUmgMotor = int(m);
            Anlegen(FUmg->Backend().Datenbank());
        }

        TQIV_KuBe_Aufgaben_SQLQuery q(nullptr);
        f.Auswahl(q.FSelektion);
        const QString sql = q.SQL_Query_Get(Typ(m));
        for (const QString& s : f.Enthalten(Typ(m)))
            QVERIFY2(sql.contains(s), qPrintable(s + QStringLiteral("\n") + sql));
        for (const QString& s : f.Fehlt)
            QVERIFY2(!sql.contains(s), qPrintable(s + QStringLiteral("\n") + sql));
        QCOMPARE(q.SQL_Query_Get(Typ(m)), sql);

        QList<int> nummern;
        Lesen(q, nummern);
        QCOMPARE(nummern, f.Aufgaben);
        QVERIFY(q.Eof());
        QVERIFY(!q.Get_next());
        QCOMPARE(ZAMInfo().GezeigteMeldungenHolen(), QStringList());
    }

    // Each task once, with the order of its own order id or of its order-line position, and that
    // order's paid and unpaid positions.
    void zeilenDerAufgaben_data() { ZAM_MotorenDaten(); }
    void zeilenDerAufgaben()
    {
        ZAM_MOTOR(m);
        TZAM_TestUmgebung umg(m);
        Anlegen(umg.Backend().Datenbank());
        const QString art1 = CZAM_Aufgabe_Art_2_Kuerzel(1), gv3 = CZAM_Aufgabe_Geschaeftsvorfall_2_Kuerzel(3);
        const QString offen = QString(CZAM_Aufgabe_Status_2_Char(2));
        const auto satz = [](int ANr, const QString& AArt, const QDateTime& AAnl, const QDateTime& ABearb,
                             const QString& AGV, const QString& AStatus, int AVon, int AAn, int AMenge,
                             const TIntTrio& AVorgang) {
            TKuBeAufgQueryErgebnis e;
            e.AufgabenID = TIntTrio(1, 1, ANr);
            e.AufgabenArt = AArt;
            e.AufgabenZeitpunktAnl = AAnl;
            e.AufgabenZeitpunktBearb = ABearb;
            e.AufgabenGV = AGV;
            e.AufgabenStatus = AStatus;
            e.Fil_Nr_Von = AVon;
            e.Fil_Nr_An = AAn;
            e.Menge = AMenge;
            e.BNE_Vorg_ID = AVorgang;
            e.BNE_Vorg_Typ = 1;
            return e;
        };
        QMap<int, TKuBeAufgQueryErgebnis> erwartet;
        {
            // Order, external order and order header of the position for any source branch.
            TKuBeAufgQueryErgebnis e =
                satz(1, art1, Zeit(-1, 10), Zeit(0, 23, 59, 59, 500), gv3, offen, 3, 5, 2, {10, 1, 1});
            e.KubeKennung = QStringLiteral("SHOP");
            e.KubeId = TIntTrio(700, 1, 0);
            e.KubeErgNr = 1;
            e.EXBI_Kennung = QStringLiteral("SHOP");
            e.EXBI_Bezahlt = QLatin1Char('J');
            e.EXBI_BuchFil = 12;
            e.EXBI_Herkunft = QLatin1Char('W');
            e.ATK_auslieferungtyp = QLatin1Char('V');
            e.ATK_zahlungsart = QLatin1Char('R');
            e.ATK_herkunftskz = QLatin1Char('O');
            e.ATK_Glaeubiger = TIntPair(7, 8);
            e.ATK_GlaeubigerOrge = TIntPair(9, 10);
            e.Pos_Bez_Anz_Ja = 1;
            e.Pos_Bez_Anz_Nein = 1;
            erwartet.insert(1, e);
        }
        {
            TKuBeAufgQueryErgebnis e = satz(2, art1, Zeit(-1, 11), Zeit(1, 0),
                                            CZAM_Aufgabe_Geschaeftsvorfall_2_Kuerzel(4), offen, 3, 6, 1, {10, 1, 2});
            e.KubeKennung = QStringLiteral("KUBE");
            e.KubeId = TIntTrio(800, 2, 0);
            e.KubeErgNr = 2;
            e.ATK_auslieferungtyp = QLatin1Char('A');
            e.ATK_zahlungsart = QLatin1Char('B');
            e.ATK_herkunftskz = QLatin1Char('F');
            e.ATK_Glaeubiger = TIntPair(11, 12);
            e.ATK_GlaeubigerOrge = TIntPair(13, 14);
            e.Pos_Bez_Anz_Ja = 2;
            erwartet.insert(2, e);
        }
        {
            // The first position of its own source branch, in every column (the external order
            // matches key text, order id and number of that one position).
            TKuBeAufgQueryErgebnis e = satz(3, art1, Zeit(-1, 12), Zeit(0, 8), gv3, offen, 3, 5, 1, {10, 1, 3});
            e.KubeKennung = QStringLiteral("EXAKT");
            e.KubeId = TIntTrio(901, 3, 0);
            e.KubeErgNr = 7;
            e.EXBI_Kennung = QStringLiteral("EXAKT");
            e.EXBI_Bezahlt = QLatin1Char('N');
            e.EXBI_BuchFil = 33;
            e.EXBI_Herkunft = QLatin1Char('S');
            erwartet.insert(3, e);
        }
        erwartet.insert(4, satz(4, art1, Zeit(-1, 13), Zeit(0, 9), gv3, offen, 4, 5, 1, {10, 1, 4}));
        erwartet.insert(5, satz(5, CZAM_Aufgabe_Art_2_Kuerzel(8), Zeit(-2, 9), Zeit(-1, 9),
                                CZAM_Aufgabe_Geschaeftsvorfall_2_Kuerzel(8), QString(CZAM_Aufgabe_Status_2_Char(3)), 12,
                                12, 1, {}));
        erwartet[5].BNE_Vorg_Typ = 1;

        TQIV_KuBe_Aufgaben_SQLQuery q(nullptr);
        QList<int> nummern;
        const QMap<int, TKuBeAufgQueryErgebnis> zeilen = Lesen(q, nummern);
        QCOMPARE(nummern, erwartet.keys());
        for (int nr : erwartet.keys())
            QCOMPARE(Felder(zeilen.value(nr)), Felder(erwartet.value(nr)));
        QCOMPARE(ZAMInfo().GezeigteMeldungenHolen(), QStringList());

        // Read again, the record of the last row is not left behind a run without rows.
        q.FSelektion.AufgabeArt = ZAMSetBit(7);
        QVERIFY(!q.Get_first());
        QVERIFY(q.Eof());
    }

    // The parameter absent, 0, 1 and 0 again on one site.
    void create_data() { ZAM_MotorenDaten(); }
    void create()
    {
        ZAM_MOTOR(m);
        TZAM_TestUmgebung umg(m);
        const QList<std::pair<QString, bool>> werte = {
            {{}, true}, {QStringLiteral("0"), true}, {QStringLiteral("1"), false}, {QStringLiteral("0"), true}};
        for (const auto& [wert, erlaubt] : werte) {
            if (!wert.isEmpty())
                umg.ParameterSetzen(QStringLiteral("GDBCONFIG"), wert);
            bool erzeugt = false;
            try {
                TQIV_KuBe_Aufgaben_SQLQuery q(nullptr);
                erzeugt = true;
                QVERIFY(!q.Get_first());
                QCOMPARE(q.Dateien().size(), 7);
            } catch (const EZAM_Exception& E) {
                QCOMPARE(E.Koord(), CZAM_Info_Fehler_DB_NichtVerfuegbar);
                QCOMPARE(E.Methode(), QStringLiteral("TQIV_KuBe_Aufgaben_SQLQuery.Create"));
            }
            QVERIFY2(erzeugt == erlaubt, qPrintable(wert));
        }
        QCOMPARE(ZAMInfo().GezeigteMeldungenHolen(), QStringList());
    }

    // Every table and column the files name is in the schema; the date texts are the ones the
    // database stores.
    void dateienImSchema_data() { ZAM_MotorenDaten(); }
    void dateienImSchema()
    {
        ZAM_MOTOR(m);
        TZAM_TestUmgebung umg(m);
        TZAM_Datenbank& db = umg.Backend().Datenbank();
        TQIV_KuBe_Aufgaben_SQLQuery q(nullptr);
        int spalten = 0;
        for (const TZAM_Datei* d : q.Dateien()) {
            const QString tabelle = TQIV_DB_Query_Helper::SQL_TableName_4_FilePath(d->GetFullDateiName());
            for (const TDatenFeld* f : d->Felder())
                for (const QString& s : f->Spalten()) {
                    try {
                        db.Lesen(QStringLiteral("SELECT %1 FROM %2 LIMIT 0").arg(s, tabelle));
                    } catch (const EZAM_Exception& E) {
                        QFAIL(qPrintable(tabelle + QLatin1Char('.') + s + QStringLiteral(": ") + E.Meldungstext()));
                    }
                    ++spalten;
                }
        }
        QCOMPARE(spalten, 66);
        const QDateTime t = Zeit(0, 23, 59, 59, 999);
        QCOMPARE(TQIV_DB_Query_Helper::SQL_Convert_DateTime_2_SQLDateString(t, Typ(m)), db.ZeitpunktText(t));
    }

    // A part that cannot be built is registered under its name and empties the whole statement,
    // which is then not run: never a statement without its conditions.
    void klauselFehlerLeertAnweisung()
    {
        TZAM_TestUmgebung umg(TZAM_TestUmgebung::tmSQLite);
        TQIV_KuBe_Aufgaben_SQLQuery q(nullptr);
        QVERIFY(q.SQL_Query_Get(dbctUnbekannt).startsWith(QStringLiteral("SELECT zam_auko.id1, zam_auko.id2")));
        q.FSelektion.Anlagedatum.Von = CTag;
        QCOMPARE(q.SQL_Query_Where_Get(dbctUnbekannt), QString());
        QCOMPARE(q.SQL_Query_Get(dbctUnbekannt), QString());
        QVERIFY(!q.SQL_Query_Get(dbctSQLite).isEmpty());
        const QString p = Protokoll(umg);
        QCOMPARE(p.count(QStringLiteral("TQIV_KuBe_Aufgaben_SQLQuery.SQL_Query_Where_Get")), 2);
        // The task filter of the AUAE subselect takes the same conditions and fails with them.
        QCOMPARE(p.count(QStringLiteral("TQIV_KuBe_Aufgaben_SQLQuery.SQL_Query_SubSelect_AUAE_Get")), 1);
        QVERIFY(!p.contains(QStringLiteral("TQIV_KuBe_Aufgaben_SQLQuery.SQL_Query_Get")));
        QCOMPARE(ZAMInfo().GezeigteMeldungenHolen().size(), 3);
    }
};

QTEST_MAIN(TestKuBeAbfrage)
#include "tst_kubeabfrage.moc"
