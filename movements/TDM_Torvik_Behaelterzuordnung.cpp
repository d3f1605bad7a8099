// The data module's container assignments to customer-order documents: which container is open
// for a position's document and process combination, and assigning one to it.
#include "TDM_Torvik.h"

#include "EZAM_Exception.h"
#include "IZAM_BelegEditServer.h"
#include "TIntQuad.h"
#include "TLVLZMani.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "ZAMFehler.h"
#include "ZAMInfoKoords.h"

namespace {

// The order type of an assignment: the target branch belongs to the container's warehouse, or
// to another one.
constexpr int CBestellTypEigenesLager = 1;
constexpr int CBestellTypFremdesLager = 2;

TLVLZMani& LVLZMani(TDM_Torvik& ADM)
{
    TLVLZMani* mani = ADM.LVLZMani_GoC();
    if (!mani)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_ModulNichtVerfuegbar, QStringLiteral("LVLZMani"));
    return *mani;
}

IZAM_BelegEditServer& BelegServer(TDM_Torvik& ADM)
{
    IZAM_BelegEditServer* server = ADM.BelegEditServer_GoC();
    if (!server)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_ModulNichtVerfuegbar, QStringLiteral("BelegEditServer"));
    return *server;
}

} // namespace

bool TDM_Torvik::Behaelter_Exists_4_ExtVerweis(const TZAM_PersArt_ExtVerweis& AExtVerweis, const TIntTrio& AVerfKombiId,
                                               TQIV_Behaelter_Status AStatus, TZAM_Behaelter& ABehaelter,
                                               QString& AVaterText)
{
    ABehaelter = TZAM_Behaelter();
    AVaterText.clear();
    bool fertig = false;
    const bool ok =
        TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Behaelter_Exists_4_ExtVerweis_u_VerfKombiId", false, [&] {
            TIntTrio id;
            if (!LVLZMani(*this).Behaelter_Exists_4_ExtVerweis_u_VerfKombiId(ABehaelter, id, AStatus, AVerfKombiId,
                                                                             AExtVerweis)) {
                fertig = true;
                return false;
            }
            // The container may have been put into another one on another device.
            IZAM_LagerBewegungEditServer& bewegung = TZAM_BewegungsDienste::Bewegung(*this);
            bewegung.Cache_Leeren();
            TIntTrio vater;
            if (bewegung.Vater_4_Behaelter(id, vater) && !vater.IsNull() && vater != id) {
                TZAM_Lagerort_Info info;
                if (TZAM_BewegungsDienste::Lager(*this).LagerortInfo_Lesen(vater, info,
                                                                           TQIV_Lagerort_Info_Optionen::Defaults()))
                    AVaterText = info.Name;
            }
            fertig = true;
            return true;
        });
    if (!fertig) {
        ABehaelter = TZAM_Behaelter();
        AVaterText.clear();
    }
    return ok;
}

bool TDM_Torvik::Behaelter_ZuordnenZu_ExtVerweis(const TIntTrio& ABehaelter, const TZAM_PersArt_ExtVerweis& AExtVerweis,
                                                 const TIntTrio& AVerfKombiId, qint16 APersoZielFil, TIntTrio& ABelegId)
{
    ABelegId = TIntTrio();
    bool fertig = false;
    const bool ok = TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Behaelter_ZuordnenZu_ExtVerweis", false, [&] {
        TIntTrio beleg;
        if (!BelegServer(*this).BelegId_4_Position(QuadAusTrio(AExtVerweis.Id, AExtVerweis.Nummer), 0, beleg, 0))
            beleg = TIntTrio();
        IZAM_LagerEditServer& lager = TZAM_BewegungsDienste::Lager(*this);
        int behLager = 0;
        if (!lager.Lager_4_Behaelter(behLager, ABehaelter))
            FehlerRaise(QStringLiteral("TDM_Torvik.Behaelter_ZuordnenZu_ExtVerweis"), CZAM_Info_Fehler_Datei_Lesen,
                        QStringLiteral("Behaelter = ") + ABehaelter.ToText());
        int typ = CBestellTypFremdesLager;
        if (behLager == FAktLager) {
            if (FAktLagerFilialen.contains(int(APersoZielFil)))
                typ = CBestellTypEigenesLager;
        } else if (lager.Lager_4_Filiale(APersoZielFil) == behLager) {
            typ = CBestellTypEigenesLager;
        }
        // The document was just taken from the reference: the manager need not check it again.
        const bool zugeordnet = LVLZMani(*this).Behaelter_ZuordnenZu_KubeBelegId_u_VerfKombiId(
            AExtVerweis, false, ABehaelter, beleg, AVerfKombiId, typ, true);
        ABelegId = beleg;
        fertig = true;
        return zugeordnet;
    });
    if (!fertig)
        ABelegId = TIntTrio();
    return ok;
}
