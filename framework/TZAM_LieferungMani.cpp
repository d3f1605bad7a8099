#include "TZAM_LieferungMani.h"

#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_WEBuchServer.h"
#include "TZAM_LieferungKey.h"

TZAM_LieferungMani::TZAM_LieferungMani() = default;
TZAM_LieferungMani::~TZAM_LieferungMani() = default;

void TZAM_LieferungMani::Delete(const TZAM_LieferungKey& AKey)
{
    if (AKey.ScanIdents.isEmpty())
        return;
    if (!FServer)
        FServer = Glob_WWSServerFactoryClass().Create<IZAM_WEBuchServer>();
    FServer->OffeneLoeschen(AKey.ScanIdents);
}
