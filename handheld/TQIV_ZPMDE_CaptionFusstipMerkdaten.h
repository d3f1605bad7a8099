#pragma once

#include <QString>

// The header caption and the footer of the handheld screen, kept while a panel shows its own.
struct TQIV_ZPMDE_CaptionFusstipMerkdaten
{
    QString Caption;
    QString FussTip;
    bool FussTipLang = false;
    bool FussWarnung = false; // the footer's colour: red for a warning

    void Clear() { *this = TQIV_ZPMDE_CaptionFusstipMerkdaten(); }
};
