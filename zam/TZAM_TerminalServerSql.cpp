#include "TZAM_TerminalServerSql.h"

#include "EZAM_Exception.h"
#include "TZAM_Datenbank.h"
#include "ZAMInfoKoords.h"

namespace {
// Each lost race means another terminal took a number meanwhile; this many cannot all be lost.
const int CVersuche = 20;
} // namespace

int TZAM_TerminalServerSql::TerminalNummer(const QString& ATerminalId)
{
    const QString lesen = QStringLiteral("SELECT nummer FROM zam_terminal WHERE kennung = ?");
    // The next free number, or nothing when another program registers at the same moment: its
    // row holds the identification or the number (both unique), and the next turn reads again.
    // SQLite wants a WHERE before ON CONFLICT in an INSERT ... SELECT.
    const QString anlegen = QStringLiteral(
        "INSERT INTO zam_terminal (kennung, nummer) SELECT CAST(? AS VARCHAR(60)), COALESCE(MAX(nummer), 0) + 1 "
        "FROM zam_terminal WHERE 1 = 1 ON CONFLICT DO NOTHING");
    for (int i = 0; i < CVersuche; ++i) {
        if (const QVariant n = FDb.LesenWert(lesen, {ATerminalId}); n.isValid())
            return n.toInt();
        FDb.Schreiben(anlegen, {ATerminalId});
    }
    throw EZAM_Exception(CZAM_Info_Fehler_Standard_UnmoeglicherZustand,
                         QStringLiteral("Terminal %1 erhält keine Nummer").arg(ATerminalId),
                         QStringLiteral("TZAM_TerminalServerSql.TerminalNummer"));
}
