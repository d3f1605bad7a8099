#pragma once

#include "IZAM_WerkstattServer.h"

class TZAM_Datenbank;

// Process combinations (zam_verfkombi: key and name) and their pieces per customer-order
// position and size (zam_verfkombi_pos, the position named by order id and number); the
// processing branch is the position's (zam_atpk.bearb_filiale).
class TZAM_WerkstattServerSql : public IZAM_WerkstattServer
{
public:
    explicit TZAM_WerkstattServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    QHash<TIntQuad, TQIV_IntTrioSortimentDictionary> VerfahrenKombinationen(
        const QList<TIntQuad>& APositionen) override;
    int BearbeitungsFiliale(const TIntTrio& AVerweisId, int AVerweisNr) override;
    bool VerfKombi_Bezeichnung(const TIntTrio& AVerfKombiId, QString& AName) override;

private:
    TZAM_Datenbank& FDb;
};
