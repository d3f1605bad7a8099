-- An urgent sales-floor request (its reason carries the priority signal) with an open hand-store
-- task of warehouse 1, and a check every second.
INSERT INTO zam_grund (gruppe, id1, id2, id3, bezeichnung, prio_reihenfolge, prio_signal)
VALUES ('HAG', 7, 9, 1, 'Regal leer im Verkaufsraum', 1, 1);
INSERT INTO zam_auko (id1, id2, id3, art, gv, status, lager, prod_id1, prod_id2, prod_id3, groesse, grund_id1, grund_id2, grund_id3)
VALUES (9, 9, 1, 'UHL', 'HLU', 'O', 1, 1, 100001, 0, 3, 7, 9, 1);
INSERT INTO zam_auae (auf_id1, auf_id2, auf_id3, quell_filiale, ziel_filiale, menge) VALUES (9, 9, 1, 1, 1, 2);
UPDATE zam_formstore SET text = 'UHPrioTiInt=1' WHERE maske = 'CONFMDE' AND text = 'UHPrioTiInt=10';
