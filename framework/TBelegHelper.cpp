#include "TBelegHelper.h"

bool TBelegHelper::Auslieferung_Bestimmen(const TIntQuad&, bool, int, qint16& AFiliale)
{
    AFiliale = -1;
    return false;
}
