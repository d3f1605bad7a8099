// Log-on, log-off and the rights checks of the main menu. These operations are called from the
// menu's handlers, which hold the busy flag; they register their failures without a busy test
// of their own and answer false after one.
#include "Tfrmmain.h"

#include "TDM_Torvik.h"
#include "TGpSuchDialog.h"
#include "TZAM_Hausregel.h"
#include "TZAM_RechtDialog.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

#include <QLabel>

namespace {
bool PasswortSchutz(const char* AWert)
{
    return ZAMParameter().GetCharValueByName(QStringLiteral("PWSCHUTZ")) == QLatin1String(AWert);
}
} // namespace

bool Tfrmmain::Benutzer_anmelden()
{
    return TZAM_Hausregel::ErgebnisOhneBusy("Tfrmmain.Benutzer_anmelden", false, [&] {
        if (DM_Torvik->FMDEModus)
            return true; // the handheld screen logs on by itself
        if (PasswortSchutz("N"))
            return Benutzer_anmelden_ohne_Recht();
        return Benutzer_anmelden_mit_Recht();
    });
}

bool Tfrmmain::Benutzer_anmelden_mit_Recht()
{
    return TZAM_Hausregel::ErgebnisOhneBusy("Tfrmmain.Benutzer_anmelden_mit_Recht", false, [&] {
        Benutzer_abmelden();
        return Recht_Pruefen({380, 381}, 1);
    });
}

bool Tfrmmain::Benutzer_anmelden_ohne_Recht()
{
    return TZAM_Hausregel::ErgebnisOhneBusy("Tfrmmain.Benutzer_anmelden_ohne_Recht", false, [&] {
        if (!FdlgMitaSuche) {
            FdlgMitaSuche = new TGpSuchDialog(this);
            FdlgMitaSuche->setObjectName(QStringLiteral("dlgMitaSuche"));
        }
        FdlgMitaSuche->SetGPArt(gpaMitarbeiter);
        FdlgMitaSuche->SetGepNr(TIntPair());
        if (!FdlgMitaSuche->Execute(nullptr, true))
            return false;
        const TIntPair mitarbeiter = FdlgMitaSuche->GepNr();
        IZAM_RechteServer* rechte = DM_Torvik->Rechteserver_GoC();
        const TIntPair benutzer = rechte ? rechte->BenutzerZuMitarbeiter(mitarbeiter) : TIntPair();
        if (IntPairDefined(benutzer)) {
            rechte->SetAktBenutzer(benutzer);
            DM_Torvik->FBenutzer = benutzer;
            DM_Torvik->FMitarbeiter = mitarbeiter;
            MitarbeiterAnzeigen();
        } else {
            ZAMInfo().ShowMeldung(
                0, CZAM_Info_Standard_Text994,
                {QStringLiteral("Bitte eine UserId dem Mitarbeiter zuordnen!\r\nAnmeldung nicht erfolgreich!")});
        }
        // The dialog was confirmed; without a user no employee is set and the next guarded
        // function asks again.
        return true;
    });
}

void Tfrmmain::Benutzer_abmelden()
{
    TZAM_Hausregel::OhneBusy(
        "Tfrmmain.Benutzer_abmelden",
        [&] {
            if (IZAM_RechteServer* rechte = DM_Torvik->Rechteserver_GoC())
                rechte->Abmelden();
            DM_Torvik->FBenutzer = TIntPair();
            DM_Torvik->FMitarbeiter = TIntPair();
            MitarbeiterAnzeigen();
        },
        false);
}

bool Tfrmmain::Benutzer_Pruefen()
{
    return TZAM_Hausregel::ErgebnisOhneBusy("Tfrmmain.Benutzer_Pruefen", false, [&] {
        if (IntPairDefined(DM_Torvik->FMitarbeiter))
            return true;
        ZAMInfo().ShowMeldung(0, CZAM_Info_Standard_Text994,
                              {QStringLiteral("Bitte melden Sie sich zunächst als Benutzer an.")});
        return false;
    });
}

bool Tfrmmain::Recht_Pruefen(const QList<TQIV_WPF_Recht>& ARechte, int AHigh)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("Tfrmmain.Recht_Pruefen", false, [&] {
        if (PasswortSchutz("J")) {
            TZAM_RechtDialog dlg;
            if (dlg.Funktion_pruefen(ARechte, AHigh, QString(), 1) && dlg.Anmeldung_erfolgreich()) {
                // Only the employee changes; the user stays as it was.
                DM_Torvik->FMitarbeiter = dlg.Mitarbeiter();
                MitarbeiterAnzeigen();
                return true;
            }
            return false;
        }
        if (IntPairDefined(DM_Torvik->FMitarbeiter))
            return true;
        return Benutzer_anmelden_ohne_Recht();
    });
}

void Tfrmmain::MitarbeiterAnzeigen()
{
    IZAM_GPListenServer* gp = DM_Torvik->GPListenServer_GoC();
    FlblMita->setText(gp ? gp->Name(DM_Torvik->FMitarbeiter, 0) : QString());
    // The locks of this program name whoever works at it.
    CommonLock().SetBenutzer(DM_Torvik->FBenutzer, FlblMita->text());
}
