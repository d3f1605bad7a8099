#pragma once

#include "TIntTrio.h"

// The transaction an item of the item batch dialog belongs to (a disposition or a notice); the
// goods receipt passes the empty one.
struct TVorgInfo
{
    TIntTrio VorgId;
    int VorgTyp = 0;  // the framework's movement kind, 0 none
    int Filiale = -1; // -1 none

    static TVorgInfo EmptyGet() { return TVorgInfo(); }
    bool IsEmpty() const { return VorgId.IsNull() && VorgTyp == 0 && Filiale < 0; }
};
