#!/usr/bin/env bash
# Writes the demo memory into the simulated radio at line speed (9600 bit/s,
# the wake-up answered at once and every reply byte paced) RUNS times in a
# row (default 20) and prints each run's time; stops at the first failure.
# Needs a build in build/ (vxl-r381-cli and qv-r381-sim).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
work="$(mktemp -d /tmp/vxl-r381-soak.XXXXXX)"
trap 'kill "$sim" 2>/dev/null; wait "$sim" 2>/dev/null || true; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"
build/tools/qv-r381-sim --throttle --wake-at-once --link "$work/radio" > /dev/null &
sim=$!
for _ in $(seq 50); do [ -e "$work/radio" ] && break; sleep 0.1; done
total=0
for run in $(seq "$runs"); do
    start=$(date +%s%N)
    if ! build/src/vxl-r381-cli --trace "$work/trace.txt" write --port "$work/radio" --yes \
            tools/demo/demo-radio.381 2> "$work/err.txt"; then
        echo "run $run FAILED:"; cat "$work/err.txt"; tail -5 "$work/trace.txt"; exit 1
    fi
    ms=$(( ($(date +%s%N) - start) / 1000000 ))
    total=$((total + ms))
    echo "run $run: ok, ${ms} ms"
done
echo "$runs of $runs writes succeeded; mean $((total / runs)) ms"
