#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for a bounded time, from
# the seed corpus in fuzz/corpus/ (and the save-file test files). Any crash, leak, sanitizer
# report or timeout fails the run; the input that caused it is left in build-fuzz/artifacts/.
# Usage: scripts/fuzz.sh [seconds per target, default 60]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build=build-fuzz
targets=(save_file puzzle_line element_characters pencil_marks formats)

scripts/install-deps.sh clang libclang-rt-dev
cmake --preset fuzz
cmake --build --preset fuzz

mkdir -p "$build/artifacts" "$build/logs"
failed=()
for target in "${targets[@]}"; do
    binary="$build/fuzz/fuzz_$target"
    if [ ! -x "$binary" ]; then
        echo "fuzz_$target was not built: the compiler lacks -fsanitize=fuzzer" >&2
        exit 1
    fi
    # New inputs go to a working corpus outside the repository; the seeds are only read.
    work="$build/corpus/$target"
    mkdir -p "$work"
    seeds=("fuzz/corpus/$target")
    if [ "$target" = save_file ]; then seeds+=(tests/data/savefiles); fi
    log="$build/logs/$target.log"
    status=0
    "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$target-" "$work" "${seeds[@]}" >"$log" 2>&1 ||
        status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    if [ "$status" -ne 0 ]; then
        echo "fuzz_$target: FAILED (exit status $status) after ${runs:-?} executions; see $log"
        grep -E "^(==[0-9]+==ERROR|SUMMARY|property broken)|Test unit written" "$log" || true
        failed+=("$target")
    else
        echo "fuzz_$target: ${runs:-?} executions in ${seconds} s, nothing found"
    fi
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzzing failed: ${failed[*]}" >&2
    exit 1
fi
