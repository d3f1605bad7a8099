#include "ZAMAufgabenlisteSpalten.h"

#include "EZAM_Exception.h"
#include "ZAMInfoKoords.h"

#include <array>

namespace {

using S = TZAM_AufgabenlisteSpalteInfo;

// Caption, value type, width, short code, usable.
const std::array<S, CZAM_AufgabenListe_SpaltenAnzahl> CSpalten = {{
    {QStringLiteral("Aufgabenart"), vrtString, 60, QStringLiteral("ART"), true},
    {QStringLiteral("Kennung"), vrtString, 60, QStringLiteral("KENN"), true},
    {QStringLiteral("Termin"), vrtDate, 70, QStringLiteral("TERM"), true},
    {QStringLiteral("Erteiler"), vrtString, 90, QStringLiteral("ERT"), true},
    {QStringLiteral("Erstelldatum"), vrtDate, 70, QStringLiteral("ERDAT"), true},
    {QStringLiteral("Erstelluhrzeit"), vrtTime, 60, QStringLiteral("ERZEIT"), true},
    {QStringLiteral("Bearbeitungsdatum"), vrtDate, 70, QStringLiteral("BEDAT"), true},
    {QStringLiteral("Bearbeitungsuhrzeit"), vrtTime, 60, QStringLiteral("BEZEIT"), true},
    {QStringLiteral("Priorität"), vrtInteger, 40, QStringLiteral("PRIO"), true},
    {QStringLiteral("Status"), vrtString, 60, QStringLiteral("STAT"), true},
    {QStringLiteral("Aufgaben-ID"), vrtIntTrio, 110, QStringLiteral("AUFID"), false},
    {QStringLiteral("Artikelnummer"), vrtString, 90, QStringLiteral("ARTNR"), true},
    {QStringLiteral("Produkt-ID"), vrtInt32Trio, 110, QStringLiteral("PRODID"), false},
    {QStringLiteral("Bezeichnung"), vrtString, 140, QStringLiteral("BEZ"), true},
    {QStringLiteral("Hersteller"), vrtString, 90, QStringLiteral("HERST"), true},
    {QStringLiteral("Herstellernummer"), vrtString, 60, QStringLiteral("HNR"), true},
    {QStringLiteral("Hersteller-Artikelnummer"), vrtString, 90, QStringLiteral("HARTNR"), true},
    {QStringLiteral("Material"), vrtString, 80, QStringLiteral("MAT"), true},
    {QStringLiteral("Farbe"), vrtString, 70, QStringLiteral("FARBE"), true},
    {QStringLiteral("Preis"), vrtDouble, 60, QStringLiteral("PREIS"), true},
    {QStringLiteral("Menge"), vrtInteger, 40, QStringLiteral("MENGE"), true},
    {QStringLiteral("Größe"), vrtString, 40, QStringLiteral("GR"), true},
    {QStringLiteral("Größe lang"), vrtString, 60, QStringLiteral("GRLANG"), true},
    {QStringLiteral("Größenindex"), vrtInteger, 40, QStringLiteral("GRIND"), true},
    {QStringLiteral("Von-Filiale"), vrtInteger, 50, QStringLiteral("VONFIL"), true},
    {QStringLiteral("An-Filiale"), vrtInteger, 50, QStringLiteral("ANFIL"), true},
    {QStringLiteral("Lagerplatz"), vrtString, 90, QStringLiteral("LP"), true},
    {QStringLiteral("Lagerplatz-ID"), vrtIntTrio, 110, QStringLiteral("LPID"), false},
    {QStringLiteral("An-Lagerplatz"), vrtString, 90, QStringLiteral("ANLP"), true},
    {QStringLiteral("An-Lagerplatz-ID"), vrtIntTrio, 110, QStringLiteral("ANLPID"), false},
    {QStringLiteral("Behälter"), vrtString, 90, QStringLiteral("BEH"), true},
    {QStringLiteral("Behälter-ID"), vrtIntTrio, 110, QStringLiteral("BEHID"), false},
    {QStringLiteral("Erfüllte Menge"), vrtInteger, 50, QStringLiteral("ERFM"), true},
    {QStringLiteral("Restmenge"), vrtInteger, 50, QStringLiteral("RESTM"), true},
    {QStringLiteral("Vorgangstyp"), vrtString, 40, QStringLiteral("BNETYP"), true},
    {QStringLiteral("Vorgangs-ID"), vrtIntTrio, 110, QStringLiteral("BNEID"), false},
    {QStringLiteral("Erfüllungs-ID"), vrtIntTrio, 110, QStringLiteral("ERFID"), false},
    {QStringLiteral("Externer Verweis"), vrtString, 90, QStringLiteral("EXTV"), true},
    {QStringLiteral("Belegnummer"), vrtString, 90, QStringLiteral("BELNR"), true},
    {QStringLiteral("Beleg-ID"), vrtIntTrio, 110, QStringLiteral("BELID"), false},
    {QStringLiteral("Webshop-Nummer"), vrtString, 90, QStringLiteral("WEBNR"), true},
    {QStringLiteral("Listennummer"), vrtString, 60, QStringLiteral("LISTNR"), true},
    {QStringLiteral("Kunde"), vrtString, 120, QStringLiteral("KUNDE"), true},
    {QStringLiteral("Lagernummer"), vrtInteger, 50, QStringLiteral("LAGNR"), true},
    {QStringLiteral("Einkaufspreis"), vrtDouble, 60, QStringLiteral("IVK"), true},
    {QStringLiteral("Regulärer Verkaufspreis"), vrtDouble, 60, QStringLiteral("RVK"), true},
    {QStringLiteral("Kundenverkaufspreis"), vrtDouble, 60, QStringLiteral("KVK"), true},
    {QStringLiteral("Herkunft"), vrtString, 60, QStringLiteral("HERK"), true},
    {QStringLiteral("Geschäftsvorfall kurz"), vrtString, 40, QStringLiteral("GVK"), true},
    {QStringLiteral("Herkunft lang"), vrtString, 90, QStringLiteral("HERKL"), true},
    {QStringLiteral("Geschäftspartner-ID"), vrtIntPair, 100, QStringLiteral("GEPID"), false},
    {QStringLiteral("Organisations-ID"), vrtIntPair, 100, QStringLiteral("ORGEID"), false},
    {QStringLiteral("Bild"), vrtString, 60, QStringLiteral("BILD"), true},
    {QStringLiteral("Hersteller kurz"), vrtString, 60, QStringLiteral("HERSTK"), true},
    {QStringLiteral("Erteiler kurz"), vrtString, 60, QStringLiteral("ERTK"), true},
    {QStringLiteral("Warengruppe"), vrtString, 80, QStringLiteral("WGR"), true},
    {QStringLiteral("Merkmal 1"), vrtString, 60, QStringLiteral("MM1"), true},
    {QStringLiteral("Merkmal 2"), vrtString, 60, QStringLiteral("MM2"), true},
    {QStringLiteral("Merkmal 3"), vrtString, 60, QStringLiteral("MM3"), true},
    {QStringLiteral("Merkmal 4"), vrtString, 60, QStringLiteral("MM4"), true},
    {QStringLiteral("Merkmal 5"), vrtString, 60, QStringLiteral("MM5"), true},
    {QStringLiteral("Merkmal 6"), vrtString, 60, QStringLiteral("MM6"), true},
    {QStringLiteral("Eigenes Merkmal 1"), vrtString, 60, QStringLiteral("EM1"), true},
    {QStringLiteral("Geschäftsvorfall"), vrtString, 90, QStringLiteral("GV"), true},
    {QStringLiteral("GTIN"), vrtString, 100, QStringLiteral("GTIN"), true},
    {QStringLiteral("Artikelbezeichnung"), vrtString, 140, QStringLiteral("ARTBEZ"), true},
    {QStringLiteral("Aufgabenart (original)"), vrtString, 60, QStringLiteral("ARTORG"), true},
    {QStringLiteral("Zahlart"), vrtString, 60, QStringLiteral("ZAHLART"), true},
    {QStringLiteral("Bezahlt"), vrtBoolean, 40, QStringLiteral("BEZAHLT"), true},
    {QStringLiteral("Anzahl Artikelpositionen"), vrtInteger, 40, QStringLiteral("ANZPOS"), true},
    {QStringLiteral("Eigenes Merkmal 2"), vrtString, 60, QStringLiteral("EM2"), true},
    {QStringLiteral("Eigenes Merkmal 3"), vrtString, 60, QStringLiteral("EM3"), true},
    {QStringLiteral("Eigenes Merkmal 4"), vrtString, 60, QStringLiteral("EM4"), true},
    {QStringLiteral("Eigenes Merkmal 5"), vrtString, 60, QStringLiteral("EM5"), true},
    {QStringLiteral("Eigenes Merkmal 6"), vrtString, 60, QStringLiteral("EM6"), true},
    {QStringLiteral("Eigenes Merkmal 7"), vrtString, 60, QStringLiteral("EM7"), true},
    {QStringLiteral("Eigenes Merkmal 8"), vrtString, 60, QStringLiteral("EM8"), true},
    {QStringLiteral("Eigenes Merkmal 9"), vrtString, 60, QStringLiteral("EM9"), true},
    {QStringLiteral("Eigenes Merkmal 10"), vrtString, 60, QStringLiteral("EM10"), true},
    {QStringLiteral("Laufende Nummer"), vrtInteger, 30, QStringLiteral("LFDNR"), true},
    {QStringLiteral("Artikelgruppe Auftrag"), vrtString, 60, QStringLiteral("AGRAUF"), true},
    {QStringLiteral("Artikelgruppe Etikett"), vrtString, 60, QStringLiteral("AGRETI"), true},
    {QStringLiteral("Artikelgruppe Lieferant"), vrtString, 60, QStringLiteral("AGRLIE"), true},
    {QStringLiteral("Anforderungsgrund"), vrtIntTrio, 110, QStringLiteral("ANFOGR"), false},
}};

} // namespace

const TZAM_AufgabenlisteSpalteInfo& CZAM_Aufgabenliste_Spalten(TZAM_AufgabenListe_Spalte ASpalte)
{
    if (ASpalte < 0 || ASpalte >= CZAM_AufgabenListe_SpaltenAnzahl)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter,
                             QStringLiteral("Aufgabenlistenspalte %1").arg(ASpalte));
    return CSpalten[size_t(ASpalte)];
}

QString CZAM_AufgabenListe_Spalte_2_Kuerzel(TZAM_AufgabenListe_Spalte ASpalte)
{
    if (ASpalte == CZAM_AufgabenListe_Spalte_Keine)
        return {};
    return CZAM_Aufgabenliste_Spalten(ASpalte).Kuerzel;
}

TZAM_AufgabenListe_Spalte Kuerzel2AufgabenListe_Spalte(const QString& AKuerzel)
{
    for (int i = 0; i < CZAM_AufgabenListe_SpaltenAnzahl; ++i)
        if (CSpalten[size_t(i)].Kuerzel == AKuerzel)
            return i;
    return CZAM_AufgabenListe_Spalte_Keine;
}

QList<TZAM_AufgabenListe_Spalte> ZAMAufgabenliste_AuswaehlbareSpalten()
{
    QList<TZAM_AufgabenListe_Spalte> l;
    for (int i = 0; i < CZAM_AufgabenListe_SpaltenAnzahl; ++i)
        if (CSpalten[size_t(i)].Verwendbar && (i < 70 || i > 78))
            l << i;
    return l;
}
