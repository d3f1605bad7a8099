#pragma once

#include "IZAM_Server.h"

class IZAM_ScannServer : public IZAM_Server
{
public:
};
