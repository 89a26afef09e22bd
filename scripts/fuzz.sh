#!/usr/bin/env bash
# Fuzzes a reader for a bounded time (AddressSanitizer and
# UndefinedBehaviorSanitizer, libFuzzer from clang-14).
#   scripts/fuzz.sh [seconds] [target]     default 60 s, target "datafile"
# Targets: "datafile" (the .381 reader, seeds in fuzz/corpus/) and "csv"
# (the CSV import, seeds in fuzz/corpus_csv/). Builds into build-fuzz/,
# never writes to the seed folders and exits non-zero when an input
# crashes, hangs or breaks a check; the offending input is left in
# build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
target="${2:-datafile}"
build=build-fuzz

case "$target" in
  datafile) seeds=fuzz/corpus; corpus="$build/corpus" ;;
  csv)      seeds=fuzz/corpus_csv; corpus="$build/corpus-csv" ;;
  *) echo "fuzz: unknown target '$target' (datafile or csv)" >&2; exit 2 ;;
esac

cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j 2 --target "fuzz_$target"

mkdir -p "$corpus" "$build/artifacts"
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
"$build/fuzz_$target" \
    -max_total_time="$seconds" \
    -max_len=8192 \
    -timeout=10 \
    -rss_limit_mb=2048 \
    -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/" \
    "$corpus" "$seeds"
echo "fuzz $target: no failure in ${seconds}s"
