#pragma once

#include "EZAM_Exception.h"

// The catalogue key of the EZAM_Exception an action raises; the null key when it raises none.
template <class F>
TInfoKoord Fehler(F&& AAktion)
{
    try {
        AAktion();
    } catch (const EZAM_Exception& E) {
        return E.Koord();
    }
    return {};
}
