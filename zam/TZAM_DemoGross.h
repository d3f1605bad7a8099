#pragma once

#include <QList>
#include <QString>
#include <utility>

class TZAM_Datenbank;

// A large site for the benchmarks: warehouse 9 "Großlager" with its own branches, places,
// containers on places, article sizes and stock with the branches' stock in agreement, and its
// task work: tasks (9, 1, n) of all three workflows with their order lines, customer-order
// documents and web-shop orders, reasons, wormholes and a walking route; its goods receipt:
// suppliers, orders with their dispositions, customer-order positions (some in process
// combinations) and the users' open scan records. Added to a demo database; the numbers are the
// sizes a central warehouse reaches.
class TZAM_DemoGross
{
public:
    struct TUmfang
    {
        int Plaetze = 50000;
        int Behaelter = 5000;
        int Artikel = 2000; // ten sizes each
        int BestandJePlatz = 10;
        int Filialen = 10;
        int OffeneAufgaben = 20000; // the first tasks; the others are done
        int Aufgaben = 100000;
        int Bestellpositionen = 300000; // order-line positions, those of the tasks among them
        int LaufwegPlaetze = 5000;
        int Auftraege = 5000;         // orders of the goods receipt, one supplier each
        int Dispositionen = 40000;    // spread evenly over the orders
        int DispoPositionen = 200000; // spread evenly over the dispositions
        int KundenPositionen = 20000; // positions of dispositions for customer orders
        int Scansaetze = 100000;      // open WE-Plus scan records
        int ScanBenutzer = 500;
    };
    static constexpr int CLager = 9;

    static void Anlegen(TZAM_Datenbank& ADb, const TUmfang& AUmfang);

private:
    // "WITH RECURSIVE z(i)": the numbers 0 to n - 1 (n bound as the first value), on both engines.
    static const QString& Zahlen();
    // The integers of a statement written in as numbers: each name replaced by its value.
    static QString Einsetzen(QString ASql, const QList<std::pair<const char*, int>>& AZahlen);
    // The point in time ATage (an expression) days after the bound time, as the engine stores a
    // {ZEITPUNKT}; negative days lie before it.
    static QString NachTagen(const TZAM_Datenbank& ADb, const QString& ATage);
    // Inside Anlegen's transaction, once the branches, places and articles are there.
    static void Aufgaben(TZAM_Datenbank& ADb, const TUmfang& AUmfang);
    static void Wareneingang(TZAM_Datenbank& ADb, const TUmfang& AUmfang);
};
