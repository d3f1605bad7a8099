#pragma once

#include "TVTVRList.h"

// A list update of a control for the lifetime of the object: the control repaints once at the end.
class TVTVRListUpdate
{
public:
    explicit TVTVRListUpdate(TVTVRList* AListe) : FListe(AListe) { FListe->BeginUpdate(); }
    ~TVTVRListUpdate() { FListe->EndUpdate(); }
    TVTVRListUpdate(const TVTVRListUpdate&) = delete;
    TVTVRListUpdate& operator=(const TVTVRListUpdate&) = delete;

private:
    TVTVRList* FListe;
};
