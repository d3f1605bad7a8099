// The article list of the receipt, issue and relocation states: rows, sums, numeric keys, the
// folded quantities and the shortfall tests.
#include "TAbstractLagerZuAbGangState.h"

#include "TArtikelTools.h"
#include "TDM_Torvik.h"
#include "TQIV_ArtvLesenTools.h"
#include "TVRList.h"
#include "TVTVRListUpdate.h"
#include "TZAM_BewegungsDienste.h"
#include "TZAM_Hausregel.h"
#include "TfrmMDE.h"
#include "Vrtools.h"
#include "ZAMBestandsarten.h"

#include <QHash>
#include <initializer_list>

namespace {

constexpr qint64 Bestandsarten(std::initializer_list<int> ATypen)
{
    qint64 s = 0;
    for (int t : ATypen)
        s |= ZAMBestandsartBit(t);
    return s;
}

// Per product and size, in the order first met: the pieces of every branch together (a place's
// stock belongs to no branch).
using TGroessenSummen = QList<QPair<QPair<TInt32Trio, int>, int>>;
TGroessenSummen NachGroessenSummieren(const TZAM_MengenMitFil& AMengen)
{
    TGroessenSummen summen;
    QHash<QPair<TInt32Trio, int>, int> index;
    for (const TZAM_Intv100_Sortiment_MeMitProduktIdMitFil& v : AMengen)
        for (int gr = v.Menge.MinIndex; gr <= v.Menge.MaxIndex && zam_Intv100_IstGroesse(gr); ++gr) {
            const int menge = v.Menge.Me[gr];
            if (menge <= 0)
                continue;
            const QPair<TInt32Trio, int> schluessel{v.ProduktId, gr};
            const auto it = index.constFind(schluessel);
            if (it == index.cend()) {
                index.insert(schluessel, summen.size());
                summen.append({schluessel, menge});
            } else {
                summen[*it].second += menge;
            }
        }
    return summen;
}

} // namespace

const qint64 TAbstractLagerZuAbGangState::CBestandsartenVerteilen = Bestandsarten({1, 2, 3, 4, 7, 8, 9, 12, 14, 16});

TVRList& TAbstractLagerZuAbGangState::ZeilenListe()
{
    return FVRListe->RowChild_GoC(0);
}

const TVRList* TAbstractLagerZuAbGangState::Zeilen() const
{
    return FVRListe && FVRListe->GetRowCount() > 0 ? FVRListe->GetRowChild(0) : nullptr;
}

void TAbstractLagerZuAbGangState::ListeZeigen()
{
    TVTVRList* anzeige = FMaske->vtVRList;
    if (anzeige->IsUpdating() || anzeige->VRList_Get() != FVRListe.get())
        return;
    anzeige->Refresh();
    anzeige->expandAll();
}

void TAbstractLagerZuAbGangState::Summieren()
{
    if (!FVRListe || FVRListe->GetRowCount() == 0)
        return;
    const TVRList& zeilen = ZeilenListe();
    int summe = 0;
    for (int z = 0; z < zeilen.GetRowCount(); ++z)
        summe += zeilen.GetCellValueAsInteger(z, CMenge);
    const TZAM_Lagerbewegung_Modus modus = Modus();
    {
        const TVTVRListUpdate update(FMaske->vtVRList);
        FVRListe->SetCellValueAsInteger(0, CMenge, summe);
        // The branch column only where the branch is part of the booking and a row names one.
        FVRListe->SetColumnVisible(CFil, (modus == CZAM_LB_Modus_Lagerzugang || modus == CZAM_LB_Modus_Lagerabgang) &&
                                             FFilNrNotwendig);
    }
    ListeZeigen();
}

TVTVRKnoten TAbstractLagerZuAbGangState::AktuelleZeile_Get() const
{
    const TVTVRList* anzeige = FMaske->vtVRList;
    const TVRList* zeilen = Zeilen();
    if (anzeige->VRList_Get() != FVRListe.get() || !zeilen)
        return {};
    const TVTVRKnoten k = anzeige->GetFocusedNode();
    return k.Row == 0 && k.ChildRow >= 0 && k.ChildRow < zeilen->GetRowCount() ? k : TVTVRKnoten{};
}

void TAbstractLagerZuAbGangState::Zeile_Waehlen(int AZeile)
{
    const TVRList* zeilen = Zeilen();
    if (zeilen && AZeile >= 0 && AZeile < zeilen->GetRowCount())
        FMaske->vtVRList->SetFocusedNode({0, AZeile});
}

QString TAbstractLagerZuAbGangState::GroessenName(const TInt32Trio& AProduktId, int AGrInd) const
{
    TZAM_ArtikelInformationen info;
    if (TQIV_ArtvLesenTools* tools = DM_Torvik->ArtvLesenTools_GoC())
        tools->ArtikelInformationen_Lesen(AProduktId, AGrInd, -1, info);
    return info.LangGroesse;
}

void TAbstractLagerZuAbGangState::Artikel_Dazu(const TInt32Trio& AProduktId, int AGrInd, int AFilNr)
{
    TZAM_Hausregel::OhneBusy("TAbstractLagerZuAbGangState.Artikel_Dazu", [&] {
        TVRList& zeilen = ZeilenListe();
        int zeile = -1;
        for (int z = 0; z < zeilen.GetRowCount() && zeile < 0; ++z)
            if (zeilen.GetCellValueAsInteger(z, CFilNr) == AFilNr &&
                zeilen.GetCellValueAsInt32Trio(z, CProduktId) == AProduktId &&
                zeilen.GetCellValueAsInteger(z, CGrIdx) == AGrInd)
                zeile = z;
        QString filText;
        if (AFilNr == CFilialeAutomatisch) {
            filText = QStringLiteral("Auto.");
            FFilNrNotwendig = true;
        } else if (AFilNr > 0) {
            filText = QString::number(AFilNr);
            FFilNrNotwendig = true;
        }
        {
            const TVTVRListUpdate update(FMaske->vtVRList);
            if (zeile >= 0) {
                zeilen.SetCellValueAsInteger(zeile, CMenge, zeilen.GetCellValueAsInteger(zeile, CMenge) + 1);
                TVRItem manuell;
                Boolean2VRItem(false, manuell);
                zeilen.SetCellValue(zeile, CManuell, manuell);
            } else {
                TVRArray a = zeilen.VRArray_ForRowAdd_Generate();
                String2VRItem(filText, a[CFil]);
                Integer2VRItem(AFilNr, a[CFilNr]);
                String2VRItem(TArtikelTools::ProduktID_2_ArtNr_Formatted(AProduktId), a[CArtikel]);
                Int32Trio2VRItem(AProduktId, a[CProduktId]);
                Integer2VRItem(AGrInd, a[CGrIdx]);
                String2VRItem(GroessenName(AProduktId, AGrInd), a[CGroesse]);
                Integer2VRItem(1, a[CMenge]);
                Boolean2VRItem(false, a[CManuell]);
                zeile = zeilen.RowInsert(0, a);
            }
        }
        Summieren();
        Zeile_Waehlen(zeile);
    });
}

void TAbstractLagerZuAbGangState::NummernBlockEingabe(int AInt)
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TAbstractLagerZuAbGangState.NummernBlockEingabe", [&] {
        const TVTVRKnoten k = AktuelleZeile_Get();
        if (!k.IsValid())
            return;
        NummernBlockEingabe_2_Liste(AInt, CMenge, CManuell, k);
        Summieren();
        Zeile_Waehlen(k.ChildRow);
    });
}

void TAbstractLagerZuAbGangState::KeyBackSpace()
{
    TZAM_Hausregel::Ausfuehren(FBusy, "TAbstractLagerZuAbGangState.KeyBackSpace", [&] {
        const TVTVRKnoten k = AktuelleZeile_Get();
        if (!k.IsValid())
            return;
        KeyBackSpace_2_Liste(CMenge, CManuell, k);
        Summieren();
        Zeile_Waehlen(k.ChildRow);
    });
}

bool TAbstractLagerZuAbGangState::Mengen_Falten(TZAM_MengenMitFil& AMengen, QString& AMeldung, bool AVerteilen) const
{
    AMengen.clear();
    AMeldung.clear();
    const TVRList* zeilen = Zeilen();
    auto dazu = [&](const TInt32Trio& AProdukt, int AFiliale, int AGrInd, int AMenge) {
        for (TZAM_Intv100_Sortiment_MeMitProduktIdMitFil& v : AMengen)
            if (v.ProduktId == AProdukt && v.Filiale == AFiliale) {
                v.Menge.Me[AGrInd] += AMenge;
                v.Menge.MinMax_Bestimmen();
                return;
            }
        TZAM_Intv100_Sortiment_MeMitProduktIdMitFil v;
        v.ProduktId = AProdukt;
        v.Filiale = qint16(AFiliale);
        v.Menge.Init();
        v.Menge.Me[AGrInd] = AMenge;
        v.Menge.MinMax_Bestimmen();
        AMengen.append(v);
    };
    for (int z = 0; zeilen && z < zeilen->GetRowCount(); ++z) {
        const TInt32Trio produkt = zeilen->GetCellValueAsInt32Trio(z, CProduktId);
        const int grInd = zeilen->GetCellValueAsInteger(z, CGrIdx);
        const int menge = zeilen->GetCellValueAsInteger(z, CMenge);
        const int filiale = zeilen->GetCellValueAsInteger(z, CFilNr);
        if (menge <= 0 || !zam_Intv100_IstGroesse(grInd))
            continue;
        if (!AVerteilen || filiale != CFilialeAutomatisch) {
            dazu(produkt, filiale, grInd, menge);
            continue;
        }
        // Split by the branches' stock; a split that leaves pieces over would book fewer than
        // the worker counted, so the whole receipt or issue is refused instead.
        TQIV_MengeUFilialeArr teile;
        const bool verteilt = TZAM_BewegungsDienste::Lager(*DM_Torvik)
                                  .Menge_NachFilialen_Verteilen(teile, produkt, grInd, menge, DM_Torvik->FAktLager,
                                                                CBestandsartenVerteilen, 1);
        qint64 summe = 0;
        for (const TQIV_MengeUFiliale& t : std::as_const(teile))
            summe += t.Menge > 0 ? t.Menge : 0;
        if (!verteilt || summe != menge) {
            AMengen.clear();
            AMeldung = QStringLiteral("Automatische Filialverteilung für Artikel %1 nicht möglich!")
                           .arg(TArtikelTools::ProduktID_2_ArtNr_Formatted(produkt));
            return false;
        }
        for (const TQIV_MengeUFiliale& t : std::as_const(teile))
            if (t.Menge > 0)
                dazu(produkt, t.Filiale, grInd, t.Menge);
    }
    return true;
}

bool TAbstractLagerZuAbGangState::Bestand_Lesen(const TIntTrio& ALagerort, const TInt32Trio& AProduktId, int AGrInd,
                                                int& ABestand, QString& AMeldung)
{
    bool fehler = false;
    ABestand = DM_Torvik->Lagerbestand(ALagerort, AProduktId, AGrInd, fehler);
    if (fehler)
        AMeldung = TZAM_Hausregel::LetzterFehler();
    return !fehler;
}

QStringList TAbstractLagerZuAbGangState::FehlmengenTest(const TZAM_MengenMitFil& AMengen,
                                                        const TIntTrio& ALagerort) const
{
    QStringList zeilen;
    for (const auto& [schluessel, menge] : NachGroessenSummieren(AMengen)) {
        const int bestand = DM_Torvik->Lagerbestand(ALagerort, schluessel.first, schluessel.second);
        if (bestand < menge)
            zeilen << TArtikelTools::ProduktID_2_ArtNr_Formatted(schluessel.first) + QStringLiteral("   Gr. ") +
                          GroessenName(schluessel.first, schluessel.second) + QStringLiteral("   Fehl ") +
                          QString::number(menge - bestand);
    }
    return zeilen;
}

QStringList TAbstractLagerZuAbGangState::VerfBestandTest(const TZAM_MengenMitFil& AMengen) const
{
    QStringList zeilen;
    for (const auto& [schluessel, menge] : NachGroessenSummieren(AMengen)) {
        const int bestand = DM_Torvik->Realbestand(DM_Torvik->FAktLager, schluessel.first, schluessel.second);
        if (bestand < menge)
            zeilen << TArtikelTools::ProduktID_2_ArtNr_Formatted(schluessel.first) + QStringLiteral("   Gr. ") +
                          GroessenName(schluessel.first, schluessel.second) + QStringLiteral("   Fehl ") +
                          QString::number(menge - bestand);
    }
    return zeilen;
}
