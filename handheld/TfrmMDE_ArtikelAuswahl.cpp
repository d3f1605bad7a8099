// The article selection: a scanned text becomes article scan data, with a choice on the button
// menu when the text stands for several articles.
#include "EZAM_Exception.h"
#include "TAbstractBTNListState.h"
#include "TArtikelTools.h"
#include "TDM_Torvik.h"
#include "TQIV_ArtvLesenTools.h"
#include "TQIV_SimpleBestandsLeser.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMInfoKoords.h"
#include "ZAMUtils.h"

namespace {

// The stock types 1, 2, 3, 4, 7, 8, 9, 11, 12, 14 and 16.
constexpr qint64 CBestandsartenAuswahl = 88990;

// Article texts on a button: an "&" is shown, not taken as the accelerator.
QString Zeile(const QString& AText, qsizetype ABreite = -1)
{
    QString t = ABreite < 0 ? AText : AText.left(ABreite);
    return t.replace(u'&', QLatin1String("&&"));
}

bool IstUnbekanntTip(const QString& ATip)
{
    for (const char* t : {"Unbekannter Barcode!", "Unbekannter EAN-Code!", "Unbekannter UPC-Code!"})
        if (ATip.compare(QLatin1String(t), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

void TfrmMDE::ArtikelAuswahlAn(const QString& AText, TQIV_ArtikelAuswahl_Callback ACallback)
{
    TZAM_Hausregel::OhneBusy("TfrmMDE.ArtikelAuswahlAn", [&] {
        if (dynamic_cast<TAbstractBTNListState*>(FAktState))
            throw EZAM_Exception(CZAM_Info_Fehler_Standard_FktNichtImplementiert,
                                 QStringLiteral("TfrmMDE.ArtikelAuswahlAn"));
        FArtikelAuswahlCallback = nullptr;
        FArtikelAuswahlText.clear();
        FArtikelAuswahlDaten.Clear();
        FArtikelAuswahlMerkDaten.Clear();
        TQIV_ArtvLesenTools* leser = DM_Torvik->ArtvLesenTools_GoC();
        if (!leser)
            return; // its failure is shown; the scan changes nothing
        TZAM_ArtikelScanListe liste;
        if (!leser->Artikel_4_Text(AText, TQIV_ArtvLesenTools::almAlle, liste)) {
            TZAM_UmgesetztUArtikelScanDaten daten;
            daten.Umgesetzt = tsFalse;
            daten.ArtikelScanDaten.IstEAN = liste.IstEAN;
            daten.ArtikelScanDaten.IstUPC = liste.IstUPC;
            QString text = AText;
            ACallback(text, daten);
            return;
        }
        bool lang = false, warnung = false;
        if (FAktState && IstUnbekanntTip(FussTipLesen(lang, warnung))) {
            const QString tip = FAktState->FussTip(lang);
            FussTipSetzen(tip, lang, false);
        }
        FArtikelAuswahlCallback = std::move(ACallback);
        FArtikelAuswahlText = AText;
        FArtikelAuswahlDaten = liste;
        if (liste.Eintraege.size() == 1)
            ArtikelAusgewaehlt(0, true);
        else
            ArtikelAuswaehlenVorbereiten();
    });
}

void TfrmMDE::ArtikelAuswaehlenVorbereiten()
{
    DialogOeffnen(pnlBtnMenu);
    ButtonsKopfUndFussEnabledSetzen(false, true);
    FArtikelAuswahlMerkDaten.Caption = FHeaderCaption;
    bool warnung = false;
    FArtikelAuswahlMerkDaten.FussTip = FussTipLesen(FArtikelAuswahlMerkDaten.FussTipLang, warnung);
    HeaderCaption_Set(QStringLiteral("Artikel wählen"));
    FussTipSetzen(QStringLiteral("Bitte selektieren Sie den gewählten Artikel"), true, false);

    const bool viele = FArtikelAuswahlDaten.Eintraege.size() > 2;
    const int w1 = viele ? 12 : 15, w2 = viele ? 11 : 15, w3 = viele ? 2 : 1;
    const QList<int>& filialen = DM_Torvik->GetAktLagerFilialen();
    const int filiale = filialen.isEmpty() ? 0 : filialen.first();
    const int lager = DM_Torvik->FAktLager;
    TQIV_SimpleBestandsLeser* bestandsLeser = DM_Torvik->BestandsLeser_GoC();
    TQIV_ArtvLesenTools* leser = DM_Torvik->ArtvLesenTools_GoC();

    FArtikelAuswahlButtonHoeheMerk = btnmButtons->ButtonHoehe_Get();
    btnmButtons->BeginUpdate();
    btnmButtons->Clear();
    btnmButtons->ButtonHoehe_Set(102);
    for (int i = 0; i < FArtikelAuswahlDaten.Eintraege.size(); ++i) {
        const TZAM_ArtikelScanEintrag& e = FArtikelAuswahlDaten.Eintraege[i];
        TZAM_Intv100_Sortiment_Me bestand;
        bestand.Init();
        if (bestandsLeser)
            bestandsLeser->LagerBestandLesen(e.ProduktId, lager, CBestandsartenAuswahl, bestand);
        // An entry without size shows the article's stock over all sizes.
        const qint64 menge = zam_Intv100_IstGroesse(e.GroessenIndex) ? bestand.Me[e.GroessenIndex] : bestand.Sum();
        TZAM_ArtikelInformationen info;
        if (leser)
            leser->ArtikelInformationen_Lesen(e.ProduktId, e.GroessenIndex, filiale, info);
        TZAM_BtnMenuItem item;
        item.LeftCaption = QStringList{Zeile(TArtikelTools::ProduktID_2_ArtNr_Formatted(e.ProduktId)),
                                       QStringLiteral("Me.Lag.%1: %2").arg(lager).arg(menge),
                                       Zeile(info.Hersteller, w1), Zeile(info.Farbe, w1),
                                       Zeile(info.Beschreibung, w1 + w2 + w3)}
                               .join(QLatin1String("\r\n"));
        item.RightCaption = QStringList{QStringLiteral("Größe ") + Zeile(e.GroessenText),
                                        QStringLiteral("Preis ") + zam_ZahlText(info.Preis, 2),
                                        Zeile(info.HerstellerArtNr, w2), Zeile(info.Material, w2), QString()}
                                .join(QLatin1String("\r\n"));
        item.Tag = i;
        item.Height = 102;
        btnmButtons->Add(item);
    }
    btnmButtons->EndUpdate();
    BtnMenu_BlaetterbtnsSchalten();
    btnmButtons->setFocus();
}

void TfrmMDE::ArtikelAusgewaehlt(int AIndex, bool ADirekt)
{
    if (!ADirekt) {
        DialogSchliessen(pnlBtnMenu, false);
        ButtonsKopfUndFussEnabledSetzen(true, true);
        BtnArtNrHandEinEnabled_Set(true);
        HeaderCaption_Set(FArtikelAuswahlMerkDaten.Caption);
        FussTipSetzen(FArtikelAuswahlMerkDaten.FussTip, FArtikelAuswahlMerkDaten.FussTipLang, false);
        btnmButtons->Clear();
        btnmButtons->ButtonHoehe_Set(FArtikelAuswahlButtonHoeheMerk);
    }
    FArtikelAuswahlMerkDaten.Clear();
    const TZAM_ArtikelScanEintrag e = FArtikelAuswahlDaten.Eintraege.value(AIndex);
    TZAM_UmgesetztUArtikelScanDaten daten;
    daten.Umgesetzt = tsTrue;
    daten.ArtikelScanDaten.IstEAN = FArtikelAuswahlDaten.IstEAN;
    daten.ArtikelScanDaten.IstUPC = FArtikelAuswahlDaten.IstUPC;
    daten.ArtikelScanDaten.ProduktId = e.ProduktId;
    daten.ArtikelScanDaten.GroessenIndex = e.GroessenIndex;
    daten.ArtikelScanDaten.Text1 = e.GroessenText;
    daten.ArtikelScanDaten.Text2 = e.Text;
    FArtikelAuswahlDaten.Clear();
    const TQIV_ArtikelAuswahl_Callback callback = std::exchange(FArtikelAuswahlCallback, nullptr);
    QString text = std::exchange(FArtikelAuswahlText, QString());
    if (callback)
        callback(text, daten);
}
