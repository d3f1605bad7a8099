#include "TState_AnPlatzScan.h"

#include "TState_Aufgabe.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

namespace L = TQIV_AufgabenLagerListe;

namespace {
}

QString TState_AnPlatzScan::FussTip(bool& ALang)
{
    ALang = false;
    return QStringLiteral("Bitte scannen Sie den Lagerplatz!");
}

void TState_AnPlatzScan::Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten&)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_AnPlatzScan.Gescannt", [&] {
        if (!PlatzScanPasst(AText, StateAufgabe()->GiveIntTrio(L::CAnLagerortId))) {
            FussTipSet(QStringLiteral("Falscher Lagerplatz. Bitte scannen Sie den Lagerplatz!"), false, true);
            return;
        }
        AbsortierungBuchen_U_Weiter(FMaske->Datentraeger_Get().Nachsort.FehlmengeAusbuchen);
    });
}

void TState_AnPlatzScan::ScanUeberspringen()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_AnPlatzScan.ScanUeberspringen", [&] {
        AbsortierungBuchen_U_Weiter(FMaske->Datentraeger_Get().Nachsort.FehlmengeAusbuchen);
    });
}
