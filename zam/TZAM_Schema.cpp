#include "TZAM_Schema.h"

#include "TZAM_EingangsbelegServerSql.h"

const QList<TZAM_Migration>& TZAM_Schema::Daten()
{
    static const QList<TZAM_Migration> GDaten = {
        {1,
         QStringLiteral("Parameter und Buchungsprotokoll"),
         {
             QStringLiteral("CREATE TABLE zam_parameter (name VARCHAR(40) PRIMARY KEY, wert TEXT NOT NULL, "
                            "beschreibung TEXT NOT NULL DEFAULT '')"),
             QStringLiteral("CREATE TABLE zam_buchung (id {ID}, operationsart INTEGER NOT NULL, "
                            "name TEXT NOT NULL, terminal TEXT NOT NULL, zeit {INT64} NOT NULL)"),
         },
         {}},
        {2,
         QStringLiteral("Stammdaten, Rechte, Formularablage, Lagerorte und Aufgaben"),
         {
             QStringLiteral("CREATE TABLE zam_lagergruppe (nummer INTEGER PRIMARY KEY, name TEXT NOT NULL, "
                            "reihenfolge INTEGER NOT NULL DEFAULT 0)"),
             QStringLiteral("CREATE TABLE zam_lagergruppe_filiale (lager INTEGER NOT NULL "
                            "REFERENCES zam_lagergruppe (nummer) ON DELETE CASCADE, filiale INTEGER NOT NULL, "
                            "reihenfolge INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (lager, filiale))"),
             QStringLiteral("CREATE TABLE zam_filiale (nummer INTEGER PRIMARY KEY, name TEXT NOT NULL, "
                            "teamsport_plus INTEGER NOT NULL DEFAULT 0, "
                            "orge_id1 INTEGER NOT NULL DEFAULT 0, orge_id2 INTEGER NOT NULL DEFAULT 0, "
                            "orge_ebene1 INTEGER NOT NULL DEFAULT 0, orge_ebene2 INTEGER NOT NULL DEFAULT 0)"),
             QStringLiteral("CREATE INDEX zam_filiale_orge ON zam_filiale (orge_id1, orge_id2)"),
             // One row per pair; the service asks both ways round.
             QStringLiteral("CREATE TABLE zam_filiale_nachbar (filiale1 INTEGER NOT NULL, filiale2 INTEGER NOT NULL, "
                            "PRIMARY KEY (filiale1, filiale2))"),
             // suchname: the name case-folded by the program, so both engines search alike.
             QStringLiteral("CREATE TABLE zam_gp (id1 INTEGER NOT NULL, id2 INTEGER NOT NULL, art INTEGER NOT NULL, "
                            "nummer INTEGER NOT NULL, name TEXT NOT NULL, suchname TEXT NOT NULL, "
                            "PRIMARY KEY (id1, id2))"),
             QStringLiteral("CREATE INDEX zam_gp_art_nummer ON zam_gp (art, nummer)"),
             // login as entered; login_norm case-folded, for the log-on without letter case.
             QStringLiteral("CREATE TABLE zam_benutzer (id1 INTEGER NOT NULL, id2 INTEGER NOT NULL, "
                            "login VARCHAR(40) NOT NULL, login_norm VARCHAR(40) NOT NULL UNIQUE, "
                            "hash TEXT NOT NULL, salz TEXT NOT NULL, "
                            "mita_id1 INTEGER NOT NULL DEFAULT 0, mita_id2 INTEGER NOT NULL DEFAULT 0, "
                            "PRIMARY KEY (id1, id2))"),
             QStringLiteral("CREATE INDEX zam_benutzer_mita ON zam_benutzer (mita_id1, mita_id2)"),
             QStringLiteral("CREATE TABLE zam_benutzer_recht (benutzer_id1 INTEGER NOT NULL, "
                            "benutzer_id2 INTEGER NOT NULL, recht INTEGER NOT NULL, "
                            "funktionstyp INTEGER NOT NULL DEFAULT 1, "
                            "PRIMARY KEY (benutzer_id1, benutzer_id2, recht, funktionstyp), "
                            "FOREIGN KEY (benutzer_id1, benutzer_id2) REFERENCES zam_benutzer (id1, id2) "
                            "ON DELETE CASCADE)"),
             QStringLiteral("CREATE TABLE zam_recht_offen (recht INTEGER NOT NULL, "
                            "funktionstyp INTEGER NOT NULL DEFAULT 1, PRIMARY KEY (recht, funktionstyp))"),
             QStringLiteral("CREATE TABLE zam_formstore (maske VARCHAR(40) NOT NULL, programm VARCHAR(40) NOT NULL, "
                            "sprache VARCHAR(10) NOT NULL, schluessel VARCHAR(100) NOT NULL, "
                            "name TEXT NOT NULL DEFAULT '', idx VARCHAR(40) NOT NULL, zeile INTEGER NOT NULL, "
                            "text TEXT NOT NULL, PRIMARY KEY (maske, programm, sprache, schluessel, idx, zeile))"),
             QStringLiteral("CREATE TABLE zam_drucker (id {ID}, typ INTEGER NOT NULL, name TEXT NOT NULL, "
                            "UNIQUE (typ, name))"),
             QStringLiteral("CREATE TABLE zam_lagerort (id1 INTEGER NOT NULL, id2 INTEGER NOT NULL, "
                            "id3 INTEGER NOT NULL, lager INTEGER NOT NULL, art INTEGER NOT NULL DEFAULT 0, "
                            "name TEXT NOT NULL, kurz TEXT NOT NULL DEFAULT '', "
                            "gesperrt INTEGER NOT NULL DEFAULT 0, bereich INTEGER NOT NULL DEFAULT 0, "
                            "klasse INTEGER NOT NULL DEFAULT 0, in_betrieb INTEGER NOT NULL DEFAULT 0, "
                            "zaehldatum DATE, PRIMARY KEY (id1, id2, id3))"),
             QStringLiteral("CREATE INDEX zam_lagerort_lager ON zam_lagerort (lager, name)"),
             // vorgangstyp: the code of the transaction-type character, 0 for none.
             QStringLiteral("CREATE TABLE zam_aufgabe (id1 INTEGER NOT NULL, id2 INTEGER NOT NULL, "
                            "id3 INTEGER NOT NULL, art INTEGER NOT NULL, status INTEGER NOT NULL, "
                            "lager INTEGER NOT NULL, quell_filiale INTEGER NOT NULL DEFAULT -1, "
                            "ziel_filiale INTEGER NOT NULL DEFAULT -1, "
                            "geschaeftsvorfall INTEGER NOT NULL DEFAULT 0, "
                            "ext_kennung INTEGER NOT NULL DEFAULT 0, ext_id1 INTEGER NOT NULL DEFAULT 0, "
                            "ext_id2 INTEGER NOT NULL DEFAULT 0, ext_id3 INTEGER NOT NULL DEFAULT 0, "
                            "ext_nummer INTEGER NOT NULL DEFAULT 0, bezahlt INTEGER NOT NULL DEFAULT 0, "
                            "herkunft VARCHAR(1) NOT NULL DEFAULT '', buch_filiale INTEGER NOT NULL DEFAULT -1, "
                            "teamsport INTEGER NOT NULL DEFAULT 0, bearbeitung DATE, erstellt DATE, "
                            "prod_id1 INTEGER NOT NULL DEFAULT 0, prod_id2 INTEGER NOT NULL DEFAULT 0, "
                            "prod_id3 INTEGER NOT NULL DEFAULT 0, groesse INTEGER NOT NULL DEFAULT 0, "
                            "ziel_lo_id1 INTEGER NOT NULL DEFAULT 0, ziel_lo_id2 INTEGER NOT NULL DEFAULT 0, "
                            "ziel_lo_id3 INTEGER NOT NULL DEFAULT 0, vorgangstyp INTEGER NOT NULL DEFAULT 0, "
                            "menge INTEGER NOT NULL DEFAULT 0, grund_id1 INTEGER NOT NULL DEFAULT 0, "
                            "grund_id2 INTEGER NOT NULL DEFAULT 0, grund_id3 INTEGER NOT NULL DEFAULT 0, "
                            "beleg_id1 INTEGER NOT NULL DEFAULT 0, beleg_id2 INTEGER NOT NULL DEFAULT 0, "
                            "beleg_id3 INTEGER NOT NULL DEFAULT 0, ext_auftrag TEXT NOT NULL DEFAULT '', "
                            "PRIMARY KEY (id1, id2, id3))"),
             QStringLiteral("CREATE INDEX zam_aufgabe_lager ON zam_aufgabe (lager, status, art)"),
             QStringLiteral("CREATE INDEX zam_aufgabe_ziel ON zam_aufgabe (ziel_filiale)"),
             QStringLiteral("CREATE INDEX zam_aufgabe_beleg ON zam_aufgabe (beleg_id1, beleg_id2, beleg_id3)"),
             QStringLiteral("CREATE INDEX zam_aufgabe_produkt ON zam_aufgabe (prod_id1, prod_id2, prod_id3)"),
         },
         {},
         {}},
        {3,
         QStringLiteral("Artikelbilder"),
         {
             QStringLiteral("CREATE TABLE zam_artikelbild (prod_id1 INTEGER NOT NULL, prod_id2 INTEGER NOT NULL, "
                            "prod_id3 INTEGER NOT NULL, png {BLOB} NOT NULL, "
                            "PRIMARY KEY (prod_id1, prod_id2, prod_id3))"),
         },
         {},
         {}},
        {4,
         QStringLiteral("Buchungsprotokoll: gespeicherte Buchungen, Längenprüfung auf SQLite"),
         {
             // 0 while a bracket is open (SQLite stores its row first), 1 once it was committed.
             QStringLiteral("ALTER TABLE zam_buchung ADD COLUMN gebucht INTEGER NOT NULL DEFAULT 1"),
         },
         {},
         {}},
        // Articles with their size grids and codes, and the stock. Sizes are the indexes 0 to 99
        // (0 the single size of an article without sizes); 255 "no size" is never stored. The
        // manufacturer number is searched by the upper-case text the program writes beside it.
        {5,
         QStringLiteral("Artikel, Größen, Artikelcodes und Bestand"),
         {
             QStringLiteral("CREATE TABLE zam_artikel (prod_id1 INTEGER NOT NULL, prod_id2 INTEGER NOT NULL, "
                            "prod_id3 INTEGER NOT NULL, artnr INTEGER NOT NULL UNIQUE "
                            "CHECK (artnr BETWEEN 1 AND 9999999), "
                            "hersteller_artnr VARCHAR(40) NOT NULL DEFAULT '', "
                            "hersteller_artnr_such VARCHAR(40) NOT NULL DEFAULT '', "
                            "bezeichnung VARCHAR(80) NOT NULL DEFAULT '', hersteller VARCHAR(60) NOT NULL DEFAULT '', "
                            "farbe VARCHAR(40) NOT NULL DEFAULT '', beschreibung VARCHAR(200) NOT NULL DEFAULT '', "
                            "material VARCHAR(40) NOT NULL DEFAULT '', preis_cent {INT64} NOT NULL DEFAULT 0, "
                            "PRIMARY KEY (prod_id1, prod_id2, prod_id3))"),
             QStringLiteral("CREATE INDEX zam_artikel_hersteller_artnr ON zam_artikel (hersteller_artnr_such)"),
             QStringLiteral("CREATE TABLE zam_artikel_groesse (prod_id1 INTEGER NOT NULL, prod_id2 INTEGER NOT NULL, "
                            "prod_id3 INTEGER NOT NULL, groesse INTEGER NOT NULL CHECK (groesse BETWEEN 0 AND 99), "
                            "name VARCHAR(20) NOT NULL DEFAULT '', langname VARCHAR(60) NOT NULL DEFAULT '', "
                            "kassengroesse INTEGER NOT NULL CHECK (kassengroesse BETWEEN 0 AND 999), "
                            "PRIMARY KEY (prod_id1, prod_id2, prod_id3, groesse), "
                            "UNIQUE (prod_id1, prod_id2, prod_id3, kassengroesse), "
                            "FOREIGN KEY (prod_id1, prod_id2, prod_id3) REFERENCES zam_artikel "
                            "(prod_id1, prod_id2, prod_id3) ON DELETE CASCADE)"),
             // art: 1 a GTIN, 2 our label barcode. The primary key keeps a code to one article size.
             QStringLiteral("CREATE TABLE zam_artikel_code (code VARCHAR(20) NOT NULL PRIMARY KEY, "
                            "art INTEGER NOT NULL, prod_id1 INTEGER NOT NULL, prod_id2 INTEGER NOT NULL, "
                            "prod_id3 INTEGER NOT NULL, groesse INTEGER NOT NULL, "
                            "FOREIGN KEY (prod_id1, prod_id2, prod_id3, groesse) REFERENCES zam_artikel_groesse "
                            "(prod_id1, prod_id2, prod_id3, groesse) ON DELETE CASCADE)"),
             QStringLiteral("CREATE INDEX zam_artikel_code_produkt ON zam_artikel_code "
                            "(prod_id1, prod_id2, prod_id3, art, groesse)"),
             // One row per place (a place or container of zam_lagerort), product, size and stock type.
             QStringLiteral("CREATE TABLE zam_bestand (lo_id1 INTEGER NOT NULL, lo_id2 INTEGER NOT NULL, "
                            "lo_id3 INTEGER NOT NULL, prod_id1 INTEGER NOT NULL, prod_id2 INTEGER NOT NULL, "
                            "prod_id3 INTEGER NOT NULL, groesse INTEGER NOT NULL, "
                            "bestandsart INTEGER NOT NULL CHECK (bestandsart BETWEEN 0 AND 62), "
                            "menge INTEGER NOT NULL DEFAULT 0 CHECK (menge >= 0), "
                            "PRIMARY KEY (lo_id1, lo_id2, lo_id3, prod_id1, prod_id2, prod_id3, groesse, bestandsart), "
                            "FOREIGN KEY (lo_id1, lo_id2, lo_id3) REFERENCES zam_lagerort (id1, id2, id3), "
                            "FOREIGN KEY (prod_id1, prod_id2, prod_id3, groesse) REFERENCES zam_artikel_groesse "
                            "(prod_id1, prod_id2, prod_id3, groesse))"),
             QStringLiteral("CREATE INDEX zam_bestand_produkt ON zam_bestand "
                            "(prod_id1, prod_id2, prod_id3, groesse, bestandsart)"),
         },
         {},
         {}},
        // The stock model: the branch's warehouse, the assignments of places and containers, the
        // branches' stock (BF), personalised stock and the movement journal. Branch -1 is "none"
        // wherever a branch is stored (branch 0 is real); the place a container stands on is NULL
        // when it stands on none.
        {6,
         QStringLiteral("Lagerzuordnungen, Behälter, Filialbestand, personalisierter Bestand, Bewegungsjournal"),
         {
             QStringLiteral("ALTER TABLE zam_filiale ADD COLUMN lager INTEGER NOT NULL DEFAULT 0"),
             QStringLiteral("ALTER TABLE zam_lagerort ADD COLUMN filiale INTEGER NOT NULL DEFAULT -1"),
             QStringLiteral("ALTER TABLE zam_lagerort ADD COLUMN zuord_lager INTEGER NOT NULL DEFAULT -1"),
             QStringLiteral("ALTER TABLE zam_lagerort ADD COLUMN wurmloch_filiale INTEGER NOT NULL DEFAULT -1"),
             QStringLiteral("ALTER TABLE zam_lagerort ADD COLUMN auf_id1 INTEGER"),
             QStringLiteral("ALTER TABLE zam_lagerort ADD COLUMN auf_id2 INTEGER"),
             QStringLiteral("ALTER TABLE zam_lagerort ADD COLUMN auf_id3 INTEGER"),
             QStringLiteral("CREATE INDEX zam_lagerort_auf ON zam_lagerort (auf_id1, auf_id2, auf_id3)"),
             QStringLiteral("CREATE INDEX zam_lagerort_bereich ON zam_lagerort (lager, bereich)"),
             QStringLiteral("CREATE TABLE zam_behaelter (id1 INTEGER NOT NULL, id2 INTEGER NOT NULL, "
                            "id3 INTEGER NOT NULL, filiale INTEGER NOT NULL DEFAULT -1, "
                            "lager INTEGER NOT NULL DEFAULT -1, wbs_gedruckt INTEGER NOT NULL DEFAULT 0, "
                            "wbs_liste1 INTEGER NOT NULL DEFAULT 0, wbs_liste2 INTEGER NOT NULL DEFAULT 0, "
                            "auf_transport INTEGER NOT NULL DEFAULT 0, einweg INTEGER NOT NULL DEFAULT 0, "
                            "PRIMARY KEY (id1, id2, id3), "
                            "FOREIGN KEY (id1, id2, id3) REFERENCES zam_lagerort (id1, id2, id3) ON DELETE CASCADE)"),
             // The branches' stock: one row per product, branch, stock type and size.
             QStringLiteral("CREATE TABLE zam_bf (prod_id1 INTEGER NOT NULL, prod_id2 INTEGER NOT NULL, "
                            "prod_id3 INTEGER NOT NULL, filiale INTEGER NOT NULL, "
                            "bestandsart INTEGER NOT NULL CHECK (bestandsart BETWEEN 0 AND 62), "
                            "groesse INTEGER NOT NULL CHECK (groesse BETWEEN 0 AND 99), "
                            "menge INTEGER NOT NULL DEFAULT 0 CHECK (menge >= 0), "
                            "PRIMARY KEY (prod_id1, prod_id2, prod_id3, filiale, bestandsart, groesse))"),
             // Pieces on a place reserved for an owner (reference kind, key and number) and a branch.
             QStringLiteral("CREATE TABLE zam_lvpb (lo_id1 INTEGER NOT NULL, lo_id2 INTEGER NOT NULL, "
                            "lo_id3 INTEGER NOT NULL, prod_id1 INTEGER NOT NULL, prod_id2 INTEGER NOT NULL, "
                            "prod_id3 INTEGER NOT NULL, groesse INTEGER NOT NULL, verweis_art INTEGER NOT NULL, "
                            "verweis_id1 INTEGER NOT NULL, verweis_id2 INTEGER NOT NULL, "
                            "verweis_id3 INTEGER NOT NULL, verweis_nummer INTEGER NOT NULL, "
                            "filiale INTEGER NOT NULL, menge INTEGER NOT NULL DEFAULT 0 CHECK (menge >= 0), "
                            "PRIMARY KEY (lo_id1, lo_id2, lo_id3, prod_id1, prod_id2, prod_id3, groesse, "
                            "verweis_art, verweis_id1, verweis_id2, verweis_id3, verweis_nummer, filiale), "
                            "FOREIGN KEY (lo_id1, lo_id2, lo_id3) REFERENCES zam_lagerort (id1, id2, id3))"),
             QStringLiteral("CREATE INDEX zam_lvpb_verweis ON zam_lvpb "
                            "(verweis_art, verweis_id1, verweis_id2, verweis_id3, verweis_nummer)"),
             // One row per movement; prot_* is the booking bracket's protocol key.
             QStringLiteral("CREATE TABLE zam_bewegung (id {ID}, prot_id1 INTEGER NOT NULL, "
                            "prot_id2 INTEGER NOT NULL, prot_id3 INTEGER NOT NULL, zeit {INT64} NOT NULL, "
                            "mita_id1 INTEGER NOT NULL DEFAULT 0, mita_id2 INTEGER NOT NULL DEFAULT 0, "
                            "prod_id1 INTEGER NOT NULL, prod_id2 INTEGER NOT NULL, prod_id3 INTEGER NOT NULL, "
                            "groesse INTEGER NOT NULL, von_id1 INTEGER NOT NULL DEFAULT 0, "
                            "von_id2 INTEGER NOT NULL DEFAULT 0, von_id3 INTEGER NOT NULL DEFAULT 0, "
                            "an_id1 INTEGER NOT NULL DEFAULT 0, an_id2 INTEGER NOT NULL DEFAULT 0, "
                            "an_id3 INTEGER NOT NULL DEFAULT 0, menge INTEGER NOT NULL, "
                            "umlagerungsart INTEGER NOT NULL DEFAULT 0, korrekturart INTEGER NOT NULL DEFAULT 0, "
                            "von_filiale INTEGER NOT NULL DEFAULT -1, an_filiale INTEGER NOT NULL DEFAULT -1, "
                            "verweis_typ INTEGER NOT NULL DEFAULT 0, verweis_id1 INTEGER NOT NULL DEFAULT 0, "
                            "verweis_id2 INTEGER NOT NULL DEFAULT 0, verweis_id3 INTEGER NOT NULL DEFAULT 0, "
                            "verweis_bewtyp INTEGER NOT NULL DEFAULT 0)"),
             QStringLiteral("CREATE INDEX zam_bewegung_prot ON zam_bewegung (prot_id1, prot_id2, prot_id3)"),
             QStringLiteral("CREATE INDEX zam_bewegung_produkt ON zam_bewegung (prod_id1, prod_id2, prod_id3)"),
         },
         {},
         {}},
        // The task files. A task header (zam_auko) keeps the codes of its kind, business case and
        // status; its execution (zam_auae) the branches, the quantity, the order line it came from
        // and the customer order it belongs to (all 0: the order line's position names it). Open is
        // the ordered quantity less the fulfilments. The order files: order lines (zam_bne) with
        // their positions (zam_bnep), external orders (zam_exbi), customer-order headers (zam_atk),
        // their positions (zam_atpk) and position states (zam_atpb); reservations of branch stock
        // (zam_bfp); the reasons of replenishment requests (zam_grund), walking routes and selling
        // prices. Times are {ZEITPUNKT}: ISO text with milliseconds on SQLite, so that a text
        // comparison is a time comparison. The rows of the former task table move in code.
        {7,
         QStringLiteral("Aufgabendateien, Auftragsdateien, Anforderungsgründe, Laufwege, Verkaufspreise"),
         {
             QStringLiteral("CREATE TABLE zam_auko (id1 INTEGER NOT NULL, id2 INTEGER NOT NULL, id3 INTEGER NOT NULL, "
                            "art VARCHAR(4) NOT NULL, erstellt {ZEITPUNKT}, bearbeitung {ZEITPUNKT}, "
                            "gv VARCHAR(4) NOT NULL DEFAULT '', status VARCHAR(1) NOT NULL, "
                            "prioritaet INTEGER NOT NULL DEFAULT 0, lager INTEGER NOT NULL, "
                            "prod_id1 INTEGER NOT NULL DEFAULT 0, prod_id2 INTEGER NOT NULL DEFAULT 0, "
                            "prod_id3 INTEGER NOT NULL DEFAULT 0, groesse INTEGER NOT NULL DEFAULT 0, "
                            "ziel_lo_id1 INTEGER NOT NULL DEFAULT 0, ziel_lo_id2 INTEGER NOT NULL DEFAULT 0, "
                            "ziel_lo_id3 INTEGER NOT NULL DEFAULT 0, grund_id1 INTEGER NOT NULL DEFAULT 0, "
                            "grund_id2 INTEGER NOT NULL DEFAULT 0, grund_id3 INTEGER NOT NULL DEFAULT 0, "
                            "ext_kennung INTEGER NOT NULL DEFAULT 0, ext_id1 INTEGER NOT NULL DEFAULT 0, "
                            "ext_id2 INTEGER NOT NULL DEFAULT 0, ext_id3 INTEGER NOT NULL DEFAULT 0, "
                            "ext_nummer INTEGER NOT NULL DEFAULT 0, teamsport INTEGER NOT NULL DEFAULT 0, "
                            "PRIMARY KEY (id1, id2, id3))"),
             QStringLiteral("CREATE INDEX zam_auko_lager ON zam_auko (lager, status, art, gv)"),
             QStringLiteral("CREATE INDEX zam_auko_produkt ON zam_auko (prod_id1, prod_id2, prod_id3)"),
             QStringLiteral("CREATE INDEX zam_auko_ext ON zam_auko (ext_kennung, ext_id1, ext_id2, ext_id3)"),
             QStringLiteral("CREATE TABLE zam_auae (auf_id1 INTEGER NOT NULL, auf_id2 INTEGER NOT NULL, "
                            "auf_id3 INTEGER NOT NULL, quell_filiale INTEGER NOT NULL DEFAULT 0, "
                            "ziel_filiale INTEGER NOT NULL DEFAULT 0, menge INTEGER NOT NULL DEFAULT 0, "
                            "bne_id1 INTEGER NOT NULL DEFAULT 0, bne_id2 INTEGER NOT NULL DEFAULT 0, "
                            "bne_id3 INTEGER NOT NULL DEFAULT 0, bne_typ INTEGER NOT NULL DEFAULT 0, "
                            "kube_id1 INTEGER NOT NULL DEFAULT 0, kube_id2 INTEGER NOT NULL DEFAULT 0, "
                            "kube_id3 INTEGER NOT NULL DEFAULT 0, kube_nr INTEGER NOT NULL DEFAULT 0, "
                            "PRIMARY KEY (auf_id1, auf_id2, auf_id3), "
                            "FOREIGN KEY (auf_id1, auf_id2, auf_id3) REFERENCES zam_auko (id1, id2, id3) "
                            "ON DELETE CASCADE)"),
             QStringLiteral("CREATE INDEX zam_auae_ziel ON zam_auae (ziel_filiale)"),
             QStringLiteral("CREATE TABLE zam_aufgabe_erfuellung (id {ID}, auf_id1 INTEGER NOT NULL, "
                            "auf_id2 INTEGER NOT NULL, auf_id3 INTEGER NOT NULL, mita_id1 INTEGER NOT NULL DEFAULT 0, "
                            "mita_id2 INTEGER NOT NULL DEFAULT 0, menge INTEGER NOT NULL CHECK (menge > 0), "
                            "zeit {ZEITPUNKT} NOT NULL, prot_id1 INTEGER NOT NULL DEFAULT 0, "
                            "prot_id2 INTEGER NOT NULL DEFAULT 0, prot_id3 INTEGER NOT NULL DEFAULT 0, "
                            "FOREIGN KEY (auf_id1, auf_id2, auf_id3) REFERENCES zam_auko (id1, id2, id3) "
                            "ON DELETE CASCADE)"),
             QStringLiteral(
                 "CREATE INDEX zam_aufgabe_erfuellung_auf ON zam_aufgabe_erfuellung (auf_id1, auf_id2, auf_id3)"),
             QStringLiteral("CREATE TABLE zam_bne (id1 INTEGER NOT NULL, id2 INTEGER NOT NULL, id3 INTEGER NOT NULL, "
                            "typ INTEGER NOT NULL DEFAULT 0, datum {ZEITPUNKT} NOT NULL, PRIMARY KEY (id1, id2, id3))"),
             // An order-line position: the quantity of a transaction for a target (and source) branch,
             // with the customer order it is reserved for; source branch 0 stands for any.
             QStringLiteral("CREATE TABLE zam_bnep (id {ID}, bne_id1 INTEGER NOT NULL, bne_id2 INTEGER NOT NULL, "
                            "bne_id3 INTEGER NOT NULL, bne_typ INTEGER NOT NULL DEFAULT 0, "
                            "ziel_filiale INTEGER NOT NULL DEFAULT 0, quell_filiale INTEGER NOT NULL DEFAULT 0, "
                            "kennung VARCHAR(20) NOT NULL DEFAULT '', auftrag_id1 INTEGER NOT NULL DEFAULT 0, "
                            "auftrag_id2 INTEGER NOT NULL DEFAULT 0, auftrag_id3 INTEGER NOT NULL DEFAULT 0, "
                            "auftrag_nr INTEGER NOT NULL DEFAULT 0, ext_kennung INTEGER NOT NULL DEFAULT 0, "
                            "ext_id1 INTEGER NOT NULL DEFAULT 0, ext_id2 INTEGER NOT NULL DEFAULT 0, "
                            "ext_id3 INTEGER NOT NULL DEFAULT 0, ext_nummer INTEGER NOT NULL DEFAULT 0, "
                            "menge INTEGER NOT NULL DEFAULT 0, bewtyp INTEGER NOT NULL DEFAULT 0)"),
             QStringLiteral("CREATE INDEX zam_bnep_bne ON zam_bnep (bne_id1, bne_id2, bne_id3, bne_typ, ziel_filiale)"),
             QStringLiteral(
                 "CREATE INDEX zam_bnep_ext ON zam_bnep (ext_kennung, ext_id1, ext_id2, ext_id3, ext_nummer)"),
             // An external order: its source (kennung), order id and position; positionen is how many
             // positions the order has in all.
             QStringLiteral("CREATE TABLE zam_exbi (id {ID}, kennung VARCHAR(20) NOT NULL, "
                            "auftrag_id1 INTEGER NOT NULL, auftrag_id2 INTEGER NOT NULL, auftrag_id3 INTEGER NOT NULL, "
                            "auftrag_nr INTEGER NOT NULL, bestellnr VARCHAR(30) NOT NULL DEFAULT '', "
                            "datum {ZEITPUNKT}, bezahlt VARCHAR(1) NOT NULL DEFAULT 'N', "
                            "buch_filiale INTEGER NOT NULL DEFAULT 0, herkunft VARCHAR(1) NOT NULL DEFAULT '', "
                            "positionen INTEGER NOT NULL DEFAULT 1, "
                            "UNIQUE (kennung, auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr))"),
             QStringLiteral("CREATE INDEX zam_exbi_bestellnr ON zam_exbi (bestellnr)"),
             QStringLiteral(
                 "CREATE TABLE zam_atk (id1 INTEGER NOT NULL, id2 INTEGER NOT NULL, "
                 "belegnr VARCHAR(20) NOT NULL DEFAULT '', datum {ZEITPUNKT}, "
                 "auslieferungtyp VARCHAR(1) NOT NULL DEFAULT '', zahlungsart VARCHAR(1) NOT NULL DEFAULT '', "
                 "herkunftskz VARCHAR(1) NOT NULL DEFAULT '', glaeubiger1 INTEGER NOT NULL DEFAULT 0, "
                 "glaeubiger2 INTEGER NOT NULL DEFAULT 0, glaeubiger_orge1 INTEGER NOT NULL DEFAULT 0, "
                 "glaeubiger_orge2 INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (id1, id2))"),
             QStringLiteral("CREATE TABLE zam_atpk (pos_id1 INTEGER NOT NULL, pos_id2 INTEGER NOT NULL, "
                            "pos_id3 INTEGER NOT NULL, pos_id4 INTEGER NOT NULL, atk_id1 INTEGER NOT NULL, "
                            "atk_id2 INTEGER NOT NULL, prod_id1 INTEGER NOT NULL DEFAULT 0, "
                            "prod_id2 INTEGER NOT NULL DEFAULT 0, prod_id3 INTEGER NOT NULL DEFAULT 0, "
                            "groesse INTEGER NOT NULL DEFAULT 0, menge INTEGER NOT NULL DEFAULT 0, "
                            "PRIMARY KEY (pos_id1, pos_id2, pos_id3, pos_id4), "
                            "FOREIGN KEY (atk_id1, atk_id2) REFERENCES zam_atk (id1, id2) ON DELETE CASCADE)"),
             QStringLiteral("CREATE INDEX zam_atpk_atk ON zam_atpk (atk_id1, atk_id2)"),
             QStringLiteral(
                 "CREATE TABLE zam_atpb (auftrag_id1 INTEGER NOT NULL, auftrag_id2 INTEGER NOT NULL, "
                 "auftrag_id3 INTEGER NOT NULL, auftrag_nr INTEGER NOT NULL, pos_id1 INTEGER NOT NULL, "
                 "pos_id2 INTEGER NOT NULL, pos_id3 INTEGER NOT NULL, zustand VARCHAR(1) NOT NULL DEFAULT '', "
                 "bezahlt VARCHAR(1) NOT NULL DEFAULT 'N', "
                 "PRIMARY KEY (auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr))"),
             QStringLiteral("CREATE INDEX zam_atpb_pos ON zam_atpb (pos_id1, pos_id2, pos_id3, auftrag_nr)"),
             QStringLiteral("CREATE TABLE zam_bfp (id {ID}, verweis_art VARCHAR(1) NOT NULL, "
                            "verweis_id1 INTEGER NOT NULL, verweis_id2 INTEGER NOT NULL, verweis_id3 INTEGER NOT NULL, "
                            "verweis_nummer INTEGER NOT NULL DEFAULT 0, filiale INTEGER NOT NULL, "
                            "bestandsart VARCHAR(2) NOT NULL DEFAULT ' ', menge INTEGER NOT NULL DEFAULT 0)"),
             QStringLiteral("CREATE INDEX zam_bfp_verweis ON zam_bfp (verweis_art, verweis_id1, verweis_id2, "
                            "verweis_id3, verweis_nummer)"),
             QStringLiteral("CREATE TABLE zam_grund (gruppe VARCHAR(4) NOT NULL, id1 INTEGER NOT NULL, "
                            "id2 INTEGER NOT NULL, id3 INTEGER NOT NULL, bezeichnung VARCHAR(60) NOT NULL, "
                            "prio_reihenfolge INTEGER NOT NULL DEFAULT 0, nur_aufgabe INTEGER NOT NULL DEFAULT 0, "
                            "prio_signal INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (gruppe, id1, id2, id3))"),
             QStringLiteral(
                 "CREATE TABLE zam_laufweg (id1 INTEGER NOT NULL, id2 INTEGER NOT NULL, id3 INTEGER NOT NULL, "
                 "lager INTEGER NOT NULL, name VARCHAR(60) NOT NULL, reihenfolge INTEGER NOT NULL DEFAULT 0, "
                 "PRIMARY KEY (id1, id2, id3))"),
             QStringLiteral("CREATE INDEX zam_laufweg_lager ON zam_laufweg (lager, reihenfolge)"),
             QStringLiteral(
                 "CREATE TABLE zam_laufweg_platz (laufweg_id1 INTEGER NOT NULL, laufweg_id2 INTEGER NOT NULL, "
                 "laufweg_id3 INTEGER NOT NULL, pos INTEGER NOT NULL, lo_id1 INTEGER NOT NULL, "
                 "lo_id2 INTEGER NOT NULL, lo_id3 INTEGER NOT NULL, "
                 "PRIMARY KEY (laufweg_id1, laufweg_id2, laufweg_id3, pos), "
                 "FOREIGN KEY (laufweg_id1, laufweg_id2, laufweg_id3) REFERENCES zam_laufweg (id1, id2, id3) "
                 "ON DELETE CASCADE)"),
             QStringLiteral("CREATE TABLE zam_vkpreis (prod_id1 INTEGER NOT NULL, prod_id2 INTEGER NOT NULL, "
                            "prod_id3 INTEGER NOT NULL, filiale INTEGER NOT NULL, groesse INTEGER NOT NULL, "
                            "ab DATE NOT NULL, preis_cent {INT64} NOT NULL CHECK (preis_cent >= 0), "
                            "PRIMARY KEY (prod_id1, prod_id2, prod_id3, filiale, groesse, ab))"),
         },
         {},
         TZAM_Schema::AufgabenUmziehen},
        // A task's reference names an external order by order id and position, not by its source:
        // the unique key, which begins with the source, cannot find it.
        {8,
         QStringLiteral("Externe Bestellungen nach Auftrag"),
         {QStringLiteral(
             "CREATE INDEX zam_exbi_auftrag ON zam_exbi (auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr)")},
         {},
         {}},
        // The status a task had before the handheld that locked it set its own: restored when the
        // lock is given back, also by whoever takes over the lock of a handheld that died.
        {9,
         QStringLiteral("Aufgabenstatus unter Sperre"),
         {QStringLiteral("CREATE TABLE zam_aufgabe_sperrstatus (id1 INTEGER NOT NULL, id2 INTEGER NOT NULL, "
                         "id3 INTEGER NOT NULL, status_vorher VARCHAR(1) NOT NULL, status_gesetzt VARCHAR(1) NOT NULL, "
                         "PRIMARY KEY (id1, id2, id3))")},
         {},
         {}},
        {10,
         QStringLiteral("Abarbeitungsreihenfolgen der Lager"),
         {QStringLiteral("CREATE TABLE zam_abarbeitung (nummer INTEGER PRIMARY KEY, lager INTEGER NOT NULL, "
                         "aktuell INTEGER NOT NULL DEFAULT 0, gesondert INTEGER NOT NULL DEFAULT 0)"),
          QStringLiteral("CREATE INDEX zam_abarbeitung_lager ON zam_abarbeitung (lager, aktuell)"),
          QStringLiteral("CREATE TABLE zam_abarbeitung_vorlage (nummer INTEGER NOT NULL, pos INTEGER NOT NULL, "
                         "filiale INTEGER NOT NULL, art INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (nummer, pos), "
                         "FOREIGN KEY (nummer) REFERENCES zam_abarbeitung (nummer) ON DELETE CASCADE)")},
         {},
         {}},
        {11,
         QStringLiteral("Filialen mit Lagerverwaltung"),
         {QStringLiteral("ALTER TABLE zam_filiale ADD COLUMN lv_benutzen INTEGER NOT NULL DEFAULT 1")},
         {},
         {}},
        {12,
         QStringLiteral("Behältertypen; ob ein Behälter ein Einweg-Behälter ist, sagt sein Typ"),
         {QStringLiteral(
              "CREATE TABLE zam_behaelter_typ (id1 INTEGER NOT NULL, id2 INTEGER NOT NULL, name TEXT NOT NULL, "
              "einweg INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (id1, id2))"),
          QStringLiteral("INSERT INTO zam_behaelter_typ (id1, id2, name, einweg) VALUES (1, 1, 'Gitterbox', 0)"),
          QStringLiteral("INSERT INTO zam_behaelter_typ (id1, id2, name, einweg) VALUES (1, 2, 'Einweg-Behälter', 1)"),
          QStringLiteral("ALTER TABLE zam_behaelter ADD COLUMN typ_id1 INTEGER NOT NULL DEFAULT 1"),
          QStringLiteral("ALTER TABLE zam_behaelter ADD COLUMN typ_id2 INTEGER NOT NULL DEFAULT 1"),
          QStringLiteral("UPDATE zam_behaelter SET typ_id2 = 2 WHERE einweg <> 0"),
          QStringLiteral("ALTER TABLE zam_behaelter DROP COLUMN einweg")},
         {},
         {}},
        // Goods receipt. Articles name their supplier (a partner of kind 2) and how many labels of
        // which layout each piece gets. Dispositions are order lines of kind 45 (zam_bne.typ) with
        // product, order key (number range, serial; 0-0 without order), dates and a closed flag;
        // their positions (zam_bnep) carry the order branch, the size, the planned quantity (menge)
        // and what was received. Customer-order documents carry their delivery and a position its
        // processing branch and deviating delivery branch; process combinations split a position's
        // pieces per size. Places are assigned to documents (zam_lvlz). Scan records outlive the
        // program until posted; terminals get a number on first use; print jobs are recorded.
        {13,
         QStringLiteral("Wareneingang: Lieferanten, Etiketten, Dispositionen, Verfahrenskombinationen, "
                        "Lagerortzuordnungen, Scansätze, Terminals, Druckaufträge"),
         {QStringLiteral("ALTER TABLE zam_artikel ADD COLUMN lieferant_id1 INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral("ALTER TABLE zam_artikel ADD COLUMN lieferant_id2 INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral("ALTER TABLE zam_artikel ADD COLUMN etiketten_anzahl INTEGER NOT NULL DEFAULT 1"),
          QStringLiteral("ALTER TABLE zam_artikel ADD COLUMN etiketten_layout VARCHAR(40) NOT NULL DEFAULT ''"),
          // Sizes in millimetres; the layout names what a label shows beyond the code.
          QStringLiteral("CREATE TABLE zam_etikett_layout (name VARCHAR(40) PRIMARY KEY, "
                         "breite_mm INTEGER NOT NULL, hoehe_mm INTEGER NOT NULL, "
                         "mit_herstellernr INTEGER NOT NULL DEFAULT 1, mit_dispo INTEGER NOT NULL DEFAULT 1)"),
          QStringLiteral("ALTER TABLE zam_bne ADD COLUMN prod_id1 INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral("ALTER TABLE zam_bne ADD COLUMN prod_id2 INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral("ALTER TABLE zam_bne ADD COLUMN prod_id3 INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral("ALTER TABLE zam_bne ADD COLUMN bewtyp INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral("ALTER TABLE zam_bne ADD COLUMN auftrag_kreis INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral("ALTER TABLE zam_bne ADD COLUMN auftrag_nr INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral("ALTER TABLE zam_bne ADD COLUMN datum2 {ZEITPUNKT}"),
          QStringLiteral("ALTER TABLE zam_bne ADD COLUMN geschlossen INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral("ALTER TABLE zam_bne ADD COLUMN preis_cent {INT64} NOT NULL DEFAULT 0"),
          QStringLiteral("ALTER TABLE zam_bne ADD COLUMN dispo_datum {ZEITPUNKT}"),
          QStringLiteral("ALTER TABLE zam_bne ADD COLUMN liefer_frueh {ZEITPUNKT}"),
          QStringLiteral("ALTER TABLE zam_bne ADD COLUMN liefer_spaet {ZEITPUNKT}"),
          QStringLiteral("ALTER TABLE zam_bne ADD COLUMN lieferanten_nr VARCHAR(40) NOT NULL DEFAULT ''"),
          QStringLiteral("CREATE INDEX zam_bne_auftrag ON zam_bne (auftrag_kreis, auftrag_nr, typ)"),
          QStringLiteral("CREATE INDEX zam_bne_produkt ON zam_bne (prod_id1, prod_id2, prod_id3, typ)"),
          QStringLiteral("ALTER TABLE zam_bnep ADD COLUMN auftr_filiale INTEGER NOT NULL DEFAULT -1"),
          QStringLiteral("ALTER TABLE zam_bnep ADD COLUMN groesse INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral("ALTER TABLE zam_bnep ADD COLUMN erhalten INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral("ALTER TABLE zam_atk ADD COLUMN auslieferung_art INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral("ALTER TABLE zam_atk ADD COLUMN auslieferung_filiale INTEGER NOT NULL DEFAULT -1"),
          QStringLiteral("ALTER TABLE zam_atpk ADD COLUMN bearb_filiale INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral("ALTER TABLE zam_atpk ADD COLUMN ausl_filiale INTEGER NOT NULL DEFAULT -1"),
          QStringLiteral("CREATE TABLE zam_verfkombi (id1 INTEGER NOT NULL, id2 INTEGER NOT NULL, "
                         "id3 INTEGER NOT NULL, name VARCHAR(60) NOT NULL, PRIMARY KEY (id1, id2, id3))"),
          // The pieces per size of a customer-order position (reference id and number) that a
          // process combination takes.
          QStringLiteral("CREATE TABLE zam_verfkombi_pos (auftrag_id1 INTEGER NOT NULL, auftrag_id2 INTEGER NOT NULL, "
                         "auftrag_id3 INTEGER NOT NULL, auftrag_nr INTEGER NOT NULL, vk_id1 INTEGER NOT NULL, "
                         "vk_id2 INTEGER NOT NULL, vk_id3 INTEGER NOT NULL, groesse INTEGER NOT NULL "
                         "CHECK (groesse BETWEEN 0 AND 99), menge INTEGER NOT NULL CHECK (menge >= 0), "
                         "PRIMARY KEY (auftrag_id1, auftrag_id2, auftrag_id3, auftrag_nr, vk_id1, vk_id2, vk_id3, "
                         "groesse))"),
          QStringLiteral("CREATE TABLE zam_lvlz (lo_id1 INTEGER NOT NULL, lo_id2 INTEGER NOT NULL, "
                         "lo_id3 INTEGER NOT NULL, verweis_art INTEGER NOT NULL, verweis_id1 INTEGER NOT NULL, "
                         "verweis_id2 INTEGER NOT NULL, verweis_id3 INTEGER NOT NULL, "
                         "verweis_nummer INTEGER NOT NULL DEFAULT 0, vk_id1 INTEGER NOT NULL DEFAULT 0, "
                         "vk_id2 INTEGER NOT NULL DEFAULT 0, vk_id3 INTEGER NOT NULL DEFAULT 0, "
                         "auftragstyp INTEGER NOT NULL DEFAULT 0, status INTEGER NOT NULL DEFAULT 0, "
                         "PRIMARY KEY (lo_id1, lo_id2, lo_id3), "
                         "FOREIGN KEY (lo_id1, lo_id2, lo_id3) REFERENCES zam_lagerort (id1, id2, id3))"),
          QStringLiteral("CREATE INDEX zam_lvlz_verweis ON zam_lvlz (verweis_art, verweis_id1, verweis_id2, "
                         "verweis_id3, verweis_nummer)"),
          // typ 1 count list, 2 WE-Plus; offen 0 once posted.
          QStringLiteral("CREATE TABLE zam_scansatz (id {ID}, typ INTEGER NOT NULL, offen INTEGER NOT NULL DEFAULT 1, "
                         "auftrag_text VARCHAR(40) NOT NULL DEFAULT '', lieferschein VARCHAR(40) NOT NULL DEFAULT '', "
                         "prod_id1 INTEGER NOT NULL, prod_id2 INTEGER NOT NULL, prod_id3 INTEGER NOT NULL, "
                         "groesse INTEGER NOT NULL CHECK (groesse BETWEEN 0 AND 99), "
                         "menge INTEGER NOT NULL CHECK (menge >= 0), lo_id1 INTEGER NOT NULL DEFAULT 0, "
                         "lo_id2 INTEGER NOT NULL DEFAULT 0, lo_id3 INTEGER NOT NULL DEFAULT 0, "
                         "dispo_id1 INTEGER NOT NULL DEFAULT 0, dispo_id2 INTEGER NOT NULL DEFAULT 0, "
                         "dispo_id3 INTEGER NOT NULL DEFAULT 0, ext_kennung INTEGER NOT NULL DEFAULT 0, "
                         "ext_id1 INTEGER NOT NULL DEFAULT 0, ext_id2 INTEGER NOT NULL DEFAULT 0, "
                         "ext_id3 INTEGER NOT NULL DEFAULT 0, ext_nummer INTEGER NOT NULL DEFAULT 0, "
                         "mita_id1 INTEGER NOT NULL, mita_id2 INTEGER NOT NULL, datum1 {ZEITPUNKT}, "
                         "datum2 {ZEITPUNKT}, kennzeichen INTEGER NOT NULL DEFAULT 0, "
                         "lieferant_id1 INTEGER NOT NULL DEFAULT 0, lieferant_id2 INTEGER NOT NULL DEFAULT 0, "
                         "lager_filiale INTEGER NOT NULL DEFAULT -1)"),
          QStringLiteral("CREATE INDEX zam_scansatz_mita ON zam_scansatz (mita_id1, mita_id2, typ, offen)"),
          QStringLiteral("CREATE TABLE zam_terminal (kennung VARCHAR(60) PRIMARY KEY, nummer INTEGER NOT NULL UNIQUE)"),
          QStringLiteral(
              "CREATE TABLE zam_druckauftrag (id {ID}, zeit {INT64} NOT NULL, drucker TEXT NOT NULL, "
              "art VARCHAR(40) NOT NULL, datei TEXT NOT NULL DEFAULT '', seiten INTEGER NOT NULL DEFAULT 0)")},
         {},
         {}},
        // Goods-receipt posting: articles blocked for goods receipt and their marking kind; the
        // goods-receipt documents with one line per posted scan record (a record has at most one
        // line: it is consumed once); the order-branch list per supplier (entries of an order
        // branch with its branches in order); the stored configuration records (mask file).
        {14,
         QStringLiteral("Wareneingangsbuchung: Sperre und Auszeichnungsart des Artikels, Wareneingangsbelege, "
                        "Auftragsfilialen, Maskendatei"),
         {QStringLiteral("ALTER TABLE zam_artikel ADD COLUMN we_gesperrt INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral("ALTER TABLE zam_artikel ADD COLUMN auszeichnungsart INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral("CREATE TABLE zam_we (id {ID}, belegnr VARCHAR(20) NOT NULL UNIQUE, zeit {ZEITPUNKT}, "
                         "mita_id1 INTEGER NOT NULL DEFAULT 0, mita_id2 INTEGER NOT NULL DEFAULT 0, "
                         "terminal INTEGER NOT NULL DEFAULT 0, modus INTEGER NOT NULL, "
                         "lieferschein VARCHAR(40) NOT NULL DEFAULT '', buchung_id INTEGER NOT NULL DEFAULT 0)"),
          QStringLiteral("CREATE TABLE zam_wep (id {ID}, we_id INTEGER NOT NULL, scansatz_id INTEGER NOT NULL UNIQUE, "
                         "prod_id1 INTEGER NOT NULL, prod_id2 INTEGER NOT NULL, prod_id3 INTEGER NOT NULL, "
                         "groesse INTEGER NOT NULL, menge INTEGER NOT NULL, lo_id1 INTEGER NOT NULL, "
                         "lo_id2 INTEGER NOT NULL, lo_id3 INTEGER NOT NULL, dispo_id1 INTEGER NOT NULL DEFAULT 0, "
                         "dispo_id2 INTEGER NOT NULL DEFAULT 0, dispo_id3 INTEGER NOT NULL DEFAULT 0, "
                         "filiale INTEGER NOT NULL, ext_kennung INTEGER NOT NULL DEFAULT 0, "
                         "ext_id1 INTEGER NOT NULL DEFAULT 0, ext_id2 INTEGER NOT NULL DEFAULT 0, "
                         "ext_id3 INTEGER NOT NULL DEFAULT 0, ext_nummer INTEGER NOT NULL DEFAULT 0)"),
          QStringLiteral("CREATE INDEX zam_wep_we ON zam_wep (we_id)"),
          QStringLiteral("CREATE TABLE zam_auftrfil (lieferant_id1 INTEGER NOT NULL, lieferant_id2 INTEGER NOT NULL, "
                         "eintrag INTEGER NOT NULL, auftr_filiale INTEGER NOT NULL, pos INTEGER NOT NULL, "
                         "filiale INTEGER NOT NULL, PRIMARY KEY (lieferant_id1, lieferant_id2, eintrag, pos))"),
          QStringLiteral(
              "CREATE TABLE zam_maskfile (schluessel1 VARCHAR(40) NOT NULL, schluessel2 VARCHAR(40) NOT NULL, "
              "schluessel3 VARCHAR(40) NOT NULL, schluessel4 VARCHAR(40) NOT NULL, "
              "schluessel5 VARCHAR(40) NOT NULL, inhalt TEXT NOT NULL DEFAULT '', "
              "PRIMARY KEY (schluessel1, schluessel2, schluessel3, schluessel4, schluessel5))")},
         {},
         {}},
        // WE-Plus order entry: the purchase orders with the house's own order number; the number
        // ranges per table kind in their stored order (kind byte, record type); the record types
        // an object knows.
        {15,
         QStringLiteral("WE-Plus: Bestellungen, Nummernkreise, Objekttabelle"),
         {QStringLiteral("CREATE TABLE zam_bestellung (auftrag_kreis INTEGER NOT NULL, auftrag_nr INTEGER NOT NULL, "
                         "eigene_nr VARCHAR(40) NOT NULL UNIQUE, lieferant_id1 INTEGER NOT NULL DEFAULT 0, "
                         "lieferant_id2 INTEGER NOT NULL DEFAULT 0, datum {ZEITPUNKT}, "
                         "PRIMARY KEY (auftrag_kreis, auftrag_nr))"),
          QStringLiteral("CREATE TABLE zam_nummernkreis (tabellenart INTEGER NOT NULL, nummer INTEGER NOT NULL "
                         "CHECK (nummer > 0), art INTEGER NOT NULL CHECK (art BETWEEN 0 AND 255), "
                         "satztyp INTEGER NOT NULL DEFAULT 0, reihenfolge INTEGER NOT NULL DEFAULT 0, "
                         "PRIMARY KEY (tabellenart, nummer))"),
          QStringLiteral("CREATE TABLE zam_objekt_satztyp (objekt VARCHAR(20) NOT NULL, satztyp INTEGER NOT NULL, "
                         "PRIMARY KEY (objekt, satztyp))")},
         {},
         {}},
        // Incoming documents of a warehouse: goods slips between branches (list number, from- and
        // to-branch, the receiving warehouse), goods-receipt notices and external-number documents.
        // Their movements are order lines of kind 70 (zam_bne.typ), one per document key and product,
        // naming their document (eingang_art 1 slip, 2 notice, 3 external number, with its key in
        // eingang_id1..3 or eingang_nr); the positions carry size, from- and to-branch (quell_/
        // ziel_filiale), the movement byte (bewtyp), the reference (ext_*) with the customer-order
        // document of the position (auftrag_*), the planned pieces (menge), what was put away
        // (erhalten) and what was written off as missing (fehlmenge); open is menge - erhalten -
        // fehlmenge. A notice's pieces lie on the place its position names (lo_id1..3).
        {16,
         QStringLiteral("Eingangsbelege: Warenbegleitscheine, WE-Avise, Fremdnummern"),
         {QStringLiteral("CREATE TABLE zam_wbs (id1 INTEGER NOT NULL, id2 INTEGER NOT NULL, "
                         "von_filiale INTEGER NOT NULL, an_filiale INTEGER NOT NULL, lager INTEGER NOT NULL, "
                         "datum {ZEITPUNKT}, PRIMARY KEY (id1, id2))"),
          QStringLiteral("CREATE INDEX zam_wbs_an ON zam_wbs (an_filiale)"),
          QStringLiteral("CREATE TABLE zam_weav (id1 INTEGER NOT NULL, id2 INTEGER NOT NULL, id3 INTEGER NOT NULL, "
                         "filiale INTEGER NOT NULL, lager INTEGER NOT NULL, datum {ZEITPUNKT}, "
                         "PRIMARY KEY (id1, id2, id3))"),
          QStringLiteral("CREATE TABLE zam_fremdbeleg (nummer VARCHAR(40) NOT NULL PRIMARY KEY, "
                         "lager INTEGER NOT NULL, filiale INTEGER NOT NULL DEFAULT -1, datum {ZEITPUNKT})"),
          QStringLiteral("ALTER TABLE zam_bne ADD COLUMN eingang_art INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral("ALTER TABLE zam_bne ADD COLUMN eingang_id1 INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral("ALTER TABLE zam_bne ADD COLUMN eingang_id2 INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral("ALTER TABLE zam_bne ADD COLUMN eingang_id3 INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral("ALTER TABLE zam_bne ADD COLUMN eingang_nr VARCHAR(40) NOT NULL DEFAULT ''"),
          QStringLiteral("CREATE INDEX zam_bne_eingang ON zam_bne (eingang_art, eingang_id1, eingang_id2, "
                         "eingang_id3, eingang_nr)"),
          QStringLiteral("ALTER TABLE zam_bnep ADD COLUMN fehlmenge INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral("ALTER TABLE zam_bnep ADD COLUMN lo_id1 INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral("ALTER TABLE zam_bnep ADD COLUMN lo_id2 INTEGER NOT NULL DEFAULT 0"),
          QStringLiteral("ALTER TABLE zam_bnep ADD COLUMN lo_id3 INTEGER NOT NULL DEFAULT 0")},
         {},
         {}},
        // What an incoming document's order lines leave open, and the sums per document (kind and
        // key as the lines name it: eingang_art, _id1.._id3, _nr), kept by
        // TZAM_EingangsbelegServerSql::OffenFortschreiben; the product is set when one article is open.
        {17,
         QStringLiteral("Offene Stueck je Auftragszeile und Eingangsbeleg"),
         QStringList{QStringLiteral("ALTER TABLE zam_bne ADD COLUMN offen INTEGER NOT NULL DEFAULT 0"),
                     QStringLiteral("ALTER TABLE zam_bne ADD COLUMN offen_groessen INTEGER NOT NULL DEFAULT 0"),
                     QStringLiteral("CREATE TABLE zam_eingang_offen (art INTEGER NOT NULL, id1 INTEGER NOT NULL, "
                                    "id2 INTEGER NOT NULL, id3 INTEGER NOT NULL, nr VARCHAR(40) NOT NULL, "
                                    "offen INTEGER NOT NULL, artikel INTEGER NOT NULL, groessen INTEGER NOT NULL, "
                                    "prod_id1 INTEGER, prod_id2 INTEGER, prod_id3 INTEGER, "
                                    "PRIMARY KEY (art, id1, id2, id3, nr))")} +
             TZAM_EingangsbelegServerSql::OffenFortschreibenSql(QStringLiteral("1 = 1")),
         {},
         {}},
        // The storage structure's elements of a place: per kind the organisation (business-partner
        // organisation of a branch, TOrgeIdKompl) the element belongs to; kind 8 names the branch a
        // place serves. Containers carry place class 2.
        {18,
         QStringLiteral("Strukturelemente der Lagerorte, Lagerortklasse der Behälter"),
         {QStringLiteral("CREATE TABLE zam_strukturelement (lo_id1 INTEGER NOT NULL, lo_id2 INTEGER NOT NULL, "
                         "lo_id3 INTEGER NOT NULL, art INTEGER NOT NULL, orge_id1 INTEGER NOT NULL, "
                         "orge_id2 INTEGER NOT NULL, orge_ebene1 INTEGER NOT NULL DEFAULT 0, "
                         "orge_ebene2 INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (lo_id1, lo_id2, lo_id3, art), "
                         "FOREIGN KEY (lo_id1, lo_id2, lo_id3) REFERENCES zam_lagerort (id1, id2, id3) "
                         "ON DELETE CASCADE)"),
          QStringLiteral("UPDATE zam_lagerort SET klasse = 2 WHERE art = 3")},
         {},
         {}},
        // Number ranges count their serials (TZAM_NummernkreisServerSql::NaechsteNummer).
        {19,
         QStringLiteral("Stand der Nummernkreise"),
         {QStringLiteral("ALTER TABLE zam_nummernkreis ADD COLUMN stand INTEGER NOT NULL DEFAULT 0")},
         {},
         {}},
    };
    return GDaten;
}

const QList<TZAM_Migration>& TZAM_Schema::Sperren()
{
    static const QList<TZAM_Migration> GSperren = {
        {1,
         QStringLiteral("Sitzungen und Sperren"),
         {
             QStringLiteral("CREATE TABLE zam_sitzung (id {ID}, host TEXT NOT NULL, pid INTEGER NOT NULL, "
                            "terminal TEXT NOT NULL, eltern {INT64}, benutzer TEXT NOT NULL DEFAULT '', "
                            "benutzer_name TEXT NOT NULL DEFAULT '', gestartet {INT64} NOT NULL, "
                            "herzschlag {INT64} NOT NULL)"),
             QStringLiteral("CREATE TABLE zam_sperre (art VARCHAR(60) NOT NULL, schluessel VARCHAR(200) NOT NULL, "
                            "sitzung {INT64} NOT NULL, benutzer TEXT NOT NULL, benutzer_name TEXT NOT NULL, "
                            "seit {INT64} NOT NULL, PRIMARY KEY (art, schluessel))"),
             QStringLiteral("CREATE INDEX zam_sperre_sitzung ON zam_sperre (sitzung)"),
         },
         {}},
        // A lock is held by one family (a program and its urgent-request instances, named by the
        // first one's session) and lists each holding session; a holder row exists only for a live
        // session row, and the lock stays while it has a holder. Sessions carry the machine identity
        // and boot for the process test, and a heartbeat counter that other programs watch with
        // their own clock. SQLite cannot add a foreign key to a table: it is rebuilt, keeping the
        // rows whose session exists.
        {2,
         QStringLiteral("Sperren mit Haltern, Sitzungen mit Maschine und Herzschlagzaehler"),
         {
             QStringLiteral("ALTER TABLE zam_sitzung ADD COLUMN maschine TEXT NOT NULL DEFAULT ''"),
             QStringLiteral("ALTER TABLE zam_sitzung ADD COLUMN boot TEXT NOT NULL DEFAULT ''"),
             QStringLiteral("ALTER TABLE zam_sitzung ADD COLUMN zaehler {INT64} NOT NULL DEFAULT 0"),
             QStringLiteral("CREATE TABLE zam_sperre_neu (art VARCHAR(60) NOT NULL, schluessel VARCHAR(200) NOT NULL, "
                            "familie {INT64} NOT NULL, seit {INT64} NOT NULL, PRIMARY KEY (art, schluessel), "
                            "UNIQUE (art, schluessel, familie))"),
             QStringLiteral("INSERT INTO zam_sperre_neu (art, schluessel, familie, seit) "
                            "SELECT s.art, s.schluessel, COALESCE(z.eltern, z.id), s.seit "
                            "FROM zam_sperre s JOIN zam_sitzung z ON z.id = s.sitzung"),
             QStringLiteral("CREATE TABLE zam_sperre_halter (art VARCHAR(60) NOT NULL, "
                            "schluessel VARCHAR(200) NOT NULL, familie {INT64} NOT NULL, sitzung {INT64} NOT NULL "
                            "REFERENCES zam_sitzung (id) ON DELETE CASCADE, benutzer TEXT NOT NULL, "
                            "benutzer_name TEXT NOT NULL, PRIMARY KEY (art, schluessel, sitzung), "
                            "FOREIGN KEY (art, schluessel, familie) REFERENCES zam_sperre_neu (art, schluessel, familie) "
                            "ON DELETE CASCADE)"),
             QStringLiteral("INSERT INTO zam_sperre_halter (art, schluessel, familie, sitzung, benutzer, benutzer_name) "
                            "SELECT s.art, s.schluessel, COALESCE(z.eltern, z.id), s.sitzung, s.benutzer, "
                            "s.benutzer_name FROM zam_sperre s JOIN zam_sitzung z ON z.id = s.sitzung"),
             QStringLiteral("DROP TABLE zam_sperre"),
             QStringLiteral("ALTER TABLE zam_sperre_neu RENAME TO zam_sperre"),
             QStringLiteral("CREATE INDEX zam_sperre_familie ON zam_sperre (familie)"),
             QStringLiteral("CREATE INDEX zam_sperre_halter_sitzung ON zam_sperre_halter (sitzung)"),
         },
         {}},
    };
    return GSperren;
}
