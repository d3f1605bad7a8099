#include "TState_Filialauswahl.h"

#include "IZAM_FilialTabelle.h"
#include "TDM_Torvik.h"
#include "TQIV_ZurueckModus.h"
#include "TState_Menue.h"
#include "TState_Wareneingang.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

bool TState_Filialauswahl::FuerWareneingang() const
{
    return FMaske->Datentraeger_Get().Filialauswahl.UrsprungsState == StateKlasse<TState_Wareneingang>();
}

bool TState_Filialauswahl::Hineinbuchen() const
{
    return FuerWareneingang() || FMaske->Datentraeger_Get().Manuell.Modus == CZAM_LB_Modus_Lagerzugang;
}

bool TState_Filialauswahl::MitAutomatisch() const
{
    const TZAM_Lagerbewegung_Modus modus = FMaske->Datentraeger_Get().Manuell.Modus;
    return !FuerWareneingang() && (modus == CZAM_LB_Modus_Lagerabgang || modus == CZAM_LB_Modus_Paketversand);
}

void TState_Filialauswahl::FilialeUebernehmen(int AFilNr)
{
    TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
    if (FuerWareneingang())
        d.Wareneingang.FilNr = qint16(AFilNr);
    else
        d.Manuell.FFilZuordQuelle = qint16(AFilNr);
}

void TState_Filialauswahl::ZurueckZumUrsprung()
{
    const TStateKlasse* ursprung = FMaske->Datentraeger_Get().Filialauswahl.UrsprungsState;
    ChangeState(ursprung ? ursprung : StateKlasse<TState_Menue>());
}

void TState_Filialauswahl::Vor_Anfang(bool& AWeiter)
{
    TAbstractBTNListState::Vor_Anfang(AWeiter);
    TZAM_Hausregel::OhneBusy("TState_Filialauswahl.Vor_Anfang", [&] {
        const QList<int>& filialen = DM_Torvik->GetAktLagerFilialen();
        int filiale = -1;
        if (filialen.size() == 1) {
            // Nothing to choose: the caller goes on with the warehouse's one branch.
            filiale = filialen.first();
        } else if (!FuerWareneingang() && FMaske->Datentraeger_Get().Manuell.Modus == CZAM_LB_Modus_Lagerzugang) {
            // A terminal that always books its receipts for one branch of the warehouse.
            const int zugang = FMaske->FOptionen.ManuLagerBew.LagerZugFil;
            if (zugang > 0 && filialen.contains(zugang))
                filiale = zugang;
        }
        if (filiale < 0)
            return;
        AWeiter = false;
        FilialeUebernehmen(filiale);
        ZurueckZumUrsprung();
    });
}

QString TState_Filialauswahl::KnopfCaption(int ANummer, const QString& AName)
{
    return QStringLiteral("&%1 - %2").arg(ANummer).arg(QString(AName).replace(u'&', QLatin1String("&&")));
}

void TState_Filialauswahl::StateAnfangMaskeMalen()
{
    TZAM_BtnMenu* menu = btnmButtons();
    menu->BeginUpdate();
    menu->Clear();
    TZAM_Hausregel::OhneBusy("TState_Filialauswahl.StateAnfangMaskeMalen", [&] {
        if (MitAutomatisch()) {
            TZAM_BtnMenuItem item;
            item.ButtonType = 1;
            item.Tag = CFilialeAutomatisch;
            item.LeftCaption = QStringLiteral("Automatisch");
            menu->Add(item);
        }
        IZAM_FilialTabelle* tabelle = DM_Torvik->FilialTabelle_GoC();
        for (int nummer : DM_Torvik->GetAktLagerFilialen()) {
            TZAM_Filiale f;
            if (tabelle)
                tabelle->Filiale(nummer, f);
            TZAM_BtnMenuItem item;
            item.ButtonType = 1;
            item.Tag = nummer;
            item.LeftCaption = KnopfCaption(nummer, f.Name);
            menu->Add(item);
        }
    });
    menu->EndUpdate();
    KnoepfeEinpassen();
}

QString TState_Filialauswahl::Caption_Get()
{
    return QStringLiteral("Filialauswahl");
}

QString TState_Filialauswahl::FussTip(bool& ALang)
{
    ALang = true;
    if (Hineinbuchen())
        return QStringLiteral("Bitte wählen Sie die Filiale, in die Ware hineingebucht werden soll.");
    return QStringLiteral("Bitte wählen Sie die Filiale, aus die Ware herausgebucht werden soll.");
}

void TState_Filialauswahl::btnmButtonsClick(int AButtonIndex)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Filialauswahl.btnmButtonsClick", [&] {
        TZAM_BtnMenu* menu = btnmButtons();
        if (AButtonIndex < 0 || AButtonIndex >= menu->Count())
            return;
        FilialeUebernehmen(menu->Item(AButtonIndex).Tag);
        ZurueckZumUrsprung();
    });
}

void TState_Filialauswahl::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_Filialauswahl.btnZurueckClick", [&] {
        // The article waiting for its branch is dropped; 0 tells the caller that nothing was chosen.
        TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
        if (FuerWareneingang()) {
            d.Wareneingang.FilNr = 0;
            d.Wareneingang.Produkt_Id.Clear();
            d.Wareneingang.GrInd0 = CZAM_Intv100_OhneGroesse;
        } else {
            d.Manuell.FMerkDaten.Produkt_Id.Clear();
            d.Manuell.FMerkDaten.GrInd0 = CZAM_Intv100_OhneGroesse;
            d.Manuell.FFilZuordQuelle = 0;
        }
        const TQIV_ZurueckModus zurueck(FMaske);
        ZurueckZumUrsprung();
    });
}
