#include "TIntTrioList.h"
#include "TQIV_AufgabenLagerListe.h"
#include "TQIV_Optionen_OBMDE.h"
#include "TVRList.h"
#include "TVTVRList.h"
#include "TZAM_Hausregel.h"

#include <QStringList>

namespace TQIV_AufgabenLagerListe {

void SpaltenKonfiguration_2_Aufgabenliste(TVTVRList& AAnsicht, TVRList& AListe, const QList<int>& ASpalten)
{
    TZAM_Hausregel::OhneBusy(
        "SpaltenKonfiguration_2_Aufgabenliste",
        [&] {
            QList<int> spalten;
            for (int s : ASpalten.isEmpty() ? TQIV_Optionen_OBMDE::Optionen_StdSpalten() : ASpalten)
                if (s >= 0 && s < AListe.GetColumnCount() && !spalten.contains(s))
                    spalten << s;
            for (int s = 0; s < AListe.GetColumnCount(); ++s)
                AListe.SetColumnVisible(s, spalten.contains(s));
            AAnsicht.SpaltenReihenfolge_Set(spalten);
            if (!spalten.isEmpty())
                AAnsicht.Hauptspalte_Set(spalten.first());
            AAnsicht.Refresh();
        },
        false);
}

void Aufgabenliste_Zeilen_unsichtbar_schalten(TVTVRList& AAnsicht, const TVRList& AListe, TZAM_AufgabenZeigen AZeigen,
                                              TIntTrioList* ASichtbareImLaufweg)
{
    TZAM_Hausregel::OhneBusy(
        "Aufgabenliste_Zeilen_unsichtbar_schalten",
        [&] {
            if (ASichtbareImLaufweg)
                ASichtbareImLaufweg->clear();
            const int laufwegSpalte = AListe.GetColumnCount() - 2;
            for (int r = 0; r < AListe.GetRowCount(); ++r) {
                const bool mitLP = AListe.GetCellValueAsIntTrio(r, CLagerortId).Defined();
                const bool mitBeh = AListe.GetCellValueAsIntTrio(r, CBehaelterId).Defined();
                const bool sichtbar = AZeigen == azNurMitLP          ? mitLP
                                      : AZeigen == azNurMitLPOderBeh ? mitLP || mitBeh
                                                                     : true;
                AAnsicht.ZeileSichtbar_Set(r, sichtbar);
                const TIntTrio id = AListe.GetCellValueAsIntTrio(r, CAufgabenId);
                if (sichtbar && ASichtbareImLaufweg &&
                    AListe.GetCellValueAsInteger(r, laufwegSpalte) < CZAM_LaufwegPos_AusserhalbLaufweg &&
                    !ASichtbareImLaufweg->contains(id))
                    ASichtbareImLaufweg->append(id);
            }
            if (ASichtbareImLaufweg)
                ASichtbareImLaufweg->Sort();
        },
        false);
}

void Aufgabenliste_Shorten_Captions(TVRList& AListe)
{
    TZAM_Hausregel::OhneBusy(
        "Aufgabenliste_Shorten_Captions",
        [&] {
            static const QStringList GKurz = {"Art",
                                              "Kennung",
                                              "Termin",
                                              "Erteiler",
                                              "Erstell-Datum",
                                              "Erstell-Uhrzeit",
                                              "Datum",
                                              "Uhrzeit",
                                              "Prio",
                                              "Status",
                                              "Aufg.ID",
                                              "Art.-Nr",
                                              "ProdID",
                                              "Bez.",
                                              "Herst.",
                                              "H.-Nr.",
                                              "H.Art.Nr",
                                              "Material",
                                              "Farbe",
                                              "Preis",
                                              "#",
                                              "Gr.",
                                              "Gr.",
                                              "Gr.",
                                              "Von-Fil.",
                                              "An-Fil.",
                                              "Lagerpl.",
                                              "Lagerpl.",
                                              "An-Lp.",
                                              "An-Lp.",
                                              "Beh.",
                                              "Beh.",
                                              "Erfüll.#",
                                              "Rest #",
                                              "BNE-Typ",
                                              "BNE-ID",
                                              "ErfüllID",
                                              "ExtVerw",
                                              "Bel. Nr",
                                              "Bel. ID",
                                              "Web.S.Nr",
                                              "List.Nr",
                                              "Kunde",
                                              "Lag.Nr",
                                              "IVK",
                                              "RVK",
                                              "KVK",
                                              "Herkunft",
                                              "GV Kurz",
                                              "Herkunft",
                                              "GepId",
                                              "OrgeId",
                                              "Bild",
                                              "Herst.",
                                              "Erteiler",
                                              "Warengrp",
                                              "Merkm 1",
                                              "Merkm 2",
                                              "Merkm 3",
                                              "Merkm 4",
                                              "Merkm 5",
                                              "Merkm 6",
                                              "eig. Merkmal 1",
                                              "Geschäftsvorfall",
                                              "GTIN",
                                              "Bezeichnung",
                                              "Art (original)",
                                              "Zahlart",
                                              "Bezahlt",
                                              "Anz. ArtPos",
                                              "eig. Merkmal 2",
                                              "eig. Merkmal 3",
                                              "eig. Merkmal 4",
                                              "eig. Merkmal 5",
                                              "eig. Merkmal 6",
                                              "eig. Merkmal 7",
                                              "eig. Merkmal 8",
                                              "eig. Merkmal 9",
                                              "eig. Merkmal 10",
                                              "#",
                                              "AGr.Auft.",
                                              "AGr.Etik.",
                                              "AGr.Lief.",
                                              "Anfo.Grund"};
            for (int s = 0; s < qMin(int(GKurz.size()), AListe.GetColumnCount()); ++s)
                AListe.SetColumnCaption(s, GKurz.at(s));
        },
        false);
}

} // namespace TQIV_AufgabenLagerListe
