#include "TZAM_BewegungsDienste.h"

#include "EZAM_Exception.h"
#include "ZAMInfoKoords.h"

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
