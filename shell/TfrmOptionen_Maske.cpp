// The terminal options on the pages: the choices filled, the options shown, and read back with
// their checks.
#include "TfrmOptionen.h"

#include "TDM_Torvik.h"
#include "TFilialTabelle.h"
#include "TQIV_WWSDrucker.h"
#include "TZAM_CheckListe.h"
#include "TZAM_Hausregel.h"
#include "ZAMGlobal.h"
#include "ZAMUtils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace {

// The display choices in the order of TSpaltenSeite::cmbAnzeige.
constexpr TZAM_AufgabenListe_Spalte TQIV_AnzeigeInfosNachsortfrm::*CAnzeigeWahlen[] = {
    &TQIV_AnzeigeInfosNachsortfrm::Rechts3, &TQIV_AnzeigeInfosNachsortfrm::Rechts4,
    &TQIV_AnzeigeInfosNachsortfrm::Rechts5, &TQIV_AnzeigeInfosNachsortfrm::Rechts6,
    &TQIV_AnzeigeInfosNachsortfrm::Rechts7, &TQIV_AnzeigeInfosNachsortfrm::Links};

void SpalteEinstellen(QComboBox* ACombo, TZAM_AufgabenListe_Spalte ASpalte)
{
    ACombo->setCurrentIndex(ACombo->findData(ASpalte));
}

TZAM_AufgabenListe_Spalte SpalteAuslesen(const QComboBox* ACombo)
{
    return ACombo->currentIndex() < 0 ? CZAM_AufgabenListe_Spalte_Keine : ACombo->currentData().toInt();
}

} // namespace

void TfrmOptionen::Maske_Fuellen()
{
    TZAM_Hausregel::OhneBusy(
        "TfrmOptionen.Maske_Fuellen",
        [&] {
            QList<TZAM_CheckListe::TEintrag> spalten;
            for (TZAM_AufgabenListe_Spalte s : ZAMAufgabenliste_AuswaehlbareSpalten())
                spalten << TZAM_CheckListe::TEintrag(s, CZAM_Aufgabenliste_Spalten(s).Caption);
            for (TSpaltenSeite* seite : {&FNachsort, &FKuBe}) {
                TZAM_CheckListe::Fuellen(seite->lbSpalten, spalten);
                for (QComboBox* c : seite->cmbAnzeige)
                    for (const TZAM_CheckListe::TEintrag& e : spalten)
                        c->addItem(e.second, e.first);
            }
            TQIV_WWSDrucker::ComboboxFuellenInclWindowsDruckerNamen(FcmbDruckerWBS, true);
            if (IZAM_LagerEditServer* server = DM_Torvik->LagerEditServer_GoC())
                TFilialTabelle::Lager_Combo_fuellen(FcmbAktLager, *server);
            // With one warehouse there is nothing to choose; Lager_Combo_einstellen selects it.
            FlblAktLager->setVisible(FcmbAktLager->count() > 1);
            FcmbAktLager->setVisible(FcmbAktLager->count() > 1);
        },
        false);
}

void TfrmOptionen::Maske_Leeren()
{
    for (TSpaltenSeite* seite : {&FNachsort, &FKuBe}) {
        seite->lbSpalten->clear();
        for (QComboBox* c : seite->cmbAnzeige)
            c->clear();
    }
    FcmbAktLager->clear();
    FcmbDruckerWBS->clear();
}

void TfrmOptionen::Optionen_Anzeigen(const TQIV_VELTOB_Optionen& AOptionen)
{
    TZAM_Hausregel::OhneBusy(
        "TfrmOptionen.Optionen_Anzeigen",
        [&] {
            auto seiteAnzeigen = [](const TSpaltenSeite& ASeite, const QList<TZAM_AufgabenListe_Spalte>& ASpalten,
                                    bool AMitBild, const TQIV_AnzeigeInfosNachsortfrm& AAnzeige) {
                TZAM_CheckListe::Einstellen(ASeite.lbSpalten, ASpalten);
                ASeite.chbBild->setChecked(AMitBild);
                for (size_t i = 0; i < ASeite.cmbAnzeige.size(); ++i)
                    SpalteEinstellen(ASeite.cmbAnzeige[i], AAnzeige.*CAnzeigeWahlen[i]);
            };
            seiteAnzeigen(FNachsort, AOptionen.SichtbareSpalten_Nachsort, AOptionen.MitBild_Nachsort,
                          AOptionen.Anzeige_Nachsort);
            seiteAnzeigen(FKuBe, AOptionen.SichtbareSpalten_KuBe, AOptionen.MitBild_Kube, AOptionen.Anzeige_KuBe);
            FchbKommBeh->setChecked(AOptionen.KommissionierbehaelterBenutzern);
            FchbKubeBezahlt->setChecked(AOptionen.KubeAufgabenNurWennBezahlt);
            // A fixed client was taken when the form was made; a stored one cannot replace it.
            if (!FFesterMandant) {
                const TIntPair mandant = AOptionen.EWAHandEingabeMandant;
                IZAM_GPListenServer* gp = IntPairDefined(mandant) ? DM_Torvik->GPListenServer_GoC() : nullptr;
                MandantAnzeigen(mandant, gp ? gp->Name(mandant) : QString());
            }
            FchbRelativeGroesse->setChecked(AOptionen.RelativeGroesse >= CZAM_FilPC_Gross_Klein_StdGross);
            FchbNurLPImLaufweg->setChecked(AOptionen.NurLPImLaufweg);
            TFilialTabelle::Lager_Combo_einstellen(FcmbAktLager, AOptionen.AktLager);
            TQIV_WWSDrucker::ComboboxEinstellen(FcmbDruckerWBS, AOptionen.DruckerWBS);
            const bool begrenzt = AOptionen.ZeitFuerWBS >= 1;
            FrbBegrenzt->setChecked(begrenzt);
            FrbUnbegrenzt->setChecked(!begrenzt);
            FedtZeitraumWBS->setText(begrenzt ? QString::number(AOptionen.ZeitFuerWBS) : QString());
        },
        false);
}

// The checks are chained: once one failed, the later ones still read their values but neither
// warn nor move the focus (AWarnen false), so the user sees the first fault only.
bool TfrmOptionen::Auslesen_Testen(TQIV_VELTOB_Optionen& AOptionen)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TfrmOptionen.Auslesen_Testen", false, [&] {
        AOptionen = TQIV_VELTOB_Optionen();
        auto seiteAuslesen = [](const TSpaltenSeite& ASeite, bool& AMitBild, TQIV_AnzeigeInfosNachsortfrm& AAnzeige) {
            AMitBild = ASeite.chbBild->isChecked();
            for (size_t i = 0; i < ASeite.cmbAnzeige.size(); ++i)
                AAnzeige.*CAnzeigeWahlen[i] = SpalteAuslesen(ASeite.cmbAnzeige[i]);
        };
        bool gueltig = Auslesen_Testen_SichtbareSpaltenAufgabenliste_hier(FNachsort.lbSpalten,
                                                                          AOptionen.SichtbareSpalten_Nachsort, true);
        seiteAuslesen(FNachsort, AOptionen.MitBild_Nachsort, AOptionen.Anzeige_Nachsort);
        AOptionen.KommissionierbehaelterBenutzern = FchbKommBeh->isChecked();
        AOptionen.KubeAufgabenNurWennBezahlt = FchbKubeBezahlt->isChecked();
        gueltig = Auslesen_Testen_SichtbareSpaltenAufgabenliste_hier(FKuBe.lbSpalten, AOptionen.SichtbareSpalten_KuBe,
                                                                     gueltig) &&
                  gueltig;
        seiteAuslesen(FKuBe, AOptionen.MitBild_Kube, AOptionen.Anzeige_KuBe);
        AOptionen.EWAHandEingabeMandant = FMand_EWA_Handeingabe;
        AOptionen.RelativeGroesse = FchbRelativeGroesse->isChecked() ? CZAM_FilPC_Gross_Klein_StdGross
                                                                     : CZAM_FilPC_Gross_Klein_StdGross * 3 / 4;
        AOptionen.NurLPImLaufweg = FchbNurLPImLaufweg->isChecked();
        gueltig = Auslesen_Testen_AktLagerKombobox_hier(AOptionen.AktLager, gueltig) && gueltig;
        gueltig = Auslesen_Testen_Drucker(AOptionen.DruckerWBS, gueltig) && gueltig;
        AOptionen.ZeitFuerWBS = FrbUnbegrenzt->isChecked() ? 0 : zam_StrToIntDef(FedtZeitraumWBS->text(), 0);
        return gueltig;
    });
}

bool TfrmOptionen::Auslesen_Testen_SichtbareSpaltenAufgabenliste_hier(QListWidget* AListe,
                                                                      QList<TZAM_AufgabenListe_Spalte>& ASpalten,
                                                                      bool AWarnen)
{
    ASpalten = TZAM_CheckListe::Auslesen(AListe);
    if (!ASpalten.isEmpty())
        return true;
    if (AWarnen) {
        ZAMInfo().ZAMWarnungBox(QStringLiteral("Bitte wählen Sie mindestens eine Spalte aus!"));
        Komponente_Fokussieren(AListe);
    }
    return false;
}

bool TfrmOptionen::Auslesen_Testen_AktLagerKombobox_hier(int& ALager, bool AWarnen)
{
    ALager = TFilialTabelle::Lager_Combo_auslesen(FcmbAktLager);
    if (ALager != -1)
        return true;
    if (AWarnen) {
        ZAMInfo().ZAMWarnungBox(QStringLiteral("Bitte wählen Sie ein Lager aus!"));
        Komponente_Fokussieren(FcmbAktLager);
    }
    return false;
}

bool TfrmOptionen::Auslesen_Testen_Drucker(QString& ADrucker, bool AWarnen)
{
    ADrucker = TQIV_WWSDrucker::ComboboxGetSelected(FcmbDruckerWBS);
    if (!ADrucker.isEmpty())
        return true;
    if (AWarnen) {
        ZAMInfo().ZAMWarnungBox(QStringLiteral("Bitte wählen Sie einen Drucker aus!"));
        Komponente_Fokussieren(FcmbDruckerWBS);
    }
    return false;
}
