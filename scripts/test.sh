#!/usr/bin/env bash
# Builds everything (native core, both Windows builds) and runs every test: the core
# tests natively and sanitised, the Windows unit tests and the end-to-end tests under
# Wine. The last lines are ctest's summary.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
build=${VISTELO_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVISTELO_WERROR=ON
cmake --build "$build" -j "$(nproc)"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 900
