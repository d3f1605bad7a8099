#pragma once

#include <QString>
#include <functional>

// Times one operation a worker waits for: runs it repeatedly and prints one row of the engine's
// table (operation, runs, median, 95th percentile, target).
class TZAM_Messung
{
public:
    static void Kopf(const QString& AMotor);
    // AZielMs <= 0: no target yet.
    static void Zeile(const QString& AOperation, int ALaeufe, double AZielMs, const std::function<void()>& AOperationLauf);
};
