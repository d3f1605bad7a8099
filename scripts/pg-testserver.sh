#!/usr/bin/env bash
# A throwaway PostgreSQL server for the tests, bound to 127.0.0.1 on a port of its own.
#   scripts/pg-testserver.sh start   initialises and starts it, prints the connection as exports
#   scripts/pg-testserver.sh stop    stops it and removes its data
# initdb refuses to run as root: as root the server runs as the postgres user. Text is collated
# in German (ICU), as on a site's server. The tests run without fsync; ZAM_TEST_PG_DAUERHAFT=1
# starts it with fsync, synchronous_commit and full_page_writes on, as a site runs (benchmarks).
set -euo pipefail

PORT="${ZAM_TEST_PG_PORT:-55433}"
DIR="${ZAM_TEST_PG_DIR:-/tmp/zam-pgtest-$PORT}"
BENUTZER=zamtest
PASSWORT=zamtest
DAUERHAFT=off
[ "${ZAM_TEST_PG_DAUERHAFT:-0}" = 1 ] && DAUERHAFT=on
BIN="$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)"

als_pg() {
    if [ "$(id -u)" -eq 0 ]; then
        (cd / && runuser -u postgres -- "$@")
    else
        "$@"
    fi
}

exports() {
    cat <<ENV
export ZAM_TEST_PG_HOST=127.0.0.1
export ZAM_TEST_PG_PORT=$PORT
export ZAM_TEST_PG_USER=$BENUTZER
export ZAM_TEST_PG_PASSWORD=$PASSWORT
export ZAM_TEST_PG_DB=postgres
ENV
}

start() {
    [ -x "$BIN/initdb" ] || { echo "pg-testserver: no PostgreSQL server binaries found" >&2; exit 1; }
    stop >/dev/null 2>&1 || true
    mkdir -p "$DIR"
    printf '%s\n' "$PASSWORT" > "$DIR.pw"
    if [ "$(id -u)" -eq 0 ]; then
        chown postgres:postgres "$DIR" "$DIR.pw"
    fi
    chmod 700 "$DIR"
    als_pg "$BIN/initdb" -D "$DIR" -U "$BENUTZER" --pwfile="$DIR.pw" --auth-host=scram-sha-256 \
        --auth-local=scram-sha-256 -E UTF8 --locale=C.UTF-8 --locale-provider=icu --icu-locale=de-DE \
        >"$DIR.initdb.log" 2>&1 ||
        { cat "$DIR.initdb.log" >&2; exit 1; }
    cat >> "$DIR/postgresql.conf" <<CONF
listen_addresses = '127.0.0.1'
port = $PORT
unix_socket_directories = '$DIR'
fsync = $DAUERHAFT
synchronous_commit = $DAUERHAFT
full_page_writes = $DAUERHAFT
max_connections = 200
CONF
    als_pg "$BIN/pg_ctl" -D "$DIR" -l "$DIR/server.log" -w -t 30 start >/dev/null
    exports
}

stop() {
    if [ -f "$DIR/postmaster.pid" ]; then
        als_pg "$BIN/pg_ctl" -D "$DIR" -m fast -w stop >/dev/null 2>&1 || true
    fi
    rm -rf "$DIR" "$DIR.pw" "$DIR.initdb.log"
}

case "${1:-}" in
start) start ;;
stop) stop ;;
env) exports ;;
*) echo "usage: $0 start|stop|env" >&2; exit 2 ;;
esac
