#include "TZAM_PgStatus.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <libpq-fe.h>

namespace {
PGconn* Handle(const QSqlDatabase& ADb)
{
    if (!ADb.isValid() || !ADb.driver())
        return nullptr;
    const QVariant h = ADb.driver()->handle();
    // The driver declares the type as PGconn*, which the meta type system spells pg_conn*.
    if (!h.isValid() || (qstrcmp(h.typeName(), "PGconn*") != 0 && qstrcmp(h.typeName(), "pg_conn*") != 0))
        return nullptr;
    return *static_cast<PGconn* const*>(h.constData());
}
} // namespace

bool TZAM_PgStatus::VerbindungOk(const QSqlDatabase& ADb)
{
    PGconn* c = Handle(ADb);
    return c && PQstatus(c) == CONNECTION_OK;
}

bool TZAM_PgStatus::TransaktionIntakt(const QSqlDatabase& ADb)
{
    PGconn* c = Handle(ADb);
    return c && PQtransactionStatus(c) == PQTRANS_INTRANS;
}
