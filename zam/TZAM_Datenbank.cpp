#include "TZAM_Datenbank.h"

#include <memory>
#include <unordered_map>

#include "EZAM_Exception.h"
#include "TZAM_PgStatus.h"
#include "ZAMInfoKoords.h"
#include "ZAMUtils.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>

namespace {

const QString CSavepoint = QStringLiteral("zam_lesen");

// Connection names in use, with the database each one reaches: Qt keeps one connection per name,
// so a second object under the same name would silently work on the first one's database.
struct TNamenRegister
{
    QMutex Mutex;
    QHash<QString, std::pair<QString, int>> Ziele; // name -> (database, objects)
};
TNamenRegister& Register()
{
    static TNamenRegister r;
    return r;
}

bool NenntId(const QString& ASql)
{
    static const QRegularExpression insert(QStringLiteral("^\\s*INSERT\\s+INTO\\s+[\\w.]+\\s*\\(([^)]*)\\)"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = insert.match(ASql);
    if (!m.hasMatch())
        return false;
    for (const QString& spalte : m.captured(1).split(u','))
        if (spalte.trimmed().compare(QLatin1String("id"), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

using TVorbereitete = std::unordered_map<QString, std::unique_ptr<QSqlQuery>>;

// The statements prepared on each connection of this thread, by connection name: the objects of
// one connection share it, and whichever closes it drops them first.
std::unordered_map<QString, TVorbereitete>& AlleVorbereiteten()
{
    thread_local std::unordered_map<QString, TVorbereitete> GAlle;
    return GAlle;
}

} // namespace

TZAM_Datenbank::TZAM_Datenbank(const TZAM_DBKonfig& AKonfig, const QString& AVerbindungsName)
    : FKonfig(AKonfig), FName(AVerbindungsName)
{
    TNamenRegister& r = Register();
    QMutexLocker lock(&r.Mutex);
    auto it = r.Ziele.find(FName);
    if (it != r.Ziele.end() && it->first != FKonfig.Beschreibung())
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter,
                             QStringLiteral("Die Verbindung %1 reicht schon zu %2").arg(FName, it->first));
    if (it == r.Ziele.end())
        r.Ziele.insert(FName, {FKonfig.Beschreibung(), 1});
    else
        ++it->second;
}

TZAM_Datenbank::~TZAM_Datenbank()
{
    Schliessen();
    TNamenRegister& r = Register();
    QMutexLocker lock(&r.Mutex);
    auto it = r.Ziele.find(FName);
    if (it != r.Ziele.end() && --it->second <= 0)
        r.Ziele.erase(it);
}

QSqlDatabase TZAM_Datenbank::Verbindung() const { return QSqlDatabase::database(FName, false); }

void TZAM_Datenbank::Oeffnen()
{
    if (IstOffen())
        return;
    const QString treiber = FKonfig.IstSQLite() ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL");
    if (!QSqlDatabase::isDriverAvailable(treiber))
        throw EZAM_Exception(CZAM_Info_Fehler_DB_Oeffnen, QStringLiteral("Treiber %1 fehlt").arg(treiber));
    if (FKonfig.IstSQLite() && FKonfig.Datei.isEmpty())
        throw EZAM_Exception(CZAM_Info_Fehler_DB_Oeffnen, QStringLiteral("keine Datei angegeben"));
    Verbinden();
}

void TZAM_Datenbank::Verbinden()
{
    const bool neu = !QSqlDatabase::contains(FName);
    QSqlDatabase db = neu ? QSqlDatabase::addDatabase(FKonfig.IstSQLite() ? QStringLiteral("QSQLITE")
                                                                           : QStringLiteral("QPSQL"),
                                                      FName)
                          : Verbindung();
    if (FKonfig.IstSQLite()) {
        QDir().mkpath(QFileInfo(FKonfig.Datei).absolutePath());
        db.setDatabaseName(FKonfig.Datei);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(FKonfig.WartezeitMs));
    } else {
        db.setHostName(FKonfig.Host);
        db.setPort(FKonfig.Port);
        db.setDatabaseName(FKonfig.Name);
        db.setUserName(FKonfig.Benutzer);
        db.setPassword(FKonfig.Passwort);
        // libpq waits at least 2 s.
        db.setConnectOptions(QStringLiteral("connect_timeout=%1").arg(qMax(2, (FKonfig.WartezeitMs + 999) / 1000)));
    }
    if (!db.open()) {
        const QString text = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(FName);
        throw EZAM_Exception(CZAM_Info_Fehler_DB_Oeffnen, FKonfig.Beschreibung() + QStringLiteral(": ") + text);
    }
    Einrichten();
}

// The session's settings; a new connection after a loss needs them again.
void TZAM_Datenbank::Einrichten()
{
    const QStringList anweisungen =
        IstSQLite() ? QStringList{QStringLiteral("PRAGMA journal_mode=WAL"), QStringLiteral("PRAGMA foreign_keys=ON"),
                                  QStringLiteral("PRAGMA synchronous=NORMAL")}
                    // No compiled plans: a device's statements are short, and compiling the task
                    // count's expressions took more than a second of each count.
                    : QStringList{QStringLiteral("SET client_min_messages TO WARNING"),
                                  QStringLiteral("SET lock_timeout = %1").arg(FKonfig.WartezeitMs),
                                  QStringLiteral("SET jit = off")};
    for (const QString& a : anweisungen)
        DirektOderFehler(a);
}

void TZAM_Datenbank::Schliessen() noexcept
{
    if (!QSqlDatabase::contains(FName))
        return;
    TransaktionZuruecksetzen();
    VorbereiteteVerwerfen();
    {
        QSqlDatabase db = Verbindung();
        db.close();
    }
    QSqlDatabase::removeDatabase(FName);
}

bool TZAM_Datenbank::IstOffen() const { return QSqlDatabase::contains(FName) && Verbindung().isOpen(); }

TZAM_Zeilen TZAM_Datenbank::Lesen(const QString& ASql, const QVariantList& AWerte)
{
    return Ausfuehren(false, ASql, AWerte, nullptr);
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
    Ausfuehren(true, ASql, AWerte, &n);
    return n;
}

TZAM_Zeilen TZAM_Datenbank::SchreibenMitErgebnis(const QString& ASql, const QVariantList& AWerte)
{
    return Ausfuehren(true, ASql, AWerte, nullptr);
}

bool TZAM_Datenbank::MengeAendern(const QString& ATabelle, const QString& ASpalte, const QString& ABedingung,
                                  const QVariantList& AWerte, qint64 ADelta)
{
    if (!FInTransaktion)
        throw EZAM_Exception(CZAM_Info_Fehler_Buchung_NichtOffen, QStringLiteral("Menge in %1").arg(ATabelle));
    const QString sql = QStringLiteral("UPDATE %1 SET %2 = %2 + ? WHERE (%3) AND %2 + ? >= 0").arg(ATabelle, ASpalte, ABedingung);
    QVariantList werte{ADelta};
    werte += AWerte;
    werte << ADelta;
    const int n = Schreiben(sql, werte);
    if (n > 1) {
        TransaktionZuruecksetzen();
        if (FBeiFehler)
            FBeiFehler();
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter,
                             QStringLiteral("%1 Zeilen statt einer in %2").arg(n).arg(ATabelle));
    }
    return n == 1;
}

TZAM_Zeilen TZAM_Datenbank::Ausfuehren(bool ASchreiben, const QString& ASql, const QVariantList& AWerte, int* AGeaendert)
{
    if (ASchreiben && NenntId(ASql))
        throw EZAM_Exception(CZAM_Info_Fehler_DB_Anweisung,
                             QStringLiteral("die Spalte id vergibt die Datenbank: ") + ASql.simplified().left(160));
    TZAM_Zeilen zeilen;
    QSqlError fehler;
    if (FInTransaktion) {
        // The query lives until the transaction is healthy again: PostgreSQL releases its prepared
        // statement only outside a failed transaction.
        if (!ASchreiben) {
            DirektOderFehler(QStringLiteral("SAVEPOINT ") + CSavepoint);
            QSqlQuery q(Verbindung());
            if (Einmal(q, ASql, AWerte, &zeilen, AGeaendert, &fehler)) {
                DirektOderFehler(QStringLiteral("RELEASE SAVEPOINT ") + CSavepoint);
                return zeilen;
            }
            QSqlError egal;
            if (!Direkt(QStringLiteral("ROLLBACK TO SAVEPOINT ") + CSavepoint, &egal) ||
                !Direkt(QStringLiteral("RELEASE SAVEPOINT ") + CSavepoint, &egal))
                FehlerInTransaktion(fehler, ASql);
            Fehler(fehler, ASql);
        }
        QSqlQuery q(Verbindung());
        if (!Einmal(q, ASql, AWerte, &zeilen, AGeaendert, &fehler))
            FehlerInTransaktion(fehler, ASql);
        return zeilen;
    }

    if (ASchreiben && FSchreibenGesperrt)
        throw EZAM_Exception(CZAM_Info_Fehler_Buchung_Aufgegeben, QStringLiteral("Schreiben ohne offene Transaktion"));
    Wiederholt(!ASchreiben, ASql, [&](QSqlError* AFehler) {
        QSqlQuery q(Verbindung());
        return Einmal(q, ASql, AWerte, &zeilen, AGeaendert, AFehler);
    });
    return zeilen;
}

void TZAM_Datenbank::Wiederholt(bool AWiederholbar, const QString& ASql,
                                const std::function<bool(QSqlError*)>& AVersuch)
{
    const QDeadlineTimer frist(FKonfig.WartezeitMs);
    bool neuVerbunden = false;
    for (int versuch = 0;; ++versuch) {
        // Nothing can have reached the server on a connection known to be gone: any statement
        // may be sent again on a new one.
        if (VerbindungBekanntTot()) {
            Wiederverbinden();
            neuVerbunden = true;
        }
        QSqlError fehler;
        if (AVersuch(&fehler))
            return;
        if (IstBelegt(fehler) && !frist.hasExpired()) {
            QThread::msleep(quint64(qMin<qint64>(10 + 10 * qMin(versuch, 10), frist.remainingTime())));
            continue;
        }
        // A write whose reply was lost may have been stored: only a read or BEGIN goes again.
        if (IstVerbindungWeg(fehler) && AWiederholbar && !neuVerbunden) {
            Wiederverbinden();
            neuVerbunden = true;
            continue;
        }
        Fehler(fehler, ASql);
    }
}

bool TZAM_Datenbank::Einmal(QSqlQuery& q, const QString& ASql, const QVariantList& AWerte, TZAM_Zeilen* AZeilen,
                            int* AGeaendert, QSqlError* AFehler)
{
    q.setForwardOnly(true);
    // PostgreSQL cannot prepare utility statements (SET, SAVEPOINT, DDL): without values the
    // text is executed as it is.
    if (AWerte.isEmpty()) {
        if (!q.exec(ASql)) {
            *AFehler = q.lastError();
            return false;
        }
        return Ergebnis(q, AZeilen, AGeaendert, AFehler);
    }
    QSqlQuery* vorbereitet = Vorbereitet(ASql, AFehler);
    if (!vorbereitet)
        return false;
    QSqlQuery& p = *vorbereitet;
    for (const QVariant& w : AWerte) {
        // A null QString is an empty text, not SQL NULL; NULL is bound as an invalid QVariant.
        // Truth values are stored as 0 and 1 on both engines.
        if (w.typeId() == QMetaType::QString && w.toString().isNull())
            p.addBindValue(QString(QLatin1String("")));
        else if (w.typeId() == QMetaType::Bool)
            p.addBindValue(w.toBool() ? 1 : 0);
        else if (w.typeId() == QMetaType::QDateTime)
            p.addBindValue(ZeitpunktText(w.toDateTime()));
        else
            p.addBindValue(w);
    }
    if (p.exec() && Ergebnis(p, AZeilen, AGeaendert, AFehler)) {
        // Reset for the next execution: SQLite would keep a finished read open.
        p.finish();
        return true;
    }
    if (!AFehler->isValid())
        *AFehler = p.lastError();
    // A statement that failed is not kept: the caller's query takes it over and releases it once
    // the transaction is rolled back.
    q = std::move(p);
    AlleVorbereiteten()[FName].erase(ASql);
    return false;
}

QSqlQuery* TZAM_Datenbank::Vorbereitet(const QString& ASql, QSqlError* AFehler)
{
    TVorbereitete& vorbereitet = AlleVorbereiteten()[FName];
    if (const auto it = vorbereitet.find(ASql); it != vorbereitet.end())
        return it->second.get();
    // Statements built from varying lists would pile up: the kept ones go now and then, outside a
    // transaction (PostgreSQL releases a statement only in a healthy one).
    if (vorbereitet.size() >= 400 && !FInTransaktion)
        vorbereitet.clear();
    auto q = std::make_unique<QSqlQuery>(Verbindung());
    // PostgreSQL's driver reads a forward-only result row by row and leaves the connection busy
    // until the query goes; a whole result leaves it idle at once.
    q->setForwardOnly(IstSQLite());
    if (!q->prepare(ASql)) {
        *AFehler = q->lastError();
        return nullptr;
    }
    return vorbereitet.emplace(ASql, std::move(q)).first->second.get();
}

void TZAM_Datenbank::VorbereiteteVerwerfen() { AlleVorbereiteten().erase(FName); }

// Reads every row, wanted or not: PostgreSQL reports an error of a later row only there.
bool TZAM_Datenbank::Ergebnis(QSqlQuery& q, TZAM_Zeilen* AZeilen, int* AGeaendert, QSqlError* AFehler)
{
    if (AGeaendert)
        *AGeaendert = q.numRowsAffected();
    if (!q.isSelect())
        return true;
    const QSqlRecord rec = q.record();
    QList<QVariantList> zeilen;
    while (q.next()) {
        if (!AZeilen)
            continue;
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
    if (AZeilen) {
        QStringList spalten;
        for (int i = 0; i < rec.count(); ++i)
            spalten << rec.fieldName(i);
        *AZeilen = TZAM_Zeilen(spalten, zeilen);
    }
    return true;
}

bool TZAM_Datenbank::Direkt(const QString& ASql, QSqlError* AFehler)
{
    QSqlQuery q(Verbindung());
    return Einmal(q, ASql, {}, nullptr, nullptr, AFehler);
}

void TZAM_Datenbank::DirektOderFehler(const QString& ASql)
{
    QSqlError fehler;
    if (Direkt(ASql, &fehler))
        return;
    if (FInTransaktion)
        FehlerInTransaktion(fehler, ASql);
    Fehler(fehler, ASql);
}

void TZAM_Datenbank::FehlerInTransaktion(const QSqlError& AFehler, const QString& ASql)
{
    TransaktionZuruecksetzen();
    if (FBeiFehler)
        FBeiFehler();
    Fehler(AFehler, ASql);
}

void TZAM_Datenbank::TransaktionBeginnen(const QString& AWofuer)
{
    if (FInTransaktion)
        throw EZAM_Exception(CZAM_Info_Fehler_Buchung_KlammerFalsch, QStringLiteral("Transaktion ist schon offen"));
    if (FSchreibenGesperrt)
        throw EZAM_Exception(CZAM_Info_Fehler_Buchung_Aufgegeben, AWofuer);
    const QString begin = IstSQLite() ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN");
    Wiederholt(true, begin, [&](QSqlError* AFehler) { return Direkt(begin, AFehler); });
    FInTransaktion = true;
}

void TZAM_Datenbank::TransaktionFestschreiben()
{
    if (!FInTransaktion)
        throw EZAM_Exception(CZAM_Info_Fehler_Buchung_NichtOffen, QStringLiteral("COMMIT"));
    // PostgreSQL answers the COMMIT of a failed transaction with a rollback and no error.
    if (!IstSQLite() && !TZAM_PgStatus::TransaktionIntakt(Verbindung())) {
        const bool weg = VerbindungBekanntTot();
        TransaktionZuruecksetzen();
        throw EZAM_Exception(weg ? CZAM_Info_Fehler_DB_Verbindung_Verloren : CZAM_Info_Fehler_DB_Anweisung,
                             QStringLiteral("die Transaktion war gescheitert und wurde zurückgesetzt"));
    }
    QSqlError fehler;
    if (!Direkt(QStringLiteral("COMMIT"), &fehler)) {
        if (IstVerbindungWeg(fehler))
            FInTransaktion = false; // the server may have stored it: the caller finds out
        else
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
    Direkt(QStringLiteral("ROLLBACK"), &fehler);
}

QString TZAM_Datenbank::ZeitpunktText(const QDateTime& AZeit) const
{
    // Local time without zone, to the millisecond: on SQLite the stored text, which sorts as the
    // time does; PostgreSQL reads it as a timestamp.
    return AZeit.toString(IstSQLite() ? QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz") : QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}

QDateTime TZAM_Datenbank::ZeitpunktLesen(const QVariant& AWert)
{
    if (AWert.isNull())
        return {};
    if (AWert.typeId() == QMetaType::QDateTime)
        return AWert.toDateTime();
    return zam_ZeitpunktAusText(AWert.toString());
}

QString TZAM_Datenbank::Sql(const QString& AText) const
{
    QString s = AText;
    if (IstSQLite()) {
        s.replace(QLatin1String("{ID}"), QLatin1String("INTEGER PRIMARY KEY AUTOINCREMENT"));
        s.replace(QLatin1String("{JETZT}"), QLatin1String("CAST(strftime('%s','now') AS INTEGER)"));
        s.replace(QLatin1String("{BLOB}"), QLatin1String("BLOB"));
        s.replace(QLatin1String("{INT64}"), QLatin1String("INTEGER"));
        s.replace(QLatin1String("{ZEITPUNKT}"), QLatin1String("TEXT"));
        s.replace(QLatin1String(" {BINAER}"), QString());
    } else {
        s.replace(QLatin1String("{ID}"), QLatin1String("BIGINT GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY"));
        s.replace(QLatin1String("{JETZT}"), QLatin1String("CAST(EXTRACT(EPOCH FROM clock_timestamp()) AS BIGINT)"));
        s.replace(QLatin1String("{BLOB}"), QLatin1String("BYTEA"));
        s.replace(QLatin1String("{INT64}"), QLatin1String("BIGINT"));
        s.replace(QLatin1String("{ZEITPUNKT}"), QLatin1String("TIMESTAMP(3)"));
        s.replace(QLatin1String("{BINAER}"), QLatin1String("COLLATE \"C\""));
    }
    return s;
}

bool TZAM_Datenbank::VerbindungBekanntTot() const
{
    return !IstOffen() || (!IstSQLite() && !TZAM_PgStatus::VerbindungOk(Verbindung()));
}

bool TZAM_Datenbank::IstBelegt(const QSqlError& AFehler) const
{
    const QString code = AFehler.nativeErrorCode();
    if (IstSQLite()) {
        const int c = code.toInt() & 0xff; // primary result code
        return c == 5 || c == 6 || AFehler.text().contains(QLatin1String("database is locked"));
    }
    // Serialisation failure, deadlock, lock_timeout.
    return code == QLatin1String("40001") || code == QLatin1String("40P01") || code == QLatin1String("55P03");
}

// By the state libpq keeps and the SQLSTATE class, never by the text: the texts are translated.
bool TZAM_Datenbank::IstVerbindungWeg(const QSqlError& AFehler) const
{
    if (IstSQLite())
        return false;
    const QString code = AFehler.nativeErrorCode();
    return AFehler.type() == QSqlError::ConnectionError || !TZAM_PgStatus::VerbindungOk(Verbindung()) ||
           code.startsWith(QLatin1String("08")) || code.startsWith(QLatin1String("57P"));
}

bool TZAM_Datenbank::IstZuLang(const QSqlError& AFehler) const
{
    if (IstSQLite())
        return AFehler.text().contains(QLatin1String(CZAM_ZuLangMarke));
    return AFehler.nativeErrorCode() == QLatin1String("22001");
}

void TZAM_Datenbank::Fehler(const QSqlError& AFehler, const QString& ASql) const
{
    if (IstVerbindungWeg(AFehler))
        throw EZAM_Exception(CZAM_Info_Fehler_DB_Verbindung_Verloren, AFehler.text());
    if (IstBelegt(AFehler))
        throw EZAM_Exception(CZAM_Info_Fehler_DB_Belegt, AFehler.text());
    if (IstZuLang(AFehler))
        throw EZAM_Exception(CZAM_Info_Fehler_DB_WertZuLang, AFehler.text().trimmed());
    throw EZAM_Exception(CZAM_Info_Fehler_DB_Anweisung,
                         QStringLiteral("%1 [%2] in: %3")
                             .arg(AFehler.text().trimmed(), AFehler.nativeErrorCode(), ASql.simplified().left(160)));
}

void TZAM_Datenbank::Wiederverbinden()
{
    if (FInTransaktion)
        throw EZAM_Exception(CZAM_Info_Fehler_DB_Verbindung_Verloren, FKonfig.Beschreibung());
    VorbereiteteVerwerfen();
    if (QSqlDatabase::contains(FName)) {
        QSqlDatabase db = Verbindung();
        db.close();
    }
    try {
        Verbinden();
    } catch (const EZAM_Exception& E) {
        throw EZAM_Exception(CZAM_Info_Fehler_DB_Verbindung_Verloren, E.Einfuegung());
    }
}
