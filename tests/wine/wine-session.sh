#!/usr/bin/env bash
# start: creates the build tree's Wine prefix (once), starts an Xvfb of its
#        own unless ORLENA_DISPLAY names a display, and keeps a wineserver
#        running for the test run.
# stop:  ends the wineserver and the Xvfb started here.
# can-run: exits 0 when this machine can run programs of ORLENA_WINDOWS_ARCH.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"

can_run() {
    # 32-bit Wine needs a kernel that executes 32-bit programs.
    [ -x "$orlena_wine_loader" ] && orlena_wine --version >/dev/null 2>&1
}

start_display() {
    [ -n "${ORLENA_DISPLAY:-}" ] && return
    local n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp </dev/null >"$orlena_wine_dir/xvfb.log" 2>&1 &
    echo $! >"$orlena_wine_dir/xvfb.pid"
    for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.1
    done
    echo ":$n" >"$orlena_wine_dir/display"
    export DISPLAY=":$n"
}

start() {
    mkdir -p "$orlena_wine_dir"
    can_run || { echo "wine-session: this machine cannot run $ORLENA_WINDOWS_ARCH programs" >&2; exit 1; }
    start_display
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "wine-session: creating $WINEPREFIX"
        orlena_wine wineboot -i >/dev/null 2>&1 || true
        wineserver -w  # the server of the first start ends; a lasting one follows
    fi
    # A persistent server spares every test program Wine's start-up. It fails
    # harmlessly when a server for this prefix is running already.
    wineserver -p </dev/null >/dev/null 2>&1 || true
    orlena_wine cmd /c exit >/dev/null 2>&1 || true
}

stop() {
    wineserver -k 2>/dev/null || true
    if [ -f "$orlena_wine_dir/xvfb.pid" ]; then
        kill "$(cat "$orlena_wine_dir/xvfb.pid")" 2>/dev/null || true
        rm -f "$orlena_wine_dir/xvfb.pid" "$orlena_wine_dir/display"
    fi
}

case "${1:-}" in
    start) start ;;
    stop) stop ;;
    can-run) can_run ;;
    *) echo "usage: $0 start|stop|can-run" >&2; exit 2 ;;
esac
