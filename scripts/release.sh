#!/usr/bin/env bash
# Builds the release for Windows users: the 32-bit and the 64-bit Trayhush.exe (no tests,
# build/release-win32 and build/release-win64), size-checks each, and packs each into
# dist/ as Trayhush-VERSION-ARCH.zip and Trayhush-VERSION-ARCH-setup.exe (scripts/package.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

version=$(sed -n 's/^project(Trayhush VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "release: no project(Trayhush VERSION ...) in CMakeLists.txt" >&2; exit 1; }

jobs=$(nproc)
for arch in win32 win64; do
    build="build/release-$arch"
    cmake --preset "$arch" -B "$build" -DTH_BUILD_TESTS=OFF >/dev/null
    cmake --build "$build" -j "$jobs" --target Trayhush
    scripts/check-size.sh "$build/Trayhush.exe"
    scripts/package.sh "$arch" "$build/Trayhush.exe" "$version" dist
done

for zip in dist/Trayhush-"$version"-win32.zip dist/Trayhush-"$version"-win64.zip; do
    unzip -l "$zip"
done
ls -l dist/Trayhush-"$version"-*
