#pragma once

#include "TIntPair.h"

#include <QList>
#include <QString>

// Locks that other devices see at once. No window of its own: refusals hand the holder text to
// the caller. A lock of this program (or of its urgent-request child) is never foreign.
class IZAM_CommonLock
{
public:
    virtual ~IZAM_CommonLock() = default;

    // The user recorded with this program's locks from now on.
    virtual void SetBenutzer(const TIntPair& ABenutzer, const QString& AName) = 0;

    // True when the lock was taken (or is already this program's).
    virtual bool LockObjekt(const QString& AArt, const QString& ASchluessel) = 0;
    // AAuchFremde: remove it even when another program holds it. AMussGesperrtSein: raise when
    // this program does not hold it.
    virtual void UnlockObjekt(const QString& AArt, const QString& ASchluessel, bool AAuchFremde = false,
                              bool AMussGesperrtSein = false) = 0;
    // Held by another program; AHalter names its user.
    virtual bool IsLockedOtherObjekt(const QString& AArt, const QString& ASchluessel, QString* AHalter = nullptr) = 0;

    virtual bool GPLockBeleg(const QString& AArt, const TIntPair& ABeleg, QString* AHalter = nullptr) = 0;
    virtual void GPUnlockBeleg(const QString& AArt, const TIntPair& ABeleg) = 0;
    virtual bool IsLockedOtherGPBeleg(const QString& AArt, const TIntPair& ABeleg, QString* AHalter = nullptr) = 0;

    // Shared locks: several programs may hold the same branch and key at once.
    virtual bool LockAbsort(int AFiliale, const QString& ASchluessel, const TIntPair& ABenutzer) = 0;
    virtual void UnlockAbsort(int AFiliale, const QString& ASchluessel, const TIntPair& ABenutzer) = 0;
    // Held by other programs; AHalter receives their users, AHalterNamen the names recorded with them.
    virtual bool IsLockedOtherAbsort(int AFiliale, const QString& ASchluessel, const TIntPair& ABenutzer,
                                     QList<TIntPair>* AHalter = nullptr, QStringList* AHalterNamen = nullptr) = 0;

    // Releases every lock of this program.
    virtual void AlleEigenenFreigeben() = 0;
    // A workflow begins holding nothing: when another program declared this one dead and took its
    // locks, a fresh session starts here, so the new workflow can lock again.
    virtual void ArbeitsgangBeginnen() = 0;
};
