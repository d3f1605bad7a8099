#include "TZAM_BewegungsDienste.h"

#include "EZAM_Exception.h"
#include "ZAMInfoKoords.h"
#include "ZAMUtils.h"

IZAM_LagerEditServer& TZAM_BewegungsDienste::Lager(TDM_Torvik& ADM)
{
    IZAM_LagerEditServer* server = ADM.LagerEditServer_GoC();
    if (!server)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_ModulNichtVerfuegbar, QStringLiteral("LagerEditServer"));
    return *server;
}

IZAM_LagerBewegungEditServer& TZAM_BewegungsDienste::Bewegung(TDM_Torvik& ADM)
{
    IZAM_LagerBewegungEditServer* server = ADM.LagerBewegungEditServer_GoC();
    if (!server)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_ModulNichtVerfuegbar, QStringLiteral("LagerBewegungEditServer"));
    return *server;
}

TZAM_Lager_BEW TZAM_BewegungsDienste::Satz(const TInt32Trio& AProduktId, int AGrInd, const TIntTrio& AVon,
                                           const TIntTrio& AAn, int AMenge, const TIntPair& AMitarbeiter)
{
    TZAM_Lager_BEW bew;
    Lager_Bew_Init(bew);
    bew.ProduktId = AProduktId;
    bew.GrInd = quint8(AGrInd);
    bew.VonLagerortId = AVon;
    bew.AnLagerortId = AAn;
    bew.Menge = AMenge;
    bew.Buchungszeit = zam_Now();
    bew.Mitarbeiter = AMitarbeiter;
    return bew;
}
