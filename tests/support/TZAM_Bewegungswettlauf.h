#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

class TZAM_Datenbank;
class TZAM_TestUmgebung;

// Programs of zam_bewegungshelfer booking relocations and removals of the same few stock rows at
// once (the concurrency test and the contention benchmark), and the check that nothing was lost
// or doubled.
class TZAM_Bewegungswettlauf
{
public:
    struct TErgebnis
    {
        QSet<QString> Gebucht, Verweigert; // protocol keys of the bookings
        qint64 Abgaenge[2] = {0, 0};       // pieces removed per article
        QStringList Fehler;
    };

    // The test articles and places, with stock of both branches of the warehouse on every shared
    // row; the starting stock per article.
    static void Vorbereiten(TZAM_Datenbank& ADb, qint64 AStart[2]);
    // Runs AProzesse helpers with AArgumente (besides --ini, --datei and --seed) to their end and
    // reads what they reported; a helper that did not end well is a fault of the result.
    static TErgebnis Laufen(const TZAM_TestUmgebung& AUmgebung, int AProzesse, const QStringList& AArgumente);
    // The conservation check: stock and branch stock are the start less the removals reported as
    // done, no row is negative, each booking done has one journal row and a refused one none.
    // Empty when it holds, else what failed.
    static QString Pruefen(TZAM_Datenbank& ADb, const TErgebnis& AErgebnis, const qint64 AStart[2]);
    // Picking (helpers with --picken): forty re-sorting tasks of twenty pieces, the first twenty of
    // the first article, besides the stock of Vorbereiten 400 more pieces of each on P1.
    static void PickenVorbereiten(TZAM_Datenbank& ADb, qint64 AStart[2]);
    // Pruefen, and no task fulfilled beyond its quantity, every piece picked fulfilled once.
    static QString PickenPruefen(TZAM_Datenbank& ADb, const TErgebnis& AErgebnis, const qint64 AStart[2]);
};
