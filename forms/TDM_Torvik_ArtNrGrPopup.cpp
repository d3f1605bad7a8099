// The data module's article-number entry and its check.
#include "TArtikelTools.h"
#include "TDM_Torvik.h"
#include "TZAM_Hausregel.h"
#include "TfrmArtNrGrPopup.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

TfrmArtNrGrPopup* TDM_Torvik::ArtNrGrPopup_GoC()
{
    if (!FArtNrGrPopup) {
        FArtNrGrPopup = std::make_unique<TfrmArtNrGrPopup>();
        FArtNrGrPopup->FOnPruefen = [this](const TInt32Trio& AProdukt, int AKassenGroesse, TZAM_Intv100_IndErw& AGrInd,
                                           bool AAuchGroesse) {
            return ArtNrGrPopup_onPruefen(AProdukt, AKassenGroesse, AGrInd, AAuchGroesse);
        };
    }
    return FArtNrGrPopup.get();
}

bool TDM_Torvik::ArtNrGrPopup_onPruefen(const TInt32Trio& AProdukt, int AKassenGroesse, TZAM_Intv100_IndErw& AGrInd,
                                        bool AAuchGroesse)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.ArtNrGrPopup_onPruefen", false, [&] {
        TInfoKoord meldung;
        if (ArtNrGrPopup_onPruefen_Do(AProdukt, AKassenGroesse, AAuchGroesse, AGrInd, meldung))
            return true;
        if (!meldung.IsNull()) // a failure of the check itself is shown already
            ZAMInfo().ShowMeldung(0, meldung);
        return false;
    });
}

bool TDM_Torvik::ArtNrGrPopup_onPruefen_Do(const TInt32Trio& AProdukt, int AKassenGroesse, bool AAuchGroesse,
                                           TZAM_Intv100_IndErw& AGrInd, TInfoKoord& AMeldung)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.ArtNrGrPopup_onPruefen_Do", false, [&] {
        AGrInd = CZAM_Intv100_OhneGroesse;
        if (AProdukt.IsNull()) {
            AMeldung = CZAM_Info_Artv_KeinArtikel;
            return false;
        }
        if (!AAuchGroesse)
            return true;
        // A till size that cannot be one (an empty or garbled entry reads as -1) is one the
        // article lacks.
        const TZAM_Intv100_IndErw ind = AKassenGroesse < 0 ? CZAM_Intv100_Ungueltig
                                                           : TArtikelTools::GetGGIndex4ProdIdKassenGroesse(AProdukt, AKassenGroesse);
        if (ind >= 128) {
            AMeldung = CZAM_Info_Babzmskv_KassenGroesseFehlt;
            return false;
        }
        AGrInd = ind;
        return true;
    });
}
