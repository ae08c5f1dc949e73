#!/usr/bin/env bash
# Fails when a shipped executable grows past its budget or depends on a MinGW DLL.
set -euo pipefail
exe=$1
limit=${2:-307200}
size=$(stat -c %s "$exe")
echo "size: $exe is $size bytes (limit $limit)"
[ "$size" -le "$limit" ] || { echo "size: $exe is larger than $limit bytes" >&2; exit 1; }
# The demangler comes with libstdc++'s verbose terminate handler, which src/program/LeanRuntime.cpp
# replaces; its names are the sign that the replacement no longer takes.
if grep -qa '(anonymous namespace)' "$exe"; then
  echo "size: $exe carries the C++ demangler" >&2
  exit 1
fi
# Read first, so that a file objdump cannot parse fails here instead of passing the check.
imports=$(objdump -p "$exe" | grep 'DLL Name:') || { echo "size: no import table found in $exe" >&2; exit 1; }
if grep -iE 'DLL Name: lib(stdc|gcc|winpthread|ssp|atomic|quadmath)' <<<"$imports"; then
  echo "size: $exe needs a MinGW DLL; it must link statically" >&2
  exit 1
fi
