#include "Tfrmlpzuzaehlen.h"

#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_Info.h"
#include "TZAM_Hausregel.h"
#include "ZAMFarben.h"
#include "ZAMGlobal.h"
#include "ZAMUtils.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int CSchrift = -16;
constexpr int CRolleLagerort = Qt::UserRole;
const QString CDatumFormat = QStringLiteral("dd.MM.yyyy");
} // namespace

Tfrmlpzuzaehlen::Tfrmlpzuzaehlen(QWidget* AParent) : TZAMForm(AParent, QStringLiteral("frmlpzuzaehlen"))
{
    setWindowTitle(QStringLiteral("Zähldatum"));
    setModal(true);
    QFont f = font();
    ZAMSchriftHoeheSetzen(f, CSchrift);
    setFont(f);

    auto* layout = new QVBoxLayout(this);
    FlblLager = new QLabel;
    FlblLager->setObjectName(QStringLiteral("lblLager"));
    layout->addWidget(FlblLager);
    FlvPlaetze = new QTreeWidget;
    FlvPlaetze->setObjectName(QStringLiteral("lvPlaetze"));
    FlvPlaetze->setColumnCount(2);
    FlvPlaetze->setHeaderLabels({QStringLiteral("Lagerplatz"), QStringLiteral("Zähldatum")});
    FlvPlaetze->setRootIsDecorated(false);
    FlvPlaetze->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    layout->addWidget(FlvPlaetze, 1);

    auto* zeile = new QHBoxLayout;
    FdtpZaehldatum = new QDateEdit(zam_Date());
    FdtpZaehldatum->setObjectName(QStringLiteral("dtpZaehldatum"));
    FdtpZaehldatum->setDisplayFormat(CDatumFormat);
    FdtpZaehldatum->setCalendarPopup(true);
    FdtpZaehldatum->setMinimumHeight(40);
    zeile->addWidget(FdtpZaehldatum);
    FbtnZaehldatumSetzen = new QPushButton(QStringLiteral("Zähldatum setzen"));
    FbtnZaehldatumSetzen->setObjectName(QStringLiteral("btnZaehldatumSetzen"));
    FbtnSchliessen = new QPushButton(QStringLiteral("Schließen"));
    FbtnSchliessen->setObjectName(QStringLiteral("btnSchliessen"));
    for (QPushButton* b : {FbtnZaehldatumSetzen, FbtnSchliessen}) {
        b->setAutoDefault(false);
        b->setMinimumHeight(40);
    }
    zeile->addWidget(FbtnZaehldatumSetzen);
    zeile->addStretch();
    zeile->addWidget(FbtnSchliessen);
    layout->addLayout(zeile);

    connect(FbtnZaehldatumSetzen, &QPushButton::clicked, this, [this] { btnZaehldatumSetzenClick(); });
    connect(FbtnSchliessen, &QPushButton::clicked, this,
            [this] { TZAM_Hausregel::Ausfuehren(FBusy, "Tfrmlpzuzaehlen.btnSchliessenClick", [&] { done(mrOk); }); });
    resize(560, 480);
}

Tfrmlpzuzaehlen::~Tfrmlpzuzaehlen() = default;

void Tfrmlpzuzaehlen::showEvent(QShowEvent* AEvent)
{
    TZAMForm::showEvent(AEvent);
    if (AEvent->spontaneous())
        return;
    TZAM_Hausregel::Ausfuehren(FBusy, "Tfrmlpzuzaehlen.FormShow", [&] { Laden(); });
}

void Tfrmlpzuzaehlen::Laden()
{
    if (!FServer)
        FServer = Glob_WWSServerFactoryClass().Create<IZAM_LagerInventurServer>();
    FlblLager->setText(QStringLiteral("Lager %1").arg(FLager));
    const QList<TZAM_Zaehlplatz> plaetze = FServer->Zaehlplaetze(FLager);
    FlvPlaetze->clear();
    for (const TZAM_Zaehlplatz& p : plaetze) {
        const QString datum = p.Zaehldatum.isValid() ? p.Zaehldatum.toString(CDatumFormat) : QString();
        auto* item = new QTreeWidgetItem(FlvPlaetze, {p.Name, datum});
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Unchecked);
        item->setData(0, CRolleLagerort, QVariantList{p.LagerortId.Id1, p.LagerortId.Id2, p.LagerortId.Id3});
    }
}

void Tfrmlpzuzaehlen::btnZaehldatumSetzenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "Tfrmlpzuzaehlen.btnZaehldatumSetzenClick", [&] {
        QList<TIntTrio> orte;
        for (int i = 0; i < FlvPlaetze->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = FlvPlaetze->topLevelItem(i);
            if (item->checkState(0) != Qt::Checked)
                continue;
            const QVariantList k = item->data(0, CRolleLagerort).toList();
            orte.append(TIntTrio(k.value(0).toInt(), k.value(1).toInt(), k.value(2).toInt()));
        }
        if (orte.isEmpty()) {
            ZAMInfo().ZAMWarnungBox(QStringLiteral("Bitte wählen Sie mindestens einen Lagerplatz aus."));
            return;
        }
        FServer->ZaehldatumSetzen(orte, FdtpZaehldatum->date());
        Laden();
    });
}

void Tfrmlpzuzaehlen::reject()
{
    if (!FBusy)
        FbtnSchliessen->click();
}
