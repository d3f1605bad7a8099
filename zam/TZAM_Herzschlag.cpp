#include "TZAM_Herzschlag.h"

#include "TZAM_Datenbank.h"

#include <QDebug>

TZAM_Herzschlag::TZAM_Herzschlag(const TZAM_DBKonfig& AKonfig, qint64 ASitzung, int AIntervallMs)
    : FKonfig(AKonfig), FSitzung(ASitzung), FIntervallMs(AIntervallMs)
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
            db.Schreiben(db.Sql(QStringLiteral("UPDATE zam_sitzung SET herzschlag = {JETZT} WHERE id = ?")), {FSitzung});
        } catch (const std::exception& E) {
            // The next beat tries again; the locks survive until the timeout.
            qWarning("zam: Herzschlag fehlgeschlagen: %s", E.what());
        }
    }
}
