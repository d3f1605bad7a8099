#include "TState_ArtikelScan.h"

#include "TArtikelTools.h"
#include "TDM_Torvik.h"
#include "TQIV_AufgabenLagerListe.h"
#include "TState_Aufgabe.h"
#include "TState_Preispruefung.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMGlobal.h"

#include <QCoreApplication>
#include <QTime>

namespace L = TQIV_AufgabenLagerListe;

namespace {
const QList<TQIV_WPF_Recht> CRechteAusbuchen{380, 452, 453};
}

int TState_ArtikelScan::ArtikelPrioritaet(int ASpalte)
{
    switch (ASpalte) {
    case 11:
        return 9;
    case 55:
        return 8;
    case 16:
        return 5;
    case CZAM_AufgabenListe_Spalte_Keine:
        return -1;
    default:
        return 0;
    }
}

int TState_ArtikelScan::ZuFaerbendesPanel()
{
    int beste = CZAM_AufgabenListe_Spalte_Keine, prio = 0;
    for (int i = 0; i < 6; ++i)
        if (ArtikelPrioritaet(AktSpalte(i)) > prio) {
            prio = ArtikelPrioritaet(AktSpalte(i));
            beste = AktSpalte(i);
        }
    return beste;
}

QString TState_ArtikelScan::FussTip(bool& ALang)
{
    ALang = false;
    return QStringLiteral("Bitte scannen Sie den Artikel!");
}

void TState_ArtikelScan::ButtonsSchalten_Speziell()
{
    FMaske->BtnArtNrHandEinVisible_Set(true);
    FMaske->BtnArtikelNichtGefundenVisible_Set(true);
    FMaske->BtnLPSkippenVisible_Set(true);
    BehaelterKnoepfeSchalten();
}

void TState_ArtikelScan::Nach_Anfang()
{
    TZAM_Hausregel::OhneBusy("TState_ArtikelScan.Nach_Anfang", [&] {
        TState_Aufgabe* a = StateAufgabe();
        const TIntTrio quelle = Quelle();
        const TInt32Trio produkt = a->GiveInt32Trio(L::CProduktId);
        const int grInd = a->GiveInt(L::CGrInd);
        if (quelle != a->FLetzterLagerplatz || produkt != a->FLetzteProduktId || grInd != a->FLetzterGroeInd0)
            return;
        ButtonsAusblendenUndFusszeileLeeren();
        const QString support = QStringLiteral("(QIV-Support %1/%2)")
                                    .arg(QCoreApplication::applicationPid())
                                    .arg(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
        ZAMInfo().WriteStamp(QStringList{support, QStringLiteral("LP:     ") + quelle.ToText(),
                                         QStringLiteral("ProdId: ") + produkt.ToText() + QStringLiteral(" (") +
                                             TArtikelTools::ProduktID_2_ArtNr_Formatted(produkt) + QStringLiteral(")"),
                                         QStringLiteral("GrInd:  %1").arg(grInd),
                                         QStringLiteral("Letzte AufgId: ") + a->FLetzteAufgId.ToText(),
                                         QStringLiteral("neue AufgId:   ") + a->GiveIntTrio(L::CAufgabenId).ToText()}
                                 .join(QStringLiteral("\r\n")));
        TQIV_Meldung_Options o = TQIV_Meldung_Options::Kurz(
            QStringLiteral("Achtung:\r\n\r\nVom selben Lagerplatz\r\nwird derselbe Artikel\r\nin derselben "
                           "Größe\r\nerneut absortiert!\r\n") +
                support,
            false, [this](TZAM_TriState_Enum, bool) {
                TZAM_Hausregel::OhneBusy("TState_ArtikelScan.ErneutCallback",
                                         [&] { ButtonsEinblendenUndFusszeileFuellen(); });
            });
        o.FontSize = 14;
        FMaske->MeldungAn(o);
    });
}

void TState_ArtikelScan::Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ArtikelScan.Gescannt", [&] {
        if (CheckBehaelter())
            ArtikelGescannt(AText, AScanndaten);
    });
}

void TState_ArtikelScan::ArtikelGescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten)
{
    if (AScanndaten.Umgesetzt == tsUndefined) {
        FMaske->ArtikelAuswahlAn(AText, [this](const QString& AText2, TZAM_UmgesetztUArtikelScanDaten& ADaten) {
            TZAM_Hausregel::OhneBusy("TState_ArtikelScan.ArtikelAuswahlCallback",
                                     [&] { ArtikelGescannt(AText2, ADaten); });
        });
        return;
    }
    const TZAM_ArtikelScanDaten& d = AScanndaten.ArtikelScanDaten;
    if (AScanndaten.Umgesetzt == tsTrue) {
        Vergleichen(d.ProduktId, d.GroessenIndex);
        return;
    }
    if (d.IstEAN || d.IstUPC) {
        FMaske->EAN_UPC_Zuordnen_an(d, AText,
                                    [this](bool AErfolg, const TInt32Trio& AProdukt, TZAM_Intv100_IndErw AGr) {
                                        TZAM_Hausregel::OhneBusy("TState_ArtikelScan.EAN_UPC_Callback", [&] {
                                            if (AErfolg)
                                                Vergleichen(AProdukt, AGr);
                                        });
                                    });
        return;
    }
    FussTipSet(QStringLiteral("Unbekannter Barcode!"), false, true);
}

void TState_ArtikelScan::Vergleichen(const TInt32Trio& AProduktId, int AGrInd)
{
    TState_Aufgabe* a = StateAufgabe();
    if (AProduktId == a->GiveInt32Trio(L::CProduktId) && AGrInd == a->GiveInt(L::CGrInd))
        ChangeState(StateKlasse<TState_Preispruefung>());
    else
        FussTipSet(QStringLiteral("Falscher Artikel. Bitte scannen\r\nSie den Artikel!"), false, true);
}

void TState_ArtikelScan::ScanUeberspringen()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ArtikelScan.ScanUeberspringen", [&] {
        if (CheckBehaelter())
            ChangeState(StateKlasse<TState_Preispruefung>());
    });
}

void TState_ArtikelScan::ArtNrHandEin_An()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ArtikelScan.ArtNrHandEin_An", [&] {
        FMaske->ArtNrHandEingabeAn(
            [this](bool AErfolg, const TInt32Trio& AProdukt, TZAM_Intv100_IndErw AGr) {
                TZAM_Hausregel::OhneBusy("TState_ArtikelScan.ArtNrHandEinCallback", [&] {
                    if (AErfolg && CheckBehaelter())
                        Vergleichen(AProdukt, AGr);
                });
            },
            true);
    });
}

void TState_ArtikelScan::BtnArtNichtGefundenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ArtikelScan.BtnArtNichtGefundenClick", [&] {
        ButtonsAusblendenUndFusszeileLeeren();
        FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Kurz(
            QStringLiteral("Befindet sich der Artikel sicher nicht auf dem Lagerplatz?\r\nWenn Sie fortfahren, wird "
                           "der komplette Bestand des Artikels vom Lagerplatz ausgebucht!\r\nMöchten Sie fortfahren?"),
            [this](TZAM_TriState_Enum AAntwort, bool) {
                TZAM_Hausregel::OhneBusy("TState_ArtikelScan.ArtNichtGefundenCallback", [&] {
                    if (AAntwort != tsTrue) {
                        ButtonsEinblendenUndFusszeileFuellen();
                        return;
                    }
                    FMaske->BenutzerAnmeldungAn(
                        [this](bool AErfolg) {
                            TZAM_Hausregel::OhneBusy("TState_ArtikelScan.AnmeldungCallback", [&] {
                                ButtonsEinblendenUndFusszeileFuellen();
                                if (AErfolg)
                                    AbsortierungBuchen_U_Weiter(true);
                            });
                        },
                        CRechteAusbuchen, false);
                });
            }));
    });
}

void TState_ArtikelScan::BtnLPSkippenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ArtikelScan.BtnLPSkippenClick", [&] {
        FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Kurz(
            QStringLiteral("Soll der Artikel von einem anderen Lagerplatz genommen werden?"),
            [this](TZAM_TriState_Enum AAntwort, bool) {
                if (AAntwort != tsTrue)
                    return;
                TZAM_Hausregel::OhneBusy("TState_ArtikelScan.LPSkippenCallback", [&] {
                    StateAufgabe()->LWVerbotDict_AktDatenHinzu();
                    AbsortierungBuchen_U_Weiter(false);
                });
            }));
    });
}

void TState_ArtikelScan::btnBehaelterInfoClick()
{
    BehaelterInfo("TState_ArtikelScan.btnBehaelterInfoClick");
}

void TState_ArtikelScan::btnBehaelterWechselClick()
{
    BehaelterWechseln("TState_ArtikelScan.btnBehaelterWechselClick");
}

void TState_ArtikelScan::btnWBSDruckClick()
{
    WBSDruckKlick("TState_ArtikelScan.btnWBSDruckClick");
}
