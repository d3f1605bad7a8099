#include "TVTVRListModel.h"

#include <QBrush>

#include <algorithm>

TVTVRListModel::TVTVRListModel(QObject* AParent) : QAbstractItemModel(AParent) {}

void TVTVRListModel::VRList_Set(const TVRList* AListe)
{
    FListe = AListe;
    Neuaufbau();
}

void TVTVRListModel::Neuaufbau()
{
    beginResetModel();
    FEltern.clear();
    FChecked.clear();
    if (FListe)
        ElternSammeln(*FListe);
    endResetModel();
}

void TVTVRListModel::ElternSammeln(const TVRList& AListe)
{
    for (int r = 0; r < AListe.GetRowCount(); ++r)
        if (const TVRList* kind = AListe.GetRowChild(r)) {
            FEltern.insert(kind, {&AListe, r});
            ElternSammeln(*kind);
        }
}

QModelIndex TVTVRListModel::Index_4_Knoten(const TVTVRKnoten& AKnoten, int ACol) const
{
    if (!AKnoten.IsValid())
        return {};
    const QModelIndex zeile = index(AKnoten.Row, AKnoten.ChildRow < 0 ? ACol : 0);
    if (AKnoten.ChildRow < 0)
        return zeile;
    return index(AKnoten.ChildRow, ACol, zeile);
}

// Uses the parent table only: the list behind an index may already be gone.
TVTVRKnoten TVTVRListModel::Knoten_4_Index(const QModelIndex& AIndex) const
{
    if (!AIndex.isValid() || AIndex.model() != this)
        return {};
    QList<int> pfad{AIndex.row()};
    auto liste = static_cast<const TVRList*>(AIndex.internalPointer());
    while (liste != FListe) {
        const auto e = FEltern.constFind(liste);
        if (e == FEltern.cend())
            return {};
        pfad.prepend(e->Zeile);
        liste = e->Liste;
    }
    return {pfad.at(0), pfad.size() > 1 ? pfad.at(1) : -1};
}

const TVRList* TVTVRListModel::Liste_4_Index(const QModelIndex& AIndex) const
{
    return AIndex.isValid() ? static_cast<const TVRList*>(AIndex.internalPointer()) : nullptr;
}

int TVTVRListModel::Ebene_4_Index(const QModelIndex& AIndex) const
{
    int ebene = 0;
    for (auto e = FEltern.constFind(Liste_4_Index(AIndex)); e != FEltern.cend(); e = FEltern.constFind(e->Liste))
        ++ebene;
    return ebene;
}

// No reset: the view keeps its focus and expansion.
void TVTVRListModel::CheckSupport_Set(bool AAn)
{
    FCheckSupport = AAn;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void TVTVRListModel::Hauptspalte_Set(int ACol)
{
    FHauptspalte = ACol;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void TVTVRListModel::Hintergrund_Set(TVTVRHintergrund AHintergrund)
{
    FHintergrund = std::move(AHintergrund);
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::BackgroundRole});
}

bool TVTVRListModel::Checked_Get(const QModelIndex& AIndex) const
{
    return Gueltig(AIndex) && FChecked.contains({Liste_4_Index(AIndex), AIndex.row()});
}

void TVTVRListModel::Checked_Set(const QModelIndex& AIndex, bool AChecked)
{
    if (!Gueltig(AIndex))
        return;
    const TZeilenSchluessel k{Liste_4_Index(AIndex), AIndex.row()};
    if (AChecked)
        FChecked.insert(k);
    else
        FChecked.remove(k);
    const QModelIndex i = index(AIndex.row(), FHauptspalte, AIndex.parent());
    Q_EMIT dataChanged(i, i, {Qt::CheckStateRole});
}

QList<TVTVRKnoten> TVTVRListModel::CheckedKnoten_Get() const
{
    QList<TVTVRKnoten> knoten;
    for (const TZeilenSchluessel& k : FChecked) {
        const TVTVRKnoten n = Knoten_4_Index(createIndex(k.second, 0, const_cast<TVRList*>(k.first)));
        if (n.IsValid())
            knoten << n;
    }
    std::sort(knoten.begin(), knoten.end());
    return knoten;
}

QModelIndex TVTVRListModel::index(int ARow, int ACol, const QModelIndex& AParent) const
{
    if (!hasIndex(ARow, ACol, AParent))
        return {};
    const TVRList* liste = AParent.isValid() ? Liste_4_Index(AParent)->GetRowChild(AParent.row()) : FListe;
    return createIndex(ARow, ACol, const_cast<TVRList*>(liste));
}

QModelIndex TVTVRListModel::parent(const QModelIndex& AIndex) const
{
    const auto e = FEltern.constFind(Liste_4_Index(AIndex));
    if (e == FEltern.cend())
        return {};
    return createIndex(e->Zeile, 0, const_cast<TVRList*>(e->Liste));
}

int TVTVRListModel::rowCount(const QModelIndex& AParent) const
{
    if (!FListe)
        return 0;
    if (!AParent.isValid())
        return FListe->GetRowCount();
    if (AParent.column() != 0 || !Gueltig(AParent))
        return 0;
    const TVRList* kind = Liste_4_Index(AParent)->GetRowChild(AParent.row());
    return kind ? kind->GetRowCount() : 0;
}

int TVTVRListModel::columnCount(const QModelIndex&) const { return FListe ? FListe->GetColumnCount() : 0; }

QVariant TVTVRListModel::data(const QModelIndex& AIndex, int ARole) const
{
    if (!Gueltig(AIndex) || AIndex.column() >= columnCount())
        return {};
    const TVRList& liste = *Liste_4_Index(AIndex);
    switch (ARole) {
    case Qt::DisplayRole: return liste.GetCellValueAsString(AIndex.row(), AIndex.column());
    case Qt::TextAlignmentRole: return int(FListe->GetColumn(AIndex.column()).Alignment);
    case Qt::BackgroundRole:
        if (FHintergrund) {
            const QColor c = FHintergrund(liste, AIndex.row(), Ebene_4_Index(AIndex));
            if (c.isValid())
                return QBrush(c);
        }
        return {};
    case Qt::CheckStateRole:
        if (FCheckSupport && AIndex.column() == FHauptspalte)
            return Checked_Get(AIndex) ? Qt::Checked : Qt::Unchecked;
        return {};
    default: return {};
    }
}

bool TVTVRListModel::setData(const QModelIndex& AIndex, const QVariant& AValue, int ARole)
{
    if (ARole != Qt::CheckStateRole || !FCheckSupport || !Gueltig(AIndex))
        return false;
    const bool an = AValue.toInt() == Qt::Checked;
    Checked_Set(AIndex, an);
    Q_EMIT CheckUmgeschaltet(AIndex, an);
    return true;
}

Qt::ItemFlags TVTVRListModel::flags(const QModelIndex& AIndex) const
{
    if (!AIndex.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (FCheckSupport && AIndex.column() == FHauptspalte)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant TVTVRListModel::headerData(int ASection, Qt::Orientation AOrientation, int ARole) const
{
    if (AOrientation != Qt::Horizontal || ARole != Qt::DisplayRole || ASection < 0 || ASection >= columnCount())
        return {};
    return FListe->GetColumn(ASection).Caption;
}

bool TVTVRListModel::Gueltig(const QModelIndex& AIndex) const
{
    const TVRList* liste = Liste_4_Index(AIndex);
    return liste && AIndex.model() == this && AIndex.row() < liste->GetRowCount();
}
