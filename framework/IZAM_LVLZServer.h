#pragma once

#include "IZAM_Server.h"

class IZAM_LVLZServer : public IZAM_Server
{
public:
};
