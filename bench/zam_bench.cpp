// Times the framework operations every booking waits for, on SQLite and (with the test server
// of scripts/pg-testserver.sh up) on PostgreSQL:  zam_bench [LAEUFE] [wareneingang|einlagerung|lagerbewegung]
#include "TDM_Torvik.h"
#include "TZAM_AufgabenMessung.h"
#include "TZAM_DemoGross.h"
#include "TZAM_EinlagerungMessung.h"
#include "TZAM_LagerMessung.h"
#include "TZAM_LagerbewegungMessung.h"
#include "TZAM_Messung.h"
#include "TZAM_TestUmgebung.h"
#include "TZAM_WEBuchungMessung.h"
#include "TZAM_WEPlusAuftragMessung.h"
#include "TZAM_WEPlusStueckMessung.h"
#include "TZAM_WareneingangMessung.h"
#include "TZAM_WettlaufMessung.h"
#include "ZAMGlobal.h"

#include <QApplication>

#include <cstdio>

namespace {

// What the second argument selects: everything, only the goods receipt's rows or only the putaway's.
enum TAuswahl
{
    taAlles,
    taWareneingang,
    taEinlagerung,
    taLagerbewegung
};

void Messen(TZAM_TestUmgebung::TMotor AMotor, int ALaeufe, TAuswahl AAuswahl)
{
    TZAM_TestUmgebung umg(AMotor);
    CommonLock().SetBenutzer(TIntPair(1, 1), QStringLiteral("Messung"));
    TZAM_Messung::Kopf(AMotor == TZAM_TestUmgebung::tmSQLite ? QStringLiteral("SQLite") : QStringLiteral("PostgreSQL"));
    int n = 0;
    TZAM_Messung::Zeile(QStringLiteral("Sperre setzen (LockObjekt)"), ALaeufe, 0,
                        [&] { CommonLock().LockObjekt(QStringLiteral("Platz"), QString::number(n++)); });
    n = 0;
    TZAM_Messung::Zeile(QStringLiteral("Sperre lösen (UnlockObjekt)"), ALaeufe, 0,
                        [&] { CommonLock().UnlockObjekt(QStringLiteral("Platz"), QString::number(n++)); });
    TZAM_Messung::Zeile(QStringLiteral("leere Buchungsklammer"), ALaeufe, 0, [] {
        ZAMBuchung().Oeffnen(69, QStringLiteral("Messung"));
        ZAMBuchung().Schliessen(QStringLiteral("Messung"));
    });
    if (AAuswahl == taEinlagerung) {
        // The large site with a warehouse of four branches.
        umg.DemoAnlegen();
        TZAM_DemoGross::TUmfang umfang;
        umfang.Filialen = TZAM_EinlagerungMessung::CFilialen;
        TZAM_DemoGross::Anlegen(umg.Backend().Datenbank(), umfang);
        TZAM_EinlagerungMessung::Messen(umg, ALaeufe);
        return;
    }
    const auto lagerbewegung = [&] {
        TDM_Torvik dm({QStringLiteral("bench"), QStringLiteral("-mde")});
        TZAM_LagerbewegungMessung::Messen(umg, dm, ALaeufe);
    };
    if (AAuswahl == taLagerbewegung) {
        umg.DemoAnlegen();
        TZAM_DemoGross::Anlegen(umg.Backend().Datenbank(), {});
        lagerbewegung();
        return;
    }
    if (AAuswahl == taWareneingang) {
        umg.DemoAnlegen();
        TZAM_DemoGross::Anlegen(umg.Backend().Datenbank(), {});
    } else {
        TZAM_LagerMessung::Messen(umg, ALaeufe);
        lagerbewegung();
        // On the large site, for a branch of its warehouse.
        TZAM_AufgabenMessung::Messen(umg, ALaeufe, 905);
    }
    TZAM_WareneingangMessung::Messen(umg, ALaeufe);
    TZAM_WEPlusAuftragMessung::Messen(umg, ALaeufe);
    TZAM_WEBuchungMessung::Messen(umg, ALaeufe);
    TZAM_WEPlusStueckMessung::Messen(umg, ALaeufe);
    if (AMotor == TZAM_TestUmgebung::tmPostgres)
        TZAM_WEBuchungMessung::Wettlauf(umg, ALaeufe);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // A sibling of the goods-receipt posting's contention run.
    if (TZAM_WEBuchungMessung::IstKind(app.arguments()))
        return TZAM_WEBuchungMessung::Kind(app.arguments());
    const int laeufe = argc > 1 ? qMax(1, QString::fromLocal8Bit(argv[1]).toInt()) : 1000;
    // "wareneingang" as the second argument: only the goods receipt's rows, on the large site;
    // "einlagerung": only the putaway's, on the large site with four branches.
    const QString auswahlText = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const TAuswahl auswahl = auswahlText == QLatin1String("wareneingang")    ? taWareneingang
                             : auswahlText == QLatin1String("einlagerung")   ? taEinlagerung
                             : auswahlText == QLatin1String("lagerbewegung") ? taLagerbewegung
                                                                             : taAlles;
    try {
        Messen(TZAM_TestUmgebung::tmSQLite, laeufe, auswahl);
        QString grund;
        if (TZAM_TestUmgebung::PostgresVerfuegbar(&grund)) {
            Messen(TZAM_TestUmgebung::tmPostgres, laeufe, auswahl);
            if (auswahl != taAlles)
                return 0;
            {
                TZAM_TestUmgebung umg(TZAM_TestUmgebung::tmPostgres);
                TZAM_WettlaufMessung::Messen(umg);
            }
            TZAM_TestUmgebung umg(TZAM_TestUmgebung::tmPostgres);
            TZAM_WettlaufMessung::Picken(umg);
        } else
            std::printf("\nPostgreSQL: nicht gemessen (%s)\n", qPrintable(grund));
    } catch (const std::exception& E) {
        std::fprintf(stderr, "zam_bench: %s\n", E.what());
        return 1;
    }
    return 0;
}
