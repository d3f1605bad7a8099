#pragma once

#include "TInt32Trio.h"
#include "TIntTrio.h"
#include "TOrgeIdKompl.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

class TZAM_Datenbank;

// Task files and the order data they refer to, written straight into the tables.
// By default an open customer-order task (kind 1, business case 3) of warehouse 1 for branch 12,
// from branch 1, referring to position 1 of document 1-5001.
struct TZAM_TestAufgabe
{
    TIntTrio Id{1, 1, 1};
    int Art = 1;
    int Status = 2;
    int Lager = 1;
    int Geschaeftsvorfall = 3;
    int Prioritaet = 0;
    int QuellFiliale = 1;
    int ZielFiliale = 12;
    int Menge = 1;
    int ExtKennung = 1;
    TIntTrio ExtId{1, 5001, 0};
    int ExtNummer = 1;
    bool Teamsport = false;
    QDateTime Bearbeitung{QDate(2024, 5, 10), QTime(10, 0)};
    QDateTime Erstellt{QDate(2024, 5, 9), QTime(16, 30)};
    TInt32Trio Produkt{1, 100001, 0};
    int Groesse = 3;
    TIntTrio ZielLagerort{1, 2, 3};
    int Vorgangstyp = 16;
    TIntTrio Vorgang;
    TIntTrio Kube;
    int KubeNr = 0;
    TIntTrio Grund;
};

// A customer-order document (zam_atk 1-Nr) with its positions: each entry "zustand/bezahlt",
// position numbers 1, 2, ... in order.
struct TZAM_TestBeleg
{
    int Nr = 5001;
    QString BelegNr = QStringLiteral("KB-5001");
    QChar Herkunft = QLatin1Char('O');
    TIntPair GlaeubigerOrge{100, 12};
    QString Zahlungsart;
    QString Auslieferungtyp;
    QStringList Positionen{QStringLiteral("/J")};
};

// An external order position (zam_exbi) as a kind-3 reference (Auftrag, Position) names it.
struct TZAM_TestExbi
{
    TIntTrio Auftrag{3, 7001, 0};
    int Position = 1;
    QString Kennung = QStringLiteral("SHOP");
    QString BestellNr = QStringLiteral("EX-4711");
    bool Bezahlt = true;
    QChar Herkunft = QLatin1Char('W');
    int BuchFiliale = 14;
};

class TZAM_TestAufgaben
{
public:
    static void Anlegen(TZAM_Datenbank& ADb, const TZAM_TestAufgabe& AAufgabe);
    // An open branch re-sorting task (1, 1, ANr) of the stock tests' warehouse: AMenge pieces of
    // the article size from branch 10 to branch 11.
    static void Nachsortierung(TZAM_Datenbank& ADb, int ANr, const TInt32Trio& AProdukt, int AGrInd, int AMenge);
    static void Beleg(TZAM_Datenbank& ADb, const TZAM_TestBeleg& ABeleg);
    static void Exbi(TZAM_Datenbank& ADb, const TZAM_TestExbi& AExbi);
    // A fulfilment written directly (outside the task service).
    static void Erfuellung(TZAM_Datenbank& ADb, const TIntTrio& AId, int AMenge);
    // Branches 12 and 14 of warehouse 1 with the organisation keys (100, n), (10, 1).
    static void Filialen(TZAM_Datenbank& ADb);
    static TOrgeIdKompl Orge(int AFiliale) { return {{100, AFiliale}, {10, 1}}; }
};
