#!/usr/bin/env bash
# Lists the barcodes of the places and containers of the demo database: name, kind (0 place,
# 1 hall, 3 container), area, warehouse and the 22-character barcode a scanner reads (the key as
# 5 + 6 + 6 digits, then five characters the program does not read). Then the incoming documents
# the putaway scans: name, receiving branch, warehouse and barcode; a goods slip's is its list
# number as 5 + 8 digits, "11111111" and one character (22), a goods-receipt notice's its key as
# 5 + 6 + 6 digits and one character (18), or with the branch in 4 digits and "000" (24).
#   scripts/demo-barcodes.sh [DATABASE FILE]
# Without an argument the demo database of the user's data directory is read.
set -euo pipefail
DB="${1:-${XDG_DATA_HOME:-$HOME/.local/share}/zam/kommissioniergeraet/demo.sqlite}"
if [ ! -f "$DB" ]; then
    echo "demo-barcodes: $DB fehlt (das Programm legt die Demo beim ersten Start an)" >&2
    exit 1
fi
sqlite3 -separator ' | ' "$DB" \
    "SELECT name, art, bereich, lager,
            printf('%05d%06d%06d00000', id1, id2, id3)
     FROM zam_lagerort ORDER BY lager, art, bereich, name"
echo
sqlite3 -separator ' | ' "$DB" \
    "SELECT 'WBS ' || id1 || '-' || id2, an_filiale, lager, printf('%05d%08d', id1, id2) || '111111110'
     FROM zam_wbs ORDER BY lager, id1, id2;
     SELECT 'WE-Avis ' || id1 || '-' || id2 || '-' || id3, filiale, lager, b
     FROM (SELECT id1, id2, id3, filiale, lager, printf('%05d%06d%06d', id1, id2, id3) || '0' AS b, 1 AS f
           FROM zam_weav
           UNION ALL
           SELECT id1, id2, id3, filiale, lager, printf('%05d%06d%06d%04d000', id1, id2, id3, filiale), 2
           FROM zam_weav WHERE filiale >= 0)
     ORDER BY lager, id1, id2, id3, f"
