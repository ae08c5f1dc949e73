#!/usr/bin/env bash
# The program's layers as CMake links them (cmake --graphviz of Trayhush.exe): fails when a
# layer links one at its own level or above, and with --mermaid prints the picture that the
# README's developer section shows.
set -euo pipefail
cd "$(dirname "$0")/.."

# Each layer's level, from the program down to the interfaces of the operating system.
declare -A level=(
  [Trayhush]=7 [th_program]=6 [th_ui]=5 [th_app]=4 [th_runtime]=4 [th_win32]=3 [th_suppress]=3
  [th_detect]=3 [th_tray]=3 [th_about]=3 [th_windowing]=2 [th_settings]=2 [th_drives]=2 [th_platform]=1)

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cmake --preset win64 --graphviz="$out/layers.dot" >/dev/null
# Edges read "node0" -> "node1" ... // Trayhush -> th_program; system libraries are left out.
edges=$(sed -n 's|.*// \(\S*\) -> \(th_\S*\)$|\1 \2|p' "$out/layers.dot.Trayhush" | sort -u)

status=0
while read -r from to; do
  if [[ -z ${level[$from]:-} || -z ${level[$to]:-} ]]; then
    echo "layer-graph: $from -> $to: a layer this script does not know" >&2
    status=1
  elif (( level[$to] >= level[$from] )); then
    echo "layer-graph: $from -> $to links a layer at its own level or above" >&2
    status=1
  fi
done <<<"$edges"

if [[ ${1:-} == --mermaid ]]; then
  echo '```mermaid'
  echo 'graph TD'
  while read -r from to; do echo "  $from --> $to"; done <<<"$edges"
  echo '```'
fi
exit $status
