#!/usr/bin/env bash
# Installs what is missing, builds the window alone (not the tests) and starts Sudoku Velmora.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset dev
cmake --build --preset app
exec build/src/app/sudoku-velmora "$@"
