#include "TQIV_State_WEPlus_AbstractState.h"

#include "TDM_Torvik.h"
#include "TQIV_Meldung_Options.h"
#include "TQIV_SicherheitsAbfrage_Options.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

void TQIV_State_WEPlus_AbstractState::Frage_Sortimentsweise_Callback(TZAM_TriState_Enum AAntwort, bool)
{
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_AbstractState.Frage_Sortimentsweise_Callback", [&] {
        if (AAntwort != tsUndefined)
            FMaske->Datentraeger_Get().WEPlus.Sortimentsweise = AAntwort == tsTrue;
    });
}

void TQIV_State_WEPlus_AbstractState::SicherheitsAbfrage_Sortimentsweise()
{
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_AbstractState.SicherheitsAbfrage_Sortimentsweise", [&] {
        FMaske->Datentraeger_Get().WEPlus.EtikettenSchonGedruckt = false;
        switch (FMaske->FOptionen.WEPlus.GeordnetUnsortiert) {
        case wpvGeordnet:
            Frage_Sortimentsweise_Callback(tsTrue, false);
            return;
        case wpvUnsortiert:
            Frage_Sortimentsweise_Callback(tsFalse, false);
            return;
        default:
            break;
        }
        FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Voll(
            QStringLiteral("Ist die Ware\r\nnach Artikeln geordnet oder\r\nunsortiert?\r\n\r\n(Die weitere "
                           "Bearbeitung geschieht\r\nim Sortiment für geordnete Ware\r\nstückweise für unsortierte "
                           "Ware.)"),
            [this](TZAM_TriState_Enum AAntwort, bool ADurchUser) {
                Frage_Sortimentsweise_Callback(AAntwort, ADurchUser);
            },
            false, 14, QStringLiteral("geordnet"), QStringLiteral("unsortiert"), QString(), QString(), true));
    });
}

QString TQIV_State_WEPlus_AbstractState::ArtikelScannen_Caption()
{
    const auto& w = FMaske->Datentraeger_Get().WEPlus;
    if (IstWeiterarbeit())
        return DM_Torvik->HerstArtNr_Besorgen(w.GesamtSort_MitProdId.ProduktId);
    if (!w.VELTAuftragsNrN.isEmpty()) {
        const QString erster = w.VELTAuftragsNrN.first().ToText(svdBindestrich, false, false, 9);
        return w.VELTAuftragsNrN.size() == 1 ? QStringLiteral("WE, AuftrNr. %1").arg(erster)
                                             : QStringLiteral("WE, AuftrNrN. %1, ...").arg(erster);
    }
    if (w.DispoOhneAuftrNr.Vorgang.Defined())
        return QStringLiteral("WE auf DI vom %1")
            .arg(w.DispoOhneAuftrNr.Preis.DispoDatum.date().toString(QStringLiteral("dd.MM.yyyy")));
    return QStringLiteral("WE, AuftrNr. unbekannt");
}

void TQIV_State_WEPlus_AbstractState::Meldung_ArtikelScannen()
{
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_AbstractState.Meldung_ArtikelScannen", [&] {
        const auto& w = FMaske->Datentraeger_Get().WEPlus;
        const bool leer = w.DatenCache.Count() == 0;
        const bool ohneAuftrag = w.VELTAuftragsNrN.isEmpty() && w.DispoOhneAuftrNr.Vorgang.Defined();
        TQIV_Meldung_Options o;
        o.FontSize = 16;
        o.ZurueckEnabled = true;
        o.Caption = ArtikelScannen_Caption();
        o.IgnoreScan = istNeinOhneCallback;
        bool lang = false;
        FussTip(lang);
        o.FussTipLeeren = !lang;
        if (IstWeiterarbeit()) {
            o.Text = QStringLiteral("Bitte scannen Sie\r\n%1\r\ndes Sortiments von\r\nArtikel %2")
                         .arg(leer ? QStringLiteral("das erste Teil") : QStringLiteral("das nächste Teil"), o.Caption);
        } else if (!leer) {
            o.Text = ohneAuftrag ? QStringLiteral("Bitte fahren Sie mit dem Einscannen der Ware fort oder bestätigen "
                                                  "Sie, dass die Ware vollständig gescannt wurde!")
                                 : QStringLiteral("Bitte fahren Sie mit dem Einscannen der Ware fort oder bestätigen "
                                                  "Sie, dass alle Artikel gescannt wurden!");
        } else if (!w.VELTAuftragsNrN.isEmpty()) {
            o.Text = QStringLiteral("Bitte beginnen Sie mit dem Einscannen der Ware des ausgewählten Auftrags.");
        } else if (ohneAuftrag) {
            o.Text = QStringLiteral("Bitte beginnen Sie mit dem Einscannen der Ware der Disposition.");
        } else {
            o.Text = QStringLiteral("Bitte beginnen Sie mit dem Einscannen der Ware der Lieferung.");
        }
        if (IstWeiterarbeit() || leer) {
            o.MitOK = false;
            o.Callback = [this](TZAM_TriState_Enum AAntwort, bool) {
                Meldung_ArtikelScannen_ErsterArtikel_Callback(AAntwort);
            };
        } else {
            o.CaptionOK =
                ohneAuftrag ? QStringLiteral("Ware vollständig gescannt") : QStringLiteral("Alle Artikel gescannt");
            o.Callback = [this](TZAM_TriState_Enum AAntwort, bool) { Meldung_ArtikelScannen_Callback(AAntwort); };
        }
        FMaske->BtnArtikelbildAnzVisible_Set(false);
        FMaske->BtnEtikDruckVisible_Set(false);
        FMaske->MeldungAn(o);
    });
}
