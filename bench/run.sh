#!/usr/bin/env bash
# Builds and runs the benchmarks, printing their figures.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" >/dev/null
build/bench/bench_window_list
state=build/bench-state
env=tests/e2e/wine_env.sh
trap '"$env" cleanup "$state" >/dev/null 2>&1 || true' EXIT
"$env" setup "$state"
for bench in build/windows/bin/bench_*.exe; do
    "$env" run "$state" wine "$bench"
done
