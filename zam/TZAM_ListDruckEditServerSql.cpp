#include "TZAM_ListDruckEditServerSql.h"

#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_CommonLock.h"
#include "IZAM_EingangsbelegServer.h"
#include "IZAM_LagerBewegungEditServer.h"
#include "IZAM_NummernkreisServer.h"
#include "TVRList.h"
#include "TZAM_Datenbank.h"
#include "TZAM_GanzOderGarNicht.h"
#include "TZAM_InfoMeldungListe.h"
#include "TZAM_Korrektur.h"
#include "TdmBeli.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

#include <QHash>
#include <QMap>

namespace {

const QString CKlasse = QStringLiteral("TZAM_ListDruckEditServerSql.");
constexpr int COperationsArt = 69;
constexpr int CTabellenArtWBS = 70; // number ranges of goods slips, one per from-branch

QVariantList Werte(const TIntTrio& AId)
{
    return {AId.Id1, AId.Id2, AId.Id3};
}

void SpaltenAnlegen(TVRList& AListe)
{
    const QList<QPair<QString, TVRValueType>> spalten = {
        {QStringLiteral("Produkt"), vrtInt32Trio}, {QStringLiteral("Größe"), vrtInteger},
        {QStringLiteral("Menge"), vrtInteger},     {QStringLiteral("Lagerort"), vrtIntTrio},
        {QStringLiteral("ArtNr"), vrtInteger},     {QStringLiteral("Quelle"), vrtIntTrio},
        {QStringLiteral("VonFil"), vrtInteger},    {QStringLiteral("AnFil"), vrtInteger},
        {QStringLiteral("Verweis"), vrtInteger},   {QStringLiteral("frei9"), vrtInteger},
        {QStringLiteral("frei10"), vrtInteger},    {QStringLiteral("WBS"), vrtIntPair}};
    for (const auto& [name, typ] : spalten)
        AListe.ColumnAdd(name, typ);
}

TVRItem Zelle(TVRValueType ATyp, TVRItem::TWert AWert)
{
    TVRItem i(ATyp);
    i.Setzen(ATyp, std::move(AWert));
    return i;
}

} // namespace

TZAM_ListDruckEditServerSql::TZAM_ListDruckEditServerSql(TZAM_Datenbank& ADb)
    : FDb(ADb), FListe(std::make_unique<TVRList>())
{
    SpaltenAnlegen(*FListe);
}

TZAM_ListDruckEditServerSql::~TZAM_ListDruckEditServerSql() = default;

bool TZAM_ListDruckEditServerSql::Produkt_Sperren(const TInt32Trio& AProdukt, bool& AKonsistenzTest)
{
    // Every product is tested: the booking compares place stock and branch stock anyway.
    AKonsistenzTest = true;
    return CommonLock().LockObjekt(CZAM_Sperre_ListDruckProdukt, AProdukt.ToTextUnformatted());
}

void TZAM_ListDruckEditServerSql::Produkt_Entsperren(const TInt32Trio& AProdukt)
{
    CommonLock().UnlockObjekt(CZAM_Sperre_ListDruckProdukt, AProdukt.ToTextUnformatted());
}

int TZAM_ListDruckEditServerSql::VonFiliale(int ALager, int ABuchungsFiliale)
{
    if (ABuchungsFiliale >= 0)
        return ABuchungsFiliale;
    return FDb
        .LesenWert(QStringLiteral("SELECT filiale FROM zam_lagergruppe_filiale WHERE lager = ? "
                                  "ORDER BY reihenfolge, filiale LIMIT 1"),
                   {ALager}, -1)
        .toInt();
}

bool TZAM_ListDruckEditServerSql::WBS_Vorbereiten(const TIntTrio& ALagerort, int AZielFiliale, int ABuchungsFiliale,
                                                  bool& AEtwasZuTun)
{
    AEtwasZuTun = false;
    FListe->RowsClear();
    const TZAM_Zeilen ort = FDb.Lesen(QStringLiteral("SELECT l.lager, COALESCE(b.filiale, -1) FROM zam_lagerort l "
                                                     "LEFT JOIN zam_behaelter b ON b.id1 = l.id1 AND b.id2 = l.id2 "
                                                     "AND b.id3 = l.id3 WHERE l.id1 = ? AND l.id2 = ? AND l.id3 = ?"),
                                      Werte(ALagerort));
    if (ort.IsEmpty())
        return false;
    const int lager = ort.Wert(0, 0).toInt();
    // Without a target the container's delivery branch is the slip's.
    const int an = AZielFiliale >= 0 ? AZielFiliale : ort.Wert(0, 1).toInt();
    const int von = VonFiliale(lager, ABuchungsFiliale);
    if (an < 0 || von < 0)
        return false;

    // Every piece on the place and in the containers standing on it, at any depth; the pieces
    // reserved for another branch than the target are counted for the caller's warning.
    const TZAM_Zeilen z = FDb.Lesen(
        QStringLiteral(
            "WITH RECURSIVE orte (id1, id2, id3, tiefe) AS (SELECT CAST(? AS INTEGER), CAST(? AS INTEGER), "
            "CAST(? AS INTEGER), 0 UNION ALL SELECT l.id1, l.id2, l.id3, o.tiefe + 1 FROM zam_lagerort l "
            "JOIN orte o ON l.auf_id1 = o.id1 AND l.auf_id2 = o.id2 AND l.auf_id3 = o.id3 WHERE o.tiefe < 32) "
            "SELECT b.prod_id1, b.prod_id2, b.prod_id3, b.groesse, SUM(b.menge), b.lo_id1, b.lo_id2, b.lo_id3, "
            "COALESCE(MAX(a.artnr), 0), COALESCE((SELECT SUM(v.menge) FROM zam_lvpb v WHERE v.lo_id1 = b.lo_id1 "
            "AND v.lo_id2 = b.lo_id2 AND v.lo_id3 = b.lo_id3 AND v.prod_id1 = b.prod_id1 AND v.prod_id2 = "
            "b.prod_id2 AND v.prod_id3 = b.prod_id3 AND v.groesse = b.groesse AND v.filiale <> ?), 0) "
            "FROM zam_bestand b JOIN orte o ON o.id1 = b.lo_id1 AND o.id2 = b.lo_id2 AND o.id3 = b.lo_id3 "
            "LEFT JOIN zam_artikel a ON a.prod_id1 = b.prod_id1 AND a.prod_id2 = b.prod_id2 AND "
            "a.prod_id3 = b.prod_id3 WHERE b.menge > 0 GROUP BY b.prod_id1, b.prod_id2, b.prod_id3, b.groesse, "
            "b.lo_id1, b.lo_id2, b.lo_id3 ORDER BY b.lo_id1, b.lo_id2, b.lo_id3, b.prod_id1, b.prod_id2, "
            "b.prod_id3, b.groesse"),
        Werte(ALagerort) + QVariantList{an});
    for (const QVariantList& r : z.Zeilen()) {
        TVRArray zeile(cldAnzahl);
        zeile[cldProdukt] = Zelle(vrtInt32Trio, TInt32Trio(r.at(0).toInt(), r.at(1).toInt(), r.at(2).toInt()));
        zeile[cldGroesse] = Zelle(vrtInteger, r.at(3).toInt());
        zeile[cldMenge] = Zelle(vrtInteger, r.at(4).toInt());
        zeile[cldLagerort] = Zelle(vrtIntTrio, TIntTrio(r.at(5).toInt(), r.at(6).toInt(), r.at(7).toInt()));
        zeile[cldArtNr] = Zelle(vrtInteger, r.at(8).toInt());
        zeile[cldQuelle] = Zelle(vrtIntTrio, ALagerort);
        zeile[cldVonFiliale] = Zelle(vrtInteger, von);
        zeile[cldAnFiliale] = Zelle(vrtInteger, an);
        zeile[cldVerweis] = Zelle(vrtInteger, r.at(9).toInt());
        zeile[9] = TVRItem(vrtInteger);
        zeile[10] = TVRItem(vrtInteger);
        zeile[cldWBS] = TVRItem(vrtIntPair);
        FListe->RowAdd(std::move(zeile));
    }
    AEtwasZuTun = FListe->GetRowCount() > 0;
    return true;
}

bool TZAM_ListDruckEditServerSql::WBS_VorbereitenNachLagerort(const TIntTrio& ALagerort, int AFiliale, int ALager,
                                                              TInt32Trio& AFremdProdukt, TInt32Trio& AGesperrtProdukt)
{
    AFremdProdukt = TInt32Trio();
    AGesperrtProdukt = TInt32Trio();
    const int lager =
        FDb.LesenWert(QStringLiteral("SELECT lager FROM zam_lagerort WHERE id1 = ? AND id2 = ? AND id3 = ?"),
                      Werte(ALagerort), -1)
            .toInt();
    bool etwas = false;
    if (lager != ALager || !WBS_Vorbereiten(ALagerort, AFiliale, -1, etwas))
        return false;
    QList<TInt32Trio> gesperrt;
    for (int i = 0; i < FListe->GetRowCount(); ++i) {
        const TInt32Trio p = FListe->GetCellValueAsInt32Trio(i, cldProdukt);
        if (FListe->GetCellValueAsInteger(i, cldVerweis) > 0 && !AFremdProdukt.Defined())
            AFremdProdukt = p;
        if (gesperrt.contains(p))
            continue;
        bool test = false;
        if (!Produkt_Sperren(p, test)) {
            AGesperrtProdukt = p;
            for (const TInt32Trio& q : gesperrt)
                Produkt_Entsperren(q);
            FListe->RowsClear();
            return false;
        }
        gesperrt.append(p);
    }
    return true;
}

bool TZAM_ListDruckEditServerSql::WBS_Drucken(int AArt, int AOptionen, TIntPair& AListenNr, qint16& AVonFiliale,
                                              qint16& AAnFiliale, QString& ABoutName, QString& ABoulName,
                                              TZAM_InfoMeldungListe& AMeldungen)
{
    AListenNr = TIntPair();
    AVonFiliale = AAnFiliale = -1;
    ABoutName.clear();
    ABoulName.clear();
    if (AArt != CZAM_ListDruck_WBS || AOptionen != CZAM_ListDruck_WBSOptionen)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter,
                             QStringLiteral("WBS_Drucken(%1, %2)").arg(AArt).arg(AOptionen),
                             CKlasse + QStringLiteral("WBS_Drucken"));
    // One slip per prepared place and pair of branches, in the list's order.
    QMap<QString, QList<int>> slips;
    QStringList reihenfolge;
    for (int i = 0; i < FListe->GetRowCount(); ++i) {
        if (FListe->GetCellValueAsIntPair(i, cldWBS).Defined())
            continue; // printed already
        const QString k = FListe->GetCellValueAsIntTrio(i, cldQuelle).ToText() + u'/' +
                          QString::number(FListe->GetCellValueAsInteger(i, cldVonFiliale)) + u'/' +
                          QString::number(FListe->GetCellValueAsInteger(i, cldAnFiliale));
        if (!slips.contains(k))
            reihenfolge.append(k);
        slips[k].append(i);
    }
    if (reihenfolge.isEmpty())
        return true;

    QStringList jobs;
    QList<std::pair<QList<int>, TIntPair>> gedruckt;
    const bool ok = zam_GanzOderGarNicht(FDb, COperationsArt, CKlasse + QStringLiteral("WBS_Drucken"),
                                         QStringLiteral("zam_listdruck_"), [&] {
                                             for (const QString& k : reihenfolge) {
                                                 TIntPair nr;
                                                 if (!Slip_Buchen(slips.value(k), nr, AMeldungen))
                                                     return false;
                                                 gedruckt.append({slips.value(k), nr});
                                             }
                                             return true;
                                         });
    if (!ok)
        return false;
    for (const auto& [zeilen, nr] : gedruckt) {
        for (int i : zeilen)
            FListe->SetCellValue(i, cldWBS, Zelle(vrtIntPair, nr));
        const int z = zeilen.first();
        jobs.append(TdmBeli::Druckjob_Text(nr, FListe->GetCellValueAsIntTrio(z, cldQuelle)));
        AListenNr = nr;
        AVonFiliale = qint16(FListe->GetCellValueAsInteger(z, cldVonFiliale));
        AAnFiliale = qint16(FListe->GetCellValueAsInteger(z, cldAnFiliale));
    }
    ABoutName = jobs.join(u'\n');
    return true;
}

bool TZAM_ListDruckEditServerSql::Slip_Buchen(const QList<int>& AZeilen, TIntPair& AListenNr,
                                              TZAM_InfoMeldungListe& AMeldungen)
{
    auto& fabrik = Glob_WWSServerFactoryClass();
    std::unique_ptr<IZAM_LagerBewegungEditServer> bewegung = fabrik.Create<IZAM_LagerBewegungEditServer>();
    std::unique_ptr<IZAM_EingangsbelegServer> belege = fabrik.Create<IZAM_EingangsbelegServer>();
    std::unique_ptr<IZAM_NummernkreisServer> nummern = fabrik.Create<IZAM_NummernkreisServer>();

    const int z0 = AZeilen.first();
    const int von = FListe->GetCellValueAsInteger(z0, cldVonFiliale);
    const int an = FListe->GetCellValueAsInteger(z0, cldAnFiliale);
    const TIntTrio quelle = FListe->GetCellValueAsIntTrio(z0, cldQuelle);
    const int hoechste =
        FDb.LesenWert(QStringLiteral("SELECT COALESCE(MAX(id2), 0) FROM zam_wbs WHERE id1 = ?"), {von}, 0).toInt();
    AListenNr = TIntPair(von, nummern->NaechsteNummer(CTabellenArtWBS, von, hoechste));

    QList<TZAM_Eingangsbewegung> positionen;
    QSet<TIntTrio> behaelter{quelle};
    for (int i : AZeilen) {
        TZAM_Lager_BEW bew;
        bew.ProduktId = FListe->GetCellValueAsInt32Trio(i, cldProdukt);
        bew.GrInd = quint8(FListe->GetCellValueAsInteger(i, cldGroesse));
        bew.VonLagerortId = FListe->GetCellValueAsIntTrio(i, cldLagerort);
        bew.Menge = FListe->GetCellValueAsInteger(i, cldMenge);
        behaelter.insert(bew.VonLagerortId);
        // The reservations leave the place with the pieces.
        const TZAM_Zeilen lvpb = FDb.Lesen(
            QStringLiteral("SELECT verweis_art, verweis_id1, verweis_id2, verweis_id3, verweis_nummer, filiale, menge "
                           "FROM zam_lvpb WHERE lo_id1 = ? AND lo_id2 = ? AND lo_id3 = ? AND prod_id1 = ? AND "
                           "prod_id2 = ? AND prod_id3 = ? AND groesse = ? AND menge > 0"),
            Werte(bew.VonLagerortId) +
                QVariantList{bew.ProduktId.Id1, bew.ProduktId.Id2, bew.ProduktId.Id3, int(bew.GrInd)});
        for (const QVariantList& r : lvpb.Zeilen()) {
            TZAM_LVPB_Daten d;
            d.LagerortId = bew.VonLagerortId;
            d.VerweisArt = quint8(r.at(0).toInt());
            d.VerweisId = TIntTrio(r.at(1).toInt(), r.at(2).toInt(), r.at(3).toInt());
            d.VerweisNummer = r.at(4).toInt();
            d.Filiale = r.at(5).toInt();
            d.Menge = qMin(r.at(6).toInt(), bew.Menge);
            d.Vorzeichen = -1;
            bew.LVPB.append(d);
        }
        TZAM_Lager_BNE_Korrektur korr = zam_Korrektur(bew, CZAM_Korrektur_AufTransport, von, an);
        if (!bewegung->Bestandskorrektur_Buchen(bew, korr, true, &AMeldungen))
            return false;

        TZAM_Eingangsbewegung p;
        p.ProduktId = bew.ProduktId;
        p.GrIdx = bew.GrInd;
        p.Menge = bew.Menge;
        p.VonFiliale = qint16(von);
        p.AnFiliale = qint16(an);
        positionen.append(p);
    }

    // The correction raised the to-branch's transport stock: the store keeps the slip only.
    TZAM_Eingangsbeleg beleg;
    beleg.Art = ebaWBS;
    beleg.WBSId = AListenNr;
    beleg.VonFiliale = qint16(von);
    beleg.AnFiliale = qint16(an);
    belege->WBS_Anlegen(beleg, positionen, false);

    // The containers that travel: on transport with their slip.
    for (const TIntTrio& b : behaelter)
        FDb.Schreiben(QStringLiteral("UPDATE zam_behaelter SET wbs_gedruckt = 1, wbs_liste1 = ?, wbs_liste2 = ?, "
                                     "auf_transport = 1 WHERE id1 = ? AND id2 = ? AND id3 = ?"),
                      QVariantList{AListenNr.Id1, AListenNr.Id2} + Werte(b));
    return true;
}
