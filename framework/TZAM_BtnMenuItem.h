#pragma once

#include <QString>

// One button of the button menu. Captions mark the accelerator with "&" before a character; "&&"
// shows as one "&". Either caption may have several lines ("\r\n" or "\n").
struct TZAM_BtnMenuItem
{
    QString LeftCaption;
    QString RightCaption;
    int Data = 0; // what the button stands for, e.g. a mode
    int ButtonType = 0;
    int Tag = 0;
    QString Hint; // kept for the state, not shown
    bool Enabled = true;
    int Height = 0; // pixels; 0 or less takes the menu's button height when added

    // The character after the first single "&" of the left caption, else a null character.
    QChar Kuerzel() const
    {
        for (qsizetype i = 0; i + 1 < LeftCaption.size(); ++i) {
            if (LeftCaption.at(i) != u'&')
                continue;
            if (LeftCaption.at(i + 1) != u'&')
                return LeftCaption.at(i + 1);
            ++i; // "&&" is a plain "&"
        }
        return {};
    }
};
