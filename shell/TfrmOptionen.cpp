#include "TfrmOptionen.h"

#include "EZAM_Exception.h"
#include "TDM_Torvik.h"
#include "TMandDialog.h"
#include "TZAM_CheckListe.h"
#include "TZAM_Hausregel.h"
#include "ZAMFormMitte.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>

TfrmOptionen::TfrmOptionen(QWidget* AParent) : TZAMForm(AParent, QStringLiteral("frmOptionen"))
{
    setWindowTitle(QStringLiteral("Einstellungen des Kommissioniergeräts"));
    setModal(true);
    LayoutErstellen();
    FormCreate();
}

TfrmOptionen::~TfrmOptionen()
{
    TZAM_Hausregel::Zerstoeren("TfrmOptionen.FormDestroy", [&] { Maske_Leeren(); });
}

void TfrmOptionen::FormCreate()
{
    TZAM_Hausregel::OhneBusy(
        "TfrmOptionen.FormCreate",
        [&] {
            ZAMFormMitte(this, nullptr);
            FBeforeShow = true;
            Maske_Fuellen();
            FMand_EWA_Handeingabe = TIntPair();
            FdlgMand = new TMandDialog(this);
            FdlgMand->setObjectName(QStringLiteral("dlgMand"));
            FdlgMand->SetShowOneMand(false);
            FdlgMand->SetMandIndependent(false);
            FdlgMand->SetSetZAMProgrammAktMandant(false);
            // A site with one client: it is taken at once and cannot be changed.
            FFesterMandant = FdlgMand->FesterMandant();
            if (FFesterMandant) {
                ClickBtnMandantenWechsel();
                FbtnMandantwechsel->hide();
                for (QWidget* w : FpnlMandant->findChildren<QWidget*>())
                    w->setEnabled(false);
            }
        },
        false);
}

void TfrmOptionen::showEvent(QShowEvent* AEvent)
{
    TZAMForm::showEvent(AEvent);
    // Not when the window system shows it again: that would replace what the user entered.
    if (!AEvent->spontaneous())
        FormShow();
}

void TfrmOptionen::FormShow()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmOptionen.FormShow", [&] {
        if (FBeforeShow) {
            Panels_ausrichten();
            FBeforeShow = false;
        }
        FpnlMandant->setVisible(DM_Torvik->GetMandFuerEWA());
        FpnlZeitraumWBS->setVisible(ZAMParameter().GetBooleanValueByName(QStringLiteral("EWABELEG")));
        Optionen_Anzeigen(DM_Torvik->FOptionen);
    });
}

void TfrmOptionen::Panels_ausrichten()
{
    FpnlOuter->setGeometry(4, 4, width() - 8, height() - 8);
}

void TfrmOptionen::reject()
{
    btnZurueckClick();
}

void TfrmOptionen::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmOptionen.btnZurueckClick", [&] { done(mrCancel); });
}

void TfrmOptionen::btnWeiterClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmOptionen.btnWeiterClick", [&] {
        TQIV_VELTOB_Optionen optionen;
        if (!Auslesen_Testen(optionen))
            return;
        if (!DM_Torvik->Optionen_Uebernehmen_u_Buchen(optionen)) {
            // The data module has shown why; one message is enough, the protocol notes the form too.
            ZAMInfo().RegisterException(QStringLiteral("TfrmOptionen.btnWeiterClick"),
                                        EZAM_Exception::Text(QStringLiteral("Optionen nicht gespeichert"),
                                                             QStringLiteral("TfrmOptionen.btnWeiterClick")),
                                        false);
            return;
        }
        done(mrOk);
    });
}

void TfrmOptionen::btnMandantwechselClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmOptionen.btnMandantwechselClick", [&] { ClickBtnMandantenWechsel(); });
}

void TfrmOptionen::ClickBtnMandantenWechsel()
{
    TZAM_Hausregel::OhneBusy(
        "TfrmOptionen.ClickBtnMandantenWechsel",
        [&] {
            if (FdlgMand->Execute(this))
                MandantAnzeigen(FdlgMand->Mandant(), FdlgMand->MandantName());
        },
        false);
}

void TfrmOptionen::MandantAnzeigen(const TIntPair& AMandant, const QString& AName)
{
    FMand_EWA_Handeingabe = AMandant;
    FlblMandant->setText(IntPairDefined(AMandant) ? AName : QStringLiteral("Kein Mandant gewählt"));
}

void TfrmOptionen::CheckAll(QObject* ASender)
{
    SpaltenKnopf(ASender, "TfrmOptionen.CheckAll", &TZAM_CheckListe::Alle);
}

void TfrmOptionen::CheckChange(QObject* ASender)
{
    SpaltenKnopf(ASender, "TfrmOptionen.CheckChange", &TZAM_CheckListe::Umkehren);
}

void TfrmOptionen::ItemUp(QObject* ASender)
{
    SpaltenKnopf(ASender, "TfrmOptionen.ItemUp", &TZAM_CheckListe::Hoch);
}

void TfrmOptionen::ItemDown(QObject* ASender)
{
    SpaltenKnopf(ASender, "TfrmOptionen.ItemDown", &TZAM_CheckListe::Runter);
}

void TfrmOptionen::SpaltenKnopf(QObject* ASender, const char* AName, void (*AAktion)(QListWidget*))
{
    TZAM_Hausregel::Ausfuehren(FBusy, AName, [&] {
        if (QListWidget* liste = ZustaendigeSpaltenListeErmitteln(ASender))
            AAktion(liste);
    });
}

QListWidget* TfrmOptionen::ZustaendigeSpaltenListeErmitteln(QObject* ASender)
{
    return TZAM_Hausregel::ErgebnisOhneBusy<QListWidget*>(
        "TfrmOptionen.ZustaendigeSpaltenListeErmitteln", nullptr, [&] {
            QObject* eltern = ASender ? ASender->parent() : nullptr;
            if (eltern)
                for (QObject* kind : eltern->children())
                    if (auto* liste = qobject_cast<QListWidget*>(kind))
                        return liste;
            throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter,
                                 ASender ? ASender->objectName() : QStringLiteral("nil"),
                                 QStringLiteral("TfrmOptionen.ZustaendigeSpaltenListeErmitteln"));
        });
}

void TfrmOptionen::Komponente_Fokussieren(QWidget* AKomponente)
{
    for (QWidget* w = AKomponente; w; w = w->parentWidget()) {
        const int seite = FpgcTabSheets->indexOf(w);
        if (seite >= 0) {
            FpgcTabSheets->setCurrentIndex(seite);
            break;
        }
    }
    AKomponente->setFocus();
}
