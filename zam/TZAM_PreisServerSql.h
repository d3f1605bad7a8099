#pragma once

#include "IZAM_PreisServer.h"

class TZAM_Datenbank;

// Selling prices (zam_vkpreis): the row with the latest start day on or before the day asked.
class TZAM_PreisServerSql : public IZAM_PreisServer
{
public:
    explicit TZAM_PreisServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    qint64 VKPreisCent(const TInt32Trio& AProdukt, int AFiliale, int AGrInd, const QDate& ADatum) override;

private:
    TZAM_Datenbank& FDb;
};
