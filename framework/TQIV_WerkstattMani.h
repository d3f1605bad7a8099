#pragma once

#include "TIntQuad.h"
#include "TQIV_IntTrioSortimentDictionary.h"

#include <QHash>
#include <QList>
#include <QString>
#include <memory>

class IZAM_WerkstattServer;

// The processing manager: the process combinations (workshop steps) of customer-order positions
// and the branch each position is processed in, read through IZAM_WerkstattServer. Only the
// combinations' names are kept (master data); quantities and branches are read at every call,
// unless a caller that asks for many positions in one go read their combinations beforehand.
class TQIV_WerkstattMani
{
public:
    TQIV_WerkstattMani();
    ~TQIV_WerkstattMani();

    // The process combinations of the position (reference id and number): combination key ->
    // pieces per size, of the size AGrIdx only or of every size (-1 or 100). ANurMitMenge leaves
    // out combinations without pieces (in that size). ADict is replaced. AAnzahl: how many
    // combinations came; AGesamt: their pieces together. True when at least one came.
    bool VerfahrenKombinationen_4_ArtPos(bool ANurMitMenge, TQIV_IntTrioSortimentDictionary& ADict,
                                         const TIntTrio& AVerweisId, int AVerweisNr, int AGrIdx, int& AAnzahl,
                                         int& AGesamt);
    // Reads the combinations of the positions (order id and number) at once; until
    // Vorrat_Verwerfen, VerfahrenKombinationen_4_ArtPos answers for them from what was read.
    void VerfahrenKombinationen_Vorlesen(const QList<TIntQuad>& APositionen);
    void Vorrat_Verwerfen();
    // The processing branch of the position; below 1 when it is not processed.
    int BearbeitungsFiliale_4_Beleg(const TIntTrio& AVerweisId, int AVerweisNr);
    // The pieces of the position in the size AGrIdx that carry a process combination: AMengeZielFil
    // when the position is processed in the target branch AZielFiliale, else AMengeAndere (the
    // other is 0).
    void BearbVorbereitungsMengeErmtitteln(const TIntTrio& AVerweisId, int AVerweisNr, int AGrIdx, int AZielFiliale,
                                           int& AMengeZielFil, int& AMengeAndere);
    // The combination's name; empty when unknown.
    QString VerfKombi_Bezeichnung_4_Id(const TIntTrio& AVerfKombiId);

private:
    IZAM_WerkstattServer& Server();
    std::unique_ptr<IZAM_WerkstattServer> FServer;
    QHash<TIntTrio, QString> FNamen;
    QHash<TIntQuad, TQIV_IntTrioSortimentDictionary> FVorrat;
};
