"""The results of one run, read from the machine-readable results file the `orvane` command
writes with --json (STEM-results.json; its JSON Schema is in the repository)."""

from __future__ import annotations

import functools
import json
from dataclasses import dataclass
from typing import Dict, List, Optional

import pandas as pd

FORMAT_VERSION = 1   # the version of the results file this package reads
SUMMARY_COLUMNS = ["load_case", "head_shear", "head_deflection", "max_moment", "max_shear",
                   "head_rotation"]
NODE_COLUMNS = ["depth", "deflection", "slope", "moment", "shear", "soil_reaction", "soil_spring",
                "bending_stiffness", "distributed_load", "total_stress"]


@dataclass
class Message:
    """An error or warning of the run: its number, its kind ("input" or "runtime" for errors,
    "warning") and its text."""

    kind: str
    number: Optional[int]
    text: str
    count: int = 1

    def __str__(self) -> str:
        what = {"input": "Input Data Error", "runtime": "Runtime Error"}.get(self.kind, "Warning")
        return f"{what} No. {self.number}: {self.text}" if self.number is not None else self.text


class Result:
    """One run: its outcome, the node table of every load case as a DataFrame, the summary of
    pile responses, the p-y curves printed at requested depths, the moment-curvature tables,
    the warnings and errors. `data` is the whole results document; the tables are made from it
    when first asked for."""

    def __init__(self, data: dict, name: str = "problem"):
        if data.get("format") != "orvane-results":
            raise ValueError(f"not an orvane results document: format {data.get('format')!r}")
        if data.get("format_version") != FORMAT_VERSION:
            raise ValueError(f"the results file has format version {data.get('format_version')!r}"
                             f"; this package reads version {FORMAT_VERSION}: install the "
                             f"package of the same repository as the orvane command")
        self.data = data
        self.name = name
        outcome = data.get("outcome") or {}
        self.result_code = int(outcome.get("result_code", 1))
        self.outcome = outcome.get("text", "")
        self.title = list(data.get("title") or [])
        self.unit_system = data.get("unit_system")
        self.units = dict(data.get("units") or {})
        self.ground_surface_depth = data.get("ground_surface_depth")
        self.errors = _messages(data.get("errors"), "input")
        self.warnings = _messages(data.get("warnings"), "warning")
        self.files: Dict[str, str] = {}
        self.engine_seconds: Optional[float] = None
        self._results = data.get("results") or {}

    def __repr__(self) -> str:
        return (f"Result(name={self.name!r}, result_code={self.result_code}, "
                f"outcome={self.outcome!r})")

    @property
    def ok(self) -> bool:
        """True when the analysis ended normally: a result code of 0, or the negative code that
        tells the warnings of a normal end."""
        return self.result_code <= 0

    @property
    def error(self) -> Optional[Message]:
        return self.errors[0] if self.errors else None

    @classmethod
    def from_json(cls, path_or_data, name: str = "problem") -> "Result":
        if isinstance(path_or_data, dict):
            return cls(path_or_data, name)
        with open(path_or_data, encoding="utf-8") as f:
            return cls(json.load(f), name)

    @property
    def summary_rows(self) -> List[dict]:
        """The summary of pile responses as plain rows (no DataFrame made)."""
        return [{c: r.get(c) for c in SUMMARY_COLUMNS}
                for r in self._results.get("summary") or []]

    @functools.cached_property
    def summary(self) -> pd.DataFrame:
        """The summary of pile responses, one row per load case."""
        rows = self._results.get("summary") or []
        return pd.DataFrame({c: [r.get(c) for r in rows] for c in SUMMARY_COLUMNS},
                            columns=SUMMARY_COLUMNS)

    @functools.cached_property
    def nodes(self) -> Dict[int, pd.DataFrame]:
        """The node table of each load case (by its number): depth and the response at every
        node; a column the report prints at every PrintIncrement-th node only is NaN elsewhere."""
        out = {}
        for c in self._results.get("load_cases") or []:
            table = c.get("nodes") or {}
            out[c["number"]] = pd.DataFrame({k: pd.Series(table[k], dtype="float64")
                                             for k in NODE_COLUMNS if k in table})
        return out

    @functools.cached_property
    def cases(self) -> List[dict]:
        """Per load case: head conditions, convergence, iterations and output summary."""
        out = []
        for c in self._results.get("load_cases") or []:
            head = c.get("head_conditions") or {}
            out.append({
                "number": c["number"],
                "lrfd_combination": c.get("lrfd_combination", False),
                "load_type": head.get("load_type"),
                "head_condition": head.get("description"),
                "head_values": {v["name"]: v["value"] for v in head.get("values", [])},
                "converged": c.get("converged"),
                "iterations": c.get("iterations"),
                "output_summary": {v["name"]: v["value"] for v in c.get("output_summary", [])},
                "length_study": pd.DataFrame(c.get("length_study") or []),
            })
        return out

    def case(self, number: int) -> dict:
        """The head conditions, convergence and output summary of load case `number`."""
        for c in self.cases:
            if c["number"] == number:
                return c
        raise KeyError(f"no load case {number}; the cases are "
                       f"{[c['number'] for c in self.cases]}")

    @functools.cached_property
    def py_curves(self) -> pd.DataFrame:
        """The p-y curves printed at the requested depths: one row per point."""
        cols = {k: [] for k in ("curve", "depth", "soil", "y", "p")}
        for curve in self._results.get("py_curves") or []:
            n = min(len(curve.get("y", [])), len(curve.get("p", [])))
            cols["curve"] += [curve.get("number")] * n
            cols["depth"] += [curve.get("depth")] * n
            cols["soil"] += [curve.get("soil")] * n
            cols["y"] += curve["y"][:n]
            cols["p"] += curve["p"][:n]
        return pd.DataFrame(cols)

    @functools.cached_property
    def moment_curvature(self) -> pd.DataFrame:
        """The moment-curvature tables of every section and thrust: one row per point."""
        keys = ("section", "thrust_index", "axial_thrust", "kind")
        cols = {k: [] for k in keys + ("moment", "bending_stiffness", "curvature")}
        for t in self._results.get("moment_curvature") or []:
            n = min(len(t.get("moment", [])), len(t.get("bending_stiffness", [])),
                    len(t.get("curvature", [])))
            for k in keys:
                cols[k] += [t.get(k)] * n
            for k in ("moment", "bending_stiffness", "curvature"):
                cols[k] += t[k][:n]
        return pd.DataFrame(cols)


def _messages(items, kind_default) -> List[Message]:
    out = []
    for m in items or []:
        text = m.get("text", "")
        if isinstance(text, list):
            text = "\n".join(text)
        out.append(Message(m.get("kind", kind_default), m.get("number"), text.strip("\n"),
                           m.get("count", 1)))
    return out
