#!/usr/bin/env bash
# The 64-bit installer under Wine, used as an administrator would use it:
#   install-test.sh Trayhush.exe VERSION
# builds the installer from the given Trayhush.exe with scripts/package.sh (as the release
# does), installs silently, starts the installed program, then uninstalls silently and
# checks that nothing of Trayhush is left. Runs in the caller's Wine session when
# TH_WINE_READY=1, otherwise in a private one that it removes again.
set -uo pipefail

if [ "$#" -ne 2 ]; then
    echo "usage: install-test.sh Trayhush.exe VERSION" >&2
    exit 2
fi
exe=$1
version=$2
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

say() { echo "install-test: $*"; }
fail() {
    echo "install-test: FAILED: $*" >&2
    exit 1
}

work="$(mktemp -d "${TMPDIR:-/tmp}/th-install-test.XXXXXX")"
own_session=""
trayhush_pid=""
passed=""

RUN_KEY='SOFTWARE\Microsoft\Windows\CurrentVersion\Run'
UNINSTALL_KEY='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Trayhush'
INSTDIR_WIN='C:\Program Files\Trayhush'
RUN_TEXT="\"$INSTDIR_WIN\\Trayhush.exe\""

# A zombie still answers kill -0, so the state is read as well.
alive() { kill -0 "$1" 2>/dev/null && ! grep -qs '^State:[[:space:]]*Z' "/proc/$1/status"; }

# Waits up to $2 seconds for process $1 to end; fails if it does not.
wait_gone() {
    local deadline=$((SECONDS + $2))
    while alive "$1"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.2
    done
}

cleanup() {
    if [ -n "$trayhush_pid" ] && alive "$trayhush_pid"; then
        kill "$trayhush_pid" 2>/dev/null
        wait_gone "$trayhush_pid" 10 || kill -KILL "$trayhush_pid" 2>/dev/null
    fi
    # A shared session goes on to other tests: take back what a failed run left there.
    if [ -z "$passed" ] && [ -z "$own_session" ] && [ -n "${WINEPREFIX:-}" ]; then
        rm -rf "$WINEPREFIX/drive_c/Program Files/Trayhush" \
            "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Trayhush.lnk"
        for key in "HKLM\\$RUN_KEY" "HKCU\\$RUN_KEY"; do
            wine_run reg delete "$key" /v Trayhush /f >/dev/null 2>&1
        done
        for key in 'HKLM\Software\Trayhush' 'HKCU\Software\Trayhush' "$UNINSTALL_KEY"; do
            wine_run reg delete "$key" /f >/dev/null 2>&1
        done
    fi
    [ -n "$own_session" ] && th_wine_stop
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Every Wine call is bounded; the first argument is the limit in seconds.
wine_for() {
    local seconds=$1
    shift
    timeout --kill-after=10 "$seconds" "$TH_WINE" "$@" </dev/null
}
wine_run() { wine_for 60 "$@"; }

key_exists() { wine_run reg query "$1" >/dev/null 2>&1; }

# Prints the data of value $2 in key $1 as reg shows it; fails when there is no such value.
reg_value() {
    local out
    out="$(wine_run reg query "$1" /v "$2" 2>/dev/null | tr -d '\r')" || return 1
    grep -q "^    $2    REG_" <<<"$out" || return 1
    sed -n "s/^    $2    REG_[A-Z_]*    //p" <<<"$out"
}

expect_value() {
    local actual
    actual="$(reg_value "$1" "$2")" || fail "no value \"$2\" in $1"
    [ "$actual" = "$3" ] || fail "$1 \"$2\" is [$actual], expected [$3]"
}

expect_no_value() {
    local actual
    if actual="$(reg_value "$1" "$2")"; then
        fail "$1 still has \"$2\" = [$actual]"
    fi
}

expect_no_key() {
    key_exists "$1" && fail "the key $1 is still there"
    return 0
}

# Linux pids of the processes that run the installed Trayhush.exe of this prefix.
# Processes come and go while grep reads /proc: its complaints about them do not count.
installed_trayhush_pids() {
    local maps
    maps="$(grep -l -F "$instdir/Trayhush.exe" /proc/[0-9]*/maps 2>/dev/null)"
    [ -z "$maps" ] || cut -d/ -f3 <<<"$maps"
}

if [ "${TH_WINE_READY:-}" != 1 ]; then
    # shellcheck source=scripts/wine-env.sh
    source "$repo/scripts/wine-env.sh"
    own_session=1
    say "starting a private Wine session"
    # shellcheck disable=SC2119  # no prefix_dir: the session and its prefix are private
    th_wine_start || fail "no Wine session could be started"
fi
instdir="$WINEPREFIX/drive_c/Program Files/Trayhush"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Trayhush.lnk"

[ -e "$instdir" ] && fail "$instdir exists before the installation (left over in this Wine session)"
key_exists 'HKLM\Software\Trayhush' && fail "HKLM\\Software\\Trayhush exists before the program first ran"
key_exists "$UNINSTALL_KEY" && fail "$UNINSTALL_KEY exists before the installation"

say "building the installer from $exe"
"$repo/scripts/package.sh" win64 "$exe" "$version" "$work" >"$work/package.log" 2>&1 ||
    { cat "$work/package.log" >&2; fail "scripts/package.sh failed"; }
setup="$work/Trayhush-$version-win64-setup.exe"
[ -f "$setup" ] || fail "scripts/package.sh made no $setup"

say "silent install without start with Windows"
wine_for 120 "$setup" /S /NOSTARTWITHWINDOWS >"$work/setup1.log" 2>&1
status=$?
[ "$status" -eq 0 ] || { cat "$work/setup1.log" >&2; fail "the installer ended with exit code $status"; }
[ -f "$instdir/Trayhush.exe" ] || fail "no $instdir/Trayhush.exe after the installation"
expect_no_value "HKLM\\$RUN_KEY" Trayhush

say "silent install over it, with the default components"
wine_for 120 "$setup" /S >"$work/setup2.log" 2>&1
status=$?
[ "$status" -eq 0 ] || { cat "$work/setup2.log" >&2; fail "the second installer run ended with exit code $status"; }

for file in Trayhush.exe README.txt LICENSE.txt Uninstall.exe; do
    [ -f "$instdir/$file" ] || fail "$file is missing from $instdir"
done
cmp -s "$exe" "$instdir/Trayhush.exe" || fail "the installed Trayhush.exe differs from $exe"
[ -f "$shortcut" ] || fail "no Start-menu shortcut at $shortcut"
expect_value "HKLM\\$RUN_KEY" Trayhush "$RUN_TEXT"
expect_value "$UNINSTALL_KEY" DisplayName Trayhush
expect_value "$UNINSTALL_KEY" DisplayVersion "$version"
expect_value "$UNINSTALL_KEY" Publisher "The Trayhush developers"
expect_value "$UNINSTALL_KEY" InstallLocation "$INSTDIR_WIN"
expect_value "$UNINSTALL_KEY" UninstallString "\"$INSTDIR_WIN\\Uninstall.exe\""
expect_value "$UNINSTALL_KEY" QuietUninstallString "\"$INSTDIR_WIN\\Uninstall.exe\" /S"
expect_value "$UNINSTALL_KEY" NoModify 0x1
expect_value "$UNINSTALL_KEY" NoRepair 0x1
# The 64-bit program reads the 64-bit registry: nothing may land in the 32-bit view.
key_exists 'HKLM\SOFTWARE\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall\Trayhush' &&
    fail "the uninstall key was written to the 32-bit registry view"

say "starting the installed Trayhush.exe"
"$TH_WINE" "$INSTDIR_WIN\\Trayhush.exe" </dev/null >"$work/trayhush.log" 2>&1 &
trayhush_pid=$!
# Start-up stores "AllDrives" (its box starts unchecked and the stored default checks it).
deadline=$((SECONDS + 30))
until reg_value 'HKLM\Software\Trayhush\Settings' AllDrives >/dev/null; do
    if ! alive "$trayhush_pid"; then
        wait "$trayhush_pid"
        fail "Trayhush.exe ended at once (exit code $?) without writing its settings"
    fi
    [ "$SECONDS" -lt "$deadline" ] || fail "Trayhush.exe wrote no settings within 30 s"
    sleep 0.2
done
alive "$trayhush_pid" || fail "Trayhush.exe ended after its start-up"
grep -qx "$trayhush_pid" <<<"$(installed_trayhush_pids)" ||
    fail "the process started is not running the installed Trayhush.exe"
# The program derives its "Start With Windows" box from this value and writes it back in
# its own form: still the same text means installer and program agree.
expect_value "HKLM\\$RUN_KEY" Trayhush "$RUN_TEXT"

# Where HKLM is refused the program keeps its entry and settings per user instead.
wine_run reg add "HKCU\\$RUN_KEY" /v Trayhush /t REG_SZ /d "$RUN_TEXT" /f >/dev/null ||
    fail "could not add the per-user Run value"
wine_run reg add 'HKCU\Software\Trayhush\Settings' /v AllDrives /t REG_DWORD /d 0 /f >/dev/null ||
    fail "could not add per-user settings"

say "silent uninstall"
# Run from a copy and with _?=, the uninstaller works in place and is waited for instead
# of relaunching itself from the temporary folder. It takes _?= only unquoted, and Wine
# quotes an argument that holds a space: the folder goes over word by word.
cp "$instdir/Uninstall.exe" "$work/Uninstall.exe" || fail "cannot copy the uninstaller"
read -r -a instdir_words <<<"_?=$INSTDIR_WIN"
wine_for 120 "$work/Uninstall.exe" /S "${instdir_words[@]}" >"$work/uninstall.log" 2>&1
status=$?
[ "$status" -eq 0 ] || { cat "$work/uninstall.log" >&2; fail "the uninstaller ended with exit code $status"; }

# A program closed through its window returns 0; the uninstaller's fallback ends it with 1.
wait_gone "$trayhush_pid" 20 ||
    fail "Trayhush.exe is still running after the uninstallation"
wait "$trayhush_pid"
status=$?
trayhush_pid=""
[ "$status" -eq 0 ] || fail "Trayhush.exe did not close through its window (exit code $status)"

if [ -e "$instdir" ]; then
    find "$instdir" >&2
    fail "the install folder is still there"
fi
[ -e "$shortcut" ] && fail "the Start-menu shortcut is still there"
expect_no_value "HKLM\\$RUN_KEY" Trayhush
expect_no_value "HKCU\\$RUN_KEY" Trayhush
expect_no_key 'HKLM\Software\Trayhush'
expect_no_key 'HKCU\Software\Trayhush'
expect_no_key "$UNINSTALL_KEY"
left="$(installed_trayhush_pids)"
[ -z "$left" ] || fail "Trayhush processes are left: $left"

passed=1
say "passed"
