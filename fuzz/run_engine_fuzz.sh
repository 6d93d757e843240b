#!/bin/sh
# Builds the whole-engine fuzz harness with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs it for a bounded time.
#   fuzz/run_engine_fuzz.sh [SECONDS]     (default 300; CI runs a short while, longer runs locally)
# The seeds are the bundled examples and their 40-increment variants in fuzz/engine_corpus, so
# that runs stay short; new units go to build-fuzz/engine_corpus. A crash, a hang (a run longer
# than 120 s) or a sanitizer report stops the run with a non-zero exit status and a crash-* file.
set -eu
seconds=${1:-300}
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build-fuzz"
mkdir -p "$out/engine_corpus"
sources=$(ls "$root"/src/*/*.cpp)
clang++ -std=c++17 -O1 -g -fno-omit-frame-pointer \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -Wall -Wextra -Wpedantic -Wshadow \
    -I"$root/src" $sources "$root/fuzz/engine_fuzz.cpp" -o "$out/engine_fuzz"
cd "$out"
# Paths are absolute: the harness works in a directory of its own.
ASAN_OPTIONS=detect_leaks=1 ./engine_fuzz -max_total_time="$seconds" -timeout=120 -rss_limit_mb=2048 \
    -max_len=8192 -dict="$root/fuzz/reader.dict" -print_final_stats=1 -artifact_prefix="$out/" \
    "$out/engine_corpus" "$root/fuzz/engine_corpus"
