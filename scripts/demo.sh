#!/usr/bin/env bash
# Builds the program and starts it under Wine on the bundled sample pictures: on the
# real display when there is one, otherwise on a virtual one, saving a screenshot.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/install-deps.sh
build=${VISTELO_BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release > /dev/null
arch=$(python3 tests/e2e/wine_choice.py | cut -d";" -f1)
wine=$(python3 tests/e2e/wine_choice.py | cut -d";" -f2)
cmake --build "$build" --target "windows_$arch" -j "$(nproc)"

export WINEPREFIX="$root/$build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
python3 tests/e2e/prepare_prefix.py "$WINEPREFIX"

exe="$root/$build/$arch/Vistelo.exe"
cd "$root/samples"
if [[ -n "${DISPLAY:-}" ]] && xdpyinfo > /dev/null 2>&1; then
  echo "Starting Vistelo on display $DISPLAY; close its window (or press Esc) to end."
  [[ "$wine" == /* ]] && export WINELOADER="$wine"
  "$wine" "$exe" "$root/samples"
  exit 0
fi

shot="$root/$build/demo-screenshot.png"
python3 "$root/tests/e2e/demo_screenshot.py" "$exe" "$root/samples" "$shot"
echo "No display here: Vistelo ran on a virtual display; screenshot saved to $shot"
