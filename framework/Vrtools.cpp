#include "Vrtools.h"

#include <algorithm>
#include <numeric>

void Integer2VRItem(int AValue, TVRItem& AItem) { AItem.Setzen(vrtInteger, AValue); }
void String2VRItem(const QString& AValue, TVRItem& AItem) { AItem.Setzen(vrtString, AValue); }
void Char2VRItem(QChar AValue, TVRItem& AItem) { AItem.Setzen(vrtChar, AValue); }
void Boolean2VRItem(bool AValue, TVRItem& AItem) { AItem.Setzen(vrtBoolean, AValue); }
void Date2VRItem(const QDate& AValue, TVRItem& AItem) { AItem.Setzen(vrtDate, AValue); }
void Time2VRItem(const QTime& AValue, TVRItem& AItem) { AItem.Setzen(vrtTime, AValue); }
void DateTime2VRItem(const QDateTime& AValue, TVRItem& AItem) { AItem.Setzen(vrtDateTime, AValue); }
void Double2VRItem(double AValue, TVRItem& AItem) { AItem.Setzen(vrtDouble, AValue); }
void IntPair2VRItem(const TIntPair& AValue, TVRItem& AItem) { AItem.Setzen(vrtIntPair, AValue); }
void IntTrio2VRItem(const TIntTrio& AValue, TVRItem& AItem) { AItem.Setzen(vrtIntTrio, AValue); }
void IntQuad2VRItem(const TIntQuad& AValue, TVRItem& AItem) { AItem.Setzen(vrtIntQuad, AValue); }
void Int32Trio2VRItem(const TInt32Trio& AValue, TVRItem& AItem) { AItem.Setzen(vrtInt32Trio, AValue); }
void VRItem2Null(TVRItem& AItem) { AItem.SetNull(); }

std::unique_ptr<TVRList> CreateCopyVRList(const TVRList& ASource) { return std::make_unique<TVRList>(ASource); }

void CloneVRList(const TVRList& ASource, TVRList& ATarget) { ATarget = ASource; }

namespace {

const QString CGruppieren = QStringLiteral("Vrtools.CreateGroupedVRList");

using TZeilen = std::vector<int>;

void FunktionAnwenden(const TVRList& AQuelle, const TZeilen& AZeilen, TVRList& AZiel, int AZielZeile, int AEbene,
                      const TVRGroupFunktionEintrag& AEintrag)
{
    const int col = AEintrag.Column;
    const TVRValueType typ = AZiel.GetColumn(col).ValueType;
    TVRItem wert(typ);
    switch (AEintrag.Funktion) {
    case gfSumme:
        if (typ == vrtInteger)
            Integer2VRItem(std::accumulate(AZeilen.begin(), AZeilen.end(), 0,
                                           [&](int s, int z) { return s + AQuelle.GetCellValueAsInteger(z, col); }),
                           wert);
        else if (typ == vrtDouble)
            Double2VRItem(std::accumulate(AZeilen.begin(), AZeilen.end(), 0.0,
                                          [&](double s, int z) { return s + AQuelle.GetCellValueAsDouble(z, col); }),
                          wert);
        else
            VRIllegalerParameter(QStringLiteral("Summe über Spalte %1 vom Typ %2").arg(col).arg(VRValueTypeName(typ)),
                                 CGruppieren);
        break;
    case gfAnzahl: Integer2VRItem(int(AZeilen.size()), wert); break;
    case gfErsterWert: wert = AQuelle.GetCell(AZeilen.front(), col); break;
    case gfLetzterWert: wert = AQuelle.GetCell(AZeilen.back(), col); break;
    case gfMinimum:
    case gfMaximum:
        for (int z : AZeilen) {
            const TVRItem& zelle = AQuelle.GetCell(z, col);
            if (zelle.IsNull())
                continue;
            const int c = AQuelle.CompareCells(col, zelle, wert);
            if (wert.IsNull() || (AEintrag.Funktion == gfMinimum ? c < 0 : c > 0))
                wert = zelle;
        }
        break;
    case gfMethode:
        if (!AEintrag.Methode)
            VRIllegalerParameter(QStringLiteral("Gruppenmethode für Spalte %1 fehlt").arg(col), CGruppieren);
        for (int z : AZeilen)
            AEintrag.Methode(AQuelle, z, AZiel, AZielZeile, AEbene, col);
        return;
    default:
        VRIllegalerParameter(QStringLiteral("Gruppenfunktion %1 unbekannt").arg(int(AEintrag.Funktion)), CGruppieren);
    }
    AZiel.SetCellValue(AZielZeile, col, wert);
}

void Gruppieren(const TVRList& AQuelle, TZeilen AZeilen, const TVRGroupList& AGroups, int AEbene, TVRList& AZiel)
{
    const TVRGroup& g = AGroups.Group(AEbene);
    // Bad column numbers raise before anything is built.
    for (const TVRSortItem& s : g.Spalten)
        AQuelle.GetColumn(s.Column);
    for (const TVRGroupFunktionEintrag& f : g.Funktionen)
        AQuelle.GetColumn(f.Column);

    auto vergleich = [&](int A, int B) {
        for (const TVRSortItem& s : g.Spalten) {
            const int c = AQuelle.CompareCells(s.Column, AQuelle.GetCell(A, s.Column), AQuelle.GetCell(B, s.Column));
            if (c != 0)
                return s.Direction == srAbsteigend ? -c : c;
        }
        return 0;
    };
    std::stable_sort(AZeilen.begin(), AZeilen.end(), [&](int A, int B) { return vergleich(A, B) < 0; });

    for (auto anfang = AZeilen.begin(); anfang != AZeilen.end();) {
        const auto ende = std::find_if(anfang, AZeilen.end(), [&](int z) { return vergleich(*anfang, z) != 0; });
        const TZeilen gruppe(anfang, ende);
        const int zielZeile = AZiel.RowAdd(AZiel.VRArray_ForRowAdd_Generate());
        for (const TVRGroupFunktionEintrag& f : g.Funktionen)
            FunktionAnwenden(AQuelle, gruppe, AZiel, zielZeile, AEbene, f);
        TVRList& kind = AZiel.RowChild_GoC(zielZeile);
        if (AEbene + 1 < AGroups.Count())
            Gruppieren(AQuelle, gruppe, AGroups, AEbene + 1, kind);
        else
            for (int z : gruppe)
                kind.RowAddFrom(AQuelle, z);
        anfang = ende;
    }
}

} // namespace

std::unique_ptr<TVRList> CreateGroupedVRList(const TVRList& ASource, const TVRGroupList& AGroups, int AAbEbene)
{
    auto ziel = std::make_unique<TVRList>();
    for (int c = 0; c < ASource.GetColumnCount(); ++c)
        ziel->ColumnAdd(ASource.GetColumn(c));
    TZeilen zeilen(ASource.GetRowCount());
    std::iota(zeilen.begin(), zeilen.end(), 0);
    Gruppieren(ASource, std::move(zeilen), AGroups, AAbEbene, *ziel);
    return ziel;
}
