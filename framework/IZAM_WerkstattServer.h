#pragma once

#include "IZAM_Server.h"

class IZAM_WerkstattServer : public IZAM_Server
{
public:
};
