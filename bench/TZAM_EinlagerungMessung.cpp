#include "TZAM_EinlagerungMessung.h"

#include "Einlagerungsliste.h"
#include "IZAM_Buchung.h"
#include "IZAM_LagerBewegungEditServer.h"
#include "TDM_Torvik.h"
#include "TQIV_ScanFeld.h"
#include "TStateKlasse.h"
#include "TState_EingangsBelegWahl.h"
#include "TVRList.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_DM_FilialPC_Ext.h"
#include "TZAM_Datenbank.h"
#include "TZAM_DemoGross.h"
#include "TZAM_InfoMeldungListe.h"
#include "TZAM_Messung.h"
#include "TZAM_TestUmgebung.h"
#include "TfrmMDE.h"
#include "ZAMBewegungslisteSpalten.h"
#include "ZAMGlobal.h"
#include "ZAMUtils.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>

#include <cstdio>
#include <stdexcept>

namespace {

constexpr int CLager = TZAM_DemoGross::CLager;
// The handheld's collective putaway bracket.
constexpr int COperationsArt = 69;
const QString CBuchung = QStringLiteral("TZAM_EinlagerungMessung.Sammeleinlagerung");

double Ms(const QElapsedTimer& AUhr)
{
    return double(AUhr.nsecsElapsed()) / 1e6;
}

// What TState_EingangsBelegWahl::Laden reads: the slips of each branch, then the warehouse's
// notices and external numbers (and articles on its goods-receipt place); answers the rows.
int Belegliste(TDM_Torvik& ADm)
{
    TZAM_DM_FilialPC_Ext* ext = ADm.DMExtFilPC_GoC();
    const QList<int>& filialen = ADm.GetAktLagerFilialen();
    ext->WBSListe().RowsClear();
    for (int i = 0; i < filialen.size(); ++i)
        ext->WBSListe_laden(3, filialen.at(i), i == 0);
    ext->WBSListe_laden(4, ADm.FAktLager, filialen.isEmpty());
    return ext->WBSListe().GetRowCount();
}

// A slip's barcode as the handheld reads it: list number, "11111111" and one character.
QString Barcode(const TIntPair& AWBS)
{
    return zam_TIntPair2String(AWBS) + QStringLiteral("11111111") + u'0';
}

// Two pieces of every size of the slip's article onto each of two ordinary places of the
// warehouse (another pair each run), as the target list hands it to the movement service.
TQIV_Lager_Sammeleinlagerung Satz(TDM_Torvik& ADm, const TIntPair& AWBS, int ALauf)
{
    TZAM_DM_FilialPC_Ext* ext = ADm.DMExtFilPC_GoC();
    ext->Bewegungsliste().RowsClear();
    if (!ext->Bewegungs_Liste_laden(AWBS, 30))
        throw std::runtime_error("WBS zum Einlagern ohne Bewegungen");
    const TVRList& l = ext->Bewegungsliste();
    TQIV_Lager_Sammeleinlagerung r;
    r.ProduktId = l.GetCellValueAsInt32Trio(0, cblProdukt);
    r.BelegId = l.GetCellValueAsIntTrio(0, cblBelegId);
    r.BewByte = l.GetCellValueAsInteger(0, cblBewByte);
    r.VonFiliale = qint16(l.GetCellValueAsInteger(0, cblVonFiliale));
    r.AnFiliale = qint16(l.GetCellValueAsInteger(0, cblAnFiliale));
    r.Lager = ADm.FAktLager;
    r.Mitarbeiter = ADm.FMitarbeiter;
    r.PersoAuswahl = paEinlagerung;
    r.PersoFiliale = -1;
    r.AufFehlmengeWarten = true;
    for (int k = 0; k < 2; ++k) {
        TQIV_Lager_Bew_Sortiment e;
        e.Lagerort = TIntTrio(CLager, 11 + ALauf % 30, 1 + (ALauf * 7 + 3 * k) % 1000);
        for (int g = 1; g <= 10; ++g)
            e.Menge.Me[size_t(g)] = 2;
        e.Menge.MinMax_Bestimmen();
        r.Lagerorte << e;
    }
    return r;
}

} // namespace

void TZAM_EinlagerungMessung::Messen(TZAM_TestUmgebung& AUmgebung, int ALaeufe)
{
    TZAM_Datenbank& db = AUmgebung.Backend().Datenbank();
    const bool sqlite = db.IstSQLite();
    QElapsedTimer uhr;
    uhr.start();
    const QList<TIntPair> wbs = Anlegen(db);
    std::printf("(Eingangsbelege angelegt in %.1f s: %lld WBS, %d WE-Avise, %d Bewegungen)\n", Ms(uhr) / 1000,
                qlonglong(wbs.size()),
                db.LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_weav WHERE lager = ?"), {CLager}).toInt(),
                db.LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_bnep WHERE bne_typ = 70")).toInt());

    TDM_Torvik dm({QStringLiteral("bench"), QStringLiteral("-mde")});
    TfrmMDE maske;
    maske.show();
    QElapsedTimer start;
    start.start();
    while (maske.AktStateName() != QLatin1String("TState_Menue") && start.elapsed() < 5000)
        QCoreApplication::processEvents();
    maske.FOptionen.Allgemein.AktLager = CLager;
    maske.LagerAnwenden();
    dm.FMitarbeiter = TIntPair(1, 1);
    if (dm.GetAktLagerFilialen().size() != CFilialen)
        throw std::runtime_error("das Lager der Messung hat nicht vier Filialen");

    // a. The document list of the warehouse with its four branches. A list takes seconds: a
    // tenth of the runs.
    QList<double> ms;
    int zeilen = 0;
    for (int n = 0; n < qMax(5, ALaeufe / 10); ++n) {
        uhr.start();
        zeilen = Belegliste(dm);
        ms << Ms(uhr);
    }
    TZAM_Messung::ZeileMitVerhaeltnis(sqlite, QStringLiteral("Einlagerung: Belegliste (4 Filialen, Lager)"), ms, 100);
    std::printf("(%d Belege in der Liste)\n", zeilen);
    // The same in goods-receipt mode 2: also the articles on the goods-receipt place.
    AUmgebung.ParameterSetzen(QStringLiteral("WEMode_Param"), QStringLiteral("2"));
    ms.clear();
    for (int n = 0; n < qMax(3, ALaeufe / 40); ++n) {
        uhr.start();
        zeilen = Belegliste(dm);
        ms << Ms(uhr);
    }
    AUmgebung.ParameterSetzen(QStringLiteral("WEMode_Param"), QStringLiteral("0"));
    TZAM_Messung::ZeileMitVerhaeltnis(sqlite, QStringLiteral("Einlagerung: Belegliste mit WE-Platz"), ms, 100);
    std::printf("(%d Zeilen mit den Artikeln auf dem WE-Platz)\n", zeilen);

    // b. A slip scanned in the document choice until the kinds menu is on the screen: the choice
    // entered (which loads its list, as above) before each run, the code through the scan field.
    // Entering takes seconds: a fifth of the runs. All runs once more with the code handed to the
    // choice's scan handler as the scan field hands it, the kinds menu of the run before on the
    // screen: the scan's own work, without replacing the choice's list on the screen.
    const auto scannen = [&](const QString& ACode) {
        maske.edtScannFeld->setText(ACode);
        maske.edtScannFeldExit();
        maske.repaint();
    };
    const auto messenScan = [&](const QString& AOperation, int ALaeufeScan, bool AUeberWahl) {
        QList<double> zeiten;
        int zielwahl = 0;
        qint64 bewegungen = 0;
        auto* wahl = static_cast<TState_EingangsBelegWahl*>(maske.GiveState(StateKlasse<TState_EingangsBelegWahl>()));
        auto& einlagerung = maske.Datentraeger_Get().Einlagerung;
        for (int n = 0; n < ALaeufeScan; ++n) {
            const TIntPair beleg = wbs.at((n * 7) % wbs.size());
            if (AUeberWahl)
                maske.ChangeState<TState_EingangsBelegWahl>();
            einlagerung.WBSID = TIntPair();
            uhr.start();
            if (AUeberWahl)
                scannen(Barcode(beleg));
            else {
                TZAM_UmgesetztUArtikelScanDaten scanDaten;
                wahl->Gescannt(Barcode(beleg), scanDaten);
                maske.repaint();
            }
            const double zeit = Ms(uhr);
            if (maske.AktStateName() != QLatin1String("TState_ZielWahl") || einlagerung.WBSID != beleg)
                continue;
            zeiten << zeit;
            ++zielwahl;
            bewegungen += dm.DMExtFilPC_GoC()->Bewegungsliste().GetRowCount();
        }
        TZAM_Messung::ZeileMitVerhaeltnis(sqlite, AOperation, zeiten, 50);
        std::printf("(%d von %d Scans im Artenmenü, im Mittel %lld Bewegungen)\n", zielwahl, ALaeufeScan,
                    zielwahl > 0 ? bewegungen / zielwahl : 0);
    };
    messenScan(QStringLiteral("Einlagerung: WBS-Scan bis Artenmenü"), qMax(10, ALaeufe / 5), true);
    messenScan(QStringLiteral("Einlagerung: WBS-Scan, nur Scan-Behandlung"), ALaeufe, false);

    // c. The previous places of the article on 200 places.
    ms.clear();
    int orte = 0;
    for (int n = 0; n < ALaeufe; ++n) {
        uhr.start();
        const std::unique_ptr<TVRList> liste = BisherigeLagerorteAnzeigen(TInt32Trio(2, 590001, 0), CLager);
        ms << Ms(uhr);
        orte = liste->GetRowCount();
    }
    TZAM_Messung::ZeileMitVerhaeltnis(sqlite, QStringLiteral("Einlagerung: bisherige Lagerorte (200)"), ms, 50);
    std::printf("(%d Lagerorte)\n", orte);

    // d. The collective putaway of a ten-size article onto two places, in the handheld's bracket;
    // each run a slip of its own.
    const QList<TIntPair> einlagern = EinlagerungsWBS(db, ALaeufe);
    IZAM_LagerBewegungEditServer& bewegung = TZAM_BewegungsDienste::Bewegung(dm);
    ms.clear();
    int gebucht = 0;
    QString fehler;
    for (int n = 0; n < ALaeufe; ++n) {
        TQIV_Lager_Sammeleinlagerung rec = Satz(dm, einlagern.at(n), n);
        TZAM_InfoMeldungListe meldungen;
        uhr.start();
        ZAMBuchung().Oeffnen(COperationsArt, CBuchung);
        const bool ok = bewegung.Sammeleinlagerung_Buchen(rec, meldungen, true);
        if (!ok)
            ZAMBuchung().Abbrechen();
        ZAMBuchung().Schliessen(CBuchung);
        const double zeit = Ms(uhr);
        if (!ok) {
            fehler = meldungen.Meldungen_AlsText(QStringLiteral("; "));
            continue;
        }
        ms << zeit;
        ++gebucht;
    }
    TZAM_Messung::ZeileMitVerhaeltnis(sqlite, QStringLiteral("Einlagerung: Sammeleinlagerung 10 Gr. auf 2 Plätze"), ms,
                                      50);
    std::printf("(%d von %d gebucht%s)\n", gebucht, ALaeufe,
                fehler.isEmpty() ? "" : qPrintable(QStringLiteral("; zuletzt abgelehnt: ") + fehler));
}
