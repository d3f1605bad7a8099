#include "TZAM_WettlaufMessung.h"

#include "TZAM_Bewegungswettlauf.h"
#include "TZAM_TestUmgebung.h"

#include <cstdio>

void TZAM_WettlaufMessung::Messen(TZAM_TestUmgebung& AUmgebung, int AProzesse, int ASekunden)
{
    qint64 start[2];
    TZAM_Bewegungswettlauf::Vorbereiten(AUmgebung.Backend().Datenbank(), start);
    const TZAM_Bewegungswettlauf::TErgebnis e = TZAM_Bewegungswettlauf::Laufen(
        AUmgebung, AProzesse, {QStringLiteral("--sekunden"), QString::number(ASekunden)});
    const QString fehler = TZAM_Bewegungswettlauf::Pruefen(AUmgebung.Backend().Datenbank(), e, start);
    std::printf("%d Programme, %d s: %lld gebucht (%.1f je Sekunde), %lld verweigert; Erhaltung: %s\n", AProzesse,
                ASekunden, qint64(e.Gebucht.size()), double(e.Gebucht.size()) / ASekunden,
                qint64(e.Verweigert.size()), fehler.isEmpty() ? "gehalten" : qPrintable(fehler));
}

void TZAM_WettlaufMessung::Picken(TZAM_TestUmgebung& AUmgebung, int AProzesse, int ASekunden)
{
    qint64 start[2];
    TZAM_Bewegungswettlauf::PickenVorbereiten(AUmgebung.Backend().Datenbank(), start);
    const TZAM_Bewegungswettlauf::TErgebnis e = TZAM_Bewegungswettlauf::Laufen(
        AUmgebung, AProzesse, {QStringLiteral("--sekunden"), QString::number(ASekunden), QStringLiteral("--picken")});
    const QString fehler = TZAM_Bewegungswettlauf::PickenPruefen(AUmgebung.Backend().Datenbank(), e, start);
    std::printf("Picken, %d Programme, %d s: %lld gepickt (%.1f je Sekunde), %lld verweigert; Erhaltung: %s\n",
                AProzesse, ASekunden, qint64(e.Gebucht.size()), double(e.Gebucht.size()) / ASekunden,
                qint64(e.Verweigert.size()), fehler.isEmpty() ? "gehalten" : qPrintable(fehler));
}
