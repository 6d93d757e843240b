#!/usr/bin/python3
"""Throughput of studies run from Python: N variants of the soft clay example run serially,
in 2 worker processes and on a 2-worker dask LocalCluster, against the engine's own time.

    /usr/bin/python3 bench/python_batch.py [-n 200] [--orvane build/orvane]

The engine's own time per case is the wall time of `orvane CASE.lp --json` run directly, one
case after another, on input files written beforehand. For each way of running the study the
script prints the wall time, the cases per second and the overhead per case: the worker time
spent on a case beyond the engine's own time (wall time x workers / N - engine time per case).
The goal is an overhead per case below the engine's own time.
"""

import argparse
import os
import subprocess
import sys
import tempfile
import time
from pathlib import Path

REPO = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(REPO / "python"))
os.environ["PYTHONPATH"] = os.pathsep.join(
    [str(REPO / "python")] + [p for p in os.environ.get("PYTHONPATH", "").split(os.pathsep) if p])

import orvane  # noqa: E402


def variants(n):
    base = orvane.Problem.from_file(REPO / "examples" / "pipe-pile-soft-clay.lp")
    cases = {}
    for k in range(n):
        p = base.copy()
        p.loads = [orvane.ShearMoment(50.0 + 200.0 * k / n), orvane.ShearMoment(150.0, 50.0 * k / n)]
        p.layers[0].set(c=(8.0 + 8.0 * k / n, 30.0 + 30.0 * k / n))
        cases[f"case-{k:04d}"] = p
    return cases


def engine_time(cases, exe):
    """Seconds per case of the orvane command alone."""
    with tempfile.TemporaryDirectory() as tmp:
        paths = []
        for name, p in cases.items():
            path = os.path.join(tmp, name + ".lp")
            p.write(path)
            paths.append(path)
        start = time.perf_counter()
        for path in paths:
            subprocess.run([exe, path, "--out-dir", tmp, "--json"], check=True,
                           stdout=subprocess.DEVNULL)
        return (time.perf_counter() - start) / len(paths)


def timed(label, workers, engine, n, call):
    start = time.perf_counter()
    table = call()
    wall = time.perf_counter() - start
    failed = int((table["status"] != "ok").sum())
    overhead = wall * workers / n - engine
    print(f"{label:<26} {wall:9.2f} s {n / wall:9.1f} cases/s   overhead/case "
          f"{overhead * 1000:8.2f} ms ({overhead / engine:5.2f} x engine)"
          + (f"   {failed} FAILED" if failed else ""))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("-n", type=int, default=200, help="number of variants (default 200)")
    parser.add_argument("--orvane", default=None, help="the orvane command (default: build/orvane)")
    args = parser.parse_args()
    exe = orvane.find_orvane(args.orvane or str(REPO / "build" / "orvane"))
    cases = variants(args.n)
    engine = engine_time(cases, exe)
    print(f"{args.n} variants of pipe-pile-soft-clay.lp, {os.cpu_count()} CPUs")
    print(f"{'engine alone (orvane --json)':<26} {engine * args.n:9.2f} s {1 / engine:9.1f} cases/s"
          f"   engine time/case {engine * 1000:8.2f} ms")
    timed("run_many serial", 1, engine, args.n,
          lambda: orvane.run_many(cases, workers=1, orvane=exe, progress=False))
    timed("run_many 2 workers", 2, engine, args.n,
          lambda: orvane.run_many(cases, workers=2, orvane=exe, progress=False))
    from distributed import Client, LocalCluster
    with LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                      dashboard_address=None) as cluster, Client(cluster) as client:
        timed("dask LocalCluster, 2", 2, engine, args.n,
              lambda: orvane.run_many(cases, client=client, orvane=exe, progress=False))


if __name__ == "__main__":
    main()
