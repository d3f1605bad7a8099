#include "TZAM_WEPlusStueckMessung.h"

#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_ArtikelServer.h"
#include "IZAM_RechteServer.h"
#include "TDM_Torvik.h"
#include "TQIV_OptionenSeiten.h"
#include "TQIV_ScanFeld.h"
#include "TQIV_State_WEPlus_Artikelweise_LOScan.h"
#include "TZAM_CodeForm.h"
#include "TZAM_Datenbank.h"
#include "TZAM_DemoGross.h"
#include "TZAM_Messung.h"
#include "TZAM_RechteServerSql.h"
#include "TZAM_TestUmgebung.h"
#include "TfrmMDE.h"
#include "ZAMUtils.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QHash>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace {

// The order of the receipt: beside the large site's orders (9, 1..5000), of its first supplier.
const TIntPair CAuftrag(TZAM_DemoGross::CLager, 5001);
const QString CAuftragsNr = QStringLiteral("805001");
const QString CLieferschein = QStringLiteral("LS-805001");
// Dispositions (9, 5, 1 + d) of the order, each of five sizes of article (2, 500000 + 20 (d % 100), 0)
// (the first supplier's articles, each in two dispositions) for the branches of the warehouse:
// every piece is put away. Position p is the k-th (k = p % 5) of disposition p / 5, size
// 1 + (d + k) % 10.
const int CDispos = 200;
const int CJeDispo = 5;
const int CArtikel = 100;
const int CFilialen = 10; // the large site's branches 901..910
const int CZeilen = 1000;
const TIntPair CBenutzer(2, 9601);

const QString CZahlen =
    QStringLiteral("WITH RECURSIVE z(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM z WHERE i + 1 < CAST(? AS INTEGER)) ");

TInt32Trio Produkt(int APosition)
{
    return TInt32Trio(2, 500000 + 20 * ((APosition / CJeDispo) % CArtikel), 0);
}

int Groesse(int APosition)
{
    return 1 + (APosition / CJeDispo + APosition % CJeDispo) % 10;
}

// The label barcode of the position's article size (till size = size on the large site).
QString Code(int APosition)
{
    return TZAM_CodeForm::Etikett(5000000 + Produkt(APosition).Id2 - 500000, Groesse(APosition));
}

// One captured line as the capture writes it.
struct TZeile
{
    TInt32Trio Produkt;
    int Gr = 0;
    TIntTrio Dispo;
    qint16 AnFil = 0, AuftrFil = 0;
    TZAM_PersArt_ExtVerweis Verweis;
    TIntTrio VerfKombi;
    TIntPair AuftrNr;
    TIntTrio Platz;
    TIntTrio Scan;
};

// The order, its dispositions and the label codes of its articles.
void Anlegen(TZAM_Datenbank& ADb)
{
    const QDateTime jetzt = QDateTime::currentDateTime();
    ADb.Schreiben(QStringLiteral("INSERT INTO zam_bestellung (auftrag_kreis, auftrag_nr, eigene_nr, lieferant_id1, "
                                 "lieferant_id2, datum) VALUES (?, ?, ?, 5, 9001, ?)"),
                  {CAuftrag.Id1, CAuftrag.Id2, CAuftragsNr, jetzt});
    ADb.Schreiben(CZahlen + QStringLiteral("INSERT INTO zam_bne (id1, id2, id3, typ, datum, prod_id1, prod_id2, "
                                           "prod_id3, bewtyp, auftrag_kreis, auftrag_nr, datum2, geschlossen, "
                                           "preis_cent, dispo_datum, liefer_frueh, liefer_spaet, lieferanten_nr) "
                                           "SELECT ?, 5, 1 + i, 45, ?, 2, 500000 + 20 * (i % ?), 0, 1, ?, ?, ?, 0, "
                                           "1000 + i, ?, ?, ?, ? FROM z"),
                  {CDispos, CAuftrag.Id1, jetzt, CArtikel, CAuftrag.Id1, CAuftrag.Id2, jetzt, jetzt, jetzt,
                   jetzt.addDays(7), QStringLiteral("GL-") + CAuftragsNr});
    // Twenty pieces a position: the captured lines and every posting run fit in.
    ADb.Schreiben(CZahlen + QStringLiteral("INSERT INTO zam_bnep (bne_id1, bne_id2, bne_id3, bne_typ, ziel_filiale, "
                                           "quell_filiale, menge, bewtyp, auftr_filiale, groesse, erhalten) "
                                           "SELECT ?, 5, 1 + i / 5, 45, 901 + (i / 5 + (i % 5) / 3) % ?, 0, 20, 1, "
                                           "901, 1 + (i / 5 + i % 5) % 10, 0 FROM z"),
                  {CDispos * CJeDispo, CAuftrag.Id1, CFilialen});
    ADb.Schreiben(CZahlen + QStringLiteral("INSERT INTO zam_artikel_code (code, art, prod_id1, prod_id2, prod_id3, "
                                           "groesse) SELECT '' || (5000000 + 20 * (i / 10)) || CASE WHEN i % 10 < 9 "
                                           "THEN '00' ELSE '0' END || (1 + i % 10), ?, 2, 500000 + 20 * (i / 10), 0, "
                                           "1 + i % 10 FROM z"),
                  {CArtikel * 10, int(acaEtikett)});
}

void CacheZeile(TDM_Torvik& ADm, const TZeile& AZeile, TQIV_WEPlus_DatenCache& ACache)
{
    ADm.Daten_2_DatenCache(AZeile.Produkt, AZeile.Gr, AZeile.Dispo, AZeile.AnFil, AZeile.AuftrFil, AZeile.Verweis,
                           CLieferschein, AZeile.VerfKombi, 1, AZeile.Platz, AZeile.Scan, ACache);
}

// The line's scan record, written afresh.
void ScanSatz(TDM_Torvik& ADm, TZeile& AZeile)
{
    AZeile.Scan = ADm.Daten_2_ScanSatz(AZeile.AuftrNr, CLieferschein, AZeile.Produkt, AZeile.Gr, AZeile.Dispo, 1,
                                       AZeile.Verweis, AZeile.AnFil, AZeile.Platz);
    if (AZeile.Scan.IsNull())
        throw std::runtime_error("Scansatz nicht geschrieben");
}

// 1,000 pieces, one of each position, matched to their dispositions as the capture matches them
// and put away 50 to a place.
QList<TZeile> Erfassen(TDM_Torvik& ADm, TQIV_WEPlus_DatenCache& ACache)
{
    QList<TZeile> zeilen;
    for (int p = 0; p < CZeilen; ++p) {
        QList<TQIV_Dispo_Info> dispos;
        TQIV_Dispo_Info_List geprueft;
        if (!ADm.Dispos_4_AuftragsNrN(ACache, Produkt(p), Groesse(p), {CAuftrag}, TIntTrioList(), dispos))
            throw std::runtime_error("keine Dispo für ein Stück des Auftrags");
        const TQIV_Dispo_Info d = ADm.Dispo_NachPrio_Waehlen(false, dispos, {}, false, geprueft);
        if (d.Menge.ZielTyp != bmzEinlagerung)
            throw std::runtime_error("Stück des Auftrags nicht zur Einlagerung");
        TZeile z;
        z.Produkt = Produkt(p);
        z.Gr = Groesse(p);
        z.Dispo = d.Vorgang;
        z.AnFil = d.Menge.FilialeMenge.Filiale;
        z.AuftrFil = d.Menge.FilialeMenge.AuftrFiliale;
        z.Verweis = TDM_Torvik::ExtVerw_4_WEPlus_umbiegen(d.Menge.FilialeMenge.Verweis);
        z.VerfKombi = d.Menge.VerfKombiId;
        z.AuftrNr = d.Menge.AuftrNr;
        z.Platz = TIntTrio(TZAM_DemoGross::CLager, 1, 1 + p / 50);
        ScanSatz(ADm, z);
        CacheZeile(ADm, z, ACache);
        zeilen << z;
    }
    return zeilen;
}

double Ms(const QElapsedTimer& AUhr)
{
    return double(AUhr.nsecsElapsed()) / 1e6;
}

} // namespace

void TZAM_WEPlusStueckMessung::Messen(TZAM_TestUmgebung& AUmgebung, int ALaeufe)
{
    TZAM_Datenbank& db = AUmgebung.Backend().Datenbank();
    const bool sqlite = db.IstSQLite();
    Anlegen(db);
    TZAM_RechteServerSql::BenutzerAnlegen(db, QStringLiteral("wepstueck"), QStringLiteral("a"), CBenutzer, CBenutzer);
    TIntPair benutzer;
    const std::unique_ptr<IZAM_RechteServer> rechte = Glob_WWSServerFactoryClass().Create<IZAM_RechteServer>();
    if (!rechte || !rechte->Anmelden(QStringLiteral("wepstueck"), QStringLiteral("a"), benutzer))
        throw std::runtime_error("Anmeldung für WE-Plus misslungen");

    TDM_Torvik dm({QStringLiteral("bench"), QStringLiteral("-mde")});
    TfrmMDE maske;
    // Shown as on the device: the target rows are fitted to the panel's width.
    maske.show();
    QElapsedTimer start;
    start.start();
    while (maske.AktStateName() != QLatin1String("TState_Menue") && start.elapsed() < 5000)
        QCoreApplication::processEvents();
    maske.FOptionen.Allgemein.AktLager = TZAM_DemoGross::CLager;
    maske.LagerAnwenden();
    dm.MitaGepNr_4_WEPLus_Setzen();
    // Nothing is printed: no label for any target kind, no reservation document.
    auto& o = maske.FOptionen.WEPlus;
    o.EtikDruckVersand = o.EtikDruckAbholung = o.EtikDruckBearb = o.EtikDruckFA = o.EtikDruckEinlag = wpeNie;
    maske.FOptionen.WeitereDrucker.ResBelDrucker = TQIV_OptionenSeiten::CNichtDrucken;

    auto& w = maske.Datentraeger_Get().WEPlus;
    w.VELTAuftragsNrN = {CAuftrag};
    w.AuftragsnummerStr = CAuftragsNr;
    w.Lieferscheinnummer = CLieferschein;
    TQIV_WEPlus_DatenCache erfasst;
    QList<TZeile> zeilen = Erfassen(dm, erfasst);
    const auto frisch = [&] {
        TQIV_WEPlus_DatenCache c;
        for (const TZeile& z : zeilen)
            CacheZeile(dm, z, c);
        return c;
    };
    const auto scannen = [&](const QString& ACode) {
        maske.edtScannFeld->setText(ACode);
        maske.edtScannFeldExit();
        maske.repaint();
    };
    w.DatenCache = std::move(erfasst);

    // A piece of the order in turn, scanned until its target is on the screen.
    QList<double> ms;
    int gemalt = 0;
    QElapsedTimer uhr;
    for (int n = 0; n < ALaeufe; ++n) {
        maske.ChangeState<TQIV_State_WEPlus_Artikelweise_LOScan>();
        const QString code = Code((n * 7) % CZeilen);
        uhr.start();
        scannen(code);
        ms << Ms(uhr);
        gemalt += maske.HeaderCaption_Get() == QLatin1String("Einlagerung");
    }
    TZAM_Messung::ZeileMitVerhaeltnis(sqlite, QStringLiteral("WE-Plus Stück: Scan bis Ziel"), ms, 50);
    std::printf("(%d von %d Stück mit Ziel, Cache %d Stück)\n", gemalt, ALaeufe,
                dm.Gesamtmenge_im_DatenCache(w.DatenCache, {}));

    // The piece on the screen booked by scanning an ordinary place of the warehouse (each run
    // another one, replacing the offered place); the cache holds the 1,000 lines before each run.
    ms.clear();
    int gebucht = 0;
    for (int n = 0; n < ALaeufe; ++n) {
        w.DatenCache = frisch();
        maske.ChangeState<TQIV_State_WEPlus_Artikelweise_LOScan>();
        scannen(Code((n * 13) % CZeilen));
        const QString platz = zam_TIntTrio2String(TIntTrio(TZAM_DemoGross::CLager, 2 + n % 40, 1 + (n * 7) % 1000)) +
                              QStringLiteral("00000");
        uhr.start();
        scannen(platz);
        const double zeit = Ms(uhr);
        // Only bookings count: a refused place would measure something else.
        if (dm.Gesamtmenge_im_DatenCache(w.DatenCache, {}) != CZeilen + 1)
            continue;
        ms << zeit;
        ++gebucht;
    }
    if (gebucht == 0)
        std::printf("WE-Plus Stück: kein Stück gebucht\n");
    TZAM_Messung::ZeileMitVerhaeltnis(sqlite, QStringLiteral("WE-Plus Stück: Buchen"), ms, 50);
    std::printf("(%d von %d Stück gebucht)\n", gebucht, ALaeufe);
    maske.ChangeState<TQIV_State_WEPlus_Artikelweise_LOScan>();
    w.DatenCache.Clear();

    // The posting of the 1,000 lines; their scan records are written afresh before each run.
    const QString belege = QStringLiteral("SELECT COUNT(*) FROM zam_we");
    const int buchungen = qBound(3, ALaeufe / 100, 5);
    ms.clear();
    qint64 gruppen = 0;
    for (int r = 0; r < buchungen; ++r) {
        TQIV_WEPlus_DatenCache cache;
        for (TZeile& z : zeilen) {
            ScanSatz(dm, z);
            CacheZeile(dm, z, cache);
        }
        TQIV_InttrioString_List fehler;
        QString text;
        const qint64 vorher = db.LesenWert(belege).toLongLong();
        uhr.start();
        const bool ok = dm.WEPlus_AusScansaetzen_Buchen(cache, fehler, text);
        const double zeit = Ms(uhr);
        if (!ok || cache.Count() != 0) {
            std::printf("WE-Plus Stück: nicht alles gebucht (%s)\n", qPrintable(text));
            break;
        }
        ms << zeit;
        gruppen = db.LesenWert(belege).toLongLong() - vorher;
    }
    TZAM_Messung::ZeileMitVerhaeltnis(sqlite, QStringLiteral("WE-Plus Stück: Buchung 1000 Zeilen"), ms, 0);
    std::printf("(%lld Gruppen je Buchung)\n", gruppen);
    rechte->Abmelden();
}
