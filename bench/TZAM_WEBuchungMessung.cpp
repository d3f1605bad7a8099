#include "TZAM_WEBuchungMessung.h"

#include "EZAM_Exception.h"
#include "TArtikelTools.h"
#include "TDM_Torvik.h"
#include "TVRList.h"
#include "TZAM_Backend.h"
#include "TZAM_Datenbank.h"
#include "TZAM_Messung.h"
#include "TZAM_DemoGross.h"
#include "TZAM_TestUmgebung.h"
#include "Vrtools.h"
#include "ZAMGlobal.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QSet>
#include <QThread>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

const QString CKind = QStringLiteral("--webuchung-kind");
const int CFiliale = 901;
// The article of TZAM_WareneingangMessung's order with 50 dispositions (45, 99, 1..50), each
// with positions of the sizes 0 to 9 for branch 901.
const TInt32Trio CArtikel50(2, 500001, 0);
const TIntPair CAuftrag50(45, 990001);
const int CWettlaufDispos = 5;
const int CWettlaufProzesse = 8;
const TIntTrio CWettlaufPlatz(TZAM_DemoGross::CLager, 2, 1);

// The SQLite median and 95th percentile per row, for the ratios of the PostgreSQL rows.
QHash<QString, std::pair<double, double>>& SQLiteWerte()
{
    static QHash<QString, std::pair<double, double>> GWerte;
    return GWerte;
}

// One row from times taken outside the run, with the ratio to SQLite under a PostgreSQL row.
void Zeile(TZAM_TestUmgebung& AUmgebung, const QString& AOperation, const QList<double>& AMs, double AZielMs)
{
    const auto [median, p95] = TZAM_Messung::Zeile(AOperation, AMs, AZielMs);
    if (AMs.isEmpty())
        return;
    if (AUmgebung.Backend().Datenbank().IstSQLite())
        SQLiteWerte()[AOperation] = {median, p95};
    else if (const auto s = SQLiteWerte().value(AOperation); s.first > 0 && s.second > 0)
        std::printf("(PostgreSQL/SQLite: Median %.2f, 95 %% %.2f)\n", median / s.first, p95 / s.second);
    std::fflush(stdout);
}

// Ten articles in three sizes, each counted for one of two branches of the warehouse: 30 rows of
// two pieces, in the count list's columns product, supplier key, size, quantity, branch.
TVRList Zaehlliste()
{
    TVRList liste;
    liste.ColumnAdd(QStringLiteral("Produkt"), vrtInt32Trio);
    liste.ColumnAdd(QStringLiteral("HerstId"), vrtIntPair);
    for (const char* name : {"Gr", "Menge", "Fil"})
        liste.ColumnAdd(QString::fromLatin1(name), vrtInteger);
    for (int a = 0; a < 10; ++a)
        for (int gr = 1; gr <= 3; ++gr) {
            const TInt32Trio produkt(2, 500001 + a, 0);
            TVRArray z = liste.VRArray_ForRowAdd_Generate();
            Int32Trio2VRItem(produkt, z[0]);
            IntPair2VRItem(TArtikelTools::Lieferant_4_ProdID(produkt), z[1]);
            Integer2VRItem(gr, z[2]);
            Integer2VRItem(2, z[3]);
            Integer2VRItem(CFiliale + a % 2, z[4]);
            liste.RowAdd(z);
        }
    return liste;
}

// One WE-Plus group as the receipt scans it: AZeilen records of disposition ADispo (sizes 1 to 9,
// one to three pieces) on the place, in the cache and as scan records; the pieces.
int GruppeScannen(TDM_Torvik& ADm, TQIV_WEPlus_DatenCache& ACache, const TIntTrio& ADispo, const QString& ALS,
                  const TIntTrio& APlatz, int AZeilen, QList<TIntTrio>* AScans)
{
    int stueck = 0;
    for (int l = 0; l < AZeilen; ++l) {
        const int gr = 1 + l % 9, menge = 1 + l % 3;
        const TIntTrio scan =
            ADm.Daten_2_ScanSatz(CAuftrag50, ALS, CArtikel50, gr, ADispo, menge, {}, CFiliale, APlatz);
        if (scan.IsNull())
            throw std::runtime_error("Scansatz nicht geschrieben");
        ADm.Daten_2_DatenCache(CArtikel50, gr, ADispo, CFiliale, CFiliale, TDM_Torvik::ExtVerw_4_WEPlus_umbiegen({}),
                               ALS, {}, menge, APlatz, scan, ACache);
        if (AScans)
            AScans->append(scan);
        stueck += menge;
    }
    return stueck;
}

QString Idents(const QList<TIntTrio>& AScans)
{
    QStringList t;
    for (const TIntTrio& s : AScans)
        t << QString::number(s.Id3);
    return t.join(u',');
}

// What the shared dispositions received, the article's stock on places and of branches, the last
// scan record.
struct TStand
{
    qint64 Erhalten = 0, Bestand = 0, Filialbestand = 0, LetzterScan = 0;
};

TStand Stand(TZAM_Datenbank& ADb)
{
    const QVariantList artikel = {CArtikel50.Id1, CArtikel50.Id2, CArtikel50.Id3};
    TStand s;
    s.Erhalten = ADb.LesenWert(QStringLiteral("SELECT COALESCE(SUM(erhalten), 0) FROM zam_bnep WHERE bne_id1 = 45 "
                                              "AND bne_id2 = 99 AND bne_id3 BETWEEN 1 AND ?"),
                               {CWettlaufDispos})
                     .toLongLong();
    const QString summe = QStringLiteral("SELECT COALESCE(SUM(menge), 0) FROM %1 WHERE prod_id1 = ? AND prod_id2 = ? "
                                         "AND prod_id3 = ?");
    s.Bestand = ADb.LesenWert(summe.arg(QStringLiteral("zam_bestand")), artikel).toLongLong();
    s.Filialbestand = ADb.LesenWert(summe.arg(QStringLiteral("zam_bf")), artikel).toLongLong();
    s.LetzterScan = ADb.LesenWert(QStringLiteral("SELECT COALESCE(MAX(id), 0) FROM zam_scansatz")).toLongLong();
    return s;
}

} // namespace

void TZAM_WEBuchungMessung::Messen(TZAM_TestUmgebung& AUmgebung, int ALaeufe)
{
    TZAM_Datenbank& db = AUmgebung.Backend().Datenbank();
    TDM_Torvik dm({QStringLiteral("bench"), QStringLiteral("-mde")});
    dm.AktLagerMitBuchungsfiliale_Setzen(TZAM_DemoGross::CLager);
    dm.AktLagerFilialen_Aus_AktLager();
    const int laeufe = qBound(5, ALaeufe, 100);
    const QString belege = QStringLiteral("SELECT COUNT(*) FROM zam_we");
    QElapsedTimer uhr;

    // The whole count list, and its share per group (a group is one goods-receipt document).
    const TVRList liste = Zaehlliste();
    const TIntTrio platz(TZAM_DemoGross::CLager, 1, 1);
    QList<double> ganz, jeGruppe;
    int gruppen = 0, wenigste = INT_MAX, meiste = 0;
    for (int i = 0; i < laeufe; ++i) {
        TQIV_InttrioString_List fehler;
        QString text;
        const qint64 vorher = db.LesenWert(belege).toLongLong();
        uhr.start();
        const bool ok = dm.WE_Buchen(text, fehler, &liste, 0, 1, 2, 3, 4, QStringLiteral("Nein"), platz);
        const double ms = double(uhr.nsecsElapsed()) / 1e6;
        gruppen = int(db.LesenWert(belege).toLongLong() - vorher);
        if (!ok || gruppen <= 0) {
            std::printf("WE_Buchen: nicht gebucht (%s)\n", qPrintable(text));
            return;
        }
        ganz << ms;
        jeGruppe << ms / gruppen;
        wenigste = qMin(wenigste, gruppen);
        meiste = qMax(meiste, gruppen);
    }
    Zeile(AUmgebung, QStringLiteral("WE_Buchen ganz (30 Zeilen)"), ganz, 0);
    Zeile(AUmgebung, QStringLiteral("WE_Buchen: eine Gruppe (30 Zeilen)"), jeGruppe, 50);
    // The dispositions fill up from run to run, so the groups may vary.
    std::printf("(%d bis %d Gruppen je Zählliste)\n", wenigste, meiste);

    // A cache of 300 lines in 30 groups (by disposition, delivery note and place), filled afresh
    // before each run outside the time.
    dm.Scansaetze_4_WEPLus_Loeschen();
    QList<double> wePlus;
    for (int i = 0; i < laeufe; ++i) {
        TQIV_WEPlus_DatenCache cache;
        for (int g = 0; g < 30; ++g)
            GruppeScannen(dm, cache, TIntTrio(45, 99, 1 + g), QStringLiteral("WB-%1-%2").arg(i).arg(g),
                          TIntTrio(TZAM_DemoGross::CLager, 1, 11 + g), 10, nullptr);
        TQIV_InttrioString_List fehler;
        QString text;
        const qint64 vorher = db.LesenWert(belege).toLongLong();
        uhr.start();
        const bool ok = dm.WEPlus_AusScansaetzen_Buchen(cache, fehler, text);
        const double ms = double(uhr.nsecsElapsed()) / 1e6;
        if (!ok || cache.Count() != 0 || db.LesenWert(belege).toLongLong() - vorher != 30) {
            std::printf("WE-Plus: nicht alles gebucht (%s)\n", qPrintable(text));
            return;
        }
        wePlus << ms / 30;
    }
    Zeile(AUmgebung, QStringLiteral("WE-Plus: eine Gruppe (Cache 300 Zeilen, 30 Gruppen)"), wePlus, 50);
}

void TZAM_WEBuchungMessung::Wettlauf(TZAM_TestUmgebung& AUmgebung, int ALaeufe)
{
    TZAM_Datenbank& db = AUmgebung.Backend().Datenbank();
    const int sekunden = ALaeufe < 10 ? 5 : 30;
    const TStand vorher = Stand(db);
    // The siblings meet: each starts posting at the same moment, once all have connected.
    const qint64 start = QDateTime::currentMSecsSinceEpoch() + 3000;
    const qint64 ende = start + qint64(sekunden) * 1000;
    QStringList fehler;
    std::vector<std::unique_ptr<QProcess>> prozesse;
    for (int i = 0; i < CWettlaufProzesse; ++i) {
        auto p = std::make_unique<QProcess>();
        p->setProcessChannelMode(QProcess::ForwardedChannels);
        p->start(QCoreApplication::applicationFilePath(),
                 {CKind, AUmgebung.IniPfad(), QString::number(start), QString::number(ende),
                  AUmgebung.Verzeichnis() + QStringLiteral("/webuchung%1.txt").arg(i)});
        if (!p->waitForStarted())
            fehler << QStringLiteral("Programm %1 startet nicht").arg(i);
        prozesse.push_back(std::move(p));
    }
    for (auto& p : prozesse)
        if (!p->waitForFinished(sekunden * 1000 + 120000) || p->exitCode() != 0)
            fehler << QStringLiteral("Programm endete mit %1").arg(p->exitCode());

    // What the siblings say they posted and what was refused.
    QSet<qint64> gebucht, verweigert;
    qint64 stueck = 0, gruppen = 0, abgelehnt = 0;
    for (int i = 0; i < CWettlaufProzesse; ++i) {
        QFile f(AUmgebung.Verzeichnis() + QStringLiteral("/webuchung%1.txt").arg(i));
        if (!f.open(QIODevice::ReadOnly))
            fehler << f.fileName();
        while (!f.atEnd()) {
            const QStringList t = QString::fromUtf8(f.readLine()).trimmed().split(u' ');
            const bool ok = t.value(0) == QLatin1String("1");
            if (!(ok && t.size() == 3) && !(t.value(0) == QLatin1String("0") && t.size() == 2)) {
                fehler << t.join(u' ');
                continue;
            }
            for (const QString& id : t.last().split(u',')) {
                QSet<qint64>& ziel = ok ? gebucht : verweigert;
                if (gebucht.contains(id.toLongLong()) || verweigert.contains(id.toLongLong()))
                    fehler << QStringLiteral("Scansatz %1 doppelt gemeldet").arg(id);
                ziel.insert(id.toLongLong());
            }
            if (ok) {
                ++gruppen;
                stueck += t.at(1).toLongLong();
            } else {
                ++abgelehnt;
            }
        }
    }

    // Conservation: the dispositions and the stock rose by what was posted, each posted record
    // is consumed and has one document line, a refused one is open and has none.
    const TStand nachher = Stand(db);
    const auto vergleichen = [&](const char* AName, qint64 AVorher, qint64 ANachher) {
        if (ANachher - AVorher != stueck)
            fehler << QStringLiteral("%1 um %2 gestiegen, gebucht %3")
                          .arg(QLatin1String(AName))
                          .arg(ANachher - AVorher)
                          .arg(stueck);
    };
    vergleichen("erhalten", vorher.Erhalten, nachher.Erhalten);
    vergleichen("Bestand", vorher.Bestand, nachher.Bestand);
    vergleichen("Filialbestand", vorher.Filialbestand, nachher.Filialbestand);
    const TZAM_Zeilen saetze = db.Lesen(QStringLiteral("SELECT s.id, s.offen, (SELECT COUNT(*) FROM zam_wep w WHERE "
                                                       "w.scansatz_id = s.id) FROM zam_scansatz s WHERE s.id > ?"),
                                        {vorher.LetzterScan});
    qint64 gesehen = 0;
    for (const QVariantList& r : saetze.Zeilen()) {
        const qint64 id = r.at(0).toLongLong();
        const bool ok = gebucht.contains(id);
        gesehen += ok;
        if (ok ? (r.at(1).toInt() != 0 || r.at(2).toInt() != 1) : (r.at(1).toInt() != 1 || r.at(2).toInt() != 0))
            fehler << QStringLiteral("Scansatz %1: offen %2, %3 Belegzeilen")
                          .arg(id)
                          .arg(r.at(1).toInt())
                          .arg(r.at(2).toInt());
    }
    if (gesehen != gebucht.size())
        fehler << QStringLiteral("%1 gebuchte Scansätze fehlen").arg(gebucht.size() - gesehen);
    std::printf("WE-Plus, %d Programme, %d s: %lld Gruppen gebucht (%.1f je Sekunde, %lld Stück, %lld Scansätze), "
                "%lld verweigert\n",
                CWettlaufProzesse, sekunden, gruppen, double(gruppen) / sekunden, stueck, qint64(gebucht.size()),
                abgelehnt);
    fehler.removeDuplicates();
    std::printf("Erhaltung: %s\n", fehler.isEmpty() ? "ok" : qPrintable(fehler.mid(0, 20).join(QStringLiteral("; "))));
    std::fflush(stdout);
}

bool TZAM_WEBuchungMessung::IstKind(const QStringList& AArgumente)
{
    return AArgumente.value(1) == CKind;
}

int TZAM_WEBuchungMessung::Kind(const QStringList& AArgumente)
{
    QFile aus(AArgumente.value(5));
    if (!aus.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 3;
    const auto zeile = [&](const QString& AText) {
        aus.write((AText + QLatin1Char('\n')).toUtf8());
        aus.flush();
    };
    TZAM_Backend::TOptionen opt;
    opt.Argumente = AArgumente;
    opt.IniPfad = AArgumente.value(2);
    opt.MeldungenOhneFenster = true;
    try {
        TZAM_Backend backend(opt);
        ZAMProgramm().Init(QStringLiteral("QKOM"), 3, 0, 0, true);
        CommonLock().SetBenutzer(TIntPair(1, 1), QStringLiteral("Messung"));
        TDM_Torvik dm({QStringLiteral("bench"), QStringLiteral("-mde")});
        dm.AktLagerMitBuchungsfiliale_Setzen(TZAM_DemoGross::CLager);
        dm.AktLagerFilialen_Aus_AktLager();
        const qint64 ende = AArgumente.value(4).toLongLong();
        if (const qint64 warten = AArgumente.value(3).toLongLong() - QDateTime::currentMSecsSinceEpoch(); warten > 0)
            QThread::msleep(quint64(warten));
        const int pid = int(QCoreApplication::applicationPid());
        for (int n = 0; QDateTime::currentMSecsSinceEpoch() < ende; ++n) {
            // One group of ten lines on the shared place, for one of the shared dispositions.
            TQIV_WEPlus_DatenCache cache;
            QList<TIntTrio> scans;
            const int stueck = GruppeScannen(dm, cache, TIntTrio(45, 99, 1 + n % CWettlaufDispos),
                                             QStringLiteral("WL-%1-%2").arg(pid).arg(n), CWettlaufPlatz, 10, &scans);
            TQIV_InttrioString_List fehler;
            QString text;
            const bool ok = dm.WEPlus_AusScansaetzen_Buchen(cache, fehler, text);
            zeile(ok ? QStringLiteral("1 %1 %2").arg(stueck).arg(Idents(scans)) : QStringLiteral("0 ") + Idents(scans));
        }
    } catch (const EZAM_Exception& E) {
        zeile(QStringLiteral("F ") + E.Meldungstext());
        return 2;
    } catch (const std::exception& E) {
        zeile(QStringLiteral("F ") + QString::fromLocal8Bit(E.what()));
        return 2;
    }
    return 0;
}
