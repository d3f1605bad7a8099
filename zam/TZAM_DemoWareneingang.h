#pragma once

class TZAM_Datenbank;

// The demo's goods receipt in warehouse 1: suppliers of the demo articles with their labels
// (layouts "Standard" and "Klein", the label printer "PDF" of type 9), the branches 50 "Filiale
// Stadion" (team-sport plus, neighbour of 17) and 51 "Filiale Ost" outside every warehouse,
// customer orders 7001 to 7006, 7008 and 7009 (one position each; reference (1, n, 0) number 1)
// and the dispositions of Textil Nord's orders 45-1001 and 45-1002 (disposition (45, order, n)),
// one without order (45, 0, 1) and a closed one (45, 1002, 3). Every position is ordered by
// branch 1.
// The one-way containers BEH-0009 and BEH-0012 (free), BEH-0010 (assigned to 7006, holding its
// goods) and BEH-0011 (assigned to 7003, empty).
//
// What each disposition position becomes for a receipt in warehouse 1:
//   45-1001-1 Trikot Heim:    12 S 2, M 3 (put away); 21 M 2 (branch supply); 7001 L 1, delivered
//                             from 12 (ship); 7002 M 1, delivered from 21 (supply 21)
//   45-1001-2 Regenjacke:     14 S 4, M 4 of which 3 received (put away); 7003 M 3, processed in 17
//                             in two combinations of 2 and 1 pieces (processing here)
//   45-1001-3 Trikot Torwart: 7006 S 2, processed in 17, received (nothing open)
//   45-1001-4 Trainingsjacke: 7008 M 2, delivered from and processed in 21 with the logo (supply
//                             21 for processing); 7009 L 1, delivered from 25 through the
//                             team-sport-plus branch 17 (supply 17; then only waiting). The jacket
//                             wants no labels, the other articles of 45-1001 one each.
//   45-1002-1 Trikot Heim:    1 XS 2 (put away); 7004 XL 1, processed in 40 (supply 40 for
//                             processing; processing here when team-sport goods go straight into
//                             one-way containers); 7005 S 1, delivered from 51 through the
//                             team-sport-plus branch 50 (supply 50; then only waiting)
//   45-1002-2 Trikot Torwart: 12 L 2 (put away); 51 M 1 (branch supply)
//   45-1002-3 (closed), 45-0-1 Regenjacke without order: 1 L 2 (put away)
//
// The posting (TZAM_DemoWareneingang_Buchung.cpp): disposition 45-1003-1 of the away shirt in
// XL (3 for customer order 7007 at branch 12, 4 for branch 21, 6 for branch 14), the ball blocked
// for goods receipt, the bag source-marked (kind 2), Textil Nord's order branches (1: 1, 12, 14,
// 17, 21; 17: 17, 50) and the stored label setting "Fragen" of the terminal creating the demo.
class TZAM_DemoWareneingang
{
public:
    static void Anlegen(TZAM_Datenbank& ADb);
    static void Buchung(TZAM_Datenbank& ADb);
    // The purchase orders with their own numbers and the number ranges of the WE-Plus order entry.
    static void Bestellungen(TZAM_Datenbank& ADb);

private:
    static void Lieferanten(TZAM_Datenbank& ADb);
    static void Filialen(TZAM_Datenbank& ADb);
    static void Kundenbestellungen(TZAM_Datenbank& ADb);
    static void Dispositionen(TZAM_Datenbank& ADb);
    static void Behaelter(TZAM_Datenbank& ADb);
};
