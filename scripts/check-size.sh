#!/usr/bin/env bash
# Fails when a shipped executable grows past its budget or depends on a MinGW DLL.
set -euo pipefail
exe=$1
limit=${2:-307200}
size=$(stat -c %s "$exe")
echo "size: $exe is $size bytes (limit $limit)"
[ "$size" -le "$limit" ] || { echo "size: $exe is larger than $limit bytes" >&2; exit 1; }
if objdump -p "$exe" | grep -iE 'DLL Name: (libstdc|libgcc|libwinpthread)'; then
  echo "size: $exe needs a MinGW DLL; it must link statically" >&2
  exit 1
fi
