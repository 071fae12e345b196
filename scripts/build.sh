#!/usr/bin/env bash
# Configures and builds everything of the everyday build in build/ (the "dev" preset).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset dev "$@"
cmake --build --preset dev
