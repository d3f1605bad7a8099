#include "TfrmArtNrGrPopup.h"

#include "EZAM_Exception.h"
#include "IZAM_Info.h"
#include "TQIV_ArtNrEdit.h"
#include "TZAM_Hausregel.h"
#include "ZAMInfoKoords.h"
#include "ZAMUtils.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmArtNrGrPopup::TfrmArtNrGrPopup(QWidget* AParent) : TZAMForm(AParent, QStringLiteral("frmArtNrGrPopup"))
{
    setWindowTitle(QStringLiteral("Artikelnummereingabe"));
    auto* haupt = new QVBoxLayout(this);
    auto* kopf = new QLabel(QStringLiteral("Artikelnummer - Handeingabe"), this);
    kopf->setObjectName(QStringLiteral("pnlHeader"));
    kopf->setAlignment(Qt::AlignCenter);
    haupt->addWidget(kopf);
    auto* felder = new QGridLayout;
    edtArtikelNr = new TQIV_ArtNrEdit(this);
    edtArtikelNr->setObjectName(QStringLiteral("edtArtikelNr"));
    edtGroesse = new QLineEdit(this);
    edtGroesse->setObjectName(QStringLiteral("edtGroesse"));
    edtGroesse->setMaxLength(3);
    edtGroesse->setText(QStringLiteral("999"));
    FlblGroesse = new QLabel(QStringLiteral("Kassengröße:"), this);
    felder->addWidget(new QLabel(QStringLiteral("Artikelnummer:"), this), 0, 0);
    felder->addWidget(edtArtikelNr, 0, 1);
    felder->addWidget(FlblGroesse, 1, 0);
    felder->addWidget(edtGroesse, 1, 1);
    haupt->addLayout(felder);
    auto* knoepfe = new QGridLayout;
    auto* zurueck = new QPushButton(QStringLiteral("Zurück"), this);
    zurueck->setObjectName(QStringLiteral("btnZurueck"));
    zurueck->setToolTip(QStringLiteral("Esc - Eingabe abbrechen und zurückkehren ..."));
    zurueck->setAutoDefault(false);
    auto* weiter = new QPushButton(QStringLiteral("Weiter"), this);
    weiter->setObjectName(QStringLiteral("btnWeiter"));
    weiter->setToolTip(QStringLiteral("Eingabe - Eingaben übernehmen und weiter ..."));
    weiter->setDefault(true); // Enter
    knoepfe->addWidget(zurueck, 0, 0);
    knoepfe->addWidget(weiter, 0, 1);
    haupt->addLayout(knoepfe);
    connect(zurueck, &QPushButton::clicked, this, &QDialog::reject);
    connect(weiter, &QPushButton::clicked, this, &TfrmArtNrGrPopup::btnWeiterClick);
    Clear();
    SetAuchGroesse(true);
}

bool TfrmArtNrGrPopup::ProduktIDManuell(TInt32Trio& AProduktId, TZAM_Intv100_IndErw& AGrInd, bool AAuchGroesse)
{
    // No entry of an earlier use may come back with a single Enter.
    Clear();
    SetAuchGroesse(AAuchGroesse);
    const bool ok = exec() == QDialog::Accepted;
    if (!ok)
        Clear();
    AProduktId = FProduktID;
    AGrInd = FGrInd;
    return ok;
}

bool TfrmArtNrGrPopup::AuchGroesse() const { return !edtGroesse->isHidden(); }

void TfrmArtNrGrPopup::SetAuchGroesse(bool AWert)
{
    edtGroesse->setVisible(AWert);
    FlblGroesse->setVisible(AWert);
    setFixedHeight(AWert ? 207 : 176);
}

void TfrmArtNrGrPopup::Clear()
{
    FProduktID = TInt32Trio();
    FGrInd = CZAM_Intv100_OhneGroesse;
    edtArtikelNr->clear();
    edtGroesse->clear();
}

void TfrmArtNrGrPopup::showEvent(QShowEvent* AEvent)
{
    TZAMForm::showEvent(AEvent);
    edtArtikelNr->setFocus();
}

void TfrmArtNrGrPopup::btnWeiterClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TfrmArtNrGrPopup.btnWeiterClick", [&] {
        if (!FOnPruefen)
            throw EZAM_Exception(CZAM_Info_Fehler_Standard_UnmoeglicherZustand,
                                 QStringLiteral("TfrmArtNrGrPopup ohne Prüfung"));
        FProduktID = edtArtikelNr->ProduktID();
        // An empty or garbled till size never raises: with size it is a till size the article lacks.
        const int kassenGroesse = zam_StrToIntDef(edtGroesse->text(), -1);
        if (FOnPruefen(FProduktID, kassenGroesse, FGrInd, AuchGroesse()))
            accept();
    });
}
