#pragma once

#include "TInt32Trio.h"
#include "TIntTrio.h"

#include <QHash>
#include <QList>
#include <QString>

// Walking positions of allocated stock: route places count from 1 in route order; a place off the
// route and the hall come after every route place.
inline constexpr int CZAM_LaufwegPos_AusserhalbLaufweg = 1819813646;
inline constexpr int CZAM_LaufwegPos_Halle = 2147483646;

// The sources a worker may no longer take an article from in this run (a place he skipped), per
// price, size index and product.
class TZAM_LaufwegVerbotDict
{
public:
    struct TSchluessel
    {
        qint64 Preis = 0;
        int GrInd = 0;
        TInt32Trio ProduktId;
        bool operator==(const TSchluessel&) const = default;
    };

    // Adds the source once.
    void Verbieten(const TSchluessel& ASchluessel, const TIntTrio& AQuelle);
    bool Verboten(const TSchluessel& ASchluessel, const TIntTrio& AQuelle) const;
    QList<TIntTrio> Quellen(const TSchluessel& ASchluessel) const { return FQuellen.value(ASchluessel); }
    bool IsEmpty() const { return FQuellen.isEmpty(); }
    void Clear() { FQuellen.clear(); }

private:
    QHash<TSchluessel, QList<TIntTrio>> FQuellen;
};
size_t qHash(const TZAM_LaufwegVerbotDict::TSchluessel& AKey, size_t ASeed = 0);

// What a task asks the allocation for: the article, the pieces still to pick and the route.
struct TZAM_AufgabenAllokation
{
    QList<TIntTrio> LaufwegPlaetze; // the route's places in route order
    TInt32Trio ProduktId;
    int GrInd = 0;
    qint64 Preis = 0;
    int Rest = 0; // pieces still open

    TZAM_LaufwegVerbotDict::TSchluessel Schluessel() const { return {Preis, GrInd, ProduktId}; }
};

// Stock allocated to a task on one source: a place, or a container (with the place it stands on).
struct TZAM_AllokationsEintrag
{
    int Menge = 0;
    QString Lagerort;
    TIntTrio LagerortId;
    QString Behaelter;
    TIntTrio BehaelterId; // null: the stock lies on the place itself
    int LaufwegPos = 0;
    // The source the pieces are taken from: the container, else the place.
    TIntTrio QuelleId() const { return BehaelterId.Defined() ? BehaelterId : LagerortId; }
};
