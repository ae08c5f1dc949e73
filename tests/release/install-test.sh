#!/usr/bin/env bash
# The 64-bit installer under Wine, used as an administrator would use it:
#   install-test.sh Trayhush.exe VERSION
# builds the installer from the given Trayhush.exe with scripts/package.sh (as the release
# does), installs silently, starts the installed program, uninstalls silently and checks
# that nothing of Trayhush is left. Runs inside a Wine session: the caller's, or the one
# that scripts/wine-exec.sh makes for it.
set -uo pipefail
[ "$#" -eq 2 ] || { echo "usage: install-test.sh Trayhush.exe VERSION" >&2; exit 2; }
exe=$1 version=$2
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
work="$(mktemp -d "${TMPDIR:-/tmp}/th-install-test.XXXXXX")"
passed="" trayhush_pid=""
RUN_KEY='SOFTWARE\Microsoft\Windows\CurrentVersion\Run'
UNINSTALL_KEY='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Trayhush'
INSTDIR_WIN='C:\Program Files\Trayhush'
RUN_TEXT="\"$INSTDIR_WIN\\Trayhush.exe\""

fail() { echo "install-test: FAILED: $*" >&2; exit 1; }
# A zombie still answers kill -0, so the state is read as well.
alive() { kill -0 "$1" 2>/dev/null && ! grep -qs '^State:[[:space:]]*Z' "/proc/$1/status"; }
cleanup() {
    [ -n "$trayhush_pid" ] && alive "$trayhush_pid" && kill -KILL "$trayhush_pid" 2>/dev/null
    # A shared session goes on to other tests: take back what a failed run left there.
    if [ -z "$passed" ] && [ -n "${WINEPREFIX:-}" ]; then
        rm -rf "$WINEPREFIX/drive_c/Program Files/Trayhush"
        for key in "HKLM\\$RUN_KEY /v Trayhush" "HKCU\\$RUN_KEY /v Trayhush" 'HKLM\Software\Trayhush' \
            'HKCU\Software\Trayhush' "$UNINSTALL_KEY"; do
            # shellcheck disable=SC2086  # the key and its /v go over as words
            wine_run reg delete $key /f >/dev/null 2>&1
        done
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Every Wine call is bounded.
wine_run() { timeout --kill-after=10 120 "$TH_WINE" "$@" </dev/null; }
key_exists() { wine_run reg query "$1" >/dev/null 2>&1; }
# The data of value $2 in key $1 as reg shows it; fails when there is no such value.
reg_value() {
    wine_run reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^    $2    REG_[A-Z_]*    //p" | grep .
}
expect_value() { [ "$(reg_value "$1" "$2")" = "$3" ] || fail "$1 \"$2\" is [$(reg_value "$1" "$2")], expected [$3]"; }
expect_gone() { ! key_exists "$1" || fail "$1 is still there"; }

[ "${TH_WINE_READY:-}" = 1 ] || fail "no Wine session: run it through scripts/wine-exec.sh"
instdir="$WINEPREFIX/drive_c/Program Files/Trayhush"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Trayhush.lnk"
[ -e "$instdir" ] && fail "$instdir exists before the installation"

# The installer, built from the given Trayhush.exe.
"$repo/scripts/package.sh" win64 "$exe" "$version" "$work" >"$work/package.log" 2>&1 ||
    { cat "$work/package.log" >&2; fail "scripts/package.sh failed"; }
setup="$work/Trayhush-$version-win64-setup.exe"

# A silent install without start with Windows, then over it with the default components.
wine_run "$setup" /S /NOSTARTWITHWINDOWS >"$work/setup.log" 2>&1 || fail "the installer failed"
reg_value "HKLM\\$RUN_KEY" Trayhush >/dev/null && fail "a Run value though start with Windows was left out"
wine_run "$setup" /S >>"$work/setup.log" 2>&1 || fail "the second installer run failed"
cmp -s "$exe" "$instdir/Trayhush.exe" || fail "the installed Trayhush.exe differs from $exe"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
expect_value "HKLM\\$RUN_KEY" Trayhush "$RUN_TEXT"
expect_value "$UNINSTALL_KEY" UninstallString "\"$INSTDIR_WIN\\Uninstall.exe\""
# The 64-bit program reads the 64-bit registry: nothing may land in the 32-bit view.
expect_gone 'HKLM\SOFTWARE\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall\Trayhush'

# The installed Trayhush.exe, started.
"$TH_WINE" "$INSTDIR_WIN\\Trayhush.exe" </dev/null >"$work/trayhush.log" 2>&1 &
trayhush_pid=$!
# Start-up stores "AllDrives" as its last setting.
for _ in $(seq 150); do
    reg_value 'HKLM\Software\Trayhush\Settings' AllDrives >/dev/null && break
    alive "$trayhush_pid" || fail "Trayhush.exe ended during its start-up"
    sleep 0.2
done
reg_value 'HKLM\Software\Trayhush\Settings' AllDrives >/dev/null || fail "Trayhush.exe wrote no settings within 30 s"
alive "$trayhush_pid" || fail "Trayhush.exe ended after its start-up"
# The program writes the value back in its own form: the same text means both agree.
expect_value "HKLM\\$RUN_KEY" Trayhush "$RUN_TEXT"
# Where HKLM is refused the program keeps its entry and settings per user instead.
wine_run reg add "HKCU\\$RUN_KEY" /v Trayhush /t REG_SZ /d "$RUN_TEXT" /f >/dev/null &&
    wine_run reg add 'HKCU\Software\Trayhush\Settings' /v AllDrives /t REG_DWORD /d 0 /f >/dev/null ||
    fail "could not add per-user values"

# A silent uninstall.
# Run from a copy with _?=, the uninstaller works in place and is waited for. It takes _?=
# only unquoted, and Wine quotes an argument that holds a space: the folder goes word by word.
cp "$instdir/Uninstall.exe" "$work/Uninstall.exe" || fail "cannot copy the uninstaller"
read -r -a instdir_words <<<"_?=$INSTDIR_WIN"
wine_run "$work/Uninstall.exe" /S "${instdir_words[@]}" >"$work/uninstall.log" 2>&1 || fail "the uninstaller failed"
# A program closed through its window returns 0; the uninstaller's fallback ends it with 1.
for _ in $(seq 100); do alive "$trayhush_pid" && sleep 0.2; done
alive "$trayhush_pid" && fail "Trayhush.exe is still running after the uninstallation"
wait "$trayhush_pid" || fail "Trayhush.exe did not close through its window (exit code $?)"
trayhush_pid=""
[ -e "$instdir" ] && fail "the install folder is still there"
[ -e "$shortcut" ] && fail "the Start-menu shortcut is still there"
for root in HKLM HKCU; do reg_value "$root\\$RUN_KEY" Trayhush >/dev/null && fail "the $root Run value is still there"; done
for key in 'HKLM\Software\Trayhush' 'HKCU\Software\Trayhush' "$UNINSTALL_KEY"; do expect_gone "$key"; done
passed=1
echo "install-test: passed"
