#pragma once

#include "IZAM_GrundServer.h"

#include <QList>
#include <QString>

// The reasons of one group of the reason file, read on first use through IZAM_GrundServer. A
// designation asked for an id the cache does not hold reads the group again, once per question.
class TZAM_GrundCache
{
public:
    explicit TZAM_GrundCache(const QString& AGruppe) : FGruppe(AGruppe) {}

    const QString& Gruppe() const { return FGruppe; }
    // The designation of a reason; empty when the group has no such reason.
    QString Bezeichnung(const TIntTrio& AId);
    // The reasons in file order.
    const QList<TGrndSatz>& Saetze();

private:
    void Laden();
    const TGrndSatz* Suchen(const TIntTrio& AId) const;

    QString FGruppe;
    bool FGeladen = false;
    QList<TGrndSatz> FSaetze;
};
