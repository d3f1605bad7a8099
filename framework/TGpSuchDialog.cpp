#include "TGpSuchDialog.h"

#include "TZAM_GPListe.h"

#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_Info.h"
#include "TZAM_Hausregel.h"
#include "ZAMFarben.h"
#include "ZAMFormMitte.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int CSchrift = -16;
} // namespace

TGpSuchDialog::TGpSuchDialog(QWidget* AParent) : TZAMForm(AParent, QStringLiteral("GpSuchDialog"))
{
    setWindowTitle(QStringLiteral("Suche"));
    setModal(true);
    QFont f = font();
    ZAMSchriftHoeheSetzen(f, CSchrift);
    setFont(f);

    auto* layout = new QVBoxLayout(this);
    auto* zeile = new QHBoxLayout;
    FedtSuche = new QLineEdit;
    FedtSuche->setObjectName(QStringLiteral("edtSuche"));
    FedtSuche->setPlaceholderText(QStringLiteral("Name oder Nummer"));
    FedtSuche->setMinimumHeight(32);
    zeile->addWidget(FedtSuche, 1);
    FbtnSuchen = new QPushButton(QStringLiteral("Suchen"));
    FbtnSuchen->setObjectName(QStringLiteral("btnSuchen"));
    zeile->addWidget(FbtnSuchen);
    layout->addLayout(zeile);

    FlvErgebnis = new TZAM_GPListe(QStringLiteral("lvErgebnis"), QStringLiteral("Name"));
    layout->addWidget(FlvErgebnis, 1);
    FlblStatus = new QLabel;
    FlblStatus->setObjectName(QStringLiteral("lblStatus"));
    layout->addWidget(FlblStatus);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    FbtnOK = new QPushButton(QStringLiteral("OK"));
    FbtnOK->setObjectName(QStringLiteral("btnOK"));
    FbtnAbbrechen = new QPushButton(QStringLiteral("Abbrechen"));
    FbtnAbbrechen->setObjectName(QStringLiteral("btnAbbrechen"));
    for (QPushButton* b : {FbtnSuchen, FbtnOK, FbtnAbbrechen}) {
        // Enter belongs to the search field and the list, never to a default button.
        b->setAutoDefault(false);
        b->setMinimumHeight(40);
    }
    knoepfe->addWidget(FbtnOK);
    knoepfe->addWidget(FbtnAbbrechen);
    layout->addLayout(knoepfe);

    connect(FbtnSuchen, &QPushButton::clicked, this, [this] { btnSuchenClick(); });
    connect(FedtSuche, &QLineEdit::returnPressed, this, [this] { btnSuchenClick(); });
    // Enter or a double click takes the row it hits, selected or merely current.
    connect(FlvErgebnis, &QTreeWidget::activated, this, [this](const QModelIndex& AIndex) {
        FlvErgebnis->setCurrentIndex(AIndex);
        btnOKClick();
    });
    connect(FlvErgebnis, &QTreeWidget::itemSelectionChanged, this, [this] { KnoepfeSchalten(); });
    connect(FbtnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(FbtnAbbrechen, &QPushButton::clicked, this,
            [this] { TZAM_Hausregel::Ausfuehren(FBusy, "TGpSuchDialog.btnAbbrechenClick", [&] { done(mrCancel); }); });
    resize(480, 400);
}

TGpSuchDialog::~TGpSuchDialog() = default;

bool TGpSuchDialog::Execute(QWidget* AOwner, bool AAlleZeigen)
{
    const bool bereit = TZAM_Hausregel::Ausfuehren(FBusy, "TGpSuchDialog.Execute", [&] {
        if (!FServer)
            FServer = Glob_WWSServerFactoryClass().Create<IZAM_GPListenServer>();
        FedtSuche->clear();
        FlvErgebnis->clear();
        FlblStatus->clear();
        // A preset partner is found by its name and offered as the choice.
        const QString name = FGepNr.IsNull() ? QString() : FServer->Name(FGepNr);
        if (!name.isEmpty()) {
            FedtSuche->setText(name);
            Suchen(name, FGepNr);
        } else if (AAlleZeigen) {
            Suchen(QString(), TIntPair());
        }
        KnoepfeSchalten();
    });
    if (!bereit || !FServer)
        return false;
    ZAMFormMitte(this, AOwner);
    FedtSuche->setFocus();
    return exec() == mrOk;
}

void TGpSuchDialog::Suchen(const QString& AText, const TIntPair& AAuswahl)
{
    const QList<TZAM_GPEintrag> treffer = FServer->Suchen(AText, FGPArt);
    FlvErgebnis->Fuellen(treffer, AAuswahl);
    if (treffer.isEmpty())
        FlblStatus->setText(QStringLiteral("Keine Treffer"));
    else
        FlblStatus->setText(QStringLiteral("%1 Treffer").arg(treffer.size()));
    KnoepfeSchalten();
}

void TGpSuchDialog::btnSuchenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TGpSuchDialog.btnSuchenClick", [&] {
        Suchen(FedtSuche->text().trimmed(), TIntPair());
        // The first hit is chosen, so Enter or OK takes it at once.
        if (FlvErgebnis->topLevelItemCount() > 0) {
            FlvErgebnis->setCurrentItem(FlvErgebnis->topLevelItem(0));
            FlvErgebnis->setFocus();
        }
        KnoepfeSchalten();
    });
}

void TGpSuchDialog::btnOKClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TGpSuchDialog.btnOKClick", [&] {
        if (FlvErgebnis->Gewaehlt(FGepNr))
            done(mrOk);
    });
}

void TGpSuchDialog::KnoepfeSchalten()
{
    FbtnOK->setEnabled(FlvErgebnis->HatAuswahl());
}

void TGpSuchDialog::reject()
{
    if (!FBusy)
        FbtnAbbrechen->click();
}
