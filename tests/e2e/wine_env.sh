#!/usr/bin/env bash
# The end-to-end environment: a virtual X display, a throw-away Wine prefix
# made once per run, and Wine's explorer running the desktop (and with it the
# notification area).
#
#   wine_env.sh setup STATE_DIR        make the display and the prefix
#   wine_env.sh run STATE_DIR CMD...   run a command inside them
#   wine_env.sh cleanup STATE_DIR      stop everything that was started
set -euo pipefail

# Every Wine process of these runs descends from here and starts without
# address randomisation. Debian's Wine has no preloader to reserve the shared
# user data page (0x7ffe0000) first; its loader sits at 0x7d000000 and the
# kernel starts the loader's heap anywhere in the gigabyte above, so now and
# then the heap covers that page and the new process dies at once with "failed
# to map the shared user data". Unrandomised, the heap starts right after the
# loader, far below the page.
if [ -z "${MARROWIND_FIXED_LAYOUT:-}" ]; then
    export MARROWIND_FIXED_LAYOUT=1
    exec setarch "$(uname -m)" -R "$0" "$@"
fi

action=$1
state=$(realpath -m "$2")
shift 2
mkdir -p "$state"

load() {
    # shellcheck disable=SC1091
    source "$state/env"
    export DISPLAY WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
}

wait_for() {  # wait_for SECONDS CMD...: until CMD succeeds or the deadline
    local deadline=$(( $(date +%s) + $1 )); shift
    until "$@" >/dev/null 2>&1; do
        if [ "$(date +%s)" -ge "$deadline" ]; then return 1; fi
        sleep 0.1
    done
}

case "$action" in
setup)
    "$0" cleanup "$state" || true
    display=""
    for n in $(seq 90 140); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
    done
    [ -n "$display" ] || { echo "no free X display" >&2; exit 1; }
    Xvfb "$display" -screen 0 1600x1200x24 -nolisten tcp >"$state/xvfb.log" 2>&1 &
    echo $! >"$state/xvfb.pid"
    cat >"$state/env" <<ENV
DISPLAY=$display
WINEPREFIX=$state/prefix
WINEDEBUG=-all
WINEDLLOVERRIDES="mscoree,mshtml="
ENV
    load
    wait_for 20 xdpyinfo -display "$display"
    rm -rf "$WINEPREFIX"
    wineboot -i >"$state/wineboot.log" 2>&1
    # No crash dialog, one virtual desktop that Wine manages itself.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1600x1200 /f >/dev/null 2>&1
    wineserver -w
    setsid wine explorer /desktop=Default,1600x1200 >"$state/explorer.log" 2>&1 &
    echo $! >"$state/explorer.pid"
    # The desktop is up when its window exists on the X display.
    wait_for 30 sh -c "xwininfo -root -tree -display $display | grep -q 'Default - Wine desktop'"
    ;;
run)
    load
    exec "$@"
    ;;
cleanup)
    if [ -f "$state/env" ]; then
        load
        wineserver -k >/dev/null 2>&1 || true
        wineserver -w >/dev/null 2>&1 || true
    fi
    if [ -f "$state/xvfb.pid" ]; then
        kill "$(cat "$state/xvfb.pid")" >/dev/null 2>&1 || true
        rm -f "$state/xvfb.pid"
    fi
    ;;
*)
    echo "usage: $0 setup|run|cleanup STATE_DIR [CMD...]" >&2
    exit 2
    ;;
esac
