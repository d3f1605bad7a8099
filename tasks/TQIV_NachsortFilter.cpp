#include "TQIV_NachsortFilter.h"

#include "EZAM_Exception.h"
#include "TQIV_Wartemaske.h"
#include "TZAM_BtnMenu.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"

namespace TQIV_NachsortFilter {

bool WhitelistAktiv(TfrmMDE& AMaske)
{
    return AMaske.FOptionen.NachsortKube.NurWennKomplettImLag && AMaske.FModus == CZPMDEM_KuBe &&
           AMaske.Datentraeger_Get().Nachsort.FilNummer == 0;
}

TQIV_Aufgaben_Suchkriterien_Options Optionen(TfrmMDE& AMaske, TStufe AStufe)
{
    TQIV_Aufgaben_Suchkriterien_Options o;
    const TZAM_Workflow_Nachsortierung modus = AMaske.FModus == CZPMDEM_KuBe      ? CZAM_Kundenbestellung
                                               : AMaske.FModus == CZPMDEM_UmlagHL ? CZAM_Umlagerung_Handlager
                                                                                  : CZAM_Filialnachsortierung;
    Aufgaben_Suchkriterien_Options_Init(o, modus);
    const TQIV_ZPMDE_Datentraeger& d = AMaske.Datentraeger_Get();
    o.FilNr = d.Nachsort.FilNummer;
    o.GeschaeftsvorSet = d.Nachsort.TypenGewaehlt;
    if (modus != CZAM_Kundenbestellung)
        return o;
    o.KubeNurBezahlte = AMaske.FOptionen.NachsortKube.NurWennBezahlt ? tsTrue : tsFalse;
    if (AStufe >= fsHerkunft) {
        o.Herkunft = d.Kundenbestellung.HerkunftBuchFilPair.Herkunft;
        o.BuchFilNr = d.Kundenbestellung.HerkunftBuchFilPair.BuchFilNr;
    }
    if (AStufe >= fsDatum) {
        o.AufgabenDatumVon = d.Kundenbestellung.AufgabenDatumVon;
        o.AufgabenDatumBis = d.Kundenbestellung.AufgabenDatumBis;
    }
    return o;
}

QByteArray VorgangsTypen(TfrmMDE& AMaske, bool AMitBearbeitung)
{
    if (AMaske.Datentraeger_Get().Nachsort.FilNummer <= 0)
        return {};
    // A branch's customer orders come from order lines of the types 16 and 17; order lines that
    // keep their type as a character code (the movement types' table) carry "K" for them. 71 are
    // processing orders.
    QByteArray typen;
    typen.append(char(16)).append(char(17)).append('K');
    if (AMitBearbeitung)
        typen.append(char(71));
    return typen;
}

void KundenfilterMalen(TfrmMDE& AMaske, const char* AName, const QString& AWarteText,
                       const std::function<void()>& AMalen)
{
    AMaske.btnmButtons->Clear();
    TZAM_Hausregel::OhneBusy(AName, [&] {
        if (AMaske.FModus != CZPMDEM_KuBe)
            throw EZAM_Exception::Text(QString::fromLatin1(AName) + QStringLiteral(": ungültiger Programmmodus"));
        TQIV_Wartemaske warten(&AMaske, AWarteText);
        AMalen();
    });
}

} // namespace TQIV_NachsortFilter
