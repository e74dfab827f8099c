#!/usr/bin/env bash
# Builds and runs the benchmarks, printing their figures.
#   bench/run.sh          every benchmark but the soak (a few minutes)
#   bench/run.sh soak [N] the soak: N minutes of typing at every second (30)
#   bench/run.sh long     the 1 MB text into the two recorders (a quarter hour)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" >/dev/null
[ "${1:-}" = soak ] || [ "${1:-}" = long ] || build/bench/bench_window_list
state=build/bench-state
env=tests/e2e/wine_env.sh
trap '"$env" cleanup "$state" >/dev/null 2>&1 || true' EXIT
"$env" setup "$state"
if [ "${1:-}" = soak ]; then
    "$env" run "$state" wine build/windows/bin/bench_soak.exe "${2:-30}"
    exit 0
fi
if [ "${1:-}" = long ]; then
    "$env" run "$state" wine build/windows/bin/bench_typing.exe long
    exit 0
fi
for bench in build/windows/bin/bench_*.exe; do
    [ "$(basename "$bench")" = bench_soak.exe ] && continue
    "$env" run "$state" wine "$bench"
done
