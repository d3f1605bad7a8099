#pragma once

#include "IZAM_CommonLock.h"
#include "TZAM_DBKonfig.h"

#include <memory>

class TZAM_Datenbank;
class TZAM_Herzschlag;

// Locks as rows of one table, unique on (kind, key), written outside the booking transaction on a
// connection of their own. Every program has a session row with a heartbeat; a lock whose holder
// is gone (process ended on this host, or no heartbeat within the timeout) may be taken over.
class TZAM_SperrService : public IZAM_CommonLock
{
public:
    struct TEinstellungen
    {
        int TimeoutSekunden = 120;
        int HerzschlagMs = 20000;
        bool MitHerzschlag = true;
        qint64 ElternSitzung = 0; // the urgent-request instance counts as its parent's session
    };

    TZAM_SperrService(const TZAM_DBKonfig& AKonfig, const QString& ATerminal, const TEinstellungen& AEinstellungen);
    ~TZAM_SperrService() override;

    qint64 Sitzung() const { return FSitzung; }
    void SetTimeout(int ASekunden) { FEinst.TimeoutSekunden = ASekunden; }
    // Ends the session: releases every own lock and removes the session row.
    void Beenden() noexcept;

    void SetBenutzer(const TIntPair& ABenutzer, const QString& AName) override;
    bool LockObjekt(const QString& AArt, const QString& ASchluessel) override;
    void UnlockObjekt(const QString& AArt, const QString& ASchluessel, bool AAuchFremde, bool AMussGesperrtSein) override;
    bool IsLockedOtherObjekt(const QString& AArt, const QString& ASchluessel, QString* AHalter) override;
    bool GPLockBeleg(const QString& AArt, const TIntPair& ABeleg, QString* AHalter) override;
    void GPUnlockBeleg(const QString& AArt, const TIntPair& ABeleg) override;
    bool IsLockedOtherGPBeleg(const QString& AArt, const TIntPair& ABeleg, QString* AHalter) override;
    bool LockAbsort(int AFiliale, const QString& ASchluessel, const TIntPair& ABenutzer) override;
    void UnlockAbsort(int AFiliale, const QString& ASchluessel, const TIntPair& ABenutzer) override;
    bool IsLockedOtherAbsort(int AFiliale, const QString& ASchluessel, const TIntPair& ABenutzer,
                             QList<TIntPair>* AHalter, QStringList* AHalterNamen) override;
    void AlleEigenenFreigeben() override;

private:
    struct THalter
    {
        qint64 Sitzung = 0;
        QString Benutzer;
        QString Name;
        bool Eigen = false;
        bool Tot = false;
    };
    bool Sperren(const QString& AArt, const QString& ASchluessel, const QString& ABenutzer, QString* AHalter);
    QList<THalter> Halter(const QString& AArt, const QString& ASchluessel, bool APraefix);
    void ToteSitzungEntfernen(qint64 ASitzung);
    static QString HalterText(const THalter& AHalter);
    static QString AbsortPraefix(int AFiliale, const QString& ASchluessel);

    std::unique_ptr<TZAM_Datenbank> FDb;
    std::unique_ptr<TZAM_Herzschlag> FHerzschlag;
    TEinstellungen FEinst;
    QString FHost;
    qint64 FSitzung = 0;
    TIntPair FBenutzer;
    QString FBenutzerName;
};
