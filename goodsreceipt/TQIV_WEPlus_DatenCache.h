#pragma once

#include "TIntTrio.h"
#include "TInt32Trio.h"
#include "TZAM_PersArt_ExtVerweis.h"

#include <QHash>
#include <QList>
#include <QString>
#include <memory>
#include <vector>

// A map looked up by hashed keys and enumerated in insertion order, owning its values.
template <class K, class V>
class TQIV_EinfuegeMap
{
public:
    V* Find(const K& AKey) const
    {
        const auto it = FIndex.constFind(AKey);
        return it == FIndex.constEnd() ? nullptr : FEintraege[size_t(*it)].second.get();
    }
    V& Add(const K& AKey, std::unique_ptr<V> AValue)
    {
        FIndex.insert(AKey, int(FEintraege.size()));
        FEintraege.emplace_back(AKey, std::move(AValue));
        return *FEintraege.back().second;
    }
    void Remove(const K& AKey)
    {
        const auto it = FIndex.find(AKey);
        if (it == FIndex.end())
            return;
        const int pos = *it;
        FIndex.erase(it);
        FEintraege.erase(FEintraege.begin() + pos);
        for (auto& i : FIndex)
            if (i > pos)
                --i;
    }
    int Count() const { return int(FEintraege.size()); }
    bool IsEmpty() const { return FEintraege.empty(); }
    void Clear()
    {
        FIndex.clear();
        FEintraege.clear();
    }
    const K& Key(int AIndex) const { return FEintraege[size_t(AIndex)].first; }
    V& Value(int AIndex) const { return *FEintraege[size_t(AIndex)].second; }

private:
    QHash<K, int> FIndex;
    std::vector<std::pair<K, std::unique_ptr<V>>> FEintraege;
};

struct TQIV_WEPlus_DatenCache_Key
{
    TInt32Trio Produkt_Id;
    int GrInd0 = 0;

    bool operator==(const TQIV_WEPlus_DatenCache_Key&) const = default;
};
inline size_t qHash(const TQIV_WEPlus_DatenCache_Key& k, size_t seed = 0)
{
    return qHashMulti(seed, k.Produkt_Id.Id1, k.Produkt_Id.Id2, k.Produkt_Id.Id3, k.GrInd0);
}

// Disposition (empty for goods without disposition) and target branch.
struct TQIV_WEPlus_DatenCache_Value_Key
{
    TIntTrio VorgId;
    qint16 AnFiliale = -1;

    bool operator==(const TQIV_WEPlus_DatenCache_Value_Key&) const = default;
};
inline size_t qHash(const TQIV_WEPlus_DatenCache_Value_Key& k, size_t seed = 0)
{
    return qHashMulti(seed, k.VorgId.Id1, k.VorgId.Id2, k.VorgId.Id3, k.AnFiliale);
}

// One scanned line. ScanIdent is empty for entries without scan record.
struct TQIV_WEPlus_DatenCache_Value_Value_Rec
{
    int Menge = 0;
    TIntTrio Lagerort;
    TIntTrio ScanIdent;
    QString LieferscheinNr;
    TZAM_PersArt_ExtVerweis ExtVerweis;
    TIntTrio VerfKombi;

    bool operator==(const TQIV_WEPlus_DatenCache_Value_Value_Rec&) const = default;
};

struct TQIV_WEPlus_DatenCache_Value_Value
{
    qint16 FAuftrFiliale = -1; // fixed when the entry is created
    QList<TQIV_WEPlus_DatenCache_Value_Value_Rec> FValueValueList;
};

using TQIV_WEPlus_DatenCache_Value = TQIV_EinfuegeMap<TQIV_WEPlus_DatenCache_Value_Key, TQIV_WEPlus_DatenCache_Value_Value>;

// The goods-receipt data cache of one WE-Plus receipt: what was scanned per product and size, then
// per disposition and target branch, in scan order. No inner value has an empty list and no outer
// value is an empty map.
using TQIV_WEPlus_DatenCache = TQIV_EinfuegeMap<TQIV_WEPlus_DatenCache_Key, TQIV_WEPlus_DatenCache_Value>;
