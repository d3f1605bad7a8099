#include "TZAM_LVLB_BF_Tester.h"

#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_Info.h"
#include "IZAM_LagerBewegungEditServer.h"
#include "ZAMGlobal.h"

bool TZAM_LVLB_BF_Tester::KonsistenzTest(const TInt32Trio& AProduktId, IZAM_LagerBewegungEditServer* AServer)
{
    std::unique_ptr<IZAM_LagerBewegungEditServer> eigener;
    if (!AServer) {
        eigener = Glob_WWSServerFactoryClass().Create<IZAM_LagerBewegungEditServer>();
        AServer = eigener.get();
    }
    const QList<TZAM_LVLB_BF_Abweichung> abweichungen = AServer->LVLB_BF_Abweichungen(AProduktId);
    for (const TZAM_LVLB_BF_Abweichung& a : abweichungen)
        ZAMInfo().WriteStamp(QStringLiteral("TZAM_LVLB_BF_Tester.KonsistenzTest: Artikel %1, Lager %2, Größe %3: "
                                            "Lagerbestand %4, Filialbestand %5")
                                 .arg(AProduktId.ToText())
                                 .arg(a.Lager)
                                 .arg(a.GrInd)
                                 .arg(a.Lagerbestand)
                                 .arg(a.Filialbestand));
    return abweichungen.isEmpty();
}
