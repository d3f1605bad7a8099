#pragma once

#include "IZAM_Server.h"

#include <QString>

// The terminals of the site: each terminal identification gets a number of its own on first use.
class IZAM_TerminalServer : public IZAM_Server
{
public:
    // The number of the identification (1 and up), given on first use and the same ever after;
    // two programs registering at once get different numbers.
    virtual int TerminalNummer(const QString& ATerminalId) = 0;
};
