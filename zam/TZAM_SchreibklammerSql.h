#pragma once

#include <QString>
#include <functional>

class TZAM_Datenbank;

// Several writes that belong together (a form set, a user with its rights) are stored as one:
// inside an open transaction as part of it, otherwise in a transaction of their own. While the
// program's booking bracket is abandoned or cancelled they are refused like every other write.
class TZAM_SchreibklammerSql
{
public:
    static void Ausfuehren(TZAM_Datenbank& ADb, const QString& AName, const std::function<void()>& ASchreiben);
};
