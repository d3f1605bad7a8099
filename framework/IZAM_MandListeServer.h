#pragma once

#include "IZAM_GPListenServer.h"

// The clients (Mandanten) of the merchandise-management system.
class IZAM_MandListeServer : public IZAM_Server
{
public:
    virtual QList<TZAM_GPEintrag> Mandanten() = 0;
};
