// Processing of goods: what the data module knows of the processing places of a warehouse.
#include "TDM_Torvik.h"

#include "IZAM_LagerEditServer.h"
#include "TZAM_Hausregel.h"

bool TDM_Torvik::BearbVorbereitungVorhanden(int ALager)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.BearbVorbereitungVorhanden", false, [&] {
        const auto it = FBearbVorbDa4LagernrDict.constFind(ALager);
        if (it != FBearbVorbDa4LagernrDict.constEnd())
            return it.value();
        IZAM_LagerEditServer* lager = LagerEditServer_GoC();
        const bool da = lager && lager->BearbVorbereitung_Vorhanden(ALager);
        FBearbVorbDa4LagernrDict.insert(ALager, da);
        return da;
    });
}
