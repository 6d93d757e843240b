"""Running one problem through the `orvane` command.

The engine keeps one model per process and works in its current directory, so every run is
its own `orvane` process with its own output folder: runs never share files, and any number of
them may go on at once (see `batch`). The command writes the machine-readable results file
(--json), which `Result` reads.
"""

from __future__ import annotations

import os
import re
import shutil
import subprocess
import tempfile
import time
from typing import Optional, Union

from .problem import Problem
from .result import Result

# Exit codes of the orvane command.
EXIT_NORMAL, EXIT_INPUT_ERROR, EXIT_USAGE, EXIT_RUNTIME_ERROR, EXIT_DRIVER_ERROR = 0, 1, 2, 3, 4


class EngineError(RuntimeError):
    """The orvane command could not run the problem or wrote no results file."""


def find_orvane(orvane: Optional[str] = None) -> str:
    """The orvane command: the given path, else $ORVANE, else `orvane` on the PATH."""
    candidate = orvane or os.environ.get("ORVANE") or shutil.which("orvane")
    if not candidate:
        raise EngineError("the orvane command was not found: build it (scripts/build.sh), then "
                          "put it on the PATH, set ORVANE=/path/to/orvane, or pass orvane=...")
    path = os.path.abspath(candidate) if os.sep in candidate else shutil.which(candidate)
    if not path or not os.access(path, os.X_OK):
        raise EngineError(f"the orvane command {candidate!r} is not an executable file")
    return path


def safe_name(name: str) -> str:
    """A file stem made of the name: letters, digits, '-', '_' and '.' only."""
    stem = re.sub(r"[^A-Za-z0-9._-]+", "_", str(name)).strip("._") or "problem"
    return stem[:100]


def run(problem: Problem, out_dir: Optional[Union[str, os.PathLike]] = None,
        orvane: Optional[str] = None, check: bool = True,
        timeout: Optional[float] = None) -> Result:
    """Runs the problem and returns its Result.

    The problem is checked first by the engine (`orvane --check`): InputError, with the engine's
    number and message, for what it would refuse. With out_dir
    the input data file and every output stay there, named from problem.name; otherwise they go
    to a temporary folder that is removed. A run the engine ends with an error returns a Result
    whose `ok` is False and whose `errors` say why; EngineError means the command itself failed.
    """
    exe = find_orvane(orvane)
    stem = safe_name(problem.name)
    if out_dir is None:
        with tempfile.TemporaryDirectory(prefix="orvane-run-") as tmp:
            return _run_in(problem, stem, tmp, exe, check, timeout, keep=False)
    os.makedirs(out_dir, exist_ok=True)
    return _run_in(problem, stem, os.fspath(out_dir), exe, check, timeout, keep=True)


def _run_in(problem, stem, folder, exe, check, timeout, keep) -> Result:
    path = os.path.join(folder, stem + ".lp")
    problem.write(path, check=False)
    if check:
        # the engine itself checks the file it will run: Python refuses what the engine refuses
        from .checks import engine_check, refuse_as_the_engine
        refuse_as_the_engine(engine_check(path, exe))
    start = time.perf_counter()
    try:
        proc = subprocess.run([exe, path, "--out-dir", folder, "--json"], capture_output=True,
                              text=True, timeout=timeout)
    except subprocess.TimeoutExpired:
        raise EngineError(f"the run of {stem} took longer than {timeout} s") from None
    seconds = time.perf_counter() - start
    results = os.path.join(folder, stem + "-results.json")
    if proc.returncode in (EXIT_USAGE, EXIT_DRIVER_ERROR) or not os.path.exists(results):
        said = (proc.stdout + proc.stderr).strip()
        raise EngineError(f"orvane wrote no results for {stem} (exit code {proc.returncode}): "
                          f"{said}")
    result = Result.from_json(results, name=problem.name)
    result.engine_seconds = seconds
    if keep:
        result.files = {kind: os.path.join(folder, f"{stem}-{kind}.{ext}")
                        for kind, ext in (("report", "txt"), ("plot", "txt"),
                                          ("messages", "txt"), ("results", "json"))}
        result.files["input"] = path
    return result
