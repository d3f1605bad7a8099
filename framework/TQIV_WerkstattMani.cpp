#include "TQIV_WerkstattMani.h"

#include "IZAM_WerkstattServer.h"

TQIV_WerkstattMani::TQIV_WerkstattMani() = default;
TQIV_WerkstattMani::~TQIV_WerkstattMani() = default;

bool TQIV_WerkstattMani::VerfahrenKombinationen_4_ArtPos(bool, TQIV_IntTrioSortimentDictionary& ADict, const TIntTrio&,
                                                         int, int, int& AAnzahl, int& AGesamt)
{
    ADict.clear();
    AAnzahl = AGesamt = 0;
    return false;
}

int TQIV_WerkstattMani::BearbeitungsFiliale_4_Beleg(const TIntTrio&, int)
{
    return 0;
}

QString TQIV_WerkstattMani::VerfKombi_Bezeichnung_4_Id(const TIntTrio&)
{
    return {};
}
