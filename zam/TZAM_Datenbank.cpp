#include "TZAM_Datenbank.h"

#include "EZAM_Exception.h"
#include "ZAMInfoKoords.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>

namespace {
const QString CSavepoint = QStringLiteral("zam_lesen");
}

TZAM_Datenbank::TZAM_Datenbank(const TZAM_DBKonfig& AKonfig, const QString& AVerbindungsName)
    : FKonfig(AKonfig), FName(AVerbindungsName)
{
}

TZAM_Datenbank::~TZAM_Datenbank() { Schliessen(); }

void TZAM_Datenbank::Oeffnen()
{
    if (IstOffen())
        return;
    const QString treiber = FKonfig.IstSQLite() ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL");
    if (!QSqlDatabase::isDriverAvailable(treiber))
        throw EZAM_Exception(CZAM_Info_Fehler_DB_Oeffnen, QStringLiteral("Treiber %1 fehlt").arg(treiber));
    QSqlDatabase db = QSqlDatabase::contains(FName) ? QSqlDatabase::database(FName, false)
                                                    : QSqlDatabase::addDatabase(treiber, FName);
    if (FKonfig.IstSQLite()) {
        if (FKonfig.Datei.isEmpty())
            throw EZAM_Exception(CZAM_Info_Fehler_DB_Oeffnen, QStringLiteral("keine Datei angegeben"));
        QDir().mkpath(QFileInfo(FKonfig.Datei).absolutePath());
        db.setDatabaseName(FKonfig.Datei);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    } else {
        db.setHostName(FKonfig.Host);
        db.setPort(FKonfig.Port);
        db.setDatabaseName(FKonfig.Name);
        db.setUserName(FKonfig.Benutzer);
        db.setPassword(FKonfig.Passwort);
        db.setConnectOptions(QStringLiteral("connect_timeout=5"));
    }
    if (!db.open()) {
        const QString text = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(FName);
        throw EZAM_Exception(CZAM_Info_Fehler_DB_Oeffnen, FKonfig.Beschreibung() + QStringLiteral(": ") + text);
    }
    if (FKonfig.IstSQLite()) {
        Direkt(QStringLiteral("PRAGMA journal_mode=WAL"));
        Direkt(QStringLiteral("PRAGMA foreign_keys=ON"));
        Direkt(QStringLiteral("PRAGMA synchronous=NORMAL"));
    } else {
        Direkt(QStringLiteral("SET client_min_messages TO WARNING"));
    }
}

void TZAM_Datenbank::Schliessen() noexcept
{
    if (!QSqlDatabase::contains(FName))
        return;
    TransaktionZuruecksetzen();
    {
        QSqlDatabase db = QSqlDatabase::database(FName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(FName);
}

bool TZAM_Datenbank::IstOffen() const
{
    return QSqlDatabase::contains(FName) && QSqlDatabase::database(FName, false).isOpen();
}

TZAM_Zeilen TZAM_Datenbank::Lesen(const QString& ASql, const QVariantList& AWerte)
{
    return Ausfuehren(daLesen, ASql, AWerte, true, nullptr);
}

QVariant TZAM_Datenbank::LesenWert(const QString& ASql, const QVariantList& AWerte, const QVariant& ADefault)
{
    const TZAM_Zeilen z = Lesen(ASql, AWerte);
    if (z.IsEmpty() || z.Wert(0, 0).isNull())
        return ADefault;
    return z.Wert(0, 0);
}

int TZAM_Datenbank::Schreiben(const QString& ASql, const QVariantList& AWerte)
{
    int n = 0;
    Ausfuehren(daSchreiben, ASql, AWerte, false, &n);
    return n;
}

TZAM_Zeilen TZAM_Datenbank::SchreibenMitErgebnis(const QString& ASql, const QVariantList& AWerte)
{
    return Ausfuehren(daSchreiben, ASql, AWerte, true, nullptr);
}

TZAM_Zeilen TZAM_Datenbank::Ausfuehren(TArt AArt, const QString& ASql, const QVariantList& AWerte, bool AErgebnis,
                                       int* AGeaendert)
{
    TZAM_Zeilen zeilen;
    QSqlError fehler;
    if (FInTransaktion) {
        if (AArt == daLesen) {
            Direkt(QStringLiteral("SAVEPOINT ") + CSavepoint);
            if (!Einmal(ASql, AWerte, AErgebnis, &zeilen, AGeaendert, &fehler)) {
                Direkt(QStringLiteral("ROLLBACK TO SAVEPOINT ") + CSavepoint);
                Direkt(QStringLiteral("RELEASE SAVEPOINT ") + CSavepoint);
                Fehler(fehler, ASql);
            }
            Direkt(QStringLiteral("RELEASE SAVEPOINT ") + CSavepoint);
            return zeilen;
        }
        if (!Einmal(ASql, AWerte, AErgebnis, &zeilen, AGeaendert, &fehler)) {
            TransaktionZuruecksetzen();
            if (FBeiFehler)
                FBeiFehler();
            Fehler(fehler, ASql);
        }
        return zeilen;
    }

    if (AArt == daSchreiben && FSchreibenGesperrt)
        throw EZAM_Exception(CZAM_Info_Fehler_Buchung_Aufgegeben, QStringLiteral("Schreiben ohne offene Transaktion"));
    Wiederholt(ASql, [&](QSqlError* AFehler) { return Einmal(ASql, AWerte, AErgebnis, &zeilen, AGeaendert, AFehler); });
    return zeilen;
}

void TZAM_Datenbank::Wiederholt(const QString& ASql, const std::function<bool(QSqlError*)>& AVersuch)
{
    bool neuVerbunden = false;
    for (int versuch = 0;; ++versuch) {
        if (!IstOffen()) {
            Wiederverbinden();
            neuVerbunden = true;
        }
        QSqlError fehler;
        if (AVersuch(&fehler))
            return;
        if (IstBelegt(fehler) && versuch < FWiederholungen) {
            QThread::msleep(10 + 10 * qMin(versuch, 10));
            continue;
        }
        if (IstVerbindungWeg(fehler) && !neuVerbunden) {
            Wiederverbinden();
            neuVerbunden = true;
            continue;
        }
        Fehler(fehler, ASql);
    }
}

bool TZAM_Datenbank::Einmal(const QString& ASql, const QVariantList& AWerte, bool AErgebnis, TZAM_Zeilen* AZeilen,
                            int* AGeaendert, QSqlError* AFehler)
{
    QSqlDatabase db = QSqlDatabase::database(FName, false);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    // PostgreSQL cannot prepare utility statements (SET, SAVEPOINT, DDL): without values the
    // text is executed as it is.
    if (AWerte.isEmpty()) {
        if (!q.exec(ASql)) {
            *AFehler = q.lastError();
            return false;
        }
        return Ergebnis(q, AErgebnis, AZeilen, AGeaendert, AFehler);
    }
    if (!q.prepare(ASql)) {
        *AFehler = q.lastError();
        return false;
    }
    for (const QVariant& w : AWerte) {
        // A null QString is an empty text, not SQL NULL; NULL is bound as an invalid QVariant.
        if (w.typeId() == QMetaType::QString && w.toString().isNull())
            q.addBindValue(QString(QLatin1String("")));
        else
            q.addBindValue(w);
    }
    if (!q.exec()) {
        *AFehler = q.lastError();
        return false;
    }
    return Ergebnis(q, AErgebnis, AZeilen, AGeaendert, AFehler);
}

bool TZAM_Datenbank::Ergebnis(QSqlQuery& q, bool AErgebnis, TZAM_Zeilen* AZeilen, int* AGeaendert, QSqlError* AFehler)
{
    if (AGeaendert)
        *AGeaendert = q.numRowsAffected();
    if (AErgebnis && q.isSelect()) {
        const QSqlRecord rec = q.record();
        QStringList spalten;
        for (int i = 0; i < rec.count(); ++i)
            spalten << rec.fieldName(i);
        QList<QVariantList> zeilen;
        while (q.next()) {
            QVariantList z;
            z.reserve(rec.count());
            for (int i = 0; i < rec.count(); ++i)
                z << q.value(i);
            zeilen << z;
        }
        if (q.lastError().isValid()) {
            *AFehler = q.lastError();
            return false;
        }
        *AZeilen = TZAM_Zeilen(spalten, zeilen);
    }
    return true;
}

void TZAM_Datenbank::Direkt(const QString& ASql)
{
    QSqlError fehler;
    if (Einmal(ASql, {}, false, nullptr, nullptr, &fehler))
        return;
    if (FInTransaktion) {
        TransaktionZuruecksetzen();
        if (FBeiFehler)
            FBeiFehler();
    }
    Fehler(fehler, ASql);
}

void TZAM_Datenbank::TransaktionBeginnen()
{
    if (FInTransaktion)
        throw EZAM_Exception(CZAM_Info_Fehler_Buchung_KlammerFalsch, QStringLiteral("Transaktion ist schon offen"));
    const QString begin = IstSQLite() ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN");
    Wiederholt(begin, [&](QSqlError* AFehler) { return Einmal(begin, {}, false, nullptr, nullptr, AFehler); });
    FInTransaktion = true;
}

void TZAM_Datenbank::TransaktionFestschreiben()
{
    if (!FInTransaktion)
        throw EZAM_Exception(CZAM_Info_Fehler_Buchung_NichtOffen, QStringLiteral("COMMIT"));
    QSqlError fehler;
    if (!Einmal(QStringLiteral("COMMIT"), {}, false, nullptr, nullptr, &fehler)) {
        TransaktionZuruecksetzen();
        Fehler(fehler, QStringLiteral("COMMIT"));
    }
    FInTransaktion = false;
}

void TZAM_Datenbank::TransaktionZuruecksetzen() noexcept
{
    if (!FInTransaktion)
        return;
    FInTransaktion = false;
    if (!IstOffen())
        return;
    QSqlError fehler;
    Einmal(QStringLiteral("ROLLBACK"), {}, false, nullptr, nullptr, &fehler);
}

QString TZAM_Datenbank::Sql(const QString& AText) const
{
    QString s = AText;
    if (IstSQLite()) {
        s.replace(QLatin1String("{ID}"), QLatin1String("INTEGER PRIMARY KEY AUTOINCREMENT"));
        s.replace(QLatin1String("{JETZT}"), QLatin1String("CAST(strftime('%s','now') AS INTEGER)"));
        s.replace(QLatin1String("{BLOB}"), QLatin1String("BLOB"));
        s.replace(QLatin1String("{INT64}"), QLatin1String("INTEGER"));
    } else {
        s.replace(QLatin1String("{ID}"), QLatin1String("BIGINT GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY"));
        s.replace(QLatin1String("{JETZT}"), QLatin1String("CAST(EXTRACT(EPOCH FROM clock_timestamp()) AS BIGINT)"));
        s.replace(QLatin1String("{BLOB}"), QLatin1String("BYTEA"));
        s.replace(QLatin1String("{INT64}"), QLatin1String("BIGINT"));
    }
    return s;
}

bool TZAM_Datenbank::IstBelegt(const QSqlError& AFehler) const
{
    const QString code = AFehler.nativeErrorCode();
    if (IstSQLite()) {
        const int c = code.toInt() & 0xff; // primary result code
        return c == 5 || c == 6 || AFehler.text().contains(QLatin1String("database is locked"));
    }
    return code == QLatin1String("40001") || code == QLatin1String("40P01");
}

bool TZAM_Datenbank::IstVerbindungWeg(const QSqlError& AFehler) const
{
    if (IstSQLite())
        return false;
    const QString code = AFehler.nativeErrorCode();
    const QString text = AFehler.text();
    return AFehler.type() == QSqlError::ConnectionError || code.startsWith(QLatin1String("08")) ||
           code == QLatin1String("57P01") || text.contains(QLatin1String("server closed the connection")) ||
           text.contains(QLatin1String("no connection to the server")) ||
           text.contains(QLatin1String("terminating connection"));
}

void TZAM_Datenbank::Fehler(const QSqlError& AFehler, const QString& ASql) const
{
    if (IstVerbindungWeg(AFehler))
        throw EZAM_Exception(CZAM_Info_Fehler_DB_Verbindung_Verloren, AFehler.text());
    if (IstBelegt(AFehler))
        throw EZAM_Exception(CZAM_Info_Fehler_DB_Belegt, AFehler.text());
    QString code = AFehler.nativeErrorCode();
    throw EZAM_Exception(CZAM_Info_Fehler_DB_Anweisung, QStringLiteral("%1 [%2] in: %3")
                                                           .arg(AFehler.text().trimmed(), code,
                                                                ASql.simplified().left(160)));
}

void TZAM_Datenbank::Wiederverbinden()
{
    if (FInTransaktion)
        throw EZAM_Exception(CZAM_Info_Fehler_DB_Verbindung_Verloren, FKonfig.Beschreibung());
    if (QSqlDatabase::contains(FName)) {
        QSqlDatabase db = QSqlDatabase::database(FName, false);
        db.close();
        if (db.open())
            return;
    }
    try {
        Schliessen();
        Oeffnen();
    } catch (const EZAM_Exception& E) {
        throw EZAM_Exception(CZAM_Info_Fehler_DB_Verbindung_Verloren, E.Einfuegung());
    }
}
