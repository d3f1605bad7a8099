#include "TZAM_MandListeServerSql.h"

#include "TZAM_GPListenServerSql.h"

QList<TZAM_GPEintrag> TZAM_MandListeServerSql::Mandanten()
{
    return TZAM_GPListenServerSql::DerArt(FDb, gpaMandant);
}
