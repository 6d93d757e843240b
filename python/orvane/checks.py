"""Checks of a Problem before it is written or run.

The engine is the one place that decides what input it accepts. `check_problem` writes the
problem's input data file and asks the engine (`orvane --check --json`, which reads it as a run
would and makes every check a run makes before it computes), so that this package refuses
exactly what the engine refuses, with the engine's error number, input line and message.

What stays here is this package's own: that every value has the type its field needs and can be
written so that the engine reads what the Problem says (`check_writable`): integers where the
file holds integers, finite numbers, texts that fit their 256-character line, five title lines,
thirteen factors of an LRFD combination, the cycles in their six columns.
"""

from __future__ import annotations

import json
import math
import numbers
import os
import subprocess
import tempfile

LINE_FIELD = 256   # characters of a line the engine reads


class InputError(ValueError):
    """A value the engine refuses. `number` is the engine's Input Data Error number (None for a
    refusal of this package alone, such as a file it cannot represent)."""

    def __init__(self, number, message: str):
        self.number = number
        prefix = f"Input Data Error No. {number}: " if number is not None else ""
        super().__init__(prefix + message)


# ---------------------------------------------------------------------------------------------
# Value kinds


def _is_int(v) -> bool:
    return isinstance(v, numbers.Integral) and not isinstance(v, bool)


def _int(v, what: str) -> int:
    if not _is_int(v):
        raise InputError(99, f"{what} must be an integer, not {v!r}")
    if not -2147483648 <= int(v) <= 2147483647:
        raise InputError(99, f"{what} = {v} is outside the range -2147483648 to 2147483647")
    return int(v)


def _real(v, what: str) -> float:
    if isinstance(v, bool) or not isinstance(v, numbers.Real):
        raise InputError(99, f"{what} must be a number, not {v!r}")
    if not math.isfinite(float(v)):
        raise InputError(99, f"{what} = {v!r} is not a finite number")
    return float(v)


def _text(v, what: str) -> str:
    if not isinstance(v, str):
        raise InputError(None, f"{what} must be text, not {v!r}")
    if "\n" in v or "\r" in v:
        raise InputError(None, f"{what} must be one line: {v!r}")
    if len(v.encode("utf-8", "surrogateescape")) > LINE_FIELD:
        raise InputError(88, f"{what} is longer than 256 characters: {v[:40]!r}...")
    return v


def _bool(v, what: str) -> None:
    if not isinstance(v, bool):
        raise InputError(None, f"{what} must be True or False, not {v!r}")


# ---------------------------------------------------------------------------------------------
# Options


def _check_options(p, o) -> None:
    from .problem import fmt_cycles
    _text(o.units, "the unit system")
    for name in ("use_lrfd", "compute_kmatrix", "ei_only", "cyclic", "summary_only"):
        _bool(getattr(o, name), f"option {name}")
    for name in ("use_tip_shear", "use_soil_movement", "use_py_modifiers", "print_py_curves"):
        v = getattr(o, name)
        if v is not None:
            _bool(v, f"option {name}")
    _real(o.cycles, "the number of cycles")
    try:
        fmt_cycles(o.cycles)
    except ValueError as e:
        raise InputError(99, str(e)) from None
    _int(o.max_iterations, "the iterations limit")
    _real(o.max_deflection, "the excess deflection limit")
    _real(o.tolerance, "the convergence tolerance")
    _int(o.increments, "the number of pile increments")
    _int(o.print_increment, "the printing increment")
    if o.interaction_code is not None:
        _text(o.interaction_code, "the interaction code")


# ---------------------------------------------------------------------------------------------
# Sections as read


def _reals(obj, names, where):
    for n in names:
        _real(getattr(obj, n), f"{where}: {n}")


def _check_concrete(c, where) -> None:
    _reals(c, ("strength", "aggregate_size"), where + " concrete")
    if c.tensile_strength is not None:
        _real(c.tensile_strength, f"{where} concrete: tensile_strength")
    if c.stress_strain is not None:
        for e, s in c.stress_strain:
            _real(e, f"{where} concrete curve strain")
            _real(s, f"{where} concrete curve stress")


def _check_rebar(r, where, s) -> None:
    from .problem import RebarCircle, RebarList
    if r is None:
        return
    if isinstance(r, RebarCircle):
        _reals(r, ("yield_stress", "modulus", "bar_diameter", "bar_area", "cover", "cage_offset"),
               where + " rebar")
        _int(r.bars_per_group, f"{where}: bars_per_group")
        _int(r.groups, f"{where}: groups")
    elif isinstance(r, RebarList):
        _reals(r, ("yield_stress", "modulus"), where + " rebar")
        for j, b in enumerate(r.bars, 1):
            _int(b.size, f"{where} bar {j}: size")
            _reals(b, ("diameter", "area", "x", "y"), f"{where} bar {j}")
    else:
        raise InputError(None, f"{where}: rebar must be RebarCircle, RebarList or None")
    _bool(r.same_as_above, f"{where}: same_as_above")


def _check_strands(st, where, s) -> None:
    from .problem import AutoStrands, ManualStrands
    if isinstance(st, AutoStrands):
        for n in ("strand_type", "strand_size", "count", "pattern"):
            _int(getattr(st, n), f"{where} strands: {n}")
        _reals(st, ("prestress_force", "loss_fraction", "cover"), where + " strands")
    elif isinstance(st, ManualStrands):
        _int(st.strand_type, f"{where} strands: strand_type")
        _reals(st, ("prestress_force", "loss_fraction"), where + " strands")
        for j, x in enumerate(st.strands, 1):
            _int(x.strand_type, f"{where} strand {j}: strand_type")
            _int(x.size, f"{where} strand {j}: size")
            _reals(x, ("x", "y"), f"{where} strand {j}")
    else:
        raise InputError(None, f"{where}: strands must be AutoStrands or ManualStrands")


def _check_section_as_read(s, sec) -> None:
    from . import problem as P
    where = f"section {s}"
    if not isinstance(sec, (P.RectangularPile, P.DrilledShaft, P.CasedShaft, P.CasedShaftWithCore,
                            P.SteelPipe, P.CircularPrestressed, P.SquarePrestressed,
                            P.OctagonalPrestressed, P.ElasticPile, P.ElasticPlasticPile,
                            P.UserMEIPile, P.Micropile)):
        raise InputError(None, f"{where} is not a pile section: {sec!r}")
    for f in sec.__dataclass_fields__:
        v = getattr(sec, f)
        if f in ("concrete", "rebar", "strands", "shape", "curves", "core_filled"):
            continue
        if f == "void_diameter" and v is None:
            continue
        if f == "plastic_moment_bottom" and v is None:
            if isinstance(sec.shape, P.HPileShape):
                continue
        _real(v, f"{where}: {f}")
    if hasattr(sec, "concrete"):
        _check_concrete(sec.concrete, where)
    if hasattr(sec, "rebar"):
        _check_rebar(sec.rebar, where, s)
    if hasattr(sec, "strands"):
        _check_strands(sec.strands, where, s)
    if hasattr(sec, "shape"):
        if not isinstance(sec.shape, (P.RectangleShape, P.CircleShape, P.PipeShape,
                                      P.HPileShape, P.PoleShape)):
            raise InputError(None, f"{where}: unknown cross-section shape {sec.shape!r}")
        for f in sec.shape.__dataclass_fields__:
            if f != "strong_axis":
                _real(getattr(sec.shape, f), f"{where} shape: {f}")
    if isinstance(sec, P.ElasticPlasticPile) and isinstance(sec.shape, P.HPileShape):
        if sec.plastic_moment_bottom not in (None, sec.plastic_moment_top):
            raise InputError(None, f"{where}: an H-pile has one plastic moment capacity; give "
                                   f"plastic_moment_bottom None or equal to the top")
    if isinstance(sec, P.UserMEIPile):
        for b, curve in enumerate(sec.curves, 1):
            _real(curve.thrust, f"{where} M-EI thrust {b}")
            for m, ei in curve.points:
                _real(m, f"{where} M-EI moment")
                _real(ei, f"{where} M-EI bending stiffness")


def _check_layer_as_read(k, layer) -> None:
    from .problem import SOIL_TYPES, INT_VALUES, USER_PY
    where = f"soil layer {k}"
    t = _int(layer.soil_type, f"{where}: soil type number")
    if t not in SOIL_TYPES:
        return   # a soil type number the engine does not know: the engine's check refuses it
    _real(layer.top, f"{where}: top")
    _real(layer.bottom, f"{where}: bottom")
    names = SOIL_TYPES[t][1]
    for n in names:
        if n not in layer.values:
            raise InputError(None, f"{where} ({SOIL_TYPES[t][0]}) has no value {n!r}")
        for end, v in zip(("top", "bottom"), layer.values[n]):
            if n in INT_VALUES:
                _int(v, f"{where}: {n} at the {end}")
            else:
                _real(v, f"{where}: {n} at the {end}")
    extra = set(layer.values) - set(names)
    if extra:
        raise InputError(None, f"{where} ({SOIL_TYPES[t][0]}) has no value "
                               f"{', '.join(sorted(extra))}; its values are {', '.join(names)}")
    if t == USER_PY:
        for end, curve in (("top", layer.top_curve), ("bottom", layer.bottom_curve)):
            curve = curve or []
            for y, pv in curve:
                _real(y, f"{where} p-y curve y")
                _real(pv, f"{where} p-y curve p")


def _rows(rows, width, what):
    for j, row in enumerate(rows, 1):
        if len(row) != width:
            raise InputError(None, f"{what} row {j} must have {width} values: {row!r}")
        for v in row:
            _real(v, f"{what} row {j}")


def check_writable(p) -> None:
    """Refuses what cannot be written so that the engine reads what the Problem says: values of
    the wrong type, numbers that are not finite, texts too long for their line."""
    from .problem import Options
    if p.title is not None:
        if len(p.title) > 5:
            raise InputError(None, f"the title has {len(p.title)} lines; it has at most 5")
        for i, line in enumerate(p.title, 1):
            _text(line, f"title line {i}")
    o = p.options
    if o is not None:
        if not isinstance(o, Options):
            raise InputError(None, "options must be an Options")
        _check_options(p, o)
    if p.sections is not None:
        for s, sec in enumerate(p.sections, 1):
            _check_section_as_read(s, sec)
    if p.layers is not None:
        for k, layer in enumerate(p.layers, 1):
            _check_layer_as_read(k, layer)
    if p.loads is not None:
        for i, lc in enumerate(p.loads, 1):
            _int(lc.load_type, f"load case {i}: load_type")
            for n in ("load1", "load2", "axial"):
                _real(getattr(lc, n), f"load case {i}: {n}")
        _rows(p.distributed_load, 2, "distributed lateral load")
    elif p.distributed_load:
        raise InputError(None, "a distributed lateral load is written in the LOADING section: "
                               "give loads (an empty list for none)")
    if p.lrfd_loads is not None:
        for g, load in enumerate(p.lrfd_loads, 1):
            _int(load.load_type, f"LRFD load {g}: load_type")
            for nm in ("H", "M", "P"):
                _real(getattr(load, nm), f"LRFD load {g}: {nm}")
            _rows(load.distributed, 2, f"LRFD load {g} distributed load")
    if p.lrfd_combinations is not None:
        for c, comb in enumerate(p.lrfd_combinations, 1):
            if len(comb.factors) != 13:
                raise InputError(None, f"LRFD combination {c} has {len(comb.factors)} load "
                                       f"factors; it has one for each of the 13 load types")
            for f in comb.factors:
                _real(f, f"LRFD combination {c} load factor")
            _real(comb.phi_m, f"LRFD combination {c}: phi_m")
            _real(comb.phi_v, f"LRFD combination {c}: phi_v")
            _text(comb.name, f"the name of LRFD combination {c}")
    if p.soil_movements is not None:
        _rows(p.soil_movements, 2, "soil movement")
    if p.py_modifiers is not None:
        _rows(p.py_modifiers, 3, "p-y modifier")
    if p.tip_shear is not None:
        _rows(p.tip_shear, 2, "tip shear")
    for nm in ("ground_slope", "pile_batter"):
        if getattr(p, nm) is not None:
            _real(getattr(p, nm), nm)
    if p.py_output_depths is not None:
        for d in p.py_output_depths:
            _real(d, "p-y output depth")
    if p.axial_thrusts is not None:
        for t in p.axial_thrusts:
            _real(t, "axial thrust")


# ---------------------------------------------------------------------------------------------
# The engine's check


def engine_check(path, orvane=None) -> dict:
    """The engine's check document of the input data file at path (`orvane --check --json`):
    "accepted", the one-line "outcome", the refusing error with its number, input line and text,
    and the warnings."""
    from .engine import EngineError, find_orvane
    exe = find_orvane(orvane)
    proc = subprocess.run([exe, "--check", "--json", os.fspath(path)], capture_output=True,
                          text=True)
    try:
        doc = json.loads(proc.stdout)
    except ValueError:
        raise EngineError(f"orvane --check gave no check document (exit code "
                          f"{proc.returncode}): {(proc.stdout + proc.stderr).strip()}") from None
    if doc.get("format") != "orvane-check":
        raise EngineError(f"orvane --check gave a document of format {doc.get('format')!r}")
    return doc


def refuse_as_the_engine(doc: dict) -> None:
    """Raises InputError for an input error of the engine's check document. An error the check
    finds that is no input error (a part of the engine not built yet) is the run's to report."""
    if doc.get("accepted"):
        return
    errors = doc.get("errors") or []
    if not errors or errors[0].get("kind") != "input":
        return
    e = errors[0]
    text = doc.get("outcome", {}).get("text", "")
    # the outcome's own words after "... input error No. N."
    marker = f"input error No. {e['number']}."
    explanation = text.split(marker, 1)[1].strip() if marker in text else text
    where = f" (line {e['line']} of the input data file)" if e.get("line") else ""
    raise InputError(e["number"], (explanation or "\n".join(e.get("text", []))) + where)


def check_problem(p, orvane=None) -> None:
    """Refuses what cannot be written (check_writable), then asks the engine: InputError with the
    engine's number and message for what it would refuse."""
    from .library import load
    from .problem import _write_lines
    check_writable(p)
    text = "".join(line + "\n" for line in _write_lines(p)).encode("utf-8", "surrogateescape")
    lib = load(orvane)
    if lib is not None:   # the engine in this process: no file, no process
        refuse_as_the_engine(lib.check(text, "problem.lp"))
        return
    with tempfile.TemporaryDirectory(prefix="orvane-check-") as tmp:
        path = os.path.join(tmp, "problem.lp")
        with open(path, "wb") as f:
            f.write(text)
        refuse_as_the_engine(engine_check(path, orvane))


def refuse_unreadable(path, orvane=None) -> None:
    """Raises InputError when the engine's reader refuses the input data file at path (a value it
    cannot read, such as a decimal comma, a misspelled keyword or option word): the error arose
    while reading an input line. Errors of the checks after reading are left to check_problem, so that a
    problem read from a file can still be mended in Python. Without the orvane command, nothing
    is checked here."""
    from .engine import EngineError, find_orvane
    from .library import load
    lib = load(orvane)
    if lib is not None:
        with open(path, "rb") as f:
            doc = lib.check(f.read(), os.path.basename(os.fspath(path)))
    else:
        try:
            exe = find_orvane(orvane)
        except EngineError:
            return
        doc = engine_check(path, exe)
    errors = doc.get("errors") or []
    if not doc.get("accepted") and errors and errors[0].get("while_reading"):
        refuse_as_the_engine(doc)
