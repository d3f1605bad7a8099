#include "TZAM_TestUmgebung.h"

#include "TZAM_Datenbank.h"

#include "TZAM_DemoSite.h"
#include "TZAM_ParameterService.h"
#include "TZAM_ProgrammService.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QTextStream>

#include <atomic>

namespace {

std::atomic<int> GZaehler{0};

TZAM_DBKonfig PgWartung()
{
    TZAM_DBKonfig k;
    k.Treiber = QStringLiteral("QPSQL");
    k.Host = qEnvironmentVariable("ZAM_TEST_PG_HOST");
    k.Port = qEnvironmentVariable("ZAM_TEST_PG_PORT", QStringLiteral("5432")).toInt();
    k.Benutzer = qEnvironmentVariable("ZAM_TEST_PG_USER");
    k.Passwort = qEnvironmentVariable("ZAM_TEST_PG_PASSWORD");
    k.Name = qEnvironmentVariable("ZAM_TEST_PG_DB", QStringLiteral("postgres"));
    return k;
}

// Runs one statement on the maintenance database; answers the error text or empty.
QString PgWartungAusfuehren(const QString& ASql)
{
    const TZAM_DBKonfig k = PgWartung();
    const QString name = QStringLiteral("zam_test_wartung_%1").arg(GZaehler++);
    QString fehler;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(k.Host);
        db.setPort(k.Port);
        db.setUserName(k.Benutzer);
        db.setPassword(k.Passwort);
        db.setDatabaseName(k.Name);
        db.setConnectOptions(QStringLiteral("connect_timeout=3"));
        if (!db.open()) {
            fehler = db.lastError().text();
        } else if (!ASql.isEmpty()) {
            QSqlQuery q(db);
            if (!q.exec(ASql))
                fehler = q.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return fehler;
}

} // namespace

void ZAM_MotorenDaten()
{
    QTest::addColumn<int>("motor");
    QTest::newRow("sqlite") << int(TZAM_TestUmgebung::tmSQLite);
    QTest::newRow("postgres") << int(TZAM_TestUmgebung::tmPostgres);
}

bool TZAM_TestUmgebung::PostgresPflicht() { return qEnvironmentVariableIntValue("ZAM_TEST_PG_PFLICHT") == 1; }

bool TZAM_TestUmgebung::PostgresVerfuegbar(QString* AGrund)
{
    static int GErgebnis = -1;
    static QString GGrund;
    if (GErgebnis < 0) {
        if (qEnvironmentVariable("ZAM_TEST_PG_HOST").isEmpty()) {
            GGrund = QStringLiteral("ZAM_TEST_PG_HOST ist nicht gesetzt");
            GErgebnis = 0;
        } else {
            GGrund = PgWartungAusfuehren({});
            GErgebnis = GGrund.isEmpty() ? 1 : 0;
        }
    }
    if (AGrund)
        *AGrund = GGrund;
    return GErgebnis == 1;
}

TZAM_TestUmgebung::TZAM_TestUmgebung(TMotor AMotor, TZAM_Backend::TOptionen AOptionen, bool AOeffnen) : FMotor(AMotor)
{
    FIniPfad = FDir.filePath(QStringLiteral("zam.ini"));
    if (FMotor == tmSQLite) {
        FKonfig.Datei = FDir.filePath(QStringLiteral("daten.sqlite"));
    } else {
        FKonfig = PgWartung();
        FPgDatenbank = QStringLiteral("zt_%1_%2").arg(QCoreApplication::applicationPid()).arg(GZaehler++);
        const QString fehler = PgWartungAusfuehren(QStringLiteral("CREATE DATABASE ") + FPgDatenbank);
        if (!fehler.isEmpty())
            qFatal("CREATE DATABASE %s: %s", qPrintable(FPgDatenbank), qPrintable(fehler));
        FKonfig.Name = FPgDatenbank;
    }
    QFile ini(FIniPfad);
    if (!ini.open(QIODevice::WriteOnly | QIODevice::Text))
        qFatal("ini %s", qPrintable(FIniPfad));
    QTextStream out(&ini);
    out << "[Datenbank]\n";
    if (FMotor == tmSQLite) {
        out << "Treiber=QSQLITE\nDatei=" << FKonfig.Datei << "\n";
    } else {
        out << "Treiber=QPSQL\nHost=" << FKonfig.Host << "\nPort=" << FKonfig.Port << "\nName=" << FKonfig.Name
            << "\nBenutzer=" << FKonfig.Benutzer << "\nPasswort=" << FKonfig.Passwort << "\n";
    }
    out << "[Terminal]\nID=TEST1\n[Protokoll]\nDatei=" << FDir.filePath(QStringLiteral("protokoll.log")) << "\n";
    out << "[Drucken]\nAusgabeordner=" << FDir.filePath(QStringLiteral("druck")) << "\n";
    ini.close();
    Starten(AOptionen, AOeffnen);
}

TZAM_TestUmgebung::~TZAM_TestUmgebung()
{
    Beenden();
    if (!FPgDatenbank.isEmpty())
        PgWartungAusfuehren(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(FPgDatenbank));
}

void TZAM_TestUmgebung::Starten(TZAM_Backend::TOptionen AOptionen, bool AOeffnen)
{
    AOptionen.IniPfad = FIniPfad;
    AOptionen.MeldungenOhneFenster = true;
    FBackend = std::make_unique<TZAM_Backend>(AOptionen);
    if (AOeffnen)
        FBackend->Programm().Init(QStringLiteral("QKOM"), 3, 0, 0, true);
}

void TZAM_TestUmgebung::Neustart(TZAM_Backend::TOptionen AOptionen)
{
    Beenden();
    Starten(AOptionen, true);
}

void TZAM_TestUmgebung::Beenden() { FBackend.reset(); }

void TZAM_TestUmgebung::DemoAnlegen()
{
    TZAM_DemoSite::Aktualisieren(FBackend->Datenbank(), FBackend->Parameter());
}

void TZAM_TestUmgebung::ParameterSetzen(const QString& AName, const QString& AWert)
{
    FBackend->Parameter().Speichern(AName, AWert);
}

int TZAM_TestUmgebung::Zahl(const QString& ASql, const QVariantList& AWerte)
{
    return FBackend->Datenbank().LesenWert(ASql, AWerte, -1).toInt();
}

QString TZAM_TestUmgebung::Protokoll() const
{
    QFile f(Verzeichnis() + QStringLiteral("/protokoll.log"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
