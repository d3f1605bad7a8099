// The piece-wise capture: article labels and the reservation document of a shipped piece.
#include "IZAM_BelegEditServer.h"
#include "TDM_Torvik.h"
#include "TIntQuad.h"
#include "TQIV_AbstractState_WEPlus_Artikelweise_LOScan.h"
#include "TQIV_OptionenSeiten.h"
#include "TQIV_Wartemaske.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

namespace {
// The label of a piece names the branch that personalised goods must reach, else the target.
qint16 EtikettFiliale(qint16 APersoFil, qint16 AZielFil)
{
    return APersoFil > 0 ? APersoFil : AZielFil;
}
} // namespace

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::Stueck_Etikett_Drucken()
{
    if (IstWeiterarbeit() && FMaske->Datentraeger_Get().WEPlus.EtikettenSchonGedruckt)
        return;
    Artikeletikett_Drucken(FMaske, FProdukt_Id, FEtikDruckDIId, false, FZielTyp, FPersoZielFil, FDispoAnFil, FGrInd0);
}

bool TQIV_AbstractState_WEPlus_Artikelweise_LOScan::Artikeletikett_Gewuenscht(TfrmMDE* AMaske, TQIV_ZPMDE_Ziel AZielTyp,
                                                                              const TInt32Trio& AProduktId)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TQIV_AbstractState_WEPlus_Artikelweise_LOScan.Artikeletikett_Gewuenscht",
                                            false, [&] {
                                                const auto& o = AMaske->FOptionen.WEPlus;
                                                TQIV_WEPEtikettendruck wahl = wpeUnbekannt;
                                                switch (AZielTyp) {
                                                case bmzVersand:
                                                    wahl = o.EtikDruckVersand;
                                                    break;
                                                case bmzBearbeitungNurWarten:
                                                case bmzFAFuerKube:
                                                    wahl = o.EtikDruckAbholung;
                                                    break;
                                                case bmzFAFuerBearbeitung:
                                                case bmzBearbeitung:
                                                    wahl = o.EtikDruckBearb;
                                                    break;
                                                case bmzFAOhneKube:
                                                    wahl = o.EtikDruckFA;
                                                    break;
                                                case bmzEinlagerung:
                                                    wahl = o.EtikDruckEinlag;
                                                    break;
                                                default:
                                                    break;
                                                }
                                                if (wahl == wpeAllgemein)
                                                    wahl = o.EtikDruckAllg;
                                                if (wahl == wpeStandard)
                                                    return DM_Torvik->Etiketten_4_Artikel_gewollt(AProduktId);
                                                return wahl != wpeNie;
                                            });
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::Artikeletiketten_Drucken(
    TfrmMDE* AMaske, const TInt32Trio& AProduktId, const TIntTrio& ADispoId, bool AForce, TQIV_ZPMDE_Ziel AZielTyp,
    qint16 APersoFil, qint16 AZielFil, const TZAM_Intv100_Sortiment_Me& AMengen)
{
    TZAM_Hausregel::OhneBusy("TQIV_AbstractState_WEPlus_Artikelweise_LOScan.Artikeletiketten_Drucken", [&] {
        if (!AForce && !Artikeletikett_Gewuenscht(AMaske, AZielTyp, AProduktId))
            return;
        const TQIV_Wartemaske warten(AMaske, AMengen.Sum() == 1 ? QStringLiteral("Etikett wird gedruckt.")
                                                                : QStringLiteral("Etiketten werden gedruckt."));
        DM_Torvik->Artikeletikett_Drucken(AProduktId, ADispoId, AMengen, EtikettFiliale(APersoFil, AZielFil));
    });
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::Artikeletikett_Drucken(TfrmMDE* AMaske,
                                                                           const TInt32Trio& AProduktId,
                                                                           const TIntTrio& ADispoId, bool AForce,
                                                                           TQIV_ZPMDE_Ziel AZielTyp, qint16 APersoFil,
                                                                           qint16 AZielFil, int AGrInd)
{
    TZAM_Intv100_Sortiment_Me stueck;
    stueck.Init();
    if (zam_Intv100_IstGroesse(AGrInd))
        stueck.Me[size_t(AGrInd)] = 1;
    stueck.MinMax_Bestimmen();
    Artikeletiketten_Drucken(AMaske, AProduktId, ADispoId, AForce, AZielTyp, APersoFil, AZielFil, stueck);
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::Artikeletiketten_Sammeln(
    TfrmMDE* AMaske, const TInt32Trio& AProduktId, const TIntTrio& ADispoId, bool AForce, TQIV_ZPMDE_Ziel AZielTyp,
    qint16 APersoFil, qint16 AZielFil, const TZAM_Intv100_Sortiment_Me& AMengen)
{
    TZAM_Hausregel::OhneBusy("TQIV_AbstractState_WEPlus_Artikelweise_LOScan.Artikeletiketten_Sammeln", [&] {
        if (AForce || Artikeletikett_Gewuenscht(AMaske, AZielTyp, AProduktId))
            DM_Torvik->Artikeletikett_Sammeln(AProduktId, ADispoId, AMengen, EtikettFiliale(APersoFil, AZielFil));
    });
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::Artikeletiketten_SammelnBegin()
{
    DM_Torvik->Artikeletikett_Sammeln_Begin();
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::Artikeletiketten_SammelnEnd()
{
    DM_Torvik->Artikeletikett_Sammeln_End();
}

void TQIV_AbstractState_WEPlus_Artikelweise_LOScan::Reservierungsbeleg_Drucken(TfrmMDE* AMaske,
                                                                               const TZAM_PersArt_ExtVerweis& AVerweis)
{
    TZAM_Hausregel::OhneBusy("TQIV_AbstractState_WEPlus_Artikelweise_LOScan.Reservierungsbeleg_Drucken", [&] {
        const QString drucker = AMaske->FOptionen.WeitereDrucker.ResBelDrucker;
        // Only the first piece of a customer-order position prints its order's document.
        if (AVerweis.Kennung != CZAM_PersArtExt_KuBe || drucker == TQIV_OptionenSeiten::CNichtDrucken ||
            DM_Torvik->Gesamtmenge_im_DatenCache(AMaske->Datentraeger_Get().WEPlus.DatenCache, AVerweis) != 0)
            return;
        const TQIV_Wartemaske warten(AMaske, QStringLiteral("Reservierung wird gedruckt."));
        TIntTrio beleg;
        IZAM_BelegEditServer* belege = DM_Torvik->BelegEditServer_GoC();
        if (belege && belege->BelegId_4_Position(QuadAusTrio(AVerweis.Id, AVerweis.Nummer), 0, beleg, 0))
            DM_Torvik->Reservierung_ausEBS_Drucken(beleg, drucker);
    });
}
