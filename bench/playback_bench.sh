#!/usr/bin/env bash
# Play call to first position: Velmora's player against gst-launch-1.0 playbin.
# Usage: bench/playback_bench.sh [build-dir] [runs]
set -euo pipefail
build=${1:-build}
cmake --build "$build" --target playback_bench >/dev/null
"$build/bench/playback_bench" "${2:-15}"
