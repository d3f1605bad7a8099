#pragma once

class TZAM_Datenbank;

// The demo's incoming documents of warehouse 1 (their barcodes: scripts/demo-barcodes.sh):
//   WBS 21-1001, branch 21 to 1: the home shirt S 3, M 2, L 2 without customer (put away).
//   WBS 21-1002, branch 21 to 12: the home shirt XS 2 without customer; L 1 for 7001 (delivered
//                from 12: shipping from here), M 1 for 7002 (delivered from 21: branch exchange);
//                the rain jacket M 3 for 7003 (processed in 17 in two combinations: processing).
//   WBS 21-1003, branch 21 to 1: the sports bag S 1 for the web-shop order WEB-240005 (3, 240005,
//                0) position 1 (shipping from here).
//   WE-Avis 1-1001-1 of branch 1: the rain jacket S 2, L 1 lying on "WE-Freigabe", branch 1's.
//   WE-Avis 1-1002-1 of branch 30 (warehouse 2): the goalkeeper shirt M 2 on S-01-02.
//   Fremdnr. FR-1001 of warehouse 1 for branch 1: the running shoe EU 41 2.
//   On "WE-Freigabe" besides: the rowing machine 1, branch 1's.
// The slips' pieces are on transport: transport stock (type 40) of their to-branches.
class TZAM_DemoEingangsbelege
{
public:
    static void Anlegen(TZAM_Datenbank& ADb);
};
