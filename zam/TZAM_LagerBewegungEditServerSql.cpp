// The movement service's bookings. Each runs in a bracket of its own under a savepoint: a refusal
// rolls back to the savepoint and answers false, the caller's bracket goes on.
#include "TZAM_LagerBewegungEditServerSql.h"

#include "EZAM_Exception.h"
#include "IZAM_Buchung.h"
#include "TZAM_Bestandsplan.h"
#include "TZAM_Datenbank.h"
#include "TZAM_GanzOderGarNicht.h"
#include "TZAM_InfoMeldungListe.h"
#include "TZAM_Lagerort_Info.h"
#include "TZAM_Lagersperren.h"
#include "TZAM_Werteliste.h"
#include "ZAMBestandsarten.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

namespace {

constexpr int COperationsArt = 69; // movement bookings
const QString CKlasse = QStringLiteral("TZAM_LagerBewegungEditServerSql.");

QVariantList Werte(const TIntTrio& AId)
{
    return {AId.Id1, AId.Id2, AId.Id3};
}

const QString CIdGleich = QStringLiteral("id1 = ? AND id2 = ? AND id3 = ?");

// Goods on a place of the blocked-goods area are blocked goods; everywhere else free stock.
int Typ(int ABereich)
{
    return ABereich == CZAM_Bereich_GeblockteWare ? CZAM_ArtBestTyp_Geblockt : CZAM_ArtBestTyp_Frei;
}

QList<int> BestandSchluessel(const TIntTrio& AOrt, const TZAM_Lager_BEW& ABew, int ATyp)
{
    return {AOrt.Id1, AOrt.Id2, AOrt.Id3, ABew.ProduktId.Id1, ABew.ProduktId.Id2, ABew.ProduktId.Id3, ABew.GrInd, ATyp};
}

QList<int> BFSchluessel(const TZAM_Lager_BEW& ABew, int AFiliale, int ATyp)
{
    return {ABew.ProduktId.Id1, ABew.ProduktId.Id2, ABew.ProduktId.Id3, AFiliale, ATyp, ABew.GrInd};
}

bool KorrekturFehler(TZAM_InfoMeldungListe& AMeldungen, const QString& AText)
{
    AMeldungen.Meldung_Add(CZAM_Info_Lagbew_KorrekturUngueltig, {AText});
    return false;
}

} // namespace

bool TZAM_LagerBewegungEditServerSql::Lagerbewegung_Buchen(TZAM_Lager_BEW& ABew, bool ABuchen,
                                                           TZAM_InfoMeldungListe* AMeldungen)
{
    return Buchung(QStringLiteral("Lagerbewegung_Buchen"), ABew, nullptr, 0, -1, ABuchen, AMeldungen);
}

bool TZAM_LagerBewegungEditServerSql::UmlagerBewegung_Buchen(TZAM_Lager_BEW& ABew, TZAM_Lager_BNE_Korrektur& AKorrektur,
                                                             int AUmlagerungsArt, int ABuchungsFiliale,
                                                             int /*AAktLager*/, bool ABuchen,
                                                             TZAM_InfoMeldungListe* AMeldungen)
{
    return Buchung(QStringLiteral("UmlagerBewegung_Buchen"), ABew, &AKorrektur, AUmlagerungsArt, ABuchungsFiliale,
                   ABuchen, AMeldungen);
}

bool TZAM_LagerBewegungEditServerSql::Bestandskorrektur_Buchen(TZAM_Lager_BEW& ABew,
                                                               TZAM_Lager_BNE_Korrektur& AKorrektur, bool ABuchen,
                                                               TZAM_InfoMeldungListe* AMeldungen)
{
    return Buchung(QStringLiteral("Bestandskorrektur_Buchen"), ABew, &AKorrektur, 0, -1, ABuchen, AMeldungen);
}

bool TZAM_LagerBewegungEditServerSql::Buchung(const QString& AName, TZAM_Lager_BEW& ABew,
                                              const TZAM_Lager_BNE_Korrektur* AKorrektur, int AUmlagerungsArt,
                                              int AFiliale, bool ABuchen, TZAM_InfoMeldungListe* AMeldungen)
{
    TZAM_InfoMeldungListe eigene;
    TZAM_InfoMeldungListe& meldungen = AMeldungen ? *AMeldungen : eigene;
    if (ABew.Menge <= 0) {
        meldungen.Meldung_Add(CZAM_Info_Lagbew_MengeUngueltig, {QString::number(ABew.Menge)});
        return false;
    }
    if (!ABuchen) {
        TZAM_Bestandsplan plan;
        return Planen(ABew, AKorrektur, AFiliale, plan, meldungen) && plan.Pruefen(FDb, meldungen);
    }

    return GanzOderGarNicht(AName, [&] {
        TZAM_Bestandsplan plan;
        const bool ok = Planen(ABew, AKorrektur, AFiliale, plan, meldungen) && plan.Ausfuehren(FDb, meldungen);
        if (ok)
            Journal(ABew, AKorrektur, AUmlagerungsArt);
        return ok;
    });
}

bool TZAM_LagerBewegungEditServerSql::GanzOderGarNicht(const QString& AName, const std::function<bool()>& ARumpf)
{
    return zam_GanzOderGarNicht(FDb, COperationsArt, CKlasse + AName, QStringLiteral("zam_bewegung_"), ARumpf);
}

bool TZAM_LagerBewegungEditServerSql::Planen(const TZAM_Lager_BEW& ABew, const TZAM_Lager_BNE_Korrektur* AKorrektur,
                                             int AFiliale, TZAM_Bestandsplan& APlan, TZAM_InfoMeldungListe& AMeldungen)
{
    const bool von = ABew.VonLagerortId.Defined();
    const bool an = ABew.AnLagerortId.Defined();
    const int art = AKorrektur ? AKorrektur->KorrekturArt : CZAM_Korrektur_Keine;
    // Only a slip accepted at once, or its missing rest written off, books without any place.
    if (!von && !an && art != CZAM_Korrektur_AusTransport && art != CZAM_Korrektur_TransportFehlmenge)
        return KorrekturFehler(AMeldungen, QStringLiteral("weder Von- noch An-Lagerort"));
    TOrt vonOrt, anOrt;
    for (auto [gesetzt, id, ort] :
         {std::tuple(von, ABew.VonLagerortId, &vonOrt), std::tuple(an, ABew.AnLagerortId, &anOrt)}) {
        if (!gesetzt)
            continue;
        if (!Ort_Lesen(id, *ort)) {
            AMeldungen.Meldung_Add(CZAM_Info_Lagbew_LagerortUnbekannt, {id.ToText()});
            return false;
        }
        if (FremdGesperrt(*ort, AMeldungen))
            return false;
    }

    // Stock rows name an article size: goods of a size that does not exist are refused, not raised.
    if (an && !Groesse_Vorhanden(ABew.ProduktId, ABew.GrInd)) {
        AMeldungen.Meldung_Add(CZAM_Info_Lagbew_GroesseUnbekannt,
                               {ABew.ProduktId.ToText(), QString::number(ABew.GrInd)});
        return false;
    }

    const int menge = ABew.Menge;
    const QString artikel = ABew.ProduktId.ToText();
    const QString groesse = QString::number(ABew.GrInd);
    const int vonTyp = von ? Typ(vonOrt.Bereich) : 0;
    const int anTyp = an ? Typ(anOrt.Bereich) : 0;
    if (von)
        APlan.Aendern(TZAM_Bestandsplan::tbBestand, BestandSchluessel(vonOrt.Id, ABew, vonTyp), -menge,
                      CZAM_Info_Lagbew_BestandReichtNicht,
                      {QString::number(menge), artikel, groesse, vonOrt.Id.ToText()});
    // Pieces into a pseudo container leave the warehouse: the container keeps nothing.
    if (an && art != CZAM_Korrektur_PseudoBehaelter)
        APlan.Aendern(TZAM_Bestandsplan::tbBestand, BestandSchluessel(anOrt.Id, ABew, anTyp), menge, {}, {});

    for (const TZAM_LVPB_Daten& d : ABew.LVPB) {
        if (d.Menge == 0)
            continue;
        // Reservations move only between the movement's own places.
        const bool eigenerOrt = (von && d.LagerortId == vonOrt.Id) || (an && d.LagerortId == anOrt.Id);
        if (d.Menge < 0 || (d.Vorzeichen != 1 && d.Vorzeichen != -1) || !eigenerOrt)
            return KorrekturFehler(
                AMeldungen, QStringLiteral("Reservierung mit Menge %1, Vorzeichen %2").arg(d.Menge).arg(d.Vorzeichen));
        const TZAM_PersArt_ExtVerweis verweis =
            TZAM_PersArt_ExtVerweis::Construct(d.VerweisArt, d.VerweisId, d.VerweisNummer);
        APlan.Aendern(TZAM_Bestandsplan::tbLVPB,
                      {d.LagerortId.Id1, d.LagerortId.Id2, d.LagerortId.Id3, ABew.ProduktId.Id1, ABew.ProduktId.Id2,
                       ABew.ProduktId.Id3, ABew.GrInd, d.VerweisArt, d.VerweisId.Id1, d.VerweisId.Id2, d.VerweisId.Id3,
                       d.VerweisNummer, d.Filiale},
                      qint64(d.Vorzeichen) * d.Menge, CZAM_Info_Lagbew_ReservierungReichtNicht,
                      {verweis.ToText(), QString::number(d.Menge), artikel, groesse, d.LagerortId.ToText()});
    }

    // The branches' stock. A correction names the branches whose stock changes; without one the
    // owner stays, and only goods entering or leaving the warehouse (or changing their stock
    // type) change the stock of their owning branches.
    const auto bf = [&](int AFil, int ATyp, qint64 ADelta) {
        APlan.Aendern(TZAM_Bestandsplan::tbBF, BFSchluessel(ABew, AFil, ATyp), ADelta,
                      CZAM_Info_Lagbew_FilialbestandReichtNicht,
                      {QString::number(menge), artikel, groesse, QString::number(AFil)});
    };
    const int vonFil = AKorrektur ? AKorrektur->VonFiliale : -1;
    const int anFil = AKorrektur ? AKorrektur->AnFiliale : -1;
    switch (art) {
    case CZAM_Korrektur_Keine: {
        if (von && an && vonOrt.Lager == anOrt.Lager) {
            if (vonTyp != anTyp)
                for (const auto& [fil, n] : Eigentuemer(vonOrt, vonTyp, menge, AFiliale, ABew, APlan)) {
                    bf(fil, vonTyp, -n);
                    bf(fil, anTyp, n);
                }
            break;
        }
        if (von)
            for (const auto& [fil, n] : Eigentuemer(vonOrt, vonTyp, menge, AFiliale, ABew, APlan))
                bf(fil, vonTyp, -n);
        if (an)
            if (const int fil = Empfaenger(anOrt, AFiliale); fil >= 0)
                bf(fil, anTyp, menge);
        break;
    }
    case CZAM_Korrektur_Filialtransfer: {
        // A side the booking leaves open is the warehouse's: goods into a wormhole leave their
        // owners (as any booking from the place finds them), goods out of one reach the branch
        // the target place stands for.
        TEigentuemer abgeber{{vonFil, menge}};
        if (vonFil < 0 && von)
            abgeber = Eigentuemer(vonOrt, CZAM_ArtBestTyp_Frei, menge, -1, ABew, APlan);
        const int empfaenger = anFil < 0 && an ? Empfaenger(anOrt, -1) : anFil;
        if (abgeber.isEmpty() || abgeber.first().first < 0 || empfaenger < 0)
            return KorrekturFehler(AMeldungen, QStringLiteral("Filialtransfer ohne Von- oder An-Filiale"));
        for (const auto& [fil, n] : abgeber)
            bf(fil, CZAM_ArtBestTyp_Frei, -n);
        bf(empfaenger, CZAM_ArtBestTyp_Frei, menge);
        break;
    }
    case CZAM_Korrektur_PseudoBehaelter:
        if (vonFil < 0 || anFil < 0 || !von)
            return KorrekturFehler(AMeldungen, QStringLiteral("Pseudobehälter braucht Von-Lagerort und beide Filialen"));
        bf(vonFil, vonTyp, -menge);
        bf(anFil, CZAM_ArtBestTyp_Frei, menge);
        break;
    case CZAM_Korrektur_InGeblockt:
    case CZAM_Korrektur_AusGeblockt: {
        if (vonFil < 0)
            return KorrekturFehler(AMeldungen, QStringLiteral("geblockte Ware ohne Filiale"));
        const bool hinein = art == CZAM_Korrektur_InGeblockt;
        bf(vonFil, hinein ? CZAM_ArtBestTyp_Frei : CZAM_ArtBestTyp_Geblockt, -menge);
        bf(vonFil, hinein ? CZAM_ArtBestTyp_Geblockt : CZAM_ArtBestTyp_Frei, menge);
        break;
    }
    case CZAM_Korrektur_FehlmengeErfuellt:
    case CZAM_Korrektur_FehlmengeErfuellt24:
    case CZAM_Korrektur_InventurMinus:
        if (vonFil < 0 || !von || an)
            return KorrekturFehler(AMeldungen, QStringLiteral("Inventurabgang braucht Filiale und nur Von-Lagerort"));
        bf(vonFil, vonTyp, -menge);
        break;
    case CZAM_Korrektur_InventurPlus:
        if (vonFil < 0 || !an || von)
            return KorrekturFehler(AMeldungen, QStringLiteral("Inventurzugang braucht Filiale und nur An-Lagerort"));
        bf(vonFil, anTyp, menge);
        break;
    case CZAM_Korrektur_AufTransport:
        if (vonFil < 0 || anFil < 0 || an)
            return KorrekturFehler(AMeldungen,
                                   QStringLiteral("Transport braucht Von- und An-Filiale, kein An-Lagerort"));
        bf(vonFil, von ? vonTyp : CZAM_ArtBestTyp_Frei, -menge);
        bf(anFil, CZAM_ArtBestTyp_Transport, menge);
        break;
    case CZAM_Korrektur_AusTransport:
        if (anFil < 0 || von)
            return KorrekturFehler(AMeldungen, QStringLiteral("Empfang braucht die An-Filiale, keinen Von-Lagerort"));
        bf(anFil, CZAM_ArtBestTyp_Transport, -menge);
        bf(anFil, an ? anTyp : CZAM_ArtBestTyp_Frei, menge);
        break;
    case CZAM_Korrektur_TransportFehlmenge:
        if (anFil < 0 || von || an)
            return KorrekturFehler(AMeldungen,
                                   QStringLiteral("Transportfehlmenge braucht die An-Filiale, keinen Lagerort"));
        bf(anFil, CZAM_ArtBestTyp_Transport, -menge);
        break;
    default:
        return KorrekturFehler(AMeldungen, QStringLiteral("Korrekturart %1").arg(art));
    }
    return true;
}

bool TZAM_LagerBewegungEditServerSql::Groesse_Vorhanden(const TInt32Trio& AProdukt, int AGroesse)
{
    const QVariantList produkt = {AProdukt.Id1, AProdukt.Id2, AProdukt.Id3};
    if (!FVorrat)
        return FDb.LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_artikel_groesse WHERE prod_id1 = ? "
                                            "AND prod_id2 = ? AND prod_id3 = ? AND groesse = ?"),
                             produkt + QVariantList{AGroesse}, 0)
                   .toInt() > 0;
    auto it = FVorrat->Groessen.find(AProdukt);
    if (it == FVorrat->Groessen.end()) {
        QSet<int> groessen;
        const TZAM_Zeilen z = FDb.Lesen(QStringLiteral("SELECT groesse FROM zam_artikel_groesse WHERE prod_id1 = ? "
                                                       "AND prod_id2 = ? AND prod_id3 = ?"),
                                        produkt);
        for (const QVariantList& r : z.Zeilen())
            groessen.insert(r.at(0).toInt());
        it = FVorrat->Groessen.insert(AProdukt, groessen);
    }
    return it->contains(AGroesse);
}

bool TZAM_LagerBewegungEditServerSql::Ort_Lesen(const TIntTrio& AId, TOrt& AOrt)
{
    if (!FVorrat) {
        const std::optional<TOrt> ort = Ort_Datenbank(AId);
        if (ort)
            AOrt = *ort;
        return ort.has_value();
    }
    auto it = FVorrat->Orte.constFind(AId);
    if (it == FVorrat->Orte.cend())
        it = FVorrat->Orte.insert(AId, Ort_Datenbank(AId));
    if (*it)
        AOrt = **it;
    return it->has_value();
}

std::optional<TZAM_LagerBewegungEditServerSql::TOrt> TZAM_LagerBewegungEditServerSql::Ort_Datenbank(const TIntTrio& AId)
{
    const TZAM_Zeilen z = FDb.Lesen(
        QStringLiteral("SELECT l.lager, l.bereich, l.filiale, b.filiale, l.auf_id1, l.auf_id2, l.auf_id3, l.art "
                       "FROM zam_lagerort l LEFT JOIN zam_behaelter b "
                       "ON b.id1 = l.id1 AND b.id2 = l.id2 AND b.id3 = l.id3 "
                       "WHERE l.id1 = ? AND l.id2 = ? AND l.id3 = ?"),
        Werte(AId));
    if (z.IsEmpty())
        return std::nullopt;
    const QVariantList& r = z.Zeilen().first();
    TOrt ort;
    ort.Id = AId;
    ort.Lager = r.at(0).toInt();
    ort.Bereich = r.at(1).toInt();
    ort.Filiale = r.at(2).toInt();
    ort.BehFiliale = r.at(3).isNull() ? -1 : r.at(3).toInt();
    if (!r.at(4).isNull())
        ort.Auf = TIntTrio(r.at(4).toInt(), r.at(5).toInt(), r.at(6).toInt());
    ort.Kennung = r.at(7).toInt();
    return ort;
}

bool TZAM_LagerBewegungEditServerSql::FremdGesperrt(const TOrt& AOrt, TZAM_InfoMeldungListe& AMeldungen)
{
    // The place itself and everything it stands on: a locked place keeps the containers on it.
    if (FVorrat && FVorrat->Frei.contains(AOrt.Id))
        return false;
    TIntTrio id = AOrt.Id;
    for (int tiefe = 0; tiefe < 32 && id.Defined(); ++tiefe) {
        QString halter;
        if (TZAM_Lagersperren::Fremd(id, &halter)) {
            AMeldungen.Meldung_Add(CZAM_Info_Lagbew_LagerortGesperrt, {id.ToText(), halter});
            return true;
        }
        const TZAM_Zeilen z = FDb.Lesen(QStringLiteral("SELECT auf_id1, auf_id2, auf_id3 FROM zam_lagerort WHERE ") +
                                            CIdGleich + QStringLiteral(" AND auf_id1 IS NOT NULL"),
                                        Werte(id));
        if (z.IsEmpty())
            break;
        id = TIntTrio(z.Wert(0, 0).toInt(), z.Wert(0, 1).toInt(), z.Wert(0, 2).toInt());
    }
    if (FVorrat)
        FVorrat->Frei.insert(AOrt.Id);
    return false;
}

QList<int> TZAM_LagerBewegungEditServerSql::Filialen_4_Lager(int ALager)
{
    QList<int> filialen;
    const TZAM_Zeilen z = FDb.Lesen(
        QStringLiteral("SELECT filiale FROM zam_lagergruppe_filiale WHERE lager = ? ORDER BY reihenfolge, filiale"),
        {ALager});
    for (const QVariantList& r : z.Zeilen())
        filialen.append(r.at(0).toInt());
    return filialen;
}

TZAM_LagerBewegungEditServerSql::TEigentuemer
TZAM_LagerBewegungEditServerSql::Eigentuemer(const TOrt& AOrt, int ATyp, int AMenge, int AFiliale,
                                             const TZAM_Lager_BEW& ABew, const TZAM_Bestandsplan& APlan)
{
    const QList<int> filialen = Filialen_4_Lager(AOrt.Lager);
    if (filialen.isEmpty())
        return {}; // a warehouse without branches keeps no branch stock
    for (int fil : {AFiliale, AOrt.Filiale, AOrt.BehFiliale})
        if (fil >= 0 && filialen.contains(fil))
            return {{fil, AMenge}};
    // The warehouse's branches in group order, each as far as its stock goes; what none covers
    // stays with the first, whose stock then refuses the booking.
    TEigentuemer ergebnis;
    int offen = AMenge;
    for (int fil : filialen) {
        const qint64 stand = APlan.Stand(FDb, TZAM_Bestandsplan::tbBF, BFSchluessel(ABew, fil, ATyp));
        const int teil = int(qMin<qint64>(offen, qMax<qint64>(stand, 0)));
        if (teil > 0) {
            ergebnis.append({fil, teil});
            offen -= teil;
        }
        if (offen == 0)
            return ergebnis;
    }
    if (!ergebnis.isEmpty() && ergebnis.first().first == filialen.first())
        ergebnis.first().second += offen;
    else
        ergebnis.prepend({filialen.first(), offen});
    return ergebnis;
}

int TZAM_LagerBewegungEditServerSql::Empfaenger(const TOrt& AOrt, int AFiliale)
{
    const QList<int> filialen = Filialen_4_Lager(AOrt.Lager);
    for (int fil : {AFiliale, AOrt.Filiale, AOrt.BehFiliale})
        if (fil >= 0 && filialen.contains(fil))
            return fil;
    return filialen.isEmpty() ? -1 : filialen.first();
}

namespace {
const QStringList CJournalSpalten = {
    QStringLiteral("prot_id1"),     QStringLiteral("prot_id2"),     QStringLiteral("prot_id3"),
    QStringLiteral("zeit"),         QStringLiteral("mita_id1"),     QStringLiteral("mita_id2"),
    QStringLiteral("prod_id1"),     QStringLiteral("prod_id2"),     QStringLiteral("prod_id3"),
    QStringLiteral("groesse"),      QStringLiteral("von_id1"),      QStringLiteral("von_id2"),
    QStringLiteral("von_id3"),      QStringLiteral("an_id1"),       QStringLiteral("an_id2"),
    QStringLiteral("an_id3"),       QStringLiteral("menge"),        QStringLiteral("umlagerungsart"),
    QStringLiteral("korrekturart"), QStringLiteral("von_filiale"),  QStringLiteral("an_filiale"),
    QStringLiteral("verweis_typ"),  QStringLiteral("verweis_id1"),  QStringLiteral("verweis_id2"),
    QStringLiteral("verweis_id3"),  QStringLiteral("verweis_bewtyp")};
} // namespace

QVariantList TZAM_LagerBewegungEditServerSql::JournalZeile(const TZAM_Lager_BEW& ABew,
                                                           const TZAM_Lager_BNE_Korrektur* AKorrektur,
                                                           int AUmlagerungsArt)
{
    const TIntTrio prot = ZAMBuchung().GetProtId();
    const QDateTime zeit = ABew.Buchungszeit.isValid() ? ABew.Buchungszeit : QDateTime::currentDateTime();
    return {prot.Id1,
            prot.Id2,
            prot.Id3,
            zeit.toMSecsSinceEpoch(),
            ABew.Mitarbeiter.Id1,
            ABew.Mitarbeiter.Id2,
            ABew.ProduktId.Id1,
            ABew.ProduktId.Id2,
            ABew.ProduktId.Id3,
            int(ABew.GrInd),
            ABew.VonLagerortId.Id1,
            ABew.VonLagerortId.Id2,
            ABew.VonLagerortId.Id3,
            ABew.AnLagerortId.Id1,
            ABew.AnLagerortId.Id2,
            ABew.AnLagerortId.Id3,
            ABew.Menge,
            AUmlagerungsArt,
            AKorrektur ? int(AKorrektur->KorrekturArt) : 0,
            AKorrektur ? int(AKorrektur->VonFiliale) : -1,
            AKorrektur ? int(AKorrektur->AnFiliale) : -1,
            int(ABew.VerweisTyp),
            ABew.VerweisId.Id1,
            ABew.VerweisId.Id2,
            ABew.VerweisId.Id3,
            int(ABew.VerweisBewTyp)};
}

void TZAM_LagerBewegungEditServerSql::Journal(const TZAM_Lager_BEW& ABew, const TZAM_Lager_BNE_Korrektur* AKorrektur,
                                              int AUmlagerungsArt)
{
    zam_ZeilenEinfuegen(FDb, QStringLiteral("zam_bewegung"), CJournalSpalten,
                        {JournalZeile(ABew, AKorrektur, AUmlagerungsArt)});
}

void TZAM_LagerBewegungEditServerSql::Journal(
    const QList<std::pair<TZAM_Lager_BEW, TZAM_Lager_BNE_Korrektur>>& ASchritte, int AUmlagerungsArt)
{
    QList<QVariantList> zeilen;
    for (const auto& [bew, korrektur] : ASchritte)
        zeilen << JournalZeile(bew, &korrektur, AUmlagerungsArt);
    zam_ZeilenEinfuegen(FDb, QStringLiteral("zam_bewegung"), CJournalSpalten, zeilen);
}

bool TZAM_LagerBewegungEditServerSql::Behaelter_Zuordnung_Loeschen(const TIntTrio& ABehaelter, bool ABuchen)
{
    if (!ABuchen)
        return FDb.LesenWert(QStringLiteral("SELECT COUNT(*) FROM zam_behaelter WHERE ") + CIdGleich, Werte(ABehaelter),
                             0)
                   .toInt() > 0;
    const QString name = CKlasse + QStringLiteral("Behaelter_Zuordnung_Loeschen");
    IZAM_Buchung& buchung = ZAMBuchung();
    const int tiefe = buchung.Tiefe();
    buchung.Oeffnen(COperationsArt, name);
    try {
        // The single-use flag belongs to the container, not to its assignment.
        const bool ok = FDb.Schreiben(QStringLiteral("UPDATE zam_behaelter SET filiale = -1, lager = -1, "
                                                     "wbs_gedruckt = 0, wbs_liste1 = 0, wbs_liste2 = 0, "
                                                     "auf_transport = 0 WHERE ") +
                                          CIdGleich,
                                      Werte(ABehaelter)) > 0;
        buchung.Schliessen(name);
        return ok;
    } catch (...) {
        buchung.Aufgeben(tiefe);
        throw;
    }
}
