#!/usr/bin/env bash
# Installs what building and running need, builds the programs (without the
# tests) and starts the editor.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVXL_BUILD_TESTS=OFF -DVXL_BUILD_BENCH=OFF
cmake --build build --target vxl-r381 vxl-r381-cli qv-r381-sim
exec build/src/vxl-r381 "$@"
