#include "TZAM_Herzschlag.h"

#include "TZAM_Datenbank.h"

#include <QDateTime>
#include <QSet>

TZAM_Herzschlag::TZAM_Herzschlag(const TZAM_DBKonfig& AKonfig, qint64 ASitzung, int AIntervallMs,
                                 int AUhrVersatzSekunden)
    : FKonfig(AKonfig), FIntervallMs(AIntervallMs), FUhrVersatzSekunden(AUhrVersatzSekunden), FSitzung(ASitzung)
{
}

TZAM_Herzschlag::~TZAM_Herzschlag() { Anhalten(); }

void TZAM_Herzschlag::Anhalten()
{
    {
        QMutexLocker lock(&FMutex);
        FAnhalten = true;
        FWecker.wakeAll();
    }
    wait();
}

void TZAM_Herzschlag::SetSitzung(qint64 ASitzung)
{
    QMutexLocker lock(&FMutex);
    FSitzung = ASitzung;
    FVerloren = false;
}

qint64 TZAM_Herzschlag::StillMs(qint64 ASitzung, qint64 AZaehler)
{
    QMutexLocker lock(&FMutex);
    auto it = FGesehen.find(ASitzung);
    if (it == FGesehen.end() || it->Zaehler != AZaehler) {
        TGesehen g;
        g.Zaehler = AZaehler;
        g.Seit.start();
        FGesehen.insert(ASitzung, g);
        return 0;
    }
    return it->Seit.elapsed();
}

void TZAM_Herzschlag::run()
{
    TZAM_Datenbank db(FKonfig, QStringLiteral("zam_herzschlag_%1").arg(quintptr(this)));
    for (;;) {
        {
            QMutexLocker lock(&FMutex);
            if (!FAnhalten)
                FWecker.wait(&FMutex, FIntervallMs);
            if (FAnhalten)
                break;
        }
        try {
            db.Oeffnen();
            Schlagen(db);
        } catch (const std::exception& E) {
            // The next beat tries again; the locks survive until the timeout.
            qWarning("zam: Herzschlag fehlgeschlagen: %s", E.what());
        }
    }
}

void TZAM_Herzschlag::Schlagen(TZAM_Datenbank& ADb)
{
    qint64 sitzung = 0;
    {
        QMutexLocker lock(&FMutex);
        sitzung = FVerloren ? 0 : FSitzung;
    }
    if (sitzung != 0 &&
        ADb.Schreiben(QStringLiteral("UPDATE zam_sitzung SET zaehler = zaehler + 1, herzschlag = ? WHERE id = ?"),
                      {QDateTime::currentSecsSinceEpoch() + FUhrVersatzSekunden, sitzung}) == 0) {
        QMutexLocker lock(&FMutex);
        if (FSitzung == sitzung)
            FVerloren = true;
    }
    const TZAM_Zeilen z = ADb.Lesen(QStringLiteral("SELECT id, zaehler FROM zam_sitzung"));
    QSet<qint64> da;
    for (int i = 0; i < z.Anzahl(); ++i) {
        da.insert(z.Wert(i, 0).toLongLong());
        StillMs(z.Wert(i, 0).toLongLong(), z.Wert(i, 1).toLongLong());
    }
    QMutexLocker lock(&FMutex);
    FGesehen.removeIf([&](QHash<qint64, TGesehen>::iterator AEintrag) { return !da.contains(AEintrag.key()); });
}
