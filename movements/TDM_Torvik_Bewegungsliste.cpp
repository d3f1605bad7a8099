// The data module's grouped movement lists and their split by process combination.
#include "TDM_Torvik.h"

#include "TQIV_WerkstattMani.h"
#include "TVRGroupList.h"
#include "TVRList.h"
#include "TZAM_DM_FilialPC_Ext.h"
#include "TZAM_Hausregel.h"
#include "Vrtools.h"

#include <QScopeGuard>
#include <QSet>

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

// The rows the movement row AZeile splits into by the process combinations of its position and
// size, in the list's order: later combinations first, then what no combination takes (without
// combination). Each part is recorded in the cache. Empty when the row stays as it is: without
// reference, without combinations, or with none that still takes a piece.
QList<TVRArray> Bewegung_Teile(TDM_Torvik& ADM, TQIV_WerkstattMani& AWerkstatt, TQIV_WEPlus_DatenCache& ACache,
                               const TVRList& AListe, int AZeile)
{
    const TIntQuad schluessel = AListe.GetCellValueAsIntQuad(AZeile, cblExtVerweis);
    const TZAM_PersArt_ExtVerweis verweis = TZAM_PersArt_ExtVerweis::Construct(
        Kuerzel_2_PersArt_ExtVerweis_Kennung(AListe.GetCellValueAsString(AZeile, cblExtKuerzel)),
        TrioAusQuad(schluessel), schluessel.Id4);
    const int gr = AListe.GetCellValueAsInteger(AZeile, cblGrIdx);
    TQIV_IntTrioSortimentDictionary kombis;
    int anzahl = 0, gesamt = 0;
    if (verweis.Id.IsNull() ||
        !AWerkstatt.VerfahrenKombinationen_4_ArtPos(true, kombis, verweis.Id, verweis.Nummer, gr, anzahl, gesamt))
        return {};
    const TVRArray zellen = AListe.GetRow(AZeile);
    const TInt32Trio produkt = zellen.at(cblProdukt).AlsInt32Trio();
    const TIntTrio dispo = zellen.at(cblDispoId).AlsIntTrio();
    int rest = zellen.at(cblMenge).AlsInteger();
    QList<TVRArray> teile;
    for (const auto& [kombi, menge] : kombis) {
        const int bisher = ADM.Menge_im_DatenCache(ACache, produkt, gr, 0, dispo, verweis, kombi);
        // What earlier rows gave the combination counts; a part of 0 or less adds no row.
        const int teil = qMin(rest, menge.Menge(gr) - bisher);
        if (teil <= 0)
            continue;
        TVRArray zeile = zellen;
        zeile[cblMenge].Setzen(vrtInteger, teil);
        zeile[cblVerfKombi].Setzen(vrtIntTrio, kombi);
        if (const QString name = AWerkstatt.VerfKombi_Bezeichnung_4_Id(kombi); !name.isEmpty())
            zeile[cblVerfKombiName].Setzen(vrtString, name);
        teile.prepend(zeile);
        rest -= teil;
        ADM.Daten_2_DatenCache(produkt, gr, dispo, 0, -1, verweis, QString(), kombi, teil, TIntTrio(), TIntTrio(),
                               ACache);
    }
    // Pieces no combination takes stay in the list.
    if (!teile.isEmpty() && rest > 0) {
        TVRArray zeile = zellen;
        zeile[cblMenge].Setzen(vrtInteger, rest);
        teile.append(zeile);
    }
    return teile;
}

// The list with every row without combination split (Bewegung_Teile), built anew in one pass:
// splitting in place would move the rows behind every split row. The combinations of all
// referenced positions come in one read, not one per row.
TVRList Aufgeteilt(TDM_Torvik& ADM, TQIV_WerkstattMani& AWerkstatt, const TVRList& AQuelle)
{
    QSet<TIntQuad> positionen;
    for (int r = 0; r < AQuelle.GetRowCount(); ++r)
        if (const TIntQuad p = AQuelle.GetCellValueAsIntQuad(r, cblExtVerweis);
            AQuelle.GetCell(r, cblVerfKombi).IsNull() && !TrioAusQuad(p).IsNull())
            positionen.insert(p);
    AWerkstatt.VerfahrenKombinationen_Vorlesen(positionen.values());
    const auto verwerfen = qScopeGuard([&AWerkstatt] { AWerkstatt.Vorrat_Verwerfen(); });
    TQIV_WEPlus_DatenCache cache;
    TVRList ziel;
    for (int c = 0; c < AQuelle.GetColumnCount(); ++c)
        ziel.ColumnAdd(AQuelle.GetColumn(c));
    ziel.RowsReserve(AQuelle.GetRowCount());
    for (int r = 0; r < AQuelle.GetRowCount(); ++r) {
        QList<TVRArray> teile;
        if (AQuelle.GetCell(r, cblVerfKombi).IsNull())
            teile = Bewegung_Teile(ADM, AWerkstatt, cache, AQuelle, r);
        if (teile.isEmpty())
            ziel.RowAddFrom(AQuelle, r);
        for (TVRArray& teil : teile)
            ziel.RowAdd(std::move(teil));
    }
    return ziel;
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
            TQIV_WerkstattMani* werkstatt = WerkstattMani_GoC();
            AZiel = CreateGroupedVRList(werkstatt ? Aufgeteilt(*this, *werkstatt, liste) : liste, gruppen);
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
            if (TQIV_WerkstattMani* werkstatt = WerkstattMani_GoC())
                AListe = Aufgeteilt(*this, *werkstatt, AListe);
        },
        false);
}

void TDM_Torvik::Bewegung_NachVerfkombi_Aufteilen(TQIV_WEPlus_DatenCache& ADatenCache, TVRList& AListe, int AZeile)
{
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.Bewegung_NachVerfkombi_Aufteilen",
        [&] {
            TQIV_WerkstattMani* werkstatt = WerkstattMani_GoC();
            const QList<TVRArray> teile =
                werkstatt ? Bewegung_Teile(*this, *werkstatt, ADatenCache, AListe, AZeile) : QList<TVRArray>();
            if (teile.isEmpty())
                return;
            AListe.RowDelete(AZeile);
            for (qsizetype i = teile.size() - 1; i >= 0; --i)
                AListe.RowInsert(AZeile, teile.at(i));
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
