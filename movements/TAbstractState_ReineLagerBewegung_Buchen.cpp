// The article relocation booked: the input check with the inventory gain of a source without
// branch, the relocation of the rows and what is left on the source.
#include "TAbstractState_ReineLagerBewegung.h"

#include "IZAM_Buchung.h"
#include "TDM_Torvik.h"
#include "TQIV_Wartemaske.h"
#include "TVRList.h"
#include "TVTVRListUpdate.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "TZAM_InfoMeldungListe.h"
#include "TfrmMDE.h"
#include "Umlagerung_Buchen_Do.h"
#include "ZAMGlobal.h"

#include <QHash>

namespace {
const QString CBuchungZugang = QStringLiteral("TAbstractState_ReineLagerBewegung.EingabePruefen");
constexpr int COperationsArt = 69;
const QString CNichtGenug = QStringLiteral("Der Lagerort hat nicht genug Bestand!");
} // namespace

void TAbstractState_ReineLagerBewegung::DoBtnBuchenClick()
{
    if (!EingabePruefen())
        return;
    QString meldung;
    Umlagerung_Buchen(false, true, meldung);
}

bool TAbstractState_ReineLagerBewegung::EingabePruefen()
{
    auto ablehnen = [&](const QString& AText) {
        FussTipSet(AText, true, true);
        return false;
    };
    if (!FVonLagerort.LagerortId.Defined())
        return ablehnen(QStringLiteral("Bitte scannen Sie den Quell-Lagerort!"));
    if (!FAnLagerort.LagerortId.Defined())
        return ablehnen(QStringLiteral("Bitte scannen Sie den Ziel-Lagerort!"));
    const int lager = DM_Torvik->FAktLager;
    IZAM_LagerEditServer& lagerServer = TZAM_BewegungsDienste::Lager(*DM_Torvik);
    if (!lagerServer.Lagerort_InLager(FVonLagerort.LagerortId, lager))
        return ablehnen(QStringLiteral("Der Quell-Lagerort gehört nicht zu Lager %1!").arg(lager));
    if (!lagerServer.Lagerort_InLager(FAnLagerort.LagerortId, lager))
        return ablehnen(QStringLiteral("Der Ziel-Lagerort gehört nicht zu Lager %1!").arg(lager));
    const TVRList* zeilen = Zeilen();
    if (!zeilen || zeilen->GetRowCount() == 0)
        return ablehnen(QStringLiteral("Bitte scannen Sie die Artikel!"));
    // A wormhole stands for another branch: its goods are not counted on it.
    if (!FFehlPruefenBuchen || FVonLagerort.Bereich == CZAM_Bereich_Wurmloch)
        return true;

    // Every stock is read before anything is booked, and rows of one article size share the
    // place's pieces: a failed read books nothing.
    struct TZugang
    {
        TInt32Trio Produkt;
        int GrInd = 0;
        int Menge = 0;
        int Filiale = -1;
    };
    QList<TZugang> zugaenge;
    QHash<QPair<TInt32Trio, int>, int> frei;
    const bool eigenerBestand = FFilZuordVon >= 0 || (FVonLagerort.Bereich >= CZAM_Bereich_GeblockteWare &&
                                                      FVonLagerort.Bereich <= CZAM_Bereich_BearbStart);
    for (int z = 0; z < zeilen->GetRowCount(); ++z) {
        const TInt32Trio produkt = zeilen->GetCellValueAsInt32Trio(z, CProduktId);
        const int grInd = zeilen->GetCellValueAsInteger(z, CGrIdx);
        const int menge = zeilen->GetCellValueAsInteger(z, CMenge);
        const int filiale = zeilen->GetCellValueAsInteger(z, CFilNr);
        if (menge <= 0)
            continue;
        const QPair<TInt32Trio, int> schluessel{produkt, grInd};
        if (!frei.contains(schluessel)) {
            int bestand = 0;
            QString meldung;
            if (!Bestand_Lesen(FVonLagerort.LagerortId, produkt, grInd, bestand, meldung))
                return ablehnen(meldung);
            frei.insert(schluessel, bestand);
        }
        int& rest = frei[schluessel];
        const int fehl = menge - qMax(rest, 0);
        rest -= menge;
        if (fehl <= 0)
            continue;
        // The gain needs the branch that owns the pieces; a place that keeps a branch's (or a
        // special area's) goods is never corrected here.
        if (eigenerBestand || filiale < 0 || filiale == CFilialeAutomatisch) {
            Zeile_Waehlen(z);
            FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(CNichtGenug));
            return false;
        }
        zugaenge.append({produkt, grInd, fehl, filiale});
    }
    if (zugaenge.isEmpty())
        return true;
    IZAM_Buchung& buchung = ZAMBuchung();
    buchung.Oeffnen(COperationsArt, CBuchungZugang);
    for (const TZugang& zugang : std::as_const(zugaenge)) {
        TZAM_InfoMeldungListe meldungen;
        if (!DM_Torvik->Bestandsdifferenz_buchen(zugang.Produkt, zugang.GrInd, zugang.Menge, qint16(zugang.Filiale),
                                                 FVonLagerort.LagerortId, true, &meldungen)) {
            buchung.Abbrechen();
            buchung.Schliessen(CBuchungZugang);
            QString text = meldungen.Meldungen_AlsText(QStringLiteral("; "));
            return ablehnen(text.isEmpty() ? TZAM_Hausregel::LetzterFehler() : text);
        }
    }
    buchung.Schliessen(CBuchungZugang);
    return true;
}

bool TAbstractState_ReineLagerBewegung::Umlagerung_Buchen(bool ALVPBNachVonFilFiltern, bool AVerlassen,
                                                          QString& AMeldung)
{
    const bool uebergeben = FMaske->Datentraeger_Get().Manuell.FQuelle.LagerortId.Defined();
    bool weniger = false;
    bool ok = false;
    {
        const TQIV_Wartemaske warten(FMaske, QStringLiteral("Umlagerung wird gebucht."));
        {
            const TVTVRListUpdate update(FMaske->vtVRList);
            ok = Umlagerung_Buchen_Do(AMeldung, weniger, FFilZuordAn, !uebergeben, ALVPBNachVonFilFiltern, FAnLagerort,
                                      FVonLagerort, CMenge, CGrIdx, CProduktId, CFilNr, ZeilenListe(), FLagZuordVon,
                                      FLagZuordAn, FFilZuordVon);
        }
        Summieren();
    }
    if (!ok && !AMeldung.isEmpty())
        FussTipSet(AMeldung, true, true);
    // Rows moved short are gone from the list though pieces stayed: the worker sees what is left,
    // also when every row was booked.
    if ((ok && weniger) || (!ok && uebergeben)) {
        FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(
            QStringLiteral("Es konnten nicht alle Artikel umgelagert werden! Der Restbestand des Quellagerortes wird "
                           "nun angezeigt."),
            false, [this](TZAM_TriState_Enum, bool) {
                TZAM_Hausregel::OhneBusy("TAbstractState_ReineLagerBewegung.RestbestandZeigen",
                                         [&] { RestbestandZeigen(); });
            }));
        return ok;
    }
    if (ok && AVerlassen)
        Verlassen();
    return ok;
}

void TAbstractState_ReineLagerBewegung::RestbestandZeigen()
{
    if (!FVonLagerort.LagerortId.Defined())
        return;
    TVRList bestand;
    TZAM_BewegungsDienste::Bewegung(*DM_Torvik).Bestandsliste_4_Lagerort(FVonLagerort.LagerortId, bestand);
    QStringList zeilen;
    for (int z = 0; z < bestand.GetRowCount(); ++z) {
        QString zeile = bestand.GetCellValueAsString(z, 8) + QStringLiteral("   Gr. ") +
                        bestand.GetCellValueAsString(z, 9) + QStringLiteral("   ") +
                        QString::number(bestand.GetCellValueAsInteger(z, 10));
        const QString behaelter = bestand.GetCellValueAsString(z, 5);
        if (!behaelter.isEmpty())
            zeile += QStringLiteral(" (") + behaelter + u')';
        zeilen << zeile;
    }
    const QString name = FVonLagerort.AnzeigeName();
    FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(zeilen.isEmpty() ? name + QStringLiteral(" ist leer.")
                                                                  : name + QStringLiteral(":\r\n") +
                                                                        zeilen.join(QStringLiteral("\r\n"))));
}
