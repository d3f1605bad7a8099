#include "Tfrmlagerortauswahl.h"

#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_Info.h"
#include "TVRList.h"
#include "TZAM_Hausregel.h"
#include "ZAMDialogKnoepfe.h"
#include "ZAMFarben.h"
#include "ZAMGlobal.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int CSchrift = -16;
constexpr int CRolleLagerort = Qt::UserRole;

QString KennungText(TZAM_Lagerort_Kennung AKennung)
{
    switch (AKennung) {
    case CZAM_Lagerort_Behaelter:
        return QStringLiteral("Behälter");
    case CZAM_Lagerort_Halle:
        return QStringLiteral("Halle");
    default:
        return QStringLiteral("Lagerplatz");
    }
}

QVariant Schluessel(const TIntTrio& AId)
{
    return QVariantList{AId.Id1, AId.Id2, AId.Id3};
}

} // namespace

Tfrmlagerortauswahl::Tfrmlagerortauswahl(QWidget* AParent) : TZAMForm(AParent, QStringLiteral("frmlagerortauswahl"))
{
    setWindowTitle(QStringLiteral("Auswahl eines Lagerplatzes"));
    setModal(true);
    QFont f = font();
    ZAMSchriftHoeheSetzen(f, CSchrift);
    setFont(f);

    auto* layout = new QVBoxLayout(this);
    FlvLagerorte = new QTreeWidget;
    FlvLagerorte->setObjectName(QStringLiteral("lvLagerorte"));
    FlvLagerorte->setColumnCount(2);
    FlvLagerorte->setHeaderLabels({QStringLiteral("Lagerort"), QStringLiteral("Art")});
    FlvLagerorte->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    layout->addWidget(FlvLagerorte, 1);

    layout->addLayout(ZAMDialogKnoepfe(FbtnOK, FbtnAbbrechen));

    connect(FbtnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });
    connect(FlvLagerorte, &QTreeWidget::itemDoubleClicked, this, [this] { btnOKClick(); });
    connect(FbtnAbbrechen, &QPushButton::clicked, this, [this] {
        TZAM_Hausregel::Ausfuehren(FBusy, "Tfrmlagerortauswahl.btnAbbrechenClick", [&] { done(mrCancel); });
    });
    resize(560, 480);
}

Tfrmlagerortauswahl::~Tfrmlagerortauswahl() = default;

void Tfrmlagerortauswahl::showEvent(QShowEvent* AEvent)
{
    TZAMForm::showEvent(AEvent);
    if (AEvent->spontaneous())
        return;
    TZAM_Hausregel::Ausfuehren(FBusy, "Tfrmlagerortauswahl.FormShow", [&] { Laden(); });
}

void Tfrmlagerortauswahl::Laden()
{
    if (!FServer)
        FServer = Glob_WWSServerFactoryClass().Create<IZAM_LagerEditServer>();
    FlvLagerorte->clear();
    if (FLagerstruktur)
        LagerstrukturLaden();
    else
        VBSLaden();
    FlvLagerorte->expandAll();
}

void Tfrmlagerortauswahl::LagerstrukturLaden()
{
    // Every area the system names; the places of other values are ordinary storage as well.
    for (int b = CZAM_Bereich_Lager; b <= CZAM_Bereich_BearbStart; ++b) {
        const auto bereich = TZAM_Lager_Ausgezeichnete_Bereiche(b);
        QTreeWidgetItem* knoten = nullptr;
        for (const TZAM_Lagerort_Info& ort : FServer->Lagerorte_4_Bereich(FAktLager, bereich)) {
            if (ort.Kennung == CZAM_Lagerort_Behaelter && !FBehaelter)
                continue;
            if (!knoten) {
                knoten = new QTreeWidgetItem(FlvLagerorte, {CZAM_Lager_Ausgezeichnete_Bereiche_2_String(bereich)});
                knoten->setFlags(knoten->flags() & ~Qt::ItemIsSelectable);
            }
            auto* item = new QTreeWidgetItem(knoten, {ort.AnzeigeName(), KennungText(ort.Kennung)});
            item->setData(0, CRolleLagerort, Schluessel(ort.LagerortId));
        }
    }
}

void Tfrmlagerortauswahl::VBSLaden()
{
    if (FVBSFiliale >= 0)
        FServer->VBSListe_Laden(FAktLager, FVBSFiliale, -1);
    else
        FServer->VBSListe_Laden(FAktLager, -1, FAktLager);
    const TVRList& liste = FServer->VBSListe();
    for (int i = 0; i < liste.GetRowCount(); ++i) {
        const TIntTrio id =
            TIntTrio::FromTextDef(liste.GetCellValueAsString(i, FServer->VBSListe_SpalteId()), TIntTrio());
        if (!id.Defined())
            continue;
        auto* item = new QTreeWidgetItem(FlvLagerorte, {liste.GetCellValueAsString(i, FServer->VBSListe_SpalteName()),
                                                        QStringLiteral("Versandbereitstellung")});
        item->setData(0, CRolleLagerort, Schluessel(id));
    }
}

void Tfrmlagerortauswahl::btnOKClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "Tfrmlagerortauswahl.btnOKClick", [&] {
        const QTreeWidgetItem* item = FlvLagerorte->currentItem();
        const QVariantList k = item ? item->data(0, CRolleLagerort).toList() : QVariantList();
        if (k.size() != 3) {
            ZAMInfo().ZAMWarnungBox(QStringLiteral("Bitte wählen Sie einen Lagerort aus."));
            return;
        }
        // Read again: the chosen place answers as it is now (its lock, its area).
        const TIntTrio id(k.value(0).toInt(), k.value(1).toInt(), k.value(2).toInt());
        TZAM_Lagerort_Info info;
        if (!FServer->LagerortInfo_Lesen(id, info, TQIV_Lagerort_Info_Optionen::Defaults())) {
            ZAMInfo().ZAMWarnungBox(QStringLiteral("Der Lagerort ist nicht mehr vorhanden."));
            Laden();
            return;
        }
        FAuswahl = info;
        done(mrOk);
    });
}

void Tfrmlagerortauswahl::reject()
{
    if (!FBusy)
        FbtnAbbrechen->click();
}
