#pragma once

#include "TVTVRListModel.h"

#include <QSet>
#include <QTreeView>

// Display options (bits of TVTVRListOptionen::Optionen).
inline constexpr int CVTVRList_MehrfachAuswahl = 1;
inline constexpr int CVTVRList_BaumKnoepfe = 2; // expand buttons in front of rows with children
inline constexpr int CVTVRList_KopfSichtbar = 4;
inline constexpr int CVTVRList_CheckSupport = 8; // a check box per node in the main column
inline constexpr int CVTVRList_Wechselfarben = 16;
inline constexpr int CVTVRList_ToggleOnDblClick = 128;
inline constexpr int CVTVRList_StandardOptionen = CVTVRList_BaumKnoepfe | CVTVRList_KopfSichtbar;

// What a screen sets on a list and gives back when it shows the list again. Sizes in pixels, font
// sizes in points; the defaults follow the size rule for font size 8.
struct TVTVRListOptionen
{
    int Optionen = CVTVRList_StandardOptionen;
    int Zeilenhoehe = 18;
    int Kopfhoehe = 17;
    int KopfSchriftgroesse = 8;
    int ListSchriftgroesse = 8;

    bool operator==(const TVTVRListOptionen&) const = default;
};

// List display bound to a VR list (not owned). Rows of child lists are tree children of their row.
// Nodes are (row, child row or -1); the typed getters read the node's row like TVRList does.
class TVTVRList : public QTreeView
{
    Q_OBJECT

public:
    explicit TVTVRList(QWidget* AParent = nullptr);

    // Binds at once, also inside an update. Bind another list (or nullptr) before the bound one is freed.
    void VRList_Set(TVRList* AListe);
    TVRList* VRList_Get() const { return FListe; }
    TVTVRListModel* Model_Get() const { return FModel; }
    // Shows the list's current content. Focus, selection, expansion, check marks, column widths and
    // scroll position stay on the same row and column numbers as far as these still exist.
    // Deferred to EndUpdate while an update is open.
    void Refresh();
    // Nested; the outermost EndUpdate refreshes once.
    void BeginUpdate();
    void EndUpdate();
    bool IsUpdating() const { return FUpdateZaehler > 0; }

    TVTVRListOptionen Optionen_Get() const { return FOptionen; }
    void Optionen_Set(const TVTVRListOptionen& AOptionen);
    bool OptionGesetzt(int AOption) const { return (FOptionen.Optionen & AOption) == AOption; }
    void OptionSetzen(int AOption, bool AAn = true);
    void Zeilenhoehe_Set(int AHoehe);
    void Kopfhoehe_Set(int AHoehe);
    void KopfSchriftgroesse_Set(int AGroesse);
    void ListSchriftgroesse_Set(int AGroesse);
    int HeaderOffset_Get() const;
    void HeaderOffset_Set(int AOffset);

    // The column with the tree lines and the check box.
    void Hauptspalte_Set(int ACol);
    int Hauptspalte_Get() const { return FModel->Hauptspalte_Get(); }
    // These columns come first, in this order; the others follow in list order.
    void SpaltenReihenfolge_Set(const QList<int>& ASpalten);
    void SpaltenbreitenAnpassen();
    // Hides or shows a row of the bound list; kept across refreshes until another list is bound.
    void ZeileSichtbar_Set(int ARow, bool ASichtbar);
    bool ZeileSichtbar(int ARow) const { return !FUnsichtbar.contains(ARow); }
    void Hintergrund_Set(TVTVRHintergrund AHintergrund) { FModel->Hintergrund_Set(std::move(AHintergrund)); }

    TVTVRKnoten GetFocusedNode() const { return FModel->Knoten_4_Index(currentIndex()); }
    int GetFocusedRow() const { return GetFocusedNode().Row; }
    int GetFocusedChildRow() const { return GetFocusedNode().ChildRow; }
    // Focuses and selects the node.
    void SetFocusedNode(const TVTVRKnoten& AKnoten);
    TVTVRKnoten GetFirstNode() const { return FModel->rowCount() > 0 ? TVTVRKnoten{0, -1} : TVTVRKnoten{}; }
    // In row order.
    QList<TVTVRKnoten> GetSelectedNodes() const;
    TVTVRKnoten GetFirstSelectedNode() const;
    void SelectNode(const TVTVRKnoten& AKnoten, bool ASelect = true);
    bool Checked_Get(const TVTVRKnoten& AKnoten) const;
    void Checked_Set(const TVTVRKnoten& AKnoten, bool AChecked);
    QList<TVTVRKnoten> GetCheckedNodes() const { return FModel->CheckedKnoten_Get(); }

    // The list holding the node's row, and that row in AZeile; raises for a node that does not exist.
    const TVRList& NodeList(const TVTVRKnoten& AKnoten, int& AZeile) const;
    int GetCellValueAsInteger(const TVTVRKnoten& AKnoten, int ACol) const;
    QString GetCellValueAsString(const TVTVRKnoten& AKnoten, int ACol) const;
    TIntTrio GetCellValueAsIntTrio(const TVTVRKnoten& AKnoten, int ACol) const;
    TInt32Trio GetCellValueAsInt32Trio(const TVTVRKnoten& AKnoten, int ACol) const;
    TIntPair GetCellValueAsIntPair(const TVTVRKnoten& AKnoten, int ACol) const;
    TIntQuad GetCellValueAsIntQuad(const TVTVRKnoten& AKnoten, int ACol) const;
    QChar GetCellValueAsChar(const TVTVRKnoten& AKnoten, int ACol) const;
    QDate GetCellValueAsDate(const TVTVRKnoten& AKnoten, int ACol) const;
    double GetCellValueAsDouble(const TVTVRKnoten& AKnoten, int ACol) const;
    bool GetCellValueAsBoolean(const TVTVRKnoten& AKnoten, int ACol) const;

Q_SIGNALS:
    // AChildRow -1 for a row of the bound list itself.
    void ColumnNodeClick(int ARow, int AChildRow, int ACol);
    void HeaderClick(int ACol);
    // Return or Enter: the focused node, else the first node; (-1, -1) for an empty list.
    void KeyEnter(int ARow, int AChildRow);
    // The user toggled a check box.
    void NodeChecked(int ARow, int AChildRow, bool AChecked);

protected:
    void keyPressEvent(QKeyEvent* AEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* AEvent) override;

private:
    struct TZustand
    {
        TVTVRKnoten Fokus;
        QList<TVTVRKnoten> Auswahl;
        QList<TVTVRKnoten> Checked;
        QList<int> Aufgeklappt;
        int ScrollX = 0;
        int ScrollY = 0;
    };

    TZustand ZustandMerken() const;
    void ZustandHerstellen(const TZustand& AZustand);
    void LayoutAnwenden();
    void ReihenfolgeAnwenden();

    TVTVRListModel* FModel;
    TVRList* FListe = nullptr;
    TVTVRListOptionen FOptionen;
    int FUpdateZaehler = 0;
    QList<int> FReihenfolge;
    QList<int> FListenBreiten; // column widths of the list when last applied
    QSet<int> FUnsichtbar;     // hidden rows of the bound list
};
