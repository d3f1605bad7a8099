#pragma once

#include "IZAM_AuftrFilServer.h"

// The order-branch list of the framework, a global instance: the entries of one supplier at a
// time, each an order branch with its branches in order. Entries and branches are counted from
// 0; a number outside the list answers -1 ("no branch") and a count of 0.
class TZAM_AuftrFilListe
{
public:
    // Reads the supplier's entries; an empty or unknown supplier has none.
    void Koord_Lief_Id_Set(const TIntPair& ALieferant);
    const TIntPair& Koord_Lief_Id() const { return FLieferant; }
    int AuftrFilNrN_Anz_Get() const { return int(FEintraege.size()); }
    qint16 AuftrFilNrN_Get(int AEintrag) const;
    int AuftrFilNrN_FilAnz_Get(int AEintrag) const;
    qint16 AuftrFilNrN_FilNr_Get(int AEintrag, int AIndex) const;

private:
    TIntPair FLieferant;
    QList<TZAM_AuftrFilEintrag> FEintraege;
};

// The first call creates the list, the last release frees it; every holder takes it once and
// gives it back once.
TZAM_AuftrFilListe* GlobAuftrFilListe_GetInstance();
void GlobAuftrFilListe_ReleaseInstance();
