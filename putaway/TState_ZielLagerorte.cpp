#include "TState_ZielLagerorte.h"

#include "IZAM_Buchung.h"
#include "IZAM_LagerBewegungEditServer.h"
#include "Lagerort_Zulaessig.h"
#include "TDM_Torvik.h"
#include "TLVLZMani.h"
#include "TQIV_Einlagerung.h"
#include "TQIV_Meldung_Options.h"
#include "TQIV_SicherheitsAbfrage_Options.h"
#include "TQIV_Wartemaske.h"
#include "TState_ArtikelWahl.h"
#include "TState_Biserige_Lagerorte.h"
#include "TState_Einlagerung_FilialWahl.h"
#include "TState_Kommissionierbehaelter.h"
#include "TState_ZielWahl.h"
#include "TVRList.h"
#include "TVTVRList.h"
#include "TVTVRListUpdate.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "TZAM_InfoMeldungListe.h"
#include "TfrmMDE.h"
#include "ZAMFehler.h"
#include "ZAMGlobal.h"
#include "ZAMInfoKoords.h"

namespace E = TQIV_Einlagerung;

namespace {
constexpr int COperationsArt = 69;
const QString CBuchung = QStringLiteral("TState_ZielLagerorte.SammeleinlagerungBuchenUndWeiter");
} // namespace

bool TState_ZielLagerorte::ArtikelScannen() const
{
    const auto& d = FMaske->Datentraeger_Get();
    const auto& o = FMaske->FOptionen.Einlagerung;
    const TQIV_PersoAuswahl p = d.Einlagerung.Personalisiert;
    return E::WBSOderFremdnr(d) && (p == paVersand || p == paFAFuerKunde ? o.ArtScanWBSKube : o.ArtScanWBS);
}

void TState_ZielLagerorte::Vor_Anfang(bool& AWeiter)
{
    TAbstractVRListState::Vor_Anfang(AWeiter);
    FDoWennBuchenOKGetan = false;
}

void TState_ZielLagerorte::StateAnfangVariablenClear()
{
    FZuweisung = TQIV_LagerortZuweisung();
    FEinlagerOrtId.Clear();
}

void TState_ZielLagerorte::StateAnfangMaskeMalen()
{
    TZAM_Hausregel::OhneBusy("TState_ZielLagerorte.StateAnfangMaskeMalen", [&] {
        const auto& e = FMaske->Datentraeger_Get().Einlagerung;
        if (FMaske->vtVRList->VRList_Get() == FVRListe.get())
            FMaske->vtVRList->VRList_Set(nullptr);
        EinlagerungslisteCIN_Clear(FVRListe);
        {
            const TQIV_Wartemaske warten(FMaske, QStringLiteral("Mengen werden ermittelt."));
            const TQIV_Lager_Sammeleinlagerung& info = e.EinlagerungsInfo;
            if (info.BelegId.Defined())
                ArtikelSollZusammenstellen(*FVRListe, info.ProduktId, info.BelegId, e.EinBelegId, e.EinVerfKombiId);
            else
                ArtikelSollZusammenstellenLP(*FVRListe, info.ProduktId, info.VonLagerort);
        }
        const bool zaehlen = ArtikelScannen();
        if (zaehlen)
            for (int r = 0; r < FVRListe->GetRowCount(); ++r)
                FVRListe->SetCellValueAsInteger(r, celIst, 0);
        FMaske->vtVRList->OptionSetzen(CVTVRList_MehrfachAuswahl, !zaehlen);
        const TVTVRListUpdate update(FMaske->vtVRList);
        TVTVRList_GroesseAnpassen(FMaske->FOptionen.Nachsort.ListeFontSize);
        FMaske->vtVRList->VRList_Set(FVRListe.get());
        ZeileWaehlen(0);
        FMaske->vtVRList->setFocus();
    });
}

void TState_ZielLagerorte::ButtonsSchalten_Speziell()
{
    FMaske->BtnBuchenVisible_Set(true);
    E::ListenKnopf(FMaske, "btnZeileLoeschen", true);
    E::ListenKnopf(FMaske, "btnZeileDazu", true);
}

QString TState_ZielLagerorte::Caption_Get()
{
    return E::Kopf(FMaske);
}

QString TState_ZielLagerorte::FussTip(bool& ALang)
{
    ALang = true;
    const auto& d = FMaske->Datentraeger_Get();
    const TQIV_PersoAuswahl p = d.Einlagerung.Personalisiert;
    const bool kunde = p == paVersand || p == paFAFuerKunde;
    const bool scannen = kunde ? d.Einlagerung.WBSID.Defined() && FMaske->FOptionen.Einlagerung.ArtScanWBSKube
                               : E::WBSOderFremdnr(d) && FMaske->FOptionen.Einlagerung.ArtScanWBS;
    return scannen ? QStringLiteral("Bitte scannen Sie jede Größe so oft, wie vorhanden!")
                   : QStringLiteral("Bitte scannen Sie die Lagerorte auf die Sie den Artikel einlagern!");
}

TQIV_ZeilenArt TState_ZielLagerorte::ZeilenArt(const TVRList& AListe, int AZeile, int ASichtbarDarueber, int& AZaehler)
{
    const auto& e = FMaske->Datentraeger_Get().Einlagerung;
    const auto& o = FMaske->FOptionen.Einlagerung;
    const bool kunde = e.Personalisiert == paVersand || e.Personalisiert == paFAFuerKunde;
    if (&AListe != FVRListe.get() || !e.WBSID.Defined() || !(kunde ? o.ArtScanWBSKube : o.ArtScanWBS))
        return TAbstractVRListState::ZeilenArt(AListe, AZeile, ASichtbarDarueber, AZaehler);
    return AListe.GetCellValueAsInteger(AZeile, celIst) == AListe.GetCellValueAsInteger(AZeile, celSoll) ? zaKomplett
                                                                                                         : zaMarkiert;
}

QString TState_ZielLagerorte::ZeilenZusatz(const TVRList& AListe, int AZeile)
{
    if (&AListe != FVRListe.get())
        return {};
    const QString kennung = AListe.GetCellValueAsString(AZeile, celVerwKennung);
    return kennung.isEmpty() ? QStringLiteral("ohne Verweis")
                             : kennung + u' ' + AListe.GetCellValueAsIntQuad(AZeile, celVerwIdent).ToText();
}

int TState_ZielLagerorte::GewaehlteZeile() const
{
    const TVTVRKnoten k = FMaske->vtVRList->GetFirstSelectedNode();
    return k.IsValid() ? k.Row : -1;
}

void TState_ZielLagerorte::ZeileWaehlen(int AZeile)
{
    if (!FVRListe || AZeile < 0 || AZeile >= FVRListe->GetRowCount())
        return;
    FMaske->vtVRList->clearSelection();
    FMaske->vtVRList->SetFocusedNode({AZeile, -1});
    FMaske->vtVRList->SelectNode({AZeile, -1});
}

void TState_ZielLagerorte::NummernBlockEingabe(int AInt)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ZielLagerorte.NummernBlockEingabe", [&] {
        const int r = GewaehlteZeile();
        if (r < 0)
            return;
        const qint64 neu = qint64(FVRListe->GetCellValueAsInteger(r, celIst)) * 10 + AInt;
        if (neu > CEinlagerung_MaxMenge) {
            FussTipSet(QStringLiteral("Die Menge darf höchstens %1 sein!").arg(CEinlagerung_MaxMenge), false, true);
            return;
        }
        FVRListe->SetCellValueAsInteger(r, celIst, int(neu));
        FMaske->vtVRList->Refresh();
    });
}

void TState_ZielLagerorte::KeyBackSpace()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ZielLagerorte.KeyBackSpace", [&] {
        if (const int r = GewaehlteZeile(); r >= 0) {
            FVRListe->SetCellValueAsInteger(r, celIst, FVRListe->GetCellValueAsInteger(r, celIst) / 10);
            FMaske->vtVRList->Refresh();
        }
    });
}

void TState_ZielLagerorte::Gescannt(const QString& AText, TZAM_UmgesetztUArtikelScanDaten& AScanndaten)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ZielLagerorte.Gescannt", [&] {
        E::ArtikelScan(
            this, "TState_ZielLagerorte.Gescannt", AText, AScanndaten,
            [this](const TInt32Trio& AProdukt, int AGrInd) { Artikel(AProdukt, AGrInd); },
            [this](const QString& AText2) { Lagerort(AText2); });
    });
}

void TState_ZielLagerorte::Artikel(const TInt32Trio& AProduktId, int AGrInd)
{
    const auto& d = FMaske->Datentraeger_Get();
    if (AProduktId != d.Einlagerung.EinlagerungsInfo.ProduktId) {
        FussTipSet(QStringLiteral("Der gescannte Artikel stimmt nicht mit dem gewählten Artikel überein!"), true, true);
        return;
    }
    int erste = -1;
    FMaske->vtVRList->clearSelection();
    for (int r = 0; r < FVRListe->GetRowCount(); ++r)
        if (FVRListe->GetCellValueAsInteger(r, celGrIdx) == AGrInd) {
            FMaske->vtVRList->SelectNode({r, -1});
            if (erste < 0)
                erste = r;
        }
    if (erste < 0) {
        FussTipSet(QStringLiteral("Die gescannte Größe gehört nicht zum WBS!"), true, true);
        return;
    }
    FMaske->vtVRList->SetFocusedNode({erste, -1});
    // Counting by scanning: a slip, or an external number whose pieces are scanned.
    if (!d.Einlagerung.WBSID.Defined() && !ArtikelScannen())
        return;
    const int ist = FVRListe->GetCellValueAsInteger(erste, celIst);
    if (ist >= CEinlagerung_MaxMenge) {
        FussTipSet(QStringLiteral("Die Menge darf höchstens %1 sein!").arg(CEinlagerung_MaxMenge), false, true);
        return;
    }
    FVRListe->SetCellValueAsInteger(erste, celIst, ist + 1);
    FMaske->vtVRList->Refresh();
}

void TState_ZielLagerorte::Lagerort(const QString& AText)
{
    const auto& e = FMaske->Datentraeger_Get().Einlagerung;
    TZAM_Lagerort_Info info;
    if (!E::Lagerort_Umsetzen(this, AText, info, QStringLiteral("Unbekannter Barcode!"), false))
        return;
    const int r = Zeile_fuer_Ziellagerort_bestimmen(*FVRListe, GewaehlteZeile());
    if (r < 0) {
        FussTipSet(QStringLiteral("Bitte wählen Sie zunächst eine Zeile!"), false, true);
        return;
    }
    QString meldung;
    if (!Lagerort_Zulaessig(info, e.Personalisiert, e.PersoZielFiliale, meldung, e.BehaelterAlsAnLPOK,
                            e.KundenVBSAlsAnLPOK)) {
        FussTipSet(meldung, true, true);
        return;
    }
    Lagerort_2_Liste(*FVRListe, r, info);
    FMaske->vtVRList->Refresh();
    ZeileWaehlen(FMaske->FOptionen.Einlagerung.LPScanZeileHalten ? r : qMin(r + 1, FVRListe->GetRowCount() - 1));
}

void TState_ZielLagerorte::ZeileLoeschenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ZielLagerorte.ZeileLoeschenClick", [&] {
        const int r = GewaehlteZeile();
        if (r < 0) {
            FussTipSet(QStringLiteral("Bitte wählen Sie zunächst eine Zeile!"), false, true);
            return;
        }
        Lagerort_2_Liste(*FVRListe, r, TZAM_Lagerort_Info());
        FMaske->vtVRList->Refresh();
    });
}

void TState_ZielLagerorte::btnZeileDazuClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ZielLagerorte.btnZeileDazuClick", [&] {
        const int r = GewaehlteZeile();
        if (r < 0) {
            FussTipSet(QStringLiteral("Bitte wählen Sie zunächst eine Zeile!"), false, true);
            return;
        }
        const TVTVRListUpdate update(FMaske->vtVRList);
        const int neu = Zeile_Teilen(*FVRListe, r);
        FMaske->vtVRList->VRList_Set(FVRListe.get());
        ZeileWaehlen(neu);
    });
}

void TState_ZielLagerorte::btnBuchenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ZielLagerorte.btnBuchenClick", [&] { DoBtnBuchenClick(true); });
}

void TState_ZielLagerorte::DoBtnBuchenClick(bool AMitAnmeldung)
{
    auto& e = FMaske->Datentraeger_Get().Einlagerung;
    FEinlagerOrtId.Clear();
    for (int r = 0; r < FVRListe->GetRowCount(); ++r) {
        if (!FMaske->vtVRList->ZeileSichtbar(r))
            continue;
        const TIntTrio behaelter = FVRListe->GetCellValueAsIntTrio(r, celBehaelterId);
        FEinlagerOrtId = behaelter.Defined() ? behaelter : FVRListe->GetCellValueAsIntTrio(r, celLagerplatzId);
        break;
    }
    if (!FEinlagerOrtId.Defined()) {
        FussTipSet(QStringLiteral("Bitte bestimmen Sie zunächst für alle Größen einen Lagerort!"), true, true);
        return;
    }
    FZuweisung = Auslesen_LagerortZuweisung_do(*FVRListe, e.Personalisiert == paVersand);
    TQIV_Lager_Sammeleinlagerung& info = e.EinlagerungsInfo;
    info.PersoAuswahl = e.Personalisiert;
    info.PersoFiliale = e.PersoZielFiliale;
    info.VerfKombiId = e.EinVerfKombiId;
    info.Mitarbeiter = DM_Torvik->FMitarbeiter;
    if (!FZuweisung.Pos_Diff_Menge.isEmpty()) {
        TZAM_PersArt_ExtVerweis verweis;
        TIntTrio kombi;
        int typ = 0, status = 0;
        if (DM_Torvik->LVLZMani_GoC()->ExtVerweis_u_VerfKombiId_4_Lagerort(verweis, kombi, typ, status,
                                                                           FEinlagerOrtId)) {
            const QString name = DM_Torvik->LagerEditServer_GoC()->LagerortName(FEinlagerOrtId);
            const QString ort = name.isEmpty() ? FEinlagerOrtId.ToText() : name;
            TQIV_Meldung_Options o = TQIV_Meldung_Options::Kurz(
                QStringLiteral("Beim Einlagern auf\r\n%1\r\ndarf die Ist-Menge nicht größer sein, als die Soll-Menge, "
                               "da\r\n%2\r\neine spezielle Zuordnung (z.B. zu einer EBS) hat.")
                    .arg(ort, ort));
            o.FontSize = 14;
            FMaske->MeldungAn(o);
            return;
        }
        if (AMitAnmeldung) {
            FMaske->BenutzerAnmeldungAn(
                [this](bool AErfolg) {
                    if (AErfolg)
                        TZAM_Hausregel::Ausfuehren(FBusy, "TState_ZielLagerorte.btnBuchenClick",
                                                   [&] { DoBtnBuchenClick(false); });
                },
                {380, 454, 455}, false);
            return;
        }
    }
    Fragen();
}

void TState_ZielLagerorte::Fragen()
{
    const auto& d = FMaske->Datentraeger_Get();
    if (!FZuweisung.Pos_Diff_Menge.isEmpty())
        SicherheitsAbfrageMehrmenge();
    else if (!FZuweisung.Fehl_Menge.IsEmpty())
        SicherheitsAbfrageFehlmenge();
    else
        SammeleinlagerungBuchenUndWeiter(d.Versandhilfe.AusVersandhilfe || d.Einlagerung.Ziel != bmzUnbekannt);
}

QString TState_ZielLagerorte::AbfrageText(const TZAM_Intv100_Sortiment_Me& AMenge, const TVRList& AListe, bool AZuViel)
{
    const QString art = AZuViel ? QStringLiteral("zu viel") : QStringLiteral("zu wenig");
    int groessen = 0, letzte = -1;
    for (int g = 0; g < CZAM_Intv100_Anzahl; ++g)
        if (AMenge.Me[g] != 0) {
            ++groessen;
            letzte = g;
        }
    if (groessen != 1)
        return QStringLiteral("Sie haben\r\ninsgesamt\r\n%1 Paar/Stück %2\r\neingegeben.\r\nWollen Sie abbrechen?")
            .arg(AMenge.Sum())
            .arg(art);
    QString name;
    for (int r = 0; r < AListe.GetRowCount() && name.isEmpty(); ++r)
        if (AListe.GetCellValueAsInteger(r, celGrIdx) == letzte)
            name = AListe.GetCellValueAsString(r, celGroesse);
    return QStringLiteral("Sie haben\r\nin Größe %1\r\n%2 Paar/Stück %3\r\neingegeben.\r\nWollen Sie abbrechen?")
        .arg(name)
        .arg(AMenge.Me[letzte])
        .arg(art);
}

void TState_ZielLagerorte::SicherheitsAbfrageMehrmenge()
{
    TZAM_Intv100_Sortiment_Me mehr;
    mehr.Init();
    for (const TQIV_Lager_Bew_Sortiment& s : std::as_const(FZuweisung.Pos_Diff_Menge))
        for (int g = 0; g < CZAM_Intv100_Anzahl; ++g)
            mehr.Me[g] += s.Menge.Me[g];
    FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Kurz(
        AbfrageText(mehr, *FVRListe, true), [this](TZAM_TriState_Enum AAntwort, bool) {
            TZAM_Hausregel::Ausfuehren(FBusy, "TState_ZielLagerorte.SicherheitsAbfrageMehrmenge", [&] {
                if (AAntwort != tsFalse)
                    return;
                const auto& d = FMaske->Datentraeger_Get();
                if (!FZuweisung.Fehl_Menge.IsEmpty())
                    SicherheitsAbfrageFehlmenge();
                else
                    SammeleinlagerungBuchenUndWeiter(d.Versandhilfe.AusVersandhilfe ||
                                                     d.Einlagerung.Ziel != bmzUnbekannt);
            });
        }));
}

void TState_ZielLagerorte::SicherheitsAbfrageFehlmenge()
{
    FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Kurz(
        AbfrageText(FZuweisung.Fehl_Menge, *FVRListe, false), [this](TZAM_TriState_Enum AAntwort, bool) {
            TZAM_Hausregel::Ausfuehren(FBusy, "TState_ZielLagerorte.SicherheitsAbfrageFehlmenge", [&] {
                if (AAntwort == tsFalse)
                    FrageWarten();
            });
        }));
}

void TState_ZielLagerorte::FrageWarten()
{
    FMaske->SicherheitsAbfrageAn(TQIV_SicherheitsAbfrage_Options::Kurz(
        QStringLiteral("Soll auf die fehlende Ware gewartet werden?"), [this](TZAM_TriState_Enum AAntwort, bool) {
            TZAM_Hausregel::Ausfuehren(FBusy, "TState_ZielLagerorte.FrageWarten", [&] {
                if (AAntwort == tsTrue) {
                    SammeleinlagerungBuchenUndWeiter(true);
                    return;
                }
                if (AAntwort != tsFalse)
                    return;
                FMaske->BenutzerAnmeldungAn(
                    [this](bool AErfolg) {
                        if (AErfolg)
                            TZAM_Hausregel::Ausfuehren(FBusy, "TState_ZielLagerorte.FrageWarten",
                                                       [&] { SammeleinlagerungBuchenUndWeiter(false); });
                    },
                    {380, 454, 456}, false);
            });
        }));
}

TQIV_Lager_Sammeleinlagerung_List TState_ZielLagerorte::EinlagerungsListeFuellen(bool AWarten) const
{
    const auto& e = FMaske->Datentraeger_Get().Einlagerung;
    TQIV_Lager_Sammeleinlagerung basis = e.EinlagerungsInfo;
    basis.AufFehlmengeWarten = AWarten;
    TQIV_Lager_Sammeleinlagerung_List liste;
    const bool proVerweis =
        e.Personalisiert == paVersand || e.Personalisiert == paBearbeitung || e.PersoAuswahlForce != paUnbekannt;
    if (!proVerweis || FZuweisung.Menge.isEmpty()) {
        if (FZuweisung.Menge.size() > 1)
            FehlerRaise(QStringLiteral("TState_ZielLagerorte.EinlagerungsListeFuellen"),
                        CZAM_Info_Fehler_Standard_LeseFehler,
                        QStringLiteral("Length( FMenge) = ") + QString::number(FZuweisung.Menge.size()));
        if (!FZuweisung.Menge.isEmpty())
            basis.Lagerorte = FZuweisung.Menge.first().Sortimente;
        basis.Mehrmengen = FZuweisung.Pos_Diff_Menge;
        liste << basis;
        return liste;
    }
    basis.PersoAuswahl = e.PersoAuswahlForce != paUnbekannt ? e.PersoAuswahlForce : e.Personalisiert;
    for (const TQIV_Lager_Bew_Sortimente_MitExtVerweis& gruppe : FZuweisung.Menge)
        for (const TQIV_Lager_Bew_Sortiment& s : gruppe.Sortimente) {
            TQIV_Lager_Sammeleinlagerung rec = basis;
            rec.Lagerorte = {s};
            rec.Mehrmengen.clear();
            if (!gruppe.VerwKennung.isEmpty())
                rec.Verweis =
                    TZAM_PersArt_ExtVerweis::Construct(Kuerzel_2_PersArt_ExtVerweis_Kennung(gruppe.VerwKennung),
                                                       TrioAusQuad(gruppe.VerwIdent), gruppe.VerwIdent.Id4);
            else
                rec.Verweis = e.EinExtVerweis;
            rec.AufFehlmengeWarten = true;
            liste << rec;
        }
    // Only the last record may close what is missing; it also carries the excess.
    liste.last().AufFehlmengeWarten = AWarten;
    liste.last().Mehrmengen = FZuweisung.Pos_Diff_Menge;
    return liste;
}

void TState_ZielLagerorte::SammeleinlagerungBuchenUndWeiter(bool AWarten)
{
    auto& e = FMaske->Datentraeger_Get().Einlagerung;
    TQIV_Lager_Sammeleinlagerung_List records = EinlagerungsListeFuellen(AWarten);
    IZAM_LagerBewegungEditServer& bewegung = TZAM_BewegungsDienste::Bewegung(*DM_Torvik);
    QStringList meldungen;
    IZAM_Buchung& buchung = ZAMBuchung();
    buchung.Oeffnen(COperationsArt, CBuchung);
    bool ok = true;
    for (TQIV_Lager_Sammeleinlagerung& rec : records) {
        TZAM_InfoMeldungListe liste;
        if (!bewegung.Sammeleinlagerung_Buchen(rec, liste, true)) {
            ok = false;
            meldungen << liste.Meldungen_AlsText(QStringLiteral("; "));
            break;
        }
    }
    // A post is stored whole: a refused record takes back the ones before it.
    if (!ok)
        buchung.Abbrechen();
    buchung.Schliessen(CBuchung);
    if (!ok) {
        FussTipSet(meldungen.join(QStringLiteral("; ")), true, true);
        return;
    }
    static_cast<TState_Kommissionierbehaelter*>(FMaske->GiveState(StateKlasse<TState_Kommissionierbehaelter>()))
        ->Eigenen_Kommissionierbehaelter_entsperren();
    TLVLZMani* lvlz = DM_Torvik->LVLZMani_GoC();
    bool mitOrten = false;
    for (const TQIV_Lager_Sammeleinlagerung& rec : std::as_const(records)) {
        if (rec.Lagerorte.isEmpty())
            continue;
        mitOrten = true;
        TZAM_Lagerort_Info info;
        const TIntTrio ort = rec.Lagerorte.first().Ziel();
        TIntTrio beleg;
        if (DM_Torvik->LagerEditServer_GoC()->LagerortInfo_Lesen(ort, info, TQIV_Lagerort_Info_Optionen::Defaults()) &&
            info.Bereich == CZAM_Bereich_KundenVBS && e.EinBelegId.Defined() &&
            lvlz->Bestand_Komplett_Auf_KundenVBS(beleg, e.EinBelegId, ort)) {
            // The order is complete on its staging place: its documents follow with the shipping help.
            const TQIV_Wartemaske warten(FMaske, QStringLiteral("Belege werden gedruckt."));
            FehlerRaise(QStringLiteral("TState_ZielLagerorte.SammeleinlagerungBuchenUndWeiter"),
                        CZAM_Info_Fehler_Standard_FktNichtImplementiert, QStringLiteral("Belegdruck Versandhilfe"));
        }
    }
    if (!mitOrten && !bewegung.Lagerort_HatBestand(FEinlagerOrtId)) {
        TZAM_PersArt_ExtVerweis verweis;
        TIntTrio kombi;
        int typ = 0, status = 0;
        if (lvlz->ExtVerweis_u_VerfKombiId_4_Lagerort(verweis, kombi, typ, status, FEinlagerOrtId))
            lvlz->Lagerort_Verweis_Loeschen(FEinlagerOrtId);
    }
    DoWennBuchenOK();
}

void TState_ZielLagerorte::DoWennBuchenOK()
{
    if (FDoWennBuchenOKGetan)
        return;
    FDoWennBuchenOKGetan = true;
    const auto& d = FMaske->Datentraeger_Get();
    if (d.Versandhilfe.AusVersandhilfe)
        FehlerRaise(QStringLiteral("TState_ZielLagerorte.DoWennBuchenOK"),
                    CZAM_Info_Fehler_Standard_FktNichtImplementiert, QStringLiteral("TState_EinlagerungVersandhilfe"));
    const auto* artikel = static_cast<TState_ArtikelWahl*>(FMaske->GiveState(StateKlasse<TState_ArtikelWahl>()));
    if (E::AusWEPlatz(d))
        ChangeState(StateKlasse<TState_Einlagerung_FilialWahl>());
    else if (artikel->Zeilen() >= 2)
        ChangeState(StateKlasse<TState_ArtikelWahl>());
    else if (d.Einlagerung.Ziel == bmzFAFuerKube)
        ChangeState(StateKlasse<TState_Einlagerung_FilialWahl>());
    else
        ChangeState(StateKlasse<TState_ZielWahl>());
}

void TState_ZielLagerorte::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TState_ZielLagerorte.btnZurueckClick", [&] {
        const auto& d = FMaske->Datentraeger_Get();
        const TQIV_PersoAuswahl p = d.Einlagerung.Personalisiert;
        const TStateKlasse* ziel = StateKlasse<TState_Biserige_Lagerorte>();
        if ((p == paVersand || p == paFAFuerKunde) && E::WBSOderWEAvis(d)) {
            TIntTrio vbs;
            QString name;
            if (DM_Torvik->Eindeutige_Versandbereistellung_DesLagers_Ermitteln(vbs, name))
                ziel = StateKlasse<TState_ArtikelWahl>();
        }
        FMaske->Zurueck_Set(true);
        ChangeState(ziel);
        FMaske->Zurueck_Set(false);
    });
}
