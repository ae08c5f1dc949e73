#!/usr/bin/env bash
# Every benchmark, in one private Wine session: the shipped executables' sizes, the real
# Trayhush.exe measured from outside (start-up and memory against a minimal tray program,
# detection latency, how long a disc's autorun program lives, CPU share), one process scan,
# one polling pass, and the soak (a thousand discs and ten thousand scans in one process).
# Prints medians, ratios and the soak's before and after; asserts nothing. About six minutes.
# Usage: bench/run.sh [rounds]   (rounds per measurement, default 15)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
rounds=${1:-15}
jobs=$(nproc)

for arch in win32 win64; do
    cmake --preset "$arch" -B "build/release-$arch" -DTH_BUILD_TESTS=OFF >/dev/null
    cmake --build "build/release-$arch" -j "$jobs" --target Trayhush >/dev/null
done
cmake --preset win64 >/dev/null
cmake --build --preset win64 -j "$jobs" --target bench_end_to_end bench_process_scan bench_polling bench_soak bench_volume_floor >/dev/null

echo "machine: $(nproc) x $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1), $(wine64 --version 2>/dev/null || /usr/lib/wine/wine64 --version)"
for arch in win32 win64; do
    printf 'Trayhush.exe %-5s %8d bytes\n' "$arch" "$(stat -c %s "build/release-$arch/Trayhush.exe")"
done

source scripts/wine-env.sh
trap th_wine_stop EXIT
th_wine_start
cd build/win64
# A benchmark that fails says so; the others still run, and the script fails at the end.
failed=()
for bench in "bench_end_to_end.exe $rounds" bench_process_scan.exe bench_polling.exe bench_soak.exe; do
    # shellcheck disable=SC2086  # the program and its arguments go over as words
    "$TH_WINE" $bench || { echo "${bench%% *} failed (exit code $?)"; failed+=("${bench%% *}"); }
done
[ ${#failed[@]} -eq 0 ] || { echo "failed: ${failed[*]}"; exit 1; }
