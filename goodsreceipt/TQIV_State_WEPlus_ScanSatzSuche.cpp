#include "TQIV_State_WEPlus_ScanSatzSuche.h"

#include "TDM_Torvik.h"
#include "TQIV_Meldung_Options.h"
#include "TQIV_SicherheitsAbfrage_Options.h"
#include "TQIV_State_WEPlus_EingabeAuftragsNr.h"
#include "TQIV_Wartemaske.h"
#include "TState_Menue.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

void TQIV_State_WEPlus_ScanSatzSuche::Vor_Anfang(bool& AWeiter)
{
    TAbstractBTNListState::Vor_Anfang(AWeiter);
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_ScanSatzSuche.Vor_Anfang", [&] {
        if (!AWeiter || DM_Torvik->Scansaetze_4_WEPLus_Vorhanden())
            return;
        AWeiter = false;
        StateAnfangVariablenClear();
        ChangeState(StateKlasse<TQIV_State_WEPlus_EingabeAuftragsNr>());
    });
}

void TQIV_State_WEPlus_ScanSatzSuche::StateAnfangVariablenClear()
{
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_ScanSatzSuche.StateAnfangVariablenClear", [&] {
        auto& w = FMaske->Datentraeger_Get().WEPlus;
        DM_Torvik->Auftraege_Entsperren(w.VELTAuftragsNrN, w.DispoOhneAuftrNr.Vorgang);
        w.VELTAuftragsNrN.clear();
        w.DispoOhneAuftrNr.Clear();
        w.DatenCache.Clear();
        w.AuftragsnummerStr.clear();
        w.Lieferscheinnummer.clear();
        w.LOEinlagerungId.Clear();
        w.LOEinlagerungBez.clear();
    });
}

void TQIV_State_WEPlus_ScanSatzSuche::StateAnfangMaskeMalen()
{
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_ScanSatzSuche.StateAnfangMaskeMalen", [&] {
        int n = 0;
        {
            const TQIV_Wartemaske warten(FMaske, QStringLiteral("Daten werden gelesen."));
            DM_Torvik->Scansaetze_Lesen(n);
        }
        const QString text =
            n == 1
                ? QStringLiteral("Es wurde\r\nein Datensatz\r\ngefunden. Wollen Sie\r\nmit dem Satz fortfahren\r\n"
                                 "oder\r\nden Satz löschen?")
                : QStringLiteral("Es wurden\r\n%1 Datensätze\r\ngefunden. Wollen Sie\r\nmit den Sätzen fortfahren\r\n"
                                 "oder\r\ndie Sätze löschen?")
                      .arg(n);
        FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Voll(
            text, [this](TZAM_TriState_Enum AAntwort, bool) { Frage_ScanSaetzteWeiterbearbeien_Callback(AAntwort); },
            true, 16, QStringLiteral("Fortfahren"), QStringLiteral("Löschen"), QString(),
            QStringLiteral("Wareneingang PLUS"), false));
    });
}

QString TQIV_State_WEPlus_ScanSatzSuche::FussTip(bool& ALang)
{
    ALang = false;
    return {};
}

void TQIV_State_WEPlus_ScanSatzSuche::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TQIV_State_WEPlus_ScanSatzSuche.btnZurueckClick",
                               [&] { ChangeState(StateKlasse<TState_Menue>()); });
}

void TQIV_State_WEPlus_ScanSatzSuche::Frage_ScanSaetzteWeiterbearbeien_Callback(TZAM_TriState_Enum AAntwort)
{
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_ScanSatzSuche.Frage_ScanSaetzteWeiterbearbeien_Callback", [&] {
        auto& w = FMaske->Datentraeger_Get().WEPlus;
        if (AAntwort == tsFalse) {
            FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Voll(
                QStringLiteral("Sollen die Daten wirklich gelöscht werden?"),
                [this](TZAM_TriState_Enum AAntwort2, bool) { Frage_ScanSaetzteWirklichLoeschen_Callback(AAntwort2); },
                true, 16, QString(), QString(), QString(), QString(), false));
            return;
        }
        if (AAntwort != tsTrue) {
            ChangeState(StateKlasse<TState_Menue>());
            return;
        }
        bool gelesen = false;
        {
            const TQIV_Wartemaske warten(FMaske, QStringLiteral("Daten werden eingelesen."));
            w.DatenCache.Clear();
            w.Lieferscheinnummer.clear();
            w.LOEinlagerungBez.clear();
            w.AuftragsnummerStr.clear();
            gelesen = DM_Torvik->Scansaetze_2_DatenCache(w.DatenCache, w.AuftragsnummerStr, w.Lieferscheinnummer,
                                                         w.LOEinlagerungId, w.LOEinlagerungBez);
        }
        if (!gelesen) {
            // The read stopped part way and said why: no half receipt goes on; the records stay
            // for another try or for deleting.
            w.DatenCache.Clear();
            StateAnfangMaskeMalen();
            return;
        }
        FMaske->MeldungAn(
            TQIV_Meldung_Options::Kurz(QStringLiteral("Die Daten wurden eingelesen."), false,
                                       [this](TZAM_TriState_Enum, bool) { Meldung_ScanSaetzteEingelesen_Callback(); }));
    });
}

void TQIV_State_WEPlus_ScanSatzSuche::Frage_ScanSaetzteWirklichLoeschen_Callback(TZAM_TriState_Enum AAntwort)
{
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_ScanSatzSuche.Frage_ScanSaetzteWirklichLoeschen_Callback", [&] {
        if (AAntwort != tsTrue) {
            StateAnfangMaskeMalen();
            return;
        }
        {
            const TQIV_Wartemaske warten(FMaske, QStringLiteral("Daten werden gelöscht."));
            DM_Torvik->Scansaetze_4_WEPLus_Loeschen();
            FMaske->Datentraeger_Get().WEPlus.DatenCache.Clear();
        }
        FMaske->MeldungAn(
            TQIV_Meldung_Options::Kurz(QStringLiteral("Die Daten wurden gelöscht."), false,
                                       [this](TZAM_TriState_Enum, bool) { Meldung_ScanSaetzteGeloescht_Callback(); }));
    });
}

void TQIV_State_WEPlus_ScanSatzSuche::Meldung_ScanSaetzteEingelesen_Callback()
{
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_ScanSatzSuche.Meldung_ScanSaetzteEingelesen_Callback",
                             [&] { ChangeState(StateKlasse<TQIV_State_WEPlus_EingabeAuftragsNr>()); });
}

void TQIV_State_WEPlus_ScanSatzSuche::Meldung_ScanSaetzteGeloescht_Callback()
{
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_ScanSatzSuche.Meldung_ScanSaetzteGeloescht_Callback",
                             [&] { ChangeState(StateKlasse<TQIV_State_WEPlus_EingabeAuftragsNr>()); });
}
