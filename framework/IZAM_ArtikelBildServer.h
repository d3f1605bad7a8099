#pragma once

#include "IZAM_Server.h"
#include "TInt32Trio.h"

#include <QImage>

// The stored pictures of the products, one per product.
class IZAM_ArtikelBildServer : public IZAM_Server
{
public:
    // A null image when the product has no picture.
    virtual QImage Bild(const TInt32Trio& AProduktId) = 0;
    virtual bool HatBild(const TInt32Trio& AProduktId) = 0;
    // Stored as PNG; replaces the product's picture. A null image or an undefined product raises.
    virtual void BildSpeichern(const TInt32Trio& AProduktId, const QImage& ABild) = 0;
    // Without picture nothing happens.
    virtual void BildLoeschen(const TInt32Trio& AProduktId) = 0;
};
