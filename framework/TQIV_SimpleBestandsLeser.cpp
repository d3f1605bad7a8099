#include "TQIV_SimpleBestandsLeser.h"

#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "ZAMInfoKoords.h"

TQIV_SimpleBestandsLeser::TQIV_SimpleBestandsLeser()
    : FServer(Glob_WWSServerFactoryClass().Create<IZAM_BestandServer>())
{
    if (!FServer)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_ModulNichtVerfuegbar, QStringLiteral("Bestand"),
                             QStringLiteral("TQIV_SimpleBestandsLeser.Create"));
}

TQIV_SimpleBestandsLeser::~TQIV_SimpleBestandsLeser() = default;

bool TQIV_SimpleBestandsLeser::LagerBestandLesen(const TInt32Trio& AProduktId, int ALager, qint64 ABestandsarten,
                                                 TZAM_Intv100_Sortiment_Me& ABestand)
{
    ABestand.Init();
    if (!AProduktId.Defined())
        return false;
    ABestand = FServer->LagerBestand(AProduktId, ALager, ABestandsarten);
    return true;
}
