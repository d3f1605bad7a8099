#pragma once

#include "TVRList.h"

#include <QAbstractItemModel>
#include <QColor>
#include <QHash>
#include <QSet>
#include <compare>
#include <functional>

// A node of a VR list display: a row of the bound list and, for a child row, its row in that row's
// child list (-1 for the row itself).
struct TVTVRKnoten
{
    int Row = -1;
    int ChildRow = -1;

    bool IsValid() const { return Row >= 0; }
    // Row order: a row before its child rows.
    auto operator<=>(const TVTVRKnoten&) const = default;
};

// Background of a row of AListe (the bound list at level 0, a child list below); an invalid colour
// keeps the view's own.
using TVTVRHintergrund = std::function<QColor(const TVRList& AListe, int AZeile, int AEbene)>;

// Presents a VR list as a tree: child lists are the children of their rows; every column of the list
// is a model column (the view hides the invisible ones). The list is not owned and has no change
// notification: after changing it call Neuaufbau (TVTVRList does so in Refresh and EndUpdate).
class TVTVRListModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    explicit TVTVRListModel(QObject* AParent = nullptr);

    void VRList_Set(const TVRList* AListe);
    const TVRList* VRList_Get() const { return FListe; }
    // Rebuilds the tree from the list; check marks are dropped.
    void Neuaufbau();

    // Nodes address two levels; deeper rows map to their ancestors of level 0 and 1.
    QModelIndex Index_4_Knoten(const TVTVRKnoten& AKnoten, int ACol = 0) const;
    TVTVRKnoten Knoten_4_Index(const QModelIndex& AIndex) const;
    // The list holding the index's row; nullptr for an invalid index.
    const TVRList* Liste_4_Index(const QModelIndex& AIndex) const;
    int Ebene_4_Index(const QModelIndex& AIndex) const;

    // The main column carries the check box.
    void CheckSupport_Set(bool AAn);
    bool CheckSupport_Get() const { return FCheckSupport; }
    void Hauptspalte_Set(int ACol);
    int Hauptspalte_Get() const { return FHauptspalte; }
    void Hintergrund_Set(TVTVRHintergrund AHintergrund);
    bool Checked_Get(const QModelIndex& AIndex) const;
    // From code: no CheckUmgeschaltet.
    void Checked_Set(const QModelIndex& AIndex, bool AChecked);
    // In row order.
    QList<TVTVRKnoten> CheckedKnoten_Get() const;

    QModelIndex index(int ARow, int ACol, const QModelIndex& AParent = {}) const override;
    QModelIndex parent(const QModelIndex& AIndex) const override;
    int rowCount(const QModelIndex& AParent = {}) const override;
    int columnCount(const QModelIndex& AParent = {}) const override;
    QVariant data(const QModelIndex& AIndex, int ARole = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& AIndex, const QVariant& AValue, int ARole = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& AIndex) const override;
    QVariant headerData(int ASection, Qt::Orientation AOrientation, int ARole = Qt::DisplayRole) const override;

Q_SIGNALS:
    // The user toggled a check box.
    void CheckUmgeschaltet(const QModelIndex& AIndex, bool AChecked);

private:
    struct TEltern
    {
        const TVRList* Liste = nullptr;
        int Zeile = -1;
    };
    using TZeilenSchluessel = QPair<const TVRList*, int>;

    void ElternSammeln(const TVRList& AListe);
    // The index's row still exists in its list.
    bool Gueltig(const QModelIndex& AIndex) const;

    const TVRList* FListe = nullptr;
    QHash<const TVRList*, TEltern> FEltern; // child list -> its row
    QSet<TZeilenSchluessel> FChecked;
    bool FCheckSupport = false;
    int FHauptspalte = 0;
    TVTVRHintergrund FHintergrund;
};
