#include "TQIV_Optionen_OBMDE.h"

const TQIV_Optionen_OBMDE& TQIV_Optionen_OBMDE::Standard()
{
    static const TQIV_Optionen_OBMDE C;
    return C;
}

QList<TZAM_AufgabenListe_Spalte> TQIV_Optionen_OBMDE::Optionen_StdSpalten()
{
    return {26, 30, 11, 22, 79};
}

QList<TSucheListeColErw> TQIV_Optionen_OBMDE::Optionen_StdSpalten_LagerinfoLO()
{
    return {1, 5, 8, 9, 10};
}

QList<TSucheListeColErw> TQIV_Optionen_OBMDE::Optionen_StdSpalten_LagerinfoArt()
{
    return {1, 3, 5, 9, 10};
}

QSize FensterGroesse_2_Groesse(TQIV_FensterGroesse_Erw AGroesse, const TQIV_Optionen_OBMDE::TFenster& AFenster)
{
    switch (AGroesse) {
    case fgr320x320:
        return {320, 320};
    case fgr320x533:
        return {320, 533};
    case fgr480x800:
        return {480, 800};
    case fgrIndividuell:
        return {AFenster.FensterBreite, AFenster.FensterHoehe};
    case fgrUnbekannt:
        break;
    }
    return {0, 0};
}

QSize FensterGroesse_2_Groesse(const TQIV_Optionen_OBMDE::TFenster& AFenster)
{
    return FensterGroesse_2_Groesse(AFenster.FensterGroesse, AFenster);
}

TQIV_FensterGroesse_Erw Groesse_2_FensterGroesse(const QSize& AGroesse, const TQIV_Optionen_OBMDE::TFenster& AFenster)
{
    for (int g = fgrUnbekannt; g <= fgrIndividuell; ++g)
        if (FensterGroesse_2_Groesse(TQIV_FensterGroesse_Erw(g), AFenster) == AGroesse)
            return TQIV_FensterGroesse_Erw(g);
    return fgrIndividuell;
}
