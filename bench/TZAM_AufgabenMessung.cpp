#include "TZAM_AufgabenMessung.h"

#include "TDM_Torvik.h"
#include "TQIV_AufgabenZaehlKlammer.h"
#include "TQIV_Aufgaben_Suchkriterien_Options.h"
#include "TVRList.h"
#include "TZAM_DemoGross.h"
#include "TZAM_Messung.h"
#include "TZAM_TestUmgebung.h"
#include "ZAMAufgabenCodes.h"

#include <cstdio>

namespace {

// The count of a task list loaded for counting only (the menu's re-sorting and request counts).
int ListenAnzahl(TDM_Torvik& ADM, TZAM_Workflow_Nachsortierung AModus, TZAM_Aufgabe_GeschaeftsvorfallSet AGV)
{
    TQIV_Aufgaben_Suchkriterien_Options o;
    Aufgaben_Suchkriterien_Options_Init(o, AModus);
    o.GeschaeftsvorSet = AGV;
    TZAM_Aufgaben_Suchkriterien k;
    Aufgaben_Suchkriterien_Get(o, k);
    IZAM_AufgabenEditServer* server = ADM.AufgabenEditServer_Temp_GoC();
    TQIVAufgabenlisteLaden_Options nurIds;
    nurIds.NurIdsLaden = true;
    server->Aufgabenliste_Laden(k, nurIds);
    const int n = server->ZeilenAnzahl();
    server->Aufgabenliste_Freigeben();
    return n;
}

// The menu's customer-order count: the orders complete in the warehouse first (when asked),
// then the tasks of both customer-order business cases for the warehouse's own branch, in one
// count bracket as the menu counts.
int KundenAnzahl(TDM_Torvik& ADM, bool AKomplett, bool ANurBezahlt)
{
    TQIV_AufgabenZaehlKlammer klammer(ADM);
    int n = 0;
    if (AKomplett) {
        TIntTrioList komplett;
        ADM.KomplettImLagerBestListErmitteln(ANurBezahlt, komplett);
        n += int(komplett.size());
    }
    for (int gv : {CZAM_Aufgabe_GV_Kundenbestellung, CZAM_Aufgabe_GV_KundenbestellungVersand}) {
        TQIV_Aufgaben_Suchkriterien_Options o;
        Aufgaben_Suchkriterien_Options_Init(o, CZAM_Kundenbestellung);
        o.GeschaeftsvorSet = ZAMSetBit(gv);
        o.KubeNurBezahlte = ANurBezahlt ? tsTrue : tsFalse;
        TZAM_Aufgaben_Suchkriterien k;
        Aufgaben_Suchkriterien_Get(o, k);
        TZAM_Int_Int_Array anzahlen;
        ADM.AufgabenFuerFilErmitteln(anzahlen, k, 0);
        for (int i = AKomplett ? 1 : 0; i < anzahlen.size(); ++i)
            n += anzahlen[i][0];
    }
    return n;
}

} // namespace

void TZAM_AufgabenMessung::Messen(TZAM_TestUmgebung& AUmgebung, int ALaeufe, int AZielFiliale)
{
    TDM_Torvik dm({QStringLiteral("bench")});
    dm.AktLagerMitBuchungsfiliale_Setzen(TZAM_DemoGross::CLager);
    const int laeufe = qMax(5, ALaeufe / 20);
    int anzahl = 0;
    for (const QString& pfad : {QStringLiteral("0"), QStringLiteral("1")}) {
        AUmgebung.ParameterSetzen(QStringLiteral("GDBCONFIG"), pfad);
        // The targets hold for the statement path, the site's default.
        const bool dateien = pfad == QLatin1String("1");
        const QString z = dateien ? QStringLiteral(", Dateien einzeln") : QString();
        TZAM_Messung::Zeile(QStringLiteral("Menü: Filialnachsortierung zählen") + z, laeufe, dateien ? 0 : 100,
                            [&] { anzahl = ListenAnzahl(dm, CZAM_Filialnachsortierung, 6); });
        std::printf("(%d Aufgaben)\n", anzahl);
        TZAM_Messung::Zeile(QStringLiteral("Menü: Verkaufsraumanforderungen zählen") + z, laeufe, dateien ? 0 : 100,
                            [&] { anzahl = ListenAnzahl(dm, CZAM_Umlagerung_Handlager, 256); });
        std::printf("(%d Aufgaben)\n", anzahl);
        TZAM_Messung::Zeile(QStringLiteral("Menü: Kundenbestellungen zählen, komplett im Lager") + z, laeufe,
                            dateien ? 0 : 500,
                            [&] { anzahl = KundenAnzahl(dm, true, true); });
        std::printf("(%d)\n", anzahl);
        TZAM_Messung::Zeile(QStringLiteral("Menü: Kundenbestellungen zählen, ohne komplett im Lager") + z, laeufe, 0,
                            [&] { anzahl = KundenAnzahl(dm, false, true); });
        std::printf("(%d)\n", anzahl);
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
}
