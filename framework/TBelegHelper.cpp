#include "TBelegHelper.h"

#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_BelegEditServer.h"

bool TBelegHelper::Auslieferung_Bestimmen(const TIntQuad& APosition, bool AMitKopf, int AAuslieferungsArt,
                                          qint16& AFiliale)
{
    AFiliale = -1;
    if (!Glob_ServerFactoryClass().Verfuegbar<IZAM_BelegEditServer>())
        return false;
    // A service of its own: the caller's service keeps the document it loaded.
    const std::unique_ptr<IZAM_BelegEditServer> belege = Glob_ServerFactoryClass().Create<IZAM_BelegEditServer>();
    TIntTrio beleg;
    if (!belege || !belege->BelegId_4_Position(APosition, 0, beleg, 0))
        return false;
    if (AAuslieferungsArt == CZAM_Auslieferung_Position) {
        const qint16 eigene = belege->Position_AuslieferFiliale(APosition);
        if (eigene >= 0) {
            AFiliale = eigene;
            return true;
        }
    }
    if (AMitKopf && belege->Beleg_Laden(beleg, false))
        AFiliale = belege->Auslieferung().Filiale;
    return true;
}
