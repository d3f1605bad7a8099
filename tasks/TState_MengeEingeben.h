#pragma once

#include "TAbstractDetailState.h"

// The quantity the worker took: typed on the number pad or counted by scanning the article.
class TState_MengeEingeben : public TAbstractDetailState
{
public:
    static constexpr const char* CKlassenName = "TState_MengeEingeben";
    using TAbstractDetailState::TAbstractDetailState;

    // The largest quantity a worker can type.
    static constexpr int CMaxIstMenge = 99999;

    void Vor_Anfang(bool& AWeiter) override;
    void StateAnfangVariablenClear() override;
    void Nach_Anfang() override;
    QString FussTip(bool& ALang) override;
    void Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten) override;
    bool UseNumPad() override { return true; }
    void NummernBlockEingabe(int AInt) override;
    void KeyEnter() override;
    void KeyBackSpace() override;
    void btnBuchenClick() override;
    void ButtonsSchalten_Speziell() override;
    int ZuFaerbendesPanel() override { return 20; }

    void MengeAnzeigen() { TAbstractDetailState::MengeAnzeigen(); }
    // Hand store: on to the target place; otherwise the booking. False when nothing happened.
    bool Buchen_Oder_StateWechseln(bool ARestAusbuchen);

    bool FNummernEingabe = false;

private:
    void ArtikelGescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten);
    // Nothing entered, or more than the row wants: the warning, and false.
    bool MengeZulaessig();
    void RestFrage();
    // A booking of a row of quantity 1 that failed on the way in: the state shows with its reason.
    bool FBuchungGescheitert = false;
    QString FGescheitertTip;
    bool FGescheitertLang = false;
};
