#!/usr/bin/env bash
# Fuzzes the data file reader, the clipboard record check, the radio reply
# checks and the CSV import, each for a bounded time (AddressSanitizer and
# UndefinedBehaviorSanitizer, libFuzzer from clang-14).
#   scripts/fuzz.sh [seconds] [target ...]
#   scripts/fuzz.sh --runs N [target ...]
# seconds: per target, default 60; targets: datafile, clipboard, replies,
# csv (default all four). Builds into build-fuzz/, seeds from the target's
# corpus folder under fuzz/ (never written to) and exits non-zero when an
# input crashes, hangs or breaks a check; the offending input is left in
# build-fuzz/artifacts/.
# --runs N runs at least N executions of each target instead of a time,
# in fresh processes of at most 400000 executions each that share the
# target's corpus folder: a long-lived process slows down several times
# once AddressSanitizer's quarantine and caches fill, and a fresh one starts
# at full speed again. It prints the total executed.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=60
runs=0
if [ "${1:-}" = "--runs" ]; then
    runs="${2:?--runs needs a number of executions}"
    shift 2
    case "$runs" in ''|*[!0-9]*) echo "fuzz: --runs needs a number, not $runs" >&2; exit 2 ;; esac
elif [ $# -gt 0 ]; then
    seconds="$1"
    shift
fi
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(datafile clipboard replies csv)
fi
build=build-fuzz

cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j 2

export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1"
if [ "$runs" -gt 0 ]; then
    # A smaller quarantine and no malloc fill: 1.3 to 1.7 times the
    # executions per second on the CSV target, same checks.
    ASAN_OPTIONS="$ASAN_OPTIONS:quarantine_size_mb=32:max_malloc_fill_size=0:malloc_context_size=5"
fi
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
    if [ "$runs" -gt 0 ]; then
        total=0
        log="$build/fuzz-$target.log"
        while [ "$total" -lt "$runs" ]; do
            chunk=$((runs - total))
            [ "$chunk" -gt 400000 ] && chunk=400000
            if ! "$build/fuzz_$target" -runs="$chunk" -max_len="$max_len" \
                    -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
                    -artifact_prefix="$build/artifacts/$target-" \
                    "$build/corpus-$target" "$seeds" >"$log" 2>&1; then
                tail -n 40 "$log" >&2
                echo "fuzz $target: failed after $total executions (log: $log)" >&2
                exit 1
            fi
            done_now=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
            total=$((total + ${done_now:-0}))
            echo "fuzz $target: $total executions"
        done
        echo "fuzz $target: no failure in $total executions"
        continue
    fi
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
