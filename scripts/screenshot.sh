#!/usr/bin/env bash
# Remakes docs/screenshot.png from the real window, offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target screenshot
QT_QPA_PLATFORM=offscreen ./build/tools/screenshot docs/screenshot.png
