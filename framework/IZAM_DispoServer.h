#pragma once

#include "IZAM_Server.h"

class IZAM_DispoServer : public IZAM_Server
{
public:
};
