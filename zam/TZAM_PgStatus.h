#pragma once

class QSqlDatabase;

// What libpq knows of a PostgreSQL connection, read through the Qt driver's handle. The driver's
// error texts depend on the client's language; these answers do not.
namespace TZAM_PgStatus
{
// False when libpq knows the connection is gone (or there is none).
bool VerbindungOk(const QSqlDatabase& ADb);
// True inside a transaction that can still commit; false when idle or when a statement failed.
bool TransaktionIntakt(const QSqlDatabase& ADb);
} // namespace TZAM_PgStatus
