// Posting goods receipt: the count list of the handheld and the WE-Plus cache, group by group
// through the goods-receipt dialog, and the labels of what was posted.
#include "TDM_Torvik.h"

#include "TArtikelTools.h"
#include "TGrpLiefavisWE_Dlg.h"
#include "TQIV_ArtLesSimple.h"
#include "TQIV_EtikDrucker.h"
#include "TSCANNMani.h"
#include "TVRList.h"
#include "TVorgInfo.h"
#include "TZAM_Hausregel.h"
#include "TZAM_LieferungKey.h"
#include "Tmaskfile.h"
#include "ZAMFehler.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"
#include "IZAM_Buchung.h"
#include "IZAM_Info.h"
#include "IZAM_Programm.h"

#include <QDate>

namespace {
constexpr int COperationsArtWE = 69;
constexpr int COperationsArtWEPlus = 136;
const QString CWEBuchen = QStringLiteral("TDM_Torvik.WE_Buchen");
const QString CWEBuchenDO = QStringLiteral("TDM_Torvik.WE_Buchen_DO");
const QString CWEBuchenDOProtokoll = QStringLiteral("TDM_Torvik.WE_Buchen.WE_Buchen_DO");
const QString CNichtGebucht = QStringLiteral("Der Wareneingang wurde nicht gebucht.");

// Posts the runs of lines that AGleich puts together, in order; the last run is posted even when
// empty. Runs of an undefined product before it are passed over.
template <class G, class B>
bool InGruppenBuchen(const TQIV_WEDZBuchenInfo_List& AZeilen, G AGleich, B ABuchen)
{
    bool ergebnis = true;
    TQIV_WEDZBuchenInfo_List gruppe;
    for (const TQIV_WEDZBuchenInfo& z : AZeilen) {
        if (!gruppe.isEmpty() && !AGleich(gruppe.first(), z)) {
            if (!gruppe.first().ProduktId.IsNull())
                ergebnis = ABuchen(gruppe) && ergebnis;
            gruppe.clear();
        }
        gruppe.append(z);
    }
    return ABuchen(gruppe) && ergebnis;
}
} // namespace

bool TDM_Torvik::WE_Buchen(QString& AFehler, TQIV_InttrioString_List& AFehlerInfos, const TVRList* AZaehlliste,
                           int AColProdId, int AColHerstId, int AColGrInd, int AColMenge, int AColFilNr,
                           const QString& AEtikettenDruck, const TIntTrio& ALagerplatzID)
{
    AFehler.clear();
    AFehlerInfos.clear();
    if (!AZaehlliste || AZaehlliste->GetRowCount() == 0)
        return true;
    bool ergebnis = false;
    QList<TEinzelEtikettInfo> etiketten;
    const bool geschlossen = TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.WE_Buchen",
        [&] {
            IZAM_Buchung& buchung = ZAMBuchung();
            buchung.Oeffnen(COperationsArtWE, CWEBuchen);
            ArtLesSimple_GoC();
            VorgangDWSP_Iterator_GoC();
            DispoWEMani_GoC();
            std::unique_ptr<TVRList> gruppiert;
            WEGruppierteListe_Create(gruppiert, *AZaehlliste, AColProdId, AColHerstId, AColFilNr);
            if (!gruppiert)
                FehlerRaise(CWEBuchen, CZAM_Info_Fehler_Standard_IllegalerParameter,
                            QStringLiteral("Zählliste nicht gruppierbar"));
            TQIV_WEDZBuchenInfo_List zeilen;
            TInt32Trio artikel;
            // A line that could not be written would leave counted goods behind: nothing is posted.
            if (!ScanSaetzeBuchen_und_BuchInfoListFuellen(*gruppiert, AColProdId, AColHerstId, AColGrInd, AColMenge,
                                                          AColFilNr, zeilen, artikel)) {
                buchung.Abbrechen();
                buchung.Schliessen(CWEBuchen);
                AFehler = TArtikelTools::ProduktID_2_ArtNr_Formatted(artikel, false) + QStringLiteral(": ") +
                          TZAM_Hausregel::LetzterFehler().replace(QStringLiteral("\r\n"), QStringLiteral(" "));
                return;
            }
            zeilen.Sortieren();
            const bool drucken = AEtikettenDruck.compare(QStringLiteral("Ja"), Qt::CaseInsensitive) == 0;
            ergebnis = InGruppenBuchen(
                zeilen,
                [](const TQIV_WEDZBuchenInfo& a, const TQIV_WEDZBuchenInfo& b) {
                    return a.ProduktId == b.ProduktId && a.DispoId == b.DispoId && a.Filiale == b.Filiale;
                },
                [&](const TQIV_WEDZBuchenInfo_List& AGruppe) {
                    return WE_Buchen_DO(1, AGruppe, AFehler, AFehlerInfos, drucken, ALagerplatzID, etiketten);
                });
            buchung.Schliessen(CWEBuchen);
        },
        false);
    if (!geschlossen) {
        // The bracket is gone with everything in it, the written records too.
        AFehlerInfos.clear();
        AFehler = TZAM_Hausregel::LetzterFehler();
        return false;
    }
    // Labels only for goods that are booked for good.
    if (ZAMBuchung().Tiefe() == 0)
        Etiketten_Nach_Buchung_Drucken(etiketten);
    return ergebnis;
}

bool TDM_Torvik::ScanSaetzeBuchen_und_BuchInfoListFuellen(const TVRList& AGruppiert, int AColProdId,
                                                          int AColHerstId, int AColGrInd, int AColMenge,
                                                          int AColFilNr, TQIV_WEDZBuchenInfo_List& AZeilen,
                                                          TInt32Trio& AArtikel)
{
    return TZAM_Hausregel::OhneBusy(
        "ScanSaetzeBuchen_und_BuchInfoListFuellen",
        [&] {
            TSCANNMani* scann = ScannMani_GoC();
            if (!scann)
                FehlerRaise(QStringLiteral("ScanSaetzeBuchen_und_BuchInfoListFuellen"),
                            CZAM_Info_Fehler_Standard_ModulNichtVerfuegbar);
            TIntPair mita;
            MitaGepNr_4_WEPLus(mita);
            const QDate heute = QDate::currentDate();
            for (int r = 0; r < AGruppiert.GetRowCount(); ++r) {
                const TInt32Trio produkt = AGruppiert.GetCellValueAsInt32Trio(r, AColProdId);
                const qint16 filiale = qint16(AGruppiert.GetCellValueAsInteger(r, AColFilNr));
                AArtikel = produkt;
                TQIV_DispoDaten_Dict dispos;
                OffeneDisposErmitteln(produkt,
                                      FilialenErmitteln(AGruppiert.GetCellValueAsIntPair(r, AColHerstId), filiale),
                                      dispos);
                TQIV_WeDaten_List wes;
                if (const TVRList* kinder = AGruppiert.GetRowChild(r))
                    ZuBuchendeWEsErmitteln(*kinder, AColGrInd, AColMenge, filiale, dispos, wes);
                const TIntPair lieferant = TArtikelTools::Lieferant_4_ProdID(produkt);
                for (const TQIV_WeDaten_Rec& we : wes) {
                    TScanCode satz;
                    satz.ProduktId = produkt;
                    satz.GrIdx = we.GrInd0;
                    satz.Menge = we.Menge;
                    satz.DispoId = we.VorgId;
                    satz.MitaGepNr = mita;
                    satz.Kennzeichen = 2;
                    satz.Datum1 = satz.Datum2 = heute;
                    const TIntTrio ident = scann->BuchenSingle(CSCAN_Typ_Zaehlliste, satz, lieferant, we.FilNr);
                    if (ident.IsNull())
                        FehlerRaise(QStringLiteral("ScanSaetzeBuchen_und_BuchInfoListFuellen"),
                                    CZAM_Info_Fehler_Standard_IllegalerParameter,
                                    QStringLiteral("Scansatz nicht geschrieben"));
                    if (we.FilNr >= 0)
                        AZeilen.append({TIntTrio(), produkt, we.VorgId, QString(), {}, ident, we.FilNr});
                }
            }
        },
        false);
}

bool TDM_Torvik::WE_Buchen_DO(int AModus, const TQIV_WEDZBuchenInfo_List& AGruppe, QString& AFehler,
                              TQIV_InttrioString_List& AFehlerInfos, bool AEtikettenDrucken,
                              const TIntTrio& ALagerplatz, QList<TEinzelEtikettInfo>& AEtiketten)
{
    TZAM_LieferungKey schluessel;
    LieferungKeyClear(schluessel);
    for (const TQIV_WEDZBuchenInfo& z : AGruppe)
        schluessel.ScanIdents.append(z.BuchIdent);
    // Every record of a group that failed is named, whatever the failure, so the list can show
    // its quantities again.
    bool benannt = false;
    auto benennen = [&](const QString& AText) {
        benannt = true;
        for (const TIntTrio& ident : schluessel.ScanIdents)
            AFehlerInfos.append({ident, AText});
    };
    bool ergebnis = false;
    const bool fertig = TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.WE_Buchen_DO",
        [&] {
            if (AGruppe.isEmpty())
                return;
            TGrpLiefavisWE_Dlg dialog;
            dialog.Vorbereiten();
            dialog.ProgrammModusSet(1);
            dialog.LieferavisNr = 0;
            dialog.AvisAnzeigen = false;
            dialog.DispoPruefen = true;
            dialog.LagerplatzFest = true;
            dialog.Lagerplatz = ALagerplatz;
            dialog.Modus = AModus;
            const TInt32Trio produkt = AGruppe.first().ProduktId;
            dialog.Add(produkt, TVorgInfo::EmptyGet(), nullptr, -1, LieferungKeyToStr(schluessel));
            bool gebucht = false;
            if (AModus == 2) {
                IZAM_Buchung& buchung = ZAMBuchung();
                buchung.Oeffnen(COperationsArtWEPlus, CWEBuchenDO);
                gebucht = dialog.Execute(nullptr, true);
                if (!gebucht)
                    buchung.Abbrechen();
                buchung.Schliessen(CWEBuchenDO);
            } else {
                gebucht = dialog.Execute(nullptr, true);
            }
            if (gebucht && AEtikettenDrucken)
                EtikettenDruck(dialog, AGruppe.first().Filiale, AEtiketten);
            ergebnis = gebucht;
            for (int i = 0; i < dialog.GetCount(); ++i) {
                const TGRItem& item = dialog.GetItem(i);
                if (item.Gebucht)
                    continue;
                ergebnis = false;
                if (!benannt)
                    benennen(item.Meldung);
                TZAM_LieferungKey zurueck;
                QString rest;
                StrToLieferungKey(item.LieferungKeyText, zurueck, rest);
                if (!rest.isEmpty())
                    FehlerRaise(CWEBuchenDOProtokoll, CZAM_Info_Fehler_Standard_IllegalerParameter,
                                QStringLiteral("Reststring: ") + rest);
                const QString artNr = TArtikelTools::ProduktID_2_ArtNr_Formatted(produkt, false);
                ZAMInfo().WriteStamp(CWEBuchenDOProtokoll + QStringLiteral("\r\n") + artNr + QStringLiteral(" (") +
                                         produkt.ToText() + QStringLiteral("): ") + item.Meldung,
                                     1);
                if (!AFehler.isEmpty())
                    AFehler += QStringLiteral("\r\n");
                AFehler += artNr + QStringLiteral(": ") +
                           QString(item.Meldung).replace(QStringLiteral("\r\n"), QStringLiteral(" "), Qt::CaseInsensitive);
            }
        },
        false);
    if (!ergebnis && !benannt)
        benennen(fertig ? CNichtGebucht : TZAM_Hausregel::LetzterFehler());
    return ergebnis;
}

void TDM_Torvik::EtikettenDruck(const TGrpLiefavisWE_Dlg& ADialog, qint16 AFiliale,
                                QList<TEinzelEtikettInfo>& AEtiketten)
{
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.EtikettenDruck",
        [&] {
            TQIV_ArtLesSimple* leser = ArtLesSimple_GoC();
            if (!leser)
                return;
            for (int i = 0; i < ADialog.GetCount(); ++i) {
                const TGRItem& item = ADialog.GetItem(i);
                if (!item.Gebucht || !leser->Positionieren(item.Lieferung.ProduktId) ||
                    leser->EtikettenAnzahl() <= 0 ||
                    CQIV_AuszeichnungsArtKz_Quellauszeichnung.contains(leser->AuszeichnungsArt()))
                    continue;
                TEinzelEtikettInfo etikett;
                etikett.Zeile = i + 1;
                etikett.ProduktId = item.Lieferung.ProduktId;
                etikett.Filiale = AFiliale;
                etikett.Sortiment = item.Lieferung.Menge;
                etikett.EtikettenAnzahl = leser->EtikettenAnzahl();
                etikett.DispoId = leser->EtikettDispoSchluessel();
                etikett.Markiert = true;
                AEtiketten.append(etikett);
            }
        },
        false);
}

void TDM_Torvik::Etiketten_Nach_Buchung_Drucken(const QList<TEinzelEtikettInfo>& AEtiketten)
{
    if (AEtiketten.isEmpty())
        return;
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.EtikettenDruck",
        [&] {
            TQIV_EtikDruck_Settings einstellungen;
            einstellungen.Init();
            TQIV_EtikDrucker().Execute(QString(), AEtiketten, einstellungen);
        },
        false);
}

bool TDM_Torvik::WEPlus_AusScansaetzen_Buchen(TQIV_WEPlus_DatenCache& ADatenCache,
                                              TQIV_InttrioString_List& AFehlerInfos, QString& AFehler)
{
    AFehler.clear();
    AFehlerInfos.clear();
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.WEPlus_AusScansaetzen_Buchen", false, [&] {
        TQIV_WEDZBuchenInfo_List zeilen;
        for (int a = 0; a < ADatenCache.Count(); ++a) {
            const TQIV_WEPlus_DatenCache_Value& innen = ADatenCache.Value(a);
            for (int i = 0; i < innen.Count(); ++i)
                for (const TQIV_WEPlus_DatenCache_Value_Value_Rec& e : innen.Value(i).FValueValueList)
                    zeilen.append({e.Lagerort, ADatenCache.Key(a).Produkt_Id, innen.Key(i).VorgId, e.LieferscheinNr,
                                   e.ExtVerweis, e.ScanIdent, innen.Key(i).AnFiliale});
        }
        zeilen.Sortieren();
        QList<TEinzelEtikettInfo> keine;
        return InGruppenBuchen(
            zeilen,
            [](const TQIV_WEDZBuchenInfo& a, const TQIV_WEDZBuchenInfo& b) {
                return a.LagerplatzId == b.LagerplatzId && a.ProduktId == b.ProduktId && a.DispoId == b.DispoId &&
                       a.LieferscheinNr == b.LieferscheinNr && a.ExtVerw == b.ExtVerw && a.Filiale == b.Filiale;
            },
            [&](const TQIV_WEDZBuchenInfo_List& AGruppe) {
                if (!WE_Buchen_DO(2, AGruppe, AFehler, AFehlerInfos, false, TIntTrio(), keine))
                    return false;
                for (const TQIV_WEDZBuchenInfo& z : AGruppe)
                    Delete_from_DatenCache(z.BuchIdent, ADatenCache);
                return true;
            });
    });
}

bool TDM_Torvik::WEmitMDE_Konfig(QString& AEtikDruck)
{
    AEtikDruck.clear();
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.WEmitMDE_Konfig", false, [&] {
        Tmaskfile datei;
        datei.Oeffnen();
        const bool vorhanden =
            datei.Lesen(QStringLiteral("DEU"), QStringLiteral("LV"), QStringLiteral("RECHCONF"),
                        QStringLiteral("LPNEU"), QString::number(ZAMProgramm().GetRId()));
        if (vorhanden)
            for (const QString& zeile : datei.Inhalt())
                if (const qsizetype gleich = zeile.indexOf(QLatin1Char('='));
                    gleich > 0 && zeile.left(gleich) == QStringLiteral("cmbEtikettenDruck.Text"))
                    AEtikDruck = zeile.mid(gleich + 1);
        datei.Schliessen();
        return vorhanden;
    });
}
