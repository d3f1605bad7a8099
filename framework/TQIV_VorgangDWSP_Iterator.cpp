#include "TQIV_VorgangDWSP_Iterator.h"

#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_DispoServer.h"
#include "ZAMFehler.h"
#include "ZAMInfoKoords.h"

#include <algorithm>
#include <map>

TQIV_VorgangDWSP_Iterator::TQIV_VorgangDWSP_Iterator() = default;
TQIV_VorgangDWSP_Iterator::~TQIV_VorgangDWSP_Iterator() = default;

IZAM_DispoServer& TQIV_VorgangDWSP_Iterator::Server()
{
    if (!FServer)
        FServer = Glob_WWSServerFactoryClass().Create<IZAM_DispoServer>();
    return *FServer;
}

bool TQIV_VorgangDWSP_Iterator::Positionieren(const TIntTrio& AVorgId)
{
    FGefunden = false;
    FVorgId = TIntTrio();
    FPrimaerDatum = QDate();
    FSekundaerDatum = QDate();
    FSortimentePos.clear();
    TZAM_DispoSatz satz;
    if (AVorgId.IsNull() || !Server().Lesen(AVorgId, satz))
        return false;
    Positionieren(satz);
    return true;
}

void TQIV_VorgangDWSP_Iterator::Positionieren(const TZAM_DispoSatz& ASatz)
{
    FGefunden = true;
    FVorgId = ASatz.Kopf.Vorgang;
    FPrimaerDatum = ASatz.Kopf.Datum2.date();
    FSekundaerDatum = ASatz.Kopf.Datum1.date();
    FSortimentePos = SortimentePos_Bilden(ASatz);
}

const TQIV_SortimentPos& TQIV_VorgangDWSP_Iterator::SortimentePos(int AIndex) const
{
    if (AIndex < 0 || AIndex >= FSortimentePos.size())
        FehlerRaise(QStringLiteral("TQIV_VorgangDWSP_Iterator.SortimentePos"),
                    CZAM_Info_Fehler_Standard_IllegalerParameter, QStringLiteral("Index %1").arg(AIndex));
    return FSortimentePos.at(AIndex);
}

QList<TQIV_SortimentPos> TQIV_VorgangDWSP_Iterator::SortimentePos_Bilden(const TZAM_DispoSatz& ASatz)
{
    QList<TQIV_SortimentPos> l;
    if (ASatz.Geschlossen)
        return l;
    using TPosition = std::pair<qint16, TZAM_PersArt_ExtVerweis>;
    std::map<TPosition, TZAM_Intv100_Sortiment_Me> positionen;
    for (const TZAM_DispoPosZeile& z : ASatz.Zeilen) {
        const TZAM_PersArt_ExtVerweis& v = z.Verweis;
        if (v.Kennung != CZAM_PersArtExt_KuBe || !v.Id.Defined() || v.Id == CMaxIntTrio ||
            !zam_Intv100_IstGroesse(z.Groesse))
            continue;
        auto [it, neu] = positionen.try_emplace(TPosition(z.ZielFiliale, v));
        if (neu)
            it->second.Init();
        it->second.Me[z.Groesse] += std::max(z.Geplant - z.Erhalten, 0);
    }
    for (auto& [pos, me] : positionen) {
        me.MinMax_Bestimmen();
        if (me.IsEmpty())
            continue;
        l.append({int(l.size()), pos.first, me, pos.second});
    }
    return l;
}
