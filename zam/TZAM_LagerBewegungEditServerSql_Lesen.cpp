// The movement service's reads: assignments of places and containers, place stock, reservations.
#include "TZAM_LagerBewegungEditServerSql.h"

#include "TZAM_Datenbank.h"
#include "TZAM_Lagerort_Info.h"
#include "ZAMBestandsarten.h"

namespace {

QVariantList Werte(const TIntTrio& AId)
{
    return {AId.Id1, AId.Id2, AId.Id3};
}

} // namespace

int TZAM_LagerBewegungEditServerSql::FilialZuordnung_Lesen(const TIntTrio& ALagerort, int AArt)
{
    QString sql;
    switch (AArt) {
    case 0: // a container's delivery branch
        sql = QStringLiteral("SELECT filiale FROM zam_behaelter WHERE id1 = ? AND id2 = ? AND id3 = ?");
        break;
    case 2: // the ordinary branch assignment
        sql = QStringLiteral("SELECT filiale FROM zam_lagerort WHERE id1 = ? AND id2 = ? AND id3 = ?");
        break;
    case 3: // the branch a wormhole stands for
        sql = QStringLiteral("SELECT wurmloch_filiale FROM zam_lagerort WHERE id1 = ? AND id2 = ? AND id3 = ?");
        break;
    default:
        return -1;
    }
    return FDb.LesenWert(sql, Werte(ALagerort), -1).toInt();
}

int TZAM_LagerBewegungEditServerSql::LagerZuordnung_Lesen(const TIntTrio& ALagerort, int AArt)
{
    // Kind 0: a container's assigned warehouse; every other kind the place's warehouse assignment.
    const QString sql =
        AArt == 0 ? QStringLiteral("SELECT lager FROM zam_behaelter WHERE id1 = ? AND id2 = ? AND id3 = ?")
                  : QStringLiteral("SELECT zuord_lager FROM zam_lagerort WHERE id1 = ? AND id2 = ? AND id3 = ?");
    return FDb.LesenWert(sql, Werte(ALagerort), -1).toInt();
}

int TZAM_LagerBewegungEditServerSql::Filialbestand(const TInt32Trio& AProduktId, int AFiliale, int ABestandsart,
                                                   int AGrInd)
{
    return FDb
        .LesenWert(QStringLiteral("SELECT menge FROM zam_bf WHERE prod_id1 = ? AND prod_id2 = ? AND prod_id3 = ? "
                                  "AND filiale = ? AND bestandsart = ? AND groesse = ?"),
                   {AProduktId.Id1, AProduktId.Id2, AProduktId.Id3, AFiliale, ABestandsart, AGrInd}, 0)
        .toInt();
}

int TZAM_LagerBewegungEditServerSql::Lagerplatzbestand(const TInt32Trio& AProduktId, int AGrInd,
                                                       const TIntTrio& ALagerort)
{
    return FDb
        .LesenWert(QStringLiteral("SELECT SUM(menge) FROM zam_bestand WHERE lo_id1 = ? AND lo_id2 = ? AND lo_id3 = ? "
                                  "AND prod_id1 = ? AND prod_id2 = ? AND prod_id3 = ? AND groesse = ? "
                                  "AND bestandsart IN (?, ?)"),
                   {ALagerort.Id1, ALagerort.Id2, ALagerort.Id3, AProduktId.Id1, AProduktId.Id2, AProduktId.Id3, AGrInd,
                    CZAM_ArtBestTyp_Frei, CZAM_ArtBestTyp_Geblockt},
                   0)
        .toInt();
}

void TZAM_LagerBewegungEditServerSql::LVPBDaten_Ermitteln(const TInt32Trio& AProduktId, int AGrInd,
                                                          TZAM_LVPB_Daten_Array& ADaten, int AArt, int AMenge,
                                                          const TIntTrio& AAnLagerort, const TIntTrio& AVonLagerort,
                                                          const TZAM_PersArt_ExtVerweis& AExtVerweis, int AVonFiliale,
                                                          int AFilialFilter)
{
    ADaten.clear();
    if (AMenge <= 0 || AVonLagerort.IsNull())
        return;
    QString sql = QStringLiteral("SELECT verweis_art, verweis_id1, verweis_id2, verweis_id3, verweis_nummer, filiale, "
                                 "menge FROM zam_lvpb WHERE lo_id1 = ? AND lo_id2 = ? AND lo_id3 = ? "
                                 "AND prod_id1 = ? AND prod_id2 = ? AND prod_id3 = ? AND groesse = ? AND menge > 0");
    QVariantList werte = {
        AVonLagerort.Id1, AVonLagerort.Id2, AVonLagerort.Id3, AProduktId.Id1, AProduktId.Id2, AProduktId.Id3, AGrInd};
    if (AArt > 0) {
        sql += QStringLiteral(" AND verweis_art = ?");
        werte << AArt;
    }
    if (AExtVerweis.Defined()) {
        sql += QStringLiteral(" AND verweis_art = ? AND verweis_id1 = ? AND verweis_id2 = ? AND verweis_id3 = ? "
                              "AND verweis_nummer = ?");
        werte << AExtVerweis.Kennung << AExtVerweis.Id.Id1 << AExtVerweis.Id.Id2 << AExtVerweis.Id.Id3
              << AExtVerweis.Nummer;
    }
    if (AFilialFilter >= 0) {
        sql += QStringLiteral(" AND filiale = ?");
        werte << AFilialFilter;
    }
    // The source's own branch first, then in key order: the same reservations on every device.
    sql += QStringLiteral(" ORDER BY CASE WHEN filiale = ? THEN 0 ELSE 1 END, verweis_art, verweis_id1, verweis_id2, "
                          "verweis_id3, verweis_nummer, filiale");
    werte << AVonFiliale;
    int offen = AMenge;
    const TZAM_Zeilen zeilen = FDb.Lesen(sql, werte);
    for (const QVariantList& r : zeilen.Zeilen()) {
        if (offen == 0)
            break;
        TZAM_LVPB_Daten d;
        d.VerweisArt = quint8(r.at(0).toInt());
        d.VerweisId = Trio(r, 1);
        d.VerweisNummer = r.at(4).toInt();
        d.Filiale = r.at(5).toInt();
        d.Menge = qMin(offen, r.at(6).toInt());
        offen -= d.Menge;
        d.LagerortId = AVonLagerort;
        d.Vorzeichen = -1;
        ADaten.append(d);
        if (AAnLagerort.Defined()) {
            d.LagerortId = AAnLagerort;
            d.Vorzeichen = 1;
            ADaten.append(d);
        }
    }
}

void TZAM_LagerBewegungEditServerSql::LVPBSaetze_4_Behaelter(const TIntTrio& ABehaelter,
                                                             TZAM_LVPB_Satz_Info_List& AListe, int AFiliale, int AArt)
{
    AListe.clear();
    QString sql = QStringLiteral("SELECT prod_id1, prod_id2, prod_id3, groesse, verweis_art, verweis_id1, verweis_id2, "
                                 "verweis_id3, verweis_nummer, menge, filiale FROM zam_lvpb "
                                 "WHERE lo_id1 = ? AND lo_id2 = ? AND lo_id3 = ? AND menge > 0");
    QVariantList werte = Werte(ABehaelter);
    if (AFiliale >= 0) {
        sql += QStringLiteral(" AND filiale = ?");
        werte << AFiliale;
    }
    if (AArt > 0) {
        sql += QStringLiteral(" AND verweis_art = ?");
        werte << AArt;
    }
    sql += QStringLiteral(" ORDER BY prod_id1, prod_id2, prod_id3, groesse, verweis_art, verweis_id1, verweis_id2, "
                          "verweis_id3, verweis_nummer, filiale");
    const TZAM_Zeilen zeilen = FDb.Lesen(sql, werte);
    for (const QVariantList& r : zeilen.Zeilen()) {
        TZAM_LVPB_Satz_Info s;
        s.LagerortId = ABehaelter;
        s.ProduktId = TInt32Trio(r.at(0).toInt(), r.at(1).toInt(), r.at(2).toInt());
        s.GrInd = quint8(r.at(3).toInt());
        s.VerweisArt = quint8(r.at(4).toInt());
        s.VerweisId = Trio(r, 5);
        s.VerweisNummer = r.at(8).toInt();
        s.Menge = r.at(9).toInt();
        s.Filiale = r.at(10).toInt();
        AListe.append(s);
    }
}

bool TZAM_LagerBewegungEditServerSql::Behaelter_Zuordnung_Lesen(const TIntTrio& ABehaelter,
                                                                TZAM_Lager_Gitterwagen_Zuordnungsdaten& ADaten)
{
    Gitterwagen_Zuordnungsdaten_Init(ADaten);
    const TZAM_Zeilen z =
        FDb.Lesen(QStringLiteral("SELECT b.filiale, b.lager, b.wbs_gedruckt, b.wbs_liste1, b.wbs_liste2, "
                                 "b.auf_transport, COALESCE(t.einweg, 0) FROM zam_behaelter b LEFT JOIN "
                                 "zam_behaelter_typ t ON t.id1 = b.typ_id1 AND t.id2 = b.typ_id2 "
                                 "WHERE b.id1 = ? AND b.id2 = ? AND b.id3 = ?"),
                  Werte(ABehaelter));
    if (z.IsEmpty())
        return false;
    const QVariantList& r = z.Zeilen().first();
    ADaten.Filiale = qint16(r.at(0).toInt());
    ADaten.Lager = r.at(1).toInt();
    ADaten.WBSGedruckt = r.at(2).toInt() != 0;
    ADaten.WBSListenNr = TIntPair(r.at(3).toInt(), r.at(4).toInt());
    ADaten.AufTransport = r.at(5).toInt() != 0;
    ADaten.Einweg = r.at(6).toInt() != 0;
    return true;
}

bool TZAM_LagerBewegungEditServerSql::Lagerort_4_Behaelter(const TIntTrio& ABehaelter, TIntTrio& ALagerort)
{
    ALagerort = TIntTrio();
    const TZAM_Zeilen z = FDb.Lesen(
        QStringLiteral("SELECT auf_id1, auf_id2, auf_id3 FROM zam_lagerort WHERE id1 = ? AND id2 = ? AND id3 = ? "
                       "AND auf_id1 IS NOT NULL"),
        Werte(ABehaelter));
    if (z.IsEmpty())
        return false;
    ALagerort = Trio(z.Zeilen().first(), 0);
    return true;
}

bool TZAM_LagerBewegungEditServerSql::Vater_4_Behaelter(const TIntTrio& ABehaelter, TIntTrio& AVater)
{
    AVater = TIntTrio();
    TIntTrio id = ABehaelter;
    // Up while the place below is a container; a cycle in the data ends the walk.
    for (int tiefe = 0; tiefe < 32; ++tiefe) {
        const TZAM_Zeilen z = FDb.Lesen(
            QStringLiteral("SELECT c.art, p.id1, p.id2, p.id3, p.art FROM zam_lagerort c LEFT JOIN zam_lagerort p "
                           "ON p.id1 = c.auf_id1 AND p.id2 = c.auf_id2 AND p.id3 = c.auf_id3 "
                           "WHERE c.id1 = ? AND c.id2 = ? AND c.id3 = ?"),
            Werte(id));
        if (z.IsEmpty())
            return tiefe > 0 && (AVater = id, true);
        const QVariantList& r = z.Zeilen().first();
        if (tiefe == 0 && r.at(0).toInt() != CZAM_Lagerort_Behaelter)
            return false;
        if (r.at(1).isNull() || r.at(4).toInt() != CZAM_Lagerort_Behaelter) {
            AVater = id;
            return true;
        }
        id = Trio(r, 1);
    }
    AVater = id;
    return true;
}

bool TZAM_LagerBewegungEditServerSql::Behaelter_HatFremdeArtikel(const TIntTrio& ABehaelter, int AArt,
                                                                 qint64 /*AMenge*/)
{
    // Foreign are reservations for a branch other than the container's; a container assigned to
    // no branch holds foreign articles as soon as any of its pieces is reserved for a branch.
    TZAM_Lager_Gitterwagen_Zuordnungsdaten d;
    Behaelter_Zuordnung_Lesen(ABehaelter, d);
    QString sql = QStringLiteral("SELECT COUNT(*) FROM zam_lvpb WHERE lo_id1 = ? AND lo_id2 = ? AND lo_id3 = ? "
                                 "AND menge > 0 AND filiale >= 0 AND filiale <> ?");
    QVariantList werte = Werte(ABehaelter);
    werte << int(d.Filiale);
    if (AArt > 0) {
        sql += QStringLiteral(" AND verweis_art = ?");
        werte << AArt;
    }
    return FDb.LesenWert(sql, werte, 0).toInt() > 0;
}
