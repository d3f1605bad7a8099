#pragma once

#include "TInfoKoord.h"

#include <QString>
#include <QStringList>
#include <exception>

// Modal results of the framework's message windows.
enum TZAM_ModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

// Message service: catalogue messages, literal boxes, exception registration and the protocol.
class IZAM_Info
{
public:
    virtual ~IZAM_Info() = default;

    // Writes the protocol; shows the message when AZeigen is true. The caller carries on.
    virtual void RegisterException(const QString& AMethode, const std::exception& E, bool AZeigen = true) = 0;
    // Kind 0 informs (answers mrOk), kind 4 asks yes/no (mrYes or mrNo).
    virtual int ShowMeldung(int AArt, int ANummer, const QString& AGruppe, const QStringList& AEinfuegungen = {}) = 0;
    virtual QString Meldungstext(const TInfoKoord& AKoord, const QStringList& AEinfuegungen = {}) const = 0;
    virtual void ZAMWarnungBox(const QString& AText) = 0;
    virtual bool ZAMJaNeinBox(const QString& AText) = 0;
    // Appends a time-stamped line to the protocol file.
    virtual void WriteStamp(const QString& AText, int AArt = 1) = 0;

    // Test hook: the next message or question is answered with AErgebnis without a window.
    virtual void AntwortVorgeben(int AErgebnis) = 0;
    // The texts of every message shown (or answered by the hook) since the last call; for tests.
    virtual QStringList GezeigteMeldungenHolen() = 0;

    int ShowMeldung(int AArt, const TInfoKoord& AKoord, const QStringList& AEinfuegungen = {})
    {
        return ShowMeldung(AArt, AKoord.Nummer, AKoord.Gruppe, AEinfuegungen);
    }
};
