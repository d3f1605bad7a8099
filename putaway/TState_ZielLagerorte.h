#pragma once

#include "Einlagerungsliste.h"
#include "TAbstractVRListState.h"
#include "TQIV_Lager_Sammeleinlagerung.h"

// The sizes of the article and the places they go to: the worker scans places (and counts pieces
// by scanning them, or by typing), splits rows, and posts; the collective putaway books it.
class TState_ZielLagerorte : public TAbstractVRListState
{
public:
    static constexpr const char* CKlassenName = "TState_ZielLagerorte";
    using TAbstractVRListState::TAbstractVRListState;

    void Vor_Anfang(bool& AWeiter) override;
    void StateAnfangVariablenClear() override;
    void StateAnfangMaskeMalen() override;
    void ButtonsSchalten_Speziell() override;
    QString Caption_Get() override;
    bool UseNumPad() override { return true; }
    QString FussTip(bool& ALang) override;
    void NummernBlockEingabe(int AInt) override;
    void KeyBackSpace() override;
    void Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten) override;
    void ZeileLoeschenClick() override;
    void btnZeileDazuClick() override;
    void btnBuchenClick() override;
    void btnZurueckClick() override;
    TQIV_ZeilenArt ZeilenArt(const TVRList& AListe, int AZeile, int ASichtbarDarueber, int& AZaehler) override;
    QString ZeilenZusatz(const TVRList& AListe, int AZeile) override;

    // Counting by scanning applies (a slip or external number with the option of its kind).
    bool ArtikelScannen() const;
    // The records a booking hands to the movement service.
    TQIV_Lager_Sammeleinlagerung_List EinlagerungsListeFuellen(bool AWarten) const;

    TQIV_LagerortZuweisung FZuweisung;
    TIntTrio FEinlagerOrtId;

private:
    int GewaehlteZeile() const;
    void ZeileWaehlen(int AZeile);
    void Artikel(const TInt32Trio& AProduktId, int AGrInd);
    void Lagerort(const QString& AText);
    void DoBtnBuchenClick(bool AMitAnmeldung);
    void Fragen();
    void SicherheitsAbfrageMehrmenge();
    void SicherheitsAbfrageFehlmenge();
    void FrageWarten();
    void SammeleinlagerungBuchenUndWeiter(bool AWarten);
    void DoWennBuchenOK();
    // The question's text for excess or shortfall of one or several sizes.
    static QString AbfrageText(const TZAM_Intv100_Sortiment_Me& AMenge, const TVRList& AListe, bool AZuViel);

    bool FDoWennBuchenOKGetan = false;
};
