#include "TState_MengeEingeben.h"

#include "EZAM_Exception.h"
#include "TDM_Torvik.h"
#include "TQIV_AufgabenLagerListe.h"
#include "TState_AnPlatzScan.h"
#include "TState_Aufgabe.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMInfoKoords.h"

namespace L = TQIV_AufgabenLagerListe;

namespace {
const QList<TQIV_WPF_Recht> CRechteAusbuchen{380, 452, 453};
const QString CZuViel = QStringLiteral("Die Ist-Menge darf nicht größer als die Soll-Menge sein!");
} // namespace

void TState_MengeEingeben::Vor_Anfang(bool& AWeiter)
{
    TAbstractDetailState::Vor_Anfang(AWeiter);
    FBuchungGescheitert = false;
    TZAM_Hausregel::OhneBusy("TState_MengeEingeben.Vor_Anfang", [&] {
        if (StateAufgabe()->GiveInt(L::CMenge) != 1)
            return;
        FMaske->Datentraeger_Get().Nachsort.IstMenge = 1;
        AWeiter = false;
        if (Buchen_Oder_StateWechseln(false))
            return;
        // The booking was refused: the state shows, with the reason, so the worker can retry.
        bool warnung = false;
        FGescheitertTip = FussTipGet(FGescheitertLang, warnung);
        FBuchungGescheitert = AWeiter = true;
    });
}

void TState_MengeEingeben::StateAnfangVariablenClear()
{
    if (!FBuchungGescheitert)
        TAbstractDetailState::StateAnfangVariablenClear();
    FNummernEingabe = false;
}

void TState_MengeEingeben::Nach_Anfang()
{
    if (!FBuchungGescheitert)
        return;
    FBuchungGescheitert = false;
    FussTipSet(FGescheitertTip, FGescheitertLang, true);
}

QString TState_MengeEingeben::FussTip(bool& ALang)
{
    ALang = false;
    return QStringLiteral("Bitte Menge eingeben!");
}

void TState_MengeEingeben::ButtonsSchalten_Speziell()
{
    FMaske->BtnBuchenVisible_Set(true);
    FMaske->BtnBuchenFussVisible_Set(true);
}

void TState_MengeEingeben::NummernBlockEingabe(int AInt)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_MengeEingeben.NummernBlockEingabe", [&] {
        if (AInt < 0 || AInt > 9)
            throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter, QString::number(AInt),
                                 QStringLiteral("TState_MengeEingeben.NummernBlockEingabe"));
        int& ist = FMaske->Datentraeger_Get().Nachsort.IstMenge;
        const qint64 neu = FNummernEingabe ? qint64(ist) * 10 + AInt : AInt;
        // A digit more would overflow the quantity: it is not taken.
        if (neu > CMaxIstMenge) {
            Warnung_Anzeigen();
            return;
        }
        ist = int(neu);
        FNummernEingabe = true;
        MengeAnzeigen();
    });
}

void TState_MengeEingeben::KeyBackSpace()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_MengeEingeben.KeyBackSpace", [&] {
        int& ist = FMaske->Datentraeger_Get().Nachsort.IstMenge;
        ist = FNummernEingabe ? ist / 10 : 0;
        MengeAnzeigen();
    });
}

bool TState_MengeEingeben::MengeZulaessig()
{
    const int ist = FMaske->Datentraeger_Get().Nachsort.IstMenge;
    if (ist < 1) {
        Warnung_Anzeigen();
        return false;
    }
    if (ist > StateAufgabe()->GiveInt(L::CMenge)) {
        FussTipSet(CZuViel, false, true);
        return false;
    }
    return true;
}

void TState_MengeEingeben::KeyEnter()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_MengeEingeben.KeyEnter", [&] {
        if (MengeZulaessig())
            Buchen_Oder_StateWechseln(false);
    });
}

void TState_MengeEingeben::btnBuchenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_MengeEingeben.btnBuchenClick", [&] {
        if (!MengeZulaessig())
            return;
        if (FMaske->Datentraeger_Get().Nachsort.IstMenge == StateAufgabe()->GiveInt(L::CMenge))
            Buchen_Oder_StateWechseln(false);
        else
            RestFrage();
    });
}

void TState_MengeEingeben::RestFrage()
{
    TState_Aufgabe* a = StateAufgabe();
    const int ist = FMaske->Datentraeger_Get().Nachsort.IstMenge;
    const int soll = a->GiveInt(L::CMenge);
    const int bestand = DM_Torvik->Lagerbestand(Quelle(), a->GiveInt32Trio(L::CProduktId), a->GiveInt(L::CGrInd));
    TQIV_SicherheitsAbfrage_Options o = TQIV_SicherheitsAbfrage_Options::Kurz(
        QStringLiteral("Sie haben Artikel\r\n%1 in Gr. %2\r\n%3 mal anstatt %4 mal gefunden.\r\n\r\nSoll der "
                       "Restbestand (%5)\r\ndes Artikels auf dem Lagerplatz\r\nausgebucht werden?")
            .arg(a->GiveString(L::CArtNr), a->GiveString(L::CGroesse))
            .arg(ist)
            .arg(soll)
            .arg(bestand - ist),
        [this](TZAM_TriState_Enum AAntwort, bool) {
            TZAM_Hausregel::OhneBusy("TState_MengeEingeben.RestFrageCallback", [&] {
                if (AAntwort == tsUndefined)
                    return;
                if (AAntwort == tsFalse) {
                    StateAufgabe()->LWVerbotDict_AktDatenHinzu();
                    Buchen_Oder_StateWechseln(false);
                    return;
                }
                FMaske->BenutzerAnmeldungAn(
                    [this](bool AErfolg) {
                        TZAM_Hausregel::OhneBusy("TState_MengeEingeben.AnmeldungCallback", [&] {
                            if (!AErfolg)
                                return;
                            TState_Aufgabe* a2 = StateAufgabe();
                            if (Kuerzel_2_TZAM_Aufgabe_Art_Erw(a2->GiveString(L::CArt)) == CZAM_Aufgabe_Art_Handlager &&
                                DM_Torvik->HLAnfoGrund_NurAufgabe_Ermitteln(a2->GiveIntTrio(L::CGrund)))
                                a2->LWVerbotDict_AktDatenHinzu();
                            Buchen_Oder_StateWechseln(true);
                        });
                    },
                    CRechteAusbuchen, false);
            });
        });
    o.FontSize = 14;
    o.MitAbbrechen = true;
    FMaske->SicherheitsAbfrageAn(o);
}

bool TState_MengeEingeben::Buchen_Oder_StateWechseln(bool ARestAusbuchen)
{
    if (FMaske->FModus == CZPMDEM_UmlagHL) {
        FMaske->Datentraeger_Get().Nachsort.FehlmengeAusbuchen = ARestAusbuchen;
        ChangeState(StateKlasse<TState_AnPlatzScan>());
        return true;
    }
    return AbsortierungBuchen_U_Weiter(ARestAusbuchen);
}

void TState_MengeEingeben::Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_MengeEingeben.Gescannt", [&] {
        if (CheckBehaelter())
            ArtikelGescannt(AText, AScanndaten);
    });
}

void TState_MengeEingeben::ArtikelGescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten)
{
    if (AScanndaten.Umgesetzt == tsUndefined) {
        FMaske->ArtikelAuswahlAn(AText, [this](const QString& AText2, TZAM_UmgesetztUArtikelScanDaten& ADaten) {
            TZAM_Hausregel::OhneBusy("TState_MengeEingeben.ArtikelAuswahlCallback",
                                     [&] { ArtikelGescannt(AText2, ADaten); });
        });
        return;
    }
    TState_Aufgabe* a = StateAufgabe();
    const TZAM_ArtikelScanDaten& d = AScanndaten.ArtikelScanDaten;
    if (AScanndaten.Umgesetzt != tsTrue || d.ProduktId != a->GiveInt32Trio(L::CProduktId) ||
        d.GroessenIndex != a->GiveInt(L::CGrInd)) {
        Warnung_Anzeigen();
        return;
    }
    int& ist = FMaske->Datentraeger_Get().Nachsort.IstMenge;
    const int soll = a->GiveInt(L::CMenge);
    if (ist >= soll) {
        FussTipSet(CZuViel, false, true);
        return;
    }
    ++ist;
    MengeAnzeigen();
    if (ist == soll)
        Buchen_Oder_StateWechseln(false);
}
