#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests, then the Windows tests
# under Wine (a private prefix and, without a display, Xvfb, both started and ended here).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

jobs=$(nproc)
cmake --preset host >/dev/null
cmake --build --preset host -j "$jobs"
ctest --preset host

# The shipped 32-bit program is built and size-checked; this machine cannot run it.
cmake --preset win32 >/dev/null
cmake --build --preset win32 -j "$jobs"
scripts/check-size.sh build/win32/Trayhush.exe

cmake --preset win64 >/dev/null
# No layer may link one at its level or above.
scripts/layer-graph.sh
cmake --build --preset win64 -j "$jobs"
scripts/check-size.sh build/win64/Trayhush.exe

source scripts/wine-env.sh
trap th_wine_stop EXIT
export TH_WINE_KEEPER="$PWD/build/win64/th_session_keeper.exe"
th_wine_start
export TH_WINE_READY=1
ctest --preset win64
