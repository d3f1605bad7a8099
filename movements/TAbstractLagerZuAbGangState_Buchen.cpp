// The stock receipt and issue booked (tested first, then booked), and leaving the state.
#include "TAbstractLagerZuAbGangState.h"

#include "IZAM_Buchung.h"
#include "TDM_Torvik.h"
#include "TQIV_Wartemaske.h"
#include "TQIV_ZurueckModus.h"
#include "TState_ManuelleLagerbewegung.h"
#include "TVRList.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "TZAM_InfoMeldungListe.h"
#include "TfrmMDE.h"
#include "ZAMGlobal.h"

namespace {
const QString CBuchung = QStringLiteral("TAbstractLagerZuAbGangState.btnBuchenClick");
constexpr int COperationsArt = 69;
} // namespace

void TAbstractLagerZuAbGangState::btnBuchenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TAbstractLagerZuAbGangState.btnBuchenClick", [&] { DoBtnBuchenClick(); });
}

void TAbstractLagerZuAbGangState::DoBtnBuchenClick()
{
    if (!FLagerort.Defined()) {
        FussTipSet(QStringLiteral("Bitte scannen Sie den Lagerort!"), true, true);
        return;
    }
    Buchen();
}

void TAbstractLagerZuAbGangState::Buchen()
{
    const TZAM_Lagerbewegung_Modus modus = Modus();
    QString text = QStringLiteral("Lagerbewegung wird gebucht.");
    if (modus == CZAM_LB_Modus_Lagerzugang)
        text = QStringLiteral("Lagerzugang wird gebucht.");
    else if (modus == CZAM_LB_Modus_Lagerabgang)
        text = QStringLiteral("Lagerabgang wird gebucht.");
    QString meldung;
    bool gebucht = false;
    {
        const TQIV_Wartemaske warten(FMaske, text);
        const TIntTrio von = modus != CZAM_LB_Modus_Lagerzugang ? FLagerort : TIntTrio();
        const TIntTrio an = modus != CZAM_LB_Modus_Lagerabgang ? FLagerort : TIntTrio();
        TZAM_MengenMitFil mengen;
        if (!Mengen_Falten(mengen, meldung, true)) {
            FussTipSet(meldung, true, true);
            return;
        }
        IZAM_LagerBewegungEditServer& bewegung = TZAM_BewegungsDienste::Bewegung(*DM_Torvik);
        TZAM_InfoMeldungListe meldungen;
        // Test first; the booking runs only when the test passed.
        gebucht = bewegung.LagerZuAbgang_Buchen(modus, von, an, mengen, DM_Torvik->FAktLager, DM_Torvik->FMitarbeiter,
                                                meldungen, false);
        if (gebucht) {
            IZAM_Buchung& buchung = ZAMBuchung();
            buchung.Oeffnen(COperationsArt, CBuchung);
            gebucht = bewegung.LagerZuAbgang_Buchen(modus, von, an, mengen, DM_Torvik->FAktLager,
                                                    DM_Torvik->FMitarbeiter, meldungen, true);
            if (!gebucht)
                buchung.Abbrechen();
            buchung.Schliessen(CBuchung);
        }
        meldung = meldungen.Meldungen_AlsText(QStringLiteral("; "));
    }
    if (!gebucht) {
        // The list stays: the worker corrects it and books again.
        FussTipSet(meldung, true, true);
        return;
    }
    Verlassen();
}

bool TAbstractLagerZuAbGangState::HatEingaben() const
{
    const TVRList* zeilen = Zeilen();
    return FLagerort.Defined() || (zeilen && zeilen->GetRowCount() > 0);
}

void TAbstractLagerZuAbGangState::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TAbstractLagerZuAbGangState.btnZurueckClick", [&] {
        if (!HatEingaben()) {
            Zurueck_Nach_Frage();
            return;
        }
        FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Kurz(
            QStringLiteral("Wollen Sie wirklich abbrechen?"), [this](TZAM_TriState_Enum AAntwort, bool) {
                if (AAntwort == tsTrue)
                    Zurueck_Nach_Frage();
            }));
    });
}

void TAbstractLagerZuAbGangState::Zurueck_Nach_Frage()
{
    TZAM_Hausregel::OhneBusy("TAbstractLagerZuAbGangState.Zurueck_Nach_Frage", [&] {
        const TQIV_ZurueckModus zurueck(FMaske);
        Verlassen();
    });
}

void TAbstractLagerZuAbGangState::Verlassen()
{
    LagerortEntsperren();
    FLagerort.Clear();
    if (FVRListe && FVRListe->GetRowCount() > 0) {
        ZeilenListe().RowsClear();
        Summieren();
    }
    // The places of this run must not look like a source handed over to the next one.
    auto& m = FMaske->Datentraeger_Get().Manuell;
    Lagerort_Info_Init(m.FQuelle);
    Lagerort_Info_Init(m.FZiel);
    m.FMerkDaten = TQIV_ZPMDE_Manuell_Merkdaten();
    ChangeState(VerlassenZiel());
}

const TStateKlasse* TAbstractLagerZuAbGangState::VerlassenZiel() const
{
    return StateKlasse<TState_ManuelleLagerbewegung>();
}
