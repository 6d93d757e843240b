"""orvane-batch STUDY.csv --template PROBLEM.lp: a table of parameter values expanded over a
template input data file and run like `run_many`, locally or on a dask cluster.

Every row of the study table is one case. The column "case" names it (default: case-<row>);
every other column is a parameter, a path into the problem (`sections[0].length`,
`layers[0].c`, `layers[0].c.top`, `loads[1].load1`, `options.increments`; indices start at
0); an empty cell keeps the template's value. The outputs: OUT/summary.csv (the parameters,
the status of the case and its summary of pile responses, one row per load case) and OUT/<case>/
with the case's input data file and the engine's outputs.

Exit codes: 0 every case ended normally, 1 one or more cases failed (listed in the summary),
2 the command line, the study table or the template could not be used.
"""

from __future__ import annotations

import argparse
import os
import sys

import pandas as pd

from .batch import STUDY_COLUMNS, apply_parameters, run_many
from .checks import InputError
from .engine import EngineError
from .problem import Problem


def expand_study(template: Problem, table: pd.DataFrame):
    """The cases of a study table: (case name -> Problem, case name -> parameters)."""
    if "case" in table.columns:
        names = [str(n) for n in table["case"]]
    else:
        names = [f"case-{k}" for k in range(1, len(table) + 1)]
    if len(set(names)) != len(names):
        raise ValueError("the case names of the study table are not unique")
    params = table.drop(columns=[c for c in ("case",) if c in table.columns])
    cases, values = {}, {}
    for name, (_, row) in zip(names, params.iterrows()):
        problem = apply_parameters(template, row.to_dict())
        problem.name = name
        cases[name] = problem
        values[name] = row.to_dict()
    return cases, values


def main(argv=None) -> int:
    parser = argparse.ArgumentParser(
        prog="orvane-batch", description=__doc__.split("\n\n")[0],
        epilog="Exit codes: 0 all cases ended normally, 1 a case failed, 2 usage error.")
    parser.add_argument("study", help="CSV table: a column per parameter, a row per case")
    parser.add_argument("--template", "-t", required=True, help="template input data file")
    parser.add_argument("--out-dir", "-o", default=None,
                        help="output folder (default: STUDY's stem next to it)")
    parser.add_argument("--workers", "-j", type=int, default=None,
                        help="worker processes on this machine (default: one per CPU)")
    parser.add_argument("--scheduler", default=None,
                        help="run on a dask.distributed cluster: the scheduler address, e.g. "
                             "tcp://scheduler:8786")
    parser.add_argument("--orvane", default=None, help="the orvane command to run")
    parser.add_argument("--no-progress", action="store_true", help="no progress bar")
    args = parser.parse_args(argv)
    try:
        template = Problem.from_file(args.template)
        table = pd.read_csv(args.study, skipinitialspace=True)
        cases, values = expand_study(template, table)
    except (OSError, ValueError, KeyError, pd.errors.ParserError) as e:
        print(f"orvane-batch: {e}", file=sys.stderr)
        return 2
    out = args.out_dir or os.path.splitext(args.study)[0]
    os.makedirs(out, exist_ok=True)
    client = None
    try:
        if args.scheduler:
            from distributed import Client
            client = Client(args.scheduler)
        frame = run_many(cases, workers=args.workers, client=client, out_dir=os.path.abspath(out),
                         orvane=args.orvane, progress=not args.no_progress)
    except (EngineError, InputError, OSError) as e:
        print(f"orvane-batch: {e}", file=sys.stderr)
        return 2
    finally:
        if client is not None:
            client.close()
    params = pd.DataFrame([{"case": n, **values[n]} for n in cases])
    summary = params.merge(frame, on="case", how="right")
    summary = summary[["case"] + [c for c in params.columns if c != "case"]
                      + [c for c in STUDY_COLUMNS if c != "case"]]
    path = os.path.join(out, "summary.csv")
    summary.to_csv(path, index=False)
    failed = frame.loc[frame["status"] != "ok", "case"].unique()
    print(f"{len(cases) - len(failed)} of {len(cases)} cases ended normally. Summary: {path}")
    for name in failed:
        errors = frame.loc[(frame["case"] == name) & (frame["status"] != "ok"), "error"].dropna()
        first = errors.iloc[0] if len(errors) else None
        print(f"  {name}: {str(first).splitlines()[0] if first else 'failed'}")
    return 1 if len(failed) else 0


if __name__ == "__main__":
    sys.exit(main())
