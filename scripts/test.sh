#!/usr/bin/env bash
# Builds and runs the whole test suite, with compiler warnings as errors. With --sanitize the
# build and the run use AddressSanitizer and UndefinedBehaviorSanitizer (in build-asan/).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--sanitize" ]; then
  scripts/build.sh build-asan -DORVANE_SANITIZE=ON -DORVANE_WERROR=ON
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  (cd build-asan && ctest --output-on-failure -j"$(nproc)")
else
  scripts/build.sh build -DORVANE_WERROR=ON
  (cd build && ctest --output-on-failure -j"$(nproc)")
fi
