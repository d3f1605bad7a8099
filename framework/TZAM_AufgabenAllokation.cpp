#include "TZAM_AufgabenAllokation.h"

size_t qHash(const TZAM_LaufwegVerbotDict::TSchluessel& AKey, size_t ASeed)
{
    return qHashMulti(ASeed, AKey.Preis, AKey.GrInd, AKey.ProduktId);
}

void TZAM_LaufwegVerbotDict::Verbieten(const TSchluessel& ASchluessel, const TIntTrio& AQuelle)
{
    QList<TIntTrio>& quellen = FQuellen[ASchluessel];
    if (!quellen.contains(AQuelle))
        quellen << AQuelle;
}

bool TZAM_LaufwegVerbotDict::Verboten(const TSchluessel& ASchluessel, const TIntTrio& AQuelle) const
{
    const auto it = FQuellen.constFind(ASchluessel);
    return it != FQuellen.constEnd() && it->contains(AQuelle);
}
