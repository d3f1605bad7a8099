#include "TQIV_EtikDrucker.h"

#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_ArtikelServer.h"
#include "ZAMFehler.h"
#include "ZAMInfoKoords.h"

#include <QHash>
#include <algorithm>

namespace {
bool MitStueck(const TEinzelEtikettInfo& A)
{
    if (!A.ProduktId.Defined())
        return false;
    for (int i = A.Sortiment.MinIndex; i <= A.Sortiment.MaxIndex && i < CZAM_Intv100_Anzahl; ++i)
        if (A.Sortiment.Menge(i) > 0)
            return true;
    return false;
}
} // namespace

bool TQIV_EtikDrucker::Execute(const QString& ADrucker, const QList<TEinzelEtikettInfo>& AEtiketten,
                               const TQIV_EtikDruck_Settings& ASettings)
{
    std::unique_ptr<IZAM_ArtikelServer> artikel = Glob_WWSServerFactoryClass().Create<IZAM_ArtikelServer>();
    QStringList layouts;
    QHash<QString, QList<TEinzelEtikettInfo>> jeLayout;
    QHash<TInt32Trio, QString> gelesen;
    const int kopien = std::max(ASettings.Kopien, 1);
    for (TEinzelEtikettInfo info : AEtiketten) {
        if (!MitStueck(info))
            continue;
        auto it = gelesen.constFind(info.ProduktId);
        if (it == gelesen.constEnd()) {
            TZAM_ArtikelWEDaten daten;
            if (!artikel->WEDaten_Lesen(info.ProduktId, daten))
                FehlerRaise(QStringLiteral("TQIV_EtikDrucker.Execute"), CZAM_Info_Fehler_Datei_Lesen,
                            QStringLiteral("Produkt-ID: ") + info.ProduktId.ToText());
            it = gelesen.insert(info.ProduktId, daten.EtikettenLayout);
        }
        info.EtikettenAnzahl = std::max(info.EtikettenAnzahl, 1) * kopien;
        if (!jeLayout.contains(*it))
            layouts.append(*it);
        jeLayout[*it].append(info);
    }
    if (layouts.isEmpty())
        return false;
    TEinzeletikettenMani mani;
    for (const QString& l : layouts)
        mani.EinzEtik_Aufbereiten(jeLayout.value(l), false, l, ADrucker);
    if (!ASettings.NurPruefen)
        for (const QString& l : layouts)
            mani.EinzEtik_Aufbereiten(jeLayout.value(l), true, l, ADrucker);
    return true;
}
