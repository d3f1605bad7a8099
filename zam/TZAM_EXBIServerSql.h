#pragma once

#include "IZAM_EXBIServer.h"

class TZAM_Datenbank;

// The external orders (zam_exbi): one row per position of an order.
class TZAM_EXBIServerSql : public IZAM_EXBIServer
{
public:
    explicit TZAM_EXBIServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    bool Info_4_ExtVerweis(const TZAM_PersArt_ExtVerweis& AVerweis, TQIV_EXBI_Info& AInfo) override;
    QList<TZAM_PersArt_ExtVerweis> ExtVerweise_4_BestellNr(const QString& ABestellNr) override;

private:
    TZAM_Datenbank& FDb;
};
