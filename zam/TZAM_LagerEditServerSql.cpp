#include "TZAM_LagerEditServerSql.h"

#include "IZAM_CommonLock.h"
#include "TZAM_Datenbank.h"
#include "TZAM_Lagersperren.h"
#include "ZAMGlobal.h"

#include <QHash>

namespace {

const QString CLagerortSpalten =
    QStringLiteral("id1, id2, id3, art, name, kurz, gesperrt, bereich, klasse, lager FROM zam_lagerort");

// The row as stored; the read options decide what of it the caller gets.
TZAM_Lagerort_Info AusZeile(const QVariantList& z)
{
    TZAM_Lagerort_Info info;
    info.LagerortId = TIntTrio(z.at(0).toInt(), z.at(1).toInt(), z.at(2).toInt());
    info.Kennung = TZAM_Lagerort_Kennung(z.at(3).toInt());
    info.Name = z.at(4).toString();
    info.Kurz = z.at(5).toString();
    info.Gesperrt = z.at(6).toInt() != 0;
    info.Bereich = TZAM_Lager_Ausgezeichnete_Bereiche(z.at(7).toInt());
    info.Art =
        info.Kennung == CZAM_Lagerort_Behaelter ? CZAM_LagerortArt_Behaelter : TZAM_Lagerort_Art(z.at(8).toInt());
    info.Lager = z.at(9).toInt();
    return info;
}

QVariantList Werte(const TIntTrio& AId)
{
    return {AId.Id1, AId.Id2, AId.Id3};
}

QString ArtenListe(qint64 ABestandsarten, QVariantList& AWerte)
{
    QStringList marken;
    for (int art = 0; art <= 62; ++art)
        if (ABestandsarten & (qint64(1) << art)) {
            AWerte << art;
            marken << QStringLiteral("?");
        }
    return marken.join(QStringLiteral(", "));
}

} // namespace

TZAM_LagerEditServerSql::TZAM_LagerEditServerSql(TZAM_Datenbank& ADb) : FDb(ADb), FFilialstamm(ADb)
{
    FSpalteId = FVBSListe.ColumnAdd(QStringLiteral("Lagerort"), vrtString, 120);
    FSpalteName = FVBSListe.ColumnAdd(QStringLiteral("Name"), vrtString, 200);
}

QList<TZAM_Lagergruppe> TZAM_LagerEditServerSql::Lagergruppen()
{
    const TZAM_Zeilen gruppen =
        FDb.Lesen(QStringLiteral("SELECT nummer, name FROM zam_lagergruppe ORDER BY reihenfolge, nummer"));
    const TZAM_Zeilen filialen = FDb.Lesen(
        QStringLiteral("SELECT lager, filiale FROM zam_lagergruppe_filiale ORDER BY lager, reihenfolge, filiale"));
    QHash<int, QList<int>> proLager;
    for (const QVariantList& z : filialen.Zeilen())
        proLager[z.at(0).toInt()].append(z.at(1).toInt());
    QList<TZAM_Lagergruppe> ergebnis;
    for (const QVariantList& z : gruppen.Zeilen()) {
        TZAM_Lagergruppe g;
        g.Nummer = z.at(0).toInt();
        g.Name = z.at(1).toString();
        g.Filialen = proLager.value(g.Nummer);
        ergebnis.append(g);
    }
    return ergebnis;
}

bool TZAM_LagerEditServerSql::Lagergruppe(int ANummer, TZAM_Lagergruppe& AGruppe)
{
    const TZAM_Zeilen z = FDb.Lesen(QStringLiteral("SELECT name FROM zam_lagergruppe WHERE nummer = ?"), {ANummer});
    if (z.IsEmpty())
        return false;
    AGruppe = TZAM_Lagergruppe();
    AGruppe.Nummer = ANummer;
    AGruppe.Name = z.Wert(0, 0).toString();
    const TZAM_Zeilen f = FDb.Lesen(
        QStringLiteral("SELECT filiale FROM zam_lagergruppe_filiale WHERE lager = ? ORDER BY reihenfolge, filiale"),
        {ANummer});
    for (const QVariantList& zeile : f.Zeilen())
        AGruppe.Filialen.append(zeile.at(0).toInt());
    return true;
}

bool TZAM_LagerEditServerSql::LagerortInfo_Lesen(const TIntTrio& ALagerort, TZAM_Lagerort_Info& AInfo,
                                                 const TQIV_Lagerort_Info_Optionen& AOptionen)
{
    Lagerort_Info_Init(AInfo);
    // Every read goes to the database (one row by its key), so KeineGecachtenInfos changes nothing.
    const TZAM_Zeilen z = FDb.Lesen(QStringLiteral("SELECT ") + CLagerortSpalten +
                                        QStringLiteral(" WHERE id1 = ? AND id2 = ? AND id3 = ?"),
                                    Werte(ALagerort));
    if (z.IsEmpty())
        return false;
    AInfo = AusZeile(z.Zeilen().first());
    if (AOptionen.EtikKuerzel && AInfo.Kurz.isEmpty())
        AInfo.Kurz = AInfo.Name;
    const bool mitBereich =
        AOptionen.MitBereich || AOptionen.MitBereichFuerLagerplaetze || AInfo.Kennung != CZAM_Lagerort_Lagerplatz;
    if (!mitBereich)
        AInfo.Bereich = CZAM_Bereich_Lager;
    // Without MitGesperrt only the master data's flag; the lock table is asked only with it.
    if (AOptionen.MitGesperrt && !AInfo.Gesperrt)
        AInfo.Gesperrt = TZAM_Lagersperren::Fremd(ALagerort);
    return true;
}

QString TZAM_LagerEditServerSql::LagerortName(const TIntTrio& ALagerort)
{
    const TZAM_Zeilen z = FDb.Lesen(
        QStringLiteral("SELECT name, kurz FROM zam_lagerort WHERE id1 = ? AND id2 = ? AND id3 = ?"), Werte(ALagerort));
    if (z.IsEmpty())
        return {};
    const QString kurz = z.Wert(0, 1).toString();
    return kurz.isEmpty() ? z.Wert(0, 0).toString() : kurz;
}

bool TZAM_LagerEditServerSql::Lagerort_InLager(const TIntTrio& ALagerort, int ALager)
{
    // Every row names its warehouse; a container without one belongs where it stands.
    TIntTrio id = ALagerort;
    for (int tiefe = 0; tiefe < 32; ++tiefe) {
        const TZAM_Zeilen z = FDb.Lesen(QStringLiteral("SELECT lager, auf_id1, auf_id2, auf_id3 FROM zam_lagerort "
                                                       "WHERE id1 = ? AND id2 = ? AND id3 = ?"),
                                        Werte(id));
        if (z.IsEmpty())
            return false;
        const int lager = z.Wert(0, 0).toInt();
        if (lager > 0 || z.Wert(0, 1).isNull())
            return lager == ALager;
        id = TIntTrio(z.Wert(0, 1).toInt(), z.Wert(0, 2).toInt(), z.Wert(0, 3).toInt());
    }
    return false;
}

bool TZAM_LagerEditServerSql::Lagerplatz_Lesen(const TIntTrio& AId, TZAM_Lagerplatz& APlatz, int /*AOptionen*/)
{
    APlatz = TZAM_Lagerplatz();
    const TZAM_Zeilen z = FDb.Lesen(QStringLiteral("SELECT lager, name, bereich, gesperrt FROM zam_lagerort "
                                                   "WHERE id1 = ? AND id2 = ? AND id3 = ? AND art = ?"),
                                    {AId.Id1, AId.Id2, AId.Id3, int(CZAM_Lagerort_Lagerplatz)});
    if (z.IsEmpty())
        return false;
    APlatz.Id = AId;
    APlatz.Lager = z.Wert(0, 0).toInt();
    APlatz.Name = z.Wert(0, 1).toString();
    APlatz.Bereich = TZAM_Lager_Ausgezeichnete_Bereiche(z.Wert(0, 2).toInt());
    APlatz.Gesperrt = z.Wert(0, 3).toInt() != 0;
    return true;
}

QList<TZAM_Lagerort_Info> TZAM_LagerEditServerSql::Lagerorte_4_Bereich(int ALager,
                                                                       TZAM_Lager_Ausgezeichnete_Bereiche ABereich)
{
    const TZAM_Zeilen z = FDb.Lesen(QStringLiteral("SELECT ") + CLagerortSpalten +
                                        FDb.Sql(QStringLiteral(" WHERE lager = ? AND bereich = ? "
                                                               "ORDER BY name {BINAER}, id1, id2, id3")),
                                    {ALager, int(ABereich)});
    QList<TZAM_Lagerort_Info> ergebnis;
    for (const QVariantList& zeile : z.Zeilen())
        ergebnis.append(AusZeile(zeile));
    return ergebnis;
}

bool TZAM_LagerEditServerSql::BearbVorbereitung_Vorhanden(int ALager)
{
    return !FDb.Lesen(QStringLiteral("SELECT 1 FROM zam_lagerort WHERE lager = ? AND bereich = ? LIMIT 1"),
                      {ALager, int(CZAM_Bereich_BearbVorbereitung)})
                .Zeilen()
                .isEmpty();
}

TZAM_LagerVorr_Array TZAM_LagerEditServerSql::Wurmloecher_Lesen(int ALager)
{
    const TZAM_Zeilen z = FDb.Lesen(FDb.Sql(QStringLiteral("SELECT id1, id2, id3, name, wurmloch_filiale "
                                                           "FROM zam_lagerort WHERE lager = ? AND bereich = ? "
                                                           "ORDER BY name {BINAER}, id1, id2, id3")),
                                    {ALager, int(CZAM_Bereich_Wurmloch)});
    TZAM_LagerVorr_Array ergebnis;
    for (const QVariantList& r : z.Zeilen())
        ergebnis.append(
            {TIntTrio(r.at(0).toInt(), r.at(1).toInt(), r.at(2).toInt()), r.at(3).toString(), r.at(4).toInt()});
    return ergebnis;
}

bool TZAM_LagerEditServerSql::Lager_4_Behaelter(int& ALager, const TIntTrio& ABehaelter)
{
    const TZAM_Zeilen z = FDb.Lesen(QStringLiteral("SELECT lager FROM zam_lagerort "
                                                   "WHERE id1 = ? AND id2 = ? AND id3 = ? AND art = ?"),
                                    {ABehaelter.Id1, ABehaelter.Id2, ABehaelter.Id3, int(CZAM_Lagerort_Behaelter)});
    if (z.IsEmpty())
        return false;
    ALager = z.Wert(0, 0).toInt();
    return true;
}

int TZAM_LagerEditServerSql::Lager_4_Filiale(int AFiliale)
{
    return FDb.LesenWert(QStringLiteral("SELECT lager FROM zam_filiale WHERE nummer = ?"), {AFiliale}, 0).toInt();
}

TOrgeIdKompl TZAM_LagerEditServerSql::Strukturelement_Orge(const TIntTrio& ALagerort, int AArt)
{
    // The place's own element, else (for a container) that of the place it stands on, at any depth.
    const TZAM_Zeilen z = FDb.Lesen(
        QStringLiteral("WITH RECURSIVE kette (id1, id2, id3, tiefe) AS (SELECT id1, id2, id3, 0 FROM zam_lagerort "
                       "WHERE id1 = ? AND id2 = ? AND id3 = ? UNION ALL SELECT o.auf_id1, o.auf_id2, o.auf_id3, "
                       "k.tiefe + 1 FROM zam_lagerort o JOIN kette k ON o.id1 = k.id1 AND o.id2 = k.id2 "
                       "AND o.id3 = k.id3 WHERE o.art = ? AND o.auf_id1 IS NOT NULL AND k.tiefe < 32) "
                       "SELECT s.orge_id1, s.orge_id2, s.orge_ebene1, s.orge_ebene2 FROM kette k "
                       "JOIN zam_strukturelement s ON s.lo_id1 = k.id1 AND s.lo_id2 = k.id2 AND s.lo_id3 = k.id3 "
                       "WHERE s.art = ? ORDER BY k.tiefe LIMIT 1"),
        {ALagerort.Id1, ALagerort.Id2, ALagerort.Id3, int(CZAM_Lagerort_Behaelter), AArt});
    TOrgeIdKompl orge;
    if (!z.IsEmpty()) {
        orge.OrgeId = TIntPair(z.Wert(0, 0).toInt(), z.Wert(0, 1).toInt());
        orge.OrgeEbene = TIntPair(z.Wert(0, 2).toInt(), z.Wert(0, 3).toInt());
    }
    return orge;
}

bool TZAM_LagerEditServerSql::Menge_NachFilialen_Verteilen(TQIV_MengeUFilialeArr& AArr, const TInt32Trio& AProduktId,
                                                           int AGrInd, int AMenge, int ALager, qint64 ABestandsarten,
                                                           int ARest)
{
    AArr.clear();
    TZAM_Lagergruppe gruppe;
    if (AMenge <= 0 || !Lagergruppe(ALager, gruppe))
        return false;
    QVariantList werte = {AProduktId.Id1, AProduktId.Id2, AProduktId.Id3, AGrInd, ALager};
    const QString arten = ArtenListe(ABestandsarten, werte);
    if (arten.isEmpty())
        return false;
    const TZAM_Zeilen z =
        FDb.Lesen(QStringLiteral("SELECT b.filiale, SUM(b.menge) FROM zam_bf b JOIN zam_lagergruppe_filiale g "
                                 "ON g.filiale = b.filiale WHERE b.prod_id1 = ? AND b.prod_id2 = ? AND b.prod_id3 = ? "
                                 "AND b.groesse = ? AND g.lager = ? AND b.bestandsart IN (%1) GROUP BY b.filiale")
                      .arg(arten),
                  werte);
    QHash<int, qint64> bestand;
    for (const QVariantList& r : z.Zeilen())
        bestand.insert(r.at(0).toInt(), r.at(1).toLongLong());
    qint64 offen = AMenge;
    for (int filiale : gruppe.Filialen) {
        if (offen == 0)
            break;
        const qint64 teil = qMin(offen, bestand.value(filiale));
        if (teil <= 0)
            continue;
        AArr.append({qint32(teil), qint16(filiale)});
        offen -= teil;
    }
    if (offen > 0 && ARest == 1)
        AArr.clear();
    return offen == 0;
}

bool TZAM_LagerEditServerSql::Behaelter_Gesperrt(const TIntTrio& ABehaelter)
{
    return CommonLock().IsLockedOtherObjekt(TZAM_Lagersperren::CArtBehaelter,
                                            TZAM_Lagersperren::Schluessel(ABehaelter));
}

bool TZAM_LagerEditServerSql::Behaelter_Sperren(const TIntTrio& ABehaelter)
{
    return CommonLock().LockObjekt(TZAM_Lagersperren::CArtBehaelter, TZAM_Lagersperren::Schluessel(ABehaelter));
}

void TZAM_LagerEditServerSql::Behaelter_Entsperren(const TIntTrio& ABehaelter)
{
    CommonLock().UnlockObjekt(TZAM_Lagersperren::CArtBehaelter, TZAM_Lagersperren::Schluessel(ABehaelter));
}

bool TZAM_LagerEditServerSql::Lagerort_Gesperrt(const TIntTrio& ALagerort)
{
    return CommonLock().IsLockedOtherObjekt(TZAM_Lagersperren::CArtLagerort, TZAM_Lagersperren::Schluessel(ALagerort));
}

bool TZAM_LagerEditServerSql::Lagerort_Sperren(const TIntTrio& ALagerort)
{
    return CommonLock().LockObjekt(TZAM_Lagersperren::CArtLagerort, TZAM_Lagersperren::Schluessel(ALagerort));
}

void TZAM_LagerEditServerSql::Lagerort_Entsperren(const TIntTrio& ALagerort)
{
    CommonLock().UnlockObjekt(TZAM_Lagersperren::CArtLagerort, TZAM_Lagersperren::Schluessel(ALagerort));
}

void TZAM_LagerEditServerSql::VBSListe_Laden(int ALager, int AFiliale, int ALagerEigene)
{
    FVBSListe.RowsClear();
    // A branch's staging places name the branch; the warehouse's own name the warehouse and no branch.
    const bool eigene = AFiliale < 0;
    const TZAM_Zeilen z = FDb.Lesen(
        FDb.Sql(QStringLiteral("SELECT id1, id2, id3, name, kurz FROM zam_lagerort WHERE lager = ? AND bereich = ? "
                               "AND %1 ORDER BY name {BINAER}, id1, id2, id3")
                    .arg(eigene ? QStringLiteral("filiale = -1 AND zuord_lager = ?") : QStringLiteral("filiale = ?"))),
        {ALager, int(CZAM_Bereich_Versandbereitstellung), eigene ? ALagerEigene : AFiliale});
    for (const QVariantList& r : z.Zeilen()) {
        TVRArray zeile = FVBSListe.VRArray_ForRowAdd_Generate();
        const int i = FVBSListe.RowAdd(zeile);
        const TIntTrio id(r.at(0).toInt(), r.at(1).toInt(), r.at(2).toInt());
        FVBSListe.SetCellValueAsString(i, FSpalteId, id.ToText());
        const QString kurz = r.at(4).toString();
        FVBSListe.SetCellValueAsString(i, FSpalteName, kurz.isEmpty() ? r.at(3).toString() : kurz);
    }
}
