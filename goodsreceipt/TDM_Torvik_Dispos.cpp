// The data module's dispositions of the WE-Plus receipt: open dispositions, their split by process
// combination, their target kinds and the choice of the disposition to serve.
#include "TDM_Torvik.h"

#include "IZAM_BelegEditServer.h"
#include "IZAM_FGSystems.h"
#include "IZAM_Parameter.h"
#include "TBelegHelper.h"
#include "TQIV_ArtvLesenToolsDispoWEMani.h"
#include "TQIV_WerkstattMani.h"
#include "TZAM_Hausregel.h"
#include "ZAMFehler.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"
#include "ZAMUtils.h"

#include <QScopeGuard>

bool TDM_Torvik::OffeneDispos_4_AuftragsNr_Oder_VorgId(const TIntPair& AAuftragsNr, const TIntTrio& AVorgId,
                                                       bool AFlag, const QList<int>& AFilialen,
                                                       QList<TQIV_DispoWE_Info>& ADispos)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.OffeneDispos_4_AuftragsNr_Oder_VorgId", false, [&] {
        TQIV_ArtvLesenToolsDispoWEMani* mani = DispoWEMani_GoC();
        if (!mani)
            return false;
        TIntPairList auftraege;
        TIntTrioList vorgaenge;
        if (AAuftragsNr.Defined())
            auftraege.append(AAuftragsNr);
        else
            vorgaenge.append(AVorgId);
        return mani->OffeneDispos_4_Schluessel(auftraege, vorgaenge, AFilialen, AFlag, {}, ADispos);
    });
}

bool TDM_Torvik::OffeneDispos_4_AuftragsNrN_Und_VorgIds(const TIntPairList& AAuftragsNrN, const TIntTrioList& AVorgIds,
                                                        QList<TQIV_DispoWE_Info>& ADispos)
{
    ADispos.clear();
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.OffeneDispos_4_AuftragsNrN_Und_VorgIds", false, [&] {
        TQIV_ArtvLesenToolsDispoWEMani* mani = DispoWEMani_GoC();
        return mani && mani->OffeneDispos_4_Schluessel(AAuftragsNrN, AVorgIds, FAktLagerFilialen, false, {}, ADispos);
    });
}

// The parts of the product's dispositions in the answer that still lack pieces after what the
// cache holds: of every size (-1, 100) or of the one size asked.
void TDM_Torvik::KandidatenPruefen_Und_Umpacken(const TQIV_WEPlus_DatenCache& ADatenCache,
                                                const TInt32Trio& AProdukt_Id, int AGrIdx,
                                                const QList<TQIV_DispoWE_Info>& AAntwort,
                                                QList<TQIV_Dispo_Info>& ADispos)
{
    const bool alleGroessen = AGrIdx == -1 || AGrIdx == CZAM_Intv100_Anzahl;
    // The parts of a vector never hold more than it: one without the size asked offers nothing.
    const auto pruefen = [&](const TQIV_DispoWE_Info& AInfo, int AIndex) {
        const TZAM_Intv100_Sortiment_MeMitFilUndVerweis& f = AInfo.Filialen.at(AIndex);
        return AInfo.ProduktID == AProdukt_Id && f.Filiale > 0 && (alleGroessen || f.Me.Menge(AGrIdx) > 0);
    };
    // The process combinations of the customer-order positions among them, read at once.
    QList<TIntQuad> positionen;
    for (const TQIV_DispoWE_Info& info : AAntwort)
        for (int i = 0; i < info.Filialen.size(); ++i)
            if (pruefen(info, i) && !info.Filialen.at(i).Verweis.Id.IsNull())
                positionen << QuadAusTrio(info.Filialen.at(i).Verweis.Id, info.Filialen.at(i).Verweis.Nummer);
    TQIV_WerkstattMani* werkstatt = positionen.isEmpty() ? nullptr : WerkstattMani_GoC();
    if (werkstatt)
        werkstatt->VerfahrenKombinationen_Vorlesen(positionen);
    const auto verwerfen = qScopeGuard([werkstatt] {
        if (werkstatt)
            werkstatt->Vorrat_Verwerfen();
    });
    for (const TQIV_DispoWE_Info& info : AAntwort) {
        for (int i = 0; i < info.Filialen.size(); ++i) {
            if (!pruefen(info, i))
                continue;
            TQIV_Dispo_Info_List teile;
            Dispo_NachVerfkombi_Aufteilen(TQIV_Dispo_Info::Aus_DispoWE_Info(info, i), teile);
            for (TQIV_Dispo_Info& teil : teile) {
                TZAM_Intv100_Sortiment_MeMitFilUndVerweis& fm = teil.Menge.FilialeMenge;
                auto gescannt = [&](int AGr) {
                    return Menge_im_DatenCache(ADatenCache, AProdukt_Id, AGr, fm.Filiale, teil.Vorgang, fm.Verweis,
                                               teil.Menge.VerfKombiId);
                };
                TZAM_Intv100_Sortiment_Me offen;
                offen.Init();
                if (alleGroessen) {
                    for (int s = fm.Me.MinIndex; s <= fm.Me.MaxIndex; ++s)
                        if (const int c = gescannt(s); c < fm.Me.Me[s])
                            offen.Me[s] = fm.Me.Me[s] - c;
                    offen.MinMax_Bestimmen();
                    if (!offen.IsPositive())
                        continue;
                } else {
                    const int geplant = fm.Me.Me[AGrIdx];
                    if (const int c = gescannt(AGrIdx); geplant == 0 || c >= geplant)
                        continue;
                    else
                        offen.Me[AGrIdx] = geplant - c;
                    offen.MinMax_Bestimmen();
                }
                fm.Me = offen;
                if (!offen.IsEmpty())
                    ADispos.append(teil);
            }
        }
    }
}

bool TDM_Torvik::Dispos_4_AuftragsNrN(const TQIV_WEPlus_DatenCache& ADatenCache, const TInt32Trio& AProdukt_Id,
                                      int AGrIdx, const TIntPairList& AAuftragsNrn, const TIntTrioList& ADIOhneAuftr,
                                      QList<TQIV_Dispo_Info>& ADispos)
{
    ADispos.clear();
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Dispos_4_AuftragsNrN", false, [&] {
        if (!zam_Intv100_IstGroesse(AGrIdx) && AGrIdx != -1 && AGrIdx != CZAM_Intv100_Anzahl)
            FehlerRaise(QStringLiteral("TDM_Torvik.Dispos_4_AuftragsNrN"), CZAM_Info_Fehler_Standard_IllegalerParameter,
                        QString::number(AGrIdx));
        // Only the product's dispositions are read.
        TQIV_ArtvLesenToolsDispoWEMani* mani = DispoWEMani_GoC();
        QList<TQIV_DispoWE_Info> antwort;
        if (mani &&
            mani->OffeneDispos_4_Schluessel(AAuftragsNrn, ADIOhneAuftr, FAktLagerFilialen, true, AProdukt_Id, antwort))
            KandidatenPruefen_Und_Umpacken(ADatenCache, AProdukt_Id, AGrIdx, antwort, ADispos);
        return !ADispos.isEmpty();
    });
}

bool TDM_Torvik::Dispos_4_AuftragsNrN(const TQIV_WEPlus_DatenCache& ADatenCache, const TInt32Trio& AProdukt_Id,
                                      int AGrIdx, const TIntPairList& AAuftragsNrn, const TIntTrio& ADIOhneAuftr,
                                      QList<TQIV_Dispo_Info>& ADispos)
{
    TIntTrioList ohneAuftrag;
    if (!ADIOhneAuftr.IsNull())
        ohneAuftrag.append(ADIOhneAuftr);
    return Dispos_4_AuftragsNrN(ADatenCache, AProdukt_Id, AGrIdx, AAuftragsNrn, ohneAuftrag, ADispos);
}

void TDM_Torvik::Dispo_NachVerfkombi_Aufteilen(const TQIV_Dispo_Info& ADispoInfo,
                                               TQIV_Dispo_Info_List& AAufgeteilteDIInfos)
{
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.Dispo_NachVerfkombi_Aufteilen",
        [&] {
            const TZAM_PersArt_ExtVerweis& verweis = ADispoInfo.Menge.FilialeMenge.Verweis;
            TQIV_IntTrioSortimentDictionary kombis;
            int anzahl = 0, gesamt = 0;
            TQIV_WerkstattMani* werkstatt = verweis.Id.IsNull() ? nullptr : WerkstattMani_GoC();
            if (!werkstatt || !werkstatt->VerfahrenKombinationen_4_ArtPos(true, kombis, verweis.Id, verweis.Nummer, -1,
                                                                           anzahl, gesamt)) {
                AAufgeteilteDIInfos.append(ADispoInfo);
                return;
            }
            // What no combination takes is not offered.
            TZAM_Intv100_Sortiment_Me rest = ADispoInfo.Menge.FilialeMenge.Me;
            for (const auto& [kombi, menge] : kombis) {
                const TZAM_Intv100_Sortiment_Me teil = Intv100_Sortiment_Me_GrMinima(rest, menge);
                if (teil.IsEmpty())
                    continue;
                TQIV_Dispo_Info d = ADispoInfo;
                d.Menge.FilialeMenge.Me = teil;
                d.Menge.VerfKombiId = kombi;
                AAufgeteilteDIInfos.append(d);
                rest -= teil;
            }
        },
        false);
}

// The document number, delivery, deviating delivery branch (AAbwFiliale) and processing branch
// (ABearbFiliale) of a customer-order position; empty or 0 for any other reference.
void TDM_Torvik::Auslieferung_4_PosId(const TZAM_PersArt_ExtVerweis& AVerweis, QString& ABelegNr,
                                      TZAM_Auslieferung& AAuslieferung, qint16& AAbwFiliale, int& ABearbFiliale)
{
    ABelegNr.clear();
    AAuslieferung = TZAM_Auslieferung();
    AAbwFiliale = 0;
    ABearbFiliale = 0;
    if (AVerweis.Kennung != CZAM_PersArtExt_KuBe)
        return;
    const TIntQuad position = QuadAusTrio(AVerweis.Id, AVerweis.Nummer);
    TIntTrio beleg;
    IZAM_BelegEditServer* belege = BelegEditServer_GoC();
    if (belege && belege->BelegId_4_Position(position, 0, beleg, 0) && !beleg.IsNull() &&
        belege->Beleg_Laden(beleg, false)) {
        AAuslieferung = belege->Auslieferung();
        ABelegNr = belege->BelegNrFormatiert();
    }
    if (TQIV_WerkstattMani* werkstatt = WerkstattMani_GoC())
        ABearbFiliale = werkstatt->BearbeitungsFiliale_4_Beleg(AVerweis.Id, AVerweis.Nummer);
    qint16 filiale = -1;
    if (ABearbFiliale < 1 &&
        TBelegHelper::Auslieferung_Bestimmen(position, true, CZAM_Auslieferung_Position, filiale) &&
        filiale != AAuslieferung.Filiale)
        AAbwFiliale = filiale;
}

TQIV_ZPMDE_Ziel TDM_Torvik::ZielTypErmitteln(const TQIV_Dispo_Info& ADispo, int ABearbFiliale, bool ABearbDirektInEW)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("ZielTypErmitteln", bmzUnbekannt, [&] {
        const TZAM_Intv100_Sortiment_MeMitFilUndVerweis& fm = ADispo.Menge.FilialeMenge;
        if (!fm.Verweis.Defined())
            return FAktLagerFilialen.contains(fm.Filiale) ? bmzEinlagerung : bmzFAOhneKube;
        if (ABearbFiliale < 1)
            return FAktLagerFilialen.contains(ADispo.Menge.PersoZielFil) ? bmzVersand : bmzFAFuerKube;
        if (FAktLagerFilialen.contains(ABearbFiliale) ||
            (ABearbDirektInEW && FilialeIstRezeVudazPlusFiliale(ABearbFiliale)))
            return bmzBearbeitung;
        return bmzFAFuerBearbeitung;
    });
}

TQIV_Dispo_Info TDM_Torvik::Dispo_NachPrio_Waehlen(bool ABearbDirektInEW, const QList<TQIV_Dispo_Info>& ADispos,
                                                   const TZAM_Intv100_Sortiment_Me& AMaxSortiment,
                                                   bool AForceAllePruefen, TQIV_Dispo_Info_List& AGepruefteDispos)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Dispo_NachPrio_Waehlen", TQIV_Dispo_Info(), [&] {
        TQIV_Dispo_Info ergebnis;
        const bool verteilen = !AMaxSortiment.IsEmpty();
        for (TQIV_Dispo_Info d : ADispos) {
            TZAM_Auslieferung auslieferung;
            qint16 abwFiliale = 0;
            int bearbFiliale = 0;
            Auslieferung_4_PosId(d.Menge.FilialeMenge.Verweis, d.Menge.BelegNummer, auslieferung, abwFiliale,
                                 bearbFiliale);
            d.Menge.PersoZielFil = auslieferung.Filiale;
            d.Menge.ZielTyp = ZielTypErmitteln(d, bearbFiliale, ABearbDirektInEW);
            if ((d.Menge.ZielTyp == bmzFAFuerBearbeitung || d.Menge.ZielTyp == bmzBearbeitung) && bearbFiliale > 0)
                d.Menge.PersoZielFil = qint16(bearbFiliale);
            if (d.Menge.ZielTyp == bmzFAFuerKube && abwFiliale > 0) {
                d.Menge.PersoZielFil = abwFiliale;
                if (ABearbDirektInEW && FilialeIstRezeVudazPlusFiliale(abwFiliale))
                    d.Menge.ZielTyp = bmzBearbeitungNurWarten;
            }
            AGepruefteDispos.append(d);
            if (!verteilen && d.Menge.ZielTyp > ergebnis.Menge.ZielTyp)
                ergebnis = d;
            if (!AForceAllePruefen && ergebnis.Menge.ZielTyp == bmzVersand)
                return ergebnis;
        }
        if (verteilen) {
            // The pieces go to the preferred kinds first; what receives nothing drops out.
            TZAM_Intv100_Sortiment_Me rest = AMaxSortiment;
            AGepruefteDispos.Sortieren();
            for (TQIV_Dispo_Info& d : AGepruefteDispos) {
                d.Menge.FilialeMenge.Me = Intv100_Sortiment_Me_GrMinima(d.Menge.FilialeMenge.Me, rest);
                rest -= d.Menge.FilialeMenge.Me;
            }
            for (int i = AGepruefteDispos.size() - 1; i >= 0; --i)
                if (AGepruefteDispos.at(i).Menge.FilialeMenge.Me.IsEmpty())
                    AGepruefteDispos.removeAt(i);
            if (!AGepruefteDispos.isEmpty())
                ergebnis = AGepruefteDispos.first();
        }
        return ergebnis;
    });
}

qint16 TDM_Torvik::ZielFilAusZielTyp_4_WEPlus(const TQIV_Dispo_Menge& ADispoMenge)
{
    switch (ADispoMenge.ZielTyp) {
    case bmzFAOhneKube:
        return ADispoMenge.FilialeMenge.Filiale;
    case bmzFAFuerBearbeitung:
    case bmzFAFuerKube:
        return ADispoMenge.PersoZielFil;
    default:
        return -1;
    }
}

void TDM_Torvik::PassendeDispos_Waehlen(bool ABearbDirektInEW, const TQIV_Dispo_Info_List& ADispos,
                                        const TQIV_Dispo_Info& AGewaehlteDispo, QList<TQIV_Dispo_Info>& APassendeDispos)
{
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.PassendeDispos_Waehlen",
        [&] {
            const TQIV_ZPMDE_Ziel ziel = AGewaehlteDispo.Menge.ZielTyp;
            if (ziel == bmzUnbekannt || ziel > bmzVersand)
                FehlerRaise(QStringLiteral("TDM_Torvik.PassendeDispos_Waehlen.1"),
                            CZAM_Info_Fehler_Standard_IllegalerParameter, QString::number(int(ziel)));
            APassendeDispos.clear();
            const qint16 zielFiliale = ZielFilAusZielTyp_4_WEPlus(AGewaehlteDispo.Menge);
            auto belieferung = [](TQIV_ZPMDE_Ziel AZiel) {
                return AZiel == bmzFAOhneKube || AZiel == bmzFAFuerBearbeitung || AZiel == bmzFAFuerKube;
            };
            for (const TQIV_Dispo_Info& d : ADispos) {
                bool passt = false;
                switch (ziel) {
                case bmzEinlagerung:
                case bmzVersand:
                    passt = d.Menge.ZielTyp == ziel;
                    break;
                case bmzBearbeitung:
                case bmzBearbeitungNurWarten:
                    passt = d.Menge.ZielTyp == ziel &&
                            (!ABearbDirektInEW ||
                             (d.Menge.FilialeMenge.Verweis == AGewaehlteDispo.Menge.FilialeMenge.Verweis &&
                              d.Menge.VerfKombiId == AGewaehlteDispo.Menge.VerfKombiId));
                    break;
                default:
                    passt = belieferung(d.Menge.ZielTyp) && ZielFilAusZielTyp_4_WEPlus(d.Menge) == zielFiliale;
                }
                if (passt)
                    APassendeDispos.append(d);
            }
        },
        false);
}

bool TDM_Torvik::ZielfilialeEchtBenachbartZuTSPlusLagerFiliale(int AZielFilNr, int ALagerFilNr)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.ZielfilialeBenachbartZuTSPlusLagerFiliale", false, [&] {
        if (AZielFilNr == ALagerFilNr)
            return false;
        IZAM_FGSystems* systeme = FGSystems_GoC();
        return systeme && systeme->AreStoresAdjacent(AZielFilNr, ALagerFilNr) &&
               FilialeIstRezeVudazPlusFiliale(ALagerFilNr);
    });
}

qint16 TDM_Torvik::AuftrFil_4_IdUndAnFil(const TIntTrio& ADispoId, qint16 AAnFiliale)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.AuftrFil_4_IdUndAnFil", qint16(-1), [&] {
        TQIV_ArtvLesenToolsDispoWEMani* mani = DispoWEMani_GoC();
        return mani ? mani->AuftrFiliale_4_IdUndAnFil(ADispoId, AAnFiliale) : qint16(-1);
    });
}

bool TDM_Torvik::WEFR_Und_EinlagerunsVersandhilfe_Get()
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.WEFR_Und_EinlagerunsVersandhilfe_Get", false, [&] {
        if (FWEFR_Und_EinlagerunsVersandhilfe.IsUnDefined()) {
            const bool reservAufKubeLP =
                JNToBool(ZAMParameter().GetStringValueByName(QStringLiteral("RESAUFKUBELP")));
            FWEFR_Und_EinlagerunsVersandhilfe = TZAM_TriState(
                ZAMParameter().GetIntegerValueByName(QStringLiteral("WEMode_Param")) == 2 && reservAufKubeLP);
        }
        return FWEFR_Und_EinlagerunsVersandhilfe.IsTrue();
    });
}
