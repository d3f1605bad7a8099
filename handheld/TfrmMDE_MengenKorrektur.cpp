// The quantity correction panel: the actual quantity of one size, typed.
#include "TAbstractState.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

#include <QLabel>
#include <QLineEdit>

void TfrmMDE::MengenKorrekturSHAn(QWidget* AReturnToPanel, int AIndex, const QString& ALangGroesse, int ASollMenge,
                                  int AIstMenge, const QString& ACaption, TQIV_MengenkorrekturSH_Callback ACallback)
{
    PanelZeigen(pnlMengenkorrekturSH);
    ButtonsKopfUndFussEnabledSetzen(false);
    TexteKopfUndFussMerken();
    HeaderCaption_Set(ACaption);
    TexteFussLeeren();
    Warnung_Ruecksetzen();
    lblMeKorrSHGroesseWert->setText(ALangGroesse);
    lblMeKorrSHSollMeWert->setText(QString::number(ASollMenge));
    edtMeKorrSHIstMeWert->setText(QString::number(AIstMenge));
    FMengenkorrekturSHReturnToPanel = AReturnToPanel;
    FMengenkorrekturSHIndex = AIndex;
    FMengenkorrekturSHCallback = std::move(ACallback);
    // Digits go into the field, Enter presses "Weiter": none of them may reach the state.
    FMengenkorrekturSHNumpadMerk = NumpadActions_Enabled_Get();
    NumpadActions_Enabled(false);
    edtMeKorrSHIstMeWert->setFocus();
    edtMeKorrSHIstMeWert->selectAll();
}

void TfrmMDE::ClickBtnMeKorrSH_WeiterOderZurueck(bool AWeiter)
{
    bool ok = false;
    const int menge = edtMeKorrSHIstMeWert->text().toInt(&ok);
    if (AWeiter && !ok) {
        // The field takes digits only; an empty one keeps the panel open.
        FussTipSetzen(QStringLiteral("Bitte die Ist-Menge eingeben (0 bis 99999)."), false, true);
        edtMeKorrSHIstMeWert->setFocus();
        return;
    }
    PanelZeigen(FMengenkorrekturSHReturnToPanel ? FMengenkorrekturSHReturnToPanel
                                                : (FAktState ? FAktState->ActivePanel() : nullptr));
    ButtonsKopfUndFussEnabledSetzen(true, true);
    TexteKopfUndFussWiederherstellen();
    NumpadActions_Enabled(FMengenkorrekturSHNumpadMerk);
    FMengenkorrekturSHReturnToPanel = nullptr;
    const int index = std::exchange(FMengenkorrekturSHIndex, -1);
    const TQIV_MengenkorrekturSH_Callback callback = std::exchange(FMengenkorrekturSHCallback, nullptr);
    if (!callback)
        return;
    if (AWeiter)
        callback(true, menge, index);
    else
        callback(false, 0, -1);
}

void TfrmMDE::btnMeKorrSHWeiterClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.ClickBtnMeKorrSH_WeiterOderZurueck",
                               [&] { ClickBtnMeKorrSH_WeiterOderZurueck(true); });
}

void TfrmMDE::btnMeKorrSHZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmMDE.ClickBtnMeKorrSH_WeiterOderZurueck",
                               [&] { ClickBtnMeKorrSH_WeiterOderZurueck(false); });
}

void TfrmMDE::btnMeKorrSHNullClick()
{
    edtMeKorrSHIstMeWert->setText(QStringLiteral("0"));
    edtMeKorrSHIstMeWert->setFocus();
}
