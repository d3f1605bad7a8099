#!/usr/bin/env bash
# Installs what is missing, configures, builds and runs every test, the PostgreSQL suites
# included: the throwaway test server is started here and stopped on every way out.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

BUILD="${ZAM_BUILD_DIR:-build}"
JOBS="$(nproc)"
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZAM_TESTS=ON >/dev/null
cmake --build "$BUILD" -j "$JOBS"

trap 'scripts/pg-testserver.sh stop' EXIT
eval "$(scripts/pg-testserver.sh start)"
export ZAM_TEST_PG_PFLICHT=1

ctest --test-dir "$BUILD" --output-on-failure -j "$JOBS" "$@"
