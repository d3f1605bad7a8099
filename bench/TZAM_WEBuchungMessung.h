#pragma once

#include <QStringList>

class TZAM_TestUmgebung;

// What posting goods receipt costs on the large site (after TZAM_WareneingangMessung, whose
// dispositions it posts against): one group of a count list inside WE_Buchen, one group of a
// WE-Plus cache, and on PostgreSQL eight programs posting WE-Plus groups against the same
// dispositions with the check that nothing was lost or doubled.
class TZAM_WEBuchungMessung
{
public:
    static void Messen(TZAM_TestUmgebung& AUmgebung, int ALaeufe);
    // 30 s of eight programs (5 s for fewer than ten runs).
    static void Wettlauf(TZAM_TestUmgebung& AUmgebung, int ALaeufe);
    // The program of a sibling: zam_bench --webuchung-kind INI BIS_MS ENDE_MS DATEI. Posts
    // WE-Plus groups from BIS_MS until ENDE_MS (milliseconds since 1970) and writes one line per
    // group to DATEI: "1 PIECES ID,ID,..." posted, "0 ID,ID,..." refused, "F TEXT" on a raised
    // error (exit code 2).
    static bool IstKind(const QStringList& AArgumente);
    static int Kind(const QStringList& AArgumente);
};
