// The connection under faults: errors of later rows, lost replies and cut connections, a busy
// database, two devices changing one quantity, and the same value rules on both engines.
#include "TZAM_Datenbank.h"
#include "TZAM_SperrService.h"
#include "TZAM_TcpProxy.h"
#include "TZAM_TestFehler.h"
#include "TZAM_TestUmgebung.h"
#include "TZAM_Werteliste.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QThread>

namespace {

const QString CParameter = QStringLiteral("INSERT INTO zam_parameter (name, wert) VALUES (?, '1')");

int Anzahl(TZAM_Datenbank& ADb, const QString& AName)
{
    return ADb.LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_parameter WHERE name = ?"), {AName}).toInt();
}

} // namespace

class TestDatenbank : public QObject
{
    Q_OBJECT

    std::unique_ptr<TZAM_TestUmgebung> FUmg;

    TZAM_DBKonfig Konfig(int AWartezeitMs) const
    {
        TZAM_DBKonfig k = FUmg->Backend().Datenbank().Konfig();
        k.WartezeitMs = AWartezeitMs;
        return k;
    }

private Q_SLOTS:
    void cleanup() { FUmg.reset(); }

    // PostgreSQL reports an error of a later row only while the rows are read, and answers the
    // COMMIT of a failed transaction with a rollback and no error.
    void fehlerEinerSpaeterenZeileLaesstDieBuchungScheitern()
    {
        ZAM_POSTGRES_PFLICHT();
        FUmg = std::make_unique<TZAM_TestUmgebung>(TZAM_TestUmgebung::tmPostgres);
        TZAM_Datenbank& db = FUmg->Backend().Datenbank();
        ZAMBuchung().Oeffnen(69, QStringLiteral("b"));
        db.Schreiben(CParameter, {QStringLiteral("A")});
        QCOMPARE(Fehler([&] { db.Schreiben(QStringLiteral("SELECT 1 / (2 - g) FROM (VALUES (1), (2), (3)) AS t (g)")); }),
                 CZAM_Info_Fehler_DB_Anweisung);
        QCOMPARE(Fehler([] { ZAMBuchung().Schliessen(QStringLiteral("b")); }), CZAM_Info_Fehler_Buchung_Aufgegeben);
        QCOMPARE(Anzahl(db, QStringLiteral("A")), 0);

        // A statement that failed behind the layer's back: the commit refuses.
        db.TransaktionBeginnen();
        db.Schreiben(CParameter, {QStringLiteral("B")});
        QSqlQuery(QSqlDatabase::database(db.VerbindungsName())).exec(QStringLiteral("SELECT 1 / 0"));
        QCOMPARE(Fehler([&] { db.TransaktionFestschreiben(); }), CZAM_Info_Fehler_DB_Anweisung);
        QVERIFY(!db.InTransaktion());
        QCOMPARE(Anzahl(db, QStringLiteral("B")), 0);
    }

    // After a lost reply only what cannot have taken effect goes again; the session set-up
    // comes back with the new connection.
    void nachVerlorenerAntwortWirdNurGelesenWiederholt()
    {
        ZAM_POSTGRES_PFLICHT();
        FUmg = std::make_unique<TZAM_TestUmgebung>(TZAM_TestUmgebung::tmPostgres);
        TZAM_TcpProxy proxy(FUmg->Konfig().Host, FUmg->Konfig().Port);
        TZAM_DBKonfig k = Konfig(1500);
        k.Port = proxy.Port();
        TZAM_Datenbank db(k, QStringLiteral("ueber_proxy"));
        db.Oeffnen();

        // Without values: one request, one reply.
        proxy.NaechsteAntwortVerlieren();
        QCOMPARE(Fehler([&] { db.Schreiben(QStringLiteral("INSERT INTO zam_parameter (name, wert) VALUES ('W', '1')")); }),
                 CZAM_Info_Fehler_DB_Verbindung_Verloren);
        QCOMPARE(Anzahl(db, QStringLiteral("W")), 1); // stored once, though reported lost
        proxy.NaechsteAntwortVerlieren();
        QCOMPARE(Anzahl(db, QStringLiteral("W")), 1); // a read simply goes again
        QCOMPARE(db.LesenWert(QStringLiteral("SHOW lock_timeout")).toString(), QStringLiteral("1500ms"));

        // A connection known to be gone is replaced before anything is sent.
        proxy.Trennen();
        QCOMPARE(Fehler([&] { db.Lesen(QStringLiteral("SELECT 1")); }), TInfoKoord());
        proxy.SetAbweisen(true);
        proxy.Trennen();
        QCOMPARE(Fehler([&] { db.Lesen(QStringLiteral("SELECT 1")); }), CZAM_Info_Fehler_DB_Verbindung_Verloren);
        proxy.SetAbweisen(false);
        db.Schreiben(CParameter, {QStringLiteral("X")});
        QCOMPARE(Anzahl(db, QStringLiteral("X")), 1);
    }

    // Two devices take 3 and 4 from a place holding 10: 3 remain on both engines, and more than
    // there is cannot be taken.
    void zweiGeraeteAendernEineMenge_data() { ZAM_MotorenDaten(); }
    void zweiGeraeteAendernEineMenge()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        TZAM_Datenbank& a = FUmg->Backend().Datenbank();
        a.Schreiben(QStringLiteral("CREATE TABLE zt_bestand (platz INTEGER PRIMARY KEY, menge INTEGER NOT NULL)"));
        a.Schreiben(QStringLiteral("INSERT INTO zt_bestand (platz, menge) VALUES (1, 10)"));
        const QString platz = QStringLiteral("platz = ?");
        QCOMPARE(Fehler([&] { a.MengeAendern(QStringLiteral("zt_bestand"), QStringLiteral("menge"), platz, {1}, -1); }),
                 CZAM_Info_Fehler_Buchung_NichtOffen);

        a.TransaktionBeginnen();
        QVERIFY(a.MengeAendern(QStringLiteral("zt_bestand"), QStringLiteral("menge"), platz, {1}, -3));
        bool zweiteGebucht = false;
        QString zweiterFehler;
        const TZAM_DBKonfig k = Konfig(10000);
        std::unique_ptr<QThread> zweites(QThread::create([&] {
            try {
                TZAM_Datenbank b(k, QStringLiteral("zweites_geraet"));
                b.Oeffnen();
                b.TransaktionBeginnen(); // SQLite waits here, PostgreSQL at the row
                zweiteGebucht = b.MengeAendern(QStringLiteral("zt_bestand"), QStringLiteral("menge"),
                                               QStringLiteral("platz = ?"), {1}, -4);
                b.TransaktionFestschreiben();
            } catch (const std::exception& E) {
                zweiterFehler = QString::fromUtf8(E.what());
            }
        }));
        zweites->start();
        QThread::msleep(300);
        a.TransaktionFestschreiben();
        QVERIFY(zweites->wait(20000));
        QCOMPARE(zweiterFehler, QString());
        QVERIFY(zweiteGebucht);
        QCOMPARE(a.LesenWert(QStringLiteral("SELECT menge FROM zt_bestand WHERE platz = 1")).toInt(), 3);

        a.TransaktionBeginnen();
        QVERIFY(!a.MengeAendern(QStringLiteral("zt_bestand"), QStringLiteral("menge"), platz, {1}, -5));
        QVERIFY(!a.MengeAendern(QStringLiteral("zt_bestand"), QStringLiteral("menge"), platz, {2}, 1));
        a.TransaktionFestschreiben();
        QCOMPARE(a.LesenWert(QStringLiteral("SELECT menge FROM zt_bestand WHERE platz = 1")).toInt(), 3);
    }

    // Another device holds the data file, the lock file or a row: the busy message comes within
    // the deadline of the ini file, not when the other device lets go.
    void belegteDatenbankMeldetSichInDerFrist_data() { ZAM_MotorenDaten(); }
    void belegteDatenbankMeldetSichInDerFrist()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m, TZAM_Backend::TOptionen{}, false);
        QFile ini(FUmg->IniPfad());
        QVERIFY(ini.open(QIODevice::Append | QIODevice::Text));
        ini.write("[Datenbank]\nWartezeit=1\n");
        ini.close();
        FUmg->Neustart();
        TZAM_Datenbank& db = FUmg->Backend().Datenbank();
        db.Schreiben(CParameter, {QStringLiteral("P")});

        TZAM_Datenbank anderes(Konfig(1000), QStringLiteral("anderes_geraet"));
        anderes.Oeffnen();
        anderes.TransaktionBeginnen();
        anderes.Schreiben(QStringLiteral("UPDATE zam_parameter SET wert = '2' WHERE name = 'P'"));
        TZAM_Datenbank sperrDatei(Konfig(1000).FuerSperren(), QStringLiteral("andere_sperren"));
        if (m == TZAM_TestUmgebung::tmSQLite) {
            sperrDatei.Oeffnen();
            sperrDatei.TransaktionBeginnen();
        }

        QElapsedTimer uhr;
        uhr.start();
        if (m == TZAM_TestUmgebung::tmSQLite) {
            QCOMPARE(Fehler([&] { db.Schreiben(CParameter, {QStringLiteral("Q")}); }), CZAM_Info_Fehler_DB_Belegt);
            QCOMPARE(Fehler([] { ZAMBuchung().Oeffnen(69, QStringLiteral("b")); }), CZAM_Info_Fehler_DB_Belegt);
            QCOMPARE(Fehler([] { CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("P1")); }),
                     CZAM_Info_Fehler_DB_Belegt);
        } else {
            ZAMBuchung().Oeffnen(69, QStringLiteral("b"));
            QCOMPARE(Fehler([&] { db.Schreiben(QStringLiteral("UPDATE zam_parameter SET wert = '3' WHERE name = 'P'")); }),
                     CZAM_Info_Fehler_DB_Belegt);
            QCOMPARE(Fehler([] { ZAMBuchung().Schliessen(QStringLiteral("b")); }),
                     CZAM_Info_Fehler_Buchung_Aufgegeben);
        }
        QVERIFY2(uhr.elapsed() < 8000, qPrintable(QString::number(uhr.elapsed())));
        anderes.TransaktionFestschreiben();
        sperrDatei.TransaktionZuruecksetzen();
        QVERIFY(CommonLock().LockObjekt(QStringLiteral("Platz"), QStringLiteral("P1")));
    }

    // What PostgreSQL refuses, SQLite refuses too, so the SQLite tests find it.
    void werteRegelnAufBeidenMaschinenGleich_data() { ZAM_MotorenDaten(); }
    void werteRegelnAufBeidenMaschinenGleich()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        TZAM_Datenbank& db = FUmg->Backend().Datenbank();
        const QString lang(41, u'x');
        QCOMPARE(Fehler([&] { db.Schreiben(CParameter, {lang}); }), CZAM_Info_Fehler_DB_WertZuLang);
        db.Schreiben(CParameter, {QString(40, u'y')});
        QCOMPARE(Fehler([&] { db.Schreiben(QStringLiteral("UPDATE zam_parameter SET name = ?"), {lang}); }),
                 CZAM_Info_Fehler_DB_WertZuLang);

        db.Schreiben(QStringLiteral("INSERT INTO zam_lagergruppe (nummer, name, reihenfolge) VALUES (?, ?, ?)"),
                     {7, QStringLiteral("L"), true});
        QCOMPARE(db.LesenWert(QStringLiteral("SELECT reihenfolge FROM zam_lagergruppe WHERE nummer = 7")).toInt(), 1);

        QCOMPARE(Fehler([&] { db.Schreiben(QStringLiteral("INSERT INTO zam_drucker (id, typ, name) VALUES (?, 1, 'A')"),
                                           {1000}); }),
                 CZAM_Info_Fehler_DB_Anweisung);
        db.Schreiben(QStringLiteral("INSERT INTO zam_drucker (typ, name) VALUES (1, 'B')"));
        db.Schreiben(QStringLiteral("INSERT INTO zam_drucker (typ, name) VALUES (1, 'C')"));
        QCOMPARE(db.LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_drucker WHERE name IN ('B', 'C')")).toInt(), 2);
    }

    // More rows than one statement may carry go in several, each row once and in the order given.
    void vieleZeilenInEinerEinfuegung_data() { ZAM_MotorenDaten(); }
    void vieleZeilenInEinerEinfuegung()
    {
        ZAM_MOTOR(m);
        FUmg = std::make_unique<TZAM_TestUmgebung>(m);
        TZAM_Datenbank& db = FUmg->Backend().Datenbank();
        QStringList spalten;
        for (const char* s : {"prot_id", "von_id", "an_id", "prod_id"})
            for (int i = 1; i <= 3; ++i)
                spalten << QString::fromLatin1(s) + QString::number(i);
        spalten << QStringLiteral("zeit") << QStringLiteral("mita_id1") << QStringLiteral("mita_id2")
                << QStringLiteral("groesse") << QStringLiteral("umlagerungsart") << QStringLiteral("korrekturart")
                << QStringLiteral("von_filiale") << QStringLiteral("menge");
        QList<QVariantList> zeilen; // 20 columns: 49 rows fill one statement
        for (int i = 0; i < 99; ++i)
            zeilen << (QVariantList(19, 0) << i);
        db.TransaktionBeginnen();
        zam_ZeilenEinfuegen(db, QStringLiteral("zam_bewegung"), spalten, zeilen);
        db.TransaktionFestschreiben();
        QCOMPARE(db.LesenWert(QStringLiteral("SELECT COUNT(DISTINCT menge) FROM zam_bewegung")).toInt(), 99);
        QCOMPARE(db.LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_bewegung a JOIN zam_bewegung b ON "
                                             "b.id = a.id + 1 AND b.menge <> a.menge + 1"))
                     .toInt(),
                 0);
    }

    // Failed statements leave no prepared statement on the server (working ones are kept); a
    // connection name reaches one database only.
    void fehlschlaegeHinterlassenNichts()
    {
        FUmg = std::make_unique<TZAM_TestUmgebung>(TZAM_TestUmgebung::tmSQLite);
        TZAM_DBKonfig anderer = Konfig(1000);
        anderer.Datei += QStringLiteral(".anderer");
        TZAM_Datenbank erste(Konfig(1000), QStringLiteral("geteilt"));
        QCOMPARE(Fehler([&] { TZAM_Datenbank zweite(anderer, QStringLiteral("geteilt")); }),
                 CZAM_Info_Fehler_Standard_IllegalerParameter);

        ZAM_POSTGRES_PFLICHT();
        FUmg.reset();
        FUmg = std::make_unique<TZAM_TestUmgebung>(TZAM_TestUmgebung::tmPostgres);
        TZAM_Datenbank& db = FUmg->Backend().Datenbank();
        const QString vorbereitet =
            QStringLiteral("SELECT COUNT(*) FROM pg_prepared_statements WHERE statement LIKE ?");
        const QString teilen = QStringLiteral("SELECT 1 / (COUNT(*) - ?) FROM zam_parameter");
        db.Schreiben(CParameter, {QStringLiteral("A")});
        QCOMPARE(db.LesenWert(vorbereitet, {QStringLiteral("%INSERT INTO zam_parameter%")}).toInt(), 1);
        db.TransaktionBeginnen();
        // Both fail when run, after the server prepared them.
        QCOMPARE(Fehler([&] { db.Lesen(teilen, {1}); }), CZAM_Info_Fehler_DB_Anweisung);
        QCOMPARE(db.LesenWert(vorbereitet, {QStringLiteral("%SELECT 1 / (COUNT(*)%")}).toInt(), 0);
        QCOMPARE(Fehler([&] { db.Schreiben(CParameter, {QStringLiteral("A")}); }), CZAM_Info_Fehler_DB_Anweisung);
        QCOMPARE(db.LesenWert(vorbereitet, {QStringLiteral("%INSERT INTO zam_parameter%")}).toInt(), 0);
    }
};

QTEST_MAIN(TestDatenbank)
#include "tst_datenbank.moc"
