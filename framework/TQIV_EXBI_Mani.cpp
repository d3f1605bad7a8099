#include "TQIV_EXBI_Mani.h"

#include "Glob_WWSServerFactoryClass.h"

TQIV_EXBI_Mani::TQIV_EXBI_Mani() = default;
TQIV_EXBI_Mani::~TQIV_EXBI_Mani() = default;

IZAM_EXBIServer& TQIV_EXBI_Mani::Server()
{
    if (!FServer)
        FServer = Glob_WWSServerFactoryClass().Create<IZAM_EXBIServer>();
    return *FServer;
}

bool TQIV_EXBI_Mani::BestellInfos_4_PersArt_ExtVerweis(const TZAM_PersArt_ExtVerweis& AVerweis, TQIV_EXBI_Info& AInfo)
{
    const TIntQuad key = QuadAusTrio(AVerweis.Id, AVerweis.Nummer);
    if (AVerweis.Kennung == CZAM_PersArtExt_EXBI)
        if (const auto it = FInfos.constFind(key); it != FInfos.constEnd()) {
            AInfo = *it;
            return true;
        }
    // An unknown position is asked again next time: the order may arrive meanwhile.
    if (!Server().Info_4_ExtVerweis(AVerweis, AInfo))
        return false;
    FInfos.insert(key, AInfo);
    return true;
}

void TQIV_EXBI_Mani::ExtVerweise_4_BelegId_AusDict(const QString& ABestellNr, bool& ANeuLaden,
                                                   QList<TZAM_PersArt_ExtVerweis>& AVerweise)
{
    auto it = FVerweise.find(ABestellNr);
    if (ANeuLaden || it == FVerweise.end()) {
        const QList<TZAM_PersArt_ExtVerweis> verweise = Server().ExtVerweise_4_BestellNr(ABestellNr);
        if (ANeuLaden)
            for (const TZAM_PersArt_ExtVerweis& v : verweise)
                FInfos.remove(QuadAusTrio(v.Id, v.Nummer));
        it = FVerweise.insert(ABestellNr, verweise);
        ANeuLaden = false;
    }
    AVerweise = *it;
}

bool TQIV_EXBI_Mani::BestInfoExists_4_PersArt_ExtVerweis(const TZAM_PersArt_ExtVerweis& AVerweis)
{
    TQIV_EXBI_Info info;
    return BestellInfos_4_PersArt_ExtVerweis(AVerweis, info);
}
