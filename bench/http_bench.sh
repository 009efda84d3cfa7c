#!/usr/bin/env bash
# WebRequest against curl on a 200 MB loopback body; prints both and the ratio.
# Usage: bench/http_bench.sh [build-dir] [runs]
set -euo pipefail
build=${1:-build}
cmake --build "$build" --target http_bench >/dev/null
"$build/bench/http_bench" "${2:-7}"
