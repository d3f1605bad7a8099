#include "TZAM_GrundCache.h"

#include "Glob_WWSServerFactoryClass.h"

void TZAM_GrundCache::Laden()
{
    FSaetze = Glob_WWSServerFactoryClass().Create<IZAM_GrundServer>()->Gruende_Lesen(FGruppe);
    FGeladen = true;
}

const TGrndSatz* TZAM_GrundCache::Suchen(const TIntTrio& AId) const
{
    for (const TGrndSatz& g : FSaetze)
        if (g.Id == AId)
            return &g;
    return nullptr;
}

const QList<TGrndSatz>& TZAM_GrundCache::Saetze()
{
    if (!FGeladen)
        Laden();
    return FSaetze;
}

QString TZAM_GrundCache::Bezeichnung(const TIntTrio& AId)
{
    const bool frisch = !FGeladen;
    if (frisch)
        Laden();
    const TGrndSatz* g = Suchen(AId);
    if (!g && !frisch) {
        Laden(); // a reason added since the last read
        g = Suchen(AId);
    }
    return g ? g->Bezeichnung : QString();
}
