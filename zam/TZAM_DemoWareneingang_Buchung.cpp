// The demo's goods-receipt posting: what the count-list receipt on the handheld meets.
#include "TZAM_AuftrFilServerSql.h"
#include "TZAM_Datenbank.h"
#include "TZAM_DemoWareneingang.h"
#include "TZAM_MaskfileServerSql.h"
#include "TZAM_PersArt_ExtVerweis.h"
#include "TZAM_TerminalServerSql.h"
#include "ZAMGlobal.h"

#include <QDateTime>
#include <QSysInfo>

namespace {

constexpr int CDispoTyp = 45;
constexpr int CDispoBewTyp = 1;
constexpr int CAuftrFiliale = 1;
constexpr int CAuftragsKreis = 45;
constexpr int CAuslieferungVersand = 2;
constexpr int CAuftrag = 1003;
constexpr int CBeleg = 7007;
constexpr qint32 CArtikel = 100008; // Trikot Auswärts, Textil Nord
constexpr int CGroesse = 5;         // XL
const TIntPair CTextilNord{5, 702};

QDateTime Zeit(int ATag, int AStunde)
{
    return QDateTime(QDate::currentDate().addDays(ATag), QTime(AStunde, 0));
}

// The terminal that creates the demo: the program object's, else the host's name.
QString Terminal()
{
    return ZAMDienste().Programm ? ZAMDienste().Programm->TerminalID() : QSysInfo::machineHostName();
}

} // namespace

void TZAM_DemoWareneingang::Buchung(TZAM_Datenbank& ADb)
{
    // Customer order 7007, shipped from branch 12: 3 pieces XL of the away shirt.
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_atk (id1, id2, belegnr, datum, auslieferungtyp, zahlungsart, "
                                 "herkunftskz, glaeubiger1, glaeubiger2, glaeubiger_orge1, glaeubiger_orge2, "
                                 "auslieferung_art, auslieferung_filiale) "
                                 "VALUES (1, ?, ?, ?, 'V', 'V', 'O', 4, 501, 100, 12, ?, 12)"),
                  {CBeleg, QString::number(CBeleg), Zeit(-4, 10), CAuslieferungVersand});
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_atpk (pos_id1, pos_id2, pos_id3, pos_id4, atk_id1, atk_id2, "
                                 "prod_id1, prod_id2, prod_id3, groesse, menge, bearb_filiale, ausl_filiale) "
                                 "VALUES (1, ?, 0, 1, 1, ?, 1, ?, 0, ?, 3, 0, -1)"),
                  {CBeleg, CBeleg, CArtikel, CGroesse});
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_atpb (auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, "
                                 "pos_id1, pos_id2, pos_id3, zustand, bezahlt) VALUES (1, ?, 0, 1, 1, ?, 0, '', 'J')"),
                  {CBeleg, CBeleg});

    // Disposition 45-1003-1 in XL: 3 for 7007 at branch 12, 4 for branch 21 outside the
    // warehouse, 6 for branch 14. Ten pieces counted for branch 1 in branch-reservation mode go
    // 3 (7007), 4 (21), 3 (14).
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_bne (id1, id2, id3, typ, datum, prod_id1, prod_id2, prod_id3, "
                                 "bewtyp, auftrag_kreis, auftrag_nr, datum2, geschlossen, preis_cent, "
                                 "dispo_datum, liefer_frueh, liefer_spaet, lieferanten_nr) "
                                 "VALUES (?, ?, 1, ?, ?, 1, ?, 0, ?, ?, ?, ?, 0, 2250, ?, ?, ?, ?)"),
                  {CDispoTyp, CAuftrag, CDispoTyp, Zeit(-3, 10), CArtikel, CDispoBewTyp, CAuftragsKreis, CAuftrag,
                   Zeit(4, 8), Zeit(-3, 10), Zeit(1, 8), Zeit(11, 18), QStringLiteral("TN-%1-1").arg(CAuftrag)});
    const struct
    {
        int Ziel, Menge;
        bool Kunde;
    } positionen[] = {{12, 3, true}, {21, 4, false}, {14, 6, false}};
    for (const auto& p : positionen)
        ADb.Schreiben(
            QStringLiteral("INSERT INTO zam_bnep (bne_id1, bne_id2, bne_id3, bne_typ, ziel_filiale, quell_filiale, "
                           "ext_kennung, ext_id1, ext_id2, ext_id3, ext_nummer, menge, bewtyp, auftr_filiale, "
                           "groesse, erhalten) VALUES (?, ?, 1, ?, ?, 0, ?, ?, ?, 0, ?, ?, ?, ?, ?, 0)"),
            {CDispoTyp, CAuftrag, CDispoTyp, p.Ziel, p.Kunde ? int(CZAM_PersArtExt_KuBe) : 0, p.Kunde ? 1 : 0,
             p.Kunde ? CBeleg : 0, p.Kunde ? 1 : 0, p.Menge, CDispoBewTyp, CAuftrFiliale, CGroesse});

    // The ball is blocked for goods receipt; the bag comes marked by its manufacturer.
    ADb.Schreiben(QStringLiteral("UPDATE zam_artikel SET we_gesperrt = 1 WHERE prod_id1 = 1 AND prod_id2 = 100005 "
                                 "AND prod_id3 = 0"));
    ADb.Schreiben(QStringLiteral("UPDATE zam_artikel SET auszeichnungsart = 2 WHERE prod_id1 = 1 AND "
                                 "prod_id2 = 100004 AND prod_id3 = 0"));

    // Textil Nord's order branches: branch 1 orders for the warehouse's branches and branch 21,
    // branch 17 for itself and the stadium branch.
    TZAM_AuftrFilServerSql(ADb).Speichern(CTextilNord, {{1, {1, 12, 14, 17, 21}}, {17, {17, 50}}});

    // The handheld's goods receipt asks before printing labels, on the terminal that creates the
    // demo.
    const int terminal = TZAM_TerminalServerSql(ADb).TerminalNummer(Terminal());
    TZAM_MaskfileServerSql(ADb).Schreiben({QStringLiteral("DEU"), QStringLiteral("LV"), QStringLiteral("RECHCONF"),
                                           QStringLiteral("LPNEU"), QString::number(terminal)},
                                          QStringLiteral("cmbEtikettenDruck.Text=Fragen"));
}
