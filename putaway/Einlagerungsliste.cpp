#include "Einlagerungsliste.h"

#include "IZAM_LagerBewegungEditServer.h"
#include "TDM_Torvik.h"
#include "TVRList.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_DM_FilialPC_Ext.h"
#include "Vrtools.h"
#include "ZAMBewegungslisteSpalten.h"

namespace {

TVRItem Trio(const TIntTrio& AId)
{
    TVRItem i(vrtIntTrio);
    i.Setzen(vrtIntTrio, AId);
    return i;
}

TQIV_Lager_Bew_Sortiment& Eintrag(TQIV_Lager_Bew_Sortiment_Array& AArray, const TIntTrio& ALagerort,
                                  const TIntTrio& ABehaelter)
{
    for (TQIV_Lager_Bew_Sortiment& s : AArray)
        if (s.Lagerort == ALagerort && s.Behaelter == ABehaelter)
            return s;
    TQIV_Lager_Bew_Sortiment neu;
    neu.Lagerort = ALagerort;
    neu.Behaelter = ABehaelter;
    AArray.append(neu);
    return AArray.last();
}

void Hinzu(TZAM_Intv100_Sortiment_Me& AMenge, int AGrIdx, int ADazu)
{
    AMenge.Me[AGrIdx] += ADazu;
    AMenge.MinMax_Bestimmen();
}

void ZeileAnfuegen(TVRList& AListe, const QString& AGroesse, int AGrIdx, int AMenge, const QString& AKennung,
                   const TVRItem& AIdent)
{
    TVRArray a = AListe.VRArray_ForRowAdd_Generate();
    String2VRItem(AGroesse, a[celGroesse]);
    a[celGrIdx].Setzen(vrtInteger, AGrIdx);
    a[celSoll].Setzen(vrtInteger, AMenge);
    a[celIst].Setzen(vrtInteger, AMenge);
    String2VRItem(AKennung, a[celVerwKennung]);
    a[celVerwIdent] = AIdent;
    AListe.RowAdd(std::move(a));
}

} // namespace

void EinlagerungslisteCIN_Clear(std::unique_ptr<TVRList>& AListe)
{
    if (AListe) {
        AListe->RowsClear();
        return;
    }
    AListe = std::make_unique<TVRList>();
    AListe->ColumnAdd(QStringLiteral("Lagerplatz"), vrtString, 80, false);
    AListe->ColumnAdd(QString(), vrtIntTrio, 0, false);
    AListe->ColumnAdd(QStringLiteral("Behälter"), vrtString, 80, false);
    AListe->ColumnAdd(QString(), vrtIntTrio, 0, false);
    AListe->ColumnAdd(QStringLiteral("Lagerplatz"), vrtString, 110);
    AListe->ColumnAdd(QStringLiteral("Größe"), vrtString, 50);
    AListe->ColumnAdd(QString(), vrtInteger, 0, false);
    AListe->ColumnAdd(QStringLiteral("Sollmenge"), vrtInteger, 55);
    AListe->ColumnAdd(QStringLiteral("Zählmenge"), vrtInteger, 55);
    AListe->ColumnAdd(QStringLiteral("VerwKennung"), vrtString, 0, false);
    AListe->ColumnAdd(QStringLiteral("VerwIdent"), vrtIntQuad, 0, false);
}

void ArtikelSollZusammenstellen(TVRList& AListe, const TInt32Trio& AProduktId, const TIntTrio& ABelegId,
                                const TIntTrio& AKubeBelegId, const TIntTrio& AVerfKombiId)
{
    TVRList bewegungen = DM_Torvik->DMExtFilPC_GoC()->Bewegungsliste();
    if (AVerfKombiId.Defined())
        DM_Torvik->Bewegungliste_MitVerfkombi_Anreichern(bewegungen);
    for (int r = 0; r < bewegungen.GetRowCount(); ++r) {
        if (bewegungen.GetCellValueAsIntTrio(r, cblBelegId) != ABelegId ||
            bewegungen.GetCellValueAsInt32Trio(r, cblProdukt) != AProduktId)
            continue;
        if (AVerfKombiId.Defined() && bewegungen.GetCellValueAsIntTrio(r, cblVerfKombi) != AVerfKombiId)
            continue;
        if (AKubeBelegId.Defined() && bewegungen.GetCellValueAsIntTrio(r, cblKubeBeleg) != AKubeBelegId)
            continue;
        ZeileAnfuegen(AListe, bewegungen.GetCellValueAsString(r, cblGroesse),
                      bewegungen.GetCellValueAsInteger(r, cblGrIdx), bewegungen.GetCellValueAsInteger(r, cblMenge),
                      bewegungen.GetCellValueAsString(r, cblExtKuerzel), bewegungen.GetCell(r, cblExtVerweis));
    }
    Einlagerungsliste_Sortieren(AListe);
}

void ArtikelSollZusammenstellenLP(TVRList& AListe, const TInt32Trio& AProduktId, const TIntTrio& ALagerort)
{
    TVRList bestand;
    TZAM_BewegungsDienste::Bewegung(*DM_Torvik).Bestandsliste_4_Lagerort(ALagerort, bestand);
    TVRItem ohne(vrtIntQuad);
    for (int r = 0; r < bestand.GetRowCount(); ++r)
        if (bestand.GetCellValueAsInt32Trio(r, 7) == AProduktId)
            ZeileAnfuegen(AListe, bestand.GetCellValueAsString(r, 9), bestand.GetCellValueAsInteger(r, 20),
                          bestand.GetCellValueAsInteger(r, 10), QString(), ohne);
    Einlagerungsliste_Sortieren(AListe);
}

std::unique_ptr<TVRList> BisherigeLagerorteAnzeigen(const TInt32Trio& AProduktId, int ALager)
{
    // One row per place and container, summed over the sizes.
    auto liste = std::make_unique<TVRList>();
    TZAM_BewegungsDienste::Bewegung(*DM_Torvik).Bestandsliste_4_Produkt(AProduktId, ALager, *liste, true);
    for (int c = 0; c < liste->GetColumnCount(); ++c)
        liste->SetColumnVisible(c, c == 3 || c == 5 || c == 10);
    return liste;
}

void Einlagerungsliste_Sortieren(TVRList& AListe)
{
    // A stable sort: rows of one size keep their order.
    AListe.SortByColumn(celGrIdx, srAufsteigend);
}

int Zeile_fuer_Ziellagerort_bestimmen(const TVRList& AListe, int AGewaehlt)
{
    if (AListe.GetRowCount() == 0)
        return -1;
    return EinlagerOrtDefiniert(AListe, 0) ? AGewaehlt : 0;
}

bool EinlagerOrtDefiniert(const TVRList& AListe, int AZeile)
{
    return AListe.GetCellValueAsIntTrio(AZeile, celLagerplatzId).Defined() ||
           AListe.GetCellValueAsIntTrio(AZeile, celBehaelterId).Defined();
}

void Lagerort_2_Liste(TVRList& AListe, int AZeile, const TZAM_Lagerort_Info& AInfo)
{
    const QString name = AInfo.AnzeigeName();
    if (AInfo.Kennung == CZAM_Lagerort_Behaelter) {
        if (AListe.GetCellValueAsIntTrio(AZeile, celBehaelterId) != AInfo.LagerortId) {
            TIntTrio platz;
            TZAM_BewegungsDienste::Bewegung(*DM_Torvik).Lagerort_4_Behaelter(AInfo.LagerortId, platz);
            AListe.SetCellValue(AZeile, celLagerplatzId, Trio(platz));
            AListe.SetCellValueAsString(AZeile, celLagerplatz,
                                        platz.Defined() ? DM_Torvik->LagerEditServer_GoC()->LagerortName(platz)
                                                        : QString());
        }
        AListe.SetCellValue(AZeile, celBehaelterId, Trio(AInfo.LagerortId));
        AListe.SetCellValueAsString(AZeile, celBehaelter, name);
    } else {
        AListe.SetCellValue(AZeile, celLagerplatzId, Trio(AInfo.LagerortId));
        AListe.SetCellValueAsString(AZeile, celLagerplatz, name);
        AListe.SetCellValue(AZeile, celBehaelterId, Trio(TIntTrio()));
        AListe.SetCellValueAsString(AZeile, celBehaelter, QString());
    }
    AListe.SetCellValueAsString(AZeile, celAnzeige, name);
}

int SollMenge_ermitteln(const TVRList& AListe, int AZeile)
{
    const int gr = AListe.GetCellValueAsInteger(AZeile, celGrIdx);
    int summe = 0;
    for (int r = AZeile; r < AListe.GetRowCount() && AListe.GetCellValueAsInteger(r, celGrIdx) == gr; ++r)
        summe += AListe.GetCellValueAsInteger(r, celSoll);
    return summe;
}

int ZeileEinfuegen(TVRList& AListe, int AZeile, int ASoll, int AIst)
{
    TVRArray a = AListe.GetRow(AZeile);
    for (int c : {celLagerplatz, celBehaelter, celAnzeige})
        String2VRItem(QString(), a[c]);
    for (int c : {celLagerplatzId, celBehaelterId})
        a[c].Setzen(vrtIntTrio, TIntTrio());
    a[celSoll].Setzen(vrtInteger, ASoll);
    a[celIst].Setzen(vrtInteger, AIst);
    return AListe.RowInsert(AZeile + 1, a);
}

int Zeile_Teilen(TVRList& AListe, int AZeile)
{
    const int ist = AListe.GetCellValueAsInteger(AZeile, celIst);
    const int soll = AListe.GetCellValueAsInteger(AZeile, celSoll);
    const int haelfte = ist / 2;
    const int sollNeu = qMax(0, soll - haelfte);
    AListe.SetCellValueAsInteger(AZeile, celIst, ist - haelfte);
    AListe.SetCellValueAsInteger(AZeile, celSoll, sollNeu);
    return ZeileEinfuegen(AListe, AZeile, soll - sollNeu, haelfte);
}

TQIV_LagerortZuweisung Auslesen_LagerortZuweisung_do(const TVRList& AListe, bool APerVerweis)
{
    TQIV_LagerortZuweisung z;
    z.Fehl_Menge.Init();
    TIntTrio platz, behaelter;
    int r = 0;
    while (r < AListe.GetRowCount()) {
        const int gr = AListe.GetCellValueAsInteger(r, celGrIdx);
        int rest = SollMenge_ermitteln(AListe, r);
        for (; r < AListe.GetRowCount() && AListe.GetCellValueAsInteger(r, celGrIdx) == gr; ++r) {
            if (EinlagerOrtDefiniert(AListe, r)) {
                platz = AListe.GetCellValueAsIntTrio(r, celLagerplatzId);
                behaelter = AListe.GetCellValueAsIntTrio(r, celBehaelterId);
            }
            const int ist = AListe.GetCellValueAsInteger(r, celIst);
            const int geben = qMin(ist, rest);
            rest -= geben;
            if (geben > 0) {
                const QString kennung = APerVerweis ? AListe.GetCellValueAsString(r, celVerwKennung) : QString();
                const TIntQuad ident = APerVerweis ? AListe.GetCellValueAsIntQuad(r, celVerwIdent) : TIntQuad();
                auto gruppe = std::find_if(z.Menge.begin(), z.Menge.end(), [&](const auto& AG) {
                    return AG.VerwKennung == kennung && AG.VerwIdent == ident;
                });
                if (gruppe == z.Menge.end()) {
                    z.Menge.append({kennung, ident, {}});
                    gruppe = z.Menge.end() - 1;
                }
                Hinzu(Eintrag(gruppe->Sortimente, platz, behaelter).Menge, gr, geben);
            }
            if (ist > geben)
                Hinzu(Eintrag(z.Pos_Diff_Menge, platz, behaelter).Menge, gr, ist - geben);
        }
        if (rest > 0)
            Hinzu(z.Fehl_Menge, gr, rest);
    }
    return z;
}
