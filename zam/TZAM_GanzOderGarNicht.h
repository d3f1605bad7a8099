#pragma once

#include <QString>
#include <functional>

class TZAM_Datenbank;

// Runs ARumpf in a booking bracket of its own (kind AOperationsArt, named AName) nested in the
// caller's, under a savepoint per nesting depth (named APraefix + depth): when ARumpf answers
// false everything it wrote is taken back and the caller's bracket goes on. A database error
// fails the whole bracket (nothing of it may be stored) and is passed on.
bool zam_GanzOderGarNicht(TZAM_Datenbank& ADb, int AOperationsArt, const QString& AName, const QString& APraefix,
                          const std::function<bool()>& ARumpf);
