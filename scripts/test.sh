#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the unit
# tests natively, the end-to-end tests against the real program under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
cd build
ctest --output-on-failure --timeout 600
