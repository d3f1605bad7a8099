#include "TQIV_WEPlus_ArtikelScan.h"

#include "TAbstractState.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

void TQIV_WEPlus_ArtikelScan::Verteilen(TAbstractState* AState, const char* AName, const QString& AText,
                                        TZAM_UmgesetztUArtikelScanDaten& AScanndaten, const TArtikel& AArtikel,
                                        const TSonst& ASonst)
{
    AState->Warnung_Ruecksetzen();
    bool lang = true;
    AState->FussTipSet(AState->FussTip(lang), lang, false);
    TfrmMDE* maske = AState->Maske();
    if (AScanndaten.Umgesetzt == tsUndefined) {
        maske->ArtikelAuswahlAn(AText, [=](const QString& AText2, TZAM_UmgesetztUArtikelScanDaten& ADaten) {
            TZAM_Hausregel::OhneBusy(AName, [&] { Verteilen(AState, AName, AText2, ADaten, AArtikel, ASonst); });
        });
        return;
    }
    const TZAM_ArtikelScanDaten& scan = AScanndaten.ArtikelScanDaten;
    if (AScanndaten.Umgesetzt == tsTrue) {
        AArtikel(true, scan.ProduktId, scan.GroessenIndex);
        return;
    }
    if (scan.IstEAN || scan.IstUPC) {
        maske->EAN_UPC_Zuordnen_an(scan, AText,
                                   [=](bool AErfolg, const TInt32Trio& AProdukt, TZAM_Intv100_IndErw AGrInd) {
                                       AArtikel(AErfolg, AProdukt, AGrInd);
                                   });
        return;
    }
    if (ASonst)
        ASonst(AText);
    else
        AState->FussTipSet(QStringLiteral("Unbekannter Barcode!"), false, true);
}

void TQIV_WEPlus_ArtikelScan::Gescannt(TAbstractState* AState, bool& ABusy, const char* AName, const QString& AText,
                                       TZAM_UmgesetztUArtikelScanDaten& AScanndaten, const TArtikel& AArtikel,
                                       const TSonst& ASonst)
{
    TZAM_Hausregel::Ausfuehren(ABusy, AName, [&] { Verteilen(AState, AName, AText, AScanndaten, AArtikel, ASonst); });
}
