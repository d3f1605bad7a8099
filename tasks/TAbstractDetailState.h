#pragma once

#include "TAbstractState.h"
#include "TIntTrio.h"
#include "TQIV_Optionen_OBMDE.h"

#include <array>
#include <memory>

class IZAM_AufgabenEditServer;
class TState_Aufgabe;
class TZAM_InfoMeldungListe;
struct TQIV_AufgabenZeile;
struct TZAM_Aufgabe_Erfuellen_Daten;
struct TZAM_Lager_BEW;

// The steps of the current row of the pick list: six configurable panels show the row, the
// container bar and the entered quantity; the booking of the row and the way on to the next one.
class TAbstractDetailState : public TAbstractState
{
public:
    static constexpr const char* CKlassenName = "TAbstractDetailState";
    explicit TAbstractDetailState(TfrmMDE* AMaske);
    ~TAbstractDetailState() override;

    QWidget* ActivePanel() override;
    void Vor_Anfang(bool& AWeiter) override;
    void StateAnfangVariablenClear() override;
    void StateAnfangMaskeMalen() override;
    QString Caption_Get() override;
    void btnZurueckClick() override;
    void DetailPanelClick(QObject* ASender) override;
    void DetailPanelMouseDown(QObject* ASender, Qt::MouseButton AButton, Qt::KeyboardModifiers AShift, int X,
                              int Y) override;
    void DetailPanelMouseUp(QObject* ASender, Qt::MouseButton AButton, Qt::KeyboardModifiers AShift, int X,
                            int Y) override;
    void DetailPanelMausHaltenTimer(QObject* ASender) override;

    // Books what the worker took (and with ARestAusbuchen the rest of the article on the source)
    // and goes on to the next row; false when nothing was booked and the state stays.
    bool AbsortierungBuchen_U_Weiter(bool ARestAusbuchen);
    // The picking container still belongs to the branch; otherwise the worker is sent to the
    // chooser (false).
    bool CheckBehaelter();
    // The goods slip of the container for its target branch; false with the reason as foot tip.
    bool WBSDruck(const TIntTrio& ABehaelter, qint16 AZielFiliale);
    // Both columns of a panel, caption and value, as a message.
    void DetailAlsHinweis(int APanel);
    // Draws the panels, the container bar and the quantity line.
    void InfoAnzeigen();
    void Spalte2Panel(int APanel, int ASpalte);
    void ButtonsAusblendenUndFusszeileLeeren();
    void ButtonsEinblendenUndFusszeileFuellen();
    TState_Aufgabe* StateAufgabe();

    virtual void AnzInfoLaden();
    // The column whose panel is highlighted; 84 for none.
    virtual int ZuFaerbendesPanel() { return 84; }

    // The column a panel shows now (its normal or its alternative one).
    int AktSpalte(int APanel) const { return FAktSpalte[size_t(APanel)]; }

protected:
    // The row's source: its container when it has one, else its place.
    TIntTrio Quelle();
    QString QuelleText();
    void MengeAnzeigen();
    // The container buttons of the source and article steps (not in the hand-store mode; the
    // goods slip only for a branch target).
    void BehaelterKnoepfeSchalten();
    void BehaelterWechseln(const char* AName);
    void BehaelterInfo(const char* AName);
    void WBSDruckKlick(const char* AName);
    // A scanned place or container: the 17 characters of the key, 22 in all.
    static bool PlatzScanPasst(const QString& AText, const TIntTrio& AId);

    TQIV_AnzeigeInfo_MDE FAnzInfo;
    std::array<int, 6> FAktSpalte{84, 84, 84, 84, 84, 84};
    bool FBtnArtikelNichtGefundenVisible = false;
    bool FBtnArtNrHandEinVisible = false;
    bool FBtnBehaelterWechselVisible = false;
    bool FBtnBehaelterInfoVisible = false;
    bool FBtnLPSkippenVisible = false;
    bool FBtnWBSDruckVisible = false;
    bool FBtnBuchenVisible = false;
    bool FFussTipWarnung = false;
    bool FFussTipLang = false;
    QString FFussTipText;
    QObject* FMouseDownSender = nullptr;
    bool FHaltenGezeigt = false; // the hold showed the panel: the release is no tap

private:
    TQIV_AnzeigeInfoMDE_Detail& Panel(int APanel);
    int PanelVon(QObject* ASender) const;
    void Vervollstaendigen();
    IZAM_AufgabenEditServer& EigenerAufgabenServer();
    // A task loaded alone on the state's own task service (the shared one holds the task list).
    bool AufgabeEinzelnLaden(const TIntTrio& AId);
    void NachBuchungNeuLaden(const TIntTrio& AId);
    bool Grunddaten(int AMenge, TZAM_Lager_BEW& ABew, TZAM_Aufgabe_Erfuellen_Daten& AErfuellung);
    bool AufgabenzeilendatenEinlesen(TQIV_AufgabenZeile& AZeile);
    bool ScanMengeBuchen(TZAM_InfoMeldungListe& AMeldungen);
    bool FehlmengeBuchen(int AMenge, bool AMitErfuellung, TZAM_InfoMeldungListe& AMeldungen);

    std::unique_ptr<IZAM_AufgabenEditServer> FAufgabenServer;
};
