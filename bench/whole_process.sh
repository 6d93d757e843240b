#!/usr/bin/env bash
# Whole-process cost of the command-line driver: runs orvane on each example N times, one process
# per run as a user scripting many problems would, and prints per example the median wall time,
# the median system CPU time and the median page faults (minor + major) of one run.
#
# usage: bench/whole_process.sh [-n RUNS] [-b ORVANE] [EXAMPLE.lp ...]
#   -n RUNS    runs per example (default 10)
#   -b ORVANE  the orvane binary (default: build/orvane, else the newest build*/orvane)
#   EXAMPLE    input files (default: every examples/*.lp)
# Outputs go to a temporary directory that is removed afterwards. The child's times and page
# faults come from its own resource usage (bench/run_timed.cpp, compiled here on demand).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs=10
orvane=""
while getopts "n:b:" opt; do
  case $opt in
    n) runs=$OPTARG ;;
    b) orvane=$OPTARG ;;
    *) sed -n '5,9p' "$0" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
if [ -z "$orvane" ]; then
  if [ -x "$root/build/orvane" ]; then
    orvane="$root/build/orvane"
  else
    orvane=$(ls -t "$root"/build*/orvane 2>/dev/null | head -1 || true)
  fi
fi
if [ -z "$orvane" ] || [ ! -x "$orvane" ]; then
  echo "whole_process.sh: no orvane binary found; build one or pass -b" >&2
  exit 2
fi
if [ $# -eq 0 ]; then set -- "$root"/examples/*.lp; fi

work=$(mktemp -d /tmp/orvane-whole-XXXXXX)
trap 'rm -rf "$work"' EXIT
c++ -O2 -std=c++17 -o "$work/run_timed" "$root/bench/run_timed.cpp"
mkdir "$work/out"

# Median of the numbers on standard input (the lower middle one for an even count).
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

echo "orvane: $orvane, $runs runs per example"
printf '%-36s %10s %10s %10s %6s\n' example "wall ms" "sys ms" "faults" exit
for example in "$@"; do
  : > "$work/samples"
  for _ in $(seq "$runs"); do
    "$work/run_timed" "$orvane" "$example" --out-dir "$work/out" \
      >/dev/null 2>>"$work/samples" || true
  done
  # Lines of run_timed: wall_us user_us sys_us minor major exit (orvane itself prints to stdout).
  wall=$(awk 'NF == 6 { print $1 }' "$work/samples" | median)
  sys=$(awk 'NF == 6 { print $3 }' "$work/samples" | median)
  faults=$(awk 'NF == 6 { print $4 + $5 }' "$work/samples" | median)
  code=$(awk 'NF == 6 { print $6 }' "$work/samples" | sort -u | tr '\n' ' ')
  awk -v n="$(basename "$example")" -v w="$wall" -v s="$sys" -v f="$faults" -v c="$code" \
    'BEGIN { printf "%-36s %10.2f %10.2f %10d %6s\n", n, w / 1000, s / 1000, f, c }'
done
