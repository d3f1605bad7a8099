#pragma once

#include "IZAM_CommonLock.h"
#include "TZAM_DBKonfig.h"

#include <QDateTime>
#include <QSet>

#include <memory>

class TZAM_Datenbank;
class TZAM_Herzschlag;

// Locks as rows of one table, unique on (kind, key), written outside the booking transaction on a
// connection of their own. A lock belongs to one family (a program and its urgent-request
// instances) and lists each of its sessions that holds it; it is gone when the last of them lets
// go or ends. Every program has a session row with a heartbeat counter. A holder is dead when its
// process ended on this machine (same machine identity and boot), or when its counter stood still
// for the timeout on this program's monotonic clock; then its session is deleted, which takes its
// locks with it. A program whose session was deleted learns it on its next lock call.
class TZAM_SperrService : public IZAM_CommonLock
{
public:
    struct TEinstellungen
    {
        int TimeoutSekunden = 120;
        int HerzschlagMs = 20000;
        bool MitHerzschlag = true;
        qint64 ElternSitzung = 0; // the urgent-request instance counts as its parent's session
        QString Maschine;           // empty: this machine's identity
        qint64 Pid = 0;             // 0: this process
        int UhrVersatzSekunden = 0; // added to the wall clock wherever it is read
    };

    TZAM_SperrService(const TZAM_DBKonfig& AKonfig, const QString& ATerminal, const TEinstellungen& AEinstellungen);
    ~TZAM_SperrService() override;

    qint64 Sitzung() const { return FSitzung; }
    // The family this session holds its locks in (the first session of the program and its child).
    qint64 Familie() const { return FFamilie; }
    void SetTimeout(int ASekunden) { FEinst.TimeoutSekunden = ASekunden; }
    // True once another program declared this session dead and took its locks. Every lock call
    // then raises CZAM_Info_Fehler_Sperre_SitzungVerloren until the next workflow begins
    // (ArbeitsgangBeginnen) or AlleEigenenFreigeben, which open a fresh session.
    bool SitzungVerloren() const;
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
    // Since when the lock is held, by the wall clock of the program that took it; invalid when
    // nobody holds it.
    QDateTime GesperrtSeit(const QString& AArt, const QString& ASchluessel);
    // Held by a living program, this one included (a dead holder's lock does not count).
    bool IsLockedObjekt(const QString& AArt, const QString& ASchluessel);
    // The keys of a kind that other living programs hold (one read for many questions).
    QSet<QString> FremdGesperrt(const QString& AArt);
    // After a lost session: opens a fresh one, so the program can lock again.
    void AlleEigenenFreigeben() override;
    void ArbeitsgangBeginnen() override;

private:
    struct THalter
    {
        QString Schluessel;
        qint64 Sitzung = 0; // 0: a lock that nobody holds any more
        qint64 Zaehler = 0;
        QString Benutzer;
        QString Name;
        bool Eigen = false;
        bool Tot = false;
    };
    enum TErgebnis { seGesperrt, seBelegt, seNochmal };

    void SitzungOeffnen();
    void Erneuern();
    bool SitzungDa(qint64 ASitzung);
    // Lost, or its row deleted by another program.
    bool SitzungWeg();
    void Pruefen();
    [[noreturn]] void Verloren();
    template <class F>
    auto Geprueft(F&& ARumpf) -> decltype(ARumpf());
    template <class F>
    auto InTransaktion(F&& ARumpf) -> decltype(ARumpf());

    bool Sperren(const QString& AArt, const QString& ASchluessel, const QString& ABenutzer, QString* AHalter);
    TErgebnis SperrenEinmal(const QString& AArt, const QString& ASchluessel, const QString& ABenutzer, QString* AHalter);
    QList<THalter> Halter(const QString& AArt, const QString& ASchluessel, bool APraefix);
    bool SitzungEntfernen(const THalter& AHalter);
    void AnkerSperren(const QString& ABedingung, const QVariantList& AWerte);
    void LeereEntfernen(const QString& ABedingung, const QVariantList& AWerte);
    void EigeneFreigeben();
    qint64 Jetzt() const;
    static QString HalterText(const THalter& AHalter);
    static QString AbsortPraefix(int AFiliale, const QString& ASchluessel);

    std::unique_ptr<TZAM_Datenbank> FDb;
    std::unique_ptr<TZAM_Herzschlag> FHerzschlag;
    TEinstellungen FEinst;
    QString FTerminal;
    QString FMaschine;
    QString FBoot;
    qint64 FSitzung = 0;
    qint64 FFamilie = 0;
    bool FVerloren = false;
    TIntPair FBenutzer;
    QString FBenutzerName;
};
