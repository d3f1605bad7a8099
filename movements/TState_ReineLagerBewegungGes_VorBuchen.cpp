#include "TState_ReineLagerBewegungGes_VorBuchen.h"

#include "IZAM_Buchung.h"
#include "IZAM_LagerBewegungEditServer.h"
#include "TArtikelTools.h"
#include "TDM_Torvik.h"
#include "TQIV_Meldung_Options.h"
#include "TQIV_ZurueckModus.h"
#include "TState_ManuelleLagerbewegung.h"
#include "TState_ReineLagerBewegungGes_AnLOScan.h"
#include "TState_ReineLagerBewegungGes_VonLOScan.h"
#include "TVRList.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "TZAM_InfoMeldungListe.h"
#include "TfrmMDE.h"
#include "Umlagerung_Buchen_Do.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

namespace {
constexpr int COperationsArt = 69;
const QString CBuchung = QStringLiteral("TState_ReineLagerBewegungGes_VorBuchen.btnBuchenClick");
// Columns of the place content (the stock-list layout).
constexpr int CColFiliale = 2, CColBehaelterName = 5, CColBehaelter = 6, CColProdukt = 7, CColGroesse = 9,
              CColMenge = 10, CColGrIdx = 20;
} // namespace

void TState_ReineLagerBewegungGes_VorBuchen::StateAnfangMaskeMalen()
{
    TAbstractMultipurposePanelState::StateAnfangMaskeMalen();
    TState_ReineLagerBewegungGes_AnLOScan::OrteZeigen(FMaske);
}

void TState_ReineLagerBewegungGes_VorBuchen::ButtonsSchalten_Speziell()
{
    FMaske->BtnBuchenVisible_Set(true);
}

QString TState_ReineLagerBewegungGes_VorBuchen::Caption_Get()
{
    return TState_ReineLagerBewegungGes_VonLOScan::CCaption();
}

QString TState_ReineLagerBewegungGes_VorBuchen::FussTip(bool& ALang)
{
    ALang = true;
    return QStringLiteral("Bitte buchen Sie die Umlagerung, mit der Diskette oben rechts!");
}

void TState_ReineLagerBewegungGes_VorBuchen::ListeAufteilen(TVRList& AListe, TIntTrioList& ABehaelter)
{
    ABehaelter.clear();
    for (int r = AListe.GetRowCount() - 1; r >= 0; --r) {
        if (!AListe.GetCell(r, CColProdukt).IsNull())
            continue;
        ABehaelter.prepend(AListe.GetCellValueAsIntTrio(r, CColBehaelter));
        AListe.RowDelete(r);
    }
}

void TState_ReineLagerBewegungGes_VorBuchen::btnBuchenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ReineLagerBewegungGes_VorBuchen.btnBuchenClick", [&] { Buchen(); });
}

void TState_ReineLagerBewegungGes_VorBuchen::Buchen()
{
    Warnung_Ruecksetzen();
    auto& m = FMaske->Datentraeger_Get().Manuell;
    IZAM_LagerBewegungEditServer& bewegung = TZAM_BewegungsDienste::Bewegung(*DM_Torvik);
    TVRList liste;
    if (!bewegung.Lagerortinhalt_Lesen(m.FQuelle.LagerortId, liste))
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_LeseFehler, m.FQuelle.AnzeigeName(), CBuchung);
    TIntTrioList behaelter;
    if (!TZAM_Hausregel::OhneBusy(
            "TState_ReineLagerBewegungGes_VorBuchen.ListeAufteilen", [&] { ListeAufteilen(liste, behaelter); }, false))
        return;
    if (liste.GetRowCount() == 0 && behaelter.isEmpty()) {
        FussTipSet(QStringLiteral("Der Quelllagerplatz ist leer."), true, true);
        return;
    }

    QStringList meldungen;
    bool weniger = false;
    bool ok = true;
    IZAM_Buchung& buchung = ZAMBuchung();
    buchung.Oeffnen(COperationsArt, CBuchung);
    if (liste.GetRowCount() > 0) {
        QString meldung;
        ok = Umlagerung_Buchen_Do(meldung, weniger, m.FFilZuordZiel, false, false, m.FZiel, m.FQuelle, CColMenge,
                                  CColGrIdx, CColProdukt, CColFiliale, liste, m.FLagZuordQuelle, m.FLagZuordZiel,
                                  m.FFilZuordQuelle);
        if (!meldung.isEmpty())
            meldungen << meldung;
    }
    for (const TIntTrio& b : std::as_const(behaelter)) {
        if (!ok)
            break;
        TZAM_InfoMeldungListe liste2;
        if (!bewegung.Behaelter_Umsetzen(b, m.FZiel.LagerortId, liste2, true, {})) {
            ok = false;
            if (liste2.Meldungen_Anz_Get() > 0)
                meldungen << liste2.Meldungen_AlsText(QStringLiteral("; "));
        }
    }
    // Whole or nothing: a refused part takes back what was booked before it, with or without a
    // reason given.
    if (!ok)
        buchung.Abbrechen();
    buchung.Schliessen(CBuchung);
    bewegung.Cache_Leeren();

    if (ok && !weniger) {
        ChangeState(StateKlasse<TState_ManuelleLagerbewegung>());
        return;
    }
    const QString grund = ok ? QString()
                             : (meldungen.isEmpty() ? QStringLiteral("Die Umlagerung wurde nicht gebucht.")
                                                    : meldungen.join(QStringLiteral("; ")));
    FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(
        QStringLiteral("Es konnten nicht alle Artikel umgelagert werden! Der Restbestand des Quellagerortes wird "
                       "nun angezeigt."),
        false, [this, grund](TZAM_TriState_Enum, bool) {
            TZAM_Hausregel::OhneBusy("TState_ReineLagerBewegungGes_VorBuchen.RestbestandAnzeigen",
                                     [&] { RestbestandAnzeigen(grund); });
        }));
}

void TState_ReineLagerBewegungGes_VorBuchen::RestbestandAnzeigen(const QString& AGrund)
{
    const auto& m = FMaske->Datentraeger_Get().Manuell;
    TVRList liste;
    TZAM_BewegungsDienste::Bewegung(*DM_Torvik).Lagerortinhalt_Lesen(m.FQuelle.LagerortId, liste);
    QStringList zeilen;
    for (int r = 0; r < liste.GetRowCount(); ++r) {
        if (liste.GetCell(r, CColProdukt).IsNull())
            zeilen << liste.GetCellValueAsString(r, CColBehaelterName);
        else
            zeilen << TArtikelTools::ProduktID_2_ArtNr_Formatted(liste.GetCellValueAsInt32Trio(r, CColProdukt)) +
                          QStringLiteral("   Gr. ") + liste.GetCellValueAsString(r, CColGroesse) +
                          QStringLiteral("   ") + QString::number(liste.GetCellValueAsInteger(r, CColMenge));
    }
    if (zeilen.isEmpty())
        zeilen << QStringLiteral("(leer)");
    FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(
        m.FQuelle.AnzeigeName() + QStringLiteral(":\r\n") + zeilen.join(QStringLiteral("\r\n")), false,
        [this, AGrund](TZAM_TriState_Enum, bool) {
            TZAM_Hausregel::OhneBusy("TState_ReineLagerBewegungGes_VorBuchen.RestbestandAnzeigen", [&] {
                if (!AGrund.isEmpty()) {
                    FussTipSet(AGrund, true, true);
                    return;
                }
                // Stored with less than asked: the chain is done.
                ChangeState(StateKlasse<TState_ManuelleLagerbewegung>());
            });
        }));
}

void TState_ReineLagerBewegungGes_VorBuchen::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ReineLagerBewegungGes_VorBuchen.btnZurueckClick", [&] {
        const TQIV_ZurueckModus zurueck(FMaske);
        ChangeState(StateKlasse<TState_ReineLagerBewegungGes_AnLOScan>());
    });
}
