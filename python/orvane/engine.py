"""Running one problem: in this process through the engine library, or through the `orvane`
command.

In process (the default when the library is found and no output folder is asked for), the
problem's text goes to the engine and its results document comes back; nothing is written. The
`orvane` command is the other way in: it runs in its own process and writes the report, plot and
message files and the results file (--json) into an output folder. Both give the same results
document, which `Result` reads.
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
        timeout: Optional[float] = None, in_process: Optional[bool] = None) -> Result:
    """Runs the problem and returns its Result.

    The problem is checked first by the engine itself: InputError, with the engine's number and
    message, for what it would refuse. By default the run goes on in this process through the
    engine library (found through $ORVANE_LIBRARY or beside the orvane command) and writes
    nothing. With out_dir, a timeout or in_process=False it is an `orvane` process instead: the
    input data file and every output stay in out_dir, named from problem.name (without out_dir
    they go to a temporary folder that is removed). A run the engine ends with an error returns
    a Result whose `ok` is False and whose `errors` say why; EngineError means the command
    itself failed.
    """
    from .library import load
    if in_process is None:
        in_process = out_dir is None and timeout is None
    lib = load(orvane) if in_process else None
    if lib is not None:
        return _run_in_library(problem, lib, check)
    exe = find_orvane(orvane)
    stem = safe_name(problem.name)
    if out_dir is None:
        with tempfile.TemporaryDirectory(prefix="orvane-run-") as tmp:
            return _run_in(problem, stem, tmp, exe, check, timeout, keep=False)
    os.makedirs(out_dir, exist_ok=True)
    return _run_in(problem, stem, os.fspath(out_dir), exe, check, timeout, keep=True)


def _run_in_library(problem, lib, check) -> Result:
    from .checks import refuse_as_the_engine
    text = problem.to_text(check=False).encode("utf-8", "surrogateescape")
    # named as the command names the file it writes, so that both ways give the same document
    name = safe_name(problem.name) + ".lp"
    if check:
        refuse_as_the_engine(lib.check(text, name))
    start = time.perf_counter()
    data = lib.run(text, name)
    result = Result(data, name=problem.name)
    result.engine_seconds = time.perf_counter() - start
    return result


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
