#pragma once

#include <QString>

// The object table: which record types an object (such as "ARTV") knows.
class TRObjTab
{
public:
    static bool GetObjektRTypExist(const QString& AObjekt, int ASatzTyp);
};
