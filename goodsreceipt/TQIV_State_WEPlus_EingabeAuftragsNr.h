#pragma once

#include "TInt32Trio.h"
#include "TQIV_State_WEPlus_AbstractState.h"

class QLabel;
class QLineEdit;

// The WE-Plus order entry: order numbers typed (locked at once), a quick article search or a
// scanned article fix what is received; the delivery note goes into every scan record.
class TQIV_State_WEPlus_EingabeAuftragsNr : public TQIV_State_WEPlus_AbstractState
{
public:
    static constexpr const char* CKlassenName = "TQIV_State_WEPlus_EingabeAuftragsNr";
    using TQIV_State_WEPlus_AbstractState::TQIV_State_WEPlus_AbstractState;

    QWidget* ActivePanel() override;
    void StateAnfangVariablenClear() override;
    void StateAnfangMaskeMalen() override;
    void ButtonsSchalten_Speziell() override;
    QString Caption_Get() override { return QStringLiteral("Eingabe Auftragsnummer"); }
    QString FussTip(bool& ALang) override;
    void Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten) override;
    void btnBuchenClick() override;
    void btnZurueckClick() override;
    void Frage_Sortimentsweise_Callback(TZAM_TriState_Enum AAntwort, bool AAntwortDurchUser) override;

    // Goes on to the capture of the next article: sorted or unsorted goods.
    void WeiterMitNeuemArtikel();

private:
    void Gescannt_Artikel(bool AOk, const TInt32Trio& AProduktId, int AGrInd);
    void ArtikelschnellsucheAusfuehren(const QString& AText);
    void Frage_AuftragsnummerNichtGefunden_Callback(TZAM_TriState_Enum AAntwort);
    void Meldung_AuftragsnummerNichtGefunden_Callback();
    void Frage_ZurueckTrotzDaten_Callback(TZAM_TriState_Enum AAntwort);
    void DoBtnZurueckClick();
    // Releases the orders of this receipt and forgets them.
    void Entsperren();
    // The order determination, with an article when AProduktId is defined (-1: every size).
    void ErmittlungStarten(const TInt32Trio& AProduktId, int AGrInd);
    QLineEdit* Feld(int ANr) const;
    QLabel* Beschriftung(int ANr) const;
    bool SchnellsucheSichtbar() const;

    bool FZurueckGefragt = false;
};
