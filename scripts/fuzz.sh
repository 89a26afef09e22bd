#!/usr/bin/env bash
# Fuzzes the data file reader, the clipboard record check, the radio reply
# checks and the CSV import, each for a bounded time (AddressSanitizer and
# UndefinedBehaviorSanitizer, libFuzzer from clang-14).
#   scripts/fuzz.sh [seconds] [target ...]
# seconds: per target, default 60; targets: datafile, clipboard, replies,
# csv (default all four). Builds into build-fuzz/, seeds from the target's
# corpus folder under fuzz/ (never written to) and exits non-zero when an
# input crashes, hangs or breaks a check; the offending input is left in
# build-fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(datafile clipboard replies csv)
fi
build=build-fuzz

cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j 2

export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
for target in "${targets[@]}"; do
    case "$target" in
        datafile) seeds=fuzz/corpus; max_len=8192 ;;
        clipboard) seeds=fuzz/corpus_clipboard; max_len=256 ;;
        replies) seeds=fuzz/corpus_replies; max_len=512 ;;
        csv) seeds=fuzz/corpus_csv; max_len=65536 ;;
        *) echo "fuzz: unknown target $target" >&2; exit 2 ;;
    esac
    mkdir -p "$build/corpus-$target" "$build/artifacts"
    "$build/fuzz_$target" \
        -max_total_time="$seconds" \
        -max_len="$max_len" \
        -timeout=10 \
        -rss_limit_mb=2048 \
        -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$target-" \
        "$build/corpus-$target" "$seeds"
    echo "fuzz $target: no failure in ${seconds}s"
done
