#!/usr/bin/env bash
# Installs what is needed, builds everything and runs all tests.
# Usage: scripts/test.sh [build folder] [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
bash scripts/setup.sh
cmake -S . -B "$build" -G Ninja "$@" >/dev/null
cmake --build "$build" -j2
ctest --test-dir "$build" --output-on-failure -j2
