// The branch-PC extension's movement list: the open movements of an incoming document, each
// classified by the kind of goods it is (TQIV_PersoAuswahl).
#include "IZAM_EingangsbelegServer.h"
#include "TBelegHelper.h"
#include "TQIV_EXBI_Mani.h"
#include "TQIV_PersoAuswahl.h"
#include "TQIV_WerkstattMani.h"
#include "TZAM_Auslieferung.h"
#include "TZAM_CodeForm.h"
#include "TZAM_DM_FilialPC_Ext.h"
#include "Vrtools.h"

#include <QMap>
#include <QScopeGuard>

namespace {

// A part of a movement: its kind of goods, pieces and the branch the goods must reach.
struct TTeil
{
    TQIV_PersoAuswahl Klasse;
    int Menge;
    qint16 ZielFiliale;
};

TVRArray Zeile(const TVRList& AListe, const TZAM_Eingangsbewegung& M, int AProzessFiliale)
{
    TVRArray z = AListe.VRArray_ForRowAdd_Generate();
    const TZAM_PersArt_ExtVerweis& v = M.Verweis;
    Int32Trio2VRItem(M.ProduktId, z[cblProdukt]);
    String2VRItem(M.ArtNr > 0 ? TZAM_CodeForm::ArtNr_Text(M.ArtNr) : M.ProduktId.ToText(), z[cblArtNr]);
    if (!M.KubeBeleg.IsNull())
        IntTrio2VRItem(M.KubeBeleg, z[cblKubeBeleg]);
    // The order's number names the goods of a reference; goods without one have none.
    QString belegNr;
    if (v.Defined())
        belegNr = M.KubeBelegNr.isEmpty() ? v.Id.ToText() : M.KubeBelegNr;
    String2VRItem(belegNr, z[cblBelegNr]);
    String2VRItem(M.Bezeichnung, z[cblBezeichnung]);
    String2VRItem(M.Farbe, z[cblFarbe]);
    String2VRItem(M.Hersteller, z[cblHersteller]);
    String2VRItem(M.HerstellerArtNr, z[cblHerstArtNr]);
    Integer2VRItem(M.GrIdx, z[cblGrIdx]);
    String2VRItem(M.GroesseName, z[cblGroesse]);
    if (!M.Lagerort.IsNull()) {
        IntTrio2VRItem(M.Lagerort, z[cblLagerort]);
        String2VRItem(M.LagerortName, z[cblLagerortName]);
    }
    DateTime2VRItem(M.Datum, z[cblDatum]);
    Integer2VRItem(M.VonFiliale, z[cblVonFiliale]);
    Integer2VRItem(M.AnFiliale, z[cblAnFiliale]);
    String2VRItem(CZAM_PersArtExtKennung_2_Kuerzel(v.Kennung), z[cblExtKuerzel]);
    if (v.Defined()) {
        IntQuad2VRItem(QuadAusTrio(v.Id, v.Nummer), z[cblExtVerweis]);
        String2VRItem(v.Id.ToText(), z[cblAuftragsNr]);
    }
    if (AProzessFiliale > 0)
        Integer2VRItem(AProzessFiliale, z[cblBearbFiliale]);
    Integer2VRItem(M.BewByte, z[cblBewByte]);
    IntTrio2VRItem(M.BelegId, z[cblBelegId]);
    String2VRItem(QString::number(M.GrIdx), z[cblGrIndizes]);
    return z;
}

} // namespace

qint16 TZAM_DM_FilialPC_Ext::Zielfiliale_4_KubeExtVerweis(const TZAM_PersArt_ExtVerweis& AVerweis)
{
    if (AVerweis.Kennung != CZAM_PersArtExt_KuBe || AVerweis.Id.IsNull())
        return -1;
    qint16 filiale = -1;
    if (!TBelegHelper::Auslieferung_Bestimmen(QuadAusTrio(AVerweis.Id, AVerweis.Nummer), true,
                                              CZAM_Auslieferung_Position, filiale))
        return -1;
    return filiale >= 0 ? filiale : qint16(-1);
}

void TZAM_DM_FilialPC_Ext::Bewegungen_Eintragen(const QList<TZAM_Eingangsbewegung>& ABewegungen, int APersoAuswahlSet)
{
    const QList<int> lagerFilialen = AktLagerFilialen();
    // The combinations of every position come in one read; the delivery and processing branch
    // once per position.
    QList<TIntQuad> positionen;
    for (const TZAM_Eingangsbewegung& m : ABewegungen)
        if (m.Verweis.Kennung == CZAM_PersArtExt_KuBe)
            positionen << QuadAusTrio(m.Verweis.Id, m.Verweis.Nummer);
    TQIV_WerkstattMani& werkstatt = Werkstatt();
    werkstatt.VerfahrenKombinationen_Vorlesen(positionen);
    const auto verwerfen = qScopeGuard([&] { werkstatt.Vorrat_Verwerfen(); });
    QMap<TZAM_PersArt_ExtVerweis, std::pair<qint16, int>> filialen; // delivery, processing branch

    TVRList& liste = *FBewegungsliste;
    for (const TZAM_Eingangsbewegung& m : ABewegungen) {
        const TZAM_PersArt_ExtVerweis& v = m.Verweis;
        QList<TTeil> teile;
        int prozessFiliale = 0;
        if (!v.Defined())
            teile << TTeil{paEinlagerung, m.Menge, -1};
        else if (v.Kennung == CZAM_PersArtExt_EXBI) {
            // Goods of an order the order system does not know yet wait in the document.
            if (EXBI().BestInfoExists_4_PersArt_ExtVerweis(v))
                teile << TTeil{paVersand, m.Menge, m.AnFiliale};
        } else if (v.Kennung == CZAM_PersArtExt_KuBe) {
            auto it = filialen.find(v);
            if (it == filialen.end())
                it = filialen.insert(
                    v, {Zielfiliale_4_KubeExtVerweis(v), werkstatt.BearbeitungsFiliale_4_Beleg(v.Id, v.Nummer)});
            const qint16 ziel = it->first;
            prozessFiliale = it->second;
            int zielFil = 0, andere = 0;
            werkstatt.BearbVorbereitungsMengeErmtitteln(v.Id, v.Nummer, m.GrIdx, ziel, zielFil, andere);
            const int bearbeitung = qMin(m.Menge, zielFil + andere);
            // Goods for a customer of a branch outside the warehouse go there (branch exchange).
            const TQIV_PersoAuswahl klasse = ziel > 0 && !lagerFilialen.contains(ziel) ? paFAFuerKunde : paVersand;
            if (m.Menge > bearbeitung)
                teile << TTeil{klasse, m.Menge - bearbeitung, ziel};
            if (bearbeitung > 0)
                teile << TTeil{paBearbeitung, bearbeitung, ziel};
        }
        for (const TTeil& t : teile) {
            if ((APersoAuswahlSet & (1 << t.Klasse)) == 0)
                continue;
            TVRArray z = Zeile(liste, m, prozessFiliale);
            Integer2VRItem(t.Menge, z[cblMenge]);
            Integer2VRItem(t.Klasse, z[cblZiel]);
            Integer2VRItem(t.ZielFiliale, z[cblPersoZielFil]);
            liste.RowAdd(std::move(z));
        }
    }
}

bool TZAM_DM_FilialPC_Ext::Bewegungs_Liste_laden(const TIntPair& AWBS, int APersoAuswahlSet)
{
    FBewegungsliste->RowsClear();
    Bewegungen_Eintragen(Eingang().Bewegungen_4_WBS(AWBS), APersoAuswahlSet);
    return FBewegungsliste->GetRowCount() > 0;
}

bool TZAM_DM_FilialPC_Ext::Bewegungs_Liste_laden(const TIntTrio& AWEAvis, qint16 AFiliale, int APersoAuswahlSet)
{
    FBewegungsliste->RowsClear();
    // A notice of another warehouse's branch is not put away here.
    if (!AktLagerFilialen().contains(AFiliale))
        return false;
    Bewegungen_Eintragen(Eingang().Bewegungen_4_WEAvis(AWEAvis, AFiliale), APersoAuswahlSet);
    return FBewegungsliste->GetRowCount() > 0;
}

bool TZAM_DM_FilialPC_Ext::Bewegungs_Liste_laden(const QString& AFremdnummer, int APersoAuswahlSet)
{
    FBewegungsliste->RowsClear();
    Bewegungen_Eintragen(Eingang().Bewegungen_4_Fremdnummer(AFremdnummer), APersoAuswahlSet);
    return FBewegungsliste->GetRowCount() > 0;
}
