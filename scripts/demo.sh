#!/usr/bin/env bash
# Starts the simulated radio (at line speed, 9600 bit/s) with a sample
# memory on a pseudo-terminal,
# points COM1 at it and starts the editor. Choose Radio > Read to read the
# demo radio; whatever you write into it is saved to build/demo-radio-saved.381
# when the editor ends.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVXL_BUILD_TESTS=OFF -DVXL_BUILD_BENCH=OFF
cmake --build build --target vxl-r381 vxl-r381-cli qv-r381-sim

link="$(mktemp -u /tmp/vxl-r381-demo-radio.XXXXXX)"
build/tools/qv-r381-sim --throttle --image tools/demo/demo-radio.381 --link "$link" \
    --save build/demo-radio-saved.381 > /dev/null &
sim=$!
trap 'kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "$link" ] && break; sleep 0.1; done

VXL_R381_COM1="$link" build/src/vxl-r381 "$@"
