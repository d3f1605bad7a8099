#pragma once

// Base of every business service interface the service factory creates.
class IZAM_Server
{
public:
    virtual ~IZAM_Server() = default;
};
