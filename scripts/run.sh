#!/usr/bin/env bash
# Installs what is needed, builds the program and runs it. Without --server it uses the bundled
# sample tests. Usage: scripts/run.sh [--server URL] [--workdir DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j2 --target lumivo
exec build/src/lumivo "$@"
