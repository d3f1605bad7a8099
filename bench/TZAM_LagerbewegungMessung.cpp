#include "TZAM_LagerbewegungMessung.h"

#include "TDM_Torvik.h"
#include "TQIV_ScanFeld.h"
#include "TState_ManuelleLagerbewegung.h"
#include "TState_ReineLagerBewegung.h"
#include "TZAM_Datenbank.h"
#include "TZAM_DemoGross.h"
#include "TZAM_Messung.h"
#include "TZAM_TestUmgebung.h"
#include "TfrmMDE.h"
#include "ZAMUtils.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

constexpr int CLager = TZAM_DemoGross::CLager;

// The place of run i: spread over the whole site.
TIntTrio Platz(int i)
{
    const int n = (i * 7919) % TZAM_DemoGross::TUmfang().Plaetze;
    return TIntTrio(CLager, 1 + n / 1000, 1 + n % 1000);
}

// The article code of the size the generator put first on a place (size index 1).
QString Code(const TIntTrio& APlatz)
{
    const int n = (APlatz.Id2 - 1) * 1000 + APlatz.Id3 - 1;
    return QStringLiteral("9%1").arg(500000 + n % TZAM_DemoGross::TUmfang().Artikel, 9, 10, QLatin1Char('0'));
}

double Ms(const QElapsedTimer& AUhr)
{
    return double(AUhr.nsecsElapsed()) / 1e6;
}

} // namespace

void TZAM_LagerbewegungMessung::Messen(TZAM_TestUmgebung& AUmgebung, TDM_Torvik& ADm, int ALaeufe)
{
    TZAM_Datenbank& db = AUmgebung.Backend().Datenbank();
    const bool sqlite = db.IstSQLite();
    for (int i = 0; i < 2 * ALaeufe; ++i) {
        const TIntTrio p = Platz(i);
        const int n = (p.Id2 - 1) * 1000 + p.Id3 - 1;
        db.Schreiben(QStringLiteral("INSERT INTO zam_artikel_code (code, art, prod_id1, prod_id2, prod_id3, groesse) "
                                    "VALUES (?, 1, 2, ?, 0, 1) ON CONFLICT DO NOTHING"),
                     {Code(p), 500000 + n % TZAM_DemoGross::TUmfang().Artikel});
    }

    TfrmMDE maske;
    maske.show();
    QElapsedTimer uhr;
    uhr.start();
    while (maske.AktStateName() != QLatin1String("TState_Menue") && uhr.elapsed() < 5000)
        QCoreApplication::processEvents();
    maske.FOptionen.Allgemein.AktLager = CLager;
    maske.LagerAnwenden();
    ADm.FMitarbeiter = TIntPair(1, 1);
    const int filiale = ADm.GetAktLagerFilialen().value(0, -1);
    const auto scannen = [&](const QString& ACode) {
        maske.edtScannFeld->setText(ACode);
        maske.edtScannFeldExit();
        maske.repaint();
    };
    auto& m = maske.Datentraeger_Get().Manuell;
    QList<double> orte, artikel, buchung;
    int gelistet = 0;
    for (int n = 0; n < ALaeufe; ++n) {
        maske.ChangeState<TState_ManuelleLagerbewegung>();
        m.Modus = CZAM_LB_Modus_UmlagerungArtikel;
        maske.ChangeState<TState_ReineLagerBewegung>();
        const TIntTrio von = Platz(2 * n), an = Platz(2 * n + 1);
        for (const TIntTrio& ort : {von, an}) {
            uhr.start();
            scannen(zam_TIntTrio2String(ort) + QStringLiteral("00000"));
            orte << Ms(uhr);
        }
        // The branch chosen before, as the branch selection hands it back.
        m.FFilZuordQuelle = qint16(filiale);
        uhr.start();
        scannen(Code(von));
        artikel << Ms(uhr);
        // The article row under the list's top row.
        const QAbstractItemModel* modell = maske.vtVRList->model();
        if (maske.AktStateName() == QLatin1String("TState_ReineLagerBewegung") && modell &&
            modell->rowCount(modell->index(0, 0)) == 1)
            ++gelistet;
        // The row booked: the source keeps its lock until the booking is stored, then the mode menu.
        uhr.start();
        maske.GiveState(StateKlasse<TState_ReineLagerBewegung>())->btnBuchenClick();
        maske.repaint();
        const double zeit = Ms(uhr);
        if (maske.AktStateName() == QLatin1String("TState_ManuelleLagerbewegung"))
            buchung << zeit;
    }
    maske.ChangeState<TState_ManuelleLagerbewegung>();
    TZAM_Messung::ZeileMitVerhaeltnis(sqlite, QStringLiteral("Umlagerung Artikel: Lagerort-Scan bis Kopf"), orte, 50);
    TZAM_Messung::ZeileMitVerhaeltnis(sqlite, QStringLiteral("Umlagerung Artikel: Artikel-Scan mit Fehlmengentest"),
                                      artikel, 50);
    std::printf("(%d von %d Artikeln in der Liste)\n", gelistet, ALaeufe);
    TZAM_Messung::ZeileMitVerhaeltnis(sqlite, QStringLiteral("Umlagerung Artikel: eine Zeile buchen"), buchung, 50);
    std::printf("(%lld von %d Umlagerungen gebucht)\n", qlonglong(buchung.size()), ALaeufe);
}
