"""Shared fixtures: the package from this source tree, the orvane command of the build, the
examples and runs of the engine in temporary folders."""

import os
import subprocess
import sys
from pathlib import Path

import pytest

REPO = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(REPO / "python"))
# Worker processes (and the dask workers of a LocalCluster) import the package from here too.
os.environ["PYTHONPATH"] = os.pathsep.join(
    [str(REPO / "python")] + [p for p in os.environ.get("PYTHONPATH", "").split(os.pathsep) if p])

EXAMPLES = sorted((REPO / "examples").glob("*.lp"))
DATA = Path(__file__).resolve().parent / "data"
SOFT_CLAY = REPO / "examples" / "pipe-pile-soft-clay.lp"


def _find_orvane():
    for candidate in (os.environ.get("ORVANE"), REPO / "build" / "orvane",
                      REPO / "build-cc" / "orvane"):
        if candidate and os.access(candidate, os.X_OK):
            return str(candidate)
    return None


@pytest.fixture(scope="session")
def orvane_exe():
    exe = _find_orvane()
    if exe is None:
        pytest.fail("the orvane command is not built: run scripts/build.sh or set ORVANE")
    os.environ["ORVANE"] = exe
    return exe


def run_engine(exe, input_path, out_dir, *extra):
    """Runs orvane on a file; returns the exit code."""
    return subprocess.run([exe, str(input_path), "--out-dir", str(out_dir), *extra],
                          capture_output=True, text=True).returncode
