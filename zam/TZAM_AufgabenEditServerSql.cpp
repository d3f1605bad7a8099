#include "TZAM_AufgabenEditServerSql.h"

#include "EZAM_Exception.h"
#include "IZAM_Buchung.h"
#include "IZAM_CommonLock.h"
#include "TZAM_AufgabenFilterSql.h"
#include "TZAM_Datenbank.h"
#include "TZAM_InfoMeldungListe.h"
#include "TZAM_SperrService.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

namespace {
const QString CKlasse = QStringLiteral("TZAM_AufgabenEditServerSql.");
constexpr int COperationsArt = 72; // task fulfilments

QVariantList Werte(const TIntTrio& AId)
{
    return {AId.Id1, AId.Id2, AId.Id3};
}

const QString CKopfGleich = QStringLiteral("id1 = ? AND id2 = ? AND id3 = ?");
const QString CAufgabeGleich = QStringLiteral("auf_id1 = ? AND auf_id2 = ? AND auf_id3 = ?");
} // namespace

const QString TZAM_AufgabenEditServerSql::CSperrArt = QStringLiteral("AUFGABE");

bool TZAM_AufgabenEditServerSql::AufgabenVorhanden(const TZAM_Aufgaben_Suchkriterien& AKriterien)
{
    const TZAM_AufgabenFilterSql filter(AKriterien);
    return !FDb.Lesen(QStringLiteral("SELECT 1") + TZAM_AufgabenFilterSql::Von() + filter.Where() +
                          QStringLiteral(" LIMIT 1"),
                      filter.Werte())
                .IsEmpty();
}

bool TZAM_AufgabenEditServerSql::Aufgabenliste_Laden(const TZAM_Aufgaben_Suchkriterien& AKriterien,
                                                     const TQIVAufgabenlisteLaden_Options& AOptionen)
{
    try {
        Laden(AKriterien, AOptionen);
        return true;
    } catch (...) {
        Aufgabenliste_Freigeben();
        throw;
    }
}

const TQIV_AufgabenZeile& TZAM_AufgabenEditServerSql::Zeile(int AIndex) const
{
    if (AIndex < 0 || AIndex >= FZeilen.size())
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter,
                             QStringLiteral("Aufgabenzeile %1 von %2").arg(AIndex).arg(FZeilen.size()));
    return FZeilen.at(AIndex);
}

void TZAM_AufgabenEditServerSql::ZeileLoeschen(int AIndex)
{
    Zeile(AIndex);
    if (FListe.GetRowCount() == ZeilenAnzahl()) // a count-only load has no list rows
        FListe.RowDelete(AIndex);
    FZeilen.removeAt(AIndex);
}

void TZAM_AufgabenEditServerSql::Aufgabenliste_Freigeben()
{
    FZeilen.clear();
    FListe.RowsClear();
}

bool TZAM_AufgabenEditServerSql::Aufgabe_Sperren(const TIntTrio& AId, QString& AHalter, QDateTime& ASeit)
{
    const QString schluessel = AId.ToTextUnformatted(9);
    AHalter.clear();
    ASeit = QDateTime();
    // Only a kept status asks whose the lock was: most tasks have none.
    const bool statusGemerkt =
        !FDb.Lesen(QStringLiteral("SELECT 1 FROM zam_aufgabe_sperrstatus WHERE ") + CKopfGleich, Werte(AId)).IsEmpty();
    const bool schonEigen =
        statusGemerkt && Aufgabe_Gesperrt(AId) && !CommonLock().IsLockedOtherObjekt(CSperrArt, schluessel);
    // A holder that lets go between the refusal and the question gets a second try.
    for (int versuch = 0; versuch < 2; ++versuch) {
        if (CommonLock().LockObjekt(CSperrArt, schluessel)) {
            // A status kept for a lock taken anew is the one a program that died left behind.
            if (statusGemerkt && !schonEigen)
                StatusZuruecksetzen(AId);
            return true;
        }
        if (CommonLock().IsLockedOtherObjekt(CSperrArt, schluessel, &AHalter)) {
            if (auto* sperren = dynamic_cast<TZAM_SperrService*>(&CommonLock()))
                ASeit = sperren->GesperrtSeit(CSperrArt, schluessel);
            return false;
        }
    }
    return false;
}

void TZAM_AufgabenEditServerSql::Aufgabe_Entsperren(const TIntTrio& AId)
{
    StatusZuruecksetzen(AId);
    CommonLock().UnlockObjekt(CSperrArt, AId.ToTextUnformatted(9));
}

bool TZAM_AufgabenEditServerSql::Aufgabe_Gesperrt(const TIntTrio& AId)
{
    const QString schluessel = AId.ToTextUnformatted(9);
    if (auto* sperren = dynamic_cast<TZAM_SperrService*>(&CommonLock()))
        return sperren->IsLockedObjekt(CSperrArt, schluessel);
    return CommonLock().IsLockedOtherObjekt(CSperrArt, schluessel);
}

void TZAM_AufgabenEditServerSql::StatusZuruecksetzen(const TIntTrio& AId)
{
    const TZAM_Zeilen z = FDb.Lesen(
        QStringLiteral("SELECT status_vorher, status_gesetzt FROM zam_aufgabe_sperrstatus WHERE ") + CKopfGleich,
        Werte(AId));
    if (z.IsEmpty())
        return;
    FDb.Schreiben(QStringLiteral("UPDATE zam_auko SET status = ? WHERE status = ? AND ") + CKopfGleich,
                  QVariantList{z.Wert(0, 0), z.Wert(0, 1)} + Werte(AId));
    FDb.Schreiben(QStringLiteral("DELETE FROM zam_aufgabe_sperrstatus WHERE ") + CKopfGleich, Werte(AId));
}

bool TZAM_AufgabenEditServerSql::Aufgabe_StatusUnterSperreSetzen(const TIntTrio& AId, int AStatus)
{
    const QVariant vorher = FDb.LesenWert(QStringLiteral("SELECT status FROM zam_auko WHERE ") + CKopfGleich, Werte(AId));
    if (!vorher.isValid())
        return false;
    // Kept first: a program that ends between the two writes leaves nothing to restore wrongly.
    // A second status under the same lock keeps the first one's "before".
    const QString gesetzt(CZAM_Aufgabe_Status_2_Char(AStatus));
    if (FDb.Schreiben(QStringLiteral("UPDATE zam_aufgabe_sperrstatus SET status_gesetzt = ? WHERE ") + CKopfGleich,
                      QVariantList{gesetzt} + Werte(AId)) == 0)
        FDb.Schreiben(QStringLiteral("INSERT INTO zam_aufgabe_sperrstatus (id1, id2, id3, status_vorher, "
                                     "status_gesetzt) VALUES (?, ?, ?, ?, ?)"),
                      Werte(AId) + QVariantList{vorher, gesetzt});
    return Aufgabe_StatusAendern(AId, AStatus);
}

bool TZAM_AufgabenEditServerSql::Aufgabe_Lesen(const TIntTrio& AId, TZAM_AufgabenStand& AStand)
{
    AStand = TZAM_AufgabenStand();
    const TZAM_Zeilen z = FDb.Lesen(
        QStringLiteral("SELECT k.status, k.art, COALESCE(e.menge, 0), (SELECT COALESCE(SUM(f.menge), 0) "
                       "FROM zam_aufgabe_erfuellung f WHERE f.auf_id1 = k.id1 AND f.auf_id2 = k.id2 AND "
                       "f.auf_id3 = k.id3) FROM zam_auko k LEFT JOIN zam_auae e ON e.auf_id1 = k.id1 AND "
                       "e.auf_id2 = k.id2 AND e.auf_id3 = k.id3 WHERE k.id1 = ? AND k.id2 = ? AND k.id3 = ?"),
        Werte(AId));
    if (z.IsEmpty())
        return false;
    const QString status = z.Wert(0, 0).toString();
    AStand.Status = status.isEmpty() ? -1 : Char_2_TZAM_Aufgabe_Status_Erw(status.at(0));
    AStand.Art = Kuerzel_2_TZAM_Aufgabe_Art_Erw(z.Wert(0, 1).toString());
    AStand.Bestellt = z.Wert(0, 2).toInt();
    AStand.Erfuellt = z.Wert(0, 3).toInt();
    return true;
}

bool TZAM_AufgabenEditServerSql::Aufgabe_Loeschen(const TIntTrio& AId, int APruefungen)
{
    const QString schluessel = AId.ToTextUnformatted(9);
    if ((APruefungen & CZAM_Aufgabe_LoeschPruefung_NichtGesperrt) && CommonLock().IsLockedOtherObjekt(CSperrArt, schluessel))
        return false;
    TZAM_AufgabenStand stand;
    if (!Aufgabe_Lesen(AId, stand))
        return false;
    if ((APruefungen & CZAM_Aufgabe_LoeschPruefung_NichtOffen) &&
        (stand.Status == CZAM_Aufgabe_Status_Offen || stand.Status == CZAM_Aufgabe_Status_InArbeit ||
         stand.Status == CZAM_Aufgabe_Status_Teilerfuellt))
        return false;
    if ((APruefungen & CZAM_Aufgabe_LoeschPruefung_OhneErfuellung) &&
        !FDb.Lesen(QStringLiteral("SELECT 1 FROM zam_aufgabe_erfuellung WHERE ") + CAufgabeGleich, Werte(AId)).IsEmpty())
        return false;
    // Every file that names the task, explicitly: the task leaves nothing behind whether or not
    // the database enforces its foreign keys.
    const QString name = CKlasse + QStringLiteral("Aufgabe_Loeschen");
    IZAM_Buchung& buchung = ZAMBuchung();
    const int tiefe = buchung.Tiefe();
    buchung.Oeffnen(COperationsArt, name);
    try {
        FDb.Schreiben(QStringLiteral("DELETE FROM zam_aufgabe_erfuellung WHERE ") + CAufgabeGleich, Werte(AId));
        FDb.Schreiben(QStringLiteral("DELETE FROM zam_auae WHERE ") + CAufgabeGleich, Werte(AId));
        FDb.Schreiben(QStringLiteral("DELETE FROM zam_aufgabe_sperrstatus WHERE ") + CKopfGleich, Werte(AId));
        const bool geloescht = FDb.Schreiben(QStringLiteral("DELETE FROM zam_auko WHERE ") + CKopfGleich, Werte(AId)) > 0;
        buchung.Schliessen(name);
        if (!geloescht)
            return false;
    } catch (...) {
        buchung.Aufgeben(tiefe);
        throw;
    }
    // A lock outlives no task (locks are written outside the bracket, so only after it).
    CommonLock().UnlockObjekt(CSperrArt, schluessel, true);
    return true;
}

bool TZAM_AufgabenEditServerSql::Aufgabe_StatusAendern(const TIntTrio& AId, int AStatus)
{
    if (AStatus < 0 || AStatus > CZAM_Aufgabe_Status_Max)
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter,
                             QStringLiteral("Aufgabenstatus %1").arg(AStatus));
    return FDb.Schreiben(QStringLiteral("UPDATE zam_auko SET status = ? WHERE ") + CKopfGleich,
                         QVariantList{QString(CZAM_Aufgabe_Status_2_Char(AStatus))} + Werte(AId)) > 0;
}

TIntTrio TZAM_AufgabenEditServerSql::BelegId_4_ExtVerweis(const TZAM_PersArt_ExtVerweis& AVerweis)
{
    if (AVerweis.Kennung != CZAM_PersArtExt_KuBe)
        return {};
    const bool da = !FDb.Lesen(QStringLiteral("SELECT 1 FROM zam_atk WHERE id1 = ? AND id2 = ?"),
                               {AVerweis.Id.Id1, AVerweis.Id.Id2})
                         .IsEmpty();
    return da ? TIntTrio(AVerweis.Id.Id1, AVerweis.Id.Id2, 0) : TIntTrio();
}

bool TZAM_AufgabenEditServerSql::Aufgabe_Erfuellen(const TZAM_Aufgabe_Erfuellen_Daten& ADaten,
                                                   const TIntPair& AMitarbeiter, const TIntTrio& AKey,
                                                   TZAM_InfoMeldungListe* AMeldungen, int AMenge)
{
    TZAM_InfoMeldungListe eigene;
    TZAM_InfoMeldungListe& meldungen = AMeldungen ? *AMeldungen : eigene;
    // The callers pass the task in the fulfilment data and an empty key.
    const TIntTrio id = ADaten.AufgabenId.IsNull() ? AKey : ADaten.AufgabenId;
    const TIntPair mitarbeiter = AMitarbeiter.IsNull() ? ADaten.Mitarbeiter : AMitarbeiter;
    if (AMenge <= 0) {
        meldungen.Meldung_Add(CZAM_Info_Aufgabe_MengeUngueltig, {QString::number(AMenge)});
        return false;
    }
    const QString name = CKlasse + QStringLiteral("Aufgabe_Erfuellen");
    IZAM_Buchung& buchung = ZAMBuchung();
    const int tiefe = buchung.Tiefe();
    buchung.Oeffnen(COperationsArt, name);
    try {
        const int offen = Erfuellen(id, mitarbeiter, AMenge, meldungen);
        buchung.Schliessen(name);
        return offen >= 0;
    } catch (...) {
        buchung.Aufgeben(tiefe);
        throw;
    }
}

int TZAM_AufgabenEditServerSql::Erfuellen(const TIntTrio& AId, const TIntPair& AMitarbeiter, int AMenge,
                                          TZAM_InfoMeldungListe& AMeldungen)
{
    // PostgreSQL (read committed): the header stays locked until the bracket ends, so another
    // device's fulfilment of the task waits here and then reads this one's row. SQLite's bracket
    // holds the whole file.
    const QString sperren = FDb.IstSQLite() ? QString() : QStringLiteral(" FOR UPDATE");
    if (FDb.Lesen(QStringLiteral("SELECT 1 FROM zam_auko WHERE ") + CKopfGleich + sperren, Werte(AId)).IsEmpty()) {
        AMeldungen.Meldung_Add(CZAM_Info_Aufgabe_Unbekannt, {AId.ToText()});
        return -1;
    }
    const TZAM_Zeilen z = FDb.Lesen(QStringLiteral("SELECT e.menge - COALESCE((SELECT SUM(f.menge) FROM "
                                                   "zam_aufgabe_erfuellung f WHERE f.auf_id1 = e.auf_id1 AND "
                                                   "f.auf_id2 = e.auf_id2 AND f.auf_id3 = e.auf_id3), 0) "
                                                   "FROM zam_auae e WHERE ") +
                                        CAufgabeGleich,
                                    Werte(AId));
    if (z.IsEmpty()) {
        AMeldungen.Meldung_Add(CZAM_Info_Aufgabe_Unbekannt, {AId.ToText()});
        return -1;
    }
    const int offen = z.Wert(0, 0).toInt();
    if (AMenge > offen) {
        AMeldungen.Meldung_Add(CZAM_Info_Aufgabe_MengeZuGross,
                               {AId.ToText(), QString::number(qMax(offen, 0)), QString::number(AMenge)});
        return -1;
    }
    const TIntTrio prot = ZAMBuchung().GetProtId();
    FDb.Schreiben(QStringLiteral("INSERT INTO zam_aufgabe_erfuellung (auf_id1, auf_id2, auf_id3, mita_id1, mita_id2, "
                                 "menge, zeit, prot_id1, prot_id2, prot_id3) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  Werte(AId) + QVariantList{AMitarbeiter.Id1, AMitarbeiter.Id2, AMenge, QDateTime::currentDateTime(),
                                            prot.Id1, prot.Id2, prot.Id3});
    const int rest = offen - AMenge;
    const int status = rest == 0 ? CZAM_Aufgabe_Status_Erledigt : CZAM_Aufgabe_Status_Teilerfuellt;
    FDb.Schreiben(QStringLiteral("UPDATE zam_auko SET status = ? WHERE ") + CKopfGleich,
                  QVariantList{QString(CZAM_Aufgabe_Status_2_Char(status))} + Werte(AId));
    return rest;
}

QList<TZAM_AufgabenKopf> TZAM_AufgabenEditServerSql::Aufgabenkoepfe_Lesen(const TZAM_AufgabenKopfFilter& AFilter)
{
    const TZAM_AufgabenFilterSql filter(AFilter);
    const TZAM_Zeilen z = FDb.Lesen(
        QStringLiteral("SELECT a.id1, a.id2, a.id3, a.art, a.gv, a.status, a.erstellt, a.bearbeitung, a.ext_kennung, "
                       "a.ext_id1, a.ext_id2, a.ext_id3, a.ext_nummer FROM zam_auko a") +
            filter.Where() + QStringLiteral(" ORDER BY a.id1, a.id2, a.id3"),
        filter.Werte());
    QList<TZAM_AufgabenKopf> koepfe;
    koepfe.reserve(z.Anzahl());
    for (const QVariantList& r : z.Zeilen()) {
        TZAM_AufgabenKopf k;
        k.Id = TIntTrio(r[0].toInt(), r[1].toInt(), r[2].toInt());
        k.ArtKuerzel = r[3].toString();
        k.GVKuerzel = r[4].toString();
        const QString status = r[5].toString();
        k.Status = status.isEmpty() ? QChar() : status.at(0);
        k.Erstellt = TZAM_Datenbank::ZeitpunktLesen(r[6]);
        k.Bearbeitung = TZAM_Datenbank::ZeitpunktLesen(r[7]);
        k.ExtVerweis = TZAM_PersArt_ExtVerweis::Construct(
            quint8(r[8].toInt()), TIntTrio(r[9].toInt(), r[10].toInt(), r[11].toInt()), r[12].toInt());
        koepfe << k;
    }
    return koepfe;
}

bool TZAM_AufgabenEditServerSql::Ausfuehrung_Lesen(const TIntTrio& AId, TZAM_AufgabenAusfuehrung& AAusfuehrung)
{
    AAusfuehrung = TZAM_AufgabenAusfuehrung();
    const TZAM_Zeilen z =
        FDb.Lesen(QStringLiteral("SELECT quell_filiale, ziel_filiale, menge, bne_id1, bne_id2, bne_id3, bne_typ, "
                                 "kube_id1, kube_id2, kube_id3, kube_nr FROM zam_auae WHERE ") +
                      CAufgabeGleich,
                  Werte(AId));
    if (z.IsEmpty())
        return false;
    const QVariantList& r = z.Zeilen().first();
    AAusfuehrung.QuellFiliale = qint16(r[0].toInt());
    AAusfuehrung.ZielFiliale = qint16(r[1].toInt());
    AAusfuehrung.Menge = r[2].toInt();
    AAusfuehrung.VorgangsKey = TIntTrio(r[3].toInt(), r[4].toInt(), r[5].toInt());
    AAusfuehrung.VorgangsTyp = r[6].toInt();
    AAusfuehrung.KubeId = TIntTrio(r[7].toInt(), r[8].toInt(), r[9].toInt());
    AAusfuehrung.KubeNr = r[10].toInt();
    return true;
}
