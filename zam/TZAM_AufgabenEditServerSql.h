#pragma once

#include "IZAM_AufgabenEditServer.h"

class TZAM_Datenbank;

// Tasks in the task files (zam_auko, zam_auae, zam_aufgabe_erfuellung).
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
    bool Aufgabe_StatusAendern(const TIntTrio& AId, int AStatus) override;
    TIntTrio BelegId_4_ExtVerweis(const TZAM_PersArt_ExtVerweis& AVerweis) override;
    bool Aufgabe_Erfuellen(const TZAM_Aufgabe_Erfuellen_Daten& ADaten, const TIntPair& AMitarbeiter,
                           const TIntTrio& AKey, TZAM_InfoMeldungListe* AMeldungen, int AMenge) override;
    QList<TZAM_AufgabenKopf> Aufgabenkoepfe_Lesen(const TZAM_AufgabenKopfFilter& AFilter) override;
    bool Ausfuehrung_Lesen(const TIntTrio& AId, TZAM_AufgabenAusfuehrung& AAusfuehrung) override;

private:
    TZAM_Datenbank& FDb;
    TQIV_AufgabenZeilen FZeilen;
    TVRList FListe;
};
