#!/usr/bin/env bash
# Runs one end-to-end script against the program on a fresh demo database.
#   scripts/e2e.sh PROGRAM SCRIPT
# A file SCRIPT with the ending .ini instead of .script, when present, is the ini file of the run
# (it must not name a database: the run uses the fresh demo database); one with the ending .args
# holds further arguments of the program.
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
timeout 120 "$PROGRAMM" "${ARGS[@]}" --script "$SKRIPT" > "$TMP/ausgabe.txt" 2>&1
CODE=$?
if [ "$CODE" -ne 0 ]; then
    cat "$TMP/ausgabe.txt"
    [ -f "$TMP/protokoll.log" ] && { echo "--- Protokoll"; cat "$TMP/protokoll.log"; }
    echo "e2e: $(basename "$SKRIPT") endete mit $CODE"
fi
exit "$CODE"
