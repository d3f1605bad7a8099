#pragma once

#include <QStringList>

// The GTINs of one article size in the barcode manager: those read from the database and those
// added since, which the next booking stores.
class TZAM_ArtBarcodeSet
{
public:
    bool BarCode_IsIn(const QString& ACode) const { return FCodes.contains(ACode); }
    // False when the set holds the code already (nothing is added then).
    bool AddBarcode(const QString& ACode)
    {
        if (ACode.isEmpty() || BarCode_IsIn(ACode))
            return false;
        FCodes.append(ACode);
        FNeu.append(ACode);
        return true;
    }
    const QStringList& Codes() const { return FCodes; }
    const QStringList& Neu() const { return FNeu; }

private:
    friend class TZAM_ArtBarcodeMani;
    void Gelesen(const QStringList& ACodes)
    {
        FCodes = ACodes;
        FNeu.clear();
    }
    void Gebucht() { FNeu.clear(); }
    void Clear() { Gelesen({}); }

    QStringList FCodes;
    QStringList FNeu;
};
