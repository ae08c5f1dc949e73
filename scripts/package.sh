#!/usr/bin/env bash
# Packs one architecture's Trayhush.exe for users:
#   package.sh win32|win64 Trayhush.exe VERSION OUTDIR
# writes OUTDIR/Trayhush-VERSION-ARCH.zip (Trayhush.exe, README.txt, LICENSE.txt) and
# OUTDIR/Trayhush-VERSION-ARCH-setup.exe (installer/Trayhush.nsi) from the same files.
# Used by release.sh and by the installer test, so that the test installs what ships.
set -euo pipefail
if [ "$#" -ne 4 ]; then
    echo "usage: package.sh win32|win64 Trayhush.exe VERSION OUTDIR" >&2
    exit 2
fi
arch=$1 exe=$2 version=$3 outdir=$4
case "$arch" in win32|win64) ;; *) echo "package: unknown architecture $arch" >&2; exit 2 ;; esac
[ -f "$exe" ] || { echo "package: $exe not found" >&2; exit 1; }
repo="$(cd "$(dirname "$0")/.." && pwd)"
mkdir -p "$outdir"
outdir="$(cd "$outdir" && pwd)"

stage="$(mktemp -d "${TMPDIR:-/tmp}/th-stage.XXXXXX")"
trap 'rm -rf "$stage"' EXIT

# Same bytes and dates in every build of a commit: the zip then differs only when its
# contents do. Text gets Windows line ends for Notepad on older Windows.
epoch=$(git -C "$repo" log -1 --format=%ct 2>/dev/null || echo 1767225600)
cp "$exe" "$stage/Trayhush.exe"
sed 's/\r*$/\r/' "$repo/docs/README-user.txt" >"$stage/README.txt"
sed 's/\r*$/\r/' "$repo/LICENSE" >"$stage/LICENSE.txt"
TZ=UTC touch -d "@$epoch" "$stage"/*

base="Trayhush-$version-$arch"
rm -f "$outdir/$base.zip" "$outdir/$base-setup.exe"
(cd "$stage" && TZ=UTC zip -q -X -j "$outdir/$base.zip" Trayhush.exe README.txt LICENSE.txt)

# VIProductVersion wants four numbers.
IFS=. read -r v1 v2 v3 v4 <<<"$version"
fileversion="${v1:-0}.${v2:-0}.${v3:-0}.${v4:-0}"
makensis -V2 -DARCH="$arch" -DVERSION="$version" -DFILEVERSION="$fileversion" \
    -DSTAGE="$stage" -DOUTFILE="$outdir/$base-setup.exe" "$repo/installer/Trayhush.nsi"
echo "package: $outdir/$base.zip"
echo "package: $outdir/$base-setup.exe"
