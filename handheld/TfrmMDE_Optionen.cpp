// Loading, applying and storing the handheld options of this terminal.
#include "TDM_Torvik.h"
#include "TQIV_OptionenSpeicher.h"
#include "TZAMFormStore.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMGlobal.h"
#include "ZAMShortCut.h"

#include <QAction>

namespace {

TQIV_OptionenSpeicher::TKontext Kontext(TfrmMDE* AMaske)
{
    TQIV_OptionenSpeicher::TKontext k;
    k.LaegerHolen = [] {
        QList<int> laeger;
        DM_Torvik->LaegerHolen(laeger);
        return laeger;
    };
    k.PraefixSetzen = [AMaske](TZAM_ShortCut APraefix) {
        AMaske->actScan_Get()->setShortcut(ZAMShortCut2KeySequence(APraefix));
    };
    k.LagerAnwenden = [AMaske] { AMaske->LagerAnwenden(); };
    return k;
}

} // namespace

TZAMFormStore* TfrmMDE::FormStore()
{
    if (!FSFormStore) {
        FSFormStore = new TZAMFormStore(this);
        FSFormStore->setObjectName(QStringLiteral("FSFormStore"));
        FSFormStore->SetFormName(
            TZAM_FormName{QStringLiteral("CONFMDE"), QStringLiteral("VELTOB"), QStringLiteral("DEU")});
        FSFormStore->SetIndexName(QStringLiteral("0"));
        FSFormStore->SetAutoRestore(false);
        FSFormStore->SetAutoStore(false);
        FSFormStore->SetAutoStoreSkip(true);
        FSFormStore->SetGespeicherteListe(&strlvconfig);
        FSFormStore->OnRestoreEnd = [this](QObject* ASender) { FSFormStoreRestoreEnd(ASender); };
        FSFormStore->OnStoreStart = [this](QObject* ASender) { FSFormStoreStoreStart(ASender); };
    }
    return FSFormStore;
}

void TfrmMDE::Optionen_Laden()
{
    TZAM_Hausregel::OhneBusy(
        "TfrmMDE.Optionen_Laden",
        [&] {
            TZAMFormStore* store = FormStore();
            const QString terminal = ZAMInfoTerminalID();
            if (store->Vorhanden(terminal, QStringLiteral("0"))) {
                store->Restore(terminal, QStringLiteral("0"));
            } else if (store->StandardVorhanden()) {
                store->RestoreStandard();
            } else {
                FOptionen = TQIV_Optionen_OBMDE::Standard();
                FOptionen.Nachsort.ListeSpalten = TQIV_Optionen_OBMDE::Optionen_StdSpalten();
                FOptionen.Lagerinfo.ListeSpaltenLO = TQIV_Optionen_OBMDE::Optionen_StdSpalten_LagerinfoLO();
                FOptionen.Lagerinfo.ListeSpaltenArt = TQIV_Optionen_OBMDE::Optionen_StdSpalten_LagerinfoArt();
                QList<int> laeger;
                DM_Torvik->LaegerHolen(laeger);
                if (laeger.size() == 1)
                    FOptionen.Allgemein.AktLager = laeger.first();
                actScan->setShortcut(ZAMShortCut2KeySequence(FOptionen.Scanner.Praefix));
                LagerAnwenden();
            }
            FOptionen.Nachsort.SofortvollzugOhneWBS = ZAMParameter().GetBooleanValueByName(QStringLiteral("ZPSVOWBS"));
            EventHandlingPruefen();
        },
        false);
}

void TfrmMDE::FSFormStoreRestoreEnd(QObject* ASender)
{
    TZAM_Hausregel::OhneBusy(
        "TfrmMDE.FSFormStoreRestoreEnd", [&] { TQIV_OptionenSpeicher::Lesen(strlvconfig, FOptionen, Kontext(this)); },
        false);
}

void TfrmMDE::FSFormStoreStoreStart(QObject* ASender)
{
    TZAM_Hausregel::OhneBusy(
        "TfrmMDE.FSFormStoreStoreStart",
        [&] {
            TQIV_OptionenSpeicher::Schreiben(strlvconfig, FOptionen, Kontext(this));
            actScan->setShortcut(ZAMShortCut2KeySequence(FOptionen.Scanner.Praefix));
        },
        false);
}

bool TfrmMDE::Optionen_Uebernehmen_u_Buchen(const TQIV_Optionen_OBMDE& AOptionen)
{
    const TQIV_Optionen_OBMDE bisher = FOptionen;
    const bool gespeichert = TZAM_Hausregel::OhneBusy(
        "TfrmMDE.Optionen_Uebernehmen_u_Buchen",
        [&] {
            FOptionen = AOptionen;
            FormStore()->Store(ZAMInfoTerminalID(), QString(), QStringLiteral("0"));
        },
        false);
    // A store that failed changes nothing: the options in force stay, with their scan key and
    // warehouse (the store applies both before it writes), and so does the stored set.
    if (!gespeichert) {
        FOptionen = bisher;
        actScan->setShortcut(ZAMShortCut2KeySequence(FOptionen.Scanner.Praefix));
        if (AOptionen.Allgemein.AktLager != bisher.Allgemein.AktLager)
            LagerAnwenden();
    }
    EventHandlingPruefen();
    ZAMParameter().SetBooleanValueByName(QStringLiteral("ZPSVOWBS"), FOptionen.Nachsort.SofortvollzugOhneWBS);
    PrioTimerEinstellenUndStarten();
    return gespeichert;
}

void TfrmMDE::LagerAnwenden()
{
    if (FOptionen.Allgemein.AktLager <= 0)
        return;
    DM_Torvik->AktLagerMitBuchungsfiliale_Setzen(FOptionen.Allgemein.AktLager);
    DM_Torvik->AktLagerFilialen_Aus_AktLager();
}
