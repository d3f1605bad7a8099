#pragma once

#include "TInt32Trio.h"
#include "TZAMForm.h"
#include "TZAM_Intv100_IndErw.h"

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class TQIV_ArtNrEdit;

// The check of a typed article: product, till size, with-size flag; fills the size index and
// answers whether the entry is accepted.
using TArtikelNrGrPruefenEvent =
    std::function<bool(const TInt32Trio& AProdukt, int AKassenGroesse, TZAM_Intv100_IndErw& AGrInd, bool AAuchGroesse)>;

// The small modal form in which the user types an article number, and optionally a till size,
// when a label cannot be scanned.
class TfrmArtNrGrPopup : public TZAMForm
{
    Q_OBJECT
public:
    explicit TfrmArtNrGrPopup(QWidget* AParent = nullptr);

    // Shows the form; true only for "Weiter" with an accepted entry. Product and size index are
    // answered in every case (empty and 255 after a cancel).
    bool ProduktIDManuell(TInt32Trio& AProduktId, TZAM_Intv100_IndErw& AGrInd, bool AAuchGroesse);
    bool AuchGroesse() const;
    void SetAuchGroesse(bool AWert);
    void Clear();

    TArtikelNrGrPruefenEvent FOnPruefen;
    TQIV_ArtNrEdit* edtArtikelNr = nullptr;
    QLineEdit* edtGroesse = nullptr;

protected:
    void showEvent(QShowEvent* AEvent) override;

private:
    void btnWeiterClick();

    TInt32Trio FProduktID;
    TZAM_Intv100_IndErw FGrInd = CZAM_Intv100_OhneGroesse;
    bool FBusy = false;
    QLabel* FlblGroesse = nullptr;
};
