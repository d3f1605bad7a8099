#include "TState_VonPlatzScan.h"

#include "TDM_Torvik.h"
#include "TQIV_AufgabenLagerListe.h"
#include "TState_ArtikelScan.h"
#include "TState_Aufgabe.h"
#include "TVRList.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

namespace L = TQIV_AufgabenLagerListe;

TState_VonPlatzScan::~TState_VonPlatzScan()
{
    // The screen's carrier is gone by now: only the lock goes back.
    if (FGesperrterVonLP.Defined())
        TZAM_Hausregel::Zerstoeren("TState_VonPlatzScan.Destroy", [&] {
            IZAM_LagerEditServer& lager = TZAM_BewegungsDienste::Lager(*DM_Torvik);
            if (FGesperrterIstBehaelter)
                lager.Behaelter_Entsperren(FGesperrterVonLP);
            else
                lager.Lagerort_Entsperren(FGesperrterVonLP);
        });
}

void TState_VonPlatzScan::Vor_Anfang(bool& AWeiter)
{
    TAbstractDetailState::Vor_Anfang(AWeiter);
    bool zurueck = false;
    TZAM_Hausregel::OhneBusy("TState_VonPlatzScan.Vor_Anfang", [&] {
        // A place still held from an earlier pass (a container change) is scanned afresh.
        if (FGesperrterVonLP.Defined())
            VonLPEntsperren();
        TState_Aufgabe* a = StateAufgabe();
        QString benutzer;
        QDateTime zeit;
        TIntTrio zuSperren, gesperrt;
        bool ok = a->Aufgabe_Sperren_und_StatusAendern(benutzer, zeit, zuSperren, gesperrt);
        if (!ok && gesperrt.Defined()) {
            // The lock of a task left behind goes first.
            a->Aufgabe_Entsperren_Und_StatusRuecksetzen();
            ok = a->Aufgabe_Sperren_und_StatusAendern(benutzer, zeit, zuSperren, gesperrt);
        }
        zurueck = !ok;
    });
    if (!zurueck)
        return;
    // Back to the list with the refusal's foot tip.
    AWeiter = false;
    bool lang = false, warnung = false;
    const QString tip = FussTipGet(lang, warnung);
    ChangeState(StateKlasse<TState_Aufgabe>());
    FussTipSet(tip, lang, warnung);
}

QString TState_VonPlatzScan::FussTip(bool& ALang)
{
    ALang = false;
    return StateAufgabe()->GiveIntTrio(L::CBehaelterId).Defined() ? QStringLiteral("Bitte scannen Sie den Behälter!")
                                                                  : QStringLiteral("Bitte scannen Sie den Lagerplatz!");
}

void TState_VonPlatzScan::ButtonsSchalten_Speziell()
{
    BehaelterKnoepfeSchalten();
}

int TState_VonPlatzScan::ZuFaerbendesPanel()
{
    return StateAufgabe()->GiveIntTrio(L::CBehaelterId).Defined() ? L::CBehaelter : L::CLagerort;
}

void TState_VonPlatzScan::Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten&)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_VonPlatzScan.Gescannt", [&] {
        if (!CheckBehaelter())
            return;
        TState_Aufgabe* a = StateAufgabe();
        if (!PlatzScanPasst(AText, Quelle())) {
            const QString tip =
                a->GiveIntTrio(L::CBehaelterId).Defined()
                    ? QStringLiteral("Falscher Behälter. Bitte scannen\r\nSie ") + a->GiveString(L::CBehaelter)
                    : QStringLiteral("Falscher Lagerplatz. Bitte scannen\r\nSie den Lagerplatz!");
            FussTipSet(QString(tip).replace(QStringLiteral("\r\n"), QStringLiteral(" ")), false, true);
            return;
        }
        Pruefen_Und_Weiter();
    });
}

void TState_VonPlatzScan::ScanUeberspringen()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_VonPlatzScan.ScanUeberspringen", [&] {
        if (CheckBehaelter())
            Pruefen_Und_Weiter();
    });
}

void TState_VonPlatzScan::Pruefen_Und_Weiter()
{
    TErgebnis ergebnis = veOk;
    if (!VonLPSperren_Und_Pruefen(ergebnis))
        return;
    TState_Aufgabe* a = StateAufgabe();
    switch (ergebnis) {
    case veOk:
        a->FLagerplatzGescannt = true;
        ChangeState(StateKlasse<TState_ArtikelScan>());
        break;
    case veWeg:
        FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(
            QStringLiteral("Der Bestand des Artikels\r\nauf dem Lagerplatz\r\nreicht nicht mehr aus.\r\nEs wird "
                           "nun\r\ndie nächste Aufgabe\r\nangezeigt."),
            false, [this](TZAM_TriState_Enum, bool) {
                TZAM_Hausregel::OhneBusy("TState_VonPlatzScan.BestandWegCallback",
                                         [&] { StateAufgabe()->NichtErledigteAufaben_NeuLaden(true); });
            }));
        break;
    case veVerringert:
        a->FLagerplatzGescannt = true;
        FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(
            QStringLiteral("Ein anderer Mitarbeiter hat Ware von diesem Lagerplatz entnommen.\r\nDie verfügbaren "
                           "Mengen haben sich verringert."),
            false, [this](TZAM_TriState_Enum, bool) {
                TZAM_Hausregel::OhneBusy("TState_VonPlatzScan.BestandVerringertCallback", [&] {
                    FMaske->Datentraeger_Get().UmlagerungHandlager.MerkLagerortBez = QuelleText();
                    ChangeState(StateKlasse<TState_ArtikelScan>());
                });
            }));
        break;
    }
}

bool TState_VonPlatzScan::VonLPSperren_Und_Pruefen(TErgebnis& AErgebnis)
{
    if (FGesperrterVonLP.Defined()) {
        FussTipSet(QStringLiteral("Es wurde bereits ein Lagerort gesperrt."), false, true);
        return false;
    }
    TState_Aufgabe* a = StateAufgabe();
    const TIntTrio quelle = Quelle();
    const bool behaelter = a->GiveIntTrio(L::CBehaelterId).Defined();
    IZAM_LagerEditServer& lager = TZAM_BewegungsDienste::Lager(*DM_Torvik);
    if (!(behaelter ? lager.Behaelter_Sperren(quelle) : lager.Lagerort_Sperren(quelle))) {
        FussTipSet(QStringLiteral("Der Von-Lagerplatz konnte nicht gesperrt werden!"), false, true);
        return false;
    }
    FGesperrterVonLP = quelle;
    FGesperrterIstBehaelter = behaelter;
    const int bestand = DM_Torvik->Lagerbestand(quelle, a->GiveInt32Trio(L::CProduktId), a->GiveInt(L::CGrInd));
    if (bestand >= a->GiveInt(L::CMenge))
        AErgebnis = veOk;
    else if (bestand > 0) {
        a->Liste()->SetCellValueAsInteger(a->FAufgabenIdx, L::CMenge, bestand);
        InfoAnzeigen();
        AErgebnis = veVerringert;
    } else {
        VonLPEntsperren();
        AErgebnis = veWeg;
    }
    return true;
}

void TState_VonPlatzScan::VonLPEntsperren()
{
    // The remembered place of the urgent run stays while no source of a step is held.
    if (!FGesperrterVonLP.Defined())
        return;
    IZAM_LagerEditServer& lager = TZAM_BewegungsDienste::Lager(*DM_Torvik);
    const TIntTrio id = FGesperrterVonLP;
    FGesperrterVonLP = TIntTrio();
    if (FGesperrterIstBehaelter)
        lager.Behaelter_Entsperren(id);
    else
        lager.Lagerort_Entsperren(id);
    FMaske->Datentraeger_Get().UmlagerungHandlager.MerkLagerortBez.clear();
}

void TState_VonPlatzScan::btnBehaelterInfoClick()
{
    BehaelterInfo("TState_VonPlatzScan.btnBehaelterInfoClick");
}

void TState_VonPlatzScan::btnBehaelterWechselClick()
{
    BehaelterWechseln("TState_VonPlatzScan.btnBehaelterWechselClick");
}

void TState_VonPlatzScan::btnWBSDruckClick()
{
    WBSDruckKlick("TState_VonPlatzScan.btnWBSDruckClick");
}
