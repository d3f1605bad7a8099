#include "TZAM_Messung.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>

#include <algorithm>
#include <cstdio>

void TZAM_Messung::Kopf(const QString& AMotor)
{
    // Widths in characters, not bytes: the captions are German.
    const QString kopf = QStringLiteral("%1 %2 %3 %4 %5")
                             .arg(QStringLiteral("Operation"), -40)
                             .arg(QStringLiteral("Läufe"), 7)
                             .arg(QStringLiteral("Median ms"), 12)
                             .arg(QStringLiteral("95 % ms"), 12)
                             .arg(QStringLiteral("Ziel ms"), 10);
    std::printf("\n%s\n%s\n", qPrintable(AMotor), qPrintable(kopf));
}

void TZAM_Messung::Zeile(const QString& AOperation, int ALaeufe, double AZielMs,
                         const std::function<void()>& AOperationLauf)
{
    QList<double> ms;
    ms.reserve(ALaeufe);
    QElapsedTimer uhr;
    for (int i = 0; i < ALaeufe; ++i) {
        uhr.start();
        AOperationLauf();
        ms << double(uhr.nsecsElapsed()) / 1e6;
    }
    Zeile(AOperation, ms, AZielMs);
}

std::pair<double, double> TZAM_Messung::Zeile(const QString& AOperation, QList<double> AMs, double AZielMs)
{
    if (AMs.isEmpty())
        return {0, 0};
    std::sort(AMs.begin(), AMs.end());
    const double median = AMs.at(AMs.size() / 2);
    const double p95 = AMs.at(qMin(AMs.size() - 1, qsizetype(AMs.size() * 0.95)));
    const QString ziel = AZielMs > 0 ? QString::number(AZielMs, 'f', 1) : QStringLiteral("-");
    const QString zeile = QStringLiteral("%1 %2 %3 %4 %5")
                              .arg(AOperation, -40)
                              .arg(AMs.size(), 7)
                              .arg(median, 12, 'f', 3)
                              .arg(p95, 12, 'f', 3)
                              .arg(ziel, 10);
    std::printf("%s\n", qPrintable(zeile));
    std::fflush(stdout);
    return {median, p95};
}

void TZAM_Messung::ZeileMitVerhaeltnis(bool ASQLite, const QString& AOperation, const QList<double>& AMs,
                                       double AZielMs)
{
    static QHash<QString, std::pair<double, double>> GSQLite;
    const auto [median, p95] = Zeile(AOperation, AMs, AZielMs);
    if (AMs.isEmpty())
        return;
    if (ASQLite)
        GSQLite[AOperation] = {median, p95};
    else if (const auto s = GSQLite.value(AOperation); s.first > 0 && s.second > 0)
        std::printf("(PostgreSQL/SQLite: Median %.2f, 95 %% %.2f)\n", median / s.first, p95 / s.second);
    std::fflush(stdout);
}
