#pragma once

#include "TAbstractVRListState.h"
#include "TInt32Trio.h"
#include "TIntPair.h"
#include "TIntTrio.h"
#include "TQIV_Dispo_Info.h"

#include <QString>
#include <memory>

struct TZAM_Lagerort_Info;

// The handheld goods receipt: goods counted onto one storage place. The list holds the place row
// and below it one row per branch, article and size; posting hands those rows to the count-list
// posting, and what could not be posted comes back on the list with its reason.
class TState_Wareneingang : public TAbstractVRListState
{
public:
    static constexpr const char* CKlassenName = "TState_Wareneingang";

    // The columns of the count list.
    enum TSpalte : int
    {
        CBez = 0,           // place name, or the formatted article number
        CProduktId = 1,     // TInt32Trio
        CLagerortId = 2,    // TIntTrio: the place (place row only)
        CHerstId = 3,       // TIntPair: the article's supplier
        CGroesse = 4,       // size name
        CGrInd = 5,         // size index
        CFiliale = 6,       // branch as text
        CFilNr = 7,         // branch
        CMenge = 8,         // quantity; the place row's is the sum of its rows
        CZaehlen = 9,       // true on the place row
        CMengeManuell = 10, // the quantity was typed
        CFehler = 11,       // the posting's reasons
        CSpaltenAnzahl = 12
    };
    // An article without size is refused with this footer (a row never holds a size above 99).
    static inline const QString CTextOhneGroesse = QStringLiteral("Bitte wählen Sie die Größe des Artikels!");

    explicit TState_Wareneingang(TfrmMDE* AMaske);
    ~TState_Wareneingang() override;

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
    void vtVRListColumnNodeClick(int ACol, const TVTVRKnoten& ANode) override;
    void Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten) override;
    void ArtNrHandEin_An() override;
    void btnBuchenClick() override;
    void ZeileLoeschenClick() override;
    TQIV_ZeilenArt ZeilenArt(const TVRList& AListe, int AZeile, int ASichtbarDarueber, int& AZaehler) override;

    const TVRList* Liste() const { return FVRListe.get(); }
    const TIntTrio& LagerplatzID() const { return FLagerplatzID; }
    bool WENichtBuchbar() const { return FWENichtBuchbar; }

private:
    void GescanntIntern(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten);
    void Gescannt_Lagerplatz(const TZAM_Lagerort_Info& AInfo);
    void Gescannt_Artikel(const TInt32Trio& AProdukt_Id, int AGrInd0);
    void Gescannt_Artikel_Erweitert(const TInt32Trio& AProdukt_Id, const QString& AFehler, int AFilNr, int AMenge,
                                    int AGrInd0);
    // Inserts a row at the top of its level (a place row at the top level, an article row below
    // the selected row's place row) and selects it.
    void ZeileDazu(const QString& ABez, const TInt32Trio& AProdukt_Id, const TIntTrio& ALagerortId,
                   const TIntPair& AHerstId, const QString& AGroesse, int AGrInd0, int AFilNr, const QString& AFiliale,
                   int AMenge, bool AZaehlen, const QString& AFehler);
    // The place row's quantity becomes the sum of its rows (without ANode's row when AOhneZeile).
    void NachObenSummieren(const TVTVRKnoten& ANode, bool AOhneZeile);
    TVTVRKnoten AktuelleZeile_Get() const;
    void AktuelleZeile_Set(const TVTVRKnoten& ANode);
    QString AllgemeinenFussTipErmitteln(const QString& ALagerplatz) const;
    void Buchen_nach_Frage();
    void MeldungErgebnisProblemWareneingang();
    void ZeileLoeschen_nach_Frage(const TVTVRKnoten& ANode);
    void Zurueck_Nach_Frage();

    // The list display: refreshed, fully expanded (when no update is open).
    void ListeZeigen();
    bool IstLagerplatzZeile(const TVTVRKnoten& ANode) const;
    // The row's list and its row in it; nullptr for a node the list does not hold.
    TVRList* Zeile(const TVTVRKnoten& ANode, int& AZeile) const;
    // Forgets the receipt (place, section, selection) and paints the state afresh.
    void NeuBeginnen();

    TIntTrio FLagerplatzID;
    quint8 FEtikettenDruckNachFrage = 0; // 0 not asked, 2 yes, other values no
    QString FFussTipLagerScan;
    bool FWENichtBuchbar = false;
    std::unique_ptr<TQIV_InttrioString_List> FFehlerInfos; // the data carrier points to it
};
