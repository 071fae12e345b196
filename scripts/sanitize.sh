#!/usr/bin/env bash
# Builds the core, the command line and their tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ and runs the tests; any sanitizer report fails them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset asan "$@"
cmake --build --preset asan
ctest --preset asan
