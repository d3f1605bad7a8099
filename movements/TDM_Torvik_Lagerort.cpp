// The data module's place services: barcodes to places and containers, staging places, the
// place selection.
#include "TDM_Torvik.h"

#include "EZAM_Exception.h"
#include "TVRList.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "Tfrmlagerortauswahl.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"
#include "ZAMUtils.h"

#include <QApplication>

namespace {

constexpr int CBarcodeLaenge = 22;
constexpr int CSchluesselLaenge = 17;

} // namespace

bool TDM_Torvik::Umsetzen_Durchfuehren(const QString& ABarcode, TZAM_Lagerort_Info& AInfo,
                                       const TQIV_Umsetzen_Optionen& AOptionen)
{
    // Every refusal sounds, also silent ones: the worker at the scanner hears that it failed.
    auto ablehnen = [&](const QString& AText) {
        PlayHintSound();
        if (!AOptionen.Stumm)
            ZAMInfo().ShowMeldung(0, CZAM_Info_Standard_Text994, {AText});
        return false;
    };
    if (ABarcode.size() != CBarcodeLaenge)
        return ablehnen(QStringLiteral("Fehler beim Lesen des Barcodes!"));
    TIntTrio ort;
    try {
        ort = zam_String2TIntTrio(ABarcode.left(CSchluesselLaenge));
    } catch (const EZAM_KonvertFehler&) {
        return ablehnen(QStringLiteral("Fehler beim Konvertieren der ID."));
    }
    TQIV_Lagerort_Info_Optionen optionen = TQIV_Lagerort_Info_Optionen::Defaults();
    optionen.EtikKuerzel = AOptionen.EtikKuerzel;
    optionen.KeineGecachtenInfos = AOptionen.KeineGecachtenInfos;
    optionen.MitBereichFuerLagerplaetze = AOptionen.MitBereichFuerLagerplaetze;
    IZAM_LagerEditServer& lager = TZAM_BewegungsDienste::Lager(*this);
    if (!lager.LagerortInfo_Lesen(ort, AInfo, optionen))
        return ablehnen(QStringLiteral("Unbekannter Lagerort!"));
    if (AOptionen.FilialeMussPassen && !lager.Lagerort_InLager(ort, FAktLager)) {
        PlayHintSound();
        ZAMInfo().ShowMeldung(0, CZAM_Info_Lager_NichtImLager); // also when silent
        return false;
    }
    return true;
}

bool TDM_Torvik::Lagerplatz_Behaelter_umsetzen(const QString& ABarcode, TZAM_Lagerort_Info& AInfo,
                                               const TQIV_Umsetzen_Optionen& AOptionen)
{
    Lagerort_Info_Init(AInfo);
    const bool ok = TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Lagerplatz_Behaelter_umsetzen", false,
                                                     [&] { return Umsetzen_Durchfuehren(ABarcode, AInfo, AOptionen); });
    if (!ok) {
        // A place of another warehouse must not reach a caller that ignores the answer.
        Lagerort_Info_Init(AInfo);
        ZAMInfo().WriteStamp(
            QStringLiteral("TDM_Torvik.Lagerplatz_Behaelter_umsetzen: nicht erfolgreich für Barcode ") + ABarcode);
    }
    return ok;
}

bool TDM_Torvik::Lagerplatz_Behaelter_umsetzen(const QString& ABarcode, TIntTrio& ALagerort, QString& AName,
                                               TZAM_Lagerort_Kennung& AKennung, bool& AGesperrt,
                                               TZAM_Lager_Ausgezeichnete_Bereiche& ABereich,
                                               const TQIV_Umsetzen_Optionen& AOptionen)
{
    AKennung = CZAM_Lagerort_Lagerplatz;
    AGesperrt = false;
    ABereich = CZAM_Bereich_Lager;
    TZAM_Lagerort_Info info;
    if (!Lagerplatz_Behaelter_umsetzen(ABarcode, info, AOptionen))
        return false;
    ALagerort = info.LagerortId;
    AName = info.AnzeigeName();
    AKennung = info.Kennung;
    AGesperrt = info.Gesperrt;
    ABereich = info.Bereich;
    return true;
}

bool TDM_Torvik::Behaelter_umsetzen(const QString& ABarcode, TIntTrio& ABehaelter, QString& AName)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Behaelter_umsetzen", false, [&] {
        TIntTrio id;
        try {
            id = zam_String2TIntTrio(ABarcode.left(CSchluesselLaenge));
        } catch (const EZAM_KonvertFehler&) {
            ZAMInfo().ShowMeldung(0, CZAM_Info_Standard_Text994,
                                  {QStringLiteral("Fehler beim Konvertieren der Behälter-ID.")});
            return false;
        }
        TZAM_Lagerort_Info info;
        if (!TZAM_BewegungsDienste::Lager(*this).LagerortInfo_Lesen(id, info,
                                                                    TQIV_Lagerort_Info_Optionen::Defaults()) ||
            info.Kennung != CZAM_Lagerort_Behaelter)
            return false;
        ABehaelter = id;
        AName = info.Name;
        return true;
    });
}

bool TDM_Torvik::Eindeutige_VBS(int AFiliale, int ALagerEigene, TIntTrio& ALagerort, QString& AName)
{
    IZAM_LagerEditServer& lager = TZAM_BewegungsDienste::Lager(*this);
    lager.VBSListe_Laden(FAktLager, AFiliale, ALagerEigene);
    const TVRList& liste = lager.VBSListe();
    if (liste.GetRowCount() != 1)
        return false;
    // An unreadable key would book onto "no place", which takes the goods out of the warehouse.
    const TIntTrio id = TIntTrio::FromTextDef(liste.GetCellValueAsString(0, lager.VBSListe_SpalteId()), TIntTrio());
    if (!id.Defined())
        return false;
    ALagerort = id;
    AName = liste.GetCellValueAsString(0, lager.VBSListe_SpalteName());
    return true;
}

bool TDM_Torvik::Eindeutige_VBS_FuerFiliale_Ermitteln(qint16 AZielFiliale, TIntTrio& ALagerort, QString& AName)
{
    ALagerort.Clear();
    AName.clear();
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Eindeutige_VBS_FuerFiliale_Ermitteln", false,
                                            [&] { return Eindeutige_VBS(AZielFiliale, -1, ALagerort, AName); });
}

bool TDM_Torvik::Eindeutige_Versandbereistellung_DesLagers_Ermitteln(TIntTrio& ALagerort, QString& AName)
{
    ALagerort.Clear();
    AName.clear();
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Eindeutige_Versandbereistellung_DesLagers_Ermitteln", false,
                                            [&] { return Eindeutige_VBS(-1, FAktLager, ALagerort, AName); });
}

bool TDM_Torvik::Lagerort_waehlen(bool ALagerstruktur, bool ABehaelter, qint16 AVBSFiliale, TZAM_Lagerort_Info& AInfo)
{
    Lagerort_Info_Init(AInfo);
    return TZAM_Hausregel::ErgebnisOhneBusy("TDM_Torvik.Lagerort_waehlen", false, [&] {
        Tfrmlagerortauswahl dialog(QApplication::activeWindow());
        if (ABehaelter)
            dialog.setWindowTitle(QStringLiteral("Auswahl eines Behälters"));
        dialog.SetBehaelter(ABehaelter);
        dialog.SetLagerstruktur(ALagerstruktur);
        dialog.SetVBSFiliale(AVBSFiliale);
        dialog.SetAktLager(FAktLager);
        if (dialog.exec() != mrOk)
            return false;
        AInfo = dialog.Auswahl();
        return true;
    });
}

void TDM_Torvik::LagerortInfo(const TIntTrio& ALagerort)
{
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.LagerortInfo",
        [&] {
            throw EZAM_Exception(CZAM_Info_Fehler_Standard_FktNichtImplementiert, QStringLiteral("Lagerinformationen"));
        },
        false);
}

void TDM_Torvik::Behaelterinfo(const TIntTrio& ABehaelter)
{
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.Behaelterinfo",
        [&] {
            throw EZAM_Exception(CZAM_Info_Fehler_Standard_FktNichtImplementiert, QStringLiteral("Lagerinformationen"));
        },
        false);
}
