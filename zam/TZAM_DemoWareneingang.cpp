#include "TZAM_DemoWareneingang.h"

#include "IZAM_GPListenServer.h"
#include "TInt32Trio.h"
#include "TIntTrio.h"
#include "TZAM_BestandServerSql.h"
#include "TZAM_Datenbank.h"
#include "TZAM_DruckerKonfigSql.h"
#include "TZAM_FilialTabelleSql.h"
#include "TZAM_GPListenServerSql.h"
#include "TZAM_PersArt_ExtVerweis.h"
#include "ZAMBestandsarten.h"

#include <QDateTime>

namespace {

constexpr int CDispoTyp = 45;   // order lines of this kind are dispositions
constexpr int CDispoBewTyp = 1; // the movement type of a supplier's delivery
constexpr int CAuftrFiliale = 1;
constexpr int CAuftragsKreis = 45;
// Delivery kinds of a document head: collected in the branch ("A"), shipped from it ("V").
constexpr int CAuslieferungAbholung = 1;
constexpr int CAuslieferungVersand = 2;
// Container status of an assignment: the container is being filled.
constexpr int CBehaelterOffen = 1;
// Order type of a container assignment: the target branch belongs to the container's warehouse.
constexpr int CBestellTypEigenesLager = 1;

const TIntTrio CVerfKombiLogo{1, 1, 1}, CVerfKombiName{1, 1, 2};

QDateTime Zeit(int ATag, int AStunde)
{
    return QDateTime(QDate::currentDate().addDays(ATag), QTime(AStunde, 0));
}

TInt32Trio Produkt(qint32 AArtikel)
{
    return TInt32Trio(1, AArtikel, 0);
}

TIntTrio BelegId(int ANr)
{
    return TIntTrio(1, ANr, 0);
}

struct TKundenBeleg
{
    int Nr; // header (1, Nr), reference (1, Nr, 0) with number 1 for its single position
    int AusliefFiliale;
    char Typ; // "A" collected, "V" shipped
    qint32 Artikel;
    int Groesse, Menge;
    int BearbFiliale = 0; // the processing branch; 0 none
    int AbwFiliale = -1;  // the position's deviating delivery branch; -1 none
};

const TKundenBeleg CBelege[] = {
    {7001, 12, 'V', 100002, 4, 1},     {7002, 21, 'A', 100002, 3, 1},        {7003, 17, 'A', 100003, 3, 3, 17},
    {7004, 40, 'A', 100002, 5, 1, 40}, {7005, 51, 'A', 100002, 2, 1, 0, 50}, {7006, 17, 'A', 100009, 2, 2, 17},
    {7008, 21, 'A', 100011, 3, 2, 21}, {7009, 25, 'A', 100011, 4, 1, 0, 17},
};

struct TDispo
{
    int Auftrag; // the order 45-<Auftrag>, 0 without order
    int Nr;      // disposition (45, Auftrag, Nr)
    qint32 Artikel;
    qint64 PreisCent;
    int Tag; // the day it was disposed, from today
    bool Geschlossen = false;
};

struct TDispoPos
{
    int Auftrag, Nr;
    int Ziel, Groesse, Menge;
    int Erhalten = 0;
    int Beleg = 0; // the customer-order document whose single position the goods are for
};

const TDispo CDispos[] = {
    {1001, 1, 100002, 2250, -14},       {1001, 2, 100003, 5400, -12}, {1001, 3, 100009, 2450, -14},
    {1001, 4, 100011, 3150, -12},       {1002, 1, 100002, 2250, -7},  {1002, 2, 100009, 2450, -7},
    {1002, 3, 100008, 2250, -60, true}, {0, 1, 100003, 5400, -2},
};

const TDispoPos CDispoPositionen[] = {
    {1001, 1, 12, 2, 2},          {1001, 1, 12, 3, 3},
    {1001, 1, 21, 3, 2},          {1001, 1, 12, 4, 1, 0, 7001},
    {1001, 1, 21, 3, 1, 0, 7002}, {1001, 2, 14, 2, 4},
    {1001, 2, 14, 3, 4, 3},       {1001, 2, 17, 3, 3, 0, 7003},
    {1001, 3, 17, 2, 2, 2, 7006}, {1002, 1, 1, 1, 2},
    {1002, 1, 40, 5, 1, 0, 7004}, {1002, 1, 51, 2, 1, 0, 7005},
    {1002, 2, 12, 4, 2},          {1002, 2, 51, 3, 1},
    {1002, 3, 12, 2, 2},          {0, 1, 1, 4, 2},
    {1001, 4, 21, 3, 2, 0, 7008}, {1001, 4, 25, 4, 1, 0, 7009},
};

} // namespace

void TZAM_DemoWareneingang::Anlegen(TZAM_Datenbank& ADb)
{
    Lieferanten(ADb);
    Filialen(ADb);
    Kundenbestellungen(ADb);
    Dispositionen(ADb);
    Behaelter(ADb);
}

void TZAM_DemoWareneingang::Lieferanten(TZAM_Datenbank& ADb)
{
    // The articles' manufacturers deliver them; "Schuhfabrik Süd" (5, 701) is there already.
    const struct
    {
        int Nr;
        const char* Name;
        QList<qint32> Artikel;
    } lieferanten[] = {
        {701, "Schuhfabrik Süd", {100001, 100007}},
        {702, "Textil Nord", {100002, 100003, 100008, 100009, 100011}},
        {703, "Taschenwerk", {100004}},
        {704, "Ballmanufaktur", {100005}},
        {705, "Flaschenbau", {100006}},
        {706, "Fitnesswerk", {100010}},
    };
    for (const auto& l : lieferanten) {
        if (l.Nr != 701)
            TZAM_GPListenServerSql::Speichern(ADb, {TIntPair(5, l.Nr), l.Nr, QString::fromUtf8(l.Name), gpaLieferant});
        for (qint32 a : l.Artikel)
            ADb.Schreiben(QStringLiteral("UPDATE zam_artikel SET lieferant_id1 = 5, lieferant_id2 = ? "
                                         "WHERE prod_id1 = 1 AND prod_id2 = ? AND prod_id3 = 0"),
                          {l.Nr, a});
    }

    // Shirts get the small label; the professional shoe one for the box and one for the shoe,
    // the rowing machine and the training jacket none.
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_etikett_layout (name, breite_mm, hoehe_mm, mit_herstellernr, "
                                 "mit_dispo) VALUES ('Standard', 50, 30, 1, 1)"));
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_etikett_layout (name, breite_mm, hoehe_mm, mit_herstellernr, "
                                 "mit_dispo) VALUES ('Klein', 38, 23, 0, 1)"));
    ADb.Schreiben(QStringLiteral("UPDATE zam_artikel SET etiketten_layout = CASE WHEN prod_id2 IN (100002, 100008, "
                                 "100009) THEN 'Klein' ELSE 'Standard' END, etiketten_anzahl = CASE prod_id2 "
                                 "WHEN 100007 THEN 2 WHEN 100010 THEN 0 WHEN 100011 THEN 0 ELSE 1 END "
                                 "WHERE prod_id1 = 1 AND prod_id2 BETWEEN 100001 AND 100011"));
    TZAM_DruckerKonfigSql::Anlegen(ADb, {9, QStringLiteral("PDF")});
}

void TZAM_DemoWareneingang::Filialen(TZAM_Datenbank& ADb)
{
    const struct
    {
        int Nummer;
        const char* Name;
        bool TeamsportPlus;
    } filialen[] = {{50, "Filiale Stadion", true}, {51, "Filiale Ost", false}};
    for (const auto& d : filialen) {
        TZAM_Filiale f;
        f.Nummer = d.Nummer;
        f.Name = QString::fromUtf8(d.Name);
        f.TeamsportPlus = d.TeamsportPlus;
        f.OrgeId.OrgeId = TIntPair(100, d.Nummer);
        f.OrgeId.OrgeEbene = TIntPair(10, 2);
        TZAM_FilialTabelleSql::Speichern(ADb, f);
    }
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_filiale_nachbar (filiale1, filiale2) VALUES (17, 50)"));
}

void TZAM_DemoWareneingang::Kundenbestellungen(TZAM_Datenbank& ADb)
{
    for (const TKundenBeleg& b : CBelege) {
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_atk (id1, id2, belegnr, datum, auslieferungtyp, zahlungsart, "
                                     "herkunftskz, glaeubiger1, glaeubiger2, glaeubiger_orge1, glaeubiger_orge2, "
                                     "auslieferung_art, auslieferung_filiale) "
                                     "VALUES (1, ?, ?, ?, ?, 'V', 'O', 4, 501, 100, ?, ?, ?)"),
                      {b.Nr, QString::number(b.Nr), Zeit(-20 + b.Nr % 10, 10), QString(QLatin1Char(b.Typ)),
                       b.AusliefFiliale, b.Typ == 'V' ? CAuslieferungVersand : CAuslieferungAbholung,
                       b.AusliefFiliale});
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_atpk (pos_id1, pos_id2, pos_id3, pos_id4, atk_id1, atk_id2, "
                                     "prod_id1, prod_id2, prod_id3, groesse, menge, bearb_filiale, ausl_filiale) "
                                     "VALUES (1, ?, 0, 1, 1, ?, 1, ?, 0, ?, ?, ?, ?)"),
                      {b.Nr, b.Nr, b.Artikel, b.Groesse, b.Menge, b.BearbFiliale, b.AbwFiliale});
        ADb.Schreiben(
            QStringLiteral("INSERT INTO zam_atpb (auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, "
                           "pos_id1, pos_id2, pos_id3, zustand, bezahlt) VALUES (1, ?, 0, 1, 1, ?, 0, '', 'J')"),
            {b.Nr, b.Nr});
    }

    // 7003 is flocked with the club logo (2 pieces) and with names and numbers (1 piece); 7006
    // and 7008 with the logo.
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_verfkombi (id1, id2, id3, name) VALUES (1, 1, 1, "
                                 "'Beflockung Vereinslogo')"));
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_verfkombi (id1, id2, id3, name) VALUES (1, 1, 2, "
                                 "'Beflockung Name und Nummer')"));
    const struct
    {
        int Beleg;
        TIntTrio Kombi;
        int Groesse, Menge;
    } kombis[] = {{7003, CVerfKombiLogo, 3, 2},
                  {7003, CVerfKombiName, 3, 1},
                  {7006, CVerfKombiLogo, 2, 2},
                  {7008, CVerfKombiLogo, 3, 2}};
    for (const auto& k : kombis)
        ADb.Schreiben(
            QStringLiteral("INSERT INTO zam_verfkombi_pos (auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, "
                           "vk_id1, vk_id2, vk_id3, groesse, menge) VALUES (1, ?, 0, 1, ?, ?, ?, ?, ?)"),
            {k.Beleg, k.Kombi.Id1, k.Kombi.Id2, k.Kombi.Id3, k.Groesse, k.Menge});
}

void TZAM_DemoWareneingang::Dispositionen(TZAM_Datenbank& ADb)
{
    for (const TDispo& d : CDispos) {
        const TInt32Trio p = Produkt(d.Artikel);
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_bne (id1, id2, id3, typ, datum, prod_id1, prod_id2, prod_id3, "
                                     "bewtyp, auftrag_kreis, auftrag_nr, datum2, geschlossen, preis_cent, "
                                     "dispo_datum, liefer_frueh, liefer_spaet, lieferanten_nr) "
                                     "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                      {CDispoTyp, d.Auftrag, d.Nr, CDispoTyp, Zeit(d.Tag, 10), p.Id1, p.Id2, p.Id3, CDispoBewTyp,
                       d.Auftrag ? CAuftragsKreis : 0, d.Auftrag, Zeit(d.Tag + 14, 8), d.Geschlossen ? 1 : 0,
                       d.PreisCent, Zeit(d.Tag, 10), Zeit(d.Tag + 11, 8), Zeit(d.Tag + 21, 18),
                       QStringLiteral("TN-%1-%2").arg(d.Auftrag).arg(d.Nr)});
    }
    for (const TDispoPos& p : CDispoPositionen) {
        const TIntTrio verweis = p.Beleg ? BelegId(p.Beleg) : TIntTrio();
        const int nr = p.Beleg ? 1 : 0;
        // The reference alone names the customer order (no order text or order id).
        ADb.Schreiben(
            QStringLiteral("INSERT INTO zam_bnep (bne_id1, bne_id2, bne_id3, bne_typ, ziel_filiale, "
                           "quell_filiale, ext_kennung, ext_id1, ext_id2, ext_id3, ext_nummer, menge, bewtyp, "
                           "auftr_filiale, groesse, erhalten) VALUES (?, ?, ?, ?, ?, 0, ?, ?, ?, ?, ?, ?, ?, ?, "
                           "?, ?)"),
            {CDispoTyp, p.Auftrag, p.Nr, CDispoTyp, p.Ziel, p.Beleg ? int(CZAM_PersArtExt_KuBe) : 0, verweis.Id1,
             verweis.Id2, verweis.Id3, nr, p.Menge, CDispoBewTyp, CAuftrFiliale, p.Groesse, p.Erhalten});
    }
}

void TZAM_DemoWareneingang::Behaelter(TZAM_Datenbank& ADb)
{
    const TIntTrio we01{2, 1, 1}, beh9{5, 0, 9}, beh10{5, 0, 10}, beh11{5, 0, 11}, beh12{5, 0, 12};
    const struct
    {
        TIntTrio Id;
        const char* Name;
        TIntTrio Auf;
    } behaelter[] = {
        {beh9, "BEH-0009", {}}, {beh10, "BEH-0010", we01}, {beh11, "BEH-0011", {}}, {beh12, "BEH-0012", {}}};
    for (const auto& b : behaelter) {
        const QString name = QString::fromUtf8(b.Name);
        const bool steht = !b.Auf.IsNull();
        ADb.Schreiben(
            QStringLiteral("INSERT INTO zam_lagerort (id1, id2, id3, lager, art, name, kurz, bereich, "
                           "in_betrieb, auf_id1, auf_id2, auf_id3) VALUES (?, ?, ?, 1, 3, ?, ?, 0, 1, ?, ?, ?)"),
            {b.Id.Id1, b.Id.Id2, b.Id.Id3, name, QString(name).remove(u'-'), steht ? QVariant(b.Auf.Id1) : QVariant(),
             steht ? QVariant(b.Auf.Id2) : QVariant(), steht ? QVariant(b.Auf.Id3) : QVariant()});
        // One-way containers (type 1-2) of the warehouse itself: no branch's picking takes them.
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_behaelter (id1, id2, id3, lager, typ_id1, typ_id2) "
                                     "VALUES (?, ?, ?, 1, 1, 2)"),
                      {b.Id.Id1, b.Id.Id2, b.Id.Id3});
    }

    // BEH-0010 holds the received goods of 7006 for branch 17, which owns them; BEH-0011 waits
    // for the second combination of 7003.
    const TInt32Trio p9 = Produkt(100009);
    TZAM_BestandServerSql::Zubuchen(ADb, beh10, p9, 2, CZAM_ArtBestTyp_Frei, 2);
    const QVariantList bf = {p9.Id1, p9.Id2, p9.Id3, 17, int(CZAM_ArtBestTyp_Frei), 2};
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_bf (prod_id1, prod_id2, prod_id3, filiale, bestandsart, groesse, "
                                 "menge) VALUES (?, ?, ?, ?, ?, ?, 0) ON CONFLICT DO NOTHING"),
                  bf);
    ADb.MengeAendern(QStringLiteral("zam_bf"), QStringLiteral("menge"),
                     QStringLiteral("prod_id1 = ? AND prod_id2 = ? AND prod_id3 = ? AND filiale = ? AND "
                                    "bestandsart = ? AND groesse = ?"),
                     bf, 2);
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_lvpb (lo_id1, lo_id2, lo_id3, prod_id1, prod_id2, prod_id3, groesse, "
                                 "verweis_art, verweis_id1, verweis_id2, verweis_id3, verweis_nummer, filiale, menge) "
                                 "VALUES (?, ?, ?, ?, ?, ?, 2, ?, 1, 7006, 0, 1, 17, 2)"),
                  {beh10.Id1, beh10.Id2, beh10.Id3, p9.Id1, p9.Id2, p9.Id3, int(CZAM_PersArtExt_KuBe)});
    const QString zuordnung =
        QStringLiteral("INSERT INTO zam_lvlz (lo_id1, lo_id2, lo_id3, verweis_art, verweis_id1, verweis_id2, "
                       "verweis_id3, verweis_nummer, vk_id1, vk_id2, vk_id3, auftragstyp, status) "
                       "VALUES (?, ?, ?, ?, 1, ?, 0, 0, ?, ?, ?, ?, ?)");
    ADb.Schreiben(zuordnung, {beh10.Id1, beh10.Id2, beh10.Id3, int(CZAM_PersArtExt_KuBe), 7006, CVerfKombiLogo.Id1,
                              CVerfKombiLogo.Id2, CVerfKombiLogo.Id3, CBestellTypEigenesLager, CBehaelterOffen});
    ADb.Schreiben(zuordnung, {beh11.Id1, beh11.Id2, beh11.Id3, int(CZAM_PersArtExt_KuBe), 7003, CVerfKombiName.Id1,
                              CVerfKombiName.Id2, CVerfKombiName.Id3, CBestellTypEigenesLager, CBehaelterOffen});
}
