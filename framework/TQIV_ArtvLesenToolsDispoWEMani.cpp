#include "TQIV_ArtvLesenToolsDispoWEMani.h"

#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_DispoServer.h"
#include "ZAMFehler.h"
#include "ZAMInfoKoords.h"

#include <QHash>

#include <algorithm>
#include <map>

namespace {

// The answer of the stored dispositions: one vector per position (target branch, order branch,
// reference), open per size = planned - received, never below 0.
bool Antwort(QList<TZAM_DispoSatz> ASaetze, bool ANurOffenePositionen, QList<TQIV_DispoWE_Info>& ADispos)
{
    std::stable_sort(ASaetze.begin(), ASaetze.end(),
                     [](const TZAM_DispoSatz& A, const TZAM_DispoSatz& B) { return A.Kopf.Vorgang < B.Kopf.Vorgang; });
    for (const TZAM_DispoSatz& s : ASaetze) {
        using TPosition = std::tuple<qint16, TZAM_PersArt_ExtVerweis, qint16>;
        std::map<TPosition, TZAM_Intv100_Sortiment_Me> positionen;
        for (const TZAM_DispoPosZeile& z : s.Zeilen) {
            auto [it, neu] = positionen.try_emplace(TPosition(z.ZielFiliale, z.Verweis, z.AuftrFiliale));
            if (neu)
                it->second.Init();
            if (zam_Intv100_IstGroesse(z.Groesse))
                it->second.Me[z.Groesse] += std::max(z.Geplant - z.Erhalten, 0);
        }
        TQIV_DispoWE_Info info = s.Kopf;
        info.VorgangTyp = CZAM_BewArt_Dispo;
        info.Filialen.clear();
        for (auto& [pos, me] : positionen) {
            me.MinMax_Bestimmen();
            if (ANurOffenePositionen && me.IsEmpty())
                continue;
            const auto& [ziel, verweis, auftrFiliale] = pos;
            info.Filialen.append({ziel, auftrFiliale, me, verweis});
        }
        if (!info.Filialen.isEmpty())
            ADispos.append(info);
    }
    return !ADispos.isEmpty();
}

} // namespace

TQIV_ArtvLesenToolsDispoWEMani::TQIV_ArtvLesenToolsDispoWEMani() = default;
TQIV_ArtvLesenToolsDispoWEMani::~TQIV_ArtvLesenToolsDispoWEMani() = default;

IZAM_DispoServer& TQIV_ArtvLesenToolsDispoWEMani::Server()
{
    if (!FServer)
        FServer = Glob_WWSServerFactoryClass().Create<IZAM_DispoServer>();
    return *FServer;
}

bool TQIV_ArtvLesenToolsDispoWEMani::OffeneDispos_4_AuftragsNr(const TIntPair& AAuftragsNr, int, qint16 AAuftrFiliale,
                                                               bool ANurOffenePositionen,
                                                               QList<TQIV_DispoWE_Info>& ADispos)
{
    ADispos.clear();
    // The dispositions without order are asked by their ids.
    return !AAuftragsNr.IsNull() &&
           OffeneDispos_4_Schluessel({AAuftragsNr}, {}, {AAuftrFiliale}, ANurOffenePositionen, {}, ADispos);
}

bool TQIV_ArtvLesenToolsDispoWEMani::OffeneDispos_4_VorgId(const TIntTrio& AVorgId, int, qint16 AAuftrFiliale,
                                                           bool ANurOffenePositionen, QList<TQIV_DispoWE_Info>& ADispos)
{
    ADispos.clear();
    return !AVorgId.IsNull() &&
           OffeneDispos_4_Schluessel({}, {AVorgId}, {AAuftrFiliale}, ANurOffenePositionen, {}, ADispos);
}

bool TQIV_ArtvLesenToolsDispoWEMani::OffeneDispos_4_Schluessel(const TIntPairList& AAuftragsNrN,
                                                               const TIntTrioList& AVorgIds,
                                                               const QList<int>& AAuftrFilialen,
                                                               bool ANurOffenePositionen, const TInt32Trio& AProduktId,
                                                               QList<TQIV_DispoWE_Info>& ADispos)
{
    const qsizetype vorher = ADispos.size();
    const QList<TZAM_DispoSatz> saetze =
        Server().Offene_4_Schluessel(AAuftragsNrN, AVorgIds, AAuftrFilialen, AProduktId);
    QHash<TIntPair, QList<const TZAM_DispoSatz*>> nachAuftrag;
    QHash<TIntTrio, const TZAM_DispoSatz*> nachVorgang;
    for (const TZAM_DispoSatz& s : saetze) {
        nachAuftrag[s.Kopf.AuftragsNr].append(&s);
        nachVorgang.insert(s.Kopf.Vorgang, &s);
    }
    // The records of one key as each order branch sees them: only the rows of its positions.
    const auto antworten = [&](const QList<const TZAM_DispoSatz*>& ASaetze) {
        for (int filiale : AAuftrFilialen) {
            QList<TZAM_DispoSatz> teil;
            for (const TZAM_DispoSatz* s : ASaetze) {
                TZAM_DispoSatz t{s->Kopf, {}, s->Geschlossen};
                for (const TZAM_DispoPosZeile& z : s->Zeilen)
                    if (z.AuftrFiliale == filiale)
                        t.Zeilen.append(z);
                if (!t.Zeilen.isEmpty())
                    teil.append(t);
            }
            Antwort(teil, ANurOffenePositionen, ADispos);
        }
    };
    for (const TIntPair& auftrag : AAuftragsNrN)
        if (!auftrag.IsNull())
            antworten(nachAuftrag.value(auftrag));
    for (const TIntTrio& vorgang : AVorgIds)
        if (const TZAM_DispoSatz* s = nachVorgang.value(vorgang))
            antworten({s});
    return ADispos.size() > vorher;
}

qint16 TQIV_ArtvLesenToolsDispoWEMani::AuftrFiliale_4_IdUndAnFil(const TIntTrio& AVorgId, qint16 AAnFiliale)
{
    return AVorgId.IsNull() ? qint16(-1) : Server().AuftrFiliale_4_IdUndAnFil(AVorgId, AAnFiliale);
}

void TQIV_ArtvLesenToolsDispoWEMani::Offene_4_Produkt(const TInt32Trio& AProduktId, int AGrIdx, qint16 AAuftrFiliale,
                                                      TIntPairList& AAuftragsNrN, TIntTrioList& AOhneAuftrag)
{
    AAuftragsNrN.clear();
    AOhneAuftrag.clear();
    const bool alle = AGrIdx == -1 || AGrIdx == CZAM_Intv100_Anzahl;
    if (!alle && !zam_Intv100_IstGroesse(AGrIdx))
        FehlerRaise(QStringLiteral("TQIV_ArtvLesenToolsDispoWEMani.Offene_4_Produkt"),
                    CZAM_Info_Fehler_Standard_IllegalerParameter, QStringLiteral("Größenindex %1").arg(AGrIdx));
    if (AProduktId.IsNull())
        return;
    const int von = alle ? 0 : AGrIdx;
    const int bis = alle ? CZAM_Intv100_Anzahl - 1 : AGrIdx;
    for (const TZAM_DispoSchluessel& k : Server().Offene_4_Produkt(AProduktId, von, bis, AAuftrFiliale)) {
        if (k.AuftragsNr.IsNull())
            AOhneAuftrag.append(k.Id);
        else
            AAuftragsNrN.append(k.AuftragsNr);
    }
    AAuftragsNrN.Sort();
    AAuftragsNrN.erase(std::unique(AAuftragsNrN.begin(), AAuftragsNrN.end()), AAuftragsNrN.end());
    AOhneAuftrag.Sort();
    AOhneAuftrag.erase(std::unique(AOhneAuftrag.begin(), AOhneAuftrag.end()), AOhneAuftrag.end());
}

TIntPair TQIV_ArtvLesenToolsDispoWEMani::AuftragsNr_4_EigeneAuftragsNr(const QString& AText)
{
    const QString nr = AText.trimmed();
    return nr.isEmpty() ? TIntPair() : Server().AuftragsNr_4_EigeneAuftragsNr(nr);
}
