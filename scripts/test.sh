#!/usr/bin/env bash
# Builds and runs the whole test suite, with compiler warnings as errors: the C++ suites (ctest),
# then the Python package's tests (pytest, with Debian's python3) against the orvane command just
# built. With --sanitize the build and the runs use AddressSanitizer and UndefinedBehaviorSanitizer
# (in build-asan/); the Python package then runs the command rather than the library in process.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-asan
  extra=(-DORVANE_SANITIZE=ON)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  # the sanitized engine library cannot be loaded into Python: the package runs the command
  export ORVANE_IN_PROCESS=0
else
  dir=build
  extra=()
fi
cmake -S . -B "$dir" -DORVANE_TESTS=ON -DORVANE_WERROR=ON "${extra[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)"
(cd "$dir" && ctest --output-on-failure -j"$(nproc)")
ORVANE="$PWD/$dir/orvane" PYTHONDONTWRITEBYTECODE=1 \
  /usr/bin/python3 -m pytest -q -p no:cacheprovider python/tests
