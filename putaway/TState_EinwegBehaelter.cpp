#include "TState_EinwegBehaelter.h"

#include "IZAM_LagerBewegungEditServer.h"
#include "IZAM_LagerEditServer.h"
#include "TDM_Torvik.h"
#include "TQIV_Einlagerung.h"
#include "TState_Biserige_Lagerorte.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

#include <QScopeGuard>

namespace E = TQIV_Einlagerung;

void TState_EinwegBehaelter::StateAnfangMaskeMalen()
{
    TAbstractMultipurposePanelState::StateAnfangMaskeMalen();
    TZAM_Hausregel::OhneBusy("TState_EinwegBehaelter.StateAnfangMaskeMalen", [&] {
        const auto& e = FMaske->Datentraeger_Get().Einlagerung;
        FGescannterEinwegB = TZAM_Behaelter();
        FEinwegB = TZAM_Behaelter();
        QString vater;
        if (e.EinExtVerweis.Defined())
            DM_Torvik->Behaelter_Exists_4_ExtVerweis(e.EinExtVerweis, e.EinVerfKombiId, bhsOffen, FEinwegB, vater);
        QString platz;
        if (FEinwegB.Id.Defined()) {
            TIntTrio ort;
            if (TZAM_BewegungsDienste::Bewegung(*DM_Torvik).Lagerort_4_Behaelter(FEinwegB.Id, ort) && ort.Defined())
                platz = DM_Torvik->LagerEditServer_GoC()->LagerortName(ort);
        }
        E::Zeile_Setzen(FMaske, zMitte, QString());
        E::Zeile_Setzen(FMaske, zBehaelternameUnten, QStringLiteral("Bitte scannen Sie"));
        E::Zeile_Setzen(FMaske, zMitteUnten,
                        FEinwegB.Id.Defined() ? FEinwegB.Name : QStringLiteral("einen freien Einweg-Behälter"));
        if (!platz.isEmpty())
            E::Zeile_Setzen(FMaske, zZielanzeigeOben, QStringLiteral("auf ") + platz);
    });
}

QString TState_EinwegBehaelter::Caption_Get()
{
    return E::Kopf(FMaske);
}

QString TState_EinwegBehaelter::FussTip(bool& ALang)
{
    ALang = false;
    return QStringLiteral("Bitte Behälter scannen!");
}

void TState_EinwegBehaelter::Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten&)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_EinwegBehaelter.Gescannt", [&] { Scan(AText); });
}

bool TState_EinwegBehaelter::EinwegBehaelter_Zuordnen(TAbstractState* AState, const TZAM_Lagerort_Info& AInfo,
                                                      int AFiliale)
{
    const auto& e = AState->Maske()->Datentraeger_Get().Einlagerung;
    QString fehler;
    if (!DM_Torvik->LOOK_4_Bearbeitung(AInfo, AFiliale, fehler)) {
        AState->FussTipSet(fehler, true, true);
        return false;
    }
    TIntTrio beleg;
    if (DM_Torvik->Behaelter_ZuordnenZu_ExtVerweis(AInfo.LagerortId, e.EinExtVerweis, e.EinVerfKombiId,
                                                   e.PersoZielFiliale, beleg))
        return true;
    AState->FussTipSet(QStringLiteral("Zuordnen ") + AInfo.AnzeigeName() + QStringLiteral(" zu ") +
                           (beleg.Defined() ? beleg : e.EinBelegId).ToText() + QStringLiteral(" fehlgeschlaten!"),
                       true, true);
    return false;
}

void TState_EinwegBehaelter::Scan(const QString& AText)
{
    Warnung_Ruecksetzen();
    auto& e = FMaske->Datentraeger_Get().Einlagerung;
    TZAM_Lagerort_Info info;
    if (!E::Lagerort_Umsetzen(this, AText, info, QStringLiteral("Bitte scannen Sie den Ziellagerort!"), true))
        return;
    if (FEinwegB.Id.Defined()) {
        if (info.LagerortId != FEinwegB.Id) {
            FussTipSet(QStringLiteral("Bitte scannen Sie den angegebenen Behälter!"), true, true);
            return;
        }
        e.BehaelterAlsAnLPOK = true;
        const auto zuruecksetzen = qScopeGuard([&e] { e.BehaelterAlsAnLPOK = false; });
        static_cast<TState_Biserige_Lagerorte*>(FMaske->GiveState(StateKlasse<TState_Biserige_Lagerorte>()))
            ->LagerortScan(AText);
        return;
    }
    if (!EinwegBehaelter_Zuordnen(this, info, 0))
        return;
    // The container belongs to the order now: the same scan goes on with it.
    FEinwegB.Id = info.LagerortId;
    FEinwegB.Name = info.AnzeigeName();
    Scan(AText);
}

void TState_EinwegBehaelter::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_EinwegBehaelter.btnZurueckClick", [&] {
        FMaske->Zurueck_Set(true);
        ChangeState(StateKlasse<TState_Biserige_Lagerorte>());
        FMaske->Zurueck_Set(false);
    });
}
