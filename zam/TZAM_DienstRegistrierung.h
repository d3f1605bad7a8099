#pragma once

// Registers a creator for every business service of zam/ with the service factory. Each
// creator works on the database of the running backend.
class TZAM_DienstRegistrierung
{
public:
    // Called once the database is open; a new run starts without a current user.
    static void Registrieren();
};
