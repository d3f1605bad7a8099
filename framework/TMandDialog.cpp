#include "TMandDialog.h"

#include "TZAM_GPListe.h"

#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_Info.h"
#include "TZAM_Hausregel.h"
#include "ZAMDialogKnoepfe.h"
#include "ZAMFarben.h"
#include "ZAMFormMitte.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int CSchrift = -16;
} // namespace

TMandDialog::TMandDialog(QWidget* AParent) : TZAMForm(AParent, QStringLiteral("MandDialog"))
{
    setWindowTitle(QStringLiteral("Mandant"));
    setModal(true);
    QFont f = font();
    ZAMSchriftHoeheSetzen(f, CSchrift);
    setFont(f);

    auto* layout = new QVBoxLayout(this);
    FlvMandanten = new TZAM_GPListe(QStringLiteral("lvMandanten"), QStringLiteral("Mandant"));
    layout->addWidget(FlvMandanten, 1);

    layout->addLayout(ZAMDialogKnoepfe(FbtnOK, FbtnAbbrechen));

    connect(FlvMandanten, &QTreeWidget::activated, this, [this](const QModelIndex& AIndex) {
        FlvMandanten->setCurrentIndex(AIndex);
        btnOKClick();
    });
    connect(FlvMandanten, &QTreeWidget::itemSelectionChanged, this,
            [this] { FbtnOK->setEnabled(FlvMandanten->HatAuswahl()); });
    connect(FbtnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(FbtnAbbrechen, &QPushButton::clicked, this,
            [this] { TZAM_Hausregel::Ausfuehren(FBusy, "TMandDialog.btnAbbrechenClick", [&] { done(mrCancel); }); });
    resize(400, 320);
}

TMandDialog::~TMandDialog() = default;

bool TMandDialog::MandantenLesen()
{
    return TZAM_Hausregel::Ausfuehren(FBusy, "TMandDialog.MandantenLesen", [&] {
        if (!FServer)
            FServer = Glob_WWSServerFactoryClass().Create<IZAM_MandListeServer>();
        FMandanten = FServer->Mandanten();
        FMandantenGelesen = true;
    });
}

bool TMandDialog::FesterMandant()
{
    if (!FMandantenGelesen)
        MandantenLesen();
    return FMandanten.size() == 1;
}

bool TMandDialog::Execute(QWidget* AOwner)
{
    if (!MandantenLesen())
        return false;
    if (FMandanten.size() == 1 && !FShowOneMand) {
        FMandant = FMandanten.first().GepNr;
        FMandantName = FMandanten.first().Name;
        return true;
    }
    FlvMandanten->Fuellen(FMandanten, FMandant);
    FbtnOK->setEnabled(FlvMandanten->HatAuswahl());
    ZAMFormMitte(this, AOwner);
    FlvMandanten->setFocus();
    return exec() == mrOk;
}

void TMandDialog::btnOKClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TMandDialog.btnOKClick", [&] {
        if (!FlvMandanten->Gewaehlt(FMandant))
            return;
        for (const TZAM_GPEintrag& e : FMandanten)
            if (e.GepNr == FMandant)
                FMandantName = e.Name;
        done(mrOk);
    });
}

void TMandDialog::reject()
{
    if (!FBusy)
        FbtnAbbrechen->click();
}
