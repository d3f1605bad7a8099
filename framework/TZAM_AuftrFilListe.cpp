#include "TZAM_AuftrFilListe.h"

#include "Glob_WWSServerFactoryClass.h"

#include <memory>

namespace {
std::unique_ptr<TZAM_AuftrFilListe> GInstanz;
int GAnzahl = 0;
} // namespace

void TZAM_AuftrFilListe::Koord_Lief_Id_Set(const TIntPair& ALieferant)
{
    FLieferant = ALieferant;
    FEintraege.clear();
    // The list may outlive a database: the service is asked afresh each time.
    if (!ALieferant.IsNull())
        FEintraege = Glob_WWSServerFactoryClass().Create<IZAM_AuftrFilServer>()->Eintraege(ALieferant);
}

qint16 TZAM_AuftrFilListe::AuftrFilNrN_Get(int AEintrag) const
{
    return AEintrag >= 0 && AEintrag < FEintraege.size() ? FEintraege.at(AEintrag).AuftrFiliale : qint16(-1);
}

int TZAM_AuftrFilListe::AuftrFilNrN_FilAnz_Get(int AEintrag) const
{
    return AEintrag >= 0 && AEintrag < FEintraege.size() ? int(FEintraege.at(AEintrag).Filialen.size()) : 0;
}

qint16 TZAM_AuftrFilListe::AuftrFilNrN_FilNr_Get(int AEintrag, int AIndex) const
{
    if (AIndex < 0 || AIndex >= AuftrFilNrN_FilAnz_Get(AEintrag))
        return -1;
    return FEintraege.at(AEintrag).Filialen.at(AIndex);
}

TZAM_AuftrFilListe* GlobAuftrFilListe_GetInstance()
{
    if (!GInstanz)
        GInstanz = std::make_unique<TZAM_AuftrFilListe>();
    ++GAnzahl;
    return GInstanz.get();
}

void GlobAuftrFilListe_ReleaseInstance()
{
    if (GAnzahl > 0 && --GAnzahl == 0)
        GInstanz.reset();
}
