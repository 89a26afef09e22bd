#!/usr/bin/env bash
# Installs the dependencies, builds VXL-R381 and starts the editor.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target vxl-r381 vxl-r381-cli qv-r381-sim
exec build/src/vxl-r381 "$@"
