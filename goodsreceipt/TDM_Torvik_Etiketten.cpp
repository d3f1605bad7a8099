// The data module's article labels of the WE-Plus receipt and its checks of scanned places.
#include "TDM_Torvik.h"

#include "IZAM_LagerEditServer.h"
#include "TEinzeletikettenMani.h"
#include "TLVLZMani.h"
#include "TQIV_ArtLesSimple.h"
#include "TZAM_Hausregel.h"
#include "ZAMUtils.h"

bool TDM_Torvik::EtikDruckDispoId_4_WEPlus_Do(const TQIV_WEPlus_DatenCache_Value& AWert, TIntTrio& ADispoId) const
{
    if (AWert.IsEmpty())
        return false;
    for (int i = 0; i < AWert.Count(); ++i)
        if (FAktLagerFilialen.contains(AWert.Key(i).AnFiliale)) {
            ADispoId = AWert.Key(i).VorgId;
            return true;
        }
    ADispoId = AWert.Key(0).VorgId;
    return true;
}

TIntTrio TDM_Torvik::EtikDruckDispoId_4_WEPlus(const TQIV_WEPlus_DatenCache& ADatenCache, const TInt32Trio& AProdukt_Id,
                                               int AGrIdx, const TIntPairList& AAuftragsNrn,
                                               const TIntTrio& ADIOhneAuftr)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.EtikDruckDispoId_4_WEPlus", TIntTrio(), [&] {
        TIntTrio id;
        if (const TQIV_WEPlus_DatenCache_Value* wert = ADatenCache.Find({AProdukt_Id, AGrIdx});
            wert && EtikDruckDispoId_4_WEPlus_Do(*wert, id))
            return id;
        for (int a = 0; a < ADatenCache.Count(); ++a)
            if (ADatenCache.Key(a).Produkt_Id == AProdukt_Id && EtikDruckDispoId_4_WEPlus_Do(ADatenCache.Value(a), id))
                return id;
        QList<TQIV_Dispo_Info> dispos;
        if (Dispos_4_AuftragsNrN(ADatenCache, AProdukt_Id, -1, AAuftragsNrn, ADIOhneAuftr, dispos))
            return dispos.first().Vorgang;
        return TIntTrio();
    });
}

bool TDM_Torvik::Etiketten_4_Artikel_gewollt(const TInt32Trio& AProdukt_Id)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Etiketten_4_Artikel_gewollt", false, [&] {
        TQIV_ArtLesSimple* leser = ArtLesSimple_GoC();
        if (!leser)
            return false;
        return !leser->Positionieren(AProdukt_Id) || leser->EtikettenAnzahl() > 0;
    });
}

QString TDM_Torvik::Etiketten_Layout_4_Artikel(const TInt32Trio& AProdukt_Id)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Etiketten_Layout_4_Artikel", QString(), [&] {
        TQIV_ArtLesSimple* leser = ArtLesSimple_GoC();
        return leser && leser->Positionieren(AProdukt_Id) ? leser->EtikettenLayout() : QString();
    });
}

TEinzelEtikettInfo TDM_Torvik::EtikettInfo(const TInt32Trio& AProdukt_ID, const TIntTrio& ADIVorgId,
                                           const TZAM_Intv100_Sortiment_Me& ASortiment, qint16 AFilNr) const
{
    TEinzelEtikettInfo info;
    info.Clear();
    info.ProduktId = AProdukt_ID;
    info.Filiale = AFilNr;
    info.Sortiment = ASortiment;
    if (zam_IdEcht(ADIVorgId)) {
        info.DispoId = ADIVorgId;
        info.Markiert = true;
        info.EtikettArt = 5;
    }
    return info;
}

void TDM_Torvik::Artikeletikett_Drucken(const TInt32Trio& AProdukt_ID, const TIntTrio& ADIVorgId,
                                        const TZAM_Intv100_Sortiment_Me& ASortiment, qint16 AFilNr)
{
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.Artikeletikett_Drucken",
        [&] {
            TEinzelEtikettInfo info = EtikettInfo(AProdukt_ID, ADIVorgId, ASortiment, AFilNr);
            if (zam_IdEcht(ADIVorgId))
                info.Zeit = zam_Now();
            if (TEinzeletikettenMani* mani = EinzelEtikMani_GoC())
                mani->EinzEtik_Aufbereiten(info, true, Etiketten_Layout_4_Artikel(AProdukt_ID));
        },
        false);
}

void TDM_Torvik::Artikeletikett_Sammeln_Begin()
{
    FEinzelEtikettInfo_Dict.clear();
    FEinzelEtikettLayouts.clear();
}

void TDM_Torvik::Artikeletikett_Sammeln(const TInt32Trio& AProdukt_ID, const TIntTrio& ADIVorgId,
                                        const TZAM_Intv100_Sortiment_Me& ASortiment, qint16 AFilNr)
{
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.Artikeletikett_Sammeln",
        [&] {
            const QString layout = Etiketten_Layout_4_Artikel(AProdukt_ID);
            if (!FEinzelEtikettInfo_Dict.contains(layout))
                FEinzelEtikettLayouts.append(layout);
            FEinzelEtikettInfo_Dict[layout].append(EtikettInfo(AProdukt_ID, ADIVorgId, ASortiment, AFilNr));
        },
        false);
}

void TDM_Torvik::Artikeletikett_Sammeln_End()
{
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.Artikeletikett_Sammeln_End",
        [&] {
            TEinzeletikettenMani* mani = EinzelEtikMani_GoC();
            if (!mani)
                return;
            // Layout by layout, in the order they came; a layout that failed keeps its labels for
            // the next end of a collection.
            while (!FEinzelEtikettLayouts.isEmpty()) {
                const QString layout = FEinzelEtikettLayouts.first();
                mani->EinzEtik_Aufbereiten(FEinzelEtikettInfo_Dict.value(layout), true, layout);
                FEinzelEtikettInfo_Dict.remove(layout);
                FEinzelEtikettLayouts.removeFirst();
            }
        },
        false);
}

bool TDM_Torvik::Artikeletikett_Gesammelt()
{
    return !FEinzelEtikettInfo_Dict.isEmpty();
}

bool TDM_Torvik::LOOK_4_Einlagerung_beiWEPlus(const TIntTrio& ALagerOrtId, TZAM_Lagerort_Info& ALagerortInfo)
{
    Lagerort_Info_Init(ALagerortInfo);
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.LOOK_4_Einlagerung_beiWEPlus", false, [&] {
        IZAM_LagerEditServer* lager = LagerEditServer_GoC();
        TQIV_Lagerort_Info_Optionen optionen = TQIV_Lagerort_Info_Optionen::Defaults();
        optionen.MitGesperrt = false;
        return lager && lager->LagerortInfo_Lesen(ALagerOrtId, ALagerortInfo, optionen) &&
               LOOK_4_Einlagerung_beiWEPlus(ALagerortInfo);
    });
}

bool TDM_Torvik::LOOK_4_Einlagerung_beiWEPlus(const TZAM_Lagerort_Info& ALagerortInfo)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.LOOK_4_Einlagerung_beiWEPlus", false, [&] {
        IZAM_LagerEditServer* lager = LagerEditServer_GoC();
        if (!lager || !lager->Lagerort_InLager(ALagerortInfo.LagerortId, FAktLager))
            return false;
        return ALagerortInfo.Kennung == CZAM_Lagerort_Behaelter || ALagerortInfo.Bereich == CZAM_Bereich_Lager ||
               ALagerortInfo.Bereich == CZAM_Bereich_GeblockteWare;
    });
}

bool TDM_Torvik::LOOK_4_Bearbeitung(const TZAM_Lagerort_Info& ALagerortInfo, int AFilNr, QString& AFehler)
{
    AFehler.clear();
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.LOOK_4_Bearbeitung", false, [&] {
        IZAM_LagerEditServer* lager = LagerEditServer_GoC();
        TLVLZMani* lvlz = LVLZMani_GoC();
        if (!lager || !lvlz)
            return false;
        if (ALagerortInfo.Kennung != CZAM_Lagerort_Behaelter) {
            AFehler = QStringLiteral("Bitte Behälter scannen, nicht ") +
                      CZAM_Lagerort_Kennung_String(ALagerortInfo.Kennung) + QStringLiteral("!");
            return false;
        }
        TZAM_Behaelter behaelter;
        if (!lager->Behaelter_Lesen(ALagerortInfo, behaelter)) {
            AFehler = QStringLiteral("Behälter %1 nicht gefunden!").arg(ALagerortInfo.Name);
            return false;
        }
        TZAM_BehaelterTyp typ;
        if (!lager->BehaelterTyp_Lesen(behaelter.TypId, typ)) {
            AFehler = QStringLiteral("Behältertyp %1 nicht gefunden!").arg(behaelter.TypId.ToText());
            return false;
        }
        if (!typ.Einweg) {
            AFehler = QStringLiteral("Behälter ist kein Einweg-Behälter!");
            return false;
        }
        if (AFilNr > 0) {
            const int lagerNr = lager->Lager_4_Filiale(AFilNr);
            if (!lager->Lagerort_InLager(ALagerortInfo.LagerortId, lagerNr)) {
                AFehler = QStringLiteral("Behälter gehört nicht zu Lager %1!").arg(lagerNr);
                return false;
            }
        }
        QString belegNr, kombi, datum;
        int auftragsTyp = 0;
        if (lvlz->BelegDaten_4_Lagerort(belegNr, kombi, auftragsTyp, datum, ALagerortInfo.LagerortId)) {
            AFehler = QStringLiteral("Behälter in Benutzung für %1!").arg(belegNr);
            return false;
        }
        return true;
    });
}
