#include "TQIV_AufgabenLagerListe.h"

#include "IZAM_AufgabenEditServer.h"
#include "IZAM_LagerBewegungEditServer.h"
#include "TDM_Torvik.h"
#include "TVRList.h"
#include "TZAM_Hausregel.h"
#include "ZAMAufgabenCodes.h"
#include "ZAMLagerKonstanten.h"

#include <QSet>
#include <limits>

namespace TQIV_AufgabenLagerListe {

namespace {
TVRItem Wert(TVRValueType ATyp, TVRItem::TWert AWert)
{
    TVRItem i(ATyp);
    i.Setzen(ATyp, std::move(AWert));
    return i;
}

// A task row with the two columns of the pick list at the end.
int ZeileKopieren(TVRList& AZiel, const TVRList& AAufgaben, int AZeile, int ALaufwegPos)
{
    TVRArray zellen;
    zellen.reserve(size_t(AZiel.GetColumnCount()));
    for (int s = 0; s < AAufgaben.GetColumnCount(); ++s)
        zellen.push_back(AAufgaben.GetCell(AZeile, s));
    zellen.push_back(Wert(vrtInteger, ALaufwegPos));
    zellen.push_back(Wert(vrtBoolean, true));
    return AZiel.RowAdd(std::move(zellen));
}
} // namespace

void AufgabenLagerListe_CWN(std::unique_ptr<TVRList>& AListe, const TVRList& AAufgaben, int& ASpalteAktiv)
{
    TZAM_Hausregel::OhneBusy(
        "AufgabenLagerListe_CWN",
        [&] {
            if (!AListe) {
                AListe = std::make_unique<TVRList>();
                for (int s = 0; s < AAufgaben.GetColumnCount(); ++s)
                    AListe->ColumnAdd(AAufgaben.GetColumn(s));
                AListe->ColumnAdd(QStringLiteral("Laufwegposition"), vrtInteger, 80, false);
                AListe->ColumnAdd(QStringLiteral("Aktiv"), vrtBoolean, 40, false);
            }
            ASpalteAktiv = AListe->GetColumnCount() - 1;
        },
        false);
}

void Zeile_einfuegen(TVRList& AZiel, const TVRList& AAufgaben, int AZeile, const TZAM_AllokationsEintrag& AEintrag)
{
    TZAM_Hausregel::OhneBusy(
        "Zeile_einfuegen",
        [&] {
            const bool halle = TIntPair(AEintrag.LagerortId.Id1, AEintrag.LagerortId.Id2) == CZAM_Lagerverwaltung_Halle;
            const int r = ZeileKopieren(AZiel, AAufgaben, AZeile, halle ? CZAM_LaufwegPos_Halle : AEintrag.LaufwegPos);
            AZiel.SetCellValue(r, CMenge, Wert(vrtInteger, AEintrag.Menge));
            AZiel.SetCellValue(r, CLagerort, Wert(vrtString, AEintrag.Lagerort));
            AZiel.SetCellValue(r, CLagerortId, Wert(vrtIntTrio, AEintrag.LagerortId));
            AZiel.SetCellValue(r, CBehaelter, Wert(vrtString, AEintrag.Behaelter));
            AZiel.SetCellValue(r, CBehaelterId,
                               AEintrag.BehaelterId.Defined() ? Wert(vrtIntTrio, AEintrag.BehaelterId)
                                                              : TVRItem(vrtIntTrio));
        },
        false);
}

void ListeAnhaengen(TVRList& AZiel, const TVRList& AQuelle)
{
    TZAM_Hausregel::OhneBusy(
        "ListeAnhaengen",
        [&] {
            for (int r = 0; r < AQuelle.GetRowCount(); ++r)
                AZiel.RowAddFrom(AQuelle, r);
        },
        false);
}

void AufgabenListe_2_AufgabenLagerListe(std::unique_ptr<TVRList>& AListe, int ASortSpalte, bool ANurLaufweg,
                                        int AStartZeile, const TVRList& AAufgaben, int& ASpalteAktiv,
                                        const TZAM_LaufwegVerbotDict* AVerbote, const QList<TIntTrio>& ALaufwegPlaetze)
{
    TZAM_Hausregel::OhneBusy(
        "AufgabenListe_2_AufgabenLagerListe",
        [&] {
            AufgabenLagerListe_CWN(AListe, AAufgaben, ASpalteAktiv);
            TVRList& liste = *AListe;
            QSet<TIntTrio> beiseite;
            if (AStartZeile < 0)
                liste.RowsClear();
            else {
                while (liste.GetRowCount() > AStartZeile)
                    liste.RowDelete(liste.GetRowCount() - 1);
                for (int r = 0; r < liste.GetRowCount(); ++r)
                    beiseite.insert(liste.GetCellValueAsIntTrio(r, CAufgabenId));
            }
            IZAM_LagerBewegungEditServer* bewegung = DM_Torvik->LagerBewegungEditServer_GoC();
            IZAM_AufgabenEditServer* aufgaben = DM_Torvik->AufgabenEditServer_Temp_GoC();
            bewegung->Allokation_Zuruecksetzen();
            QList<QPair<TInt32Trio, int>> artikel;
            for (int r = 0; r < AAufgaben.GetRowCount(); ++r)
                if (AAufgaben.GetCellValueAsInteger(r, CRestmenge) > 0 &&
                    !beiseite.contains(AAufgaben.GetCellValueAsIntTrio(r, CAufgabenId)))
                    artikel.append({AAufgaben.GetCellValueAsInt32Trio(r, CProduktId),
                                    AAufgaben.GetCellValueAsInteger(r, CGrInd)});
            bewegung->Allokation_Vorbereiten(artikel, DM_Torvik->FAktLager);
            TVRList neu;
            for (int c = 0; c < liste.GetColumnCount(); ++c)
                neu.ColumnAdd(liste.GetColumn(c));
            const int laufwegSpalte = liste.GetColumnCount() - 2;
            for (int r = 0; r < AAufgaben.GetRowCount(); ++r) {
                const TIntTrio id = AAufgaben.GetCellValueAsIntTrio(r, CAufgabenId);
                if (beiseite.contains(id))
                    continue;
                TZAM_AufgabenAllokation a;
                a.LaufwegPlaetze = ALaufwegPlaetze;
                a.ProduktId = AAufgaben.GetCellValueAsInt32Trio(r, CProduktId);
                a.GrInd = AAufgaben.GetCellValueAsInteger(r, CGrInd);
                a.Preis = qRound64(AAufgaben.GetCellValueAsDouble(r, CPreis) * 100);
                a.Rest = AAufgaben.GetCellValueAsInteger(r, CRestmenge);
                if (a.Rest == 0) {
                    if (aufgaben)
                        aufgaben->Aufgabe_StatusAendern(id, CZAM_Aufgabe_Status_Erledigt);
                } else if (a.Rest < 0)
                    ZeileKopieren(neu, AAufgaben, r, std::numeric_limits<qint32>::max());
                else
                    for (const TZAM_AllokationsEintrag& e :
                         bewegung->Aufgabe_Allokieren(a, DM_Torvik->FAktLager, ANurLaufweg, AVerbote))
                        Zeile_einfuegen(neu, AAufgaben, r, e);
            }
            neu.Sort({{laufwegSpalte, srAufsteigend},
                      {CLagerort, srAufsteigend},
                      {CBehaelter, srAufsteigend},
                      {ASortSpalte, srAufsteigend},
                      {CGrInd, srAufsteigend},
                      {CAufgabenId, srAufsteigend}});
            ListeAnhaengen(liste, neu);
        },
        false);
}

} // namespace TQIV_AufgabenLagerListe
