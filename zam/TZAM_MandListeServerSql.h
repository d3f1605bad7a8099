#pragma once

#include "IZAM_MandListeServer.h"

class TZAM_Datenbank;

// The clients: business partners of the kind gpaMandant, in number order.
class TZAM_MandListeServerSql : public IZAM_MandListeServer
{
public:
    explicit TZAM_MandListeServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    QList<TZAM_GPEintrag> Mandanten() override;

private:
    TZAM_Datenbank& FDb;
};
