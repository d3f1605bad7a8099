#pragma once

#include "TIntTrio.h"
#include "TInt32Trio.h"
#include "TZAM_Intv100_Sortiment_Me.h"

#include <QDateTime>
#include <QList>
#include <QString>

// One article's labels: a label per piece and size of Sortiment, each repeated EtikettenAnzahl
// times when that is above 0.
struct TEinzelEtikettInfo
{
    int Zeile = 0; // the line of a posting the labels belong to; 0 none
    TInt32Trio ProduktId;
    qint16 Filiale = -1;
    TZAM_Intv100_Sortiment_Me Sortiment;
    int EtikettenAnzahl = 0;
    TIntTrio DispoId;
    QString DispoText; // shown in the disposition field when set, instead of the disposition id
    bool Markiert = false;
    QDateTime Zeit;
    int EtikettArt = 0;

    void Clear() { *this = TEinzelEtikettInfo(); }
};

// The label manager: lays article labels out in a stored layout and prints them on the label
// printer. An unknown layout raises message 1015 of group "LAGER"; a missing printer the print
// module's message. Nothing is printed then.
class TEinzeletikettenMani
{
public:
    void EinzEtik_Aufbereiten(const TEinzelEtikettInfo& AInfo, bool ADrucken, const QString& ALayout);
    void EinzEtik_Aufbereiten(const QList<TEinzelEtikettInfo>& AInfos, bool ADrucken, const QString& ALayout);
    // On the named printer; an empty name is the label printer.
    void EinzEtik_Aufbereiten(const QList<TEinzelEtikettInfo>& AInfos, bool ADrucken, const QString& ALayout,
                              const QString& ADrucker);
};
