#!/usr/bin/python3
"""Studies from Python with the engine in process (the engine library through ctypes) against
the orvane command, on variants of the soft clay example.

    /usr/bin/python3 bench/python_in_process.py [--orvane build/orvane] [--study 10000]

Prints, with the goals they are measured against:
  * one run through orvane.run in process against the engine's own in-process time
    (orvane_run_text alone): at most 1.5 times;
  * run_many of 1,000 variants with 2 workers, in process and through the command: at least 4
    times the command's cases per second, and at least 500 cases per second;
  * the resident set over 10,000 repeated in-process runs: after run 10,000 within 5 % of after
    run 100;
  * a study of --study variants (default 10,000) with 2 workers: under a minute.
"""

import argparse
import os
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from python_batch import REPO, variants  # noqa: E402  (the same variants of the soft clay example)

import orvane  # noqa: E402
from orvane.library import load  # noqa: E402


def resident_mb():
    with open("/proc/self/statm") as f:
        return int(f.read().split()[1]) * os.sysconf("SC_PAGE_SIZE") / 1048576.0


def per_call(call, n):
    start = time.perf_counter()
    for _ in range(n):
        call()
    return (time.perf_counter() - start) / n


def study(cases, exe, in_process):
    os.environ["ORVANE_IN_PROCESS"] = "1" if in_process else "0"
    start = time.perf_counter()
    table = orvane.run_many(cases, workers=2, orvane=exe, progress=False)
    wall = time.perf_counter() - start
    failed = int((table["status"] != "ok").sum())
    return len(cases) / wall, wall, failed


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--orvane", default=str(REPO / "build" / "orvane"))
    parser.add_argument("--study", type=int, default=10000, help="cases of the large study")
    args = parser.parse_args()
    exe = orvane.find_orvane(args.orvane)
    lib = load(exe)
    if lib is None:
        sys.exit(f"no engine library beside {exe}: build it with scripts/build.sh")
    problem = orvane.Problem.from_file(REPO / "examples" / "pipe-pile-soft-clay.lp")
    text = problem.to_text(check=False).encode()

    engine = per_call(lambda: lib.lib.orvane_run_text(text, len(text), b"problem.lp"), 300)
    one = per_call(lambda: orvane.run(problem, orvane=exe), 300)
    print(f"one run: engine in process {engine * 1e3:.2f} ms, orvane.run in process "
          f"{one * 1e3:.2f} ms = {one / engine:.2f} x engine (goal: at most 1.5)")

    cases = variants(1000)
    command_rate, _, f1 = study(cases, exe, in_process=False)
    process_rate, _, f2 = study(cases, exe, in_process=True)
    print(f"run_many, 1,000 variants, 2 workers: command {command_rate:.0f} cases/s, in process "
          f"{process_rate:.0f} cases/s = {process_rate / command_rate:.1f} x (goals: 4 x and "
          f"500 cases/s)" + (f"   {f1 + f2} FAILED" if f1 + f2 else ""))

    os.environ["ORVANE_IN_PROCESS"] = "1"
    rss = {}
    for i in range(1, 10001):
        orvane.run(problem, orvane=exe, check=False)
        if i in (100, 10000):
            rss[i] = resident_mb()
    print(f"resident set over 10,000 in-process runs: {rss[100]:.1f} MB after run 100, "
          f"{rss[10000]:.1f} MB after run 10,000 ({(rss[10000] / rss[100] - 1) * 100:+.1f} %, "
          f"goal: within 5 %)")

    big = variants(args.study)
    rate, wall, failed = study(big, exe, in_process=True)
    print(f"study of {args.study:,} variants, 2 workers, in process: {wall:.1f} s, {rate:.0f} cases/s "
          f"(goal for 10,000: under 60 s)" + (f"   {failed} FAILED" if failed else ""))


if __name__ == "__main__":
    main()
