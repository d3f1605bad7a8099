#pragma once

#include "IZAM_Server.h"
#include "TIntTrio.h"

#include <QList>
#include <QString>

// A reason of the reason file (group "HAG": reasons of replenishment requests).
struct TGrndSatz
{
    TIntTrio Id;
    QString Bezeichnung;
    int PrioReihenfolge = 0;
    bool NurAufgabe = false;   // the task is fulfilled without moving goods
    bool PrioSignal = false;   // urgent: the handhelds are alerted
};

class IZAM_GrundServer : public IZAM_Server
{
public:
    // The reasons of a group in file order (by id).
    virtual QList<TGrndSatz> Gruende_Lesen(const QString& AGruppe) = 0;
};

inline const QString CZAM_Grundgruppe_HLAnfo = QStringLiteral("HAG");
