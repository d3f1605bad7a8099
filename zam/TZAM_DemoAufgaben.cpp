#include "TZAM_DemoAufgaben.h"

#include "IZAM_GrundServer.h"
#include "TZAM_Datenbank.h"
#include "TZAM_PersArt_ExtVerweis.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMBestandsarten.h"

#include <QDateTime>

namespace {

// A task of warehouse 1, taken from the central branch 1.
struct TAufgabe
{
    int Nr;
    int GV = 0;
    int Ziel = 0;
    qint32 Artikel = 0;
    int Groesse = 0;
    int Menge = 1;
    int Tag = 0; // processing day from today; created the afternoon before
    int Status = CZAM_Aufgabe_Status_Offen;
    TIntTrio Vorgang;
    char VorgTyp = 0;
    TZAM_PersArt_ExtVerweis Verweis;
    bool KubeAusPosition = false; // the execution names no order: the order line's position does
    int Art = CZAM_Aufgabe_Art_Standard;
    TIntTrio ZielLo;
    TIntTrio Grund;
};

constexpr int CQuelle = 1;

QDateTime Zeit(int ATag, int AStunde, int AMinute = 0)
{
    return QDateTime(QDate::currentDate().addDays(ATag), QTime(AStunde, AMinute));
}

void Aufgabe(TZAM_Datenbank& ADb, const TAufgabe& A)
{
    const TZAM_PersArt_ExtVerweis& v = A.Verweis;
    // Branch 17 is the team-sport branch: its re-sorting runs as team-sport work.
    const bool teamsport = A.Ziel == 17 && !v.Defined() && A.Art == CZAM_Aufgabe_Art_Standard;
    ADb.Schreiben(
        QStringLiteral("INSERT INTO zam_auko (id1, id2, id3, art, erstellt, bearbeitung, gv, status, lager, prod_id1, "
                       "prod_id2, prod_id3, groesse, ziel_lo_id1, ziel_lo_id2, ziel_lo_id3, grund_id1, grund_id2, "
                       "grund_id3, ext_kennung, ext_id1, ext_id2, ext_id3, ext_nummer, teamsport) "
                       "VALUES (1, 2, ?, ?, ?, ?, ?, ?, 1, 1, ?, 0, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {A.Nr,
         CZAM_Aufgabe_Art_2_Kuerzel(A.Art),
         Zeit(A.Tag - 1, 16, A.Nr),
         Zeit(A.Tag, 7),
         CZAM_Aufgabe_Geschaeftsvorfall_2_Kuerzel(A.GV),
         QString(CZAM_Aufgabe_Status_2_Char(A.Status)),
         A.Artikel,
         A.Groesse,
         A.ZielLo.Id1,
         A.ZielLo.Id2,
         A.ZielLo.Id3,
         A.Grund.Id1,
         A.Grund.Id2,
         A.Grund.Id3,
         int(v.Kennung),
         v.Id.Id1,
         v.Id.Id2,
         v.Id.Id3,
         v.Nummer,
         teamsport ? 1 : 0});
    // External orders are always found through the order line, as the task statement reads them.
    const bool kube = v.Kennung == CZAM_PersArtExt_KuBe && !A.KubeAusPosition;
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_auae (auf_id1, auf_id2, auf_id3, quell_filiale, ziel_filiale, menge, "
                                 "bne_id1, bne_id2, bne_id3, bne_typ, kube_id1, kube_id2, kube_id3, kube_nr) "
                                 "VALUES (1, 2, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  {A.Nr, CQuelle, A.Ziel, A.Menge, A.Vorgang.Id1, A.Vorgang.Id2, A.Vorgang.Id3, int(A.VorgTyp),
                   kube ? v.Id.Id1 : 0, kube ? v.Id.Id2 : 0, kube ? v.Id.Id3 : 0, kube ? v.Nummer : 0});
}

void Erfuellung(TZAM_Datenbank& ADb, int ANr, int AMenge, int AMitarbeiter)
{
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_aufgabe_erfuellung (auf_id1, auf_id2, auf_id3, mita_id1, mita_id2, "
                                 "menge, zeit) VALUES (1, 2, ?, 1, ?, ?, ?)"),
                  {ANr, AMitarbeiter, AMenge, Zeit(-1, 10, ANr)});
}

// An order line is made before the demo is: a time of today still ahead (a demo created after
// midnight) becomes the current time.
void Vorgang(TZAM_Datenbank& ADb, const TIntTrio& AId, char ATyp, const QDateTime& ADatum)
{
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_bne (id1, id2, id3, typ, datum) VALUES (?, ?, ?, ?, ?)"),
                  {AId.Id1, AId.Id2, AId.Id3, int(ATyp), qMin(ADatum, QDateTime::currentDateTime())});
}

// The order line's position of a task (or of an order position without task): its target and
// source branch (0: any), the order as source and order id, and its stored reference.
void Position(TZAM_Datenbank& ADb, const TAufgabe& A, int AQuelle = CQuelle, const QString& AKennung = {})
{
    const TZAM_PersArt_ExtVerweis& v = A.Verweis;
    ADb.Schreiben(
        QStringLiteral("INSERT INTO zam_bnep (bne_id1, bne_id2, bne_id3, bne_typ, ziel_filiale, quell_filiale, "
                       "kennung, auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, ext_kennung, ext_id1, "
                       "ext_id2, ext_id3, ext_nummer, menge, bewtyp) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {A.Vorgang.Id1, A.Vorgang.Id2, A.Vorgang.Id3, int(A.VorgTyp), A.Ziel, AQuelle, AKennung, v.Id.Id1, v.Id.Id2,
         v.Id.Id3, v.Nummer, int(v.Kennung), v.Id.Id1, v.Id.Id2, v.Id.Id3, v.Nummer, A.Menge,
         CZAM_ArtBewTyp4BNEWert(A.VorgTyp)});
}

// Pieces of an order position that already reached their target branch.
void ImZiel(TZAM_Datenbank& ADb, const TZAM_PersArt_ExtVerweis& V, int AFiliale, int AMenge)
{
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_bfp (verweis_art, verweis_id1, verweis_id2, verweis_id3, "
                                 "verweis_nummer, filiale, bestandsart, menge) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                  {CZAM_PersArtExtKennung_2_Kuerzel(V.Kennung), V.Id.Id1, V.Id.Id2, V.Id.Id3, V.Nummer, AFiliale,
                   CZAM_ArtBestTyp_BFWert(CZAM_ArtBestTyp_Reserviert), AMenge});
}

struct TBeleg
{
    int Nr; // header (1, Nr), document id (1, Nr, 0)
    char Herkunft;
    int BuchFiliale;
    char Auslieferung; // "A" collected in the branch, "V" shipped
    char Zahlung;      // "V" paid in advance, "K" card, "R" on account, "N" cash on delivery
    int Tag;           // order day from today
};
struct TPosition
{
    qint32 Artikel;
    int Groesse;
    int Menge;
    const char* Zustand; // "T" cancelled
    const char* Bezahlt;
};

TIntTrio BelegId(int ANr)
{
    return TIntTrio(1, ANr, 0);
}

void Beleg(TZAM_Datenbank& ADb, const TBeleg& B, const QList<TPosition>& APositionen)
{
    // The creditor's organisation is the booking branch's (100, branch).
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_atk (id1, id2, belegnr, datum, auslieferungtyp, zahlungsart, "
                                 "herkunftskz, glaeubiger1, glaeubiger2, glaeubiger_orge1, glaeubiger_orge2) "
                                 "VALUES (1, ?, ?, ?, ?, ?, ?, 4, ?, 100, ?)"),
                  {B.Nr, QString::number(B.Nr), Zeit(B.Tag, 9, B.Nr % 60), QString(QLatin1Char(B.Auslieferung)),
                   QString(QLatin1Char(B.Zahlung)), QString(QLatin1Char(B.Herkunft)), 500 + B.Nr % 3, B.BuchFiliale});
    int nr = 0;
    for (const TPosition& p : APositionen) {
        ++nr;
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_atpk (pos_id1, pos_id2, pos_id3, pos_id4, atk_id1, atk_id2, "
                                     "prod_id1, prod_id2, prod_id3, groesse, menge) VALUES (1, ?, 0, ?, 1, ?, 1, ?, 0, "
                                     "?, ?)"),
                      {B.Nr, nr, B.Nr, p.Artikel, p.Groesse, p.Menge});
        ADb.Schreiben(
            QStringLiteral("INSERT INTO zam_atpb (auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, pos_id1, "
                           "pos_id2, pos_id3, zustand, bezahlt) VALUES (1, ?, 0, ?, 1, ?, 0, ?, ?)"),
            {B.Nr, nr, B.Nr, QString::fromLatin1(p.Zustand), QString::fromLatin1(p.Bezahlt)});
    }
    Vorgang(ADb, TIntTrio(2, 2, B.Nr - 6000), 'K', Zeit(B.Tag, 9, B.Nr % 60));
}

struct TExbi
{
    int Nr; // order id (3, Nr, 0), order number "WEB-<Nr>"
    int BuchFiliale;
    int Tag;
    QList<const char*> Bezahlt; // per position
};

TIntTrio ExbiId(int ANr)
{
    return TIntTrio(3, ANr, 0);
}

void Exbi(TZAM_Datenbank& ADb, const TExbi& E)
{
    int nr = 0;
    for (const char* bezahlt : E.Bezahlt)
        ADb.Schreiben(
            QStringLiteral("INSERT INTO zam_exbi (kennung, auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, "
                           "bestellnr, datum, bezahlt, buch_filiale, herkunft, positionen) "
                           "VALUES ('WEBS', 3, ?, 0, ?, ?, ?, ?, ?, 'W', ?)"),
            {E.Nr, ++nr, QStringLiteral("WEB-%1").arg(E.Nr), Zeit(E.Tag, 20, E.Nr % 60), QString::fromLatin1(bezahlt),
             E.BuchFiliale, int(E.Bezahlt.size())});
}

} // namespace

void TZAM_DemoAufgaben::Anlegen(TZAM_Datenbank& ADb)
{
    Nachsortierung(ADb);
    Kundenbestellungen(ADb);
    ExterneBestellungen(ADb);
    Handlager(ADb);
    Laufwege(ADb);
    Preise(ADb);
}

void TZAM_DemoAufgaben::Nachsortierung(TZAM_Datenbank& ADb)
{
    // One re-sorting order line per branch (2, 1, n), the oldest for branch 12.
    const struct
    {
        int Ziel, Tag;
    } zeilen[] = {{12, -3}, {14, -2}, {17, -1}, {1, 0}};
    for (int i = 0; i < 4; ++i)
        Vorgang(ADb, TIntTrio(2, 1, i + 1), 'N', Zeit(zeilen[i].Tag, 6, 30));
    const auto zeile = [&](int AZiel) {
        for (int i = 0; i < 4; ++i)
            if (zeilen[i].Ziel == AZiel)
                return TIntTrio(2, 1, i + 1);
        return TIntTrio();
    };
    // Business cases 0 re-sorting, 1 first equipment, 2 branch relocation, 6 promotion goods.
    const TAufgabe aufgaben[] = {
        {1, 0, 12, 100001, 3, 2, -1},
        {2, 0, 12, 100002, 3, 1, -1},
        {3, 0, 12, 100006, 0, 6, 0},
        {4, 1, 12, 100008, 2, 2, 0},
        {5, 0, 14, 100001, 4, 2, 0},
        {6, 2, 14, 100005, 1, 3, 0},
        {7, 6, 14, 100004, 2, 2, 0},
        {8, 0, 14, 100007, 5, 1, 0, CZAM_Aufgabe_Status_InArbeit},
        {9, 0, 17, 100002, 5, 2, 0},
        {10, 1, 17, 100005, 1, 4, 1},
        {11, 6, 17, 100009, 4, 1, 1},
        {12, 0, 1, 100003, 4, 1, 0}, // for the warehouse's own branch
        {13, 0, 14, 100006, 0, 8, -1, CZAM_Aufgabe_Status_Teilerfuellt},
        {14, 0, 12, 100001, 6, 1, -2, CZAM_Aufgabe_Status_Erledigt},
        {15, 2, 12, 100004, 2, 1, -2, CZAM_Aufgabe_Status_Erledigt},
    };
    for (TAufgabe a : aufgaben) {
        a.Vorgang = zeile(a.Ziel);
        a.VorgTyp = 'N';
        Aufgabe(ADb, a);
        Position(ADb, a);
    }
    Erfuellung(ADb, 13, 3, 1001);
    Erfuellung(ADb, 14, 1, 1001);
    Erfuellung(ADb, 15, 1, 1002);
}

void TZAM_DemoAufgaben::Kundenbestellungen(TZAM_Datenbank& ADb)
{
    // 6001 one position; 6002 two and a cancelled one; 6003 shipped, one position unpaid; 6004
    // shipped on account, unpaid; 6005 unpaid, collected in the branch; 6006 one position already
    // in the branch; 6007 one of two positions with a task.
    Beleg(ADb, {6001, 'O', 12, 'A', 'V', -1}, {{100001, 4, 1, "", "J"}});
    Beleg(ADb, {6002, 'O', 14, 'A', 'K', -2},
          {{100002, 3, 1, "", "J"}, {100005, 1, 2, "", "J"}, {100003, 4, 1, "T", "N"}});
    Beleg(ADb, {6003, 'F', 12, 'V', 'V', -4}, {{100004, 2, 1, "", "J"}, {100008, 2, 1, "", "N"}});
    Beleg(ADb, {6004, 'T', 17, 'V', 'R', -3}, {{100006, 0, 2, "", "N"}, {100009, 4, 1, "", "N"}});
    Beleg(ADb, {6005, 'O', 12, 'A', 'N', -1}, {{100007, 6, 1, "", "N"}});
    Beleg(ADb, {6006, 'O', 14, 'A', 'K', -2},
          {{100001, 3, 1, "", "J"}, {100002, 5, 1, "", "J"}, {100006, 0, 2, "", "J"}});
    Beleg(ADb, {6007, 'F', 17, 'A', 'V', 0}, {{100005, 1, 1, "", "J"}, {100004, 2, 1, "", "J"}});
    ImZiel(ADb, TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_KuBe, BelegId(6006), 1), 14, 1);
    // The third position of 6006 was added a day later, with an order line of its own.
    Vorgang(ADb, TIntTrio(2, 2, 16), 'K', Zeit(-1, 14));

    // Collected in the branch: business case 3 for that branch; shipped: 4 from the warehouse's
    // own branch. Task, document, position. A task whose execution names no order finds it
    // through its order line's position for its target, the only one there.
    const struct
    {
        int Nr, GV, Ziel, Beleg, Pos;
        qint32 Artikel;
        int Groesse, Menge;
        int QuelleDerPosition = -1; // >= 0: the execution names no order, the position does
        int Vorgang = 0;            // order line (2, 2, n); 0: the document's (2, 2, document - 6000)
    } aufgaben[] = {
        {16, 3, 12, 6001, 1, 100001, 4, 1},
        {17, 3, 14, 6002, 1, 100002, 3, 1},
        {18, 3, 14, 6002, 2, 100005, 1, 2},
        {19, 4, 1, 6003, 1, 100004, 2, 1},
        {20, 4, 1, 6003, 2, 100008, 2, 1},
        {21, 4, 1, 6004, 1, 100006, 0, 2},
        {22, 4, 1, 6004, 2, 100009, 4, 1},
        {23, 3, 12, 6005, 1, 100007, 6, 1, 0}, // its position is for any source branch
        {24, 3, 14, 6006, 2, 100002, 5, 1},
        {25, 3, 14, 6006, 3, 100006, 0, 2, CQuelle, 16},
        {26, 3, 17, 6007, 1, 100005, 1, 1},
    };
    for (const auto& k : aufgaben) {
        TAufgabe a{k.Nr, k.GV, k.Ziel, k.Artikel, k.Groesse, k.Menge, k.Nr % 2 == 0 ? 0 : -1};
        a.Vorgang = TIntTrio(2, 2, k.Vorgang ? k.Vorgang : k.Beleg - 6000);
        a.VorgTyp = 'K';
        a.Verweis = TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_KuBe, BelegId(k.Beleg), k.Pos);
        a.KubeAusPosition = k.QuelleDerPosition >= 0;
        Aufgabe(ADb, a);
        Position(ADb, a, a.KubeAusPosition ? k.QuelleDerPosition : CQuelle, QStringLiteral("KUBE"));
    }
}

void TZAM_DemoAufgaben::ExterneBestellungen(TZAM_Datenbank& ADb)
{
    // The web shop's orders: one position paid; three paid, the second already in branch 14 and
    // without task; two unpaid, shipped; two, one of them unpaid.
    const TExbi bestellungen[] = {{240001, 12, -1, {"J"}},
                                  {240002, 14, -2, {"J", "J", "J"}},
                                  {240003, 1, -3, {"N", "N"}},
                                  {240004, 17, -1, {"J", "N"}}};
    for (const TExbi& b : bestellungen)
        Exbi(ADb, b);
    // Their tasks name no order in the execution: each position has an order line (2, 3, n) of
    // its own, which the task's finds.
    int vorgang = 0;
    const struct
    {
        int Nr, GV, Ziel, Auftrag, Pos;
        qint32 Artikel;
        int Groesse, Menge;
        bool MitAufgabe = true;
    } positionen[] = {
        {27, 3, 12, 240001, 1, 100006, 0, 2},       {28, 3, 14, 240002, 1, 100002, 3, 1},
        {0, 3, 14, 240002, 2, 100004, 2, 1, false}, {29, 3, 14, 240002, 3, 100005, 1, 2},
        {30, 4, 1, 240003, 1, 100003, 4, 1},        {31, 4, 1, 240003, 2, 100008, 2, 1},
        {32, 3, 17, 240004, 1, 100009, 4, 1},       {33, 3, 17, 240004, 2, 100002, 3, 1},
    };
    for (const auto& e : positionen) {
        TAufgabe a{e.Nr, e.GV, e.Ziel, e.Artikel, e.Groesse, e.Menge, e.Nr % 3 == 0 ? -1 : 0};
        a.Vorgang = TIntTrio(2, 3, ++vorgang);
        a.VorgTyp = 'K';
        for (const TExbi& b : bestellungen)
            if (b.Nr == e.Auftrag)
                Vorgang(ADb, a.Vorgang, a.VorgTyp, Zeit(b.Tag, 20, b.Nr % 60));
        a.Verweis = TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_EXBI, ExbiId(e.Auftrag), e.Pos);
        Position(ADb, a, CQuelle, QStringLiteral("WEBS"));
        if (e.MitAufgabe)
            Aufgabe(ADb, a);
        else
            ImZiel(ADb, a.Verweis, e.Ziel, e.Menge);
    }
}

void TZAM_DemoAufgaben::Handlager(TZAM_Datenbank& ADb)
{
    // Reasons of replenishment requests: two urgent (priority signal), one planned, one that only
    // reports (the task is fulfilled without moving goods).
    const struct
    {
        int Nr;
        const char* Bezeichnung;
        int Prio;
        bool NurAufgabe, Signal;
    } gruende[] = {
        {1, "Regal leer", 2, false, true},
        {2, "Kundenanfrage im Laden", 10, false, true},
        {3, "Auffüllen nach Plan", 5, false, false},
        {4, "Nur melden: Ware fehlt", 20, true, false},
    };
    for (const auto& g : gruende)
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_grund (gruppe, id1, id2, id3, bezeichnung, prio_reihenfolge, "
                                     "nur_aufgabe, prio_signal) VALUES (?, 1, 1, ?, ?, ?, ?, ?)"),
                      {CZAM_Grundgruppe_HLAnfo, g.Nr, QString::fromUtf8(g.Bezeichnung), g.Prio, g.NurAufgabe ? 1 : 0,
                       g.Signal ? 1 : 0});

    // Onto the wormholes WL-21 and WL-25, which stand for the branches without a warehouse.
    const TIntTrio wl21{2, 3, 1}, wl25{2, 3, 2};
    const struct
    {
        int Nr;
        TIntTrio Ziel;
        qint32 Artikel;
        int Groesse, Menge, Grund;
        int Status = CZAM_Aufgabe_Status_Offen;
    } aufgaben[] = {
        {34, wl21, 100006, 0, 6, 3}, {35, wl21, 100005, 1, 2, 1},
        {36, wl21, 100001, 3, 1, 2}, {37, wl25, 100004, 2, 2, 3},
        {38, wl25, 100002, 5, 1, 2}, {39, wl25, 100007, 5, 1, 4},
        {40, wl21, 100008, 2, 1, 4}, {41, wl25, 100006, 0, 4, 1, CZAM_Aufgabe_Status_Erledigt},
    };
    for (const auto& h : aufgaben) {
        TAufgabe a{h.Nr,
                   CZAM_Aufgabe_GV_Handlager,
                   h.Ziel == wl21 ? 21 : 25,
                   h.Artikel,
                   h.Groesse,
                   h.Menge,
                   h.Status == CZAM_Aufgabe_Status_Erledigt ? -1 : 0,
                   h.Status};
        a.Art = CZAM_Aufgabe_Art_Handlager;
        a.ZielLo = h.Ziel;
        a.Grund = TIntTrio(1, 1, h.Grund);
        Aufgabe(ADb, a);
    }
    Erfuellung(ADb, 41, 4, 1002);
}

void TZAM_DemoAufgaben::Laufwege(TZAM_Datenbank& ADb)
{
    // Over the ordinary places of a warehouse in name order, and warehouse 1's way back.
    const struct
    {
        int Nr, Lager;
        const char* Name;
        bool Rueckwaerts;
    } wege[] = {{1, 1, "Hauptgang A bis C", false}, {2, 1, "Rückweg C bis A", true}, {3, 2, "Lager Süd", false}};
    for (const auto& w : wege) {
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_laufweg (id1, id2, id3, lager, name, reihenfolge) "
                                     "VALUES (1, 1, ?, ?, ?, ?)"),
                      {w.Nr, w.Lager, QString::fromUtf8(w.Name), w.Nr});
        const TZAM_Zeilen plaetze =
            ADb.Lesen(ADb.Sql(QStringLiteral("SELECT id1, id2, id3 FROM zam_lagerort WHERE lager = ? AND art = 0 AND "
                                             "bereich NOT BETWEEN 1 AND 8 ORDER BY name {BINAER}") +
                              QLatin1String(w.Rueckwaerts ? " DESC" : "")),
                      {w.Lager});
        int pos = 0;
        for (const QVariantList& p : plaetze.Zeilen())
            ADb.Schreiben(QStringLiteral("INSERT INTO zam_laufweg_platz (laufweg_id1, laufweg_id2, laufweg_id3, pos, "
                                         "lo_id1, lo_id2, lo_id3) VALUES (1, 1, ?, ?, ?, ?, ?)"),
                          {w.Nr, pos += 10, p.at(0), p.at(1), p.at(2)});
    }
}

void TZAM_DemoAufgaben::Preise(TZAM_Datenbank& ADb)
{
    // Every size of the demo articles in every branch at the article's price;
    // the running shoe is cheaper in branch 14, so the price check asks which one was taken.
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_vkpreis (prod_id1, prod_id2, prod_id3, filiale, groesse, ab, "
                                 "preis_cent) SELECT g.prod_id1, g.prod_id2, g.prod_id3, f.nummer, g.groesse, ?, "
                                 "CASE WHEN g.prod_id2 = 100001 AND f.nummer = 14 THEN a.preis_cent - 1000 "
                                 "ELSE a.preis_cent END FROM zam_artikel_groesse g JOIN zam_artikel a ON "
                                 "a.prod_id1 = g.prod_id1 AND a.prod_id2 = g.prod_id2 AND a.prod_id3 = g.prod_id3 "
                                 "CROSS JOIN zam_filiale f WHERE g.prod_id1 = 1 AND g.prod_id2 "
                                 "BETWEEN 100001 AND 100010"),
                  {QDate(2024, 1, 1)});
}

void TZAM_DemoAufgaben::Abarbeitung(TZAM_Datenbank& ADb)
{
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_abarbeitung (nummer, lager, aktuell, gesondert) VALUES (1, 1, 0, ?)"),
                  {(1 << 2) | (1 << 5)});
    int pos = 0;
    for (const auto& [filiale, art] : {std::pair{12, 0}, {14, 2}, {1, 3}})
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_abarbeitung_vorlage (nummer, pos, filiale, art) VALUES (1, ?, ?, ?)"),
                      {++pos, filiale, art});
}

void TZAM_DemoAufgaben::Kommissionierung(TZAM_Datenbank& ADb)
{
    Vorgang(ADb, TIntTrio(2, 1, 5), 'N', Zeit(0, 6, 30));
    const struct
    {
        int Nr, Ziel, Zeile;
        qint32 Artikel;
        int Groesse, Menge;
    } aufgaben[] = {
        {50, 12, 1, 100001, 6, 3}, // A-01-01 on the route, D-01-01 off it
        {51, 14, 2, 100004, 3, 1}, // only in BEH-0007
        {52, 14, 2, 100008, 1, 3}, // only on the hall place
        {53, 14, 2, 100002, 5, 1}, // fulfilled, still open: nothing left
        {54, 21, 5, 100009, 4, 1}, // branch 21 keeps no warehouse management
    };
    for (const auto& z : aufgaben) {
        TAufgabe a{z.Nr, 0, z.Ziel, z.Artikel, z.Groesse, z.Menge};
        a.Vorgang = TIntTrio(2, 1, z.Zeile);
        a.VorgTyp = 'N';
        Aufgabe(ADb, a);
        Position(ADb, a);
    }
    Erfuellung(ADb, 53, 1, 1001);

    TAufgabe alt{55, CZAM_Aufgabe_GV_Handlager, 25, 100004, 2, 1, -30, CZAM_Aufgabe_Status_Erledigt};
    alt.Art = CZAM_Aufgabe_Art_Handlager;
    alt.ZielLo = TIntTrio(2, 3, 2);
    alt.Grund = TIntTrio(1, 1, 3);
    Aufgabe(ADb, alt);
    Erfuellung(ADb, 55, 1, 1002);

    ADb.Schreiben(QStringLiteral("UPDATE zam_vkpreis SET preis_cent = 0 WHERE prod_id1 = 1 AND prod_id2 = 100002 AND "
                                 "prod_id3 = 0 AND filiale = 17"));
}
