// The assignment of an unknown EAN or UPC to an article size.
#include "EZAM_Exception.h"
#include "TArtikelTools.h"
#include "TDM_Torvik.h"
#include "TZAM_ArtBarcodeMani.h"
#include "TZAM_Hausregel.h"
#include "TZAM_InfoMeldungListe.h"
#include "TfrmMDE.h"
#include "ZAMInfoKoords.h"

void TfrmMDE::EAN_UPC_Zuordnen_an(const TZAM_ArtikelScanDaten& AScannDaten, const QString& AGescannt,
                                  TQIV_ArtNrHandEin_Callback ACallBack)
{
    TZAM_Hausregel::OhneBusy("TfrmMDE.EAN_UPC_Zuordnen_an", [&] {
        if (!AScannDaten.IstEAN && !AScannDaten.IstUPC) {
            ACallBack(false, TInt32Trio(), CZAM_Intv100_OhneGroesse);
            return;
        }
        DM_Torvik->PlayHintSound(QStringLiteral("SYSTEMQUESTION"));
        FEAN_UPC_Gescannt = AGescannt;
        FEAN_UPC_ZuordnungCallBack = std::move(ACallBack);
        const QString art = AScannDaten.IstEAN ? QStringLiteral("Unbekannter EAN!") : QStringLiteral("Unbekannter UPC!");
        SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Kurz(
            art + QStringLiteral("\r\n%1\r\nWollen Sie diesen direkt einem Artikel zuordnen?").arg(AGescannt),
            [this](TZAM_TriState_Enum AAntwort, bool) { EAN_UPC_NachFrage(AAntwort); }));
    });
}

void TfrmMDE::EAN_UPC_Zuordnen_an(const QString& AGTIN, const TInt32Trio& AProdukt_Id, TZAM_Intv100_IndErw AGrInd)
{
    FEAN_UPC_Gescannt = AGTIN;
    FEAN_UPC_ZuordnungCallBack = nullptr;
    EAN_UPC_NachHandEin(true, AProdukt_Id, AGrInd);
}

void TfrmMDE::EAN_UPC_NachFrage(TZAM_TriState_Enum AAntwort)
{
    TZAM_Hausregel::OhneBusy("TfrmMDE.EAN_UPC_NachFrage", [&] {
        if (AAntwort == tsTrue) {
            ArtNrHandEingabeAn([this](bool AErfolg, const TInt32Trio& AProdukt,
                                      TZAM_Intv100_IndErw AGrInd) { EAN_UPC_NachHandEin(AErfolg, AProdukt, AGrInd); },
                               true);
            return;
        }
        const TQIV_ArtNrHandEin_Callback callback = std::exchange(FEAN_UPC_ZuordnungCallBack, nullptr);
        if (callback)
            callback(false, TInt32Trio(), CZAM_Intv100_OhneGroesse);
    });
}

void TfrmMDE::EAN_UPC_NachHandEin(bool AErfolg, const TInt32Trio& AProdukt, TZAM_Intv100_IndErw AGrInd)
{
    // Either error ends here: the caller is not called back, the user stays on the state's panel.
    bool weiter = false;
    TZAM_Hausregel::OhneBusy("TfrmMDE.EAN_UPC_NachHandEin", [&] {
        if (AErfolg) {
            TZAM_ArtikelSatz satz;
            TZAM_ArtBarcodeMani* mani = DM_Torvik->ArtBarCodeMani_GoC();
            if (!TArtikelTools::AASatz_4_ProduktID(AProdukt, satz) || !mani || !mani->Lesen4Buchen(AProdukt))
                throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter,
                                     QStringLiteral("kein Artikel %1").arg(AProdukt.ToText()));
            TZAM_ArtBarcodeSet& codes = mani->Barcodes(AGrInd);
            // A code the size has already books nothing.
            if (!codes.BarCode_IsIn(FEAN_UPC_Gescannt)) {
                codes.AddBarcode(FEAN_UPC_Gescannt);
                TZAM_InfoMeldungListe* meldungen = InfoMeldungListe_AufbauenWennNichtDa();
                meldungen->Clear();
                // A booking that another device beat by a moment is refused like an invalid code.
                const bool gebucht = TZAM_Hausregel::OhneBusy("TfrmMDE.EAN_UPC_NachHandEin - 2", [&] {
                    if (mani->Validate(*meldungen) && mani->Buchen(true, meldungen))
                        return;
                    meldungen->ShowMeldung();
                    throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter, FEAN_UPC_Gescannt);
                });
                if (!gebucht)
                    return;
            }
        }
        weiter = true;
    });
    if (!weiter)
        return;
    const TQIV_ArtNrHandEin_Callback callback = std::exchange(FEAN_UPC_ZuordnungCallBack, nullptr);
    if (callback)
        callback(AErfolg, AProdukt, AGrInd);
}
