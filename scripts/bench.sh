#!/usr/bin/env bash
# Builds and runs the benchmarks on SQLite and on a throwaway PostgreSQL server.
#   scripts/bench.sh [RUNS] [wareneingang|einlagerung]
#   (the second: only the goods receipt's rows, or only the putaway's)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
BUILD="${ZAM_BUILD_DIR:-build}"
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZAM_TESTS=ON >/dev/null
cmake --build "$BUILD" --target zam_bench -j "$(nproc)"
export ZAM_TEST_PG_PORT="${ZAM_TEST_PG_PORT:-55434}"
# Figures as a site would see them: the server writes through to the disk.
export ZAM_TEST_PG_DAUERHAFT="${ZAM_TEST_PG_DAUERHAFT:-1}"
trap 'scripts/pg-testserver.sh stop' EXIT
eval "$(scripts/pg-testserver.sh start)"
QT_QPA_PLATFORM=offscreen "$BUILD/bench/zam_bench" "$@"
