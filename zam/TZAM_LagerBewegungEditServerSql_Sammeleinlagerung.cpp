// The collective putaway of one product of an incoming document (or of a source place). The record
// is checked, every movement it books is planned into one stock plan (place stock, reservations,
// branch stock: a test compares the plan as a whole), and the booking lowers the order lines' open
// quantities with conditional updates before the plan changes the stock, so two devices putting
// away the same pieces never both succeed.
#include "TZAM_LagerBewegungEditServerSql.h"

#include "TZAM_Bestandsplan.h"
#include "TZAM_Datenbank.h"
#include "TZAM_EingangsbelegServerSql.h"
#include "TZAM_InfoMeldungListe.h"
#include "TZAM_Korrektur.h"
#include "ZAMInfoKoords.h"

#include <QMap>

#include <algorithm>

namespace {

// The order lines of incoming documents (zam_bne.typ, zam_bnep.bne_typ), also the journal's
// reference type of the movements booked for them.
constexpr int CBelegTyp = 70;

// One open order line of the document, and what this putaway takes of it.
struct TZeile
{
    int Id = 0;
    int Groesse = 0;
    int Offen = 0;
    int QuellFiliale = -1;
    int ZielFiliale = -1;
    TZAM_PersArt_ExtVerweis Verweis;
    TIntTrio Lagerort; // null: the pieces are on transport
    int Genommen = 0;
};

// What the booking changes in an order line.
struct TZeilenAenderung
{
    int Groesse = 0;
    int Erhalten = 0;
    int Fehlmenge = 0;
};

// Goods of these kinds keep their owner's reservation on the target.
bool MitReservierung(TQIV_PersoAuswahl AArt)
{
    return AArt == paVersand || AArt == paFAFuerKunde || AArt == paBearbeitung;
}

} // namespace

class TZAM_LagerBewegungEditServerSql::TSammeleinlagerung
{
public:
    TSammeleinlagerung(TZAM_LagerBewegungEditServerSql& AServer, const TQIV_Lager_Sammeleinlagerung& ARec,
                       TZAM_InfoMeldungListe& AMeldungen)
        : S(AServer), R(ARec), M(AMeldungen), FZeit(QDateTime::currentDateTime())
    {
    }

    // Checks the record and plans every movement; reads only.
    bool Planen()
    {
        if (!SatzPruefen())
            return false;
        if (R.BelegId.Defined()) {
            if (!ZeilenLesen() || !AusBeleg() || !RestSchliessen())
                return false;
        } else if (!AusLagerort()) {
            return false;
        }
        return Mehrmengen();
    }

    bool Pruefen() const { return FPlan.Pruefen(S.FDb, M); }

    // Inside the bracket: the order lines (in key order), then the stock, then the journal.
    bool Buchen()
    {
        for (auto it = FAenderungen.cbegin(); it != FAenderungen.cend(); ++it)
            for (const auto& [spalte, menge] : {std::pair{QStringLiteral("erhalten"), it->Erhalten},
                                                std::pair{QStringLiteral("fehlmenge"), it->Fehlmenge}}) {
                if (menge <= 0)
                    continue;
                // Another device that took these pieces first leaves less open than planned here.
                if (!S.FDb.MengeAendern(QStringLiteral("zam_bnep"), spalte,
                                        QStringLiteral("id = ? AND menge - erhalten - fehlmenge >= ?"),
                                        {it.key(), menge}, menge)) {
                    M.Meldung_Add(CZAM_Info_Lagbew_AnderesGeraet, {R.ProduktId.ToText(), QString::number(it->Groesse)});
                    return false;
                }
            }
        if (!FAenderungen.isEmpty())
            TZAM_EingangsbelegServerSql::OffenFortschreiben(S.FDb, QStringLiteral("id1 = ? AND id2 = ? AND id3 = ?"),
                                                            {R.BelegId.Id1, R.BelegId.Id2, R.BelegId.Id3});
        if (!FPlan.Ausfuehren(S.FDb, M))
            return false;
        S.Journal(FSchritte);
        return true;
    }

private:
    bool SatzPruefen()
    {
        QStringList fehlt;
        if (R.Lager < 0)
            fehlt << QStringLiteral("kein Lager");
        if (R.Mitarbeiter.IsNull())
            fehlt << QStringLiteral("kein Mitarbeiter");
        if (!R.ProduktId.Defined())
            fehlt << QStringLiteral("kein Artikel");
        if (!R.BelegId.Defined() && !R.VonLagerort.Defined())
            fehlt << QStringLiteral("weder Eingangsbeleg noch Von-Lagerort");
        if (!fehlt.isEmpty()) {
            M.Meldung_Add(CZAM_Info_Lagbew_EinlagerungUnvollstaendig, {fehlt.join(QStringLiteral(", "))});
            return false;
        }
        for (const TQIV_Lager_Bew_Sortiment& e : R.Lagerorte) {
            TOrt ziel;
            if (!EintragPruefen(e, ziel))
                return false;
        }
        for (const TQIV_Lager_Bew_Sortiment& e : R.Mehrmengen) {
            TOrt ziel;
            if (!EintragPruefen(e, ziel))
                return false;
            FMehrZiele.append(ziel);
        }
        return R.BelegId.Defined() || OrtPruefen(R.VonLagerort, nullptr);
    }

    bool EintragPruefen(const TQIV_Lager_Bew_Sortiment& AEintrag, TOrt& AZiel)
    {
        const TZAM_Intv100_Sortiment_Me& me = AEintrag.Menge;
        if (me.MinIndex <= me.MaxIndex && !zam_Intv100_IstGroesse(me.MaxIndex)) {
            M.Meldung_Add(CZAM_Info_Lagbew_GroesseAusserhalb, {QString::number(me.MaxIndex)});
            return false;
        }
        if (!me.IsPositive()) {
            const auto negativ = std::find_if(me.Me.cbegin(), me.Me.cend(), [](int AMenge) { return AMenge < 0; });
            M.Meldung_Add(CZAM_Info_Lagbew_MengeUngueltig, {QString::number(negativ == me.Me.cend() ? 0 : *negativ)});
            return false;
        }
        // A container is checked with the place it is said to stand on.
        if (AEintrag.Behaelter.Defined() && AEintrag.Lagerort.Defined() && !OrtPruefen(AEintrag.Lagerort, nullptr))
            return false;
        return OrtPruefen(AEintrag.Ziel(), &AZiel);
    }

    bool OrtPruefen(const TIntTrio& AId, TOrt* AOrt)
    {
        TOrt ort;
        if (!AId.Defined() || !S.Ort_Lesen(AId, ort)) {
            M.Meldung_Add(CZAM_Info_Lagbew_LagerortUnbekannt, {AId.ToText()});
            return false;
        }
        if (ort.Lager != R.Lager) {
            M.Meldung_Add(CZAM_Info_Lagbew_FremdesLager, {AId.ToText(), QString::number(R.Lager)});
            return false;
        }
        if (S.FremdGesperrt(ort, M))
            return false;
        if (AOrt)
            *AOrt = ort;
        return true;
    }

    // Kinds 2 and 4 (and a kind forced to them) with a reference take only that reference's lines.
    bool NachVerweis() const
    {
        return R.Verweis.Defined() && (R.PersoAuswahl == paVersand || R.PersoAuswahl == paBearbeitung);
    }

    bool ZeilenLesen()
    {
        QString sql = QStringLiteral(
            "SELECT p.id, p.groesse, p.menge - p.erhalten - p.fehlmenge, p.quell_filiale, p.ziel_filiale, "
            "p.ext_kennung, p.ext_id1, p.ext_id2, p.ext_id3, p.ext_nummer, p.lo_id1, p.lo_id2, p.lo_id3 "
            "FROM zam_bne b JOIN zam_bnep p ON p.bne_id1 = b.id1 AND p.bne_id2 = b.id2 AND p.bne_id3 = b.id3 "
            "AND p.bne_typ = b.typ WHERE b.id1 = ? AND b.id2 = ? AND b.id3 = ? AND b.typ = ? AND b.prod_id1 = ? "
            "AND b.prod_id2 = ? AND b.prod_id3 = ? AND p.bewtyp = ? AND p.menge - p.erhalten - p.fehlmenge > 0");
        QVariantList werte = {R.BelegId.Id1,   R.BelegId.Id2,   R.BelegId.Id3,   CBelegTyp,
                              R.ProduktId.Id1, R.ProduktId.Id2, R.ProduktId.Id3, R.BewByte};
        if (NachVerweis()) {
            sql += QStringLiteral(" AND p.ext_kennung = ? AND p.ext_id1 = ? AND p.ext_id2 = ? AND p.ext_id3 = ? "
                                  "AND p.ext_nummer = ?");
            werte << R.Verweis.Kennung << R.Verweis.Id.Id1 << R.Verweis.Id.Id2 << R.Verweis.Id.Id3 << R.Verweis.Nummer;
        }
        const TZAM_Zeilen z = S.FDb.Lesen(sql + QStringLiteral(" ORDER BY p.id"), werte);
        for (const QVariantList& r : z.Zeilen()) {
            TZeile zeile;
            zeile.Id = r.at(0).toInt();
            zeile.Groesse = r.at(1).toInt();
            zeile.Offen = r.at(2).toInt();
            zeile.QuellFiliale = r.at(3).toInt();
            zeile.ZielFiliale = r.at(4).toInt();
            zeile.Verweis = TZAM_PersArt_ExtVerweis::Construct(quint8(r.at(5).toInt()), Trio(r, 6), r.at(9).toInt());
            zeile.Lagerort = Trio(r, 10);
            FZeilen.append(zeile);
        }
        if (FZeilen.isEmpty()) {
            M.Meldung_Add(CZAM_Info_Lagbew_BelegUnbekannt, {R.BelegId.ToText(), R.ProduktId.ToText()});
            return false;
        }
        return true;
    }

    bool AusBeleg()
    {
        for (int gr = 0; gr < CZAM_Intv100_Anzahl; ++gr) {
            qint64 verlangt = 0, offen = 0;
            for (const TQIV_Lager_Bew_Sortiment& e : R.Lagerorte)
                verlangt += e.Menge.Me[size_t(gr)];
            if (verlangt == 0)
                continue;
            for (const TZeile& z : FZeilen)
                if (z.Groesse == gr)
                    offen += z.Offen;
            if (verlangt > offen) {
                M.Meldung_Add(CZAM_Info_Lagbew_NichtGenugOffen,
                              {R.ProduktId.ToText(), QString::number(gr), QString::number(offen),
                               QString::number(verlangt - offen)});
                return false;
            }
        }
        // Each place entry takes the lines of its sizes in their order.
        for (const TQIV_Lager_Bew_Sortiment& e : R.Lagerorte)
            for (int gr = 0; gr < CZAM_Intv100_Anzahl; ++gr)
                for (int rest = e.Menge.Me[size_t(gr)]; rest > 0;) {
                    TZeile* z = nullptr;
                    for (TZeile& kandidat : FZeilen)
                        if (kandidat.Groesse == gr && kandidat.Genommen < kandidat.Offen) {
                            z = &kandidat;
                            break;
                        }
                    if (!z)
                        break; // not reached: the sums above cover every size
                    const int n = qMin(rest, z->Offen - z->Genommen);
                    z->Genommen += n;
                    rest -= n;
                    TZeilenAenderung& a = FAenderungen[z->Id];
                    a.Groesse = gr;
                    a.Erhalten += n;
                    TZAM_Lager_BEW bew = Satz(gr, z->Lagerort, e.Ziel(), n);
                    TZAM_Lager_BNE_Korrektur k = zam_Korrektur(bew, CZAM_Korrektur_Keine, -1, -1);
                    // Pieces on no place are on transport to the line's branch: received now.
                    if (!z->Lagerort.Defined())
                        k = zam_Korrektur(bew, CZAM_Korrektur_AusTransport, z->QuellFiliale, z->ZielFiliale);
                    if (z->Verweis.Defined())
                        bew.LVPB = Reservierungen(z->Lagerort, e.Ziel(), gr, n, z->Verweis,
                                                  R.PersoFiliale >= 0 ? R.PersoFiliale : z->ZielFiliale);
                    if (!Schritt(bew, k, R.VonFiliale))
                        return false;
                }
        return true;
    }

    bool AusLagerort()
    {
        for (const TQIV_Lager_Bew_Sortiment& e : R.Lagerorte)
            for (int gr = 0; gr < CZAM_Intv100_Anzahl; ++gr) {
                const int n = e.Menge.Me[size_t(gr)];
                if (n <= 0)
                    continue;
                TZAM_Lager_BEW bew = Satz(gr, R.VonLagerort, e.Ziel(), n);
                if (R.Verweis.Defined())
                    bew.LVPB = Reservierungen(R.VonLagerort, e.Ziel(), gr, n, R.Verweis,
                                              R.PersoFiliale >= 0 ? R.PersoFiliale : R.AnFiliale);
                if (!Schritt(bew, zam_Korrektur(bew, CZAM_Korrektur_Keine, -1, -1), R.VonFiliale))
                    return false;
            }
        return true;
    }

    // Without waiting the lines' rest is closed as missing; for pieces on transport the
    // to-branch's transport stock goes with it. A notice's pieces stay on their place.
    bool RestSchliessen()
    {
        if (R.AufFehlmengeWarten)
            return true;
        for (const TZeile& z : FZeilen) {
            const int rest = z.Offen - z.Genommen;
            if (rest <= 0)
                continue;
            TZeilenAenderung& a = FAenderungen[z.Id];
            a.Groesse = z.Groesse;
            a.Fehlmenge += rest;
            if (z.Lagerort.Defined())
                continue;
            TZAM_Lager_BEW bew = Satz(z.Groesse, {}, {}, rest);
            if (!Schritt(bew, zam_Korrektur(bew, CZAM_Korrektur_TransportFehlmenge, z.QuellFiliale, z.ZielFiliale), -1))
                return false;
        }
        return true;
    }

    // Pieces beyond the plan are a gain of the owner on their place: the record's to-branch when it
    // is a branch of the warehouse, else the place's (the BF rule). A warehouse without branches
    // keeps no branch stock: the pieces only enter the place.
    bool Mehrmengen()
    {
        for (qsizetype i = 0; i < R.Mehrmengen.size(); ++i) {
            const TQIV_Lager_Bew_Sortiment& e = R.Mehrmengen.at(i);
            const int eigentuemer = S.Empfaenger(FMehrZiele.at(i), R.AnFiliale);
            for (int gr = 0; gr < CZAM_Intv100_Anzahl; ++gr) {
                const int n = e.Menge.Me[size_t(gr)];
                if (n <= 0)
                    continue;
                TZAM_Lager_BEW bew = Satz(gr, {}, e.Ziel(), n);
                const TZAM_Lager_BNE_Korrektur k =
                    eigentuemer >= 0 ? zam_Korrektur(bew, CZAM_Korrektur_InventurPlus, eigentuemer, eigentuemer)
                                     : zam_Korrektur(bew, CZAM_Korrektur_Keine, -1, -1);
                if (!Schritt(bew, k, eigentuemer))
                    return false;
            }
        }
        return true;
    }

    // The reservations a movement of a referenced line takes along: the source's entries of that
    // reference as far as they go (earlier movements of this putaway from the same source took
    // theirs first), and for goods of kinds 2 to 4 the rest reserved anew on the target.
    TZAM_LVPB_Daten_Array Reservierungen(const TIntTrio& AVon, const TIntTrio& AAn, int AGr, int AMenge,
                                         const TZAM_PersArt_ExtVerweis& AVerweis, int AFiliale)
    {
        TZAM_LVPB_Daten_Array daten;
        int gedeckt = 0;
        if (AVon.Defined()) {
            const QString schluessel = QStringLiteral("%1 %2 %3").arg(AVon.ToText()).arg(AGr).arg(AVerweis.ToText());
            const int vorher = FLVPBGenommen.value(schluessel);
            TZAM_LVPB_Daten_Array alle;
            S.LVPBDaten_Ermitteln(R.ProduktId, AGr, alle, 0, vorher + AMenge, AAn, AVon, AVerweis, -1, -1);
            // The entries come in pairs (off the source, onto the target) in a fixed order.
            int ueberspringen = vorher;
            for (qsizetype i = 0; i + 1 < alle.size(); i += 2) {
                TZAM_LVPB_Daten ab = alle.at(i), zu = alle.at(i + 1);
                const int schon = qMin(ueberspringen, ab.Menge);
                ueberspringen -= schon;
                ab.Menge -= schon;
                zu.Menge -= schon;
                if (ab.Menge > 0) {
                    daten << ab << zu;
                    gedeckt += ab.Menge;
                }
            }
            FLVPBGenommen[schluessel] = vorher + gedeckt;
        }
        if (MitReservierung(R.PersoAuswahl) && AMenge > gedeckt) {
            TZAM_LVPB_Daten d;
            d.LagerortId = AAn;
            d.VerweisArt = AVerweis.Kennung;
            d.VerweisId = AVerweis.Id;
            d.VerweisNummer = AVerweis.Nummer;
            d.Menge = AMenge - gedeckt;
            d.Vorzeichen = 1;
            d.Filiale = AFiliale;
            daten << d;
        }
        return daten;
    }

    TZAM_Lager_BEW Satz(int AGr, const TIntTrio& AVon, const TIntTrio& AAn, int AMenge) const
    {
        TZAM_Lager_BEW bew;
        bew.ProduktId = R.ProduktId;
        bew.GrInd = quint8(AGr);
        bew.VonLagerortId = AVon;
        bew.AnLagerortId = AAn;
        bew.Menge = AMenge;
        bew.Buchungszeit = FZeit;
        bew.Mitarbeiter = R.Mitarbeiter;
        if (R.BelegId.Defined()) {
            bew.VerweisTyp = quint8(CBelegTyp);
            bew.VerweisId = R.BelegId;
            bew.VerweisBewTyp = quint8(R.BewByte);
        }
        return bew;
    }

    bool Schritt(const TZAM_Lager_BEW& ABew, const TZAM_Lager_BNE_Korrektur& AKorrektur, int AFiliale)
    {
        if (!S.Planen(ABew, &AKorrektur, AFiliale, FPlan, M))
            return false;
        FSchritte.append({ABew, AKorrektur});
        return true;
    }

    TZAM_LagerBewegungEditServerSql& S;
    const TQIV_Lager_Sammeleinlagerung& R;
    TZAM_InfoMeldungListe& M;
    const QDateTime FZeit;
    QList<TOrt> FMehrZiele; // the targets of the excess entries, in their order
    QList<TZeile> FZeilen;
    QMap<int, TZeilenAenderung> FAenderungen; // by line key: the order in which devices lock them
    QMap<QString, int> FLVPBGenommen;
    QList<std::pair<TZAM_Lager_BEW, TZAM_Lager_BNE_Korrektur>> FSchritte;
    TZAM_Bestandsplan FPlan;
};

bool TZAM_LagerBewegungEditServerSql::Sammeleinlagerung_Buchen(TQIV_Lager_Sammeleinlagerung& ARec,
                                                               TZAM_InfoMeldungListe& AMeldungen, bool ABuchen)
{
    // The record's places are checked once, not for every movement booked onto them.
    const TVorratAn vorrat(*this);
    if (!ABuchen) {
        TSammeleinlagerung e(*this, ARec, AMeldungen);
        return e.Planen() && e.Pruefen();
    }
    return GanzOderGarNicht(QStringLiteral("Sammeleinlagerung_Buchen"), [&] {
        TSammeleinlagerung e(*this, ARec, AMeldungen);
        return e.Planen() && e.Buchen();
    });
}
