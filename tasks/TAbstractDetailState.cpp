#include "TAbstractDetailState.h"

#include "EZAM_Exception.h"
#include "Glob_WWSServerFactoryClass.h"
#include "IZAM_AufgabenEditServer.h"
#include "TDM_Torvik.h"
#include "TQIV_AufgabenLagerListe.h"
#include "TQIV_NachsortFilter.h"
#include "TState_Aufgabe.h"
#include "TState_HLAnfoGrund.h"
#include "TState_Kommissionierbehaelter.h"
#include "TState_VonPlatzScan.h"
#include "TVRList.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "ZAMFarben.h"
#include "ZAMInfoKoords.h"
#include "ZAMUtils.h"

#include <QLabel>
#include <QTimer>

namespace L = TQIV_AufgabenLagerListe;

namespace {
// Columns the single-task load must not overwrite: they belong to the row's allocation.
bool AllokationsSpalte(int ASpalte)
{
    return ASpalte == L::CMenge || ASpalte == L::CLagerort || ASpalte == L::CLagerortId || ASpalte == L::CBehaelter ||
           ASpalte == L::CBehaelterId;
}
} // namespace

TAbstractDetailState::TAbstractDetailState(TfrmMDE* AMaske) : TAbstractState(AMaske) {}

TAbstractDetailState::~TAbstractDetailState() = default;

QWidget* TAbstractDetailState::ActivePanel()
{
    return FMaske->pnlDetailanzeige;
}

TState_Aufgabe* TAbstractDetailState::StateAufgabe()
{
    return static_cast<TState_Aufgabe*>(FMaske->GiveState(StateKlasse<TState_Aufgabe>()));
}

TIntTrio TAbstractDetailState::Quelle()
{
    TIntTrio id;
    StateAufgabe()->Get_VonLagerplatz(-1, id);
    return id;
}

QString TAbstractDetailState::QuelleText()
{
    TState_Aufgabe* a = StateAufgabe();
    return a->GiveIntTrio(L::CBehaelterId).Defined() ? a->GiveString(L::CBehaelter) : a->GiveString(L::CLagerort);
}

bool TAbstractDetailState::PlatzScanPasst(const QString& AText, const TIntTrio& AId)
{
    return AText.length() == 22 && AId.Defined() && AText.left(17) == zam_TIntTrio2String(AId);
}

IZAM_AufgabenEditServer& TAbstractDetailState::EigenerAufgabenServer()
{
    if (!FAufgabenServer)
        FAufgabenServer = Glob_WWSServerFactoryClass().Create<IZAM_AufgabenEditServer>();
    return *FAufgabenServer;
}

bool TAbstractDetailState::AufgabeEinzelnLaden(const TIntTrio& AId)
{
    TZAM_Aufgaben_Suchkriterien k;
    Clear_Aufgaben_Suchkriterien(k);
    k.AufgabenIds = {AId};
    // The article columns too: the lean list lacks exactly those (the manufacturer, the colour).
    const TQIVAufgabenlisteLaden_Options o = TQIVAufgabenlisteLaden_Options::Schalter(false, true, true, true, true);
    IZAM_AufgabenEditServer& server = EigenerAufgabenServer();
    const TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
    if (TQIV_NachsortFilter::WhitelistAktiv(*FMaske) && d.Kundenbestellung.ZulaessigeAufgabenIds)
        DM_Torvik->Aufgabenliste_Laden_MitWhitelist(&server, k, *d.Kundenbestellung.ZulaessigeAufgabenIds, o);
    else
        server.Aufgabenliste_Laden(k, o);
    return server.AufgabenVRListe().GetRowCount() == 1;
}

void TAbstractDetailState::Vor_Anfang(bool& AWeiter)
{
    TAbstractState::Vor_Anfang(AWeiter);
    TZAM_Hausregel::OhneBusy("TAbstractDetailState.Vor_Anfang", [&] {
        TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
        if (d.LagerInfo.ReturnToState && d.LagerInfo.ReturnToState->IstInstanz(this))
            d.LagerInfo.ReturnToState = nullptr;
        Vervollstaendigen();
    });
}

void TAbstractDetailState::Vervollstaendigen()
{
    TState_Aufgabe* a = StateAufgabe();
    TVRList* liste = a->Liste();
    const int zeile = a->FAufgabenIdx;
    if (!liste || zeile < 0 || zeile >= liste->GetRowCount())
        return;
    bool leer = false;
    const TQIV_AnzeigeInfo_MDE& info = FMaske->FOptionen.Nachsort.DetailAnzeige;
    for (const TQIV_AnzeigeInfoMDE_Detail* p :
         {&info.LinksOben, &info.RechtsOben, &info.LinksMitte, &info.RechtsMitte, &info.LinksUnten, &info.RechtsUnten})
        for (int s : {p->Normal, p->Alternativ})
            // 84 is no column: tested first, it never reads the pick list's own hidden columns.
            if (s >= 0 && s < CZAM_AufgabenListe_Spalte_Keine && s < liste->GetColumnCount() &&
                liste->GetCellValueAsString(zeile, s).trimmed().isEmpty())
                leer = true;
    if (!leer || !AufgabeEinzelnLaden(a->GiveIntTrio(L::CAufgabenId)))
        return;
    const TVRList& quelle = EigenerAufgabenServer().AufgabenVRListe();
    const int n = qMin(quelle.GetColumnCount(), int(CZAM_AufgabenListe_Spalte_Keine));
    for (int s = 0; s < n; ++s)
        if (!AllokationsSpalte(s))
            liste->SetCellValue(zeile, s, quelle.GetCell(0, s));
}

void TAbstractDetailState::StateAnfangVariablenClear()
{
    FMaske->Datentraeger_Get().Nachsort.IstMenge = 0;
}

void TAbstractDetailState::StateAnfangMaskeMalen()
{
    AnzInfoLaden();
    InfoAnzeigen();
}

void TAbstractDetailState::AnzInfoLaden()
{
    FAnzInfo = FMaske->FOptionen.Nachsort.DetailAnzeige;
    for (int i = 0; i < 6; ++i)
        FAktSpalte[size_t(i)] = Panel(i).Normal;
}

TQIV_AnzeigeInfoMDE_Detail& TAbstractDetailState::Panel(int APanel)
{
    switch (APanel) {
    case 0:
        return FAnzInfo.LinksOben;
    case 1:
        return FAnzInfo.RechtsOben;
    case 2:
        return FAnzInfo.LinksMitte;
    case 3:
        return FAnzInfo.RechtsMitte;
    case 4:
        return FAnzInfo.LinksUnten;
    default:
        return FAnzInfo.RechtsUnten;
    }
}

int TAbstractDetailState::PanelVon(QObject* ASender) const
{
    for (size_t i = 0; i < FMaske->FDetailZellen.size(); ++i)
        if (FMaske->FDetailZellen[i] == ASender)
            return int(i / 2);
    return -1;
}

void TAbstractDetailState::InfoAnzeigen()
{
    const int farbe = ZuFaerbendesPanel();
    bool gefaerbt = false;
    for (int i = 0; i < 6; ++i) {
        Spalte2Panel(i, FAktSpalte[size_t(i)]);
        // Of equal columns the first panel is the one.
        const bool hervor = !gefaerbt && farbe != CZAM_AufgabenListe_Spalte_Keine && FAktSpalte[size_t(i)] == farbe;
        gefaerbt |= hervor;
        for (QLabel* l : {FMaske->FDetailZellen[size_t(2 * i)], FMaske->FDetailZellen[size_t(2 * i + 1)]}) {
            l->setProperty("zamHervorgehoben", hervor);
            l->setStyleSheet(hervor ? QStringLiteral("background-color: %1;").arg(ZAMFarbe(65535).name()) : QString());
        }
    }
    FMaske->pnlKommissionierbehaelter->setText(FMaske->Datentraeger_Get().Nachsort.KommBeh.KomBehBez);
    MengeAnzeigen();
}

void TAbstractDetailState::MengeAnzeigen()
{
    TState_Aufgabe* a = StateAufgabe();
    auto* label = FMaske->findChild<QLabel*>(QStringLiteral("lblMengeIstSoll"));
    if (!label || a->FAufgabenIdx < 0)
        return;
    label->setText(
        QStringLiteral("%1 / %2").arg(FMaske->Datentraeger_Get().Nachsort.IstMenge).arg(a->GiveInt(L::CMenge)));
}

void TAbstractDetailState::Spalte2Panel(int APanel, int ASpalte)
{
    QLabel* caption = FMaske->FDetailZellen[size_t(2 * APanel)];
    QLabel* wert = FMaske->FDetailZellen[size_t(2 * APanel + 1)];
    TState_Aufgabe* a = StateAufgabe();
    const TVRList* liste = a->Liste();
    if (ASpalte < 0 || ASpalte >= CZAM_AufgabenListe_Spalte_Keine || !liste || ASpalte >= liste->GetColumnCount() ||
        a->FAufgabenIdx < 0 || a->FAufgabenIdx >= liste->GetRowCount()) {
        caption->clear();
        wert->clear();
        return;
    }
    caption->setText(liste->GetColumn(ASpalte).Caption);
    wert->setText(liste->GetCellValueAsString(a->FAufgabenIdx, ASpalte));
}

void TAbstractDetailState::DetailPanelClick(QObject* ASender)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TAbstractDetailState.DetailPanelClick", [&] {
        const int p = PanelVon(ASender);
        if (p < 0 || FHaltenGezeigt)
            return;
        const TQIV_AnzeigeInfoMDE_Detail& d = Panel(p);
        if (d.Alternativ == CZAM_AufgabenListe_Spalte_Keine)
            return;
        FAktSpalte[size_t(p)] = FAktSpalte[size_t(p)] == d.Normal ? d.Alternativ : d.Normal;
        InfoAnzeigen();
    });
}

void TAbstractDetailState::DetailPanelMouseDown(QObject* ASender, Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TAbstractDetailState.DetailPanelMouseDown", [&] {
        FMouseDownSender = ASender;
        FHaltenGezeigt = false;
        FMaske->tiMausHalten->start();
    });
}

void TAbstractDetailState::DetailPanelMouseUp(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TAbstractDetailState.DetailPanelMouseUp", [&] {
        FMaske->tiMausHalten->stop();
        FMouseDownSender = nullptr;
    });
}

void TAbstractDetailState::DetailPanelMausHaltenTimer(QObject*)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TAbstractDetailState.DetailPanelMausHaltenTimer", [&] {
        FMaske->tiMausHalten->stop();
        const int p = PanelVon(FMouseDownSender);
        FMouseDownSender = nullptr;
        if (p < 0)
            return;
        FHaltenGezeigt = true;
        DetailAlsHinweis(p);
    });
}

void TAbstractDetailState::DetailAlsHinweis(int APanel)
{
    TState_Aufgabe* a = StateAufgabe();
    const TVRList* liste = a->Liste();
    if (!liste || a->FAufgabenIdx < 0)
        return;
    QStringList teile;
    const TQIV_AnzeigeInfoMDE_Detail& d = Panel(APanel);
    for (int s : {d.Normal, d.Alternativ})
        if (s >= 0 && s < CZAM_AufgabenListe_Spalte_Keine && s < liste->GetColumnCount())
            teile << liste->GetColumn(s).Caption + QStringLiteral(": \r\n") +
                         liste->GetCellValueAsString(a->FAufgabenIdx, s);
    if (!teile.isEmpty())
        FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(teile.join(QStringLiteral("\r\n\r\n"))));
}

QString TAbstractDetailState::Caption_Get()
{
    TState_Aufgabe* a = StateAufgabe();
    const TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
    const int nr = a->FAufgabenIdx + 1, anzahl = a->ZeilenAnzahl();
    if (FMaske->FModus == CZPMDEM_UmlagHL)
        return QStringLiteral("%1, Aufgabe %2 von %3")
            .arg(TState_HLAnfoGrund::GrundBezeichnung(d.UmlagerungHandlager.HLAnfoGrundId))
            .arg(nr)
            .arg(anzahl);
    if (d.Nachsort.FilNummer <= 0)
        return QStringLiteral("Lager %1, Aufgabe %2 von %3").arg(d.Nachsort.KommBeh.KomBehAnLag).arg(nr).arg(anzahl);
    return QStringLiteral("Filiale %1, Aufgabe %2 von %3").arg(d.Nachsort.FilNummer).arg(nr).arg(anzahl);
}

void TAbstractDetailState::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TAbstractDetailState.btnZurueckClick", [&] {
        StateAufgabe()->Aufgabe_Entsperren_Und_StatusRuecksetzen();
        static_cast<TState_VonPlatzScan*>(FMaske->GiveState(StateKlasse<TState_VonPlatzScan>()))->VonLPEntsperren();
        ChangeState(StateKlasse<TState_Aufgabe>());
    });
}

bool TAbstractDetailState::CheckBehaelter()
{
    TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
    const TQIV_ZPMDE_Nachsort_KomBeh& kb = d.Nachsort.KommBeh;
    // The hand store works without a picking container: a container left from another run
    // does not count.
    if (!kb.KomBehBehaelter || FMaske->FModus == CZPMDEM_UmlagHL)
        return true;
    TZAM_Lager_Gitterwagen_Zuordnungsdaten z;
    TZAM_BewegungsDienste::Bewegung(*DM_Torvik).Behaelter_Zuordnung_Lesen(kb.Kommissionierbehaelter, z);
    // No branch counts as the warehouse (0): a container for the warehouse itself passes.
    const int filiale = qMax<int>(z.Filiale, 0);
    if (filiale == qMax<int>(d.Nachsort.FilNummer, 0))
        return true;
    ButtonsAusblendenUndFusszeileLeeren();
    FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(
        QStringLiteral("%1\r\nist nicht mehr\r\nder Filiale %2 zugeordnet!\r\n\r\nBitte erneut\r\nscannen oder wählen!")
            .arg(kb.KomBehBez)
            .arg(d.Nachsort.FilNummer),
        false, [this](TZAM_TriState_Enum, bool) {
            TZAM_Hausregel::OhneBusy("TAbstractDetailState.CheckBehaelterCallback", [&] {
                ButtonsEinblendenUndFusszeileFuellen();
                TQIV_ZPMDE_Datentraeger& d2 = FMaske->Datentraeger_Get();
                d2.Paketversand.QuellId = TIntTrio();
                d2.Nachsort.KommBehWahlStates = {StateKlasse<TState_Aufgabe>(), StateKlasse<TState_VonPlatzScan>()};
                ChangeState(StateKlasse<TState_Kommissionierbehaelter>());
            });
        }));
    return false;
}

void TAbstractDetailState::ButtonsAusblendenUndFusszeileLeeren()
{
    FBtnArtikelNichtGefundenVisible = FMaske->BtnArtikelNichtGefundenVisible();
    FBtnArtNrHandEinVisible = FMaske->BtnArtNrHandEinVisible();
    FBtnBehaelterWechselVisible = FMaske->BtnBehaelterWechselVisible();
    FBtnBehaelterInfoVisible = FMaske->BtnBehaelterInfoVisible();
    FBtnLPSkippenVisible = FMaske->BtnLPSkippenVisible();
    FBtnWBSDruckVisible = FMaske->BtnWBSDruckVisible();
    FBtnBuchenVisible = FMaske->BtnBuchenVisible();
    FFussTipText = FussTipGet(FFussTipLang, FFussTipWarnung);
    for (auto setzen :
         {&TfrmMDE::BtnArtikelNichtGefundenVisible_Set, &TfrmMDE::BtnArtNrHandEinVisible_Set,
          &TfrmMDE::BtnBehaelterWechselVisible_Set, &TfrmMDE::BtnBehaelterInfoVisible_Set,
          &TfrmMDE::BtnLPSkippenVisible_Set, &TfrmMDE::BtnWBSDruckVisible_Set, &TfrmMDE::BtnBuchenVisible_Set})
        (FMaske->*setzen)(false);
    FussTipSet(QString(), false, false);
}

void TAbstractDetailState::ButtonsEinblendenUndFusszeileFuellen()
{
    FMaske->BtnArtikelNichtGefundenVisible_Set(FBtnArtikelNichtGefundenVisible);
    FMaske->BtnArtNrHandEinVisible_Set(FBtnArtNrHandEinVisible);
    FMaske->BtnBehaelterWechselVisible_Set(FBtnBehaelterWechselVisible);
    FMaske->BtnBehaelterInfoVisible_Set(FBtnBehaelterInfoVisible);
    FMaske->BtnLPSkippenVisible_Set(FBtnLPSkippenVisible);
    FMaske->BtnWBSDruckVisible_Set(FBtnWBSDruckVisible);
    FMaske->BtnBuchenVisible_Set(FBtnBuchenVisible);
    bool lang = false;
    const QString tip = FFussTipText.isEmpty() ? FussTip(lang) : FFussTipText;
    FussTipSet(tip, FFussTipText.isEmpty() ? lang : FFussTipLang, FFussTipText.isEmpty() ? false : FFussTipWarnung);
}

void TAbstractDetailState::BehaelterKnoepfeSchalten()
{
    const bool hl = FMaske->FModus == CZPMDEM_UmlagHL;
    FMaske->BtnBehaelterWechselVisible_Set(!hl);
    FMaske->BtnBehaelterInfoVisible_Set(!hl);
    FMaske->BtnWBSDruckVisible_Set(!hl && FMaske->Datentraeger_Get().Nachsort.KommBeh.KomBehAnLag == -1);
}

void TAbstractDetailState::BehaelterWechseln(const char* AName)
{
    TZAM_Hausregel::Ausfuehren(FBusy, AName, [&] {
        StateAufgabe()->Aufgabe_Entsperren_Und_StatusRuecksetzen();
        // The source is scanned again after the chooser.
        static_cast<TState_VonPlatzScan*>(FMaske->GiveState(StateKlasse<TState_VonPlatzScan>()))->VonLPEntsperren();
        TQIV_ZPMDE_Datentraeger& d = FMaske->Datentraeger_Get();
        d.Paketversand.QuellId = TIntTrio();
        d.Nachsort.KommBehWahlStates = {StateKlasse<TState_Aufgabe>(), StateKlasse<TState_VonPlatzScan>()};
        ChangeState(StateKlasse<TState_Kommissionierbehaelter>());
    });
}

void TAbstractDetailState::BehaelterInfo(const char* AName)
{
    // The storage information is not built yet.
    TZAM_Hausregel::Ausfuehren(FBusy, AName, [&] {
        throw EZAM_Exception(CZAM_Info_Fehler_Standard_FktNichtImplementiert, QString(), QString::fromLatin1(AName));
    });
}

void TAbstractDetailState::WBSDruckKlick(const char* AName)
{
    TZAM_Hausregel::Ausfuehren(FBusy, AName, [&] {
        const TQIV_ZPMDE_Nachsort_KomBeh& kb = FMaske->Datentraeger_Get().Nachsort.KommBeh;
        // The task is given back only once the slip is printed; a failed print keeps the step.
        if (!WBSDruck(kb.Kommissionierbehaelter, kb.KomBehAnFil))
            return;
        TState_Aufgabe* aufgabe = StateAufgabe();
        aufgabe->Aufgabe_Entsperren_Und_StatusRuecksetzen();
        // The container travels with its slip: the run goes on with another one.
        static_cast<TState_Kommissionierbehaelter*>(FMaske->GiveState(StateKlasse<TState_Kommissionierbehaelter>()))
            ->Init_Und_entsperren_Nachsort_KomBeh();
        if (!aufgabe->FAktAufgId.Defined()) {
            aufgabe->ChangeStateZurueck_Oder_ProgrammBeenden(true, DM_Torvik->FUmlagHLPrioModus);
            return;
        }
        FMaske->Datentraeger_Get().Nachsort.KommBehWahlStates = {StateKlasse<TState_Aufgabe>(),
                                                                 StateKlasse<TState_VonPlatzScan>()};
        ChangeState(StateKlasse<TState_Kommissionierbehaelter>());
    });
}

bool TAbstractDetailState::WBSDruck(const TIntTrio& ABehaelter, qint16 AZielFiliale)
{
    QString fehler;
    if (!DM_Torvik->WarenbegleitscheinFuerLagerorteDrucken(fehler, ABehaelter, AZielFiliale,
                                                           FMaske->FOptionen.Allgemein.DruckerWBS)) {
        if (!fehler.isEmpty())
            FussTipSet(fehler, true, true);
        return false;
    }
    // A container on its way to the branch is no parcel source any more.
    TIntTrio& quelle = FMaske->Datentraeger_Get().Paketversand.QuellId;
    if (quelle == ABehaelter)
        quelle = TIntTrio();
    return true;
}
