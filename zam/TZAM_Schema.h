#pragma once

#include "TZAM_Migration.h"

// The numbered schema steps of our framework. New steps are appended, never changed.
class TZAM_Schema
{
public:
    // The data database: parameters, booking protocol, and everything the services store.
    static const QList<TZAM_Migration>& Daten();
    // The lock database: sessions and locks (on SQLite a file of its own).
    static const QList<TZAM_Migration>& Sperren();
    // Moves the rows of the former flat task table into the task files and drops it.
    static void AufgabenUmziehen(TZAM_Datenbank& ADb);
};
