#include "TZAM_Migrationen.h"

#include "EZAM_Exception.h"
#include "TZAM_Datenbank.h"
#include "ZAMInfoKoords.h"

#include <QRegularExpression>

namespace {

void VersionstabelleAnlegen(TZAM_Datenbank& ADb)
{
    ADb.TransaktionBeginnen();
    try {
        if (!ADb.IstSQLite())
            ADb.Lesen(QStringLiteral("SELECT pg_advisory_xact_lock(741100)"));
        ADb.Schreiben(QStringLiteral("CREATE TABLE IF NOT EXISTS zam_schema "
                                     "(bereich VARCHAR(40) PRIMARY KEY, version INTEGER NOT NULL)"));
        ADb.TransaktionFestschreiben();
    } catch (...) {
        ADb.TransaktionZuruecksetzen();
        throw;
    }
}

// SQLite ignores the n of VARCHAR(n); these triggers refuse what PostgreSQL refuses, so a value
// too long fails alike on both engines. Created for every table after each applied step.
void LaengenPruefungAnlegen(TZAM_Datenbank& ADb)
{
    static const QRegularExpression varchar(QStringLiteral("^VARCHAR\\((\\d+)\\)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const TZAM_Zeilen tabellen = ADb.Lesen(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name LIKE 'zam!_%' ESCAPE '!'"));
    for (int t = 0; t < tabellen.Anzahl(); ++t) {
        const QString tabelle = tabellen.Wert(t, 0).toString();
        const TZAM_Zeilen spalten = ADb.Lesen(QStringLiteral("SELECT name, type FROM pragma_table_info(?)"), {tabelle});
        for (int s = 0; s < spalten.Anzahl(); ++s) {
            const QRegularExpressionMatch m = varchar.match(spalten.Wert(s, 1).toString().trimmed());
            if (!m.hasMatch())
                continue;
            const QString spalte = spalten.Wert(s, 0).toString();
            const QString wann = QStringLiteral("WHEN length(NEW.%1) > %2 BEGIN SELECT RAISE(ABORT, '%3 für %4.%1 "
                                                "(höchstens %2 Zeichen)'); END")
                                     .arg(spalte, m.captured(1), QLatin1String(CZAM_ZuLangMarke), tabelle);
            ADb.Schreiben(QStringLiteral("CREATE TRIGGER IF NOT EXISTS zam_laenge_%1_%2_i BEFORE INSERT ON %1 ")
                              .arg(tabelle, spalte) + wann);
            ADb.Schreiben(QStringLiteral("CREATE TRIGGER IF NOT EXISTS zam_laenge_%1_%2_u BEFORE UPDATE OF %2 ON %1 ")
                              .arg(tabelle, spalte) + wann);
        }
    }
}

int VersionLesen(TZAM_Datenbank& ADb, const QString& ABereich)
{
    return ADb.LesenWert(QStringLiteral("SELECT version FROM zam_schema WHERE bereich = ?"), {ABereich}, 0).toInt();
}

} // namespace

int TZAM_Migrationen::Version(TZAM_Datenbank& ADb, const QString& ABereich)
{
    VersionstabelleAnlegen(ADb);
    return VersionLesen(ADb, ABereich);
}

void TZAM_Migrationen::Anwenden(TZAM_Datenbank& ADb, const QString& ABereich,
                                const QList<TZAM_Migration>& AMigrationen)
{
    VersionstabelleAnlegen(ADb);
    const int bekannt = AMigrationen.isEmpty() ? 0 : AMigrationen.last().Nummer;
    const int vorhanden = VersionLesen(ADb, ABereich);
    if (vorhanden > bekannt)
        throw EZAM_Exception(CZAM_Info_Fehler_DB_Schema,
                             QStringLiteral("%1: Stand %2, dieses Programm kennt %3").arg(ABereich).arg(vorhanden).arg(bekannt));

    for (const TZAM_Migration& m : AMigrationen) {
        ADb.TransaktionBeginnen();
        try {
            if (!ADb.IstSQLite())
                ADb.Lesen(QStringLiteral("SELECT pg_advisory_xact_lock(741100)"));
            // Read inside the transaction: another program may have applied it meanwhile.
            if (VersionLesen(ADb, ABereich) >= m.Nummer) {
                ADb.TransaktionZuruecksetzen();
                continue;
            }
            const QStringList& anweisungen =
                (!ADb.IstSQLite() && !m.AnweisungenPostgres.isEmpty()) ? m.AnweisungenPostgres : m.Anweisungen;
            for (const QString& a : anweisungen)
                ADb.Schreiben(ADb.Sql(a));
            if (m.Ausfuehren)
                m.Ausfuehren(ADb);
            if (ADb.IstSQLite())
                LaengenPruefungAnlegen(ADb);
            if (ADb.Schreiben(QStringLiteral("UPDATE zam_schema SET version = ? WHERE bereich = ?"), {m.Nummer, ABereich}) == 0)
                ADb.Schreiben(QStringLiteral("INSERT INTO zam_schema (bereich, version) VALUES (?, ?)"), {ABereich, m.Nummer});
            ADb.TransaktionFestschreiben();
        } catch (const EZAM_Exception& E) {
            ADb.TransaktionZuruecksetzen();
            throw EZAM_Exception(CZAM_Info_Fehler_DB_Schema,
                                 QStringLiteral("%1 %2 (%3): %4").arg(ABereich).arg(m.Nummer).arg(m.Name, E.Meldungstext()));
        } catch (...) {
            // Whatever failed: the step and its migration lock end with the transaction.
            ADb.TransaktionZuruecksetzen();
            throw;
        }
    }
}
