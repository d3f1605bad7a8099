#!/usr/bin/env bash
# Lists the barcodes of the places and containers of the demo database: name, kind (0 place,
# 1 hall, 3 container), area, warehouse and the 22-character barcode a scanner reads (the key as
# 5 + 6 + 6 digits, then five characters the program does not read).
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
