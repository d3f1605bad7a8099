// Log-on with rights on the handheld screen, and its log-off.
#include "IZAM_GPListenServer.h"
#include "TAbstractState.h"
#include "TDM_Torvik.h"
#include "TState_Menue.h"
#include "TZAM_Anwendung.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMGlobal.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTimer>

namespace {

const QString CKeineRechte = QStringLiteral("Keine Zugriffsrechte auf die Funktion! Anmeldung mit anderem Namen?");
const QString CFalscheAnmeldung = QStringLiteral("Benutzername oder Passwort sind nicht korrekt!");

bool PasswortSchutz()
{
    return ZAMParameter().GetCharValueByName(QStringLiteral("PWSCHUTZ")) == QLatin1String("J");
}

} // namespace

void TfrmMDE::KnopfZustaendeMerken()
{
    FMerkKnoepfe = std::make_unique<TKnopfZustaende>();
    FMerkKnoepfe->Knoepfe = FKnoepfe;
    FMerkKnoepfe->BuchenFussVisible = FBtnBuchenFussVisible;
    FMerkKnoepfe->BuchenFussEnabled = btnBuchenFuss->isEnabled();
    FMerkKnoepfe->HilfeObenEnabled = btnHilfeOben->isEnabled();
    FMerkKnoepfe->HilfeUntenEnabled = btnHilfeUnten->isEnabled();
}

void TfrmMDE::KnopfZustaendeWiederherstellen()
{
    if (!FMerkKnoepfe)
        return;
    for (int k = 0; k < lkAnzahl; ++k) {
        KnopfVisible_Set(TQIV_LogKnopf(k), FMerkKnoepfe->Knoepfe[size_t(k)].Visible);
        KnopfEnabled_Set(TQIV_LogKnopf(k), FMerkKnoepfe->Knoepfe[size_t(k)].Enabled);
    }
    BtnBuchenFussVisible_Set(FMerkKnoepfe->BuchenFussVisible);
    btnBuchenFuss->setEnabled(FMerkKnoepfe->BuchenFussEnabled);
    btnHilfeOben->setEnabled(FMerkKnoepfe->HilfeObenEnabled);
    btnHilfeUnten->setEnabled(FMerkKnoepfe->HilfeUntenEnabled);
    FMerkKnoepfe.reset();
}

bool TfrmMDE::Recht_Pruefen(const QList<TQIV_WPF_Recht>& ARechte, bool ANurPruefen, bool AForce, TIntPair& ABenutzer)
{
    ABenutzer = TIntPair();
    if (!PasswortSchutz())
        return true;
    IZAM_RechteServer* rechte = DM_Torvik->Rechteserver_GoC();
    if (!rechte)
        return false;
    const TIntPair aktuell = rechte->AktBenutzer();
    if (IntPairDefined(aktuell) && rechte->RechtePruefen(aktuell, ARechte, 1)) {
        ABenutzer = aktuell;
        return true;
    }
    TIntPair benutzer;
    if (!ANurPruefen && !rechte->Anmelden(edtBenutzer->text(), edtPasswort->text(), benutzer)) {
        rechte->SetAktBenutzer(aktuell);
        return false;
    }
    ABenutzer = benutzer;
    bool erlaubt = false;
    if (benutzer.IsNull() && (ZAMParameter().GetBooleanValueByName(QStringLiteral("ANMEFORC")) || AForce))
        erlaubt = false;
    else if (IntPairDefined(benutzer) || ANurPruefen)
        erlaubt = rechte->RechtePruefen(benutzer, ARechte, 1);
    // A log-on that is not allowed leaves the user who was current before.
    if (!erlaubt && !ANurPruefen)
        rechte->SetAktBenutzer(aktuell);
    return erlaubt;
}

void TfrmMDE::BenutzerAnmeldungAn(TQIV_BenutzerAnmeldung_Callback ACallback, const QList<TQIV_WPF_Recht>& ARecht,
                                  bool AForce)
{
    TIntPair benutzer;
    if (Recht_Pruefen(ARecht, true, AForce, benutzer)) {
        PrioTimerEinstellenUndStarten();
        if (ACallback)
            ACallback(true);
        return;
    }
    if (!PasswortSchutz())
        return;
    tiUmlagHLPrio->stop();
    DialogOeffnen(pnlBenuAnmeldung);
    KnopfZustaendeMerken();
    ButtonsKopfUndFussEnabledSetzen(false, true);
    ZurueckBinden([this] { AnmeldungAbbrechen(); });
    BtnZurueckVisible_Set(true);
    for (TQIV_LogKnopf k :
         {lkArtikelNichtGefunden, lkArtNrHandEin, lkArtikelbildAnz, lkEtikDruck, lkLPSkippen, lkBenutzerAbmelden})
        KnopfVisible_Set(k, false);
    FMerkFussText = FussTipLesen(FMerkFussLang, FMerkFussWarnung);
    FussTipSetzen(QString(), false, false);
    FBenutzerAnmeldungCallback = std::move(ACallback);
    FBenutzerbfrageRecht = ARecht;
    edtBenutzer->clear();
    edtPasswort->clear();
    edtBenutzer->setFocus(Qt::OtherFocusReason);
}

bool TfrmMDE::Benutzer_anmelden(QString& AFehler)
{
    AFehler.clear();
    if (!PasswortSchutz())
        return true;
    IZAM_RechteServer* rechte = DM_Torvik->Rechteserver_GoC();
    TIntPair benutzer;
    if (!rechte || !Recht_Pruefen(FBenutzerbfrageRecht, false, false, benutzer)) {
        // A user the credentials named, but who lacks the rights, is told so.
        AFehler = IntPairDefined(benutzer) ? CKeineRechte : CFalscheAnmeldung;
        return false;
    }
    // The user found is the one who works now, also when another was current before.
    rechte->SetAktBenutzer(benutzer);
    DM_Torvik->FBenutzer = benutzer;
    const TIntPair mitarbeiter = rechte->MitarbeiterZuBenutzer(benutzer);
    DM_Torvik->FMitarbeiter = IntPairDefined(mitarbeiter) ? mitarbeiter : benutzer;
    return true;
}

void TfrmMDE::AnmeldungSchliessen()
{
    DialogSchliessen(pnlBenuAnmeldung, false);
    ButtonsKopfUndFussEnabledSetzen(true, true);
    FBenutzerbfrageRecht.clear();
    edtBenutzer->clear();
    edtPasswort->clear();
}

void TfrmMDE::btnAnmeldenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.btnAnmeldenClick", [&] {
        if (!pnlBenuAnmeldung->isVisibleTo(this))
            return;
        QString fehler;
        if (!Benutzer_anmelden(fehler)) {
            FussTipSetzen(fehler, true, true);
            edtPasswort->clear();
            return;
        }
        FMerkKnoepfe.reset();
        AnmeldungSchliessen();
        IZAM_GPListenServer* gp = DM_Torvik->GPListenServer_GoC();
        FussTipSetzen(QStringLiteral("Angemeldet: ") + (gp ? gp->Name(DM_Torvik->FMitarbeiter, 0) : QString()), true,
                      false);
        BtnBenutzerAbmeldenVisible_Set(true);
        TQIV_BenutzerAnmeldung_Callback callback;
        callback.swap(FBenutzerAnmeldungCallback);
        if (callback)
            callback(true);
        PrioTimerEinstellenUndStarten();
    });
}

void TfrmMDE::btnAnmeldungAbbrechenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.btnAnmeldungAbbrechenClick", [&] { AnmeldungAbbrechen(); });
}

void TfrmMDE::AnmeldungAbbrechen()
{
    if (!pnlBenuAnmeldung->isVisibleTo(this))
        return;
    AnmeldungSchliessen();
    FussTipSetzen(FMerkFussText, FMerkFussLang, FMerkFussWarnung);
    KnopfZustaendeWiederherstellen();
    TQIV_BenutzerAnmeldung_Callback callback;
    callback.swap(FBenutzerAnmeldungCallback);
    if (callback)
        callback(false);
    PrioTimerEinstellenUndStarten();
}

void TfrmMDE::BenutzerAnmeldungErgebnis(bool AErfolg)
{
    // Without a log-on at start the handheld program ends.
    if (!AErfolg) {
        TZAM_Anwendung::Terminate();
        Schliessen(0);
        return;
    }
    // The log-on wrote its greeting over the forced options: they show their warning again.
    if (FOptionen.Allgemein.AktLager <= 0)
        ChangeState(StateKlasse<TState_Menue>());
}

bool TfrmMDE::Benutzer_abmelden()
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TfrmMDE.Benutzer_abmelden", false, [&] {
        IZAM_RechteServer* rechte = DM_Torvik->Rechteserver_GoC();
        if (!rechte)
            return false;
        rechte->Abmelden();
        DM_Torvik->FBenutzer = TIntPair();
        DM_Torvik->FMitarbeiter = TIntPair();
        return true;
    });
}
