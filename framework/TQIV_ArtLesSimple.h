#pragma once

#include "TInt32Trio.h"

#include <QString>
#include <memory>

class IZAM_ArtikelServer;

// The settings an article reader receives right after it is created: what it reads beside the
// article record.
struct TQIV_ArtLesEinstellungen
{
    bool MitGroessen = true;
    bool MitEtiketten = true;
};

// The data module's article reader: positions on a product and answers what the goods receipt
// reads of its article.
class TQIV_ArtLesSimple
{
public:
    TQIV_ArtLesSimple();
    ~TQIV_ArtLesSimple();

    void Einstellungen_Setzen(const TQIV_ArtLesEinstellungen& AEinstellungen);
    const TQIV_ArtLesEinstellungen& Einstellungen() const { return FEinstellungen; }
    // True when the product has an article; otherwise the reader stands on nothing.
    bool Positionieren(const TInt32Trio& AProduktId);
    bool Gefunden() const { return FGefunden; }
    // Of the article positioned on: labels per piece (0: none wanted) and the label layout.
    int EtikettenAnzahl() const { return FEtikettenAnzahl; }
    QString EtikettenLayout() const { return FEtikettenLayout; }

private:
    IZAM_ArtikelServer& Server();
    std::unique_ptr<IZAM_ArtikelServer> FServer;
    TQIV_ArtLesEinstellungen FEinstellungen;
    bool FGefunden = false;
    int FEtikettenAnzahl = 0;
    QString FEtikettenLayout;
};
