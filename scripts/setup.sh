#!/usr/bin/env bash
# Installs, once, every Debian package that the build, the tests and the demonstration need.
# Safe to run again: it installs only what is missing. Needs root (or sudo) on Debian 12.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest libgtest-dev  # native build and unit tests; sources for MinGW
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  g++-mingw-w64-x86-64-win32 g++-mingw-w64-i686-win32 binutils-mingw-w64
  wine wine64 fonts-wine                       # runs the Windows build
  xvfb xauth x11-utils imagemagick             # a display for windows, and screenshots
  nsis zip unzip                               # the release: installers and zips
  clang libclang-rt-14-dev                     # fuzzing: libFuzzer and the sanitizer runtimes
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
