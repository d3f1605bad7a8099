#pragma once

#include "IZAM_AufgabenEditServer.h"
#include "TQIV_AufgabenZaehlung.h"

#include <QElapsedTimer>
#include <QHash>
#include <QSet>

class TDM_Torvik;
class TKuBeAufgQueryErgebnis;

// One run of the data module's common task counter: reads the task headers (through the
// customer-order statement, or the files one by one), tests each task and counts it by the mode.
class TQIV_AufgabenZaehler
{
public:
    struct TAusgaben
    {
        TZAM_Int_Int_Array& Anzahlen;
        TQIV_Herkunft_Anzahl_Dict& Herkuenfte;
        TIntTrioList& Komplett;
        TQIV_Kennung_Text_Datum_List& Keys;
        TQIV_BelegInfo_4_Kennung_U_Text_Dict& Belege;
        TIntTrioList& MehrPos;
        TQIV_IntTrio_Int_List& Einzel;
    };

    TQIV_AufgabenZaehler(TDM_Torvik& ADM, int AModus, TZAM_AufgliederungLager_Set ASeparat, bool AKomplett,
                         const TIntTrioList* AWhitelist, const TZAM_Aufgaben_Suchkriterien& AKriterien,
                         const TAusgaben& AAusgaben);
    void Ausfuehren();

private:
    // One task as the tests see it, from the statement's row or from the files.
    struct TAufgabe
    {
        TIntTrio Id;
        QString Art, GV;
        int GVNeu = 0; // the business case counted, after the category bend
        qint16 Quell = 0, Ziel = 0;
        int Menge = 0;
        TIntTrio Vorgang;
        int BewTyp = 0;
        TZAM_PersArt_ExtVerweis Verweis;
        bool AusAbfrage = false;
        // Of the statement's row, which tell of the order only when the reference is the row's own.
        bool VerweisAusZeile = false;
        QChar ExbiBezahlt, ExbiHerkunft, AtkAuslieferung, AtkZahlungsart, AtkHerkunft;
        int ExbiBuchFil = 0;
        TIntPair GlaeubigerOrge;
        int BezAnzNein = 0;
    };

    void KoepfeAusAbfrage(QList<TAufgabe>& AAufgaben);
    void KoepfeAusDateien(QList<TAufgabe>& AAufgaben);
    void Pruefen(TAufgabe& A);
    bool TesteFiliale(TAufgabe& A);
    bool TesteGV(const TAufgabe& A);
    void GVUmbiegen(TAufgabe& A);
    bool TesteExtVerweis(TAufgabe& A);
    bool TesteKannVersendetWerden(const TAufgabe& A);
    bool GetHerkunft_4_ExtVerweis(const TAufgabe& A, QChar& AHerkunft, TOrgeIdKompl& ABuchFiliale);
    void FilialeZaehlen(const TAufgabe& A);
    void HerkunftZaehlen(const TAufgabe& A);
    void PositionenZaehlen(const TAufgabe& A);
    void PosAnzErmitteln(const TAufgabe& A);
    void BelegZaehlen(TQIV_Beleg_Info& AInfo, const TAufgabe& A);
    TOrgeIdKompl OrgeDerFiliale(int AFiliale);
    TOrgeIdKompl OrgeDerOrganisation(const TIntPair& AOrge);
    void Nachrichten();

    TDM_Torvik& FDM;
    int FModus;
    TZAM_AufgliederungLager_Set FSeparat;
    bool FKomplett;
    const TIntTrioList* FWhitelist;
    const TZAM_Aufgaben_Suchkriterien& FKriterien;
    TAusgaben FAus;
    QList<int> FFilialen;
    QHash<TIntQuad, bool> FExbiBezahlt;
    QHash<TIntTrio, bool> FBelegBezahlt;
    QElapsedTimer FNachrichten;
};
