"""Studies: many problems run in parallel, on this machine or on a dask.distributed cluster.

The engine keeps one model per process and runs one case at a time in it: `run_many` hands the
cases to worker processes of this machine, or, given a dask client, to the workers of its
cluster, where each case runs in the worker's own process through the engine library (or as an
`orvane` process where the library is not found). It shows a progress bar and gathers one
DataFrame: the summary of pile responses of every case, one row per load case, with the cases
that failed listed beside them (an error in one case never stops the others, and neither does a
case that takes its worker process down).
"""

from __future__ import annotations

import concurrent.futures as cf
import copy
import math
import numbers
import os
import re
import shutil
import tempfile
import traceback
from typing import Dict, Iterable, List, Mapping, Optional, Tuple, Union

import pandas as pd
from tqdm.auto import tqdm

from .checks import InputError
from .engine import EngineError, find_orvane, run, safe_name
from .problem import Problem, SoilLayer
from .result import SUMMARY_COLUMNS

# Columns of the study table, in order; parameter columns of a study come after "case".
STUDY_COLUMNS = (["case", "status", "error_number", "error"] + SUMMARY_COLUMNS +
                 ["iterations", "engine_seconds"])
# Columns of whole numbers, which stay integers beside the empty cells of failed cases.
INTEGER_COLUMNS = ["error_number", "load_case", "iterations"]


# ---------------------------------------------------------------------------------------------
# One case in a worker


def _error_row(name, status, number, text) -> dict:
    return {"case": name, "status": status, "error_number": number, "error": text}


def run_case(name: str, problem: Problem, out_dir: Optional[str] = None,
             orvane: Optional[str] = None, check: bool = True,
             timeout: Optional[float] = None) -> List[dict]:
    """Runs one case and returns its rows of the study table; never raises. Runs in a worker
    process (or a dask worker), so it takes and returns plain, picklable values."""
    try:
        problem = copy.copy(problem)
        problem.name = safe_name(name)
        folder = os.path.join(out_dir, safe_name(name)) if out_dir else None
        result = run(problem, out_dir=folder, orvane=orvane, check=check, timeout=timeout)
    except InputError as e:
        return [_error_row(name, "refused", e.number, str(e))]
    except EngineError as e:
        return [_error_row(name, "failed", None, str(e))]
    except Exception as e:   # a case must never stop the batch
        return [_error_row(name, "failed", None,
                           f"{type(e).__name__}: {e}\n{traceback.format_exc(limit=3)}")]
    err = result.error
    kind = {"input": "input error", "runtime": "runtime error"}.get(
        err.kind if err else "", "error")
    summary = {r["load_case"]: r for r in result.summary_rows}
    rows = []
    # every case that has results, and the one whose error ended the run: a failed case keeps
    # the cases before it
    for c in result.cases:
        number = c["number"]
        failed = not result.ok and number == result.failed_case
        if number not in summary and not failed:
            continue
        row = {"case": name, "status": "ok", "error_number": None, "error": None}
        if failed:
            row.update(status=kind, error_number=err.number if err else None,
                       error=str(err) if err else result.outcome)
        row.update(summary.get(number, {"load_case": number}))
        row["iterations"] = c["iterations"]
        row["engine_seconds"] = result.engine_seconds
        rows.append(row)
    if not result.ok and result.failed_case is None:
        # an error outside the cases (input, sections) ends the run before or between them
        row = _error_row(name, kind, err.number if err else None, str(err) if err else result.outcome)
        row["engine_seconds"] = result.engine_seconds
        rows.append(row)
    if not rows:   # a bending-stiffness-only run has no summary of pile responses
        rows.append({"case": name, "status": "ok", "error_number": None, "error": None,
                     "engine_seconds": result.engine_seconds})
    return rows


def study_table(rows: List[dict]) -> pd.DataFrame:
    """The study table of rows: STUDY_COLUMNS in order, whole numbers as integers (with empty
    cells where a case has none)."""
    table = pd.DataFrame(rows, columns=STUDY_COLUMNS)
    for column in INTEGER_COLUMNS:
        table[column] = pd.to_numeric(table[column], errors="coerce").astype("Int64")
    table["moment_capacity_ratio"] = pd.to_numeric(table["moment_capacity_ratio"]).astype("float64")
    return table


# ---------------------------------------------------------------------------------------------
# Many cases


def _named_cases(problems) -> Dict[str, Problem]:
    if isinstance(problems, Mapping):
        items = [(str(k), v) for k, v in problems.items()]
    else:
        items = [(p.name, p) for p in problems]
    cases: Dict[str, Problem] = {}
    stems = set()   # the cases' file stems must differ too: each has its own output folder
    for name, p in items:
        if not isinstance(p, Problem):
            raise TypeError(f"case {name!r} is not a Problem: {p!r}")
        unique, k = name, 2
        while unique in cases or safe_name(unique) in stems:
            unique, k = f"{name}-{k}", k + 1
        cases[unique] = p
        stems.add(safe_name(unique))
    return cases


def run_many(problems: Union[Iterable[Problem], Mapping[str, Problem]],
             workers: Optional[int] = None, client=None, out_dir: Optional[str] = None,
             orvane: Optional[str] = None, progress: bool = True, check: bool = True,
             timeout: Optional[float] = None) -> pd.DataFrame:
    """Runs every problem and returns the study table (see STUDY_COLUMNS).

    problems: Problems (named by their `name`, made unique) or a mapping of case name to
    Problem. workers: worker processes on this machine (default: one per CPU; 1 runs the cases
    one after the other in this process). client: a dask.distributed Client; the cases then
    run on its cluster's workers, which need this package installed and the orvane command on
    their PATH (or `orvane=` naming its path on the workers). out_dir: keep every case's input
    and outputs in out_dir/<case>/ (on the workers' file system); otherwise they are removed.
    """
    cases = _named_cases(problems)
    names = list(cases)
    if client is None and orvane is None:
        orvane = find_orvane()   # fail at once, not in every case
    args = dict(out_dir=out_dir, orvane=orvane, check=check, timeout=timeout)
    results: Dict[str, List[dict]] = {}

    def progress_bar():
        return tqdm(total=len(names), desc="orvane", unit="case", disable=not progress)

    if client is not None:
        _run_on_cluster(client, cases, args, results, progress_bar)
    elif workers == 1 or len(names) <= 1:
        with progress_bar() as bar:
            for name in names:
                results[name] = run_case(name, cases[name], **args)
                bar.update(1)
    else:
        _run_in_processes(workers or os.cpu_count() or 1, cases, args, results, progress_bar)
    rows = [row for name in names for row in results[name]]
    return study_table(rows)


def _chunks(names: List[str], workers: int) -> List[List[str]]:
    """The cases in consecutive groups, about four per worker: one task per group instead of
    one per case keeps the cost of handing a task to a worker (a process or a cluster node)
    small against the engine's own time, while the progress bar still moves often."""
    size = max(1, math.ceil(len(names) / (4 * max(1, workers))))
    return [names[i:i + size] for i in range(0, len(names), size)]


def run_cases(group: List[Tuple[str, Problem]], out_dir: Optional[str] = None,
              orvane: Optional[str] = None, check: bool = True,
              timeout: Optional[float] = None, marks: Optional[str] = None) -> Dict[str, List[dict]]:
    """Runs a group of cases one after the other in a worker; never raises (see run_case).
    With marks, a folder: a file named after the case stands there while the case runs, so that
    a case that takes the worker process down can be told from the others."""
    out = {}
    for name, problem in group:
        mark = os.path.join(marks, safe_name(name)) if marks else None
        if mark:
            open(mark, "w").close()
        out[name] = run_case(name, problem, out_dir=out_dir, orvane=orvane, check=check,
                             timeout=timeout)
        if mark:
            os.remove(mark)
    return out


def _lost_group(group: List[str], how: str, e: Exception, results) -> None:
    for name in group:
        results[name] = [_error_row(name, "failed", None, f"{how}: {type(e).__name__}: {e}")]


def _run_in_processes(workers, cases, args, results, progress_bar) -> None:
    """The cases in worker processes. A worker that dies (a crash of the engine library) breaks
    the pool: the cases whose results did not come back run again in a fresh pool, and a case
    that was running when the worker died runs alone, so that only a case that takes its worker
    down is reported failed."""
    marks = tempfile.mkdtemp(prefix="orvane-batch-")
    try:
        with progress_bar() as bar:
            todo = list(cases)
            while todo:
                todo = _one_pool(workers, cases, todo, args, results, bar, marks)
    finally:
        shutil.rmtree(marks, ignore_errors=True)


def _one_pool(workers, cases, todo, args, results, bar, marks) -> List[str]:
    """Runs todo in one pool; returns the cases left to run when the pool broke."""
    groups = _chunks(todo, workers)
    broken = []
    with cf.ProcessPoolExecutor(max_workers=workers) as pool:
        futures = {pool.submit(run_cases, [(n, cases[n]) for n in group], marks=marks, **args): group
                   for group in groups}
        # The bar's monitor thread starts after the worker processes are forked.
        for future in cf.as_completed(futures):
            group = futures[future]
            try:
                results.update(future.result())
                bar.update(len(group))
            except cf.process.BrokenProcessPool:
                broken.append(group)
            except Exception as e:   # the task could not be handed over or back
                _lost_group(group, "the worker process failed", e, results)
                bar.update(len(group))
    if not broken:
        return []
    left = [n for group in broken for n in group if n not in results]
    running = [n for n in left if os.path.exists(os.path.join(marks, safe_name(n)))]
    for name in running:
        os.remove(os.path.join(marks, safe_name(name)))
    # The cases running when a worker died, each alone in its own pool: each either ends or is
    # the cause. A pool that broke before any case ran gives no such hint: every case left then
    # runs alone, so that the study always ends.
    for name in running or left:
        try:
            with cf.ProcessPoolExecutor(max_workers=1) as pool:
                results.update(pool.submit(run_cases, [(name, cases[name])], **args).result())
        except cf.process.BrokenProcessPool as e:
            _lost_group([name], "the worker process running the case died", e, results)
        bar.update(1)
    return [n for n in left if n not in results]


def _run_on_cluster(client, cases, args, results, progress_bar) -> None:
    from distributed import as_completed
    workers = max(1, len(client.scheduler_info().get("workers", {})))
    groups = _chunks(list(cases), workers)
    futures = [client.submit(run_cases, [(n, cases[n]) for n in group], pure=False,
                             key=f"orvane-{safe_name(group[0])}-{os.urandom(4).hex()}", **args)
               for group in groups]
    by_key = {f.key: group for f, group in zip(futures, groups)}
    with progress_bar() as bar:
        for future in as_completed(futures):
            group = by_key[future.key]
            try:
                results.update(future.result())
            except Exception as e:   # the worker was lost or the task could not run
                _lost_group(group, "the cluster could not run the case", e, results)
            bar.update(len(group))


# ---------------------------------------------------------------------------------------------
# Parameters of a study


_STEP = re.compile(r"\.?([A-Za-z_][A-Za-z0-9_]*)|\[(-?[0-9]+)\]")


def _steps(path: str):
    steps, pos = [], 0
    while pos < len(path):
        m = _STEP.match(path, pos)
        if not m or m.end() == pos:
            raise KeyError(f"cannot read the parameter {path!r} at {path[pos:]!r}; write it like "
                           f"sections[0].length, layers[1].c, layers[1].c.top or "
                           f"options.increments")
        steps.append(m.group(1) if m.group(1) is not None else int(m.group(2)))
        pos = m.end()
    return steps


def _convert_like(old, new, path):
    """The new value in the kind of the value it replaces (an integer stays an integer)."""
    if hasattr(new, "item"):
        new = new.item()   # numpy scalars
    if isinstance(old, bool):
        if isinstance(new, str):
            if new.strip().upper() in ("YES", "TRUE", "1"):
                return True
            if new.strip().upper() in ("NO", "FALSE", "0"):
                return False
        if isinstance(new, (bool, int)):
            return bool(new)
        raise ValueError(f"{path} is YES or NO, not {new!r}")
    if isinstance(old, numbers.Integral) and isinstance(new, float) and new.is_integer():
        return int(new)
    return new


def _set_path(obj, path: str, value) -> None:
    steps = _steps(path)
    target = obj
    for k, step in enumerate(steps[:-1]):
        if isinstance(target, SoilLayer) and isinstance(step, str) and step in target.values:
            end = steps[k + 1]
            if end not in ("top", "bottom") or k + 2 != len(steps):
                raise KeyError(f"{path}: a soil value ends in .top or .bottom, or sets both")
            pair = list(target.values[step])
            i = 0 if end == "top" else 1
            pair[i] = _convert_like(pair[i], value, path)
            target.values[step] = tuple(pair)
            return
        try:
            target = target[step] if isinstance(step, int) else getattr(target, step)
        except (IndexError, AttributeError, TypeError):
            raise KeyError(f"{path}: the problem has no {step!r} here") from None
    last = steps[-1]
    if isinstance(target, SoilLayer) and isinstance(last, str) and last in target.values:
        old = target.values[last][0]
        target.set(**{last: _convert_like(old, value, path)})
    elif isinstance(last, int):
        target[last] = _convert_like(target[last], value, path)
    elif hasattr(target, last):
        setattr(target, last, _convert_like(getattr(target, last), value, path))
    else:
        raise KeyError(f"{path}: the problem has no {last!r} here")


def apply_parameters(problem: Problem, params: Mapping[str, object]) -> Problem:
    """A copy of the problem with each parameter set. A parameter is a path into the problem:
    `sections[0].length`, `sections[0].rebar.groups`, `layers[0].c` (top and bottom alike),
    `layers[0].c.top`, `loads[2].load1`, `options.increments`, `ground_slope`."""
    p = copy.deepcopy(problem)
    for path, value in params.items():
        if isinstance(value, float) and math.isnan(value):
            continue   # an empty cell of a study table keeps the template's value
        _set_path(p, path, value)
    return p
