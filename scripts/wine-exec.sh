#!/usr/bin/env bash
# Runs a Windows program under Wine, or a test script (a .sh file) inside a Wine session:
#   wine-exec.sh program.exe|script.sh args...
# Used as CMAKE_CROSSCOMPILING_EMULATOR. Inside a session prepared by
# wine-env.sh (TH_WINE_READY=1) it only hands over; otherwise it
# brings up a private session for this one program and removes it after.
# Exits with the program's exit code; 125 when no session could be set up.

if [ "$#" -lt 1 ]; then
    echo "usage: wine-exec.sh program.exe|script.sh [args...]" >&2
    exit 2
fi

# What runs the command: bash for a test script, Wine for anything else.
runner() { case "$1" in *.sh) echo bash ;; *) echo "${TH_WINE:-/usr/lib/wine/wine64}" ;; esac; }

if [ "${TH_WINE_READY:-}" = 1 ] && [ -n "${WINEPREFIX:-}" ] && [ -n "${DISPLAY:-}" ]; then
    exec "$(runner "$1")" "$@"
fi

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# The tests' session keeper lies beside the Windows tests; a script runs without one.
[[ "$1" == *.sh ]] || export TH_WINE_KEEPER="${TH_WINE_KEEPER:-$(dirname "$1")/th_session_keeper.exe}"
# shellcheck source=wine-env.sh
. "$here/wine-env.sh"

trap 'th_wine_stop' EXIT
trap 'th_wine_stop; exit 130' INT
trap 'th_wine_stop; exit 143' TERM

# No prefix_dir on purpose: the session is private to this one program.
# shellcheck disable=SC2119
if ! th_wine_start; then
    echo "wine-exec.sh: could not set up a Wine session to run $1" >&2
    exit 125
fi

# In the background so that a TERM from a test runner's timeout is acted on
# at once instead of after the program ends; <&0 keeps the caller's stdin,
# which bash would otherwise replace with /dev/null for a background job.
"$(runner "$1")" "$@" <&0 &
wait "$!"
status=$?
th_wine_stop
exit "$status"
