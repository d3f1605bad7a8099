#pragma once

#include "TVRColumn.h"
#include "TVRItem.h"

#include <memory>
#include <vector>

enum TVRSortRichtung : int { srAufsteigend = 0, srAbsteigend = 1 };

struct TVRSortItem
{
    int Column = 0;
    TVRSortRichtung Direction = srAufsteigend;
};
using TVRSortList = std::vector<TVRSortItem>;

// An ordered table of rows over typed columns. Indices are zero-based; every row has exactly one
// cell per column, of the column's type or null. A row may own a child list with the same columns.
// A bad index or a cell of the wrong type raises EZAM_Exception (illegal parameter). Copies are
// deep: a copy owns its rows and child lists.
class TVRList
{
public:
    TVRList() = default;
    TVRList(const TVRList& A);
    TVRList& operator=(const TVRList& A);
    TVRList(TVRList&&) noexcept;
    TVRList& operator=(TVRList&&) noexcept;
    ~TVRList();

    // Existing rows get a null cell in the new column. Answers the column index.
    int ColumnAdd(const QString& ACaption, TVRValueType AType, int AWidth = 80, bool AVisible = true,
                  Qt::Alignment AAlignment = Qt::AlignLeft | Qt::AlignVCenter);
    int ColumnAdd(const TVRColumn& AColumn);
    const TVRColumn& GetColumn(int ACol) const;
    int GetColumnCount() const { return int(FColumns.size()); }
    // Rows cannot outlive their columns: clears the rows too.
    void ColumnsClear();
    void SetColumnCaption(int ACol, const QString& ACaption);
    void SetColumnVisible(int ACol, bool AVisible);
    void SetColumnWidth(int ACol, int AWidth);

    // One null cell per column, typed like the column, for the converters to fill.
    TVRArray VRArray_ForRowAdd_Generate() const;
    static void VRArray_ForRowAdd_Dispose(TVRArray& AArray) { AArray.clear(); }
    int RowAdd(const TVRArray& AArray);
    // The same without copying the cells (a loader filling many rows).
    int RowAdd(TVRArray&& AArray);
    void RowsReserve(int AAnzahl) { FRows.reserve(size_t(qMax(AAnzahl, 0))); }
    // AIndex from 0 to GetRowCount(); answers the new row's index.
    int RowInsert(int AIndex, const TVRArray& AArray);
    // Appends a copy of a row of a list with the same columns, its child list included.
    int RowAddFrom(const TVRList& ASource, int ARow);
    void RowDelete(int ARow);
    void RowsClear() { FRows.clear(); }
    int GetRowCount() const { return int(FRows.size()); }
    const TVRItem& GetCell(int ARow, int ACol) const;
    TVRArray GetRow(int ARow) const;

    int GetCellValueAsInteger(int ARow, int ACol) const { return GetCell(ARow, ACol).AlsInteger(); }
    QString GetCellValueAsString(int ARow, int ACol) const;
    TIntTrio GetCellValueAsIntTrio(int ARow, int ACol) const { return GetCell(ARow, ACol).AlsIntTrio(); }
    TInt32Trio GetCellValueAsInt32Trio(int ARow, int ACol) const { return GetCell(ARow, ACol).AlsInt32Trio(); }
    TIntPair GetCellValueAsIntPair(int ARow, int ACol) const { return GetCell(ARow, ACol).AlsIntPair(); }
    TIntQuad GetCellValueAsIntQuad(int ARow, int ACol) const { return GetCell(ARow, ACol).AlsIntQuad(); }
    QChar GetCellValueAsChar(int ARow, int ACol) const { return GetCell(ARow, ACol).AlsChar(); }
    QDate GetCellValueAsDate(int ARow, int ACol) const { return GetCell(ARow, ACol).AlsDate(); }
    QTime GetCellValueAsTime(int ARow, int ACol) const { return GetCell(ARow, ACol).AlsTime(); }
    QDateTime GetCellValueAsDateTime(int ARow, int ACol) const { return GetCell(ARow, ACol).AlsDateTime(); }
    double GetCellValueAsDouble(int ARow, int ACol) const { return GetCell(ARow, ACol).AlsDouble(); }
    bool GetCellValueAsBoolean(int ARow, int ACol) const { return GetCell(ARow, ACol).AlsBoolean(); }

    // AItem of the column's type, or an untyped null item.
    void SetCellValue(int ARow, int ACol, const TVRItem& AItem);
    void SetCellValueAsInteger(int ARow, int ACol, int AValue);
    // A char column takes the first character.
    void SetCellValueAsString(int ARow, int ACol, const QString& AValue);

    // nullptr when the row has no child list.
    const TVRList* GetRowChild(int ARow) const;
    TVRList* GetRowChild(int ARow);
    // The row's child list, created empty with this list's columns when missing.
    TVRList& RowChild_GoC(int ARow);
    // A deep copy of ASource (same column types) replaces the row's child list.
    TVRList& RowCloneChild(int ARow, const TVRList& ASource);
    void RowChildDelete(int ARow);

    // Stable; every level of child lists is sorted by the same items.
    void Sort(const TVRSortList& ASort);
    void SortByColumn(int ACol, TVRSortRichtung ADirection) { Sort({{ACol, ADirection}}); }

    // Negative, 0 or positive in the column's sort order (its Vergleich, else TVRItem::Vergleichen).
    int CompareCells(int ACol, const TVRItem& A, const TVRItem& B) const;
    bool SameColumns(const TVRList& A) const;

private:
    struct TRow
    {
        TVRArray Cells;
        std::unique_ptr<TVRList> Child;
    };

    TVRItem& Zelle(int ARow, int ACol, const char* AMethode);
    void RowCheck(int ARow, const char* AMethode) const;
    void ColumnCheck(int ACol, const char* AMethode) const;
    TVRArray CellsChecked(const TVRArray& AArray, const char* AMethode) const;
    // Types the untyped null cells in place; raises like CellsChecked.
    void CellsPruefen(TVRArray& AArray, const char* AMethode) const;

    std::vector<TVRColumn> FColumns;
    std::vector<TRow> FRows;
};
