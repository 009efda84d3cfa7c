#!/usr/bin/env bash
# Installs what is missing, builds Velmora and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_TESTS=OFF
cmake --build build -j "$(nproc)" --target velmora
exec ./build/src/app/velmora
