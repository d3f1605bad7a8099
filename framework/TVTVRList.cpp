#include "TVTVRList.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// Row height of the owning list; the width stays the content's so columns can fit to content.
class TZeilenhoeheDelegate : public QStyledItemDelegate
{
public:
    explicit TZeilenhoeheDelegate(TVTVRList* AListe) : QStyledItemDelegate(AListe), FListe(AListe) {}

    QSize sizeHint(const QStyleOptionViewItem& AOption, const QModelIndex& AIndex) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(AOption, AIndex);
        if (FListe->Optionen_Get().Zeilenhoehe > 0)
            s.setHeight(FListe->Optionen_Get().Zeilenhoehe);
        return s;
    }

private:
    const TVTVRList* FListe;
};

template <class T>
T KnotenWert(const TVTVRList& AListe, const TVTVRKnoten& AKnoten, int ACol, T (TVRList::*AGetter)(int, int) const)
{
    int zeile = -1;
    const TVRList& l = AListe.NodeList(AKnoten, zeile);
    return (l.*AGetter)(zeile, ACol);
}

} // namespace

TVTVRList::TVTVRList(QWidget* AParent) : QTreeView(AParent), FModel(new TVTVRListModel(this))
{
    setModel(FModel);
    setItemDelegate(new TZeilenhoeheDelegate(this));
    setUniformRowHeights(true);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setHorizontalScrollMode(ScrollPerPixel);
    // Option 128 toggles on any column; the tree view itself would only on rows with children in the
    // clicked column, which are the first column's.
    setExpandsOnDoubleClick(false);
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& AIndex) {
        const TVTVRKnoten k = FModel->Knoten_4_Index(AIndex);
        if (k.IsValid())
            Q_EMIT ColumnNodeClick(k.Row, k.ChildRow, AIndex.column());
    });
    connect(header(), &QHeaderView::sectionClicked, this, &TVTVRList::HeaderClick);
    connect(FModel, &TVTVRListModel::CheckUmgeschaltet, this, [this](const QModelIndex& AIndex, bool AChecked) {
        const TVTVRKnoten k = FModel->Knoten_4_Index(AIndex);
        Q_EMIT NodeChecked(k.Row, k.ChildRow, AChecked);
    });
    Optionen_Set(FOptionen);
}

void TVTVRList::VRList_Set(TVRList* AListe)
{
    // A column order belongs to the list it was set for.
    if (AListe != FListe)
        FReihenfolge.clear();
    FListe = AListe;
    FListenBreiten.clear();
    FUnsichtbar.clear();
    FModel->VRList_Set(AListe);
    LayoutAnwenden();
}

void TVTVRList::Refresh()
{
    if (IsUpdating())
        return;
    const TZustand z = ZustandMerken();
    FModel->Neuaufbau();
    LayoutAnwenden();
    for (int r : std::as_const(FUnsichtbar))
        if (r < FModel->rowCount())
            setRowHidden(r, QModelIndex(), true);
    ZustandHerstellen(z);
}

void TVTVRList::ZeileSichtbar_Set(int ARow, bool ASichtbar)
{
    if (ASichtbar)
        FUnsichtbar.remove(ARow);
    else
        FUnsichtbar.insert(ARow);
    if (ARow < FModel->rowCount())
        setRowHidden(ARow, QModelIndex(), !ASichtbar);
}

void TVTVRList::BeginUpdate()
{
    if (FUpdateZaehler++ == 0)
        setUpdatesEnabled(false);
}

void TVTVRList::EndUpdate()
{
    if (FUpdateZaehler == 0)
        return;
    if (--FUpdateZaehler > 0)
        return;
    setUpdatesEnabled(true);
    Refresh();
}

void TVTVRList::Optionen_Set(const TVTVRListOptionen& AOptionen)
{
    FOptionen = AOptionen;
    const int o = AOptionen.Optionen;
    setSelectionMode((o & CVTVRList_MehrfachAuswahl) ? ExtendedSelection : SingleSelection);
    setRootIsDecorated(o & CVTVRList_BaumKnoepfe);
    setHeaderHidden(!(o & CVTVRList_KopfSichtbar));
    FModel->CheckSupport_Set(o & CVTVRList_CheckSupport);
    setAlternatingRowColors(o & CVTVRList_Wechselfarben);
    Zeilenhoehe_Set(AOptionen.Zeilenhoehe);
    Kopfhoehe_Set(AOptionen.Kopfhoehe);
    KopfSchriftgroesse_Set(AOptionen.KopfSchriftgroesse);
    ListSchriftgroesse_Set(AOptionen.ListSchriftgroesse);
}

void TVTVRList::OptionSetzen(int AOption, bool AAn)
{
    TVTVRListOptionen o = FOptionen;
    o.Optionen = AAn ? (o.Optionen | AOption) : (o.Optionen & ~AOption);
    Optionen_Set(o);
}

void TVTVRList::Zeilenhoehe_Set(int AHoehe)
{
    FOptionen.Zeilenhoehe = AHoehe;
    scheduleDelayedItemsLayout();
}

void TVTVRList::Kopfhoehe_Set(int AHoehe)
{
    FOptionen.Kopfhoehe = AHoehe;
    // The tree view sizes its header within the header's minimum and maximum height.
    if (AHoehe > 0)
        header()->setFixedHeight(AHoehe);
    else {
        header()->setMinimumHeight(0);
        header()->setMaximumHeight(QWIDGETSIZE_MAX);
    }
    updateGeometries();
}

void TVTVRList::KopfSchriftgroesse_Set(int AGroesse)
{
    FOptionen.KopfSchriftgroesse = AGroesse;
    // Set explicitly so the list font does not spread into the header.
    QFont f = header()->font();
    if (AGroesse > 0)
        f.setPointSize(AGroesse);
    header()->setFont(f);
}

void TVTVRList::ListSchriftgroesse_Set(int AGroesse)
{
    FOptionen.ListSchriftgroesse = AGroesse;
    if (AGroesse <= 0)
        return;
    QFont f = font();
    f.setPointSize(AGroesse);
    setFont(f);
}

int TVTVRList::HeaderOffset_Get() const { return header()->offset(); }

void TVTVRList::HeaderOffset_Set(int AOffset)
{
    // The scroll range may not be known yet before the first paint.
    updateGeometries();
    horizontalScrollBar()->setValue(AOffset);
}

void TVTVRList::Hauptspalte_Set(int ACol)
{
    FModel->Hauptspalte_Set(ACol);
    setTreePosition(ACol);
}

void TVTVRList::SpaltenReihenfolge_Set(const QList<int>& ASpalten)
{
    FReihenfolge = ASpalten;
    ReihenfolgeAnwenden();
}

void TVTVRList::SpaltenbreitenAnpassen()
{
    for (int c = 0; c < FModel->columnCount(); ++c)
        if (!isColumnHidden(c))
            resizeColumnToContents(c);
}

void TVTVRList::SetFocusedNode(const TVTVRKnoten& AKnoten)
{
    const QModelIndex i = FModel->Index_4_Knoten(AKnoten);
    if (i.isValid())
        setCurrentIndex(i);
}

QList<TVTVRKnoten> TVTVRList::GetSelectedNodes() const
{
    QList<TVTVRKnoten> knoten;
    for (const QModelIndex& i : selectionModel()->selectedIndexes()) {
        const TVTVRKnoten k = FModel->Knoten_4_Index(i);
        if (k.IsValid() && !knoten.contains(k))
            knoten << k;
    }
    std::sort(knoten.begin(), knoten.end());
    return knoten;
}

TVTVRKnoten TVTVRList::GetFirstSelectedNode() const
{
    const QList<TVTVRKnoten> k = GetSelectedNodes();
    return k.isEmpty() ? TVTVRKnoten{} : k.first();
}

void TVTVRList::SelectNode(const TVTVRKnoten& AKnoten, bool ASelect)
{
    const QModelIndex i = FModel->Index_4_Knoten(AKnoten);
    if (i.isValid())
        selectionModel()->select(i, (ASelect ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                                        QItemSelectionModel::Rows);
}

bool TVTVRList::Checked_Get(const TVTVRKnoten& AKnoten) const
{
    return FModel->Checked_Get(FModel->Index_4_Knoten(AKnoten));
}

void TVTVRList::Checked_Set(const TVTVRKnoten& AKnoten, bool AChecked)
{
    FModel->Checked_Set(FModel->Index_4_Knoten(AKnoten), AChecked);
}

const TVRList& TVTVRList::NodeList(const TVTVRKnoten& AKnoten, int& AZeile) const
{
    const QString methode = QStringLiteral("TVTVRList.NodeList");
    if (!FListe)
        VRIllegalerParameter(QStringLiteral("Keine Liste gebunden"), methode);
    if (!AKnoten.IsValid())
        VRIllegalerParameter(QStringLiteral("Kein Knoten"), methode);
    // GetRowChild checks the row index.
    const TVRList* kind = FListe->GetRowChild(AKnoten.Row);
    if (AKnoten.ChildRow < 0) {
        AZeile = AKnoten.Row;
        return *FListe;
    }
    if (!kind)
        VRIllegalerParameter(QStringLiteral("Zeile %1 hat keine Kindliste").arg(AKnoten.Row), methode);
    kind->GetRowChild(AKnoten.ChildRow);
    AZeile = AKnoten.ChildRow;
    return *kind;
}

int TVTVRList::GetCellValueAsInteger(const TVTVRKnoten& AKnoten, int ACol) const
{
    return KnotenWert(*this, AKnoten, ACol, &TVRList::GetCellValueAsInteger);
}

QString TVTVRList::GetCellValueAsString(const TVTVRKnoten& AKnoten, int ACol) const
{
    return KnotenWert(*this, AKnoten, ACol, &TVRList::GetCellValueAsString);
}

TIntTrio TVTVRList::GetCellValueAsIntTrio(const TVTVRKnoten& AKnoten, int ACol) const
{
    return KnotenWert(*this, AKnoten, ACol, &TVRList::GetCellValueAsIntTrio);
}

TInt32Trio TVTVRList::GetCellValueAsInt32Trio(const TVTVRKnoten& AKnoten, int ACol) const
{
    return KnotenWert(*this, AKnoten, ACol, &TVRList::GetCellValueAsInt32Trio);
}

TIntPair TVTVRList::GetCellValueAsIntPair(const TVTVRKnoten& AKnoten, int ACol) const
{
    return KnotenWert(*this, AKnoten, ACol, &TVRList::GetCellValueAsIntPair);
}

TIntQuad TVTVRList::GetCellValueAsIntQuad(const TVTVRKnoten& AKnoten, int ACol) const
{
    return KnotenWert(*this, AKnoten, ACol, &TVRList::GetCellValueAsIntQuad);
}

QChar TVTVRList::GetCellValueAsChar(const TVTVRKnoten& AKnoten, int ACol) const
{
    return KnotenWert(*this, AKnoten, ACol, &TVRList::GetCellValueAsChar);
}

QDate TVTVRList::GetCellValueAsDate(const TVTVRKnoten& AKnoten, int ACol) const
{
    return KnotenWert(*this, AKnoten, ACol, &TVRList::GetCellValueAsDate);
}

double TVTVRList::GetCellValueAsDouble(const TVTVRKnoten& AKnoten, int ACol) const
{
    return KnotenWert(*this, AKnoten, ACol, &TVRList::GetCellValueAsDouble);
}

bool TVTVRList::GetCellValueAsBoolean(const TVTVRKnoten& AKnoten, int ACol) const
{
    return KnotenWert(*this, AKnoten, ACol, &TVRList::GetCellValueAsBoolean);
}

void TVTVRList::keyPressEvent(QKeyEvent* AEvent)
{
    if (AEvent->key() != Qt::Key_Return && AEvent->key() != Qt::Key_Enter) {
        QTreeView::keyPressEvent(AEvent);
        return;
    }
    TVTVRKnoten k = GetFocusedNode();
    if (!k.IsValid())
        k = GetFirstNode();
    AEvent->accept();
    Q_EMIT KeyEnter(k.Row, k.ChildRow);
}

void TVTVRList::mouseDoubleClickEvent(QMouseEvent* AEvent)
{
    QTreeView::mouseDoubleClickEvent(AEvent);
    if (!OptionGesetzt(CVTVRList_ToggleOnDblClick))
        return;
    const QModelIndex zeile = indexAt(AEvent->position().toPoint()).siblingAtColumn(0);
    if (zeile.isValid() && FModel->hasChildren(zeile))
        setExpanded(zeile, !isExpanded(zeile));
}

// Reads row numbers through the parent table only: the rows may have changed since the last refresh.
TVTVRList::TZustand TVTVRList::ZustandMerken() const
{
    TZustand z;
    z.Fokus = GetFocusedNode();
    z.Auswahl = GetSelectedNodes();
    z.Checked = GetCheckedNodes();
    for (int r = 0; r < FModel->rowCount(); ++r)
        if (isExpanded(FModel->index(r, 0)))
            z.Aufgeklappt << r;
    z.ScrollX = horizontalScrollBar()->value();
    z.ScrollY = verticalScrollBar()->value();
    return z;
}

void TVTVRList::ZustandHerstellen(const TZustand& AZustand)
{
    for (int r : AZustand.Aufgeklappt)
        if (r < FModel->rowCount())
            expand(FModel->index(r, 0));
    for (const TVTVRKnoten& k : AZustand.Checked)
        Checked_Set(k, true);
    const QModelIndex fokus = FModel->Index_4_Knoten(AZustand.Fokus);
    if (fokus.isValid())
        selectionModel()->setCurrentIndex(fokus, QItemSelectionModel::NoUpdate);
    for (const TVTVRKnoten& k : AZustand.Auswahl)
        SelectNode(k);
    executeDelayedItemsLayout();
    updateGeometries();
    horizontalScrollBar()->setValue(AZustand.ScrollX);
    verticalScrollBar()->setValue(AZustand.ScrollY);
}

// The header keeps widths, hidden sections and order across a model reset. Visibility follows the
// list; a width only when the list's width setting changed, so widths fitted to the content stay.
void TVTVRList::LayoutAnwenden()
{
    if (!FListe)
        return;
    QList<int> listenBreiten;
    for (int c = 0; c < FListe->GetColumnCount(); ++c) {
        const TVRColumn& spalte = FListe->GetColumn(c);
        setColumnHidden(c, !spalte.Visible);
        if (c >= FListenBreiten.size() || FListenBreiten[c] != spalte.Width)
            setColumnWidth(c, spalte.Width);
        listenBreiten << spalte.Width;
    }
    FListenBreiten = listenBreiten;
    ReihenfolgeAnwenden();
}

void TVTVRList::ReihenfolgeAnwenden()
{
    for (int c = 0; c < header()->count(); ++c)
        header()->moveSection(header()->visualIndex(c), c);
    int ziel = 0;
    for (int c : FReihenfolge)
        if (c >= 0 && c < header()->count())
            header()->moveSection(header()->visualIndex(c), ziel++);
}
