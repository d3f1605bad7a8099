// The data module's goods-receipt cache: what one WE-Plus receipt has scanned.
#include "TDM_Torvik.h"

#include "TZAM_Hausregel.h"

TZAM_PersArt_ExtVerweis TDM_Torvik::ExtVerw_4_WEPlus_umbiegen(const TZAM_PersArt_ExtVerweis& AExtVerw)
{
    if (AExtVerw.Defined())
        return AExtVerw;
    return TZAM_PersArt_ExtVerweis::Construct(CZAM_PersArtExt_KuBe, CMaxIntTrio, 9999);
}

void TDM_Torvik::Daten_2_DatenCache(const TInt32Trio& AProdukt_Id, int AGrIdx, const TIntTrio& ADispoId,
                                    qint16 ADispoAnFil, qint16 ADispoAuftrFil, const TZAM_PersArt_ExtVerweis& ADispoExtVerw,
                                    const QString& ALieferscheinNr, const TIntTrio& AVerfKombiId, int AMenge,
                                    const TIntTrio& ALagerort, const TIntTrio& AScanIdent,
                                    TQIV_WEPlus_DatenCache& ADatenCache)
{
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.Daten_2_DatenCache",
        [&] {
            const TQIV_WEPlus_DatenCache_Key key{AProdukt_Id, AGrIdx};
            TQIV_WEPlus_DatenCache_Value* aussen = ADatenCache.Find(key);
            if (!aussen)
                aussen = &ADatenCache.Add(key, std::make_unique<TQIV_WEPlus_DatenCache_Value>());
            const TQIV_WEPlus_DatenCache_Value_Key innenKey{ADispoId, ADispoAnFil};
            TQIV_WEPlus_DatenCache_Value_Value* innen = aussen->Find(innenKey);
            if (!innen) {
                auto neu = std::make_unique<TQIV_WEPlus_DatenCache_Value_Value>();
                neu->FAuftrFiliale = ADispoAuftrFil;
                innen = &aussen->Add(innenKey, std::move(neu));
            }
            innen->FValueValueList.append({AMenge, ALagerort, AScanIdent, ALieferscheinNr, ADispoExtVerw, AVerfKombiId});
        },
        false);
}

int TDM_Torvik::Menge_im_DatenCache(const TQIV_WEPlus_DatenCache& ADatenCache, const TInt32Trio& AProdukt_Id,
                                    int AGrIdx, qint16 AAnFilNr, const TIntTrio& ADispoId,
                                    const TZAM_PersArt_ExtVerweis& ADispoExtVerw, const TIntTrio& AVerfKombiId)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Menge_im_DatenCache", 0, [&] {
        const TQIV_WEPlus_DatenCache_Value* aussen = ADatenCache.Find({AProdukt_Id, AGrIdx});
        const TQIV_WEPlus_DatenCache_Value_Value* innen = aussen ? aussen->Find({ADispoId, AAnFilNr}) : nullptr;
        if (!innen)
            return 0;
        const TZAM_PersArt_ExtVerweis verweis = ExtVerw_4_WEPlus_umbiegen(ADispoExtVerw);
        int summe = 0;
        for (const TQIV_WEPlus_DatenCache_Value_Value_Rec& e : innen->FValueValueList)
            if (e.ExtVerweis == verweis && e.VerfKombi == AVerfKombiId)
                summe += e.Menge;
        return summe;
    });
}

int TDM_Torvik::Gesamtmenge_im_DatenCache(const TQIV_WEPlus_DatenCache& ADatenCache,
                                          const TZAM_PersArt_ExtVerweis& ADispoExtVerw)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Gesamtmenge_im_DatenCache", 0, [&] {
        const bool nurVerweis = !ADispoExtVerw.Id.IsNull();
        int summe = 0;
        for (int a = 0; a < ADatenCache.Count(); ++a) {
            const TQIV_WEPlus_DatenCache_Value& aussen = ADatenCache.Value(a);
            for (int i = 0; i < aussen.Count(); ++i)
                for (const TQIV_WEPlus_DatenCache_Value_Value_Rec& e : aussen.Value(i).FValueValueList)
                    if (!nurVerweis || e.ExtVerweis == ADispoExtVerw)
                        summe += e.Menge;
        }
        return summe;
    });
}

void TDM_Torvik::Delete_from_DatenCache(const TIntTrio& AScanIdent, TQIV_WEPlus_DatenCache& ADatenCache)
{
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.Delete_from_DatenCache",
        [&] {
            // Entries without scan record carry the empty identifier: it names none of them.
            if (AScanIdent.IsNull())
                return;
            for (int a = ADatenCache.Count() - 1; a >= 0; --a) {
                TQIV_WEPlus_DatenCache_Value& aussen = ADatenCache.Value(a);
                for (int i = aussen.Count() - 1; i >= 0; --i) {
                    auto& liste = aussen.Value(i).FValueValueList;
                    for (int e = liste.size() - 1; e >= 0; --e)
                        if (liste.at(e).ScanIdent == AScanIdent)
                            liste.removeAt(e);
                    if (liste.isEmpty())
                        aussen.Remove(aussen.Key(i));
                }
                if (aussen.IsEmpty())
                    ADatenCache.Remove(ADatenCache.Key(a));
            }
        },
        false);
}
