#pragma once

#include "IZAM_Server.h"
#include "TIntPair.h"

#include <QList>
#include <QString>

// A right: a 16-bit right code.
using TQIV_WPF_Recht = qint16;

// Users, their employees and their rights. The current user is one per program run, whichever
// instance of the server is asked.
class IZAM_RechteServer : public IZAM_Server
{
public:
    // The user that belongs to an employee; the empty key when none.
    virtual TIntPair BenutzerZuMitarbeiter(const TIntPair& AMitarbeiter) = 0;
    // The employee of a user; the empty key when none.
    virtual TIntPair MitarbeiterZuBenutzer(const TIntPair& ABenutzer) = 0;
    virtual TIntPair AktBenutzer() = 0;
    virtual void SetAktBenutzer(const TIntPair& ABenutzer) = 0;
    // Checks name and password; on success the user becomes the current user.
    virtual bool Anmelden(const QString& AName, const QString& APasswort, TIntPair& ABenutzer) = 0;
    // The user's name (the log-on name text of the user file); empty for an unknown user.
    virtual QString BenutzerName(const TIntPair& ABenutzer) = 0;
    // No user is current any more.
    virtual void Abmelden() = 0;
    // True when the user holds every right of the array for the function type (1: execute).
    // A right open to everyone is granted to anybody, the empty user included.
    virtual bool RechtePruefen(const TIntPair& ABenutzer, const QList<TQIV_WPF_Recht>& ARechte, int AFunktionsTyp = 1) = 0;
};
