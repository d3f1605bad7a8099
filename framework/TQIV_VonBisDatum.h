#pragma once

#include <QDate>

// A date range of a selection. A bound that is null (the day 0 of the framework's calendar, or
// no date at all) is open; so is an upper bound of day 99999, the framework's "no end".
struct TQIV_VonBisDatum
{
    QDate Von;
    QDate Bis;

    // Day ATag of the framework's calendar (day 0 is 30 December 1899).
    static QDate FrameworkTag(int ATag) { return QDate(1899, 12, 30).addDays(ATag); }
    static QDate Offen() { return FrameworkTag(99999); }

    void ClearEmpty() { Von = Bis = QDate(); }
    bool VonGesetzt() const { return Von.isValid() && Von > FrameworkTag(0); }
    bool BisGesetzt() const { return Bis.isValid() && Bis > FrameworkTag(0) && Bis != Offen(); }
};
