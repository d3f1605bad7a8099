#!/usr/bin/env bash
# Runs one end-to-end script against the program on a fresh demo database.
#   scripts/e2e.sh PROGRAM SCRIPT
# A file SCRIPT with the ending .ini instead of .script, when present, is the ini file of the run
# (it must not name a database: the run uses the fresh demo database); one with the ending .args
# holds further arguments of the program; one with the ending .erwartet holds the exit code the run
# must end with on its first line and, on the lines after it, texts its output must contain
# (without it the run must end with 0); one with the ending .sql holds SQL statements that sqlite3
# runs on the fresh demo database before the script runs (a first run of the program with an empty
# script creates the database and ends at once); one with the ending .kind.script drives the second
# instance the handheld starts for urgent requests; one with the ending .pruefung holds checks of the
# database after the run, each line an SQL query, a tab and the answer sqlite3 must print (rows
# joined by "|" within and ";" between them; the lock database is attached as "sperren"); a line
# "DATEIEN pattern" instead of a query checks how many files of the program's data folder match
# the pattern (for instance "DATEIEN Druck/Etikett_*.pdf", the printed PDF files).
set -uo pipefail
PROGRAMM="$1"
SKRIPT="$2"
TMP="$(mktemp -d)"
trap 'rm -rf "$TMP"' EXIT
export HOME="$TMP"
export XDG_CONFIG_HOME="$TMP/config" XDG_DATA_HOME="$TMP/data" XDG_RUNTIME_DIR="$TMP/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
INI="${SKRIPT%.script}.ini"
ARGS=()
if [ -f "$INI" ]; then
    cp "$INI" "$TMP/zam.ini"
    printf '\n[Protokoll]\nDatei=%s\n' "$TMP/protokoll.log" >> "$TMP/zam.ini"
    ARGS=(--ini "$TMP/zam.ini")
fi
ARGDATEI="${SKRIPT%.script}.args"
if [ -f "$ARGDATEI" ]; then
    read -r -a WEITERE < "$ARGDATEI"
    ARGS+=("${WEITERE[@]}")
fi
KIND="${SKRIPT%.script}.kind.script"
[ -f "$KIND" ] && ARGS+=(--kindskript "$KIND")
SQL="${SKRIPT%.script}.sql"
if [ -f "$SQL" ]; then
    : > "$TMP/leer.script"
    timeout 120 "$PROGRAMM" --script "$TMP/leer.script" > "$TMP/anlegen.txt" 2>&1
    DEMO="$XDG_DATA_HOME/zam/kommissioniergeraet/demo.sqlite"
    if [ ! -f "$DEMO" ]; then
        cat "$TMP/anlegen.txt"
        echo "e2e: keine Demodatenbank $DEMO"
        exit 1
    fi
    sqlite3 -bail "$DEMO" < "$SQL" || { echo "e2e: $(basename "$SQL") fehlgeschlagen"; exit 1; }
fi
timeout 120 "$PROGRAMM" "${ARGS[@]}" --script "$SKRIPT" > "$TMP/ausgabe.txt" 2>&1
CODE=$?
ERWARTET=0
TEXTE=()
ERWARTET_DATEI="${SKRIPT%.script}.erwartet"
if [ -f "$ERWARTET_DATEI" ]; then
    { read -r ERWARTET; mapfile -t TEXTE; } < "$ERWARTET_DATEI"
fi
FEHLT=""
for t in "${TEXTE[@]}"; do
    [ -z "$t" ] && continue
    grep -qF -- "$t" "$TMP/ausgabe.txt" || FEHLT="$t"
done
PRUEFUNG="${SKRIPT%.script}.pruefung"
FALSCH=""
if [ -f "$PRUEFUNG" ] && [ "$CODE" -eq 0 ]; then
    DEMO="$XDG_DATA_HOME/zam/kommissioniergeraet/demo.sqlite"
    while IFS=$'\t' read -r ABFRAGE ANTWORT; do
        case "$ABFRAGE" in ''|'#'*) continue ;; esac
        if [[ "$ABFRAGE" == DATEIEN\ * ]]; then
            IST="$(cd "$(dirname "$DEMO")" && compgen -G "${ABFRAGE#DATEIEN }" | wc -l)"
        else
            IST="$(sqlite3 -cmd "ATTACH '$DEMO.sperren' AS sperren" "$DEMO" "$ABFRAGE" 2>&1 | paste -sd ';' -)"
        fi
        [ "$IST" = "$ANTWORT" ] || FALSCH+="e2e: $ABFRAGE"$'\n'"     ergab \"$IST\", erwartet \"$ANTWORT\""$'\n'
    done < "$PRUEFUNG"
fi
if [ "$CODE" -ne "$ERWARTET" ] || [ -n "$FEHLT" ] || [ -n "$FALSCH" ]; then
    cat "$TMP/ausgabe.txt"
    [ -f "$TMP/protokoll.log" ] && { echo "--- Protokoll"; cat "$TMP/protokoll.log"; }
    [ -n "$FEHLT" ] && echo "e2e: die Ausgabe enthält nicht: $FEHLT"
    [ -n "$FALSCH" ] && printf '%s' "$FALSCH"
    echo "e2e: $(basename "$SKRIPT") endete mit $CODE, erwartet $ERWARTET"
    exit 1
fi
exit 0
