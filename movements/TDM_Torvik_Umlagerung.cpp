// The data module's relocations between areas: the area rules and the relocation that writes the
// change of owner for wormholes and blocked goods.
#include "TDM_Torvik.h"

#include "EZAM_Exception.h"
#include "TArtikelTools.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "ZAMBestandsarten.h"
#include "ZAMGlobal.h"
#include "ZAMUtils.h"

namespace {

// ALagerFilNr asking to split blocked goods over the branches that own them.
constexpr int CSplitGeblockteWare = 10000;

// How a filling step lets the relocation go on.
enum class TSchritt
{
    Weiter,
    EndeWahr,
    EndeFalsch
};

// The first rule that forbids the pair, in this order (later rules repeat earlier texts).
QString BereichsRegel(TZAM_Lager_Ausgezeichnete_Bereiche V, TZAM_Lager_Ausgezeichnete_Bereiche A)
{
    const auto name = [](TZAM_Lager_Ausgezeichnete_Bereiche B) {
        return CZAM_Lager_Ausgezeichnete_Bereiche_2_String(B);
    };
    if (V == CZAM_Bereich_Wurmloch && A == CZAM_Bereich_Wurmloch)
        return QStringLiteral("Von- und An-Lagerplatz sind Wurmlöcher!");
    if (V == CZAM_Bereich_GeblockteWare && A == CZAM_Bereich_Wurmloch)
        return QStringLiteral("Geblockte Ware kann nicht in ein Wurmloch umgelagert werden!");
    if (V == CZAM_Bereich_Wurmloch && A == CZAM_Bereich_GeblockteWare)
        return QStringLiteral("Geblockte Ware kann nicht aus einem Wurmloch umgelagert werden!");
    if (V == CZAM_Bereich_Bearbeitung && A != CZAM_Bereich_Bearbeitung && A != CZAM_Bereich_KundenVBS)
        return QStringLiteral("Ware in Bearbeitung kann nicht nach ") + name(A) + QStringLiteral(" umgelagert werden!");
    if (V == CZAM_Bereich_BearbVorbereitung && A != CZAM_Bereich_BearbVorbereitung && A != CZAM_Bereich_Bearbeitung)
        return QStringLiteral("Ware auf einer Bearbeitungs-Vorbereitung kann nicht nach ") + name(A) +
               QStringLiteral(" umgelagert werden!");
    if (V == CZAM_Bereich_BearbStart && A != CZAM_Bereich_BearbStart && A != CZAM_Bereich_Bearbeitung)
        return QStringLiteral("Ware auf einem Bearbeitungs-Start kann nicht nach ") + name(A) +
               QStringLiteral(" umgelagert werden!");
    if (V != CZAM_Bereich_Bearbeitung && A == CZAM_Bereich_Bearbeitung)
        return QStringLiteral("Ware in Bearbeitung kann nicht von ") + name(V) + QStringLiteral(" umgelagert werden!");
    if (V != CZAM_Bereich_BearbVorbereitung && A == CZAM_Bereich_BearbVorbereitung)
        return QStringLiteral("Ware in Bearbeitung kann nicht von ") + name(V) + QStringLiteral(" umgelagert werden!");
    return {};
}

// A filling step under its own registration name; a failure ends the relocation with false.
TSchritt SchrittAusfuehren(const char* AName, const std::function<TSchritt()>& ASchritt)
{
    TSchritt s = TSchritt::EndeFalsch;
    TZAM_Hausregel::OhneBusy(
        AName, [&] { s = ASchritt(); }, false);
    return s;
}

} // namespace

bool TDM_Torvik::Umlagerung_MitBewegungen_Lagerorte_Testen(const TZAM_Lagerort_Info& AVonInfo,
                                                           const TZAM_Lagerort_Info& AAnInfo, QString& AMeldung)
{
    AMeldung.clear();
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Umlagerung_MitBewegungen_Lagerorte_Testen", false, [&] {
        AMeldung = BereichsRegel(AVonInfo.Bereich, AAnInfo.Bereich);
        return AMeldung.isEmpty();
    });
}

bool TDM_Torvik::Umlagerung_MitBewegungen_Buchen(bool& AWenigerVersch, const TZAM_Lagerort_Info& AVonInfo,
                                                 const TZAM_Lagerort_Info& AAnInfo, const TInt32Trio& AProduktId,
                                                 int AGrInd, int AMenge, qint16 AVonFilZuord, qint16 AAnFilZuord,
                                                 int AVonLagerZuord, int AAnLagerZuord, int ALagerFilNr,
                                                 bool ALVPBNachVonFilFiltern, bool AStopBeiFehler,
                                                 TZAM_InfoMeldungListe* AMeldungen, bool& ANichtsZuBuchen,
                                                 QString& AMeldung, int* AGebuchteMenge)
{
    AMeldung.clear();
    ANichtsZuBuchen = false;
    if (AGebuchteMenge)
        *AGebuchteMenge = 0;
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Umlagerung_MitBewegungen_Buchen", false, [&]() -> bool {
        IZAM_LagerEditServer& lager = TZAM_BewegungsDienste::Lager(*this);
        IZAM_LagerBewegungEditServer& bewegung = TZAM_BewegungsDienste::Bewegung(*this);

        TZAM_Lager_BEW bew = TZAM_BewegungsDienste::Satz(AProduktId, AGrInd, AVonInfo.LagerortId, AAnInfo.LagerortId,
                                                         AMenge, FMitarbeiter);
        TZAM_Lager_BNE_Korrektur korrektur;
        Lager_BNE_Korrektur_Init(korrektur);
        int art = CZAM_Umlagerung_Normal;

        const int buchungsFiliale = AAnFilZuord == -1 ? AVonFilZuord : -1;
        int filialFilter = -1;
        if (ALVPBNachVonFilFiltern && FAktLagerFilialen.size() == 1)
            filialFilter = FAktLagerFilialen.first();
        int vonFiliale = AVonFilZuord;
        if (AVonLagerZuord > 0) {
            TZAM_Lagergruppe gruppe;
            if (lager.Lagergruppe(AVonLagerZuord, gruppe) && gruppe.Filialen.size() == 1)
                vonFiliale = gruppe.Filialen.first();
        }
        // The reservations are read per pass for the quantity that pass books, between the places
        // as they are before the wormhole step empties one of them.
        const TIntTrio lvpbVon = bew.VonLagerortId;
        const TIntTrio lvpbAn = bew.AnLagerortId;

        // A stock read that fails ends the relocation with its message: a "nothing to book" would
        // let the caller take the row as done.
        auto bestandLesen = [&](const std::function<int()>& ALesen) {
            try {
                return ALesen();
            } catch (const EZAM_Exception& E) {
                AMeldung = E.Meldungstext();
                throw;
            }
        };

        if (AVonInfo.Bereich == CZAM_Bereich_Wurmloch || AAnInfo.Bereich == CZAM_Bereich_Wurmloch) {
            const TSchritt s = SchrittAusfuehren("Bewegungsdaten_Fuellen_RERE", [&] {
                int wurmlochFiliale = 0;
                if (AAnInfo.Bereich == CZAM_Bereich_Wurmloch) {
                    const int w = bewegung.FilialZuordnung_Lesen(AAnInfo.LagerortId, 3);
                    if (w > 0) {
                        wurmlochFiliale = w;
                        art = CZAM_Umlagerung_InsWurmloch;
                        korrektur.VonFiliale = FAktBewFiliale;
                        korrektur.AnFiliale = qint16(w);
                        bew.AnLagerortId.Clear(); // the goods leave the warehouse
                        const int bestand =
                            bestandLesen([&] { return Realbestand_Lesen(FAktLager, AProduktId, AGrInd); });
                        if (bestand < bew.Menge) {
                            const QString artNr = TArtikelTools::ProduktID_2_ArtNr_Formatted(AProduktId);
                            const QString groesse = GroessenText(AProduktId, AGrInd);
                            if (AStopBeiFehler) {
                                AMeldung = QStringLiteral("Verf. Best. %1 von %2 in %3 reicht nicht aus!")
                                               .arg(QString::number(bestand), artNr, groesse);
                                ZAMInfo().WriteStamp(
                                    QStringLiteral("Verf. Best. %1 von Artikel %2 (%3) in Gr. %4 reicht nicht aus!")
                                        .arg(QString::number(bestand), artNr, AProduktId.ToText(), groesse));
                                return TSchritt::EndeFalsch;
                            }
                            AWenigerVersch = true;
                            bew.Menge = bestand;
                            if (bestand <= 0) {
                                ANichtsZuBuchen = true;
                                return TSchritt::EndeWahr;
                            }
                        }
                    }
                }
                if (AVonInfo.Bereich == CZAM_Bereich_Wurmloch) {
                    const int w = bewegung.FilialZuordnung_Lesen(AVonInfo.LagerortId, 3);
                    if (w > 0) {
                        wurmlochFiliale = w;
                        art = CZAM_Umlagerung_AusWurmloch;
                        korrektur.VonFiliale = qint16(w);
                        korrektur.AnFiliale = FAktBewFiliale;
                        bew.VonLagerortId.Clear(); // the goods enter the warehouse
                    }
                }
                if (wurmlochFiliale > 0) {
                    korrektur.ProduktId = bew.ProduktId;
                    korrektur.GrInd = bew.GrInd;
                    korrektur.Menge = bew.Menge;
                    korrektur.KorrekturArt = CZAM_Korrektur_Filialtransfer;
                }
                return TSchritt::Weiter;
            });
            if (s != TSchritt::Weiter)
                return s == TSchritt::EndeWahr;
        }

        // The passes: one for ALagerFilNr, or blocked goods split over their owning branches.
        QList<TQIV_MengeUFiliale> paesse;
        const bool split = AVonInfo.Bereich == CZAM_Bereich_GeblockteWare &&
                           AAnInfo.Bereich != CZAM_Bereich_GeblockteWare && ALagerFilNr == CSplitGeblockteWare;
        if (split) {
            TQIV_MengeUFilialeArr arr;
            if (lager.Menge_NachFilialen_Verteilen(arr, AProduktId, AGrInd, bew.Menge, FAktLager,
                                                   ZAMBestandsartBit(CZAM_ArtBestTyp_Geblockt), 1))
                paesse = arr;
        } else {
            paesse.append({bew.Menge, qint16(ALagerFilNr)});
        }

        const bool geblocktVon = AVonInfo.Bereich == CZAM_Bereich_GeblockteWare;
        const bool geblocktAn = AAnInfo.Bereich == CZAM_Bereich_GeblockteWare;
        bool ergebnis = false;
        for (const TQIV_MengeUFiliale& pass : paesse) {
            TZAM_Lager_BEW passBew = bew;
            TZAM_Lager_BNE_Korrektur passKorrektur = korrektur;
            int passArt = art;
            passBew.Menge = pass.Menge;
            const int filiale = pass.Filiale;
            if (geblocktVon != geblocktAn) {
                const TSchritt s = SchrittAusfuehren("Bewegungsdaten_Fuellen_RER2_R2RE", [&] {
                    passKorrektur.VonFiliale = qint16(filiale);
                    passKorrektur.AnFiliale = qint16(filiale);
                    if (geblocktAn) {
                        passArt = CZAM_Umlagerung_InGeblockt;
                        passKorrektur.KorrekturArt = CZAM_Korrektur_InGeblockt;
                        const int bestand =
                            bestandLesen([&] { return Realbestand4Filiale_Lesen(filiale, AProduktId, AGrInd); });
                        if (bestand < passBew.Menge) {
                            AWenigerVersch = true;
                            passBew.Menge = bestand;
                        }
                        if (bestand <= 0) {
                            AMeldung = QStringLiteral("Bestand von Artikel ") +
                                       TArtikelTools::ProduktID_2_ArtNr_Formatted(AProduktId) +
                                       QStringLiteral(" reicht in Filiale ") + QString::number(filiale) +
                                       QStringLiteral(" nicht aus!");
                            return TSchritt::EndeFalsch;
                        }
                    } else {
                        passArt = CZAM_Umlagerung_AusGeblockt;
                        passKorrektur.KorrekturArt = CZAM_Korrektur_AusGeblockt;
                    }
                    passKorrektur.ProduktId = passBew.ProduktId;
                    passKorrektur.GrInd = passBew.GrInd;
                    passKorrektur.Menge = passBew.Menge;
                    return TSchritt::Weiter;
                });
                if (s != TSchritt::Weiter) {
                    ergebnis = false;
                    break;
                }
            }
            // Reservations only for the pieces this pass moves; a split pass moves its own
            // branch's goods and so its own branch's reservations.
            passBew.LVPB.clear();
            if (vonFiliale > 0)
                bewegung.LVPBDaten_Ermitteln(AProduktId, AGrInd, passBew.LVPB, 0, passBew.Menge, lvpbAn, lvpbVon,
                                             TZAM_PersArt_ExtVerweis(), vonFiliale, split ? filiale : filialFilter);
            ergebnis = bewegung.UmlagerBewegung_Buchen(passBew, passKorrektur, passArt, buchungsFiliale, FAktLager,
                                                       true, AMeldungen);
            if (!ergebnis)
                break;
            if (AGebuchteMenge)
                *AGebuchteMenge += passBew.Menge;
        }
        return ergebnis;
    });
}
