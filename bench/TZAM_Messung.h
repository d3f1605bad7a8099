#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <utility>

// Times one operation a worker waits for: runs it repeatedly and prints one row of the engine's
// table (operation, runs, median, 95th percentile, target).
class TZAM_Messung
{
public:
    static void Kopf(const QString& AMotor);
    // AZielMs <= 0: no target yet.
    static void Zeile(const QString& AOperation, int ALaeufe, double AZielMs,
                      const std::function<void()>& AOperationLauf);
    // The row of times taken outside (a run needs work before it that must not count, or the
    // figure is a share of a run); answers the median and the 95th percentile.
    static std::pair<double, double> Zeile(const QString& AOperation, QList<double> AMs, double AZielMs);
    // The same row; a SQLite row remembers its figures, a PostgreSQL row of the same operation
    // prints its ratio to them.
    static void ZeileMitVerhaeltnis(bool ASQLite, const QString& AOperation, const QList<double>& AMs, double AZielMs);
};
