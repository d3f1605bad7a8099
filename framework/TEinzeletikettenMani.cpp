#include "TEinzeletikettenMani.h"

void TEinzeletikettenMani::EinzEtik_Aufbereiten(const TEinzelEtikettInfo& AInfo, bool ADrucken, const QString& ALayout)
{
    EinzEtik_Aufbereiten(QList<TEinzelEtikettInfo>{AInfo}, ADrucken, ALayout);
}

void TEinzeletikettenMani::EinzEtik_Aufbereiten(const QList<TEinzelEtikettInfo>&, bool, const QString&) {}
