// The demo's purchase orders as the WE-Plus order entry finds them: the house's own numbers, the
// number ranges 45 (an order range by its kind) and 46 (by the record type the object "ARTV"
// knows), an order of range 46 and one whose goods are all received.
#include "TInt32Trio.h"
#include "TZAM_Datenbank.h"
#include "TZAM_DemoWareneingang.h"
#include "TZAM_GPListenServerSql.h"
#include "TZAM_RechteServerSql.h"

#include <QDateTime>

namespace {

constexpr int CDispoTyp = 45;
constexpr int CDispoBewTyp = 1;
constexpr int CAuftrFiliale = 1;
constexpr int CSatzTypAuftrag = 12;
const TIntPair CTextilNord{5, 702};

QDateTime Zeit(int ATag, int AStunde)
{
    return QDateTime(QDate::currentDate().addDays(ATag), QTime(AStunde, 0));
}

} // namespace

void TZAM_DemoWareneingang::Bestellungen(TZAM_Datenbank& ADb)
{
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_nummernkreis (tabellenart, nummer, art, satztyp, reihenfolge) "
                                 "VALUES (2, 45, 7, 0, 1), (2, 46, 0, ?, 2), (2, 47, 0, 99, 3)"),
                  {CSatzTypAuftrag});
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_objekt_satztyp (objekt, satztyp) VALUES ('ARTV', ?)"),
                  {CSatzTypAuftrag});
    const struct
    {
        int Kreis, Nr;
        const char* Eigene;
        int Tag;
    } bestellungen[] = {
        {45, 1001, "4711", -14}, {45, 1002, "4712", -7}, {46, 77, "BEST-77", -5}, {45, 1004, "4714", -30}};
    for (const auto& b : bestellungen)
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_bestellung (auftrag_kreis, auftrag_nr, eigene_nr, "
                                     "lieferant_id1, lieferant_id2, datum) VALUES (?, ?, ?, ?, ?, ?)"),
                      {b.Kreis, b.Nr, QString::fromUtf8(b.Eigene), CTextilNord.Id1, CTextilNord.Id2, Zeit(b.Tag, 9)});

    // 46-77: the rain jacket (100003) for branch 12 in size 3; 45-1004: the goalkeeper shirt (100009), all
    // received.
    const struct
    {
        int Kreis, Nr;
        TInt32Trio Produkt;
        int Tag, Groesse, Menge, Erhalten;
    } dispos[] = {{46, 77, {1, 100003, 0}, -5, 3, 2, 0}, {45, 1004, {1, 100009, 0}, -30, 2, 2, 2}};
    for (const auto& d : dispos) {
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_bne (id1, id2, id3, typ, datum, prod_id1, prod_id2, prod_id3, "
                                     "bewtyp, auftrag_kreis, auftrag_nr, datum2, geschlossen, preis_cent, "
                                     "dispo_datum, liefer_frueh, liefer_spaet, lieferanten_nr) "
                                     "VALUES (?, ?, 1, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 5400, ?, ?, ?, ?)"),
                      {CDispoTyp, d.Nr, CDispoTyp, Zeit(d.Tag, 10), d.Produkt.Id1, d.Produkt.Id2, d.Produkt.Id3,
                       CDispoBewTyp, d.Kreis, d.Nr, Zeit(d.Tag + 14, 8), Zeit(d.Tag, 10), Zeit(d.Tag + 11, 8),
                       Zeit(d.Tag + 21, 18), QStringLiteral("TN-%1-%2").arg(d.Kreis).arg(d.Nr)});
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_bnep (bne_id1, bne_id2, bne_id3, bne_typ, ziel_filiale, "
                                     "quell_filiale, menge, bewtyp, auftr_filiale, groesse, erhalten) "
                                     "VALUES (?, ?, 1, ?, 12, 0, ?, ?, ?, ?, ?)"),
                      {CDispoTyp, d.Nr, CDispoTyp, d.Menge, CDispoBewTyp, CAuftrFiliale, d.Groesse, d.Erhalten});
    }

    // Frieda Fink may use the handheld (380, 381) and receive with WE-Plus (482); her receipt of
    // 45-1001 was interrupted after two pieces of the home shirt for branch 12, on A-01-01.
    const TIntPair frieda(1, 1004);
    TZAM_GPListenServerSql::Speichern(ADb, {frieda, frieda.Id2, QStringLiteral("Frieda Fink"), gpaMitarbeiter});
    TZAM_RechteServerSql::BenutzerAnlegen(ADb, QStringLiteral("frieda"), QStringLiteral("frieda12"), {2, 4}, frieda);
    TZAM_RechteServerSql::RechteVergeben(ADb, {2, 4}, {380, 381, 482});
    for (int groesse : {2, 3})
        ADb.Schreiben(QStringLiteral("INSERT INTO zam_scansatz (typ, offen, auftrag_text, lieferschein, prod_id1, "
                                     "prod_id2, prod_id3, groesse, menge, lo_id1, lo_id2, lo_id3, dispo_id1, "
                                     "dispo_id2, dispo_id3, mita_id1, mita_id2, datum1, datum2, kennzeichen, "
                                     "lieferant_id1, lieferant_id2, lager_filiale) VALUES (2, 1, '45-1001', "
                                     "'LS-4711', 1, 100002, 0, ?, 1, 1, 1, 1, 45, 1001, 1, ?, ?, ?, ?, 2, ?, ?, 12)"),
                      {groesse, frieda.Id1, frieda.Id2, Zeit(0, 9), Zeit(0, 9), CTextilNord.Id1, CTextilNord.Id2});
}
