#!/usr/bin/env bash
# Installs what is missing, builds, and starts Sudoku Velmora.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -x build/src/app/sudoku-velmora ]; then
    exec build/src/app/sudoku-velmora "$@"
fi
# Without the window, show the solver at work on the bundled example.
exec build/src/cli/sudoku-velmora-cli solve examples/puzzles-3x3.txt
