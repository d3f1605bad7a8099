// Loading tasks and the reasons of replenishment requests.
#include "TDM_Torvik.h"

#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "ZAMInfoKoords.h"
#include "IZAM_AuftragsDateien.h"
#include "IZAM_GrundServer.h"
#include "IZAM_WegeOptEditServer.h"
#include "TZAM_Hausregel.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMAufgabenlisteSpalten.h"
#include "ZAMBelegNrVergleich.h"
#include "ZAMGlobal.h"
#include "ZAMUtils.h"

#include <algorithm>

namespace {
// The single-task loads: the earliest order line of the tasks of a product size.
TZAM_Aufgaben_Suchkriterien EinzelKriterien(int ALager, const TInt32Trio& AProduktId, int AGrInd)
{
    TZAM_Aufgaben_Suchkriterien k;
    k.Arten = ZAMSetBit(CZAM_Aufgabe_Art_Standard);
    k.Status = CZAM_Aufgabe_Status_OffenOderInArbeit;
    k.Lager = ALager;
    k.ProduktId = AProduktId;
    k.GroessenIndex = quint8(AGrInd);
    return k;
}
constexpr TZAM_ExtVerweis_KennungSet CBelegUndExtAuftrag = ZAMSetBit(1) | ZAMSetBit(3);
} // namespace

TVRList* TDM_Torvik::Aufgabenliste_Get()
{
    if (!FAufgabenliste)
        TZAM_Hausregel::OhneBusy(
            "TDM_Torvik.Aufgabenliste_Get",
            [&] {
                auto liste = std::make_unique<TVRList>();
                for (int i = 0; i < CZAM_AufgabenListe_SpaltenAnzahl; ++i) {
                    const TZAM_AufgabenlisteSpalteInfo& info = CZAM_Aufgabenliste_Spalten(i);
                    TVRColumn c;
                    c.Caption = info.Caption;
                    c.ValueType = info.Typ;
                    c.Width = info.Breite;
                    c.Sortierbar = true;
                    if (i == 19 || i == 44 || i == 45 || i == 46)
                        c.Anzeigeformat = QStringLiteral("%n");
                    if (i == 38)
                        c.Vergleich = ZAMBelegNrVergleich;
                    liste->ColumnAdd(c);
                }
                FAufgabenliste = std::move(liste);
            },
            false);
    return FAufgabenliste.get();
}

int TDM_Torvik::GDBConfig()
{
    // A site that never set the parameter reads through the statement.
    try {
        return ZAMParameter().GetIntegerValueByName(QStringLiteral("GDBCONFIG"));
    } catch (const EZAM_Exception&) {
        return 0;
    }
}

bool TDM_Torvik::Aufgabenliste_Laden_MitWhitelist(IZAM_AufgabenEditServer* AServer,
                                                  const TZAM_Aufgaben_Suchkriterien& AKriterien,
                                                  const TIntTrioList& AWhitelist, bool ALadenSubaufgaben,
                                                  bool ALadenErfuellungen, bool ALadenZusatzDaten,
                                                  bool ANurAnzahlLaden, bool AGroesseLaden)
{
    return Aufgabenliste_Laden_MitWhitelist(AServer, AKriterien, AWhitelist,
                                            TQIVAufgabenlisteLaden_Options::Schalter(ALadenSubaufgaben,
                                                                                     ALadenErfuellungen,
                                                                                     ALadenZusatzDaten, ANurAnzahlLaden,
                                                                                     AGroesseLaden));
}

bool TDM_Torvik::Aufgabenliste_Laden_MitWhitelist(IZAM_AufgabenEditServer* AServer,
                                                  const TZAM_Aufgaben_Suchkriterien& AKriterien,
                                                  const TIntTrioList& AWhitelist,
                                                  const TQIVAufgabenlisteLaden_Options& AOptionen)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Aufgabenliste_Laden_MitWhitelist", false, [&] {
        if (!AServer)
            throw EZAM_Exception(CZAM_Info_Fehler_Standard_IllegalerParameter, QStringLiteral("Aufgabenserver"));
        const bool geladen = AServer->Aufgabenliste_Laden(AKriterien, AOptionen);
        qsizetype pos = 0;
        for (int i = AServer->ZeilenAnzahl() - 1; i >= 0; --i)
            if (!AWhitelist.Find(AServer->Zeile(i).AufgabenId, pos))
                AServer->ZeileLoeschen(i);
        return geladen;
    });
}

bool TDM_Torvik::Aufgaben_fuerUmlagHLPrio_laden(TIntTrio& AGrundId, TIntTrio& ALaufwegId)
{
    AGrundId = TIntTrio();
    ALaufwegId = TIntTrio();
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Aufgaben_fuerUmlagHLPrio_laden", false, [&] {
        TQIV_Aufgaben_Suchkriterien_Options o;
        Aufgaben_Suchkriterien_Options_Init(o, CZAM_Umlagerung_Handlager);
        TIntTrioList gruende;
        // Without urgent reasons there is nothing urgent: empty additional ids would take every
        // hand-store task.
        if (!AlleHLAnfoGrundIdsErmitteln(agsPrioReihenfolge, tsTrue, gruende))
            return false;
        o.ZusatzIds = gruende;
        if (gruende.size() == 1)
            AGrundId = gruende.first();
        TZAM_Aufgaben_Suchkriterien k;
        Aufgaben_Suchkriterien_Get(o, k);
        IZAM_AufgabenEditServer* server = AufgabenEditServer_GoC();
        if (!server)
            return false;
        server->Aufgabenliste_Laden(k, TQIVAufgabenlisteLaden_Options());
        if (server->AufgabenVRListe().GetRowCount() == 0)
            return false;
        if (IZAM_WegeOptEditServer* wege = WegeOptEditServer_GoC()) {
            const QList<TZAM_Laufweg> laufwege = wege->Laufwege_4_Lager(FAktLager);
            if (!laufwege.isEmpty())
                ALaufwegId = laufwege.first().Id;
        }
        return true;
    });
}

namespace {
struct TEinzelAufgabe
{
    TIntTrio AufgabenId, VorgangsKey, AuftragsKey;
    qint16 ZielFiliale = -1;
    QChar VorgangsTyp;
};
} // namespace

// The task of the earliest order line among the loaded rows; strictly earlier dates win.
static bool FruehesteAufgabe(IZAM_AufgabenEditServer& AServer, IZAM_AuftragsDateien& ADateien, TEinzelAufgabe& AErg)
{
    QDateTime minimum(zam_Date().addDays(365), QTime(0, 0));
    bool gefunden = false;
    for (int i = 0; i < AServer.ZeilenAnzahl(); ++i) {
        const TQIV_AufgabenZeile& z = AServer.Zeile(i);
        QDateTime datum;
        if (!ADateien.BNE_Datum(z.VorgangsKey, datum))
            datum = zam_Now();
        if (datum < minimum) {
            minimum = datum;
            AErg = {z.AufgabenId, z.VorgangsKey, TrioAusQuad(z.AuftragsKey), z.ZielFiliale, z.VorgangsTyp};
            gefunden = true;
        }
    }
    return gefunden;
}

// Fulfilment tasks (no team sport, no customer order) or team-sport tasks of a product size: the
// one of the earliest order line.
static bool EinzelAufgabeLaden(TDM_Torvik& ADM, bool ATeamsport, const TInt32Trio& AProduktId, int AGrInd,
                               TEinzelAufgabe& AErg)
{
    TZAM_Aufgaben_Suchkriterien k = EinzelKriterien(ADM.FAktLager, AProduktId, AGrInd);
    k.Teamsport = ATeamsport;
    if (!ATeamsport)
        k.ExtVerweisAusschluss = CBelegUndExtAuftrag;
    IZAM_AufgabenEditServer* server = ADM.AufgabenEditServer_GoC();
    IZAM_AuftragsDateien* dateien = ADM.AuftragsDateien_GoC();
    if (!server || !dateien)
        return false;
    server->Aufgabenliste_Laden(k, true, true, false, true, true);
    return FruehesteAufgabe(*server, *dateien, AErg);
}

bool TDM_Torvik::FA_Aufgaben_Laden(TIntTrio& AAufgabenId, qint16& AZielFiliale, TIntTrio& AVorgangsKey,
                                   QChar& AVorgangsTyp, const TInt32Trio& AProduktId, int AGrInd)
{
    TEinzelAufgabe a;
    const bool ok = TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.FA_Aufgaben_Laden", false, [&] {
        return EinzelAufgabeLaden(*this, false, AProduktId, AGrInd, a);
    });
    AAufgabenId = a.AufgabenId;
    AZielFiliale = a.ZielFiliale;
    AVorgangsKey = a.VorgangsKey;
    AVorgangsTyp = a.VorgangsTyp;
    return ok;
}

bool TDM_Torvik::RezeVudaz_Aufgaben_Laden(TIntTrio& AAufgabenId, qint16& AZielFiliale, TIntTrio& AVorgangsKey,
                                          QChar& AVorgangsTyp, TIntTrio& AAuftragsKey, const TInt32Trio& AProduktId,
                                          int AGrInd)
{
    TEinzelAufgabe a;
    const bool ok = TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.RezeVudaz_Aufgaben_Laden", false, [&] {
        return EinzelAufgabeLaden(*this, true, AProduktId, AGrInd, a);
    });
    AAufgabenId = a.AufgabenId;
    AZielFiliale = a.ZielFiliale;
    AVorgangsKey = a.VorgangsKey;
    AVorgangsTyp = a.VorgangsTyp;
    AAuftragsKey = a.AuftragsKey;
    return ok;
}

bool TDM_Torvik::Aufgaben_Fertig(qint16 AZielFiliale, const TIntTrio& ABelegId, bool ARezeVudaz)
{
    // Only a load that succeeded without rows means "nothing left"; a failed one is not done.
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.FA_Aufgaben_Fertig", false, [&] {
        TZAM_Aufgaben_Suchkriterien k;
        k.Arten = ZAMSetBit(CZAM_Aufgabe_Art_Standard);
        k.Status = CZAM_Aufgabe_Status_OffenOderInArbeit;
        k.ZielFiliale = AZielFiliale;
        k.Lager = FAktLager;
        k.Teamsport = ARezeVudaz;
        if (ARezeVudaz) {
            k.ExtVerweisEinschluss = CBelegUndExtAuftrag;
            k.BelegId = ABelegId;
        } else {
            k.ExtVerweisAusschluss = CBelegUndExtAuftrag;
        }
        IZAM_AufgabenEditServer* server = AufgabenEditServer_GoC();
        if (!server || !server->Aufgabenliste_Laden(k, true, true, false, true, true))
            return false;
        return server->ZeilenAnzahl() == 0;
    });
}

QList<TGrndSatz>* TDM_Torvik::HLAnfoGrundList_CiN_UndFuellen()
{
    if (!FHLAnfoGrundList) {
        std::unique_ptr<IZAM_GrundServer> server = Glob_WWSServerFactoryClass().Create<IZAM_GrundServer>();
        FHLAnfoGrundList = std::make_unique<QList<TGrndSatz>>(server->Gruende_Lesen(CZAM_Grundgruppe_HLAnfo));
    }
    return FHLAnfoGrundList.get();
}

bool TDM_Torvik::HLAnfoGrundSatzErmitteln(const TIntTrio& AGrundId, bool ANeuLadenWennFehlt, TGrndSatz& ASatz)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.HLAnfoGrundSatzErmitteln", false, [&] {
        for (const TGrndSatz& g : *HLAnfoGrundList_CiN_UndFuellen())
            if (g.Id == AGrundId) {
                ASatz = g;
                return true;
            }
        if (!ANeuLadenWennFehlt)
            return false;
        FHLAnfoGrundList.reset();
        return HLAnfoGrundSatzErmitteln(AGrundId, false, ASatz);
    });
}

bool TDM_Torvik::HLAnfoGrund_NurAufgabe_Ermitteln(const TIntTrio& AGrundId)
{
    TGrndSatz g;
    return HLAnfoGrundSatzErmitteln(AGrundId, true, g) && g.NurAufgabe;
}

int TDM_Torvik::HLAnfoGrund_PrioReihenfolge_Ermitteln(const TIntTrio& AGrundId)
{
    TGrndSatz g;
    return HLAnfoGrundSatzErmitteln(AGrundId, true, g) ? g.PrioReihenfolge : 10;
}

bool TDM_Torvik::AlleHLAnfoGrundIdsErmitteln(TQIV_HLAnfoGrundId_Sortierung ASortierung, int APrioSignalFilter,
                                             TIntTrioList& AIds)
{
    AIds.clear();
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.AlleHLAnfoGrundIdsErmitteln", false, [&] {
        QList<QPair<QString, TIntTrio>> prio;
        for (const TGrndSatz& g : *HLAnfoGrundList_CiN_UndFuellen()) {
            if (APrioSignalFilter != tsUndefined && TZAM_TriState(g.PrioSignal).Wert() != APrioSignalFilter)
                continue;
            AIds << g.Id;
            prio << qMakePair(QString::number(g.PrioReihenfolge), g.Id);
        }
        if (ASortierung == agsGrundId)
            AIds.Sort();
        else if (ASortierung == agsPrioReihenfolge) {
            // As text: "10" before "2".
            std::stable_sort(prio.begin(), prio.end(),
                             [](const auto& A, const auto& B) { return A.first.compare(B.first) < 0; });
            AIds.clear();
            for (const auto& p : prio)
                AIds << p.second;
        }
        return !AIds.isEmpty();
    });
}
