#pragma once

#include "TIntTrio.h"

#include <QSet>
#include <QString>

// The place and container locks: rows of the common lock table under kinds of our own, keyed by
// the place's key as 9-digit unformatted text.
class TZAM_Lagersperren
{
public:
    static inline const QString CArtLagerort = QStringLiteral("LAGERORT");
    static inline const QString CArtBehaelter = QStringLiteral("BEHAELTER");

    static QString Schluessel(const TIntTrio& AId) { return AId.ToTextUnformatted(9); }
    // Another program holds the place's or the container's lock; AHalter names its user.
    static bool Fremd(const TIntTrio& AId, QString* AHalter = nullptr);
    // The keys of every place and container another program holds, read at once; false when the
    // lock service cannot list them (then Fremd asks key by key).
    static bool AlleFremden(QSet<QString>& ASchluessel);
};
