#pragma once

#include "TZAM_Intv100_IndErw.h"

#include <QList>
#include <QString>
#include <array>

// One size of an article's size grid.
struct TQIV_GG_Groesse
{
    bool Belegt = false;   // the article has this size
    QString Groesse;       // size name, as lists and panels show it ("42", "XL")
    QString LangGroesse;   // long size name ("EU 42 / UK 8")
    int KassenGroesse = 0; // till size, 0 to 999: what is typed at the till and printed on our label
};

// The size grid of an article: a name per size index 0 to 99.
class TQIV_Intv100_Sortiment_QIV_GG
{
public:
    void Clear();
    // Raises the illegal-parameter error for an index that names no size.
    void Setzen(int AIndex, const QString& AGroesse, const QString& ALangGroesse, int AKassenGroesse);

    bool Enthaelt(int AIndex) const { return zam_Intv100_IstGroesse(AIndex) && FGroessen[AIndex].Belegt; }
    // The size of an index; an empty entry when the grid does not hold it.
    TQIV_GG_Groesse Eintrag(int AIndex) const;
    QString Groesse(int AIndex) const { return Eintrag(AIndex).Groesse; }
    QString LangGroesse(int AIndex) const { return Eintrag(AIndex).LangGroesse; }
    // The index of a till size; CZAM_Intv100_Ungueltig when the grid lacks it.
    TZAM_Intv100_IndErw Index4KassenGroesse(int AKassenGroesse) const;
    // The indexes the grid holds, ascending.
    QList<int> Indizes() const;
    bool IstLeer() const { return Indizes().isEmpty(); }

private:
    std::array<TQIV_GG_Groesse, CZAM_Intv100_Anzahl> FGroessen;
};
