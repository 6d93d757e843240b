"""The engine's refusals of input values, made in Python before a run.

`check_writable` makes the checks of the engine's reader (counts and codes of every section, the
option values, what makes a line unreadable), so that a written file is read back exactly as the
Problem says. `check_problem` adds the checks the engine makes after reading: the consistency of
the whole problem (pile diameters and lengths, elastic section values, cycles, the tip shear
curve, the p-y output depths, the soil profile, user-input p-y curves) and the checks of each
pile section before its analysis (dimensions, materials, bars inside the section, bending
stiffness tables). Each raises InputError with the engine's error number and a message that
names the item and the value, in the order the engine meets them.

Not made here: the checks that depend on the pile's discretization (a soil strength of zero at a
node and the like) and Runtime Error No. 1 (a part of the engine not built yet); a run reports
them in its Result.
"""

from __future__ import annotations

import contextvars
import math
import numbers

LINE_FIELD = 256   # characters of a line the engine reads


class InputError(ValueError):
    """A value the engine refuses. `number` is the engine's Input Data Error number (None for a
    refusal of this package alone, such as a file it cannot represent)."""

    def __init__(self, number, message: str):
        self.number = number
        prefix = f"Input Data Error No. {number}: " if number is not None else ""
        super().__init__(prefix + message)


# Whether value refusals raise: a write without checks still refuses what cannot be written.
_STRICT = contextvars.ContextVar("orvane_strict_checks", default=True)


def _refuse(number, message: str) -> None:
    if _STRICT.get():
        raise InputError(number, message)


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


def _count(what: str, n: int, low: int, high: int) -> None:
    if not low <= n <= high:
        if n > high:
            _refuse(95, f"the number of {what} is {n}, more than the limit of {high}")
        _refuse(95, f"the number of {what} is {n}, outside the valid range of "
                             f"{low} to {high}")


def _bool(v, what: str) -> None:
    if not isinstance(v, bool):
        raise InputError(None, f"{what} must be True or False, not {v!r}")


# ---------------------------------------------------------------------------------------------
# Options


def check_options_values(o, which: str) -> None:
    """The range checks the engine makes right after reading an option line."""
    if which == "iterations":
        n = o.max_iterations
        if n < 30:
            _refuse(95, f"input value for iterations limit = {n} is less than 30; "
                                 f"give a value between 30 and 1000 iterations")
        if n > 1000:
            _refuse(95, f"input value for iterations limit = {n} is more than 1,000; "
                                 f"give a value between 30 and 1000 iterations")
    elif which == "tolerance":
        tol = o.tolerance
        if o.units == "USCS":
            if tol < 1.0e-20:
                raise InputError(65, f"convergence tolerance {tol!r} in is too small (below "
                                     f"1.0E-20 in); the recommended value is 0.00001 inches")
            if tol > 0.10000000149011612:
                raise InputError(66, f"convergence tolerance {tol!r} in is too large (more than "
                                     f"0.1 in); the recommended value is 0.00001 inches")
        elif o.units == "SI":
            if tol < 2.54e-22:
                raise InputError(67, f"convergence tolerance {tol!r} m is too small (below "
                                     f"2.54E-22 m); the recommended value is 2.54E-7 meters")
            if tol > 2.54e-3:
                raise InputError(68, f"convergence tolerance {tol!r} m is too large (more than "
                                     f"2.54E-3 m); the recommended value is 2.54E-7 meters")
    elif which == "increments":
        n = o.increments
        if n < 40:
            raise InputError(55, f"the number of pile increments ({n}) is less than 40")
        if n > 500:
            raise InputError(56, f"the number of pile increments ({n}) is more than 500")


def _check_options(p, o) -> None:
    from .problem import UNITS, INTERACTION_CODES, fmt_cycles
    if o.units not in UNITS:
        _refuse(99, f"units must be one of {', '.join(UNITS)}, not {o.units!r}")
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
    if _STRICT.get():
        for which in ("iterations", "tolerance", "increments"):
            check_options_values(o, which)
    _int(o.print_increment, "the printing increment")
    if o.interaction_code is not None and o.interaction_code not in INTERACTION_CODES:
        _refuse(95, f"interaction code must be one of {', '.join(INTERACTION_CODES)}, "
                             f"not {o.interaction_code!r}")


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
        _count(f"points of the concrete stress-strain curve of {where}", len(c.stress_strain), 0, 100)
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
        per = _int(r.bars_per_group, f"{where}: bars_per_group")
        groups = _int(r.groups, f"{where}: groups")
        _count(f"bars per group of section {s}", per, 1, 3)
        _count(f"bar groups of section {s}", groups, 0, 300)
        _count(f"bars of section {s}", groups * per, 0, 300)
    elif isinstance(r, RebarList):
        _reals(r, ("yield_stress", "modulus"), where + " rebar")
        _count(f"bars of section {s}", len(r.bars), 0, 300)
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
        _count(f"strands of section {s}", st.count, 0, 300)
        if not 0 <= st.pattern <= 2:
            _refuse(95, f"section {s} has the strand pattern code {st.pattern}, outside "
                                 f"the valid range of 0 to 2")
    elif isinstance(st, ManualStrands):
        _int(st.strand_type, f"{where} strands: strand_type")
        _reals(st, ("prestress_force", "loss_fraction"), where + " strands")
        _count(f"strands of section {s}", len(st.strands), 0, 300)
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
        _count(f"M-EI thrusts of section {s}", len(sec.curves), 0, 100)
        for b, curve in enumerate(sec.curves, 1):
            _real(curve.thrust, f"{where} M-EI thrust {b}")
            _count(f"M-EI points for thrust {b} of section {s}", len(curve.points), 0, 150)
            for m, ei in curve.points:
                _real(m, f"{where} M-EI moment")
                _real(ei, f"{where} M-EI bending stiffness")


def _check_layer_as_read(k, layer) -> None:
    from .problem import SOIL_TYPES, INT_VALUES, USER_PY
    where = f"soil layer {k}"
    t = _int(layer.soil_type, f"{where}: soil type number")
    if not 1 <= t <= 20:
        _refuse(95, f"{where} has the soil type number {t}, outside the valid range of "
                             f"1 to 20")
        return
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
            _count(f"points of the user-input p-y curve at the {end} of soil layer {k}",
                   len(curve), 0, 29)
            for y, pv in curve:
                _real(y, f"{where} p-y curve y")
                _real(pv, f"{where} p-y curve p")


def _rows(rows, width, what):
    for j, row in enumerate(rows, 1):
        if len(row) != width:
            raise InputError(None, f"{what} row {j} must have {width} values: {row!r}")
        for v in row:
            _real(v, f"{what} row {j}")


def check_writable(p, strict: bool = True) -> None:
    """The checks of the engine's reader, in its order, and those that make a line unreadable.
    Without strict, only what cannot be written as the Problem says is refused."""
    token = _STRICT.set(strict)
    try:
        _check_writable(p)
    finally:
        _STRICT.reset(token)


def _check_writable(p) -> None:
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
    eo = p.effective_options() if o is not None else Options(
        use_tip_shear=False, use_soil_movement=False, use_py_modifiers=False,
        print_py_curves=False)
    if p.sections is not None:
        _count("pile sections", len(p.sections), 0, 20)
        for s, sec in enumerate(p.sections, 1):
            _check_section_as_read(s, sec)
    if p.layers is not None:
        _count("soil layers", len(p.layers), 0, 40)
        for k, layer in enumerate(p.layers, 1):
            _check_layer_as_read(k, layer)
    if p.loads is not None:
        _count("pile-head load cases", len(p.loads), 0, 100)
        for i, lc in enumerate(p.loads, 1):
            t = _int(lc.load_type, f"load case {i}: load_type")
            for n in ("load1", "load2", "axial"):
                _real(getattr(lc, n), f"load case {i}: {n}")
            if not 1 <= t <= 5:
                _refuse(95, f"pile-head load case {i} has the loading type {t}, outside "
                                     f"the valid range of 1 to 5")
        _count("distributed lateral load points", len(p.distributed_load), 0, 50)
        _rows(p.distributed_load, 2, "distributed lateral load")
    elif p.distributed_load:
        raise InputError(None, "a distributed lateral load is written in the LOADING section: "
                               "give loads (an empty list for none)")
    if p.lrfd_loads is not None:
        n = len(p.lrfd_loads)
        if not 1 <= n <= 100:
            _refuse(98, f"number of LRFD loads specified is {n}; this is outside of the "
                                 f"valid range of 1 to 100")
        for g, load in enumerate(p.lrfd_loads, 1):
            t = _int(load.load_type, f"LRFD load {g}: load_type")
            for nm in ("H", "M", "P"):
                _real(getattr(load, nm), f"LRFD load {g}: {nm}")
            if not 1 <= t <= 13:
                _refuse(95, f"LRFD load {g} has the load type {t}, outside the valid "
                                     f"range of 1 to 13")
            m = len(load.distributed)
            if m != 0 and not 2 <= m <= 100:
                _refuse(95, f"number of distributed load points for LRFD load number "
                                     f"{g} is {m}, outside of the valid range of 0 or 2 to 100")
            _rows(load.distributed, 2, f"LRFD load {g} distributed load")
    if p.lrfd_combinations is not None:
        n = len(p.lrfd_combinations)
        if not 1 <= n <= 100:
            _refuse(94, f"number of LRFD load combinations input is {n}, outside of the "
                                 f"valid range of 1 to 100")
        for c, comb in enumerate(p.lrfd_combinations, 1):
            if len(comb.factors) != 13:
                raise InputError(None, f"LRFD combination {c} has {len(comb.factors)} load "
                                       f"factors; it has one for each of the 13 load types")
            for f in comb.factors:
                _real(f, f"LRFD combination {c} load factor")
            _real(comb.phi_m, f"LRFD combination {c}: phi_m")
            _real(comb.phi_v, f"LRFD combination {c}: phi_v")
            _text(comb.name, f"the name of LRFD combination {c}")
            if sum(float(f) for f in comb.factors) <= 0.0:
                _refuse(72, f"all input load factors of LRFD load combination {c} are "
                                     f"zero")
    if p.soil_movements is not None:
        if not eo.use_soil_movement:
            _refuse(99, "soil movements are given with UseSoilMovement NO: the engine "
                                 "would read their lines as unrecognized")
        n = len(p.soil_movements)
        if not 2 <= n <= 100:
            _refuse(53, f"number of lines specified for soil movement data = {n}; it "
                                 f"cannot be less than 2 or exceed 100")
        _rows(p.soil_movements, 2, "soil movement")
    if p.py_modifiers is not None:
        _count("p-y modifier rows", len(p.py_modifiers), 0, 80)
        _rows(p.py_modifiers, 3, "p-y modifier")
    if p.tip_shear is not None:
        _count("tip shear points", len(p.tip_shear), 0, 50)
        _rows(p.tip_shear, 2, "tip shear")
    for nm in ("ground_slope", "pile_batter"):
        if getattr(p, nm) is not None:
            _real(getattr(p, nm), nm)
    if p.py_output_depths is not None:
        if not eo.print_py_curves:
            _refuse(99, "p-y output depths are given with PrintPYCurves NO: the engine "
                                 "would read their lines as unrecognized")
        _count("p-y output depths", len(p.py_output_depths), 0, 100)
        for d in p.py_output_depths:
            _real(d, "p-y output depth")
    if p.axial_thrusts is not None:
        _count("axial thrusts", len(p.axial_thrusts), 0, 100)
        for t in p.axial_thrusts:
            _real(t, "axial thrust")


# ---------------------------------------------------------------------------------------------
# The whole problem


def _section_points(sec):
    """(D at top, D at bottom) of the section property table."""
    from . import problem as P
    if isinstance(sec, P.RectangularPile):
        return sec.width, sec.width
    if isinstance(sec, (P.DrilledShaft, P.CasedShaft, P.CasedShaftWithCore, P.SteelPipe,
                        P.CircularPrestressed, P.UserMEIPile)):
        return sec.diameter, sec.diameter
    if isinstance(sec, (P.SquarePrestressed, P.OctagonalPrestressed)):
        return sec.width, sec.width
    if isinstance(sec, (P.ElasticPile, P.ElasticPlasticPile)):
        sh = sec.shape
        if isinstance(sh, P.HPileShape):
            return (sh.flange_width,) * 2 if sh.strong_axis else (sh.depth,) * 2
        if isinstance(sh, P.PoleShape):
            return sh.hole_diameter, sh.hole_diameter
        if isinstance(sh, P.RectangleShape):
            return sh.top_width, sh.bottom_width
        return sh.top_diameter, sh.bottom_diameter
    return 0.0, 0.0   # micropile: no table values


def _check_echo(p, eo) -> None:
    from . import problem as P
    sections = p.sections or []
    length = p.pile_length
    ground = p.layers[0].top if p.layers else 0.0
    # pile diameters of the section property table (27), section lengths (84), elastic values (85)
    for s, sec in enumerate(sections, 1):
        for d in _section_points(sec):
            if d <= 0.0:
                raise InputError(27, f"section {s} has a pile diameter of {d!r} in the section "
                                     f"property table; none of these values may be zero")
    for s, sec in enumerate(sections, 1):
        if sec.length <= 0.0:
            raise InputError(84, f"pile section {s} has a length of {sec.length!r}; give every "
                                 f"pile section a length greater than zero")
        if isinstance(sec, (P.ElasticPile, P.ElasticPlasticPile)):
            sh = sec.shape
            h = isinstance(sh, P.HPileShape)
            values = [("modulus of elasticity", sec.modulus),
                      ("moment of inertia at its top", sh.inertia if h else sh.top_inertia),
                      ("moment of inertia at its bottom", sh.inertia if h else sh.bottom_inertia),
                      ("area at its top", sh.area if h else sh.top_area),
                      ("area at its bottom", sh.area if h else sh.bottom_area)]
            for what, v in values:
                if v <= 0.0:
                    raise InputError(85, f"pile section {s} has a {what} of {v!r}; give the "
                                         f"elastic section values greater than zero")
    if eo.cyclic and not 2.0 <= eo.cycles <= 5000.0:
        raise InputError(28, f"cyclic loading with {eo.cycles!r} cycles of loading, outside the "
                             f"valid range of 2 to 5,000")
    tip = p.tip_shear or []
    if tip:
        bad = 0
        if tip[0][0] != 0.0:
            bad = 1
        else:
            for j in range(2, len(tip) + 1):
                if tip[j - 2][0] >= tip[j - 1][0]:
                    bad = j
                    break
        if bad:
            raise InputError(50, f"the shear resistance curve at the pile tip is in error at point "
                                 f"{bad}: the first point is at zero deflection and the "
                                 f"deflections increase")
    if eo.print_py_curves:
        for j, d in enumerate(p.py_output_depths or [], 1):
            if ground <= d and 0.0 <= d <= length:
                continue
            if d > length:
                raise InputError(30, f"p-y output depth {j} at {d!r} is below the pile tip "
                                     f"({length!r})")
            raise InputError(29, f"p-y output depth {j} at {d!r} is above the ground surface "
                                 f"({ground!r}) or the pile head")
    n_points = 2 * len(sections)
    if not 2 <= n_points <= 40:
        raise InputError(17, f"the number of points to define the pile properties is 2 to 40, "
                             f"not {n_points} (give 1 to 20 pile sections)")
    if eo.ei_only:
        return
    layers = p.layers or []
    for k, layer in enumerate(layers, 1):
        for g in layer.values.get("gamma", (0.0, 0.0)):
            if g < 0.0:
                raise InputError(87, f"soil layer {k} has a negative effective unit weight of "
                                     f"{g!r}")
    bottom = layers[-1].bottom if layers else 0.0
    if length > bottom:
        raise InputError(18, f"the bottom of the lowermost soil layer ({bottom!r}) is above the "
                             f"pile tip ({length!r}); deepen the soil profile or shorten the pile")
    if p.py_modifiers:
        first = p.py_modifiers[0][0]
    else:
        first = 0.0
    rows = len(p.py_modifiers) if p.py_modifiers is not None else (1 if eo.use_py_modifiers else 0)
    if rows > 0 and ground > first:
        raise InputError(21, f"the first depth of the p-multiplier data ({first!r}) is above the "
                             f"ground surface ({ground!r})")
    for k, layer in enumerate(layers, 1):
        if layer.soil_type != P.USER_PY:
            continue
        for end, curve in (("top", layer.top_curve or []), ("bottom", layer.bottom_curve or [])):
            ok = len(curve) >= 2 and curve[0][0] == 0.0
            ok = ok and all(curve[j][0] > curve[j - 1][0] for j in range(1, len(curve)))
            if not ok:
                raise InputError(95, f"the user-input p-y curve at the {end} of soil layer {k} is "
                                     f"not usable: give at least two points, the first at y = 0, "
                                     f"with y increasing")


# Single-precision constants of the concrete tensile law and the ksi-kPa factor.
_K_RUPTURE_REINFORCED = 0.007499999832361937   # 0.0075 (s)
_K_RUPTURE_PRESTRESSED = 0.004000000189989805  # 0.004 (s)
_KSI_TO_KPA = 6894.75732421875


def _bars_on_circle(D, cover, d, groups, per):
    """Bar positions as the engine places them on a circle (empty when it places none)."""
    if abs(d) > 100.0:
        d = 0.0
    if D < d or D <= 0.0 or cover <= 0.0 or groups < 1 or per < 1 or per > 3:
        return []
    R = (D - d) / 2.0 - cover
    if R <= 0.0:
        return []
    beta = (d / R) / 2.0
    out = []
    for k in range(1, groups + 1):
        th = (k - 1) * 2.0 * math.pi / groups
        if per == 1:
            out.append((0.0, 0.0) if groups == 1 else (R * math.cos(th), R * math.sin(th)))
            continue
        if groups == 1:
            out += [(-d / 2.0, 0.0), (d / 2.0, 0.0)]
        else:
            out += [(R * math.cos(th - beta), R * math.sin(th - beta)),
                    (R * math.cos(th + beta), R * math.sin(th + beta))]
        if per == 3:
            r3 = R - 0.8660254037844386 * d
            out.append((r3 * math.cos(th), r3 * math.sin(th)))
    return out


def _si_length(p, v):
    return v / 1000.0 if p.options is not None and p.options.units == "SI" else v


def _check_section_data(p, s, sec) -> None:
    """Dimensions (81), materials (82, 83) and bars (80) of a sliced section, as its analysis
    checks them. Values compare in the file's units (SI millimeters as meters)."""
    from . import problem as P
    L = lambda v: _si_length(p, v)   # noqa: E731
    units = p.options.units if p.options is not None else "GENERAL"

    def refuse(number, what, value, need):
        raise InputError(number, f"section {s} has {what} of {value!r}; give section {s} {need}")

    if isinstance(sec, P.RectangularPile):
        D = L(sec.depth)
    elif isinstance(sec, (P.SquarePrestressed, P.OctagonalPrestressed)):
        D = L(sec.width)
    else:
        D = L(sec.diameter)
    if D <= 0.0:
        refuse(81, "a diameter or depth", D, "a diameter or depth greater than zero")
    if isinstance(sec, P.RectangularPile) and L(sec.width) <= 0.0:
        refuse(81, "a width", sec.width, "a width greater than zero")
    if isinstance(sec, P.SteelPipe):
        t = L(sec.thickness)
        if t <= 0.0 or 2.0 * t >= D:
            refuse(81, "a pipe wall thickness", sec.thickness,
                   "a wall thickness greater than zero and less than half the diameter")
    inside = D
    if isinstance(sec, (P.CasedShaft, P.CasedShaftWithCore)):
        t = L(sec.casing_thickness)
        if t < 0.0 or 2.0 * t >= D:
            refuse(81, "a casing wall thickness", sec.casing_thickness,
                   "a casing wall thickness of zero or more and less than half the diameter")
        inside = D - 2.0 * t
    if isinstance(sec, P.CasedShaftWithCore):
        Dk, tk = L(sec.core_diameter), L(sec.core_thickness)
        if Dk <= 0.0 or Dk >= inside:
            refuse(81, "a core diameter", sec.core_diameter, "a core diameter greater than zero "
                   "and less than the inside diameter of the casing")
        if tk < 0.0 or 2.0 * tk >= Dk:
            refuse(81, "a core wall thickness", sec.core_thickness, "a core wall thickness of "
                   "zero or more and less than half the core diameter")
    if isinstance(sec, P.SquarePrestressed):
        c = L(sec.chamfer)
        if c < 0.0 or 2.0 * c >= D:
            refuse(81, "a corner chamfer", sec.chamfer,
                   "a corner chamfer of zero or more and less than half the pile width")
    if getattr(sec, "void_diameter", None) is not None:
        Dv = L(sec.void_diameter)
        if Dv < 0.0 or Dv >= D:
            refuse(81, "a void diameter", sec.void_diameter,
                   "a void diameter of zero or more and less than the pile width")
    # materials
    if isinstance(sec, P.SteelPipe):
        if sec.yield_stress <= 0.0:
            refuse(82, "a pipe yield stress", sec.yield_stress, "a value greater than zero")
        if sec.modulus <= 0.0:
            refuse(82, "a pipe modulus of elasticity", sec.modulus, "a value greater than zero")
        return
    prestressed = isinstance(sec, (P.CircularPrestressed, P.SquarePrestressed,
                                   P.OctagonalPrestressed))
    fc = sec.concrete.strength
    if fc <= 0.0:
        refuse(82, "a concrete compressive strength", fc, "a value greater than zero")
    rebar = getattr(sec, "rebar", None)
    n_bars = 0
    if rebar is not None:
        n_bars = (rebar.groups * rebar.bars_per_group if isinstance(rebar, P.RebarCircle)
                  else len(rebar.bars))
    if not prestressed and n_bars > 0:
        if rebar.yield_stress <= 0.0:
            refuse(82, "a bar yield stress", rebar.yield_stress, "a value greater than zero")
        if rebar.modulus <= 0.0:
            refuse(82, "a bar modulus of elasticity", rebar.modulus, "a value greater than zero")
    if isinstance(sec, (P.CasedShaft, P.CasedShaftWithCore)) and sec.casing_thickness > 0.0:
        if sec.casing_yield_stress <= 0.0:
            refuse(82, "a casing yield stress", sec.casing_yield_stress, "a value greater than zero")
        if sec.casing_modulus <= 0.0:
            refuse(82, "a casing modulus of elasticity", sec.casing_modulus,
                   "a value greater than zero")
    if isinstance(sec, P.CasedShaftWithCore) and sec.core_thickness > 0.0:
        if sec.core_yield_stress <= 0.0:
            refuse(82, "a core yield stress", sec.core_yield_stress, "a value greater than zero")
        if sec.core_modulus <= 0.0:
            refuse(82, "a core modulus of elasticity", sec.core_modulus, "a value greater than zero")
    fc_ksi = fc / 1000.0 if units == "USCS" else fc / _KSI_TO_KPA
    k = _K_RUPTURE_PRESTRESSED if prestressed else _K_RUPTURE_REINFORCED
    if -k * math.sqrt(1000.0 * fc_ksi) / fc_ksi + 1.0 < 0.0:
        raise InputError(83, f"section {s} has a concrete compressive strength of {fc!r}, too low "
                             f"for the concrete tensile law (give f'c in "
                             f"{'psi' if units == 'USCS' else 'kPa'})")
    # bars inside the outline: circles and rectangles (the octagonal and chamfered outlines are
    # left to the engine)
    if prestressed:
        return
    bars = []
    if isinstance(rebar, P.RebarCircle):
        bars = _bars_on_circle(D, L(rebar.cover), L(rebar.bar_diameter), rebar.groups,
                               rebar.bars_per_group)
    elif isinstance(rebar, P.RebarList):
        bars = [(L(b.x), L(b.y)) for b in rebar.bars]
    offset = L(rebar.cage_offset) if isinstance(rebar, P.RebarCircle) else 0.0
    shaft = isinstance(sec, (P.DrilledShaft, P.CasedShaft, P.CasedShaftWithCore))
    tol = 1e-9 * D
    for j, (x, y) in enumerate(bars, 1):
        y = y + (offset if shaft else 0.0)
        if isinstance(sec, P.RectangularPile):
            inside_ok = abs(x) <= 0.5 * L(sec.width) + tol and abs(y) <= 0.5 * D + tol
        else:
            inside_ok = math.sqrt(x * x + y * y) <= 0.5 * D + tol
        if not inside_ok:
            raise InputError(80, f"bar {j} of section {s} lies outside the section, at x = {x!r} "
                                 f"and y = {y!r} (rebar cage offset included)")


def _check_tables(s, sec) -> None:
    """Bending stiffness tables of the elastic-plastic and user M-EI sections (86)."""
    from . import problem as P
    if isinstance(sec, (P.ElasticPile, P.ElasticPlasticPile)):
        sh = sec.shape
        h = isinstance(sh, P.HPileShape)
        for end, inertia in (("top", sh.inertia if h else sh.top_inertia),
                             ("bottom", sh.inertia if h else sh.bottom_inertia)):
            if not sec.modulus * inertia > 0.0:
                raise InputError(86, f"section {s}: elastic bending stiffness EI at {end} = "
                                     f"{sec.modulus * inertia!r}")
        if isinstance(sec, P.ElasticPlasticPile):
            bottom = sec.plastic_moment_top if sec.plastic_moment_bottom is None else \
                sec.plastic_moment_bottom
            for end, mp in (("top", sec.plastic_moment_top), ("bottom", bottom)):
                if not mp > 0.0:
                    raise InputError(86, f"section {s}: plastic moment capacity at {end} = {mp!r}")
    if isinstance(sec, P.UserMEIPile):
        if not sec.curves:
            raise InputError(86, f"section {s}: the user-defined M-EI table has no axial thrust")
        for curve in sec.curves:
            if not curve.points:
                raise InputError(86, f"section {s}: no M-EI points for the axial thrust "
                                     f"{curve.thrust!r}")
            for _, ei in curve.points:
                if not ei > 0.0:
                    raise InputError(86, f"section {s}: user-defined bending stiffness EI = "
                                         f"{ei!r}; give every point a positive bending stiffness")


_SLICED = ("RectangularPile", "DrilledShaft", "CasedShaft", "CasedShaftWithCore", "SteelPipe",
           "CircularPrestressed", "SquarePrestressed", "OctagonalPrestressed")


def _stops_before_sections(p, eo) -> bool:
    """True when the engine ends with Runtime Error No. 1 before analysing any section."""
    sections = p.sections or []
    if eo.use_lrfd or eo.compute_kmatrix or not sections:
        return True
    if any(lc.length_study for lc in (p.loads or [])):
        return True
    for sec in sections:
        if sec.type_code == 14:
            return True
        if eo.units == "GENERAL" and type(sec).__name__ in _SLICED:
            return True
    return False


def check_problem(p) -> None:
    """Every check of the engine that depends on the input values alone, in the engine's order."""
    from . import problem as P
    check_writable(p)
    if p.options is None:
        return
    eo = p.effective_options()
    _check_echo(p, eo)
    if _stops_before_sections(p, eo):
        return
    for s, sec in enumerate(p.sections or [], 1):
        if isinstance(sec, (P.RectangularPile, P.DrilledShaft, P.CasedShaft,
                            P.CasedShaftWithCore, P.SteelPipe, P.CircularPrestressed,
                            P.SquarePrestressed, P.OctagonalPrestressed)):
            _check_section_data(p, s, sec)
        else:
            _check_tables(s, sec)
