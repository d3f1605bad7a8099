#include "TZAM_AufgabenMessung.h"

#include "IZAM_LagerEditServer.h"
#include "TDM_Torvik.h"
#include "TQIV_Aufgaben_Suchkriterien_Options.h"
#include "TVRList.h"
#include "TZAM_DemoGross.h"
#include "TState_Aufgabe.h"
#include "TState_Menue.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Messung.h"
#include "TZAM_TestUmgebung.h"
#include "TfrmMDE.h"
#include "ZAMAufgabenCodes.h"

#include <cstdio>

void TZAM_AufgabenMessung::Messen(TZAM_TestUmgebung& AUmgebung, int ALaeufe, int AZielFiliale)
{
    // The handheld menu of the large warehouse, with the default options; not shown.
    TDM_Torvik dm({QStringLiteral("bench"), QStringLiteral("-mde")});
    TfrmMDE maske;
    maske.FOptionen.Allgemein.AktLager = TZAM_DemoGross::CLager;
    maske.LagerAnwenden();
    maske.ChangeState<TState_Menue>();
    auto& menue = static_cast<TState_Menue&>(*maske.AktState());
    bool& komplett = maske.FOptionen.NachsortKube.NurWennKomplettImLag;
    const auto mitKomplett = [&](bool AKomplett) {
        return AKomplett ? QStringLiteral(", komplett im Lager") : QStringLiteral(", ohne komplett im Lager");
    };
    const int laeufe = qMax(5, ALaeufe / 20);
    // The painting and its place queries first: after the file path's thousands of single reads
    // PostgreSQL answers the statement path slower for a while.
    TZAM_Messung::Zeile(QStringLiteral("Menü: Kunden-VBS vorhanden"), laeufe, 0, [&] { menue.KundenVBSVorhanden(); });
    TZAM_Messung::Zeile(QStringLiteral("Menü: Bearbeitungs-Vorbereitung vorhanden (Lagerdienst)"), laeufe, 0,
                        [&] { dm.LagerEditServer_GoC()->BearbVorbereitung_Vorhanden(TZAM_DemoGross::CLager); });
    for (bool k : {true, false}) {
        komplett = k;
        TZAM_Messung::Zeile(QStringLiteral("Menü malen") + mitKomplett(k), laeufe, 0,
                            [&] { maske.ChangeState<TState_Menue>(); });
    }
    std::printf("(%s)\n", qPrintable(maske.btnmButtons->Item(0).RightCaption));
    int anzahl = 0;
    for (const QString& pfad : {QStringLiteral("0"), QStringLiteral("1")}) {
        AUmgebung.ParameterSetzen(QStringLiteral("GDBCONFIG"), pfad);
        // The targets hold for the statement path, the site's default.
        const bool dateien = pfad == QLatin1String("1");
        const QString z = dateien ? QStringLiteral(", Dateien einzeln") : QString();
        TZAM_Messung::Zeile(QStringLiteral("Menü: Filialnachsortierung zählen") + z, laeufe, dateien ? 0 : 100,
                            [&] { anzahl = menue.BestellungenVorhanden(CZPMDEM_FilNachsort); });
        std::printf("(%d Aufgaben)\n", anzahl);
        TZAM_Messung::Zeile(QStringLiteral("Menü: Verkaufsraumanforderungen zählen") + z, laeufe, dateien ? 0 : 100,
                            [&] { anzahl = menue.BestellungenVorhanden(CZPMDEM_UmlagHL); });
        std::printf("(%d Aufgaben)\n", anzahl);
        for (bool k : {true, false}) {
            komplett = k;
            TZAM_Messung::Zeile(QStringLiteral("Menü: Kundenbestellungen zählen") + mitKomplett(k) + z, laeufe,
                                k && !dateien ? 500 : 0,
                                [&] { anzahl = menue.BestellungenVorhanden(CZPMDEM_KuBe); });
            std::printf("(%d)\n", anzahl);
        }
    }
    AUmgebung.ParameterSetzen(QStringLiteral("GDBCONFIG"), QStringLiteral("0"));
    TZAM_Messung::Zeile(QStringLiteral("Aufgabenliste einer Filiale laden"), laeufe, 0, [&] {
        TQIV_Aufgaben_Suchkriterien_Options o;
        Aufgaben_Suchkriterien_Options_Init(o, CZAM_Filialnachsortierung);
        o.FilNr = AZielFiliale;
        o.GeschaeftsvorSet = 0;
        TZAM_Aufgaben_Suchkriterien k;
        Aufgaben_Suchkriterien_Get(o, k);
        IZAM_AufgabenEditServer* server = dm.AufgabenEditServer_GoC();
        server->Aufgabenliste_Laden(k, false, true, true, true, true);
        anzahl = server->AufgabenVRListe().GetRowCount();
    });
    std::printf("(%d Zeilen)\n", anzahl);

    // The handheld's pick list of the branch along the large route: loaded, allocated, drawn.
    maske.FModus = CZPMDEM_FilNachsort;
    auto& d = maske.Datentraeger_Get();
    d.Nachsort.FilNummer = qint16(AZielFiliale);
    d.Nachsort.LagNummer = 0;
    d.Nachsort.LaufwegID = TIntTrio(TZAM_DemoGross::CLager, 1, 1);
    TZAM_Messung::Zeile(QStringLiteral("Pickliste einer Filiale (laden, zuteilen, zeigen)"), laeufe, 1000,
                        [&] { maske.ChangeState<TState_Aufgabe>(); });
    auto* liste = static_cast<TState_Aufgabe*>(maske.GiveState(StateKlasse<TState_Aufgabe>()));
    std::printf("(%d Aufgaben, %d Zeilen)\n", d.Nachsort.AufgabenVRListe_Verweis->GetRowCount(),
                liste->ZeilenAnzahl());
}
