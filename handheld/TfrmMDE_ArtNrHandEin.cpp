// The article-number entry: a typed article number with its till size, or the scanned label.
#include "IZAM_Info.h"
#include "TAbstractState.h"
#include "TArtikelTools.h"
#include "TDM_Torvik.h"
#include "TQIV_ArtNrEdit.h"
#include "TQIV_GGTab.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMGlobal.h"
#include "ZAMUtils.h"

#include <QLineEdit>
#include <QPushButton>

void TfrmMDE::ArtNrHandEingabeAn(TQIV_ArtNrHandEin_Callback ACallback, bool AAuchGroesse)
{
    DialogOeffnen(pnlArtNrHandEin);
    ButtonsKopfUndFussEnabledSetzen(false, false);
    FArtNrHandEinCallback = std::move(ACallback);
    FArtNrHandEinAuchGroesse = AAuchGroesse;
    edtArtikelNr->clear();
    edtGroesse->clear();
    edtArtikelNr->setFocus();
}

void TfrmMDE::ClickbtnArtNrHandEin_Weiter()
{
    const TInt32Trio produkt = edtArtikelNr->ProduktID();
    // Read without raising: an empty or garbled till size is one the article lacks.
    const int kassenGroesse = zam_StrToIntDef(edtGroesse->text(), -1);
    TZAM_Intv100_IndErw ind = CZAM_Intv100_OhneGroesse;
    TInfoKoord meldung;
    if (!DM_Torvik->ArtNrGrPopup_onPruefen_Do(produkt, kassenGroesse, FArtNrHandEinAuchGroesse, ind, meldung)) {
        if (!meldung.IsNull())
            ZAMInfo().ShowMeldung(0, meldung);
        return;
    }
    const TQIV_ArtNrHandEin_Callback callback = std::exchange(FArtNrHandEinCallback, nullptr);
    ArtNrHandEinSchliessen();
    if (callback)
        callback(true, produkt, ind);
}

void TfrmMDE::ClickBtnArtNrHandEin_Zurueck()
{
    const TQIV_ArtNrHandEin_Callback callback = std::exchange(FArtNrHandEinCallback, nullptr);
    ArtNrHandEinSchliessen();
    if (callback)
        callback(false, TInt32Trio(), CZAM_Intv100_OhneGroesse);
}

void TfrmMDE::ArtNrHandEinSchliessen()
{
    DialogSchliessen(pnlArtNrHandEin, false);
    ButtonsKopfUndFussEnabledSetzen(true, true);
    FArtNrHandEinAuchGroesse = true;
}

void TfrmMDE::btnArtNrHandEinWeiterClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.ClickbtnArtNrHandEin_Weiter", [&] { ClickbtnArtNrHandEin_Weiter(); });
}

void TfrmMDE::btnArtNrHandEinZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.ClickBtnArtNrHandEin_Zurueck", [&] { ClickBtnArtNrHandEin_Zurueck(); });
}

void TfrmMDE::ArtNrHandEingabeGescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanDaten)
{
    TZAM_Hausregel::OhneBusy("TfrmMDE.ArtNrHandEingabeGescannt", [&] {
        if (AScanDaten.Umgesetzt == tsUndefined) {
            pnlArtNrHandEin->setVisible(false);
            ArtikelAuswahlAn(AText, [this](const QString& AText2, TZAM_UmgesetztUArtikelScanDaten& ADaten) {
                ArtNrHandEingabeGescannt(AText2, ADaten);
            });
            return;
        }
        // Back over the state's panel; an article choice in between enabled the state's buttons
        // and numeric actions.
        DialogOeffnen(pnlArtNrHandEin);
        ButtonsKopfUndFussEnabledSetzen(false, false);
        const TZAM_ArtikelScanDaten& d = AScanDaten.ArtikelScanDaten;
        // Only our label fills the entry; a scanned GTIN leaves it as it is.
        if (AScanDaten.Umgesetzt != tsTrue || d.IstEAN || d.IstUPC)
            return;
        TZAM_ArtikelSatz satz;
        if (TArtikelTools::AASatz_4_ProduktID(d.ProduktId, satz)) {
            edtArtikelNr->SetProduktID(d.ProduktId);
            TQIV_Intv100_Sortiment_QIV_GG gg;
            TQIV_GGTab tab;
            if (tab.GetQIV_GG(d.ProduktId, gg) && gg.Enthaelt(d.GroessenIndex))
                edtGroesse->setText(QStringLiteral("%1").arg(gg.Eintrag(d.GroessenIndex).KassenGroesse, 3, 10, QLatin1Char('0')));
            else
                edtGroesse->clear();
        } else {
            edtArtikelNr->clear();
            edtGroesse->clear();
        }
        btnArtNrHandEinWeiter->setFocus();
    });
}
