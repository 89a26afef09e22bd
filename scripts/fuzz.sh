#!/usr/bin/env bash
# Fuzzes the data file reader for a bounded time (AddressSanitizer and
# UndefinedBehaviorSanitizer, libFuzzer from clang-14).
#   scripts/fuzz.sh [seconds]     default 60
# Builds into build-fuzz/, seeds from fuzz/corpus/ (never written to) and
# exits non-zero when an input crashes, hangs or breaks a document check;
# the offending input is left in build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
build=build-fuzz

cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j 2

mkdir -p "$build/corpus" "$build/artifacts"
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
"$build/fuzz_datafile" \
    -max_total_time="$seconds" \
    -max_len=8192 \
    -timeout=10 \
    -rss_limit_mb=2048 \
    -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/" \
    "$build/corpus" fuzz/corpus
echo "fuzz: no failure in ${seconds}s"
