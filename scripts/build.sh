#!/usr/bin/env bash
# Builds the engine library, the orvane command and the tests into build/ (or the directory
# given as the first argument; further arguments go to cmake's configure step).
set -euo pipefail
cd "$(dirname "$0")/.."
"$(pwd)/scripts/install-deps.sh"
dir=${1:-build}
shift || true
cmake -S . -B "$dir" "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
