#include "TQIV_State_WEPlus_ErmittlungAuftragsNr.h"

#include "TArtikelTools.h"
#include "TDM_Torvik.h"
#include "TQIV_ArtvLesenTools.h"
#include "TQIV_Meldung_Options.h"
#include "TQIV_State_WEPlus_EingabeAuftragsNr.h"
#include "TQIV_WEPlus_ArtikelScan.h"
#include "TVRGroupList.h"
#include "TVTVRListUpdate.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "Vrtools.h"

#include <QRegularExpression>

namespace {
// The article list: one row per scanned product and size.
enum : int { CObProdukt, CObGrInd, CObHerstId, CObHersteller, CObHerstArtNr, CObGroesse, CObMenge };
// The order list: one row per branch vector of an open disposition, grouped per order.
enum : int {
    CUnSchluessel,
    CUnProdukt,
    CUnDispo,
    CUnAuftrag,
    CUnNrDatum,
    CUnDispoDatum,
    CUnLieferMin,
    CUnLieferMax,
    CUnMenge,
    CUnLiefertermin
};

// The program's short date; the order list shortens it.
const QString CKurzesDatum = QStringLiteral("dd.MM.yyyy");

// Size indices as the article list compares them: a signed byte, so the code 255 (no size) is
// -1 like a row of every size.
int GrIndVergleich(int AGrInd)
{
    return qint8(AGrInd);
}

bool AlleGroessen(int AGrInd)
{
    return GrIndVergleich(AGrInd) < 0 || AGrInd >= CZAM_Intv100_Anzahl;
}

void DatumSetzen(const QDateTime& ADatum, TVRItem& AItem)
{
    if (ADatum.date().isValid())
        Date2VRItem(ADatum.date(), AItem);
    else
        VRItem2Null(AItem);
}

// A group row's earliest or latest date: an empty date never wins.
void DatumGruppieren(const TVRList& AQuelle, int AQuellZeile, TVRList& AZiel, int AZielZeile, int ASpalte, bool AMin)
{
    const QDate d = AQuelle.GetCellValueAsDate(AQuellZeile, ASpalte);
    const QDate bisher = AZiel.GetCellValueAsDate(AZielZeile, ASpalte);
    if (!d.isValid() || (bisher.isValid() && (AMin ? d >= bisher : d <= bisher)))
        return;
    TVRItem wert(vrtDate);
    Date2VRItem(d, wert);
    AZiel.SetCellValue(AZielZeile, ASpalte, wert);
}

template <class T> void EinmalAnhaengen(QList<T>& AListe, const T& AWert)
{
    if (!AListe.contains(AWert))
        AListe.append(AWert);
}
} // namespace

TQIV_State_WEPlus_ErmittlungAuftragsNr::TQIV_State_WEPlus_ErmittlungAuftragsNr(TfrmMDE* AMaske)
    : TAbstractDoppelVRListState(AMaske), FShortFormatSettings(QString(CKurzesDatum).replace(QStringLiteral("yyyy"),
                                                                                              QStringLiteral("yy"))),
      FVeryShortFormatSettings(QString(CKurzesDatum).remove(QRegularExpression(QStringLiteral("[yY]"))))
{
}

TQIV_State_WEPlus_ErmittlungAuftragsNr::~TQIV_State_WEPlus_ErmittlungAuftragsNr()
{
    TZAM_Hausregel::Zerstoeren("TQIV_State_WEPlus_ErmittlungAuftragsNr.Destroy", [&] {
        if (FGrupperteAuftragsliste && FMaske->vtVRListUnten->VRList_Get() == FGrupperteAuftragsliste.get())
            FMaske->vtVRListUnten->VRList_Set(nullptr);
        FGrupperteAuftragsliste.reset();
    });
}

void TQIV_State_WEPlus_ErmittlungAuftragsNr::Aktivieren(TfrmMDE* AMaske, const TInt32Trio& AProduktId, int AGrInd)
{
    const TStateKlasse* klasse = StateKlasse<TQIV_State_WEPlus_ErmittlungAuftragsNr>();
    AMaske->ChangeState(klasse);
    if (AProduktId.Defined())
        static_cast<TQIV_State_WEPlus_ErmittlungAuftragsNr*>(AMaske->GiveState(klasse))
            ->Gescannt_Artikel(true, AProduktId, AGrInd);
}

void TQIV_State_WEPlus_ErmittlungAuftragsNr::VRListen_CIN()
{
    if (!FVRListeOben) {
        FVRListeOben = std::make_unique<TVRList>();
        FVRListeOben->ColumnAdd(QString(), vrtInt32Trio, 0, false);
        FVRListeOben->ColumnAdd(QString(), vrtInteger, 0, false);
        FVRListeOben->ColumnAdd(QString(), vrtIntPair, 0, false);
        FVRListeOben->ColumnAdd(QStringLiteral("Herst."), vrtString, 75);
        FVRListeOben->ColumnAdd(QStringLiteral("Herst.ArtNr."), vrtString, 65);
        FVRListeOben->ColumnAdd(QStringLiteral("Gr."), vrtString, 95);
        FVRListeOben->ColumnAdd(QStringLiteral("Me"), vrtInteger, 30, true, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (!FVRListeUnten) {
        FVRListeUnten = std::make_unique<TVRList>();
        FVRListeUnten->ColumnAdd(QString(), vrtString, 0, false);
        FVRListeUnten->ColumnAdd(QString(), vrtInt32Trio, 0, false);
        FVRListeUnten->ColumnAdd(QString(), vrtIntTrio, 0, false);
        FVRListeUnten->ColumnAdd(QString(), vrtIntPair, 0, false);
        FVRListeUnten->ColumnAdd(QStringLiteral("Nr/Datum"), vrtString, 115);
        FVRListeUnten->ColumnAdd(QString(), vrtDate, 0, false);
        FVRListeUnten->ColumnAdd(QString(), vrtDate, 0, false);
        FVRListeUnten->ColumnAdd(QString(), vrtDate, 0, false);
        FVRListeUnten->ColumnAdd(QStringLiteral("Me"), vrtInteger, 30, true, Qt::AlignRight | Qt::AlignVCenter);
        FVRListeUnten->ColumnAdd(QStringLiteral("Liefertermin"), vrtString, 125);
    }
    FVRListeOben->RowsClear();
    FVRListeUnten->RowsClear();
}

void TQIV_State_WEPlus_ErmittlungAuftragsNr::StateAnfangMaskeMalen()
{
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_ErmittlungAuftragsNr.StateAnfangMaskeMalen", [&] {
        VRListen_CIN();
        FGrupperteAuftragsliste = CreateCopyVRList(*FVRListeUnten);
        FEindeutigeAuftrNr.Clear();
        FEindeutigeDIOhneAuftr.Clear();
        const int schrift = FMaske->FOptionen.Nachsort.ListeFontSize;
        for (auto [anzeige, liste] : {std::pair{FMaske->vtVRListOben, FVRListeOben.get()},
                                      std::pair{FMaske->vtVRListUnten, FGrupperteAuftragsliste.get()}}) {
            anzeige->VRList_Set(liste);
            TVTVRList_GroesseAnpassen(anzeige, schrift);
            anzeige->Refresh();
            anzeige->expandAll();
        }
    });
}

void TQIV_State_WEPlus_ErmittlungAuftragsNr::ButtonsSchalten_Speziell()
{
    FMaske->BtnBuchenVisible_Set(true);
    FMaske->BtnArtikelbildAnzVisible_Set(true);
}

QString TQIV_State_WEPlus_ErmittlungAuftragsNr::FussTip(bool& ALang)
{
    ALang = true;
    return QStringLiteral("Bitte die gelieferten Artikel möglichst unsortiert scannen!");
}

void TQIV_State_WEPlus_ErmittlungAuftragsNr::Tip_Standard()
{
    bool lang = true;
    FussTipSet(FussTip(lang), lang, false);
}

void TQIV_State_WEPlus_ErmittlungAuftragsNr::Gescannt(const QString& AText,
                                                       TZAM_UmgesetztUArtikelScanDaten& AScanndaten)
{
    TQIV_WEPlus_ArtikelScan::Gescannt(this, FBusy, "TQIV_State_WEPlus_ErmittlungAuftragsNr.Gescannt", AText, AScanndaten,
                                      [this](bool AOk, const TInt32Trio& AProdukt, int AGrInd) {
                                          Gescannt_Artikel(AOk, AProdukt, AGrInd);
                                      });
}

void TQIV_State_WEPlus_ErmittlungAuftragsNr::Gescannt_Artikel(bool AOk, const TInt32Trio& AProduktId, int AGrInd)
{
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_ErmittlungAuftragsNr.Gescannt_Artikel", [&] {
        if (!AOk)
            return;
        Warnung_Ruecksetzen();
        Tip_Standard();
        VRListeOben_ArtikelHinzu(AProduktId, AGrInd);
        if (VRListeUnten_AuftragHinzu(AProduktId, AGrInd))
            Tip_Standard();
    });
}

int TQIV_State_WEPlus_ErmittlungAuftragsNr::VRListeOben_ZeileSuchen(const TInt32Trio& AProduktId,
                                                                    std::optional<int> AGrInd) const
{
    for (int z = 0; z < FVRListeOben->GetRowCount(); ++z)
        if (FVRListeOben->GetCellValueAsInt32Trio(z, CObProdukt) == AProduktId &&
            (!AGrInd || GrIndVergleich(FVRListeOben->GetCellValueAsInteger(z, CObGrInd)) == GrIndVergleich(*AGrInd)))
            return z;
    return -1;
}

void TQIV_State_WEPlus_ErmittlungAuftragsNr::VRListeOben_ArtikelHinzu(const TInt32Trio& AProduktId, int AGrInd)
{
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_ErmittlungAuftragsNr.VRListeOben_ArtikelHinzu", [&] {
        TVTVRList* anzeige = FMaske->vtVRListOben;
        {
            const TVTVRListUpdate update(anzeige);
            const int z = VRListeOben_ZeileSuchen(AProduktId, AGrInd);
            if (z >= 0) {
                FVRListeOben->SetCellValueAsInteger(z, CObMenge, FVRListeOben->GetCellValueAsInteger(z, CObMenge) + 1);
            } else {
                // Every size: the information of the grid's first size, without its name.
                TQIV_Intv100_Sortiment_QIV_GG gg;
                TArtikelTools::GetGG_4_ProdId(AProduktId, gg);
                const int groesse = !AlleGroessen(AGrInd) ? AGrInd : gg.IstLeer() ? 0 : gg.Indizes().first();
                TVRArray a = FVRListeOben->VRArray_ForRowAdd_Generate();
                Int32Trio2VRItem(AProduktId, a[CObProdukt]);
                Integer2VRItem(AGrInd, a[CObGrInd]);
                // Another size of an article listed already: its information is in that row.
                if (const int gleich = VRListeOben_ZeileSuchen(AProduktId, std::nullopt); gleich >= 0) {
                    for (int c : {CObHerstId, CObHersteller, CObHerstArtNr})
                        a[c] = FVRListeOben->GetCell(gleich, c);
                } else {
                    TZAM_ArtikelInformationen info;
                    if (TQIV_ArtvLesenTools* artikel = DM_Torvik->ArtvLesenTools_GoC())
                        artikel->ArtikelInformationen_Lesen(AProduktId, groesse, 0, info);
                    IntPair2VRItem(info.HerstId, a[CObHerstId]);
                    String2VRItem(info.Hersteller, a[CObHersteller]);
                    String2VRItem(info.HerstellerArtNr, a[CObHerstArtNr]);
                }
                String2VRItem(groesse == AGrInd ? gg.LangGroesse(groesse) : QString(), a[CObGroesse]);
                Integer2VRItem(1, a[CObMenge]);
                FVRListeOben->RowAdd(std::move(a));
            }
        }
        anzeige->clearSelection();
        for (int z = 0; z < FVRListeOben->GetRowCount(); ++z)
            if (FVRListeOben->GetCellValueAsInt32Trio(z, CObProdukt) == AProduktId)
                anzeige->SelectNode({z, -1});
    });
}

void TQIV_State_WEPlus_ErmittlungAuftragsNr::Kandidaten_Eingrenzen(TIntPairList& AAuftraege, TIntTrioList& ADispos,
                                                                   int ANurZeile)
{
    FEinzelneDispo.Clear();
    const TQIV_WEPlus_DatenCache leer;
    for (int z = qMax(ANurZeile, 0); z < (ANurZeile < 0 ? FVRListeOben->GetRowCount() : ANurZeile + 1); ++z) {
        const TInt32Trio produkt = FVRListeOben->GetCellValueAsInt32Trio(z, CObProdukt);
        const int grInd = FVRListeOben->GetCellValueAsInteger(z, CObGrInd);
        const int anzahl = FVRListeOben->GetCellValueAsInteger(z, CObMenge);
        QList<TQIV_Dispo_Info> dispos;
        DM_Torvik->Dispos_4_AuftragsNrN(leer, produkt, AlleGroessen(grInd) ? -1 : grInd, AAuftraege, ADispos, dispos);
        AAuftraege.clear();
        ADispos.clear();
        if (dispos.isEmpty())
            return;
        // What an order or a disposition still takes, over all its branch lines.
        QHash<QString, qint64> offen;
        auto schluessel = [](const TQIV_Dispo_Info& AD) {
            return AD.Menge.AuftrNr.Defined() ? AD.Menge.AuftrNr.ToTextUnformatted(9)
                                               : AD.Vorgang.ToTextUnformatted(9);
        };
        for (const TQIV_Dispo_Info& d : dispos) {
            const TZAM_Intv100_Sortiment_Me& me = d.Menge.FilialeMenge.Me;
            offen[schluessel(d)] += AlleGroessen(grInd) ? me.Sum() : me.Menge(grInd);
        }
        for (const TQIV_Dispo_Info& d : dispos) {
            if (offen.value(schluessel(d)) < anzahl)
                continue;
            if (d.Menge.AuftrNr.Defined()) {
                EinmalAnhaengen(AAuftraege, d.Menge.AuftrNr);
            } else if (!ADispos.contains(d.Vorgang)) {
                ADispos.append(d.Vorgang);
                if (ADispos.size() == 1)
                    FEinzelneDispo = d;
                else
                    FEinzelneDispo.Clear();
            }
        }
    }
}

bool TQIV_State_WEPlus_ErmittlungAuftragsNr::VRListeUnten_AuftragHinzu(const TInt32Trio& AProduktId, int AGrInd)
{
    return TZAM_Hausregel::ErgebnisOhneBusy("TQIV_State_WEPlus_ErmittlungAuftragsNr.VRListeUnten_AuftragHinzu", false,
                                            [&] {
        FEindeutigeAuftrNr.Clear();
        FEindeutigeDIOhneAuftr.Clear();
        FEinzelneDispo.Clear();
        TIntPairList auftraege;
        TIntTrioList dispos;
        // The candidates of the order list take every other row already: only the scanned one is
        // checked again. Anew from the article, every row is.
        const bool fortsetzen = FVRListeUnten->GetRowCount() > 0;
        if (fortsetzen) {
            for (int z = 0; z < FVRListeUnten->GetRowCount(); ++z) {
                const TIntPair auftrag = FVRListeUnten->GetCellValueAsIntPair(z, CUnAuftrag);
                if (auftrag.Defined())
                    EinmalAnhaengen<TIntPair>(auftraege, auftrag);
                else
                    EinmalAnhaengen<TIntTrio>(dispos, FVRListeUnten->GetCellValueAsIntTrio(z, CUnDispo));
            }
        } else if (!DM_Torvik->AuftragsNrN_4_ProduktId(AProduktId, AlleGroessen(AGrInd) ? -1 : AGrInd, auftraege,
                                                        dispos)) {
            FussTipSet(QStringLiteral("%1 wurde in keinem offenen Auftrag / Dispo gefunden!")
                           .arg(TArtikelTools::ProduktID_2_ArtNr_Formatted(AProduktId)),
                       true, true);
            return false;
        }
        Kandidaten_Eingrenzen(auftraege, dispos, fortsetzen ? VRListeOben_ZeileSuchen(AProduktId, AGrInd) : -1);
        VRListeUnten_Fuellen(auftraege, dispos, !fortsetzen);
        if (auftraege.size() == 1 && dispos.isEmpty())
            FEindeutigeAuftrNr = auftraege.first();
        else if (auftraege.isEmpty() && dispos.size() == 1)
            FEindeutigeDIOhneAuftr = FEinzelneDispo;
        return FVRListeUnten->GetRowCount() > 0;
    });
}

void TQIV_State_WEPlus_ErmittlungAuftragsNr::VRListeUnten_Fuellen(const TIntPairList& AAuftraege,
                                                                  const TIntTrioList& ADispos, bool ANeuLesen)
{
    QList<TQIV_DispoWE_Info> offen;
    if (ANeuLesen)
        DM_Torvik->OffeneDispos_4_AuftragsNrN_Und_VorgIds(AAuftraege, ADispos, offen);
    TVTVRList* anzeige = FMaske->vtVRListUnten;
    {
        const TVTVRListUpdate update(anzeige);
        if (ANeuLesen) {
            FVRListeUnten->RowsClear();
            for (const TQIV_DispoWE_Info& d : offen)
                VRListeUnten_DispoHinzu(d);
            GruppierteAuftragsliste_Get();
            anzeige->VRList_Set(FGrupperteAuftragsliste.get());
        } else {
            // The rows of the candidates left stay as read when the list was started, and so do
            // their group rows (a group row names its order or disposition as its rows do).
            for (TVRList* liste : {FVRListeUnten.get(), FGrupperteAuftragsliste.get()})
                for (int z = liste->GetRowCount() - 1; z >= 0; --z) {
                    const TIntPair auftrag = liste->GetCellValueAsIntPair(z, CUnAuftrag);
                    if (auftrag.Defined() ? !AAuftraege.contains(auftrag)
                                          : !ADispos.contains(liste->GetCellValueAsIntTrio(z, CUnDispo)))
                        liste->RowDelete(z);
                }
        }
        if (FVRListeUnten->GetRowCount() == 0)
            FussTipSet(QStringLiteral("Kein gemeinsamer offener Auftrag / Dispo für die Artikel!"), true, true);
    }
    anzeige->expandAll();
}

void TQIV_State_WEPlus_ErmittlungAuftragsNr::VRListeUnten_DispoHinzu(const TQIV_DispoWE_Info& AD)
{
    const bool mitAuftrag = AD.AuftragsNr.Defined();
    TVRArray a = FVRListeUnten->VRArray_ForRowAdd_Generate();
    String2VRItem(mitAuftrag ? AD.AuftragsNr.ToTextUnformatted(9) : AD.Vorgang.ToTextUnformatted(9), a[CUnSchluessel]);
    String2VRItem(mitAuftrag ? QStringLiteral("Auftr ") + AD.AuftragsNr.ToText(0, false, false, 9)
                             : QStringLiteral("Dispo ") + AD.Preis.DispoDatum.date().toString(FVeryShortFormatSettings),
                  a[CUnNrDatum]);
    Int32Trio2VRItem(AD.ProduktID, a[CUnProdukt]);
    IntTrio2VRItem(AD.Vorgang, a[CUnDispo]);
    if (mitAuftrag)
        IntPair2VRItem(AD.AuftragsNr, a[CUnAuftrag]);
    DatumSetzen(AD.Preis.DispoDatum, a[CUnDispoDatum]);
    DatumSetzen(AD.Preis.LieferFrueh, a[CUnLieferMin]);
    DatumSetzen(AD.Preis.LieferFrueh, a[CUnLieferMax]);
    String2VRItem(AD.Preis.LieferFrueh.date().toString(CKurzesDatum), a[CUnLiefertermin]);
    // One row per branch vector, the same but for its quantity.
    for (const TZAM_Intv100_Sortiment_MeMitFilUndVerweis& filiale : AD.Filialen) {
        Integer2VRItem(int(filiale.Me.Sum()), a[CUnMenge]);
        FVRListeUnten->RowAdd(a);
    }
}

void TQIV_State_WEPlus_ErmittlungAuftragsNr::GruppierteAuftragsliste_Get()
{
    TVRGroupList gruppen;
    TVRGroup& g = gruppen.GroupAdd();
    g.SpalteAdd(CUnSchluessel);
    for (int c = 0; c < FVRListeUnten->GetColumnCount(); ++c) {
        if (c == CUnMenge)
            g.FunktionAdd(c, gfSumme);
        else if (c == CUnLieferMin)
            g.FunktionAdd(c, gfMethode, VRGroupMethode(this, &TQIV_State_WEPlus_ErmittlungAuftragsNr::GroupMethodMinLTM));
        else if (c == CUnLieferMax)
            g.FunktionAdd(c, gfMethode, VRGroupMethode(this, &TQIV_State_WEPlus_ErmittlungAuftragsNr::GroupMethodMaxLTM));
        else if (c != CUnLiefertermin)
            g.FunktionAdd(c, gfErsterWert);
    }
    // After the earliest and the latest date are known.
    g.FunktionAdd(CUnLiefertermin, gfMethode,
                  VRGroupMethode(this, &TQIV_State_WEPlus_ErmittlungAuftragsNr::LTM_Aus_LTMMinUMax));
    FGrupperteAuftragsliste = CreateGroupedVRList(*FVRListeUnten, gruppen);
}

void TQIV_State_WEPlus_ErmittlungAuftragsNr::GroupMethodMinLTM(const TVRList& AQuelle, int AQuellZeile, TVRList& AZiel,
                                                               int AZielZeile, int, int ASpalte)
{
    DatumGruppieren(AQuelle, AQuellZeile, AZiel, AZielZeile, ASpalte, true);
}

void TQIV_State_WEPlus_ErmittlungAuftragsNr::GroupMethodMaxLTM(const TVRList& AQuelle, int AQuellZeile, TVRList& AZiel,
                                                               int AZielZeile, int, int ASpalte)
{
    DatumGruppieren(AQuelle, AQuellZeile, AZiel, AZielZeile, ASpalte, false);
}

void TQIV_State_WEPlus_ErmittlungAuftragsNr::LTM_Aus_LTMMinUMax(const TVRList&, int, TVRList& AZiel, int AZielZeile, int,
                                                                int ASpalte)
{
    const QDate von = AZiel.GetCellValueAsDate(AZielZeile, CUnLieferMin);
    const QDate bis = AZiel.GetCellValueAsDate(AZielZeile, CUnLieferMax);
    const QString text = !von.isValid() || !bis.isValid() || von == bis
                             ? (von.isValid() ? von : bis).toString(CKurzesDatum)
                             : von.toString(FShortFormatSettings) + QLatin1Char('-') + bis.toString(FShortFormatSettings);
    AZiel.SetCellValueAsString(AZielZeile, ASpalte, text);
}

void TQIV_State_WEPlus_ErmittlungAuftragsNr::AuswahlEntsperren()
{
    auto& w = FMaske->Datentraeger_Get().WEPlus;
    DM_Torvik->Auftraege_Entsperren(w.VELTAuftragsNrN, w.DispoOhneAuftrNr.Vorgang);
    w.VELTAuftragsNrN.clear();
    w.DispoOhneAuftrNr.Clear();
}

void TQIV_State_WEPlus_ErmittlungAuftragsNr::vtVRListUntenColumnNodeClick(int, const TVTVRKnoten& ANode)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TQIV_State_WEPlus_ErmittlungAuftragsNr.vtVRListUntenColumnNodeClick", [&] {
        if (!ANode.IsValid())
            return;
        Warnung_Ruecksetzen();
        Tip_Standard();
        AuswahlEntsperren();
        auto& w = FMaske->Datentraeger_Get().WEPlus;
        const TVTVRList* l = FMaske->vtVRListUnten;
        const TIntPair auftrag = l->GetCellValueAsIntPair(ANode, CUnAuftrag);
        if (auftrag.Defined()) {
            w.VELTAuftragsNrN.append(auftrag);
        } else {
            w.DispoOhneAuftrNr.Vorgang = l->GetCellValueAsIntTrio(ANode, CUnDispo);
            w.DispoOhneAuftrNr.ProduktID = l->GetCellValueAsInt32Trio(ANode, CUnProdukt);
            w.DispoOhneAuftrNr.Preis.DispoDatum = l->GetCellValueAsDate(ANode, CUnDispoDatum).startOfDay();
            w.DispoOhneAuftrNr.Preis.LieferFrueh = l->GetCellValueAsDate(ANode, CUnLieferMin).startOfDay();
        }
        AuftragOderDispoAusgewaehlt();
    });
}

void TQIV_State_WEPlus_ErmittlungAuftragsNr::btnBuchenClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TQIV_State_WEPlus_ErmittlungAuftragsNr.btnBuchenClick", [&] {
        AuswahlEntsperren();
        auto& w = FMaske->Datentraeger_Get().WEPlus;
        if (FEindeutigeAuftrNr.Defined()) {
            w.VELTAuftragsNrN.append(FEindeutigeAuftrNr);
        } else if (!FEindeutigeDIOhneAuftr.Vorgang.IsNull()) {
            w.DispoOhneAuftrNr = FEindeutigeDIOhneAuftr;
        } else {
            FussTipSet(QStringLiteral("Bitte Auftrag/Dispo anklicken oder weitere Artikel scannen."), true, true);
            return;
        }
        AuftragOderDispoAusgewaehlt();
    });
}

void TQIV_State_WEPlus_ErmittlungAuftragsNr::AuftragOderDispoAusgewaehlt()
{
    TZAM_Hausregel::OhneBusy("TQIV_State_WEPlus_ErmittlungAuftragsNr.AuftragOderDispoAusgewaehlt", [&] {
        auto& w = FMaske->Datentraeger_Get().WEPlus;
        QString meldung;
        if (!DM_Torvik->Auftraege_Sperren(w.VELTAuftragsNrN, w.DispoOhneAuftrNr.Vorgang, meldung)) {
            w.VELTAuftragsNrN.clear();
            w.DispoOhneAuftrNr.Clear();
            FMaske->MeldungAn(TQIV_Meldung_Options::Kurz(meldung, false, {}));
            return;
        }
        // The capture names the order it receives.
        w.AuftragsnummerStr = w.VELTAuftragsNrN.isEmpty() ? QString() : w.VELTAuftragsNrN.first().ToText(0, false, false, 9);
        static_cast<TQIV_State_WEPlus_EingabeAuftragsNr*>(
            FMaske->GiveState(StateKlasse<TQIV_State_WEPlus_EingabeAuftragsNr>()))
            ->SicherheitsAbfrage_Sortimentsweise();
    });
}

void TQIV_State_WEPlus_ErmittlungAuftragsNr::vtVRListObenColumnNodeClick(int, const TVTVRKnoten& ANode)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TQIV_State_WEPlus_ErmittlungAuftragsNr.vtVRListObenColumnNodeClick",
                               [&] { DoArtikelbildAnz_An(ANode); });
}

void TQIV_State_WEPlus_ErmittlungAuftragsNr::ArtikelbildAnz_An()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TQIV_State_WEPlus_ErmittlungAuftragsNr.ArtikelbildAnz_An", [&] {
        const QList<TVTVRKnoten> gewaehlt = FMaske->vtVRListOben->GetSelectedNodes();
        DoArtikelbildAnz_An(gewaehlt.isEmpty() ? TVTVRKnoten{} : gewaehlt.first());
    });
}

void TQIV_State_WEPlus_ErmittlungAuftragsNr::DoArtikelbildAnz_An(const TVTVRKnoten& ANode)
{
    if (!ANode.IsValid()) {
        FussTipSet(QStringLiteral("Bitte zuerst einen Artikel auswählen."), true, true);
        return;
    }
    FMaske->BildAn(FMaske->vtVRListOben->GetCellValueAsInt32Trio(ANode, CObProdukt), {});
}

void TQIV_State_WEPlus_ErmittlungAuftragsNr::btnZurueckClick()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TQIV_State_WEPlus_ErmittlungAuftragsNr.btnZurueckClick",
                               [&] { ChangeState(StateKlasse<TQIV_State_WEPlus_EingabeAuftragsNr>()); });
}
