#pragma once

#include "TZAM_AufgabenAllokation.h"

#include <memory>

class TIntTrioList;
class TVRList;
class TVTVRList;

// Which rows of the pick list are shown: those with a place, also those with only a container, all.
enum TZAM_AufgabenZeigen
{
    azUnbekannt,
    azNurMitLP,
    azNurMitLPOderBeh,
    azAlle
};

// The pick list: one row per task and source the movement service allocates, in walking order.
// Its columns are the task list's and two hidden ones at the end: the walking position and whether
// the row is still to do. The handheld's task list and the terminal's re-sort form build it alike.
namespace TQIV_AufgabenLagerListe {

// Columns of the task list the task workflows read and fill.
enum TSpalte : int
{
    CArt = 0, // the task kind's code
    CDatum = 6,
    CUhrzeit = 7,
    CAufgabenId = 10,
    CArtNr = 11,
    CProduktId = 12,
    CPreis = 19,
    CMenge = 20,
    CGroesse = 22, // the size's text
    CGrInd = 23,
    CVonFiliale = 24,
    CAnFiliale = 25,
    CLagerort = 26,
    CLagerortId = 27,
    CAnLagerortId = 29,
    CBehaelter = 30,
    CBehaelterId = 31,
    CErfuellt = 32,
    CRestmenge = 33,
    CBewTyp = 34,
    CBNE = 35,
    CExtVerweis = 37,
    CBelegNr = 38,
    CGesamt = 79,
    CGrund = 83,
};

// The list created when missing: the task list's columns and the two hidden ones.
void AufgabenLagerListe_CWN(std::unique_ptr<TVRList>& AListe, const TVRList& AAufgaben, int& ASpalteAktiv);
// A row of the task's columns with the allocated quantity and source.
void Zeile_einfuegen(TVRList& AZiel, const TVRList& AAufgaben, int AZeile, const TZAM_AllokationsEintrag& AEintrag);
void ListeAnhaengen(TVRList& AZiel, const TVRList& AQuelle);
// Builds the rows from AStartZeile on (below 0: the whole list anew; the rows above stay and
// their tasks are not allocated again), allocating every open task of AAufgaben in the current
// warehouse; a task with nothing left gets status 5 and no row. The new rows are sorted by walking
// position, place, container, ASortSpalte, size index and task id.
void AufgabenListe_2_AufgabenLagerListe(std::unique_ptr<TVRList>& AListe, int ASortSpalte, bool ANurLaufweg,
                                        int AStartZeile, const TVRList& AAufgaben, int& ASpalteAktiv,
                                        const TZAM_LaufwegVerbotDict* AVerbote, const QList<TIntTrio>& ALaufwegPlaetze);

// The view shows AListe's columns ASpalten in this order, no others (none given: the standard ones).
void SpaltenKonfiguration_2_Aufgabenliste(TVTVRList& AAnsicht, TVRList& AListe, const QList<int>& ASpalten);
// Hides the rows AZeigen leaves out; ASichtbareImLaufweg (when given) gets the tasks of the shown
// rows inside the walking route.
void Aufgabenliste_Zeilen_unsichtbar_schalten(TVTVRList& AAnsicht, const TVRList& AListe, TZAM_AufgabenZeigen AZeigen,
                                              TIntTrioList* ASichtbareImLaufweg);
// The handheld's short captions of the 84 task-list columns.
void Aufgabenliste_Shorten_Captions(TVRList& AListe);

} // namespace TQIV_AufgabenLagerListe
