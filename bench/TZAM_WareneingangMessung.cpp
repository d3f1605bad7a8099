#include "TZAM_WareneingangMessung.h"

#include "TDM_Torvik.h"
#include "TSCANNMani.h"
#include "TVRList.h"
#include "TZAM_DM_FilialPC_Ext.h"
#include "TZAM_Datenbank.h"
#include "TZAM_DemoGross.h"
#include "TZAM_Messung.h"
#include "TZAM_TestUmgebung.h"
#include "Vrtools.h"

#include <cstdio>

namespace {

const int CFiliale = 901;
// The article of the order with 50 dispositions, and the article in 100 orders.
const TInt32Trio CArtikel50(2, 500001, 0);
const TInt32Trio CArtikel100(2, 500002, 0);
const TIntPair CAuftrag50(45, 990001);

const QString CZahlen =
    QStringLiteral("WITH RECURSIVE z(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM z WHERE i + 1 < CAST(? AS INTEGER)) ");

// ADispos dispositions (45, 99, AErste + i) of the product, in order AAuftragNr + i / AJeAuftrag,
// each with positions of 10 sizes for the branch, 100 pieces planned each.
void Dispositionen(TZAM_Datenbank& ADb, int AErste, int ADispos, int AJeAuftrag, int AAuftragNr,
                   const TInt32Trio& AProdukt)
{
    ADb.Schreiben(CZahlen + QStringLiteral("INSERT INTO zam_bne (id1, id2, id3, typ, datum, prod_id1, prod_id2, "
                                           "prod_id3, bewtyp, auftrag_kreis, auftrag_nr) SELECT 45, 99, ? + i, 45, ?, "
                                           "?, ?, ?, 1, 45, ? + i / ? FROM z"),
                  {ADispos, AErste, QDateTime::currentDateTime(), AProdukt.Id1, AProdukt.Id2, AProdukt.Id3, AAuftragNr,
                   AJeAuftrag});
    ADb.Schreiben(CZahlen + QStringLiteral("INSERT INTO zam_bnep (bne_id1, bne_id2, bne_id3, bne_typ, ziel_filiale, "
                                           "auftr_filiale, groesse, menge) SELECT 45, 99, ? + i / 10, 45, ?, ?, "
                                           "i % 10, 100 FROM z"),
                  {ADispos * 10, AErste, CFiliale, CFiliale});
}

} // namespace

void TZAM_WareneingangMessung::Messen(TZAM_TestUmgebung& AUmgebung, int ALaeufe)
{
    TZAM_Datenbank& db = AUmgebung.Backend().Datenbank();
    Dispositionen(db, 1, 50, 50, CAuftrag50.Id2, CArtikel50);
    Dispositionen(db, 100, 100, 1, 990100, CArtikel100);

    TDM_Torvik dm({QStringLiteral("bench"), QStringLiteral("-mde")});
    dm.AktLagerMitBuchungsfiliale_Setzen(TZAM_DemoGross::CLager);
    dm.AktLagerFilialen_Aus_AktLager();
    dm.Scansaetze_4_WEPLus_Loeschen();
    const int laeufe = qMax(5, ALaeufe / 10);

    // The receipt's cache already holds 1,000 scanned lines.
    TQIV_WEPlus_DatenCache cache;
    for (int i = 0; i < 1000; ++i)
        dm.Daten_2_DatenCache(TInt32Trio(2, 500100 + i % 100, 0), i % 10, TIntTrio(45, 98, i), CFiliale, CFiliale,
                              TDM_Torvik::ExtVerw_4_WEPlus_umbiegen({}), QStringLiteral("LS"), {}, 1,
                              TIntTrio(TZAM_DemoGross::CLager, 1, 1), TIntTrio(1, 0, 900000 + i), cache);
    int n = 0, gefunden = 0;
    TZAM_Messung::Zeile(QStringLiteral("WE-Plus: ein Stück (Dispos, Wahl, Scansatz, Cache)"), laeufe, 50, [&] {
        const int gr = n++ % 10;
        QList<TQIV_Dispo_Info> dispos;
        TQIV_Dispo_Info_List geprueft;
        if (!dm.Dispos_4_AuftragsNrN(cache, CArtikel50, gr, {CAuftrag50}, TIntTrioList(), dispos))
            return;
        const TQIV_Dispo_Info d = dm.Dispo_NachPrio_Waehlen(false, dispos, {}, false, geprueft);
        const TZAM_PersArt_ExtVerweis verweis = TDM_Torvik::ExtVerw_4_WEPlus_umbiegen(d.Menge.FilialeMenge.Verweis);
        const TIntTrio platz(TZAM_DemoGross::CLager, 1, 1);
        const TIntTrio scan = dm.Daten_2_ScanSatz(CAuftrag50, QStringLiteral("LS"), CArtikel50, gr, d.Vorgang, 1,
                                                  verweis, d.Menge.FilialeMenge.Filiale, platz);
        dm.Daten_2_DatenCache(CArtikel50, gr, d.Vorgang, d.Menge.FilialeMenge.Filiale, d.Menge.FilialeMenge.AuftrFiliale,
                              verweis, QStringLiteral("LS"), d.Menge.VerfKombiId, 1, platz, scan, cache);
        gefunden += !scan.IsNull();
    });
    std::printf("(%d Scansätze geschrieben)\n", gefunden);

    QList<TQIV_DispoWE_Info> offen;
    TZAM_Messung::Zeile(QStringLiteral("Offene Dispos von drei Aufträgen"), laeufe, 100, [&] {
        dm.OffeneDispos_4_AuftragsNrN_Und_VorgIds({CAuftrag50, TIntPair(45, 990100), TIntPair(45, 990101)},
                                                  TIntTrioList(), offen);
    });
    std::printf("(%d Dispos)\n", int(offen.size()));
    TIntPairList auftraege;
    TIntTrioList ohneAuftrag;
    TZAM_Messung::Zeile(QStringLiteral("Aufträge eines Artikels (100 Aufträge)"), laeufe, 100, [&] {
        dm.AuftragsNrN_4_ProduktId(CArtikel100, 3, auftraege, ohneAuftrag);
    });
    std::printf("(%d Aufträge)\n", int(auftraege.size()));

    // 2,000 records of this terminal, read back into a fresh cache.
    for (int i = int(gefunden); i < 2000; ++i)
        dm.Daten_2_ScanSatz(CAuftrag50, QStringLiteral("LS"), CArtikel50, i % 10, TIntTrio(45, 99, 1 + i % 50), 1, {},
                            CFiliale, TIntTrio(TZAM_DemoGross::CLager, 1, 1));
    int zeilen = 0;
    TZAM_Messung::Zeile(QStringLiteral("Scansätze in den Cache (2.000)"), laeufe, 1000, [&] {
        TQIV_WEPlus_DatenCache neu;
        QString auftragsNr, lieferschein, platzName;
        TIntTrio platz;
        dm.Scansaetze_Lesen(zeilen);
        dm.Scansaetze_2_DatenCache(neu, auftragsNr, lieferschein, platz, platzName);
    });
    std::printf("(%d Scansätze)\n", zeilen);
    dm.Scansaetze_4_WEPLus_Loeschen();

    // 2,000 movements, every tenth of a customer-order position with process combinations.
    TVRList& liste = dm.DMExtFilPC_GoC()->Bewegungsliste();
    const TZAM_Zeilen kombis = db.Lesen(QStringLiteral("SELECT DISTINCT auftrag_id1, auftrag_id2, auftrag_id3, "
                                                       "auftrag_nr, groesse FROM zam_verfkombi_pos ORDER BY 1, 2, 3, 4, 5 "
                                                       "LIMIT 200"));
    for (int i = 0; i < 2000; ++i) {
        TVRArray z = liste.VRArray_ForRowAdd_Generate();
        Int32Trio2VRItem(TInt32Trio(2, 500000 + i % 500, 0), z[cblProdukt]);
        String2VRItem(QStringLiteral("WE-%1").arg(i % 7), z[cblBelegNr]);
        Integer2VRItem(i % 10, z[cblGrIdx]);
        Integer2VRItem(3, z[cblMenge]);
        if (i % 10 == 0 && i / 10 < kombis.Zeilen().size()) {
            const QVariantList& k = kombis.Zeilen().at(i / 10);
            String2VRItem(QStringLiteral("K"), z[cblExtKuerzel]);
            IntQuad2VRItem(TIntQuad(k.at(0).toInt(), k.at(1).toInt(), k.at(2).toInt(), k.at(3).toInt()),
                           z[cblExtVerweis]);
            Integer2VRItem(k.at(4).toInt(), z[cblGrIdx]);
        }
        liste.RowAdd(z);
    }
    std::unique_ptr<TVRList> gruppiert;
    TZAM_Messung::Zeile(QStringLiteral("Bewegungsliste nach Verfahrenskombination gruppieren (2.000)"), laeufe, 100,
                        [&] { dm.GruppierteBewegungsliste_Get(gruppiert, {cblProdukt, cblVerfKombi}, true); });
    std::printf("(%d Gruppen, %d Bewegungen mit Kombinationen)\n", gruppiert ? gruppiert->GetRowCount() : 0,
                int(kombis.Zeilen().size()));
}
