#!/usr/bin/env bash
# Builds the programs and the tests and runs every test: the native unit tests, then the
# Windows tests under Wine (a private prefix and, without a display, Xvfb, both started and
# ended here). The demonstration and the benchmarks are built by their own commands.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
# Every path the README cites exists.
scripts/check-readme-paths.sh

jobs=$(nproc)
build() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -j "$jobs"
}
builds() {
    build host
    ctest --preset host
    # The shipped 32-bit program is built and size-checked; this machine cannot run it.
    build win32
    scripts/check-size.sh build/win32/Trayhush.exe
    build win64
    scripts/check-size.sh build/win64/Trayhush.exe
    # No layer may link one at its level or above.
    scripts/layer-graph.sh
}

source scripts/wine-env.sh
# Wine boots its fresh prefix while the programs and tests build.
builds &
building=$!
trap 'kill "$building" 2>/dev/null || true; th_wine_stop' EXIT
th_wine_start
wait "$building"
th_wine_keep build/win64/th_session_keeper.exe
ctest --preset win64
