"""The results of one run, read from the machine-readable results file the `orvane` command
writes with --json (STEM-results.json; its JSON Schema is in the repository)."""

from __future__ import annotations

import json
from dataclasses import dataclass, field
from typing import Dict, List, Optional

import pandas as pd

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


@dataclass
class Result:
    """One run: its outcome, the node table of every load case as a DataFrame, the summary of
    pile responses, the p-y curves printed at requested depths, the moment-curvature tables,
    the warnings and errors. `data` is the whole results document."""

    name: str
    result_code: int
    outcome: str
    title: List[str]
    unit_system: Optional[str]
    units: Dict[str, str]
    ground_surface_depth: Optional[float]
    errors: List[Message]
    warnings: List[Message]
    nodes: Dict[int, pd.DataFrame]
    cases: List[dict]
    summary: pd.DataFrame
    py_curves: pd.DataFrame
    moment_curvature: pd.DataFrame
    data: dict = field(repr=False)
    files: Dict[str, str] = field(default_factory=dict)
    engine_seconds: Optional[float] = None

    @property
    def ok(self) -> bool:
        """True when the analysis ended normally: a result code of 0, or the negative code that
        tells the warnings of a normal end."""
        return self.result_code <= 0

    @property
    def error(self) -> Optional[Message]:
        return self.errors[0] if self.errors else None

    def case(self, number: int) -> dict:
        """The head conditions, convergence and output summary of load case `number`."""
        for c in self.cases:
            if c["number"] == number:
                return c
        raise KeyError(f"no load case {number}; the cases are "
                       f"{[c['number'] for c in self.cases]}")

    @classmethod
    def from_json(cls, path_or_data, name: str = "problem") -> "Result":
        if isinstance(path_or_data, dict):
            d = path_or_data
        else:
            with open(path_or_data, encoding="utf-8") as f:
                d = json.load(f)
        if d.get("format") != "orvane-results":
            raise ValueError(f"not an orvane results document: format {d.get('format')!r}")
        outcome = d.get("outcome") or {}
        results = d.get("results") or {}

        def messages(items, kind_default):
            out = []
            for m in items or []:
                text = m.get("text", "")
                if isinstance(text, list):
                    text = "\n".join(t for t in text)
                out.append(Message(m.get("kind", kind_default), m.get("number"), text.strip("\n"),
                                   m.get("count", 1)))
            return out

        nodes: Dict[int, pd.DataFrame] = {}
        cases: List[dict] = []
        for c in results.get("load_cases") or []:
            table = c.get("nodes") or {}
            frame = pd.DataFrame({k: pd.Series(table[k], dtype="float64")
                                  for k in NODE_COLUMNS if k in table})
            nodes[c["number"]] = frame
            head = c.get("head_conditions") or {}
            cases.append({
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
        summary = pd.DataFrame(results.get("summary") or [], columns=SUMMARY_COLUMNS)
        rows = []
        for curve in results.get("py_curves") or []:
            for y, p in zip(curve.get("y", []), curve.get("p", [])):
                rows.append({"curve": curve.get("number"), "depth": curve.get("depth"),
                             "soil": curve.get("soil"), "y": y, "p": p})
        py = pd.DataFrame(rows, columns=["curve", "depth", "soil", "y", "p"])
        rows = []
        for t in results.get("moment_curvature") or []:
            for m, ei, k in zip(t.get("moment", []), t.get("bending_stiffness", []),
                                t.get("curvature", [])):
                rows.append({"section": t.get("section"), "thrust_index": t.get("thrust_index"),
                             "axial_thrust": t.get("axial_thrust"), "kind": t.get("kind"),
                             "moment": m, "bending_stiffness": ei, "curvature": k})
        mc = pd.DataFrame(rows, columns=["section", "thrust_index", "axial_thrust", "kind",
                                         "moment", "bending_stiffness", "curvature"])
        return cls(name=name, result_code=int(outcome.get("result_code", -1)),
                   outcome=outcome.get("text", ""), title=list(d.get("title") or []),
                   unit_system=d.get("unit_system"), units=dict(d.get("units") or {}),
                   ground_surface_depth=d.get("ground_surface_depth"),
                   errors=messages(d.get("errors"), "input"),
                   warnings=messages(d.get("warnings"), "warning"),
                   nodes=nodes, cases=cases, summary=summary, py_curves=py,
                   moment_curvature=mc, data=d)
