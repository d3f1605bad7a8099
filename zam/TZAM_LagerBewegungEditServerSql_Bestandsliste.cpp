// The movement service's stock lists, in the columns of the storage-information lists: the stock
// of a place (with the containers on it) and the stock of a product in a warehouse.
#include "TZAM_LagerBewegungEditServerSql.h"

#include "TVRList.h"
#include "TZAM_CodeForm.h"
#include "TZAM_Datenbank.h"
#include "TZAM_Hausregel.h"
#include "TZAM_Lagerort_Info.h"
#include "Vrtools.h"
#include "ZAMSucheListeSpalten.h"

#include <QMap>

namespace {

// The place a container stands on (through containers standing in containers); null when it
// stands on none.
struct TPlatz
{
    TIntTrio Id;
    QString Name;
};

TPlatz Platz_4_Behaelter(TZAM_Datenbank& ADb, const TIntTrio& ABehaelter)
{
    TIntTrio id = ABehaelter;
    for (int tiefe = 0; tiefe < 32; ++tiefe) { // a cycle in the data ends the walk
        const TZAM_Zeilen z = ADb.Lesen(
            QStringLiteral("SELECT p.id1, p.id2, p.id3, p.art, p.name FROM zam_lagerort c JOIN zam_lagerort p "
                           "ON p.id1 = c.auf_id1 AND p.id2 = c.auf_id2 AND p.id3 = c.auf_id3 "
                           "WHERE c.id1 = ? AND c.id2 = ? AND c.id3 = ?"),
            {id.Id1, id.Id2, id.Id3});
        if (z.IsEmpty())
            return {};
        const QVariantList& r = z.Zeilen().first();
        id = Trio(r, 0);
        if (r.at(3).toInt() != CZAM_Lagerort_Behaelter)
            return {id, r.at(4).toString()};
    }
    return {};
}

void Setzen(TVRList& AListe, int AZeile, int ASpalte, const TVRItem& AWert)
{
    AListe.SetCellValue(AZeile, ASpalte, AWert);
}

template <class T, class F> TVRItem Zelle(const T& AWert, F AKonverter)
{
    TVRItem i;
    AKonverter(AWert, i);
    return i;
}

} // namespace

void TZAM_LagerBewegungEditServerSql::Bestandsliste(const QString& AMit, const QString& AFilter,
                                                    const QVariantList& AWerte, TVRList& AListe, bool AJeLagerort)
{
    AListe.ColumnsClear();
    // Column 0 groups; 1..20 are the catalogue's columns, the ones never shown hidden.
    AListe.ColumnAdd(QString(), vrtString, 0, false);
    for (int s = 1; s <= CSucheListeCol_Letzte; ++s) {
        const TSucheListeColInfo& info = CQIV_SucheListeCols(s);
        AListe.ColumnAdd(info.Caption, info.Typ, info.Breite, info.Verwendbar);
    }
    // Per place the article and size columns are those of the smallest size (the filter names one
    // product).
    const QString artikel = AJeLagerort
                                ? QStringLiteral("MIN(b.prod_id1), MIN(b.prod_id2), MIN(b.prod_id3), "
                                                 "MIN(b.groesse), SUM(b.menge), MIN(a.artnr), MIN(a.bezeichnung), "
                                                 "MIN(a.hersteller), MIN(a.farbe), MIN(g.name)")
                                : QStringLiteral("b.prod_id1, b.prod_id2, b.prod_id3, b.groesse, SUM(b.menge), "
                                                 "a.artnr, a.bezeichnung, a.hersteller, a.farbe, g.name");
    const QString artikelGruppe = AJeLagerort
                                      ? QString()
                                      : QStringLiteral("b.prod_id1, b.prod_id2, b.prod_id3, b.groesse, "
                                                       "a.artnr, a.bezeichnung, a.hersteller, a.farbe, g.name, ");
    const TZAM_Zeilen z = FDb.Lesen(
        AMit +
            QStringLiteral("SELECT o.id1, o.id2, o.id3, o.art, o.name, o.lager, o.filiale, COALESCE(c.filiale, -1), ") +
            artikel +
            QStringLiteral(", u.id1, u.id2, u.id3, u.art, u.name FROM zam_bestand b JOIN zam_lagerort o ON "
                           "o.id1 = b.lo_id1 AND o.id2 = b.lo_id2 AND o.id3 = b.lo_id3 LEFT JOIN zam_lagerort u ON "
                           "u.id1 = o.auf_id1 AND u.id2 = o.auf_id2 AND u.id3 = o.auf_id3 "
                           "LEFT JOIN zam_behaelter c ON c.id1 = o.id1 AND c.id2 = o.id2 AND c.id3 = o.id3 "
                           "LEFT JOIN zam_artikel a ON a.prod_id1 = b.prod_id1 AND a.prod_id2 = b.prod_id2 "
                           "AND a.prod_id3 = b.prod_id3 LEFT JOIN zam_artikel_groesse g ON g.prod_id1 = b.prod_id1 "
                           "AND g.prod_id2 = b.prod_id2 AND g.prod_id3 = b.prod_id3 AND g.groesse = b.groesse "
                           "WHERE b.menge > 0 AND ") +
            AFilter + QStringLiteral(" GROUP BY o.id1, o.id2, o.id3, o.art, o.name, o.lager, o.filiale, c.filiale, ") +
            artikelGruppe + QStringLiteral("u.id1, u.id2, u.id3, u.art, u.name"),
        AWerte);
    QMap<QString, TPlatz> plaetze; // containers in containers already walked
    for (const QVariantList& r : z.Zeilen()) {
        const TIntTrio ort = Trio(r, 0);
        TPlatz platz{ort, r.at(4).toString()};
        const bool behaelter = r.at(3).toInt() == CZAM_Lagerort_Behaelter;
        if (behaelter) {
            // Mostly a container stands on a place; one standing in another is walked up.
            const TIntTrio auf = Trio(r, 18);
            if (r.at(18).isNull())
                platz = {};
            else if (r.at(21).toInt() != CZAM_Lagerort_Behaelter)
                platz = {auf, r.at(22).toString()};
            else {
                const QString schluessel = auf.ToText();
                if (!plaetze.contains(schluessel))
                    plaetze.insert(schluessel, Platz_4_Behaelter(FDb, auf));
                platz = plaetze.value(schluessel);
            }
        }
        const int filiale = r.at(7).toInt() >= 0 ? r.at(7).toInt() : r.at(6).toInt();
        const int i = AListe.RowAdd(AListe.VRArray_ForRowAdd_Generate());
        Setzen(AListe, i, 1, Zelle(r.at(5).toInt(), Integer2VRItem));
        if (filiale >= 0)
            Setzen(AListe, i, 2, Zelle(filiale, Integer2VRItem));
        if (platz.Id.Defined()) {
            Setzen(AListe, i, 3, Zelle(platz.Name, String2VRItem));
            Setzen(AListe, i, 4, Zelle(platz.Id, IntTrio2VRItem));
        }
        if (behaelter) {
            Setzen(AListe, i, 5, Zelle(r.at(4).toString(), String2VRItem));
            Setzen(AListe, i, 6, Zelle(ort, IntTrio2VRItem));
        }
        const TInt32Trio produkt(r.at(8).toInt(), r.at(9).toInt(), r.at(10).toInt());
        Setzen(AListe, i, 7, Zelle(produkt, Int32Trio2VRItem));
        Setzen(
            AListe, i, 8,
            Zelle(r.at(13).isNull() ? produkt.ToText() : TZAM_CodeForm::ArtNr_Text(r.at(13).toInt()), String2VRItem));
        Setzen(AListe, i, 9, Zelle(r.at(17).toString(), String2VRItem));
        Setzen(AListe, i, 10, Zelle(int(r.at(12).toLongLong()), Integer2VRItem));
        for (int s = 11; s <= 13; ++s)
            Setzen(AListe, i, s, Zelle(r.at(s + 3).toString(), String2VRItem));
        Setzen(AListe, i, 20, Zelle(r.at(11).toInt(), Integer2VRItem));
    }
    // By place, its own goods before its containers', then by article and size.
    AListe.Sort({{3, srAufsteigend},
                 {4, srAufsteigend},
                 {5, srAufsteigend},
                 {6, srAufsteigend},
                 {8, srAufsteigend},
                 {20, srAufsteigend}});
}

bool TZAM_LagerBewegungEditServerSql::Bestandsliste_4_Lagerort(const TIntTrio& ALagerort, TVRList& AListe)
{
    // The place and everything standing on it, at any depth.
    const bool ok = TZAM_Hausregel::Kern(nullptr, "TZAM_LagerBewegungEditServerSql.Bestandsliste_4_Lagerort", 0, [&] {
        Bestandsliste(QStringLiteral("WITH RECURSIVE innen (id1, id2, id3) AS (SELECT CAST(? AS INTEGER), "
                                     "CAST(? AS INTEGER), CAST(? AS INTEGER) UNION SELECT u.id1, u.id2, u.id3 "
                                     "FROM zam_lagerort u JOIN innen i ON u.auf_id1 = i.id1 AND u.auf_id2 = i.id2 "
                                     "AND u.auf_id3 = i.id3) "),
                      QStringLiteral("EXISTS (SELECT 1 FROM innen i WHERE i.id1 = o.id1 AND i.id2 = o.id2 "
                                     "AND i.id3 = o.id3)"),
                      {ALagerort.Id1, ALagerort.Id2, ALagerort.Id3}, AListe);
    });
    if (!ok)
        AListe.RowsClear();
    return ok;
}

bool TZAM_LagerBewegungEditServerSql::Bestandsliste_4_Produkt(const TInt32Trio& AProduktId, int ALager, TVRList& AListe,
                                                              bool AJeLagerort)
{
    const bool ok = TZAM_Hausregel::Kern(nullptr, "TZAM_LagerBewegungEditServerSql.Bestandsliste_4_Produkt", 0, [&] {
        Bestandsliste({}, QStringLiteral("b.prod_id1 = ? AND b.prod_id2 = ? AND b.prod_id3 = ? AND o.lager = ?"),
                      {AProduktId.Id1, AProduktId.Id2, AProduktId.Id3, ALager}, AListe, AJeLagerort);
    });
    if (!ok)
        AListe.RowsClear();
    return ok;
}
