#!/usr/bin/env bash
# Builds the engine library (liborvane.so, which the Python package calls in process) and the
# orvane command into build/ (or the directory given as the
# first argument; further arguments go to cmake's configure step). The test suite is
# scripts/test.sh's.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build
dir=${1:-build}
shift || true
cmake -S . -B "$dir" -DORVANE_TESTS=OFF "$@" >/dev/null
cmake --build "$dir" --target orvane_cli orvane -j"$(nproc)"
