#include "TZAM_AufgabenMessung.h"

#include "IZAM_LagerEditServer.h"
#include "IZAM_WegeOptEditServer.h"
#include "TDM_Torvik.h"
#include "TQIV_Aufgaben_Suchkriterien_Options.h"
#include "TState_Aufgabe.h"
#include "TState_MengeEingeben.h"
#include "TState_Menue.h"
#include "TState_VonPlatzScan.h"
#include "TVRList.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_DemoGross.h"
#include "TZAM_Messung.h"
#include "TZAM_TestUmgebung.h"
#include "TfrmMDE.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMUtils.h"

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
                                k && !dateien ? 500 : 0, [&] { anzahl = menue.BestellungenVorhanden(CZPMDEM_KuBe); });
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
    std::printf("(%d Aufgaben, %d Zeilen)\n", d.Nachsort.AufgabenVRListe_Verweis->GetRowCount(), liste->ZeilenAnzahl());
    if (liste->ZeilenAnzahl() < 2 * laeufe)
        return;

    // The worker's waits along the list: the source scan (place locked, stock read, on to the
    // article) and the booking of a row that holds its whole task (booked, next row checked and
    // locked). The pieces go onto the last place of the route.
    const auto waehlen = [&](int AZeile) {
        liste->FAufgabenIdx = AZeile;
        liste->FAktAufgId = liste->GiveIntTrio(TQIV_AufgabenLagerListe::CAufgabenId, AZeile);
    };
    auto* quelle = static_cast<TState_VonPlatzScan*>(maske.GiveState(StateKlasse<TState_VonPlatzScan>()));
    int zeile = 0;
    TZAM_UmgesetztUArtikelScanDaten scan;
    TZAM_Messung::Zeile(QStringLiteral("Quell-Scan einer Pickzeile"), laeufe, 50, [&] {
        waehlen(zeile++);
        TIntTrio ort;
        liste->Get_VonLagerplatz(liste->FAufgabenIdx, ort);
        quelle->Gescannt(zam_TIntTrio2String(ort) + QStringLiteral("00000"), scan);
        quelle->VonLPEntsperren();
    });
    const QList<TIntTrio> weg = dm.WegeOptEditServer_GoC()->Laufweg_Lagerorte(d.Nachsort.LaufwegID);
    d.Nachsort.KommBeh = {weg.last(), QStringLiteral("Ziel"), TZAM_DemoGross::CLager, qint16(AZielFiliale), -1, false,
                          false};
    auto* menge = static_cast<TState_MengeEingeben*>(maske.GiveState(StateKlasse<TState_MengeEingeben>()));
    zeile = liste->ZeilenAnzahl() / 2;
    TZAM_Messung::Zeile(QStringLiteral("Pick buchen, nächste Zeile prüfen"), laeufe, 50, [&] {
        while (zeile + 1 < liste->ZeilenAnzahl() && liste->GiveInt(TQIV_AufgabenLagerListe::CMenge, zeile) !=
                                                        liste->GiveInt(TQIV_AufgabenLagerListe::CGesamt, zeile))
            ++zeile;
        waehlen(zeile++);
        d.Nachsort.IstMenge = liste->GiveInt(TQIV_AufgabenLagerListe::CMenge);
        menge->AbsortierungBuchen_U_Weiter(false);
    });
}
