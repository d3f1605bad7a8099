// How counted goods find their dispositions: the candidate branches, the open dispositions of a
// product in preference order, and the spread of the counted rows over them.
#include "TDM_Torvik.h"

#include "TQIV_ArtLesSimple.h"
#include "TQIV_VorgangDWSP_Iterator.h"
#include "TVRList.h"
#include "TZAM_AuftrFilListe.h"
#include "TZAM_Hausregel.h"
#include "Vrtools.h"
#include "ZAMFehler.h"
#include "ZAMInfoKoords.h"

#include <QDate>
#include <cmath>

namespace {
constexpr int CSegmentArtDispo = 45;

// The days between the disposition's date and today: the primary date, else the secondary one.
double TageBisHeute(const TQIV_VorgangDWSP_Iterator& AIterator)
{
    const QDate heute = QDate::currentDate();
    const QDate datum = AIterator.PrimaerDatum().isValid() ? AIterator.PrimaerDatum() : AIterator.SekundaerDatum();
    return datum.isValid() ? std::abs(double(datum.daysTo(heute))) : 0.0;
}

// The pieces of size AGr that the disposition's customer-order positions at branch AFiliale still
// expect.
int KundenAnteil(const TQIV_VorgangDWSP_Iterator& AIterator, qint16 AFiliale, int AGr)
{
    int anteil = 0;
    for (int i = 0; i < AIterator.SortimentePos_Anzahl(); ++i) {
        const TQIV_SortimentPos& pos = AIterator.SortimentePos(i);
        if (pos.Index != i)
            FehlerRaise(QStringLiteral("TDM_Torvik.WE_Buchen"), CZAM_Info_Fehler_Standard_LeseFehler,
                        QStringLiteral("Sortimente_Pos: ") + QString::number(pos.Index));
        if (pos.Filiale == AFiliale && pos.Menge.MinIndex <= AGr && AGr <= pos.Menge.MaxIndex)
            anteil += pos.Menge.Me[AGr];
    }
    return anteil;
}
} // namespace

void TDM_Torvik::WEGruppierteListe_Create(std::unique_ptr<TVRList>& AZiel, const TVRList& AZaehlliste,
                                          int AColProdId, int AColHerstId, int AColFilNr)
{
    AZiel.reset();
    TZAM_Hausregel::OhneBusy(
        "TDM_Torvik.WEGruppierteListe_Create",
        [&] {
            TVRGroupList gruppen;
            TVRGroup& g = gruppen.GroupAdd();
            for (const int spalte : {AColFilNr, AColProdId, AColHerstId})
                g.FunktionAdd(spalte, gfErsterWert);
            g.SpalteAdd(AColFilNr);
            g.SpalteAdd(AColProdId);
            AZiel = CreateGroupedVRList(AZaehlliste, gruppen, 0);
        },
        false);
}

QList<qint16> TDM_Torvik::FilialenErmitteln(const TIntPair& ALieferant, qint16 AFiliale)
{
    if (!WEFR_Und_EinlagerunsVersandhilfe_Get())
        return {AFiliale};
    // Branch reservation: the branches of the supplier's entry for this order branch, in order.
    QList<qint16> filialen;
    TZAM_AuftrFilListe* liste = AuftrFilListe_GoC();
    if (!liste)
        return filialen;
    liste->Koord_Lief_Id_Set(ALieferant);
    for (int e = 0; e < liste->AuftrFilNrN_Anz_Get(); ++e) {
        if (liste->AuftrFilNrN_Get(e) != AFiliale)
            continue;
        for (int i = 0; i < liste->AuftrFilNrN_FilAnz_Get(e); ++i)
            filialen << liste->AuftrFilNrN_FilNr_Get(e, i);
        break;
    }
    return filialen;
}

void TDM_Torvik::OffeneDisposErmitteln(const TInt32Trio& AProdukt_Id, const QList<qint16>& AFilialen,
                                       TQIV_DispoDaten_Dict& ADispos)
{
    ADispos.clear();
    TQIV_ArtLesSimple* leser = ArtLesSimple_GoC();
    const bool gelesen = TZAM_Hausregel::OhneBusy(
        "OffeneDisposErmitteln",
        [&] {
            if (!leser || !leser->Positionieren(AProdukt_Id))
                FehlerRaise(QStringLiteral("TDM_Torvik.WE_Buchen"), CZAM_Info_Fehler_Datei_Lesen,
                            QStringLiteral("Produkt-ID: ") + AProdukt_Id.ToText());
        },
        false);
    if (!gelesen)
        return;
    for (const TQIV_BewegungsSegment& segment : leser->BewegungsSegmente()) {
        if (segment.Art != CSegmentArtDispo)
            continue;
        QList<QPair<qint16, TZAM_Intv100_Sortiment_Me>> offen;
        leser->DI_Offen_Berechnen(segment, offen);
        TQIV_VorgangDWSP_Iterator* iterator = nullptr;
        double tage = 0;
        for (const auto& [filiale, menge] : offen) {
            if (!AFilialen.contains(filiale) || menge.IsEmpty())
                continue;
            if (!iterator) {
                iterator = VorgangDWSP_Iterator_GoC();
                const TZAM_DispoSatz* satz = leser->Dispo(segment.VorgId);
                if (!iterator || !satz)
                    FehlerRaise(QStringLiteral("TDM_Torvik.WE_Buchen"), CZAM_Info_Fehler_Standard_LeseFehler,
                                QStringLiteral("Vorg_Id: ") + segment.VorgId.ToText());
                iterator->Positionieren(*satz);
                tage = TageBisHeute(*iterator);
            }
            const bool imLager = FAktLagerFilialen.contains(filiale);
            for (int gr = menge.MinIndex; gr <= menge.MaxIndex; ++gr) {
                const int offenGr = menge.Me[gr];
                if (offenGr <= 0)
                    continue;
                const int kube = qMin(KundenAnteil(*iterator, filiale, gr), offenGr);
                if (offenGr - kube > 0)
                    ADispos[gr].append({segment.VorgId, filiale, imLager, tage, offenGr - kube, false});
                if (kube > 0)
                    ADispos[gr].append({segment.VorgId, filiale, imLager, tage, kube, true});
            }
        }
    }
    for (TQIV_DispoDaten_List& liste : ADispos)
        liste.Sortieren();
}

void TDM_Torvik::ZuBuchendeWEsErmitteln(const TVRList& AZeilen, int AColGrInd, int AColMenge, qint16 AFiliale,
                                        TQIV_DispoDaten_Dict& ADispos, TQIV_WeDaten_List& AWEs)
{
    AWEs.clear();
    for (int r = 0; r < AZeilen.GetRowCount(); ++r) {
        const int gr = AZeilen.GetCellValueAsInteger(r, AColGrInd);
        int menge = AZeilen.GetCellValueAsInteger(r, AColMenge);
        const auto kandidaten = ADispos.find(gr);
        if (kandidaten == ADispos.end()) {
            AWEs.append({TIntTrio(), AFiliale, gr, menge});
            continue;
        }
        // Later rows of the group see what the earlier ones left.
        for (TQIV_DispoDaten_Rec& k : *kandidaten) {
            if (k.Menge <= 0)
                continue;
            const int teil = qMin(menge, k.Menge);
            AWEs.append({k.VorgId, k.FilNr, gr, teil});
            k.Menge -= teil;
            menge -= teil;
            if (menge < 1)
                break;
        }
        if (menge <= 0)
            continue;
        // More than the dispositions take: onto the size's first line.
        const auto erste = std::find_if(AWEs.begin(), AWEs.end(), [&](const TQIV_WeDaten_Rec& w) { return w.GrInd0 == gr; });
        if (erste != AWEs.end())
            erste->Menge += menge;
        else if (!kandidaten->isEmpty())
            AWEs.append({kandidaten->first().VorgId, kandidaten->first().FilNr, gr, menge});
        else
            AWEs.append({TIntTrio(), AFiliale, gr, menge});
    }
}
