#include "TQIV_WerkstattMani.h"

#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_WerkstattServer.h"

TQIV_WerkstattMani::TQIV_WerkstattMani() = default;
TQIV_WerkstattMani::~TQIV_WerkstattMani() = default;

IZAM_WerkstattServer& TQIV_WerkstattMani::Server()
{
    if (!FServer)
        FServer = Glob_WWSServerFactoryClass().Create<IZAM_WerkstattServer>();
    return *FServer;
}

bool TQIV_WerkstattMani::VerfahrenKombinationen_4_ArtPos(bool ANurMitMenge, TQIV_IntTrioSortimentDictionary& ADict,
                                                         const TIntTrio& AVerweisId, int AVerweisNr, int AGrIdx,
                                                         int& AAnzahl, int& AGesamt)
{
    ADict.clear();
    AAnzahl = AGesamt = 0;
    if (AVerweisId.IsNull())
        return false;
    const bool alleGroessen = AGrIdx == -1 || AGrIdx == CZAM_Intv100_Anzahl;
    const TIntQuad position = QuadAusTrio(AVerweisId, AVerweisNr);
    const auto vorrat = FVorrat.constFind(position);
    const TQIV_IntTrioSortimentDictionary gelesen = vorrat != FVorrat.constEnd()
                                                        ? *vorrat
                                                        : Server().VerfahrenKombinationen({position}).value(position);
    for (const auto& [kombi, menge] : gelesen) {
        TZAM_Intv100_Sortiment_Me teil;
        if (alleGroessen)
            teil = menge;
        else if (zam_Intv100_IstGroesse(AGrIdx)) {
            teil.Me[AGrIdx] = menge.Me[AGrIdx];
            teil.MinMax_Bestimmen();
        }
        if (ANurMitMenge && teil.IsEmpty())
            continue;
        AGesamt += int(teil.Sum());
        ADict.emplace(kombi, teil);
    }
    AAnzahl = int(ADict.size());
    return AAnzahl > 0;
}

void TQIV_WerkstattMani::VerfahrenKombinationen_Vorlesen(const QList<TIntQuad>& APositionen)
{
    FVorrat = Server().VerfahrenKombinationen(APositionen);
    // A position without combinations is known as such, too.
    for (const TIntQuad& p : APositionen)
        if (!FVorrat.contains(p))
            FVorrat.insert(p, {});
}

void TQIV_WerkstattMani::Vorrat_Verwerfen()
{
    FVorrat.clear();
}

int TQIV_WerkstattMani::BearbeitungsFiliale_4_Beleg(const TIntTrio& AVerweisId, int AVerweisNr)
{
    if (AVerweisId.IsNull())
        return 0;
    return Server().BearbeitungsFiliale(AVerweisId, AVerweisNr);
}

void TQIV_WerkstattMani::BearbVorbereitungsMengeErmtitteln(const TIntTrio& AVerweisId, int AVerweisNr, int AGrIdx,
                                                           int AZielFiliale, int& AMengeZielFil, int& AMengeAndere)
{
    AMengeZielFil = AMengeAndere = 0;
    TQIV_IntTrioSortimentDictionary kombis;
    int anzahl = 0, stueck = 0;
    if (!VerfahrenKombinationen_4_ArtPos(true, kombis, AVerweisId, AVerweisNr, AGrIdx, anzahl, stueck))
        return;
    (BearbeitungsFiliale_4_Beleg(AVerweisId, AVerweisNr) == AZielFiliale ? AMengeZielFil : AMengeAndere) = stueck;
}

QString TQIV_WerkstattMani::VerfKombi_Bezeichnung_4_Id(const TIntTrio& AVerfKombiId)
{
    if (const auto it = FNamen.constFind(AVerfKombiId); it != FNamen.constEnd())
        return *it;
    QString name;
    // An unknown combination is asked again: it may be created meanwhile.
    if (AVerfKombiId.IsNull() || !Server().VerfKombi_Bezeichnung(AVerfKombiId, name))
        return {};
    FNamen.insert(AVerfKombiId, name);
    return name;
}
