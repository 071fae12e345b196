#!/usr/bin/env bash
# Builds the core, the command line and their tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ and runs the tests; any sanitizer report fails them.
# Usage: scripts/sanitize.sh [extra cmake options]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_SANITIZE=ON \
      -DVELMORA_BUILD_UI=OFF -DVELMORA_BUILD_BENCH=OFF -DVELMORA_WERROR=ON "$@"
cmake --build build-asan --parallel
# Leaks count as failures too; a report names its whole stack.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:strict_string_checks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir build-asan --output-on-failure --parallel 2
