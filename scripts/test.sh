#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the unit
# tests natively, the end-to-end tests against the real program under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
(cd build && ctest --output-on-failure --timeout 600)

# The portable core again under AddressSanitizer and UndefinedBehaviorSanitizer,
# with the fuzzers run for a bounded time.
CC=clang CXX=clang++ cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMARROWIND_WINDOWS=OFF -DMARROWIND_SANITIZE=ON -DMARROWIND_FUZZ=ON
cmake --build build-sanitize -j"$(nproc)"
cd build-sanitize
ctest --output-on-failure --timeout 600
