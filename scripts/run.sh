#!/usr/bin/env bash
# Installs what is missing, builds the program and runs it under Wine on your
# display. Without a display it runs headless in a virtual one and writes a
# screenshot of the main window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
exe=build/windows/bin/Marrowind.exe
title="Quindelmarrow Vetch ul Orse Plim Scandivere Tollmark"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    export WINEPREFIX="${WINEPREFIX:-$HOME/.local/share/marrowind/wineprefix}"
    export WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
    mkdir -p "$WINEPREFIX"
    # Without address randomisation: see tests/e2e/wine_env.sh.
    exec setarch "$(uname -m)" -R wine "$exe"
fi

state=build/run-headless
env=tests/e2e/wine_env.sh
trap '"$env" cleanup "$state" >/dev/null 2>&1 || true' EXIT
echo "No display: running headless in a virtual one."
"$env" setup "$state"
# The demonstration: Notepad opens, the main window selects it, and Type Now
# types a greeting into it.
# (Into a file: the programs left running keep a pipe open.)
status=0
"$env" run "$state" wine build/windows/bin/marrowind_demo.exe >"$state/demo.log" 2>&1 || status=$?
sed -n '/^Notepad now holds:/,/^\[screen\]/p' "$state/demo.log" | sed '$d'
[ "$status" -eq 0 ] || { echo "The demonstration failed:" >&2; cat "$state/demo.log" >&2; }
"$env" run "$state" tests/e2e/settle.sh "^$title\$"
shot="$PWD/build/marrowind-main-window.png"
area=$(sed -n 's/^\[screen\] //p' "$state/demo.log")
"$env" run "$state" import -window root ${area:+-crop "$area"} "$shot"
echo "Screenshot: $shot"
