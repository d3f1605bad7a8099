#include "TVRList.h"

#include "ZAMUtils.h"

#include <algorithm>

namespace {

QString Methode(const char* AName) { return QStringLiteral("TVRList.") + QLatin1String(AName); }

} // namespace

TVRList::TVRList(const TVRList& A) : FColumns(A.FColumns)
{
    FRows.reserve(A.FRows.size());
    for (const TRow& r : A.FRows)
        FRows.push_back({r.Cells, r.Child ? std::make_unique<TVRList>(*r.Child) : nullptr});
}

TVRList& TVRList::operator=(const TVRList& A)
{
    if (this != &A) {
        TVRList kopie(A);
        *this = std::move(kopie);
    }
    return *this;
}

TVRList::TVRList(TVRList&&) noexcept = default;
TVRList& TVRList::operator=(TVRList&&) noexcept = default;
TVRList::~TVRList() = default;

int TVRList::ColumnAdd(const QString& ACaption, TVRValueType AType, int AWidth, bool AVisible,
                       Qt::Alignment AAlignment)
{
    TVRColumn c;
    c.Caption = ACaption;
    c.ValueType = AType;
    c.Width = AWidth;
    c.Visible = AVisible;
    c.Alignment = AAlignment;
    return ColumnAdd(c);
}

int TVRList::ColumnAdd(const TVRColumn& AColumn)
{
    if (AColumn.ValueType == vrtUnbestimmt)
        VRIllegalerParameter(QStringLiteral("Spalte %1 ohne Typ").arg(AColumn.Caption), Methode("ColumnAdd"));
    FColumns.push_back(AColumn);
    for (TRow& r : FRows) {
        r.Cells.emplace_back(AColumn.ValueType);
        if (r.Child)
            r.Child->ColumnAdd(AColumn);
    }
    return GetColumnCount() - 1;
}

const TVRColumn& TVRList::GetColumn(int ACol) const
{
    ColumnCheck(ACol, "GetColumn");
    return FColumns[ACol];
}

void TVRList::ColumnsClear()
{
    FRows.clear();
    FColumns.clear();
}

void TVRList::SetColumnCaption(int ACol, const QString& ACaption)
{
    ColumnCheck(ACol, "SetColumnCaption");
    FColumns[ACol].Caption = ACaption;
}

void TVRList::SetColumnVisible(int ACol, bool AVisible)
{
    ColumnCheck(ACol, "SetColumnVisible");
    FColumns[ACol].Visible = AVisible;
}

void TVRList::SetColumnWidth(int ACol, int AWidth)
{
    ColumnCheck(ACol, "SetColumnWidth");
    FColumns[ACol].Width = AWidth;
}

TVRArray TVRList::VRArray_ForRowAdd_Generate() const
{
    TVRArray a;
    a.reserve(FColumns.size());
    for (const TVRColumn& c : FColumns)
        a.emplace_back(c.ValueType);
    return a;
}

int TVRList::RowAdd(const TVRArray& AArray) { return RowInsert(GetRowCount(), AArray); }

int TVRList::RowAdd(TVRArray&& AArray)
{
    CellsPruefen(AArray, "RowAdd");
    FRows.push_back(TRow{std::move(AArray), nullptr});
    return GetRowCount() - 1;
}

int TVRList::RowInsert(int AIndex, const TVRArray& AArray)
{
    if (AIndex < 0 || AIndex > GetRowCount())
        VRIllegalerParameter(QStringLiteral("Zeile %1 außerhalb 0..%2").arg(AIndex).arg(GetRowCount()),
                             Methode("RowInsert"));
    FRows.insert(FRows.begin() + AIndex, TRow{CellsChecked(AArray, "RowInsert"), nullptr});
    return AIndex;
}

int TVRList::RowAddFrom(const TVRList& ASource, int ARow)
{
    ASource.RowCheck(ARow, "RowAddFrom");
    if (!SameColumns(ASource))
        VRIllegalerParameter(QStringLiteral("Quellliste hat andere Spalten"), Methode("RowAddFrom"));
    const TRow& q = ASource.FRows[ARow];
    FRows.push_back({q.Cells, q.Child ? std::make_unique<TVRList>(*q.Child) : nullptr});
    return GetRowCount() - 1;
}

void TVRList::RowDelete(int ARow)
{
    RowCheck(ARow, "RowDelete");
    FRows.erase(FRows.begin() + ARow);
}

const TVRItem& TVRList::GetCell(int ARow, int ACol) const
{
    RowCheck(ARow, "GetCell");
    ColumnCheck(ACol, "GetCell");
    return FRows[ARow].Cells[ACol];
}

TVRItem& TVRList::Zelle(int ARow, int ACol, const char* AMethode)
{
    RowCheck(ARow, AMethode);
    ColumnCheck(ACol, AMethode);
    return FRows[ARow].Cells[ACol];
}

TVRArray TVRList::GetRow(int ARow) const
{
    RowCheck(ARow, "GetRow");
    return FRows[ARow].Cells;
}

QString TVRList::GetCellValueAsString(int ARow, int ACol) const
{
    const TVRItem& zelle = GetCell(ARow, ACol);
    if (FColumns[ACol].Anzeigeformat == QLatin1String("%n") && !zelle.IsNull() &&
        (zelle.ValueType() == vrtDouble || zelle.ValueType() == vrtInteger))
        return zam_ZahlText(zelle.ValueType() == vrtDouble ? zelle.AlsDouble() : zelle.AlsInteger(), 2);
    return zelle.AlsText(FColumns[ACol].Nachkommastellen);
}

void TVRList::SetCellValue(int ARow, int ACol, const TVRItem& AItem)
{
    TVRItem& zelle = Zelle(ARow, ACol, "SetCellValue");
    if (AItem.ValueType() == vrtUnbestimmt && AItem.IsNull()) {
        zelle.SetNull();
        return;
    }
    if (AItem.ValueType() != zelle.ValueType())
        VRIllegalerParameter(QStringLiteral("Spalte %1 vom Typ %2 erhält Typ %3")
                                 .arg(ACol)
                                 .arg(VRValueTypeName(zelle.ValueType()), VRValueTypeName(AItem.ValueType())),
                             Methode("SetCellValue"));
    zelle = AItem;
}

void TVRList::SetCellValueAsInteger(int ARow, int ACol, int AValue)
{
    Zelle(ARow, ACol, "SetCellValueAsInteger").Setzen(vrtInteger, AValue);
}

void TVRList::SetCellValueAsString(int ARow, int ACol, const QString& AValue)
{
    TVRItem& zelle = Zelle(ARow, ACol, "SetCellValueAsString");
    if (zelle.ValueType() == vrtChar)
        zelle.Setzen(vrtChar, AValue.isEmpty() ? QChar() : AValue.at(0));
    else
        zelle.Setzen(vrtString, AValue);
}

const TVRList* TVRList::GetRowChild(int ARow) const
{
    RowCheck(ARow, "GetRowChild");
    return FRows[ARow].Child.get();
}

TVRList* TVRList::GetRowChild(int ARow)
{
    RowCheck(ARow, "GetRowChild");
    return FRows[ARow].Child.get();
}

TVRList& TVRList::RowChild_GoC(int ARow)
{
    RowCheck(ARow, "RowChild_GoC");
    std::unique_ptr<TVRList>& kind = FRows[ARow].Child;
    if (!kind) {
        kind = std::make_unique<TVRList>();
        kind->FColumns = FColumns;
    }
    return *kind;
}

TVRList& TVRList::RowCloneChild(int ARow, const TVRList& ASource)
{
    RowCheck(ARow, "RowCloneChild");
    if (!SameColumns(ASource))
        VRIllegalerParameter(QStringLiteral("Kindliste hat andere Spalten"), Methode("RowCloneChild"));
    // Copy first: ASource may be the row's own child.
    auto kopie = std::make_unique<TVRList>(ASource);
    FRows[ARow].Child = std::move(kopie);
    return *FRows[ARow].Child;
}

void TVRList::RowChildDelete(int ARow)
{
    RowCheck(ARow, "RowChildDelete");
    FRows[ARow].Child.reset();
}

void TVRList::Sort(const TVRSortList& ASort)
{
    for (const TVRSortItem& s : ASort)
        ColumnCheck(s.Column, "Sort");
    std::stable_sort(FRows.begin(), FRows.end(), [&](const TRow& A, const TRow& B) {
        for (const TVRSortItem& s : ASort) {
            const int c = CompareCells(s.Column, A.Cells[s.Column], B.Cells[s.Column]);
            if (c != 0)
                return s.Direction == srAbsteigend ? c > 0 : c < 0;
        }
        return false;
    });
    for (TRow& r : FRows)
        if (r.Child)
            r.Child->Sort(ASort);
}

int TVRList::CompareCells(int ACol, const TVRItem& A, const TVRItem& B) const
{
    ColumnCheck(ACol, "CompareCells");
    const TVRVergleich& v = FColumns[ACol].Vergleich;
    return v ? v(A, B) : TVRItem::Vergleichen(A, B);
}

bool TVRList::SameColumns(const TVRList& A) const
{
    return std::equal(FColumns.begin(), FColumns.end(), A.FColumns.begin(), A.FColumns.end(),
                      [](const TVRColumn& a, const TVRColumn& b) { return a.ValueType == b.ValueType; });
}

void TVRList::RowCheck(int ARow, const char* AMethode) const
{
    if (ARow < 0 || ARow >= GetRowCount())
        VRIllegalerParameter(QStringLiteral("Zeile %1 außerhalb 0..%2").arg(ARow).arg(GetRowCount() - 1),
                             Methode(AMethode));
}

void TVRList::ColumnCheck(int ACol, const char* AMethode) const
{
    if (ACol < 0 || ACol >= GetColumnCount())
        VRIllegalerParameter(QStringLiteral("Spalte %1 außerhalb 0..%2").arg(ACol).arg(GetColumnCount() - 1),
                             Methode(AMethode));
}

void TVRList::CellsPruefen(TVRArray& AArray, const char* AMethode) const
{
    if (AArray.size() != FColumns.size())
        VRIllegalerParameter(QStringLiteral("%1 Zellen für %2 Spalten").arg(AArray.size()).arg(FColumns.size()),
                             Methode(AMethode));
    for (size_t i = 0; i < AArray.size(); ++i) {
        TVRItem& z = AArray[i];
        const TVRValueType typ = FColumns[i].ValueType;
        if (z.ValueType() == typ)
            continue;
        if (z.ValueType() == vrtUnbestimmt && z.IsNull())
            z = TVRItem(typ);
        else
            VRIllegalerParameter(QStringLiteral("Zelle %1 vom Typ %2 in Spalte vom Typ %3")
                                     .arg(i)
                                     .arg(VRValueTypeName(z.ValueType()), VRValueTypeName(typ)),
                                 Methode(AMethode));
    }
}

TVRArray TVRList::CellsChecked(const TVRArray& AArray, const char* AMethode) const
{
    if (AArray.size() != FColumns.size())
        VRIllegalerParameter(QStringLiteral("%1 Zellen für %2 Spalten").arg(AArray.size()).arg(FColumns.size()),
                             Methode(AMethode));
    TVRArray zellen;
    zellen.reserve(AArray.size());
    for (size_t i = 0; i < AArray.size(); ++i) {
        const TVRItem& z = AArray[i];
        const TVRValueType typ = FColumns[i].ValueType;
        if (z.ValueType() == typ)
            zellen.push_back(z);
        else if (z.ValueType() == vrtUnbestimmt && z.IsNull())
            zellen.emplace_back(typ);
        else
            VRIllegalerParameter(QStringLiteral("Zelle %1 vom Typ %2 in Spalte vom Typ %3")
                                     .arg(i)
                                     .arg(VRValueTypeName(z.ValueType()), VRValueTypeName(typ)),
                                 Methode(AMethode));
    }
    return zellen;
}
