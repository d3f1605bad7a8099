#pragma once

#include "TAbstractMultipurposePanelState.h"
#include "TIntTrio.h"

#include <memory>

class TVRList;

// The one place a whole slip or external-number document goes to without scanning its articles.
// Owns the grouped movement list of the whole putaway.
class TState_GesamtEinlagerung_LagerortScan : public TAbstractMultipurposePanelState
{
public:
    static constexpr const char* CKlassenName = "TState_GesamtEinlagerung_LagerortScan";
    explicit TState_GesamtEinlagerung_LagerortScan(TfrmMDE* AMaske);
    ~TState_GesamtEinlagerung_LagerortScan() override;

    void Vor_Anfang(bool& AWeiter) override;
    void StateAnfangVariablenClear() override {}
    void StateAnfangMaskeMalen() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;
    void Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten) override;
    void btnZurueckClick() override;

    // The header of both whole-putaway states by the kind of goods.
    static QString KindText(TfrmMDE* AMaske);
    // The document line: "WBS " + slip number or "FR " + external number.
    static QString BelegZeile(TfrmMDE* AMaske);

    TIntTrio FEinwegBId;

private:
    // False when the state is shown.
    bool Vorbelegen();
    bool Scan(const QString& AText);

    std::unique_ptr<TVRList> FGesamtListe;
};
