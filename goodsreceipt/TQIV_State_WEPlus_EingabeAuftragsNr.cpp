#include "TQIV_State_WEPlus_EingabeAuftragsNr.h"

#include "EZAM_Exception.h"
#include "GDBConnector.h"
#include "TDM_Torvik.h"
#include "TQIV_Meldung_Options.h"
#include "TQIV_SicherheitsAbfrage_Options.h"
#include "TQIV_State_WEPlus_Artikelauswahl.h"
#include "TQIV_State_WEPlus_Artikelweise_LOScan.h"
#include "TQIV_State_WEPlus_ErmittlungAuftragsNr.h"
#include "TQIV_WEPlus_ArtikelScan.h"
#include "TQIV_Wartemaske.h"
#include "TQIV_ZurueckModus.h"
#include "TState_Menue.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMInfoKoords.h"

#include <QLabel>
#include <QLineEdit>

namespace {
const QString CName = QStringLiteral("TQIV_State_WEPlus_EingabeAuftragsNr");
constexpr int CLaengen[] = {175, 40, 20};

// A state of the receipt that is not built yet: the worker gets the not-implemented message and
// stays where he is.
[[noreturn]] void NochNichtGebaut(const QString& AWas, const char* AWo)
{
    throw EZAM_Exception(CZAM_Info_Fehler_Standard_FktNichtImplementiert, AWas,
                         CName + QLatin1Char('.') + QString::fromLatin1(AWo));
}
} // namespace

QWidget* TQIV_State_WEPlus_EingabeAuftragsNr::ActivePanel()
{
    // A database without the quick search hides its row.
    const bool schnell = SchnellsucheSichtbar();
    Beschriftung(2)->setVisible(schnell);
    Feld(2)->setVisible(schnell);
    return FMaske->pnlDreifachEingabe;
}

bool TQIV_State_WEPlus_EingabeAuftragsNr::SchnellsucheSichtbar() const
{
    return GDBConnector().DatenbankArt() != 1;
}

QLineEdit* TQIV_State_WEPlus_EingabeAuftragsNr::Feld(int ANr) const
{
    return FMaske->pnlDreifachEingabe->findChild<QLineEdit*>(QStringLiteral("edtDreifach%1").arg(ANr));
}

QLabel* TQIV_State_WEPlus_EingabeAuftragsNr::Beschriftung(int ANr) const
{
    return FMaske->pnlDreifachEingabe->findChild<QLabel*>(QStringLiteral("lblDreifach%1").arg(ANr));
}

void TQIV_State_WEPlus_EingabeAuftragsNr::StateAnfangVariablenClear()
{
    FMaske->Datentraeger_Get().WEPlus.Sortimentsweise = false;
}

void TQIV_State_WEPlus_EingabeAuftragsNr::StateAnfangMaskeMalen()
{
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_EingabeAuftragsNr.StateAnfangMaskeMalen", [&] {
        const auto& w = FMaske->Datentraeger_Get().WEPlus;
        if (SchnellsucheSichtbar()) {
            Beschriftung(1)->setText(QStringLiteral("Auftragsnummern"));
            Beschriftung(2)->setText(QStringLiteral("Eingabe für Artikelschnellsuche"));
            Beschriftung(3)->setText(QStringLiteral("Lieferscheinnummer"));
        } else {
            Beschriftung(1)->setText(QStringLiteral("Auftragsnummern\r\n(durch , oder . getrennt)"));
            Beschriftung(3)->setText(QStringLiteral("Lieferscheinnummer\r\n(z.B. für ReKo)"));
        }
        for (int i = 1; i <= 3; ++i)
            Feld(i)->setMaxLength(CLaengen[i - 1]);
        Feld(1)->setText(w.AuftragsnummerStr);
        Feld(2)->clear();
        Feld(3)->setText(w.Lieferscheinnummer);
        FMaske->HeaderCaption_Set(Caption_Get());
        Feld(1)->setFocus();
    });
}

void TQIV_State_WEPlus_EingabeAuftragsNr::ButtonsSchalten_Speziell()
{
    FMaske->BtnBuchenVisible_Set(true);
}

QString TQIV_State_WEPlus_EingabeAuftragsNr::FussTip(bool& ALang)
{
    ALang = true;
    return QStringLiteral("Bitte Auftragsnummer eingeben oder Artikel für deren Ermittlung scannen!");
}

void TQIV_State_WEPlus_EingabeAuftragsNr::Entsperren()
{
    auto& w = FMaske->Datentraeger_Get().WEPlus;
    DM_Torvik->Auftraege_Entsperren(w.VELTAuftragsNrN, w.DispoOhneAuftrNr.Vorgang);
    w.VELTAuftragsNrN.clear();
    w.DispoOhneAuftrNr.Clear();
}

void TQIV_State_WEPlus_EingabeAuftragsNr::btnBuchenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TQIV_State_WEPlus_EingabeAuftragsNr.btnBuchenClick", [&] {
        auto& w = FMaske->Datentraeger_Get().WEPlus;
        Entsperren();
        w.AuftragsnummerStr = Feld(1)->text().trimmed();
        w.Lieferscheinnummer = Feld(3)->text().trimmed();
        const QString schnell = SchnellsucheSichtbar() ? Feld(2)->text().trimmed() : QString();
        if (w.AuftragsnummerStr.isEmpty()) {
            if (!schnell.isEmpty())
                ArtikelschnellsucheAusfuehren(schnell);
            else
                ErmittlungStarten(TInt32Trio(), -1);
            return;
        }
        int getippt = 0;
        if (DM_Torvik->VELTAuftragsNrN_Aus_AuftragsnrStr(w.AuftragsnummerStr, w.VELTAuftragsNrN, getippt)) {
            QString meldung;
            if (DM_Torvik->Auftraege_Sperren(w.VELTAuftragsNrN, w.DispoOhneAuftrNr.Vorgang, meldung)) {
                SicherheitsAbfrage_Sortimentsweise();
            } else {
                w.VELTAuftragsNrN.clear();
                FussTipSet(meldung, true, true);
            }
            return;
        }
        // Orders found of a text that named others too are not received: nothing is kept.
        const int gefunden = int(w.VELTAuftragsNrN.size());
        w.VELTAuftragsNrN.clear();
        if (getippt > 1) {
            FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(
                QStringLiteral("Zu den %1 eingegebenen Auftragsnummern\r\nkonnten nur %2 Aufträge gefunden werden.\r\n"
                               "Bitte korrigieren Sie die Eingabe.")
                    .arg(getippt)
                    .arg(gefunden),
                false, [this](TZAM_TriState_Enum, bool) { Meldung_AuftragsnummerNichtGefunden_Callback(); }));
            return;
        }
        FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Kurz(
            QStringLiteral("Zur eingegebenen Auftragsnummer\r\n%1\r\nwurde kein Auftrag gefunden.\r\nMöchten Sie die "
                           "Eingabe korrigieren?")
                .arg(w.AuftragsnummerStr),
            [this](TZAM_TriState_Enum AAntwort, bool) { Frage_AuftragsnummerNichtGefunden_Callback(AAntwort); }));
    });
}

void TQIV_State_WEPlus_EingabeAuftragsNr::Meldung_AuftragsnummerNichtGefunden_Callback()
{
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_EingabeAuftragsNr.Meldung_AuftragsnummerNichtGefunden_Callback", [&] {
        FMaske->Datentraeger_Get().WEPlus.AuftragsnummerStr.clear();
        Feld(1)->clear();
        Feld(1)->setFocus();
    });
}

void TQIV_State_WEPlus_EingabeAuftragsNr::Frage_AuftragsnummerNichtGefunden_Callback(TZAM_TriState_Enum AAntwort)
{
    if (AAntwort == tsTrue) {
        Meldung_AuftragsnummerNichtGefunden_Callback();
        return;
    }
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_EingabeAuftragsNr.Frage_AuftragsnummerNichtGefunden_Callback", [&] {
        auto& w = FMaske->Datentraeger_Get().WEPlus;
        QString meldung;
        if (!DM_Torvik->Auftraege_Sperren(w.VELTAuftragsNrN, w.DispoOhneAuftrNr.Vorgang, meldung)) {
            FussTipSet(meldung, true, true);
            return;
        }
        ErmittlungStarten(TInt32Trio(), -1);
    });
}

void TQIV_State_WEPlus_EingabeAuftragsNr::ArtikelschnellsucheAusfuehren(const QString& AText)
{
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_EingabeAuftragsNr.ArtikelschnellsucheAusfuehren", [&] {
        auto& w = FMaske->Datentraeger_Get().WEPlus;
        w.ProduktIDsAusArtNumSuch.clear();
        QList<TInt32Trio> treffer;
        {
            const TQIV_Wartemaske warten(FMaske, QStringLiteral("Artikel werden gesucht..."));
            DM_Torvik->ArtNumSuchDialog.Execute_Text(AText, treffer);
        }
        if (treffer.isEmpty()) {
            FussTipSet(QStringLiteral("Keine Artikel gefunden"), true, true);
            return;
        }
        if (treffer.size() == 1) {
            ErmittlungStarten(treffer.first(), -1);
            return;
        }
        w.ProduktIDsAusArtNumSuch = treffer;
        ChangeState(StateKlasse<TQIV_State_WEPlus_Artikelauswahl>());
    });
}

void TQIV_State_WEPlus_EingabeAuftragsNr::ErmittlungStarten(const TInt32Trio& AProduktId, int AGrInd)
{
    TQIV_State_WEPlus_ErmittlungAuftragsNr::Aktivieren(FMaske, AProduktId, AGrInd);
}

void TQIV_State_WEPlus_EingabeAuftragsNr::Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten)
{
    TQIV_WEPlus_ArtikelScan::Gescannt(this, FBusy, "TQIV_State_WEPlus_EingabeAuftragsNr.Gescannt", AText, AScanndaten,
                                      [this](bool AOk, const TInt32Trio& AProdukt, int AGrInd) {
                                          Gescannt_Artikel(AOk, AProdukt, AGrInd);
                                      });
}

void TQIV_State_WEPlus_EingabeAuftragsNr::Gescannt_Artikel(bool AOk, const TInt32Trio& AProduktId, int AGrInd)
{
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_EingabeAuftragsNr.Gescannt_Artikel", [&] {
        if (!AOk)
            return;
        Entsperren();
        FMaske->Datentraeger_Get().WEPlus.Lieferscheinnummer = Feld(3)->text().trimmed();
        ErmittlungStarten(AProduktId, AGrInd);
    });
}

void TQIV_State_WEPlus_EingabeAuftragsNr::Frage_Sortimentsweise_Callback(TZAM_TriState_Enum AAntwort,
                                                                         bool AAntwortDurchUser)
{
    TQIV_State_WEPlus_AbstractState::Frage_Sortimentsweise_Callback(AAntwort, AAntwortDurchUser);
    // Back from the question: the order entry stays, its orders locked until the next input.
    if (AAntwort != tsUndefined)
        TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_EingabeAuftragsNr.Frage_Sortimentsweise_Callback",
                                 [&] { WeiterMitNeuemArtikel(); });
}

void TQIV_State_WEPlus_EingabeAuftragsNr::WeiterMitNeuemArtikel()
{
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_EingabeAuftragsNr.WeiterMitNeuemArtikel", [&] {
        if (FMaske->Datentraeger_Get().WEPlus.Sortimentsweise)
            NochNichtGebaut(QStringLiteral("Sortimentweise Erfassung"), "WeiterMitNeuemArtikel");
        ChangeState(StateKlasse<TQIV_State_WEPlus_Artikelweise_LOScan>());
    });
}

void TQIV_State_WEPlus_EingabeAuftragsNr::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TQIV_State_WEPlus_EingabeAuftragsNr.btnZurueckClick",
                               [&] { DoBtnZurueckClick(); });
}

void TQIV_State_WEPlus_EingabeAuftragsNr::DoBtnZurueckClick()
{
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_EingabeAuftragsNr.DoBtnZurueckClick", [&] {
        const int stueck = DM_Torvik->Gesamtmenge_im_DatenCache(FMaske->Datentraeger_Get().WEPlus.DatenCache, {});
        if (stueck > 0 && !FZurueckGefragt) {
            const QString menge =
                stueck == 1 ? QStringLiteral("ein Stück/Paar") : QStringLiteral("%1 Stück/Paare").arg(stueck);
            FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Voll(
                QStringLiteral("Sie haben bereits\r\n%1 erfasst.\r\nWollen Sie die Erfassung beenden\r\nohne den WE zu "
                               "buchen?\r\n\r\nEs kann später fortgesetzt\r\nund der WE gebucht werden.")
                    .arg(menge),
                [this](TZAM_TriState_Enum AAntwort, bool) { Frage_ZurueckTrotzDaten_Callback(AAntwort); }, true, 14,
                QString(), QString(), QString(), QString(), false));
            return;
        }
        FZurueckGefragt = false;
        // The captured lines stay in their scan records for a later resumption.
        const TQIV_ZurueckModus zurueck(FMaske);
        Entsperren();
        DM_Torvik->MitaGepNr_4_WEPLus_Reset();
        ChangeState(StateKlasse<TState_Menue>());
    });
}

void TQIV_State_WEPlus_EingabeAuftragsNr::Frage_ZurueckTrotzDaten_Callback(TZAM_TriState_Enum AAntwort)
{
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_EingabeAuftragsNr.Frage_ZurueckTrotzDaten_Callback", [&] {
        FZurueckGefragt = AAntwort == tsTrue;
        if (FZurueckGefragt)
            DoBtnZurueckClick();
    });
}
