#pragma once

#include "TInt32Trio.h"
#include "TIntPair.h"
#include "TIntTrio.h"
#include "TQIV_Dispo_Info.h"
#include "TQIV_State_WEPlus_AbstractState.h"
#include "TZAM_Intv100_Sortiment_Me.h"
#include "TZAM_Lagerort_Info.h"
#include "TZAM_PersArt_ExtVerweis.h"

struct TStateKlasse;

// The capture of a WE-Plus receipt piece by piece: a scanned piece is matched to its disposition
// by priority, the screen says where it goes (a putaway place, a branch's staging place, the
// shipping staging place, a one-way container for processing), its label and for shipping the
// reservation document are printed, and scanning or confirming the place books it as one scan
// record and one cache line. The start message's OK leads to posting the whole receipt.
class TQIV_AbstractState_WEPlus_Artikelweise_LOScan : public TQIV_State_WEPlus_AbstractState
{
public:
    static constexpr const char* CKlassenName = "TQIV_AbstractState_WEPlus_Artikelweise_LOScan";
    using TQIV_State_WEPlus_AbstractState::TQIV_State_WEPlus_AbstractState;

    QWidget* ActivePanel() override;
    void StateAnfangVariablenClear() override;
    void StateAnfangMaskeMalen() override;
    void ButtonsSchalten_Speziell() override;
    QString Caption_Get() override { return ArtikelScannen_Caption(); }
    QString FussTip(bool& ALang) override;
    void Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten) override;
    void btnBuchenClick() override;
    void btnEtikDruckClick() override;
    void btnZurueckClick() override;
    void ArtikelbildAnz_An() override;
    void Meldung_ArtikelScannen_Callback(TZAM_TriState_Enum AAntwort) override;
    void Meldung_ArtikelScannen_ErsterArtikel_Callback(TZAM_TriState_Enum AAntwort) override;
    // A scanned article (an empty product only shows the start message again), and a scanned
    // place or container.
    virtual void Gescannt_Artikel(bool AOk, const TInt32Trio& AProduktId, int AGrInd);
    virtual void Gescannt_Lagerort(const TZAM_Lagerort_Info& AInfo);

    // Labels. The kind's option decides whether a piece gets one (AForce: always); the label
    // names the personalised branch when above 0, else the target branch.
    static bool Artikeletikett_Gewuenscht(TfrmMDE* AMaske, TQIV_ZPMDE_Ziel AZielTyp, const TInt32Trio& AProduktId);
    static void Artikeletiketten_Drucken(TfrmMDE* AMaske, const TInt32Trio& AProduktId, const TIntTrio& ADispoId,
                                         bool AForce, TQIV_ZPMDE_Ziel AZielTyp, qint16 APersoFil, qint16 AZielFil,
                                         const TZAM_Intv100_Sortiment_Me& AMengen);
    static void Artikeletikett_Drucken(TfrmMDE* AMaske, const TInt32Trio& AProduktId, const TIntTrio& ADispoId,
                                       bool AForce, TQIV_ZPMDE_Ziel AZielTyp, qint16 APersoFil, qint16 AZielFil,
                                       int AGrInd);
    // As Artikeletiketten_Drucken, collected for one print at the end of the bracket.
    static void Artikeletiketten_Sammeln(TfrmMDE* AMaske, const TInt32Trio& AProduktId, const TIntTrio& ADispoId,
                                         bool AForce, TQIV_ZPMDE_Ziel AZielTyp, qint16 APersoFil, qint16 AZielFil,
                                         const TZAM_Intv100_Sortiment_Me& AMengen);
    static void Artikeletiketten_SammelnBegin();
    static void Artikeletiketten_SammelnEnd();
    // The reservation document of a customer-order position, for its first piece in the receipt.
    static void Reservierungsbeleg_Drucken(TfrmMDE* AMaske, const TZAM_PersArt_ExtVerweis& AVerweis);

protected:
    // The concrete capture class: activated again after each piece.
    virtual const TStateKlasse* Klasse() const = 0;
    bool StueckInHand() const { return FProdukt_Id.Defined(); }

private:
    // Articles a continuation or a disposition without order refuses; false with the footer set.
    bool Artikel_Zulaessig(const TInt32Trio& AProduktId, int AGrInd);
    void Gescannt_Lagerplatz(const QString& AText);
    void DoBtnBuchenClick();
    // The piece's label, unless a continuation's labels were printed with its assortment.
    void Stueck_Etikett_Drucken();
    void MaskeMalen_ArtikelDaten(int AFarbe, bool AZweiteZeile, const QString& AZielWort);
    void MaskeMalen_Einlagerung(int AFarbe, bool AUeberbelieferung);
    void MaskeMalen_Bearbeitung();
    void MaskeMalen_AbholungUFA();
    void MaskeMalen_Versand(const QString& ABelegNr);
    void Zeile_Setzen(int AZeile, const QString& AText, int AFarbe);
    void Ziel_Setzen(const TIntTrio& ALagerort, const QString& AName, bool ABuchen);
    // Fits an article line into its row: a smaller font, else the text cut with "...".
    static bool FontSizeEinstellen(QLabel* AZeile, const QString& AText);
    static void TextKuerzen(QLabel* AZeile, const QString& AText);
    bool ArtikelOhneDispo_FrageOderMeldung();
    void Frage_MeldungArtikelOhneDispo_Callback(TZAM_TriState_Enum AAntwort);
    void Meldung_MeldungArtikelOhneDispo_Callback();
    void Frage_WEBuchen_Callback(TZAM_TriState_Enum AAntwort);
    void Frage_Zurueck_Callback(int AAntwort);
    void Meldung_ErgebnisProblemWareneingang();

    TInt32Trio FProdukt_Id;
    int FGrInd0 = 255;
    TIntTrio FLagerplatzID;
    QString FLagerplatzBez;
    TIntTrio FDispoID;
    TIntTrio FEtikDruckDIId;
    qint16 FDispoAnFil = 0;
    qint16 FDispoAuftrFil = 0;
    TZAM_PersArt_ExtVerweis FDispoExtVerw;
    TIntPair FDispoAuftrNr;
    qint16 FPersoZielFil = 0;
    TQIV_ZPMDE_Ziel FZielTyp = bmzUnbekannt;
    TIntTrio FVerfKombiId;
};
