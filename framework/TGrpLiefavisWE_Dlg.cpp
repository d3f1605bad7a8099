#include "TGrpLiefavisWE_Dlg.h"

#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_TerminalServer.h"
#include "IZAM_WEBuchServer.h"
#include "TBelimani.h"
#include "TZAM_LieferungKey.h"
#include "ZAMFehler.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

namespace {
const QString CExecute = QStringLiteral("TGrpLiefavisWE_Dlg.Execute");

QString Text(const TInfoKoord& AKoord, const QStringList& AEinfuegungen = {})
{
    TZAM_InfoMeldungListe m;
    m.Meldung_Add(AKoord, AEinfuegungen);
    return m.Meldungen_AlsText();
}
} // namespace

TGrpLiefavisWE_Dlg::TGrpLiefavisWE_Dlg() = default;
TGrpLiefavisWE_Dlg::~TGrpLiefavisWE_Dlg() = default;

IZAM_WEBuchServer& TGrpLiefavisWE_Dlg::Server()
{
    if (!FServer)
        FServer = Glob_WWSServerFactoryClass().Create<IZAM_WEBuchServer>();
    return *FServer;
}

bool TGrpLiefavisWE_Dlg::Execute(void*, bool)
{
    NurImProgrammModus(CExecute);
    if (Modus != 1 && Modus != 2)
        FehlerRaise(CExecute, CZAM_Info_Fehler_Standard_IllegalerParameter, QStringLiteral("Modus %1").arg(Modus));

    TZAM_WEBuchAuftrag auftrag;
    auftrag.Modus = Modus;
    auftrag.Lagerplatz = Lagerplatz;
    auftrag.Mitarbeiter = WpGetBenuAngemeldet();
    if (auftrag.Mitarbeiter.IsNull())
        auftrag.Mitarbeiter = WpGetUserAngemeldet();
    if (const QString terminal = ZAMProgramm().TerminalID(); !terminal.isEmpty())
        auftrag.Terminal = Glob_WWSServerFactoryClass().Create<IZAM_TerminalServer>()->TerminalNummer(terminal);

    bool alle = GetCount() > 0;
    for (int i = 0; i < GetCount(); ++i) {
        TGRItem& item = Item(i);
        item.Gebucht = false;
        item.Meldung.clear();
        item.Lieferung.Menge.Init();

        TZAM_LieferungKey key;
        QString rest;
        StrToLieferungKey(item.LieferungKeyText, key, rest);
        auftrag.ProduktId = item.Lieferung.ProduktId;
        auftrag.ScanIdents = key.ScanIdents;
        if (!rest.isEmpty()) {
            item.Meldung = Text(CZAM_Info_WEBuch_SchluesselUngueltig, {rest});
        } else {
            TZAM_WEBuchErgebnis ergebnis;
            item.Gebucht = Server().Buchen(auftrag, ergebnis);
            item.Meldung = ergebnis.Meldungen.Meldungen_AlsText();
            if (item.Gebucht)
                item.Lieferung.Menge = ergebnis.Menge;
        }
        alle = alle && item.Gebucht;
    }
    return alle;
}
