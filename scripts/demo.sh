#!/usr/bin/env bash
# Shows Trayhush doing its job under Wine: a DVD-Video disc with its own autorun program
# goes into a simulated CD-ROM drive, the program is started from the drive as AutoRun
# would, and Trayhush ends it and starts the registered DVD player instead. Prints the
# timeline and writes out/demo.png. Everything it starts is ended again, also on failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

# TH_DEMO_BUILD_DIR puts the build elsewhere than the preset's build/win64.
build="${TH_DEMO_BUILD_DIR:-build/win64}"
if [ -n "${TH_DEMO_BUILD_DIR:-}" ]; then
    cmake --preset win64 -B "$build" >/dev/null
    cmake --build "$build" -j "$(nproc)" --target th_demo
else
    cmake --preset win64 >/dev/null
    cmake --build --preset win64 -j "$(nproc)" --target th_demo
fi
build="$(cd "$build" && pwd)"
out=out
mkdir -p "$out"
ready="$out/.demo-screenshot-ready"
done_file="$out/.demo-screenshot-done"
rm -f "$ready" "$done_file" "$out/demo.png"

# shellcheck source=wine-env.sh
source scripts/wine-env.sh
demo_pid=""
finish() {
    if [ -n "$demo_pid" ] && kill -0 "$demo_pid" 2>/dev/null; then
        kill "$demo_pid" 2>/dev/null || true
        wait "$demo_pid" 2>/dev/null || true
    fi
    th_wine_stop
    rm -f "$ready" "$done_file"
}
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

echo "demo: starting a private Wine session (prefix and, without a display, Xvfb)"
th_wine_start

# The demonstration gets a Wine desktop of its own with a taskbar, so that the picture
# shows window captions and the notification area also without a window manager. The
# name "shell" is the one for which Wine draws the taskbar.
"$TH_WINE" reg add 'HKCU\Software\Wine\AppDefaults\th_demo.exe\Explorer' /v Desktop /d shell /f >/dev/null
"$TH_WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1280x1024 /f >/dev/null

echo "demo: Trayhush and a DVD-Video disc with its own autorun program"
# th_demo bounds each of its own waits; this bounds the whole.
timeout --kill-after=10 240 "$TH_WINE" "$build/th_demo.exe" \
    --trayhush "$build/Trayhush.exe" \
    --probe "$build/th_notify_probe.dll" \
    --disc "$PWD/demo/disc" \
    --autorun "$build/demoauto.exe" \
    --player "$build/demoplayer.exe" \
    --screenshot-ready "$PWD/$ready" \
    --screenshot-done "$PWD/$done_file" &
demo_pid=$!

shot=""
while kill -0 "$demo_pid" 2>/dev/null; do
    if [ -z "$shot" ] && [ -e "$ready" ]; then
        if import -window root "$out/demo.png"; then
            shot="$out/demo.png"
        else
            shot="none"
            echo "demo: the screenshot failed" >&2
        fi
        touch "$done_file"
    fi
    sleep 0.2
done
status=0
wait "$demo_pid" || status=$?
demo_pid=""

if [ "$status" -eq 0 ]; then
    echo "demo: done: Trayhush terminated the disc's autorun program"
else
    echo "demo: FAILED (th_demo exit code $status)" >&2
fi
if [ -n "$shot" ] && [ "$shot" != none ]; then
    echo "demo: screenshot: $shot"
fi
exit "$status"
