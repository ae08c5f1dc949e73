# shellcheck shell=bash
# A private, headless Wine session for tests and demonstrations. Source this
# file, then:
#
#   th_wine_start [prefix_dir]   # exports DISPLAY, WINEPREFIX, WINEDEBUG,
#                                # WINEDLLOVERRIDES, TH_WINE, TH_WINESERVER,
#                                # TH_WINE_READY=1, TH_WINEBOOT_SECONDS; starts
#                                # TH_WINE_KEEPER, if set, as th_wine_keep does
#   th_wine_keep program.exe     # keeps it running for the rest of the session
#   "$TH_WINE" program.exe args...
#   th_wine_stop                 # safe twice, and from an EXIT trap
#
# A prefix_dir given by the caller belongs to the caller and is kept; the
# default fresh prefix is deleted by th_wine_stop. Tunables (seconds):
# TH_WINEBOOT_TIMEOUT (180), TH_XVFB_TIMEOUT (15).

TH_WINE_LOADER=/usr/lib/wine/wine64
TH_WINESERVER_BIN=/usr/lib/wine/wineserver64

_th_say() { printf 'wine-env: %s\n' "$*" >&2; }

# A zombie still answers kill -0, so the state is read as well.
_th_alive() {
    kill -0 "$1" 2>/dev/null && ! grep -qs '^State:[[:space:]]*Z' "/proc/$1/status"
}

_th_display_works() {
    [ -n "${DISPLAY:-}" ] || return 1
    if command -v xdpyinfo >/dev/null 2>&1; then
        timeout 5 xdpyinfo </dev/null >/dev/null 2>&1
        return
    fi
    local number="${DISPLAY#*:}"
    number="${number%%.*}"
    [ -S "/tmp/.X11-unix/X${number}" ]
}

# Picks the display number itself, from :90 up so as to stay clear of a
# developer's own displays, and uses -displayfd purely as the readiness
# signal. A number lost to a concurrent starter just makes Xvfb exit, and the
# next number is tried.
_th_start_xvfb() {
    if ! command -v Xvfb >/dev/null 2>&1; then
        _th_say "no working DISPLAY and Xvfb is not installed"
        return 1
    fi
    local timeout_s="${TH_XVFB_TIMEOUT:-15}"
    local number attempts=0 ready log pid deadline
    ready="$(mktemp "${TMPDIR:-/tmp}/th-xvfb-ready.XXXXXX")" || return 1
    log="$(mktemp "${TMPDIR:-/tmp}/th-xvfb-log.XXXXXX")" || { rm -f "$ready"; return 1; }
    for number in $(seq 90 189); do
        if [ -e "/tmp/.X11-unix/X${number}" ] || [ -e "/tmp/.X${number}-lock" ]; then
            continue
        fi
        attempts=$((attempts + 1))
        if [ "$attempts" -gt 8 ]; then
            break
        fi
        : >"$ready"
        Xvfb ":${number}" -screen 0 1280x1024x24 -nolisten tcp -displayfd 3 \
            3>"$ready" </dev/null >"$log" 2>&1 &
        pid=$!
        deadline=$((SECONDS + timeout_s))
        while _th_alive "$pid" && [ ! -s "$ready" ] && [ "$SECONDS" -lt "$deadline" ]; do
            sleep 0.1
        done
        if [ -s "$ready" ] && _th_alive "$pid"; then
            _TH_XVFB_PID="$pid"
            _TH_SAVED_DISPLAY="${DISPLAY-__th_unset__}"
            export DISPLAY=":${number}"
            rm -f "$ready" "$log"
            return 0
        fi
        if _th_alive "$pid"; then
            kill "$pid" 2>/dev/null || true
            _th_say "Xvfb :${number} did not become ready within ${timeout_s}s:"
            sed 's/^/  /' "$log" >&2
            rm -f "$ready" "$log"
            return 1
        fi
    done
    _th_say "could not start Xvfb on any free display (tried ${attempts}); last log:"
    sed 's/^/  /' "$log" >&2
    rm -f "$ready" "$log"
    return 1
}

_th_stop_xvfb() {
    local pid="${_TH_XVFB_PID:-}" waited=0
    [ -n "$pid" ] || return 0
    kill "$pid" 2>/dev/null || true
    while _th_alive "$pid" && [ "$waited" -lt 50 ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
    if _th_alive "$pid"; then
        kill -9 "$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null || true
    if [ "${_TH_SAVED_DISPLAY:-}" = "__th_unset__" ]; then
        unset DISPLAY
    else
        export DISPLAY="${_TH_SAVED_DISPLAY:-}"
    fi
    _TH_XVFB_PID=""
    _TH_SAVED_DISPLAY=""
    return 0
}

# A test runner that SIGKILLs this shell skips every trap; this watcher,
# detached from all output pipes, then tears the session down so no Xvfb or
# wineserver is left holding the machine or the runner's pipes.
_th_start_reaper() {
    local owner="$1"
    (
        # The caller may run under set -e; every step here must still happen.
        set +e
        trap '' INT HUP
        trap 'exit 0' TERM
        while kill -0 "$owner" 2>/dev/null; do
            sleep 1 &
            wait $!
        done
        if [ -n "${WINEPREFIX:-}" ]; then
            timeout 10 "$TH_WINESERVER_BIN" -k >/dev/null 2>&1
        fi
        if [ -n "${_TH_XVFB_PID:-}" ]; then
            kill "$_TH_XVFB_PID" 2>/dev/null
        fi
        if [ -n "${_TH_OWN_PREFIX:-}" ] && [ "$_TH_OWN_PREFIX" != "/" ]; then
            rm -rf "$_TH_OWN_PREFIX"
        fi
    ) </dev/null >/dev/null 2>&1 &
    _TH_REAPER_PID=$!
}

_th_boot_prefix() {
    local timeout_s="${TH_WINEBOOT_TIMEOUT:-180}" log started rc
    # One persistent server for the whole session, started before anything
    # else: each program then starts in a fraction of a second, drives and
    # key state survive between programs, and no server is ever spawned by a
    # test with the runner's output pipes as its stdio. It also spares the
    # wait for a transient server to wind down after wineboot.
    if ! "$TH_WINESERVER" -p </dev/null >/dev/null 2>&1; then
        _th_say "cannot start a persistent wineserver for ${WINEPREFIX}"
        return 1
    fi
    # Wine's service processes are started by wineboot and inherit its stdio;
    # a regular file here keeps them from holding anybody's pipe open.
    log="$(mktemp "${TMPDIR:-/tmp}/th-wineboot-log.XXXXXX")" || return 1
    started=$SECONDS
    timeout --kill-after=10 "$timeout_s" "$TH_WINE" wineboot -i </dev/null >"$log" 2>&1
    rc=$?
    if [ "$rc" -ne 0 ]; then
        if [ "$rc" -eq 124 ] || [ "$rc" -eq 137 ]; then
            _th_say "wineboot -i did not finish within ${timeout_s}s in ${WINEPREFIX}"
        else
            _th_say "wineboot -i failed (exit ${rc}) in ${WINEPREFIX}"
        fi
        sed 's/^/  /' "$log" >&2
        rm -f "$log"
        return 1
    fi
    rm -f "$log"
    # Wine here loads fonts only from the prefix: without Tahoma its windows fall back to
    # a wider face that clips the program's captions in screenshots.
    if [ -d /usr/share/wine/fonts ] && [ -d "${WINEPREFIX}/drive_c/windows/Fonts" ]; then
        cp -n /usr/share/wine/fonts/*.ttf "${WINEPREFIX}/drive_c/windows/Fonts/" 2>/dev/null || true
    fi
    TH_WINEBOOT_SECONDS=$((SECONDS - started))
    export TH_WINEBOOT_SECONDS
    return 0
}

th_wine_start() {
    if [ -n "${_TH_STARTED:-}" ]; then
        _th_say "th_wine_start: a session is already running (prefix ${WINEPREFIX:-?}); call th_wine_stop first"
        return 1
    fi
    local requested="${1:-}"
    if [ ! -x "$TH_WINE_LOADER" ] || [ ! -x "$TH_WINESERVER_BIN" ]; then
        _th_say "Wine is not installed at ${TH_WINE_LOADER} / ${TH_WINESERVER_BIN}"
        return 1
    fi
    _TH_STARTED=1
    _TH_SAVED_WINEPREFIX=""
    _TH_OWN_PREFIX=""
    _TH_XVFB_PID=""
    _TH_REAPER_PID=""

    if ! _th_display_works; then
        if ! _th_start_xvfb; then
            th_wine_stop
            return 1
        fi
    fi

    if [ -n "$requested" ]; then
        if ! mkdir -p "$requested"; then
            _th_say "cannot create the prefix directory ${requested}"
            th_wine_stop
            return 1
        fi
        _TH_SAVED_WINEPREFIX="${WINEPREFIX-__th_unset__}"
        WINEPREFIX="$(cd "$requested" && pwd)"
    else
        _TH_SAVED_WINEPREFIX="${WINEPREFIX-__th_unset__}"
        if ! WINEPREFIX="$(mktemp -d "${TMPDIR:-/tmp}/th-wineprefix.XXXXXX")"; then
            _th_say "cannot create a temporary prefix directory"
            th_wine_stop
            return 1
        fi
        _TH_OWN_PREFIX="$WINEPREFIX"
    fi
    export WINEPREFIX
    export WINEDEBUG=-all
    # No Mono/Gecko install prompts, and no menu entries or file associations
    # written into the user's home for every program a test runs.
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    export TH_WINE="$TH_WINE_LOADER"
    export TH_WINESERVER="$TH_WINESERVER_BIN"

    _th_start_reaper "${BASHPID:-$$}"

    if ! _th_boot_prefix; then
        th_wine_stop
        return 1
    fi

    # A trivial program proves the session usable before anybody relies on
    # it, and starts what wineboot left idle with its stdio on /dev/null.
    if ! timeout --kill-after=10 60 "$TH_WINE" cmd.exe /c exit 0 </dev/null >/dev/null 2>&1; then
        _th_say "the Wine session in ${WINEPREFIX} does not run programs (cmd.exe /c exit failed)"
        th_wine_stop
        return 1
    fi

    [ -z "${TH_WINE_KEEPER:-}" ] || th_wine_keep "$TH_WINE_KEEPER"
    export TH_WINE_READY=1
    return 0
}

# Keeps a program running for the rest of the session: a Windows program that writes the
# file it is given once it is ready. The tests' keeper holds Wine's desktop and notification
# area up between one program and the next. Returns once it is ready (30 s at most: a
# desktop that Wine closed for want of windows starts anew first).
th_wine_keep() {
    local keeper="$1" ready waited=0
    [ -f "$keeper" ] || { _th_say "no session keeper at ${keeper}"; return 0; }
    ready="${WINEPREFIX}/th-keeper-ready"
    "$TH_WINE" "$keeper" "Z:${ready//\//\\}" </dev/null >/dev/null 2>&1 &
    while [ ! -e "$ready" ] && [ "$waited" -lt 300 ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
    [ -e "$ready" ] || _th_say "the session keeper ${keeper} did not get ready; going on without it"
}

th_wine_stop() {
    [ -n "${_TH_STARTED:-}" ] || return 0
    if [ -n "${WINEPREFIX:-}" ] && [ -x "$TH_WINESERVER_BIN" ]; then
        WINEPREFIX="$WINEPREFIX" timeout 15 "$TH_WINESERVER_BIN" -k </dev/null >/dev/null 2>&1 || true
        WINEPREFIX="$WINEPREFIX" timeout 15 "$TH_WINESERVER_BIN" -w </dev/null >/dev/null 2>&1 || true
    fi
    if [ -n "${_TH_REAPER_PID:-}" ]; then
        kill "$_TH_REAPER_PID" 2>/dev/null || true
        wait "$_TH_REAPER_PID" 2>/dev/null || true
    fi
    _th_stop_xvfb
    if [ -n "${_TH_OWN_PREFIX:-}" ] && [ "$_TH_OWN_PREFIX" != "/" ] && [ -d "$_TH_OWN_PREFIX" ]; then
        rm -rf "$_TH_OWN_PREFIX" || true
    fi
    if [ "${_TH_SAVED_WINEPREFIX:-}" = "__th_unset__" ]; then
        unset WINEPREFIX
    elif [ -n "${_TH_SAVED_WINEPREFIX:-}" ]; then
        export WINEPREFIX="$_TH_SAVED_WINEPREFIX"
    fi
    unset TH_WINE_READY
    _TH_OWN_PREFIX=""
    _TH_REAPER_PID=""
    _TH_SAVED_WINEPREFIX=""
    _TH_STARTED=""
    return 0
}
