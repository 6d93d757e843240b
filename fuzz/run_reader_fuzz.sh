#!/bin/sh
# Builds the input reader fuzz harness with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs it for a bounded time.
#   fuzz/run_reader_fuzz.sh [SECONDS]     (default 300)
# New corpus units go to build-fuzz/corpus; the seeds in fuzz/corpus are only read. A crash,
# hang or sanitizer report stops the run with a non-zero exit status and a crash-* file.
set -eu
seconds=${1:-300}
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/build-fuzz"
mkdir -p "$out/corpus"
sources=$(ls "$root"/src/*/*.cpp | grep -v '/src/engine/export\.cpp$')
clang++ -std=c++17 -O1 -g -fno-omit-frame-pointer \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -Wall -Wextra -Wpedantic -Wshadow \
    -I"$root/src" $sources "$root/fuzz/reader_fuzz.cpp" -o "$out/reader_fuzz"
cd "$out"
./reader_fuzz -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
    -dict="$root/fuzz/reader.dict" -print_final_stats=1 corpus "$root/fuzz/corpus"
