#include "ZAMSucheListeSpalten.h"

#include "EZAM_Exception.h"
#include "ZAMInfoKoords.h"

#include <array>

namespace {

using S = TSucheListeColInfo;

// Caption, value type, width, usable, short code; index 0 is column 1. The key columns carry the
// keys behind the names (cell taps), 20 a sort order of the service: never shown.
const std::array<S, CSucheListeCol_Letzte> CSpalten = {{
    {QStringLiteral("Lager"), vrtInteger, 40, true, QStringLiteral("LAG")},
    {QStringLiteral("Filiale"), vrtInteger, 40, true, QStringLiteral("FIL")},
    {QStringLiteral("Lagerplatz"), vrtString, 90, true, QStringLiteral("LP")},
    {QStringLiteral("Lagerplatz-ID"), vrtIntTrio, 110, false, QStringLiteral("LPID")},
    {QStringLiteral("Behälter"), vrtString, 90, true, QStringLiteral("BEH")},
    {QStringLiteral("Behälter-ID"), vrtIntTrio, 110, false, QStringLiteral("BEHID")},
    {QStringLiteral("Produkt-ID"), vrtInt32Trio, 110, false, QStringLiteral("PRODID")},
    {QStringLiteral("Artikelnummer"), vrtString, 90, true, QStringLiteral("ARTNR")},
    {QStringLiteral("Größe"), vrtString, 40, true, QStringLiteral("GR")},
    {QStringLiteral("Menge"), vrtInteger, 40, true, QStringLiteral("ME")},
    {QStringLiteral("Bezeichnung"), vrtString, 140, true, QStringLiteral("BEZ")},
    {QStringLiteral("Hersteller"), vrtString, 90, true, QStringLiteral("HERST")},
    {QStringLiteral("Farbe"), vrtString, 70, true, QStringLiteral("FARBE")},
    {QStringLiteral("Lieferant"), vrtString, 120, true, QStringLiteral("LIEF")},
    {QStringLiteral("Bemerkung"), vrtString, 160, true, QStringLiteral("BEM")},
    {QStringLiteral("Preis"), vrtDouble, 60, true, QStringLiteral("PREIS")},
    {QStringLiteral("Regulärer Verkaufspreis"), vrtDouble, 60, true, QStringLiteral("RVK")},
    {QStringLiteral("Kundenverkaufspreis"), vrtDouble, 60, true, QStringLiteral("KVK")},
    {QStringLiteral("Unverbindliche Preisempfehlung"), vrtDouble, 60, true, QStringLiteral("UVP")},
    {QStringLiteral("Sortierfolge"), vrtInteger, 40, false, QStringLiteral("SORT")},
}};

} // namespace

const TSucheListeColInfo& CQIV_SucheListeCols(TSucheListeColErw ASpalte)
{
    if (ASpalte < 1 || ASpalte > CSucheListeCol_Letzte)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter,
                             QStringLiteral("Suchlistenspalte %1").arg(ASpalte));
    return CSpalten[size_t(ASpalte - 1)];
}

const QList<TSucheListeColErw>& CSucheListeColLO()
{
    // A place holds containers and articles; the place itself is the list's caption.
    static const QList<TSucheListeColErw> C{1, 2, 5, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
    return C;
}

const QList<TSucheListeColErw>& CSucheListeColArt()
{
    // An article lies on places and in containers; the article is the list's caption.
    static const QList<TSucheListeColErw> C{1, 3, 5, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19};
    return C;
}

QString CZAM_SucheListeCols_2_Kuerzel(TSucheListeColErw ASpalte)
{
    if (ASpalte == CSucheListeCol_Keine)
        return {};
    return CQIV_SucheListeCols(ASpalte).Kuerzel;
}

TSucheListeColErw Kuerzel2SucheListeCols(const QString& AKuerzel)
{
    for (size_t i = 0; i < CSpalten.size(); ++i)
        if (CSpalten[i].Kuerzel == AKuerzel)
            return TSucheListeColErw(i + 1);
    return CSucheListeCol_Keine;
}
