#include "ZAMBewegungslisteSpalten.h"

#include "TVRList.h"

std::unique_ptr<TVRList> Bewegungsliste_Erzeugen()
{
    struct TSpalte
    {
        const char* Caption;
        TVRValueType Typ;
    };
    static const TSpalte GSpalten[cblAnzahl] = {
        {"Produkt", vrtInt32Trio},     {"Art.-Nr.", vrtString},       {"KuBe-Beleg", vrtIntTrio},
        {"Beleg", vrtString},          {"Bezeichnung", vrtString},    {"Farbe", vrtString},
        {"Hersteller", vrtString},     {"Herst.-Art.-Nr.", vrtString}, {"Gr.-Index", vrtInteger},
        {"Größe", vrtString},          {"Lagerort", vrtIntTrio},      {"Lagerplatz", vrtString},
        {"Datum", vrtDateTime},        {"Menge", vrtInteger},         {"Gebucht", vrtInteger},
        {"Von Fil", vrtInteger},       {"An Fil", vrtInteger},        {"Bew.-Typ", vrtInteger},
        {"Bew.-Art", vrtInteger},      {"Verweis", vrtString},        {"Verweis-Schlüssel", vrtIntQuad},
        {"Auftrag", vrtString},        {"Lieferschein", vrtString},   {"Bearb.-Fil", vrtInteger},
        {"Bew.-Byte", vrtInteger},     {"Beleg-Id", vrtIntTrio},      {"Dispo", vrtIntTrio},
        {"Ziel", vrtInteger},          {"Ziel-Fil", vrtInteger},      {"Behälter-Id", vrtIntTrio},
        {"Behälter", vrtString},       {"Einlagerort-Id", vrtIntTrio}, {"Einlagerort", vrtString},
        {"LVPB-Fil", vrtInteger},      {"Bestandsart", vrtInteger},   {"Zeit", vrtDateTime},
        {"Mitarbeiter", vrtIntPair},   {"Bemerkung", vrtString},      {"Verf.-Kombi", vrtIntTrio},
        {"Verfahren", vrtString},      {"Größen", vrtString},
    };
    auto liste = std::make_unique<TVRList>();
    for (const TSpalte& s : GSpalten)
        liste->ColumnAdd(QString::fromUtf8(s.Caption), s.Typ);
    return liste;
}
