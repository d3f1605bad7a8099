// The data module's scan records of the WE-Plus receipt: writing, reading back, discarding.
#include "TDM_Torvik.h"

#include "IZAM_BelegEditServer.h"
#include "IZAM_Buchung.h"
#include "IZAM_LagerBewegungEditServer.h"
#include "TArtikelTools.h"
#include "TBelimani.h"
#include "TLVLZMani.h"
#include "TSCANNMani.h"
#include "TVRList.h"
#include "TZAM_Hausregel.h"
#include "ZAMFehler.h"
#include "ZAMGlobal.h"
#include "ZAMUtils.h"
#include "ZAMInfoKoords.h"

namespace {

const int COperationsArtWEPlusLoeschen = 101;

// One row of the scan manager's list.
struct TScanZeile
{
    TInt32Trio Produkt;
    int GrIdx = 0;
    TIntTrio DispoId;
    qint16 AnFiliale = -1;
    TZAM_PersArt_ExtVerweis Verweis;
    int Menge = 0;
    TIntTrio Lagerort;
    TIntTrio ScanIdent;
    QString AuftragsNr;
    QString Lieferschein;
};

TScanZeile ZeileLesen(const TVRList& AListe, int AZeile)
{
    TScanZeile z;
    z.Produkt = AListe.GetCellValueAsInt32Trio(AZeile, cslProdukt);
    z.GrIdx = AListe.GetCellValueAsInteger(AZeile, cslGrIdx);
    z.DispoId = AListe.GetCellValueAsIntTrio(AZeile, cslDispoId);
    z.AnFiliale = qint16(AListe.GetCellValueAsInteger(AZeile, cslAnFiliale));
    z.Verweis = TZAM_PersArt_ExtVerweis::Construct(
        Kuerzel_2_PersArt_ExtVerweis_Kennung(AListe.GetCellValueAsString(AZeile, cslExtKuerzel)),
        AListe.GetCellValueAsIntTrio(AZeile, cslExtId), AListe.GetCellValueAsInteger(AZeile, cslExtNummer));
    z.Menge = AListe.GetCellValueAsInteger(AZeile, cslMenge);
    z.Lagerort = AListe.GetCellValueAsIntTrio(AZeile, cslLagerort);
    z.ScanIdent = AListe.GetCellValueAsIntTrio(AZeile, cslScanIdent);
    z.AuftragsNr = AListe.GetCellValueAsString(AZeile, cslAuftragsNr);
    z.Lieferschein = AListe.GetCellValueAsString(AZeile, cslLieferschein);
    return z;
}

} // namespace

void TDM_Torvik::MitaGepNr_4_WEPLus(TIntPair& AMitaGepNr)
{
    AMitaGepNr = TIntPair();
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.MitaGepNr_4_WEPLus",
        [&] {
            if (!FMitaGepNr_4_WEPLus_Gelesen) {
                TIntPair nr = WpGetBenuAngemeldet();
                if (nr.IsNull())
                    nr = WpGetUserAngemeldet();
                if (nr.IsNull())
                    if (TBelimani* beli = BeliMani_GoC())
                        nr = beli->TerminalIDToGepNr(ZAMInfoTerminalID());
                // Nobody to write for: the next call asks again.
                if (nr.IsNull())
                    return;
                FMitaGepNr_4_WEPLus = nr;
                FMitaGepNr_4_WEPLus_Gelesen = true;
            }
            AMitaGepNr = FMitaGepNr_4_WEPLus;
        },
        false);
}

void TDM_Torvik::MitaGepNr_4_WEPLus_Reset()
{
    FMitaGepNr_4_WEPLus = TIntPair();
    FMitaGepNr_4_WEPLus_Gelesen = false;
}

void TDM_Torvik::MitaGepNr_4_WEPLus_Setzen()
{
    MitaGepNr_4_WEPLus_Reset();
    TIntPair nr;
    MitaGepNr_4_WEPLus(nr);
}

TIntTrio TDM_Torvik::Daten_2_ScanSatz(const TIntPair& AAuftrNr, const QString& ALiefScheinNr,
                                      const TInt32Trio& AProdukt_Id, int AGrIdx, const TIntTrio& ADispoId, int AMenge,
                                      const TZAM_PersArt_ExtVerweis& AExtVerweis, qint16 ALagFilNr,
                                      const TIntTrio& ALagerort)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Daten_2_ScanSatz", TIntTrio(), [&] {
        TScanCode satz;
        satz.Clear();
        MitaGepNr_4_WEPLus(satz.MitaGepNr);
        TSCANNMani* mani = ScannMani_GoC();
        // A record without user could never be found again.
        if (satz.MitaGepNr.IsNull() || !mani)
            return TIntTrio();
        satz.AuftragsNr = AAuftrNr.ToText(0, false, false, 9);
        satz.LieferscheinNr = ALiefScheinNr;
        satz.ProduktId = AProdukt_Id;
        satz.GrIdx = AGrIdx;
        satz.Menge = AMenge;
        satz.Lagerort = ALagerort;
        satz.DispoId = ADispoId;
        satz.ExtVerweis = AExtVerweis;
        satz.Kennzeichen = 2;
        satz.Datum1 = satz.Datum2 = zam_Date();
        return mani->BuchenSingle(CSCAN_Typ_WEPlus, satz, TArtikelTools::Lieferant_4_ProdID(AProdukt_Id), ALagFilNr);
    });
}

void TDM_Torvik::Scansaetze_Lesen(int& AAnz)
{
    AAnz = 0;
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.Scansaetze_Lesen",
        [&] {
            TSCANNMani* mani = ScannMani_GoC();
            if (!mani)
                return;
            TSCANSelectRec auswahl;
            auswahl.Clear();
            auswahl.Typ = CSCAN_Typ_WEPlus;
            MitaGepNr_4_WEPLus(auswahl.MitaGepNr);
            auswahl.NurOffene = 1;
            mani->SelectAndAdd(auswahl, 0);
            AAnz = mani->Liste().GetRowCount();
        },
        false);
}

bool TDM_Torvik::Scansaetze_2_DatenCache(TQIV_WEPlus_DatenCache& ADatenCache, QString& AAuftragsnummerStr,
                                         QString& ALieferscheinnummer, TIntTrio& ALagerplatzID, QString& ALagerplatzBez)
{
    AAuftragsnummerStr.clear();
    ALieferscheinnummer.clear();
    ALagerplatzID = TIntTrio();
    ALagerplatzBez.clear();
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Scansaetze_2_DatenCache", false, [&] {
        TSCANNMani* mani = ScannMani_GoC();
        if (!mani)
            return false;
        // The list is used as it stands only when it holds this user's WE-Plus records.
        TIntPair mita;
        MitaGepNr_4_WEPLus(mita);
        TSCANSelectRec auswahl;
        if (!mani->ListeAuswahl(auswahl) || auswahl.Typ != CSCAN_Typ_WEPlus || auswahl.MitaGepNr != mita ||
            auswahl.NurOffene != 1 || !auswahl.Ident.IsNull()) {
            int anzahl = 0;
            Scansaetze_Lesen(anzahl);
        }
        const TVRList& liste = mani->Liste();
        QStringList auftraege, lieferscheine;
        TIntTrio platz;
        QString platzName;
        // The records of a receipt name few dispositions: each order branch is asked once.
        QHash<TQIV_WEPlus_DatenCache_Value_Key, qint16> auftrFilialen;
        for (int r = 0; r < liste.GetRowCount(); ++r) {
            const TScanZeile z = ZeileLesen(liste, r);
            qint16 auftrFiliale = -1;
            if (!z.DispoId.IsNull() && z.AnFiliale > 0) {
                const TQIV_WEPlus_DatenCache_Value_Key key{z.DispoId, z.AnFiliale};
                const auto it = auftrFilialen.constFind(key);
                auftrFiliale = it != auftrFilialen.constEnd()
                                   ? *it
                                   : *auftrFilialen.insert(key, AuftrFil_4_IdUndAnFil(z.DispoId, z.AnFiliale));
            }
            TIntTrio verfKombi;
            if (zam_IdEcht(z.Verweis.Id))
                ZuordnungPruefen(z.Verweis, z.Lagerort, verfKombi);
            Daten_2_DatenCache(z.Produkt, z.GrIdx, z.DispoId, z.AnFiliale, auftrFiliale,
                               ExtVerw_4_WEPlus_umbiegen(z.Verweis), z.Lieferschein, verfKombi, z.Menge, z.Lagerort,
                               z.ScanIdent, ADatenCache);
            if (!TIntPair::FromTextDef(z.AuftragsNr, CLeeresIntPair).IsNull() && !auftraege.contains(z.AuftragsNr))
                auftraege.append(z.AuftragsNr);
            if (!lieferscheine.contains(z.Lieferschein))
                lieferscheine.append(z.Lieferschein);
            // Only plain goods propose their place: a customer order's container is no default.
            TZAM_Lagerort_Info info;
            if (z.Lagerort != platz && !zam_IdEcht(z.Verweis.Id) && LOOK_4_Einlagerung_beiWEPlus(z.Lagerort, info)) {
                platz = z.Lagerort;
                platzName = info.Name;
            }
        }
        AAuftragsnummerStr = auftraege.join(QLatin1Char(',')).trimmed();
        ALieferscheinnummer = lieferscheine.join(QLatin1Char(',')).trimmed();
        ALagerplatzID = platz;
        ALagerplatzBez = platzName;
        return true;
    });
}

void TDM_Torvik::ZuordnungPruefen(const TZAM_PersArt_ExtVerweis& AVerweis, const TIntTrio& ALagerort,
                                  TIntTrio& AVerfKombiId)
{
    TLVLZMani* lvlz = LVLZMani_GoC();
    if (!lvlz)
        FehlerRaise(QStringLiteral("TDM_Torvik.Scansaetze_2_DatenCache"), CZAM_Info_Fehler_Standard_ModulNichtVerfuegbar);
    TZAM_PersArt_ExtVerweis zuordnung;
    int auftragsTyp = 0, status = 0;
    if (!lvlz->ExtVerweis_u_VerfKombiId_4_Lagerort(zuordnung, AVerfKombiId, auftragsTyp, status, ALagerort))
        return;
    // A customer-order position's container is assigned to its document.
    TZAM_PersArt_ExtVerweis zeile = AVerweis;
    if (zeile.Kennung == CZAM_PersArtExt_KuBe) {
        TIntTrio beleg;
        if (IZAM_BelegEditServer* belege = BelegEditServer_GoC())
            belege->BelegId_4_Position(QuadAusTrio(zeile.Id, zeile.Nummer), 0, beleg, 0);
        zeile.Id = beleg;
        zeile.Nummer = 0;
    }
    if (zuordnung != zeile)
        FehlerRaise(QStringLiteral("TDM_Torvik.Scansaetze_2_DatenCache.1"), CZAM_Info_Fehler_Standard_LeseFehler,
                    zuordnung.ToText() + QStringLiteral(" <> ") + zeile.ToText());
}

bool TDM_Torvik::Scansaetze_4_WEPLus_Vorhanden()
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Scansaetze_4_WEPLus_Vorhanden", false, [&] {
        TSCANNMani* mani = ScannMani_GoC();
        TIntPair mita;
        MitaGepNr_4_WEPLus(mita);
        return mani && !mita.IsNull() && mani->WEPlusExists(mita);
    });
}

void TDM_Torvik::Scansaetze_4_WEPLus_Loeschen()
{
    const QString name = QStringLiteral("TDM_Torvik.Scansaetze_4_WEPLus_Loeschen");
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.Scansaetze_4_WEPLus_Loeschen",
        [&] {
            TSCANNMani* mani = ScannMani_GoC();
            TIntPair mita;
            MitaGepNr_4_WEPLus(mita);
            if (!mani || mita.IsNull())
                return;
            IZAM_Buchung& buchung = ZAMBuchung();
            buchung.Oeffnen(COperationsArtWEPlusLoeschen, name);
            Scansaetze_4_WEPLus_LVLZ_Loeschen(*mani);
            mani->WEPLusLoeschen(mita);
            buchung.Schliessen(name);
        },
        false);
}

// Customer-order containers that were emptied again lose their assignment with the records.
void TDM_Torvik::Scansaetze_4_WEPLus_LVLZ_Loeschen(TSCANNMani& AMani)
{
    int anzahl = 0;
    Scansaetze_Lesen(anzahl);
    IZAM_LagerBewegungEditServer* bewegung = LagerBewegungEditServer_GoC();
    TLVLZMani* lvlz = LVLZMani_GoC();
    if (!bewegung || !lvlz)
        FehlerRaise(QStringLiteral("TDM_Torvik.Scansaetze_4_WEPLus_LVLZ_Loeschen"),
                    CZAM_Info_Fehler_Standard_ModulNichtVerfuegbar);
    const TVRList& liste = AMani.Liste();
    for (int r = 0; r < liste.GetRowCount(); ++r) {
        const TScanZeile z = ZeileLesen(liste, r);
        if (zam_IdEcht(z.Verweis.Id) && !bewegung->Lagerort_HatBestand(z.Lagerort))
            lvlz->Lagerort_Verweis_Loeschen(z.Lagerort);
    }
}
