"""The results of one run, read from the results document the engine writes from its own data
(the `orvane` command's --json file STEM-results.json; its JSON Schema is in the repository).
Every value is the engine's at full precision; a run ended by an error in a later case keeps
the cases that finished before it."""

from __future__ import annotations

import functools
import json
from dataclasses import dataclass
from typing import Dict, List, Optional

import pandas as pd

FORMAT_VERSION = 2   # the version of the results file this package reads
SUMMARY_COLUMNS = ["load_case", "head_shear", "head_deflection", "max_moment", "max_shear",
                   "head_rotation", "moment_capacity_ratio"]
NODE_COLUMNS = ["depth", "deflection", "slope", "moment", "shear", "soil_reaction", "soil_modulus",
                "soil_spring", "bending_stiffness", "distributed_load", "total_stress"]
# Columns of the LRFD performance table and of the pile-head stiffness matrix.
LRFD_COLUMNS = ["combination", "section", "resistance_factor", "factored_moment_capacity",
                "max_moment", "moment_fraction", "passed", "max_shear", "head_deflection",
                "head_rotation"]
STIFFNESS_COLUMNS = ["shear", "moment", "k22", "k23", "k32", "k33", "head_deflection",
                     "head_rotation"]


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
        self._data = data
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

    @property
    def data(self) -> dict:
        """The whole results document, as the results file holds it (node columns as lists)."""
        for case in (self._results or {}).get("load_cases") or []:
            nodes = case.get("nodes")
            if nodes:
                for k, v in nodes.items():
                    if not isinstance(v, list):
                        nodes[k] = v.tolist()
        return self._data

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
        """The summary of pile responses as plain rows (no DataFrame made): one per case that
        has results."""
        return [{c: r.get(c) for c in SUMMARY_COLUMNS}
                for r in self._results.get("summary") or []]

    @functools.cached_property
    def summary(self) -> pd.DataFrame:
        """The summary of pile responses, one row per load case that has results."""
        rows = self._results.get("summary") or []
        table = pd.DataFrame({c: [r.get(c) for r in rows] for c in SUMMARY_COLUMNS},
                             columns=SUMMARY_COLUMNS)
        table["load_case"] = table["load_case"].astype("Int64")
        # no capacity (an elastic section) is NaN in a column of numbers
        table["moment_capacity_ratio"] = pd.to_numeric(table["moment_capacity_ratio"]).astype("float64")
        return table

    @functools.cached_property
    def nodes(self) -> Dict[int, pd.DataFrame]:
        """The node table of each load case that has results (by its number): depth and the
        response at every node, at the engine's full precision."""
        out = {}
        for c in self._results.get("load_cases") or []:
            table = c.get("nodes")
            if not table:
                continue
            out[c["number"]] = pd.DataFrame({k: pd.Series(table[k], dtype="float64")
                                             for k in NODE_COLUMNS if k in table})
        return out

    @functools.cached_property
    def cases(self) -> List[dict]:
        """Per load case (or LRFD combination): its status ("converged", "not converged",
        "failed" or "not reached"), head conditions, iterations, output summary, structural state
        (the ratio of moment to nominal moment capacity and where the capacity or the
        moment-curvature table was passed) and, in an LRFD run, the combination's name, factors
        and factored loads."""
        out = []
        for c in self._results.get("load_cases") or []:
            head = c.get("head_conditions") or {}
            out.append({
                "number": c["number"],
                "status": c.get("status"),
                "converged": c.get("converged"),
                "iterations": c.get("iterations"),
                "lrfd_combination": c.get("lrfd_combination"),
                "load_type": head.get("load_type"),
                "head_condition": head.get("description"),
                "head_values": {k: v for k, v in head.items()
                                if k not in ("load_type", "description")},
                "output_summary": dict(c.get("output_summary") or {}),
                "structural_state": c.get("structural_state"),
                "length_study": pd.DataFrame(c.get("length_study") or []),
            })
        return out

    def case(self, number: int) -> dict:
        """The status, head conditions and output summary of load case `number`."""
        for c in self.cases:
            if c["number"] == number:
                return c
        raise KeyError(f"no load case {number}; the cases are "
                       f"{[c['number'] for c in self.cases]}")

    @property
    def failed_case(self) -> Optional[int]:
        """The number of the case whose error ended the run, or None."""
        return self._results.get("failed_case")

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
        table = pd.DataFrame(cols)
        table["curve"] = table["curve"].astype("Int64")
        return table

    @functools.cached_property
    def moment_curvature(self) -> pd.DataFrame:
        """The moment-curvature tables of every section and thrust: one row per point, in the
        units of `units` (moment, bending_stiffness, curvature, axial_thrust)."""
        keys = ("section", "thrust_index", "axial_thrust", "kind", "nominal_moment_capacity")
        cols = {k: [] for k in keys + ("moment", "bending_stiffness", "curvature")}
        for t in self._results.get("moment_curvature") or []:
            n = min(len(t.get("moment", [])), len(t.get("bending_stiffness", [])),
                    len(t.get("curvature", [])))
            for k in keys:
                cols[k] += [t.get(k)] * n
            for k in ("moment", "bending_stiffness", "curvature"):
                cols[k] += t[k][:n]
        table = pd.DataFrame(cols)
        for k in ("section", "thrust_index"):
            table[k] = table[k].astype("Int64")
        return table

    @functools.cached_property
    def lrfd_performance(self) -> pd.DataFrame:
        """The LRFD performance table: one row per combination and pile section (empty outside
        an LRFD run)."""
        rows = self._results.get("lrfd_performance") or []
        table = pd.DataFrame([{c: r.get(c) for c in LRFD_COLUMNS} for r in rows],
                             columns=LRFD_COLUMNS)
        for k in ("combination", "section"):
            table[k] = table[k].astype("Int64")
        return table

    @functools.cached_property
    def stiffness_matrix(self) -> pd.DataFrame:
        """The pile-head stiffness matrix terms of the ten head loads (empty when not asked
        for)."""
        rows = self._results.get("stiffness_matrix") or []
        return pd.DataFrame([{c: r.get(c) for c in STIFFNESS_COLUMNS} for r in rows],
                            columns=STIFFNESS_COLUMNS, dtype="float64")


def _messages(items, kind_default) -> List[Message]:
    out = []
    for m in items or []:
        text = m.get("text", "")
        if isinstance(text, list):
            text = "\n".join(text)
        out.append(Message(m.get("kind", kind_default), m.get("number"), text.strip("\n"),
                           m.get("count", 1)))
    return out
