#pragma once

#include "IZAM_LagerBewegungEditServer.h"
#include "TAbstractVRListState.h"
#include "TInt32Trio.h"
#include "TIntTrio.h"
#include "TZAM_Lagerbewegung_Modus.h"
#include "TZAM_Lagerort_Info.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class TVRList;

// Pieces of one product per size for one branch (the folded article rows).
using TZAM_MengenMitFil = QList<TZAM_Intv100_Sortiment_MeMitProduktIdMitFil>;

// Articles scanned for a place: the stock receipt and issue (modes 2 and 3) and, through its
// descendants, the article relocations. The list holds one row "Gesamt" whose child list keeps one
// row per branch, article and size; every article asks for its branch first (the branch choice
// returns here and the waiting article goes on). A stock issue locks its place until it is booked
// or left.
class TAbstractLagerZuAbGangState : public TAbstractVRListState
{
public:
    static constexpr const char* CKlassenName = "TAbstractLagerZuAbGangState";

    // The columns of the article list.
    enum TSpalte : int
    {
        CFil = 0,       // the branch as text ("Auto." for automatic, empty for none)
        CFilNr = 1,     // the branch; 10000: split over the branches at booking time
        CArtikel = 2,   // the formatted article number; "Gesamt" on the top row
        CProduktId = 3, // TInt32Trio
        CGrIdx = 4,     // size index
        CGroesse = 5,   // size name
        CMenge = 6,     // pieces; the top row's is the sum
        CManuell = 7,   // the quantity was typed
    };
    static constexpr int CFilialeAutomatisch = 10000;
    // The stock types the automatic split looks at: 1, 2, 3, 4, 7, 8, 9, 12, 14 and 16.
    static const qint64 CBestandsartenVerteilen;

    explicit TAbstractLagerZuAbGangState(TfrmMDE* AMaske);
    ~TAbstractLagerZuAbGangState() override;

    void StateAnfangVariablenClear() override;
    void StateAnfangMaskeMalen() override;
    void Nach_Anfang() override;
    void ButtonsSchalten_Speziell() override;
    QString Caption_Get() override;
    bool UseNumPad() override { return true; }
    QString FussTip(bool& ALang) override;
    void NummernBlockEingabe(int AInt) override;
    void KeyBackSpace() override;
    void btnZurueckClick() override;
    void Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten) override;
    void ArtNrHandEin_An() override;
    void btnBuchenClick() override;

    // The class the branch choice returns to: the concrete state itself.
    virtual const TStateKlasse* EigeneStateKlasse() const = 0;

    TZAM_Lagerbewegung_Modus Modus() const;
    // The article rows; nullptr before the first activation.
    const TVRList* Zeilen() const;
    const TIntTrio& Lagerort() const { return FLagerort; }
    const TIntTrio& LagerortGesperrt() const { return FLagerortGesperrt; }

    // The article rows folded into one vector per product and branch. With AVerteilen a row of
    // branch 10000 is split over the warehouse's branches by their stock; false, with AMeldung,
    // when its pieces cannot be split whole.
    bool Mengen_Falten(TZAM_MengenMitFil& AMengen, QString& AMeldung, bool AVerteilen) const;
    // One line per size whose quantity is above the stock: article number, size and the pieces
    // missing. FehlmengenTest compares with the stock on the place, VerfBestandTest with the free
    // branch stock of the current warehouse.
    QStringList FehlmengenTest(const TZAM_MengenMitFil& AMengen, const TIntTrio& ALagerort) const;
    QStringList VerfBestandTest(const TZAM_MengenMitFil& AMengen) const;

protected:
    // A scan that names a place or container.
    virtual void Gescannt_Lagerort(const TZAM_Lagerort_Info& AInfo);
    // A scanned article: its branch first, then Artikel_Pruefen and the row.
    void Gescannt_Artikel(const TInt32Trio& AProduktId, int AGrInd);
    // Runs AWeiter when the article may be added (the relocations test the stock first).
    virtual void Artikel_Pruefen(const TInt32Trio& AProduktId, int AGrInd, int AFilNr,
                                 const std::function<void()>& AWeiter);
    // The post button, inside the handler.
    virtual void DoBtnBuchenClick();
    // Whether the back button asks first.
    virtual bool HatEingaben() const;
    // Gives the locks back and returns to VerlassenZiel.
    virtual void Verlassen();
    // Where the workflow goes when it is left: the mode menu.
    virtual const TStateKlasse* VerlassenZiel() const;
    // The state comes back from the branch choice (or another state handing a scan back): the
    // list and the places stay.
    virtual bool Wiedereintritt() const;

    // A row of one more piece (or the existing row of the branch, article and size one more).
    void Artikel_Dazu(const TInt32Trio& AProduktId, int AGrInd, int AFilNr);
    TVRList& ZeilenListe();
    // The top row's sum and the branch column's visibility; the list is shown afresh.
    void Summieren();
    void ListeZeigen();
    void Zeile_Waehlen(int AZeile);
    TVTVRKnoten AktuelleZeile_Get() const;
    QString GroessenName(const TInt32Trio& AProduktId, int AGrInd) const;
    void LagerortEntsperren();
    // A place's stock of a product size; false (with the registered failure in AMeldung) when it
    // cannot be read.
    static bool Bestand_Lesen(const TIntTrio& ALagerort, const TInt32Trio& AProduktId, int AGrInd, int& ABestand,
                              QString& AMeldung);

    TIntTrio FLagerort;
    TIntTrio FLagerortGesperrt;
    TZAM_Lagerort_Info FGescannt;
    bool FFehlPruefenScannen = false;
    bool FFilNrNotwendig = false;

private:
    void GescanntIntern(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten);
    void Gescannt_Lagerort_Nach_Frage(const TZAM_Lagerort_Info& AInfo);
    void Buchen();
    void Zurueck_Nach_Frage();
    // The place's own refusal, or empty.
    QString LagerortAblehnung(const TZAM_Lagerort_Info& AInfo) const;
};
