// The data module's grouped movement lists and their split by process combination.
#include "TDM_Torvik.h"

#include "TQIV_WerkstattMani.h"
#include "TVRGroupList.h"
#include "TVRList.h"
#include "TZAM_DM_FilialPC_Ext.h"
#include "TZAM_Hausregel.h"
#include "Vrtools.h"

namespace {

// Appends AText to a cell that lists values separated by ",", unless it lists it already.
void ListeErgaenzen(TVRList& AZiel, int AZeile, int ASpalte, const QString& AText)
{
    const QString bisher = AZiel.GetCellValueAsString(AZeile, ASpalte);
    if (bisher.isEmpty()) {
        AZiel.SetCellValueAsString(AZeile, ASpalte, AText);
        return;
    }
    for (const QString& eintrag : bisher.split(QLatin1Char(',')))
        if (eintrag.trimmed() == AText.trimmed())
            return;
    AZiel.SetCellValueAsString(AZeile, ASpalte, bisher + QStringLiteral(", ") + AText);
}

} // namespace

TVRGroupList TDM_Torvik::Bewegungsgruppierung(const TZAM_Anzeige_Spalten_Array& ASpalten, bool AGroupBelNrAnders,
                                              bool AMitMethoden)
{
    TVRGroupList gruppen;
    TVRGroup& g = gruppen.GroupAdd();
    for (int spalte : ASpalten)
        g.SpalteAdd(spalte);
    for (int c = 0; c < cblAnzahl; ++c) {
        if (c == cblMenge || c == cblMengeGebucht)
            g.FunktionAdd(c, gfSumme);
        else if (AMitMethoden && c == cblBelegNr && AGroupBelNrAnders)
            g.FunktionAdd(c, gfMethode, VRGroupMethode(this, &TDM_Torvik::GroupMethodAlle));
        else if (AMitMethoden && c == cblGrIndizes)
            g.FunktionAdd(c, gfMethode, VRGroupMethode(this, &TDM_Torvik::GroupMethodGrIndizesAlle));
        else
            g.FunktionAdd(c, gfErsterWert);
    }
    return gruppen;
}

void TDM_Torvik::GruppierteBewegungsliste_Get(std::unique_ptr<TVRList>& AZiel, const TZAM_Anzeige_Spalten_Array& ASpalten,
                                              bool AGroupBelNrAnders)
{
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.GruppierteBewegungsliste_Get",
        [&] {
            AZiel.reset();
            TVRList& liste = DMExtFilPC_GoC()->Bewegungsliste();
            if (liste.GetRowCount() == 0) {
                AZiel = CreateCopyVRList(liste);
                return;
            }
            const TVRGroupList gruppen = Bewegungsgruppierung(ASpalten, AGroupBelNrAnders, true);
            if (!ASpalten.contains(cblVerfKombi)) {
                AZiel = CreateGroupedVRList(liste, gruppen);
                return;
            }
            std::unique_ptr<TVRList> aufgeteilt = CreateCopyVRList(liste);
            Bewegungliste_MitVerfkombi_Anreichern(*aufgeteilt);
            AZiel = CreateGroupedVRList(*aufgeteilt, gruppen);
        },
        false);
}

void TDM_Torvik::GruppierteBewegungsliste_NachExtVerweis_Get(std::unique_ptr<TVRList>& AZiel)
{
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.GruppierteBewegungsliste_NachExtVerweis_Get",
        [&] {
            AZiel.reset();
            const TVRList& liste = DMExtFilPC_GoC()->Bewegungsliste();
            AZiel = liste.GetRowCount() == 0
                        ? CreateCopyVRList(liste)
                        : CreateGroupedVRList(liste, Bewegungsgruppierung({cblExtKuerzel, cblExtVerweis, cblGrIdx},
                                                                          false, false));
        },
        false);
}

void TDM_Torvik::Bewegungliste_MitVerfkombi_Anreichern(TVRList& AListe)
{
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.Bewegungliste_MitVerfkombi_Anreichern",
        [&] {
            TQIV_WEPlus_DatenCache cache;
            // Rows a split inserts carry their combination and are passed over.
            for (int r = 0; r < AListe.GetRowCount(); ++r)
                if (AListe.GetCell(r, cblVerfKombi).IsNull())
                    Bewegung_NachVerfkombi_Aufteilen(cache, AListe, r);
        },
        false);
}

void TDM_Torvik::Bewegung_NachVerfkombi_Aufteilen(TQIV_WEPlus_DatenCache& ADatenCache, TVRList& AListe, int AZeile)
{
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.Bewegung_NachVerfkombi_Aufteilen",
        [&] {
            const TIntQuad schluessel = AListe.GetCellValueAsIntQuad(AZeile, cblExtVerweis);
            const TZAM_PersArt_ExtVerweis verweis = TZAM_PersArt_ExtVerweis::Construct(
                Kuerzel_2_PersArt_ExtVerweis_Kennung(AListe.GetCellValueAsString(AZeile, cblExtKuerzel)),
                TIntTrio(schluessel.Id1, schluessel.Id2, schluessel.Id3), schluessel.Id4);
            const int gr = AListe.GetCellValueAsInteger(AZeile, cblGrIdx);
            if (verweis.Id.IsNull())
                return;
            TQIV_WerkstattMani* werkstatt = WerkstattMani_GoC();
            TQIV_IntTrioSortimentDictionary kombis;
            int anzahl = 0, gesamt = 0;
            if (!werkstatt ||
                !werkstatt->VerfahrenKombinationen_4_ArtPos(true, kombis, verweis.Id, verweis.Nummer, gr, anzahl, gesamt))
                return;
            const TVRArray zellen = AListe.GetRow(AZeile);
            AListe.RowDelete(AZeile);
            const TInt32Trio produkt = zellen.at(cblProdukt).AlsInt32Trio();
            const TIntTrio dispo = zellen.at(cblDispoId).AlsIntTrio();
            int rest = zellen.at(cblMenge).AlsInteger();
            for (const auto& [kombi, menge] : kombis) {
                const int bisher = Menge_im_DatenCache(ADatenCache, produkt, gr, 0, dispo, verweis, kombi);
                // What earlier rows gave the combination counts; a part of 0 or less adds no row.
                const int teil = qMin(rest, menge.Menge(gr) - bisher);
                if (teil <= 0)
                    continue;
                TVRArray zeile = zellen;
                zeile[cblMenge].Setzen(vrtInteger, teil);
                zeile[cblVerfKombi].Setzen(vrtIntTrio, kombi);
                if (const QString name = werkstatt->VerfKombi_Bezeichnung_4_Id(kombi); !name.isEmpty())
                    zeile[cblVerfKombiName].Setzen(vrtString, name);
                AListe.RowInsert(AZeile, zeile);
                rest -= teil;
                Daten_2_DatenCache(produkt, gr, dispo, 0, -1, verweis, QString(), kombi, teil, TIntTrio(), TIntTrio(),
                                   ADatenCache);
            }
        },
        false);
}

bool TDM_Torvik::Bewegungsliste_Enthält_MehrereBelOderVerfkombis()
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Bewegungsliste_Enthält_MehrereBelOderVerfkombis", false, [&] {
        std::unique_ptr<TVRList> gruppiert;
        GruppierteBewegungsliste_Get(gruppiert, {cblBelegNr}, true);
        if (gruppiert && gruppiert->GetRowCount() >= 2)
            return true;
        GruppierteBewegungsliste_Get(gruppiert, {cblVerfKombi}, true);
        return gruppiert && gruppiert->GetRowCount() >= 2;
    });
}

void TDM_Torvik::GroupMethodAlle(const TVRList& AQuelle, int AQuellZeile, TVRList& AZiel, int AZielZeile, int,
                                 int ASpalte)
{
    ListeErgaenzen(AZiel, AZielZeile, ASpalte, AQuelle.GetCellValueAsString(AQuellZeile, ASpalte));
}

void TDM_Torvik::GroupMethodGrIndizesAlle(const TVRList& AQuelle, int AQuellZeile, TVRList& AZiel, int AZielZeile,
                                          int, int)
{
    ListeErgaenzen(AZiel, AZielZeile, cblGrIndizes, QString::number(AQuelle.GetCellValueAsInteger(AQuellZeile, cblGrIdx)));
}

void TDM_Torvik::GroupMethodTextGesamt(const TVRList&, int, TVRList& AZiel, int AZielZeile, int, int ASpalte)
{
    AZiel.SetCellValueAsString(AZielZeile, ASpalte, QStringLiteral("Gesamt"));
}
