// Parcel shipping: entering (with a container handed over as source), header, footer and back.
#include "TState_PaketVersand.h"

#include "TDM_Torvik.h"
#include "TQIV_ZurueckModus.h"
#include "TState_Menue.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMUtils.h"

#include <utility>

const TStateKlasse* TState_PaketVersand::EigeneStateKlasse() const
{
    return StateKlasse<TState_PaketVersand>();
}

const TStateKlasse* TState_PaketVersand::VerlassenZiel() const
{
    return StateKlasse<TState_Menue>();
}

void TState_PaketVersand::Vor_Anfang(bool& AWeiter)
{
    // The place test, the branch choice and the shortfall messages follow the mode.
    FMaske->Datentraeger_Get().Manuell.Modus = CZAM_LB_Modus_Paketversand;
    TAbstractState_ReineLagerBewegung::Vor_Anfang(AWeiter);
}

void TState_PaketVersand::StateAnfangVariablenClear()
{
    // Started from a menu or a task run, not back from the branch choice: the first article asks
    // for its branch.
    if (!Wiedereintritt()) {
        auto& m = FMaske->Datentraeger_Get().Manuell;
        m.FFilZuordQuelle = -1;
        m.FLagZuordQuelle = -1;
    }
    TAbstractState_ReineLagerBewegung::StateAnfangVariablenClear();
}

void TState_PaketVersand::Nach_Anfang()
{
    TAbstractState_ReineLagerBewegung::Nach_Anfang();
    TZAM_Hausregel::OhneBusy("TState_PaketVersand.Nach_Anfang", [&] {
        // A container handed over (the picking container of the last task) is taken as if its
        // barcode had been scanned: the place test and the lock decide.
        TIntTrio& quelle = FMaske->Datentraeger_Get().Paketversand.QuellId;
        if (!quelle.Defined())
            return;
        const QString text = zam_TIntTrio2String(std::exchange(quelle, TIntTrio())) + QStringLiteral("00000");
        TZAM_UmgesetztUArtikelScanDaten daten;
        daten.Umgesetzt = tsFalse;
        Gescannt(text, daten);
    });
}

void TState_PaketVersand::ButtonsSchalten_Speziell()
{
    FMaske->BtnBuchenVisible_Set(false);
    FMaske->BtnWBSDruckVisible_Set(true);
    FMaske->BtnArtNrHandEinVisible_Set(true);
}

QString TState_PaketVersand::Caption_Get()
{
    if (!FVonLagerort.LagerortId.Defined() && !FAnLagerort.LagerortId.Defined())
        return QStringLiteral("Paketversand");
    return QStringLiteral("Paket für %1")
        .arg(FVonLagerort.LagerortId.Defined() ? FVonLagerort.AnzeigeName() : QStringLiteral("Unbekannt"));
}

QString TState_PaketVersand::FussTip(bool& ALang)
{
    ALang = true;
    return QStringLiteral("Bitte Kommissionierbehälter / VBS und den / die Artikel scannen!");
}

void TState_PaketVersand::btnZurueckClick()
{
    bool gefragt = false;
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_PaketVersand.btnZurueckClick", [&] {
        if (!FVonLagerort.LagerortId.Defined())
            return;
        // Goods left on the source: the worker may come back for them later.
        TVRList bestand;
        const bool gelesen =
            TZAM_BewegungsDienste::Bewegung(*DM_Torvik).Bestandsliste_4_Lagerort(FVonLagerort.LagerortId, bestand);
        int stueck = 0;
        for (int z = 0; gelesen && z < bestand.GetRowCount(); ++z)
            stueck += bestand.GetCellValueAsInteger(z, 10);
        if (gelesen && stueck <= 0)
            return;
        const QString rest = QStringLiteral("\r\n\r\nMöchten Sie den Paketversand\r\nwirklich verlassen?\r\n(Der "
                                            "Paketversand kann)\r\nspäter fortgesetzt werden.)");
        const QString name = FVonLagerort.AnzeigeName();
        const QString text = gelesen ? QStringLiteral("Es sind sich noch %1 Artikel auf\r\n%2!").arg(stueck).arg(name)
                                     : QStringLiteral("Es befindet sich noch Ware auf\r\n%1!").arg(name);
        gefragt = true;
        FMaske->SicherheitsAbfrageAn(
            TQIV_SicherheitsAbfrage_Options::Kurz(text + rest, [this](TZAM_TriState_Enum AAntwort, bool) {
                if (AAntwort == tsTrue)
                    Zurueck_Nach_Frage();
            }));
    });
    if (!gefragt)
        TAbstractState_ReineLagerBewegung::btnZurueckClick();
}

void TState_PaketVersand::Zurueck_Nach_Frage()
{
    TZAM_Hausregel::OhneBusy("TState_PaketVersand.Zurueck_Nach_Frage", [&] {
        const TQIV_ZurueckModus zurueck(FMaske);
        Verlassen();
    });
}
