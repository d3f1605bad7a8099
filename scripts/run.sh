#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on the demo database (or on the
# database of the ini file given with --ini). Arguments go to the program (e.g. -MDE).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
BUILD="${ZAM_BUILD_DIR:-build}"
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$BUILD" --target kommissioniergeraet -j "$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run: no display found; starting under xvfb-run (an invisible screen)" >&2
    exec xvfb-run -a "$BUILD/kommissioniergeraet" "$@"
fi
exec "$BUILD/kommissioniergeraet" "$@"
