#pragma once

#include "TAbstractVRListState.h"
#include "TInt32Trio.h"
#include "TIntTrio.h"
#include "TIntTrioList.h"
#include "TQIV_AufgabenLagerListe.h"
#include "TZAM_PersArt_ExtVerweis.h"

#include <QDateTime>
#include <QString>

class TZAM_LaufwegVerbotDict;

// The pick list of the task workflows: one row per task and source in walking order. It makes a
// row current, locks its task and hands it to the step states; after a booking it finds the next.
class TState_Aufgabe : public TAbstractVRListState
{
public:
    static constexpr const char* CKlassenName = "TState_Aufgabe";
    explicit TState_Aufgabe(TfrmMDE* AMaske);
    ~TState_Aufgabe() override;

    void Vor_Anfang(bool& AWeiter) override;
    void StateAnfangVariablenClear() override;
    void StateAnfangMaskeMalen() override;
    void ButtonsSchalten_Speziell() override;
    QString Caption_Get() override;
    QString FussTip(bool& ALang) override;
    void btnZurueckClick() override;
    void vtVRListColumnNodeClick(int ACol, const TVTVRKnoten& ANode) override;
    void Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten) override;
    void AufgOhneLP() override;
    void btnVRListAktualisierenClick() override;
    TQIV_ZeilenArt ZeilenArt(const TVRList& AListe, int AZeile, int ASichtbarDarueber, int& AZaehler) override;
    // The walking position and whether the row is still to do.
    QString ZeilenZusatz(const TVRList& AListe, int AZeile) override;

    // The next row to work after the current one (wrapping round); with ASetCurrentInactive the
    // current row is done. None left: the end of the run.
    void NextAufgabe(bool ASetCurrentInactive);
    // The rows from the current one on are allocated afresh (stock moved under the worker).
    void NichtErledigteAufaben_NeuLaden(bool AEntsperren);
    // Locks the current row's task for this handheld (a hand-store task also gets status 8).
    // Another task still held: false with it in AGesperrteAufgabe and the current in AZuSperren.
    bool Aufgabe_Sperren_und_StatusAendern(QString& ABenutzer, QDateTime& AZeit, TIntTrio& AZuSperren,
                                           TIntTrio& AGesperrteAufgabe);
    void Aufgabe_Entsperren_Und_StatusRuecksetzen();
    void AufgabenStatus_Ruecksetzen(const TIntTrio& AAufgabenId);
    // The row's task can still be worked: open, in the status the workflow shows, its quantity
    // still on the source. ATaskGone: the task itself is gone (not only the stock).
    bool CheckAufgabe(int AZeile, bool ACheckLocked, bool& ATaskGone);
    void ChangeStateZurueck_Oder_ProgrammBeenden(bool ANachLetzterAufgabe, bool APrioModus);
    // The urgent hand-store requests of the second instance, and its end.
    void UmlagHLPrio_Ausfuehren();
    void UmlagHLPrio_Fertig();
    // The current row's source is barred for its article in this run.
    void LWVerbotDict_AktDatenHinzu();
    bool Get_VonLagerplatz(int AZeile, TIntTrio& AId);

    // Cells of a row (-1: the current row).
    int GiveInt(int ASpalte, int AZeile = -1);
    double GiveDouble(int ASpalte, int AZeile = -1);
    QString GiveString(int ASpalte, int AZeile = -1);
    QString GiveFormatedString(int ASpalte, int AZeile = -1);
    TIntTrio GiveIntTrio(int ASpalte, int AZeile = -1);
    TInt32Trio GiveInt32Trio(int ASpalte, int AZeile = -1);
    TZAM_PersArt_ExtVerweis GiveExtVerweis(int ASpalte, int AZeile = -1);
    int GiveArtBewTyp(int ASpalte, int AZeile = -1);

    // The pick list (the state's own list view).
    TVRList* Liste() const { return FVRListe.get(); }
    int ZeilenAnzahl() const;
    // The rows of the pick list from AStartZeile on are built again (below 0: all).
    void DoAufgabenListe_2_AufgabenLagerListe(int AStartZeile);
    // Forgets the last booked source, article and task (a new run).
    void LetzteDatenLeeren();

    TIntTrio FGesperrteAufgabe;
    int FAufgabenIdx = -1;
    TIntTrio FAktAufgId;
    int FColIdxActiv = -1;
    int FAlterAufgabenStatus = -1;
    int FNeuerAufgabenStatus = -1;
    bool FLagerplatzGescannt = false;
    TIntTrio FLetzterLagerplatz;
    TInt32Trio FLetzteProduktId;
    int FLetzterGroeInd0 = 255;
    TIntTrio FLetzteAufgId;
    TIntTrioList FSichtbareImLaufweg;
    TZAM_AufgabenZeigen FAufg_ohne_LP_anzeigen = azNurMitLP;

private:
    bool WagenModus() const;
    void Laden();
    void SichtbarkeitAnwenden();
    void Waehlen(int AZeile, bool AGescannt);
    bool Aktiv(int AZeile) const;
    void AktivSetzen(int AZeile, bool AAktiv);
    // The cart: the list keeps the orders that fit it, their tasks locked.
    void VRListe_an_AufWagenPassendeAufgaben_Anpassen();
    // No row left to work: the end of the run, with its goods slip or parcel question.
    void KeineAufgabeMehr();
    void WBSDruckenOderZurueck(bool ADrucken);
    void PaketversandStarten();
};
