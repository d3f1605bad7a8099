#pragma once

#include "TQIV_DialogCallbacks.h"
#include "TQIV_IgnoreScanType.h"

// A message of the handheld screen.
struct TQIV_Meldung_Options
{
    QString Text;
    TQIV_Sicherheitsabfrage_callback Callback;
    bool IgnoreBusy = false; // the answer buttons work even while the screen is busy
    int FontSize = 16;
    QString CaptionOK; // instead of "OK"
    bool MitOK = true;
    QString Caption; // header caption while the message is open
    bool FussTipLeeren = true;
    bool ZurueckEnabled = false; // the back button answers with the undefined value
    TQIV_IgnoreScanType IgnoreScan = istJa;

    static TQIV_Meldung_Options Kurz(const QString& AText, bool AIgnoreBusy = false,
                                     TQIV_Sicherheitsabfrage_callback ACallback = {})
    {
        TQIV_Meldung_Options o;
        o.Text = AText;
        o.IgnoreBusy = AIgnoreBusy;
        o.Callback = std::move(ACallback);
        return o;
    }
    static TQIV_Meldung_Options Voll(const QString& AText, TQIV_Sicherheitsabfrage_callback ACallback, bool AIgnoreBusy,
                                     int AFontSize, const QString& ACaptionOK, bool AMitOK, const QString& ACaption,
                                     bool AFussTipLeeren, bool AZurueckEnabled, TQIV_IgnoreScanType AIgnoreScan)
    {
        return {AText,    std::move(ACallback), AIgnoreBusy,     AFontSize,  ACaptionOK, AMitOK,
                ACaption, AFussTipLeeren,       AZurueckEnabled, AIgnoreScan};
    }
};
