#pragma once

#include "IZAM_Server.h"
#include "TQIV_AufgabenZeile.h"
#include "TVRList.h"
#include "TZAM_Aufgaben_Suchkriterien.h"

#include <QDateTime>

class TZAM_InfoMeldungListe;

// A task header with its execution, as the counters read them one by one.
struct TZAM_AufgabenKopf
{
    TIntTrio Id;
    QString ArtKuerzel;
    QString GVKuerzel;
    QChar Status;
    QDateTime Erstellt, Bearbeitung;
    TZAM_PersArt_ExtVerweis ExtVerweis;
};
struct TZAM_AufgabenAusfuehrung
{
    qint16 QuellFiliale = 0;
    qint16 ZielFiliale = 0;
    int Menge = 0;
    TIntTrio VorgangsKey;
    int VorgangsTyp = 0;
    TIntTrio KubeId;
    int KubeNr = 0;
};
// The header filter of the file path: a cleared member does not restrict. Upper bounds hold
// to the end of their day.
struct TZAM_AufgabenKopfFilter
{
    QString ArtKuerzel;
    QString GVKuerzel;
    QString StatusZeichen; // one of these characters
    QDate ErstelltVon, ErstelltBis, BearbeitungVon, BearbeitungBis;
    int Lager = -1;
};

// What a deletion checks first (a bit set); a refused check leaves the task as it is.
inline constexpr int CZAM_Aufgabe_LoeschPruefung_OhneErfuellung = 1; // nothing fulfilled yet
inline constexpr int CZAM_Aufgabe_LoeschPruefung_NichtGesperrt = 2;  // no other program holds its lock
inline constexpr int CZAM_Aufgabe_LoeschPruefung_NichtOffen = 4;     // not open, in work or partly fulfilled
inline constexpr int CZAM_Aufgabe_LoeschPruefungen_Alle = 7;

// A task's state: its status and kind, the pieces ordered and those fulfilled.
struct TZAM_AufgabenStand
{
    int Status = -1;
    int Art = -1;
    int Bestellt = 0;
    int Erfuellt = 0;
    int Offen() const { return Bestellt - Erfuellt; }
};

// The task service. One instance holds one loaded task list: its row list and its list view
// (the 84 columns of the task-list catalogue), one row per task in the same order; whoever loads
// last owns it. Criteria members at their cleared value do not restrict.
class IZAM_AufgabenEditServer : public IZAM_Server
{
public:
    // True when at least one task matches the criteria.
    virtual bool AufgabenVorhanden(const TZAM_Aufgaben_Suchkriterien& AKriterien) = 0;

    // Replaces the loaded list by the tasks matching the criteria, ordered by task id. False
    // (and an empty list) when the tasks cannot be read.
    virtual bool Aufgabenliste_Laden(const TZAM_Aufgaben_Suchkriterien& AKriterien,
                                     const TQIVAufgabenlisteLaden_Options& AOptionen) = 0;
    bool Aufgabenliste_Laden(const TZAM_Aufgaben_Suchkriterien& AKriterien, bool ALadenSubaufgaben,
                             bool ALadenErfuellungen, bool ALadenZusatzDaten, bool ANurAnzahlLaden, bool AGroesseLaden)
    {
        return Aufgabenliste_Laden(AKriterien,
                                   TQIVAufgabenlisteLaden_Options::Schalter(ALadenSubaufgaben, ALadenErfuellungen,
                                                                            ALadenZusatzDaten, ANurAnzahlLaden,
                                                                            AGroesseLaden));
    }
    virtual int ZeilenAnzahl() const = 0;
    virtual const TQIV_AufgabenZeile& Zeile(int AIndex) const = 0;
    // Deletes the row from the row list and the list view.
    virtual void ZeileLoeschen(int AIndex) = 0;
    virtual TVRList& AufgabenVRListe() = 0;
    // Empties the loaded list.
    virtual void Aufgabenliste_Freigeben() = 0;

    // Locks a task for this program; false with the holder and since when when another holds it.
    // Taking over the lock of a program that died restores the status it left (as unlocking does).
    virtual bool Aufgabe_Sperren(const TIntTrio& AId, QString& AHalter, QDateTime& ASeit) = 0;
    // Gives the lock back; a status set under it (Aufgabe_StatusUnterSperreSetzen) that is still
    // the task's returns to the one before.
    virtual void Aufgabe_Entsperren(const TIntTrio& AId) = 0;
    // Held by a living program, this one included.
    virtual bool Aufgabe_Gesperrt(const TIntTrio& AId) = 0;
    // False when there is no such task.
    virtual bool Aufgabe_StatusAendern(const TIntTrio& AId, int AStatus) = 0;
    // A status for the time of this program's lock (a hand-store task being worked): the status
    // before is kept with the lock; false when there is no such task.
    virtual bool Aufgabe_StatusUnterSperreSetzen(const TIntTrio& AId, int AStatus) = 0;
    // One task as the steps check it; false when there is no such task.
    virtual bool Aufgabe_Lesen(const TIntTrio& AId, TZAM_AufgabenStand& AStand) = 0;
    // Removes the task with everything that hangs on it (execution, fulfilments, kept status,
    // lock) as one unit; false when there is no such task or one of the checks APruefungen
    // (CZAM_Aufgabe_LoeschPruefung_...) refuses.
    virtual bool Aufgabe_Loeschen(const TIntTrio& AId, int APruefungen) = 0;
    // The customer-order document a reference names; null when none.
    virtual TIntTrio BelegId_4_ExtVerweis(const TZAM_PersArt_ExtVerweis& AVerweis) = 0;
    // Writes a fulfilment with the bracket's protocol key. A quantity of 0 or less, or above the
    // open quantity, or an unknown task, is refused: false with the reason in the list.
    virtual bool Aufgabe_Erfuellen(const TZAM_Aufgabe_Erfuellen_Daten& ADaten, const TIntPair& AMitarbeiter,
                                   const TIntTrio& AKey, TZAM_InfoMeldungListe* AMeldungen, int AMenge) = 0;

    // The files one by one (the counters' file path).
    virtual QList<TZAM_AufgabenKopf> Aufgabenkoepfe_Lesen(const TZAM_AufgabenKopfFilter& AFilter) = 0;
    virtual bool Ausfuehrung_Lesen(const TIntTrio& AId, TZAM_AufgabenAusfuehrung& AAusfuehrung) = 0;
};
