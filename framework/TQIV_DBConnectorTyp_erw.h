#pragma once

// The kind of database a statement is written for: the few places where the SQL texts of the
// engines differ (date texts) ask for it.
enum TQIV_DBConnectorTyp_erw : int
{
    dbctUnbekannt = -1,
    dbctSQLite = 0,
    dbctPostgreSQL = 1
};
