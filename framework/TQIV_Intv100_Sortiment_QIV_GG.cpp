#include "TQIV_Intv100_Sortiment_QIV_GG.h"

#include "EZAM_Exception.h"
#include "ZAMInfoKoords.h"

#include <QList>

void TQIV_Intv100_Sortiment_QIV_GG::Clear()
{
    FGroessen.fill(TQIV_GG_Groesse{});
}

void TQIV_Intv100_Sortiment_QIV_GG::Setzen(int AIndex, const QString& AGroesse, const QString& ALangGroesse,
                                           int AKassenGroesse)
{
    if (!zam_Intv100_IstGroesse(AIndex))
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter, QStringLiteral("Größenindex %1").arg(AIndex),
                             QStringLiteral("TQIV_Intv100_Sortiment_QIV_GG.Setzen"));
    FGroessen[AIndex] = {true, AGroesse, ALangGroesse, AKassenGroesse};
}

TQIV_GG_Groesse TQIV_Intv100_Sortiment_QIV_GG::Eintrag(int AIndex) const
{
    return Enthaelt(AIndex) ? FGroessen[AIndex] : TQIV_GG_Groesse{};
}

TZAM_Intv100_IndErw TQIV_Intv100_Sortiment_QIV_GG::Index4KassenGroesse(int AKassenGroesse) const
{
    for (int i = 0; i < CZAM_Intv100_Anzahl; ++i)
        if (FGroessen[i].Belegt && FGroessen[i].KassenGroesse == AKassenGroesse)
            return TZAM_Intv100_IndErw(i);
    return CZAM_Intv100_Ungueltig;
}

QList<int> TQIV_Intv100_Sortiment_QIV_GG::Indizes() const
{
    QList<int> l;
    for (int i = 0; i < CZAM_Intv100_Anzahl; ++i)
        if (FGroessen[i].Belegt)
            l.append(i);
    return l;
}
