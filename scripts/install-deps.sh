#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Quick when everything is present: apt-get update runs only when a package is missing.
set -euo pipefail

PAKETE=(
    build-essential cmake ninja-build ccache pkg-config libpq-dev
    qt6-base-dev qt6-multimedia-dev
    libqt6sql6-sqlite libqt6sql6-psql
    postgresql
    xvfb xauth fonts-dejavu-core
    imagemagick poppler-utils
    sqlite3
)

fehlend=()
for p in "${PAKETE[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        fehlend+=("$p")
    fi
done

if [ ${#fehlend[@]} -eq 0 ]; then
    exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi

echo "install-deps: installing ${fehlend[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${fehlend[@]}" >/dev/null
