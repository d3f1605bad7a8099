#pragma once

#include "TQIV_DialogCallbacks.h"

// A yes/no question of the handheld screen.
struct TQIV_SicherheitsAbfrage_Options
{
    QString Text;
    TQIV_Sicherheitsabfrage_callback Callback;
    bool MitAbbrechen = false;
    int FontSize = 16;
    QString CaptionJa;
    QString CaptionNein;
    QString CaptionAbbrechen;
    QString Caption; // header caption while the question is open
    bool ZurueckEnabled = false;

    static TQIV_SicherheitsAbfrage_Options Kurz(const QString& AText, TQIV_Sicherheitsabfrage_callback ACallback)
    {
        TQIV_SicherheitsAbfrage_Options o;
        o.Text = AText;
        o.Callback = std::move(ACallback);
        return o;
    }
    static TQIV_SicherheitsAbfrage_Options Voll(const QString& AText, TQIV_Sicherheitsabfrage_callback ACallback,
                                                bool AMitAbbrechen, int AFontSize, const QString& ACaptionJa,
                                                const QString& ACaptionNein, const QString& ACaptionAbbrechen,
                                                const QString& ACaption, bool AZurueckEnabled)
    {
        return {AText,        std::move(ACallback), AMitAbbrechen, AFontSize,      ACaptionJa,
                ACaptionNein, ACaptionAbbrechen,    ACaption,      AZurueckEnabled};
    }
};
