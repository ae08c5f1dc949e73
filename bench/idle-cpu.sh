#!/usr/bin/env bash
# The CPU share of an idle Trayhush.exe under each detection method, under Wine.
# Wine does not report other processes' CPU times, so they are read from Linux's /proc.
# Usage: bench/idle-cpu.sh [seconds per sample] [samples]   (after building the win64 preset)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-5}
samples=${2:-5}
exe="Z:$(pwd | tr / '\\')\\build\\win64\\Trayhush.exe"
ticks=$(getconf CLK_TCK)

source scripts/wine-env.sh
trap th_wine_stop EXIT
th_wine_start

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

echo "idle CPU share of Trayhush.exe: $samples samples of ${seconds}s each"
for method in 0 1; do
  "$TH_WINE" reg add 'HKLM\Software\Trayhush\Settings' /v DetectionMethod /t REG_DWORD /d "$method" /f >/dev/null
  "$TH_WINE" "$exe" &
  launcher=$!
  sleep 4  # start-up is over
  pid=$(pgrep -f 'Trayhush\.exe' | head -1)
  shares=()
  for _ in $(seq "$samples"); do
    before=$(cpu_ticks "$pid"); sleep "$seconds"; after=$(cpu_ticks "$pid")
    shares+=("$(awk -v d=$((after - before)) -v t="$ticks" -v s="$seconds" 'BEGIN{printf "%.2f", 100*d/t/s}')")
  done
  median=$(printf '%s\n' "${shares[@]}" | sort -n | awk '{a[NR]=$1} END{print a[int((NR+1)/2)]}')
  echo "detection method $((method + 1)): median ${median} % of one core (samples: ${shares[*]})"
  kill "$pid" 2>/dev/null || true
  wait "$launcher" 2>/dev/null || true
done
