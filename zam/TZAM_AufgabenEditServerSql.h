#pragma once

#include "IZAM_AufgabenEditServer.h"

class TZAM_Datenbank;
class TZAM_Zeilen;

// Tasks in the task files (zam_auko, zam_auae, zam_aufgabe_erfuellung). The list is read with one
// statement (the files joined, the order data and prices as subqueries), so a site with many
// tasks loads in one round trip. Task locks are common locks of the kind "AUFGABE" with the task
// id as unformatted text. A fulfilment locks its task header first (PostgreSQL; SQLite's bracket
// holds the file), so two devices never fulfil more than the open quantity between them.
class TZAM_AufgabenEditServerSql : public IZAM_AufgabenEditServer
{
public:
    explicit TZAM_AufgabenEditServerSql(TZAM_Datenbank& ADb) : FDb(ADb) {}

    bool AufgabenVorhanden(const TZAM_Aufgaben_Suchkriterien& AKriterien) override;
    using IZAM_AufgabenEditServer::Aufgabenliste_Laden;
    bool Aufgabenliste_Laden(const TZAM_Aufgaben_Suchkriterien& AKriterien,
                             const TQIVAufgabenlisteLaden_Options& AOptionen) override;
    int ZeilenAnzahl() const override { return int(FZeilen.size()); }
    const TQIV_AufgabenZeile& Zeile(int AIndex) const override;
    void ZeileLoeschen(int AIndex) override;
    TVRList& AufgabenVRListe() override { return FListe; }
    void Aufgabenliste_Freigeben() override;
    bool Aufgabe_Sperren(const TIntTrio& AId, QString& AHalter, QDateTime& ASeit) override;
    void Aufgabe_Entsperren(const TIntTrio& AId) override;
    bool Aufgabe_Gesperrt(const TIntTrio& AId) override;
    bool Aufgabe_StatusAendern(const TIntTrio& AId, int AStatus) override;
    bool Aufgabe_StatusUnterSperreSetzen(const TIntTrio& AId, int AStatus) override;
    bool Aufgabe_Lesen(const TIntTrio& AId, TZAM_AufgabenStand& AStand) override;
    bool Aufgabe_Loeschen(const TIntTrio& AId, int APruefungen) override;
    TIntTrio BelegId_4_ExtVerweis(const TZAM_PersArt_ExtVerweis& AVerweis) override;
    bool Aufgabe_Erfuellen(const TZAM_Aufgabe_Erfuellen_Daten& ADaten, const TIntPair& AMitarbeiter,
                           const TIntTrio& AKey, TZAM_InfoMeldungListe* AMeldungen, int AMenge) override;
    QList<TZAM_AufgabenKopf> Aufgabenkoepfe_Lesen(const TZAM_AufgabenKopfFilter& AFilter) override;
    bool Ausfuehrung_Lesen(const TIntTrio& AId, TZAM_AufgabenAusfuehrung& AAusfuehrung) override;

    // The kind of the common locks of tasks.
    static const QString CSperrArt;

private:
    void ListeAnlegen();
    // Gives the task the status it had before a status set under its lock, while it still has that one.
    void StatusZuruecksetzen(const TIntTrio& AId);
    void Laden(const TZAM_Aufgaben_Suchkriterien& AKriterien, const TQIVAufgabenlisteLaden_Options& AOptionen);
    // Within the open bracket: the task's open quantity after the fulfilment, or -1 when refused.
    int Erfuellen(const TIntTrio& AId, const TIntPair& AMitarbeiter, int AMenge, TZAM_InfoMeldungListe& AMeldungen);

    TZAM_Datenbank& FDb;
    TQIV_AufgabenZeilen FZeilen;
    TVRList FListe;
};
