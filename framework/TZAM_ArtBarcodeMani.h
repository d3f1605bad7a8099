#pragma once

#include "IZAM_ArtikelServer.h"
#include "TInfoKoord.h"
#include "TZAM_ArtBarcodeSet.h"

#include <array>
#include <memory>

class TZAM_InfoMeldungListe;

// Assigns GTINs (EAN-8, EAN-13, UPC) to the sizes of one article. A code stands for one article
// size only; the database's unique index on the code decides between two devices that assign one
// code at the same moment.
class TZAM_ArtBarcodeMani
{
public:
    // The operation kind of the booking bracket of an assignment.
    static constexpr int COperationsArt = 120;

    TZAM_ArtBarcodeMani();
    ~TZAM_ArtBarcodeMani();

    // Reads the article's size grid and its GTINs per size; what was added before is dropped.
    // False for a product without article record.
    bool Lesen4Buchen(const TInt32Trio& AProduktId);
    const TInt32Trio& ProduktId() const { return FProduktId; }
    // The code set of a size index; raises the illegal-parameter error for an index that names no
    // size, and before Lesen4Buchen.
    TZAM_ArtBarcodeSet& Barcodes(int AGroessenIndex);
    // Checks every added code: the form of an EAN or a UPC, a size of the article's grid, not held by
    // another size of this article nor stored for another article size. Each refusal adds a catalogue
    // message to AMeldungen; true when there was none.
    bool Validate(TZAM_InfoMeldungListe& AMeldungen);
    // ABuchen false tests only whether the added codes are still free. ABuchen true stores them in
    // a booking bracket of its own (kind COperationsArt, opened outside any other bracket) and answers
    // false, storing nothing and giving the reason in AMeldungen, when another device stored one of
    // them for another article size first. With nothing added it books nothing and answers true.
    bool Buchen(bool ABuchen, TZAM_InfoMeldungListe* AMeldungen = nullptr);

private:
    void Pruefen(const char* AMethode) const;
    QList<TZAM_ArtikelCode> NeueCodes() const;
    // True when the code is stored, other than as a GTIN of this article size; its owner is then
    // reported with AKoord.
    bool StehtFuerAnderes(const QString& ACode, int AGroessenIndex, const TInfoKoord& AKoord,
                          TZAM_InfoMeldungListe* AMeldungen);
    QString ArtikelText(const TInt32Trio& AProduktId, int AGroessenIndex);

    std::unique_ptr<IZAM_ArtikelServer> FServer;
    TInt32Trio FProduktId;
    TZAM_ArtikelSatz FSatz;
    TQIV_Intv100_Sortiment_QIV_GG FGG;
    bool FGelesen = false;
    std::array<TZAM_ArtBarcodeSet, CZAM_Intv100_Anzahl> FSets;
};
