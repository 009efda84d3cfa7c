#!/usr/bin/env bash
# Installs what is missing, builds Velmora and runs every test: once normally
# and the unit tests once more under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh

jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_TESTS=ON
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs" --timeout 300)

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON
cmake --build build-asan -j "$jobs"
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure -j "$jobs" --timeout 300 -L unit)
