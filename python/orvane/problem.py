"""The problem of one analysis as Python objects, and the input data file they make.

Every value is held in the units of the input data file, as the engine reads it: US customary
problems in feet (pile section lengths, soil depths, p-y output depths), inches (section
dimensions, pile-head deflections, distributed-load depths), pounds, psi, psf and pcf; SI problems
in meters, millimeters for section dimensions, kN and kPa. Nothing is converted here.

A section of the file that is absent from the problem is None; an empty list is a section that is
present and empty. `Problem.to_text()` writes the sections in the order the engine needs (OPTIONS
before everything that depends on the options) and checks every value first (see `checks`).
"""

from __future__ import annotations

import copy
import math
import os
from dataclasses import dataclass, field
from typing import List, Optional, Tuple, Union

Number = Union[int, float]
Pair = Tuple[float, float]

FORMAT_TAG = "ORVANE6"
UNITS = ("USCS", "SI", "GENERAL")
INTERACTION_CODES = ("AASHTO", "ACI318", "Eurocode2")


# ---------------------------------------------------------------------------------------------
# Options


@dataclass
class Options:
    """The OPTIONS section.

    `use_tip_shear`, `use_soil_movement`, `use_py_modifiers` and `print_py_curves` left at None
    follow the problem: YES when the problem has the table they govern. `interaction_code` None
    writes "ComputeInteraction NO"."""

    units: str = "SI"
    use_lrfd: bool = False
    compute_kmatrix: bool = False
    use_tip_shear: Optional[bool] = None
    use_soil_movement: Optional[bool] = None
    use_py_modifiers: Optional[bool] = None
    ei_only: bool = False
    cyclic: bool = False
    cycles: float = 0.0
    max_iterations: int = 100
    max_deflection: float = 2.0
    tolerance: float = 1.0e-5
    increments: int = 100
    summary_only: bool = False
    print_increment: int = 1
    print_py_curves: Optional[bool] = None
    interaction_code: Optional[str] = None


# ---------------------------------------------------------------------------------------------
# Pile sections: materials and reinforcement


@dataclass
class Concrete:
    """Concrete of a section: f'c, the maximum aggregate size, the tensile strength (None: the
    default derived from f'c) and the stress-strain curve (None: the internal curve; otherwise a
    list of (strain, stress) points)."""

    strength: float
    aggregate_size: float
    tensile_strength: Optional[float] = None
    stress_strain: Optional[List[Pair]] = None


@dataclass
class RebarCircle:
    """Bars placed on a circle: groups of 1 to 3 bars, all of one diameter and area."""

    yield_stress: float
    modulus: float
    groups: int
    bars_per_group: int
    bar_diameter: float
    bar_area: float
    cover: float
    cage_offset: float = 0.0
    same_as_above: bool = False


@dataclass
class Bar:
    size: int
    diameter: float
    area: float
    x: float
    y: float


@dataclass
class RebarList:
    """Bars at given positions ("Rebar in noncircular pattern")."""

    yield_stress: float
    modulus: float
    bars: List[Bar]
    same_as_above: bool = False


@dataclass
class AutoStrands:
    """Strands of one type and size placed by the engine: pattern 0 on a circle, 1 and 2 the two
    square patterns."""

    strand_type: int
    strand_size: int
    count: int
    prestress_force: float
    loss_fraction: float
    cover: float
    pattern: int = 0


@dataclass
class Strand:
    strand_type: int
    size: int
    x: float
    y: float


@dataclass
class ManualStrands:
    """Strands at given positions. The section has one strand type: the type of the last strand
    line is the one the engine keeps."""

    strand_type: int
    prestress_force: float
    loss_fraction: float
    strands: List[Strand]


# ---------------------------------------------------------------------------------------------
# Pile sections


@dataclass
class RectangularPile:
    """Type 0: rectangular reinforced concrete pile (depth in the bending direction, width)."""

    length: float
    depth: float
    width: float
    concrete: Concrete
    rebar: Union[RebarCircle, RebarList, None] = None
    type_code = 0


@dataclass
class DrilledShaft:
    """Type 1: drilled shaft (bored pile)."""

    length: float
    diameter: float
    concrete: Concrete
    rebar: Union[RebarCircle, RebarList, None] = None
    type_code = 1


@dataclass
class CasedShaft:
    """Type 2: drilled shaft with a permanent casing."""

    length: float
    diameter: float
    casing_thickness: float
    casing_yield_stress: float
    casing_modulus: float
    concrete: Concrete
    rebar: Union[RebarCircle, RebarList, None] = None
    type_code = 2


@dataclass
class CasedShaftWithCore:
    """Type 3 (core filled with concrete) or -3 (void core): casing and a steel core."""

    length: float
    diameter: float
    casing_thickness: float
    casing_yield_stress: float
    casing_modulus: float
    core_diameter: float
    core_thickness: float
    core_yield_stress: float
    core_modulus: float
    concrete: Concrete
    rebar: Union[RebarCircle, RebarList, None] = None
    core_filled: bool = True

    @property
    def type_code(self) -> int:
        return 3 if self.core_filled else -3


@dataclass
class SteelPipe:
    """Type 4: steel pipe pile."""

    length: float
    diameter: float
    thickness: float
    yield_stress: float
    modulus: float
    type_code = 4


@dataclass
class CircularPrestressed:
    """Type 5 (solid) or 6 (hollow, when void_diameter is given)."""

    length: float
    diameter: float
    concrete: Concrete
    strands: Union[AutoStrands, ManualStrands]
    void_diameter: Optional[float] = None

    @property
    def type_code(self) -> int:
        return 5 if self.void_diameter is None else 6


@dataclass
class SquarePrestressed:
    """Type 7 (solid) or 8 (hollow, when void_diameter is given)."""

    length: float
    width: float
    chamfer: float
    concrete: Concrete
    strands: Union[AutoStrands, ManualStrands]
    void_diameter: Optional[float] = None

    @property
    def type_code(self) -> int:
        return 7 if self.void_diameter is None else 8


@dataclass
class OctagonalPrestressed:
    """Type 9 (solid) or 10 (hollow, when void_diameter is given); width across flats."""

    length: float
    width: float
    concrete: Concrete
    strands: Union[AutoStrands, ManualStrands]
    void_diameter: Optional[float] = None

    @property
    def type_code(self) -> int:
        return 9 if self.void_diameter is None else 10


# Cross-section shapes of the elastic and elastic-plastic pile types.


@dataclass
class RectangleShape:
    top_width: float
    bottom_width: float
    top_depth: float
    bottom_depth: float
    top_area: float
    bottom_area: float
    top_inertia: float
    bottom_inertia: float
    code = 1


@dataclass
class CircleShape:
    top_diameter: float
    bottom_diameter: float
    top_area: float
    bottom_area: float
    top_inertia: float
    bottom_inertia: float
    code = 2


@dataclass
class PipeShape:
    top_diameter: float
    bottom_diameter: float
    top_thickness: float
    bottom_thickness: float
    top_area: float
    bottom_area: float
    top_inertia: float
    bottom_inertia: float
    code = 3


@dataclass
class HPileShape:
    """Shape 4 (strong axis) or 5 (weak axis): one depth, area and moment of inertia."""

    flange_width: float
    depth: float
    flange_thickness: float
    web_thickness: float
    area: float
    inertia: float
    strong_axis: bool = True

    @property
    def code(self) -> int:
        return 4 if self.strong_axis else 5


@dataclass
class PoleShape:
    """Shape 6: embedded circular pole in a drilled hole."""

    top_width: float
    bottom_width: float
    top_area: float
    bottom_area: float
    top_inertia: float
    bottom_inertia: float
    hole_diameter: float
    code = 6


Shape = Union[RectangleShape, CircleShape, PipeShape, HPileShape, PoleShape]


@dataclass
class ElasticPile:
    """Type 11: elastic pile of a given shape."""

    length: float
    modulus: float
    shape: Shape
    type_code = 11


@dataclass
class ElasticPlasticPile:
    """Type 12: elastic pile with a plastic moment capacity (an H-pile has one value: give
    plastic_moment_bottom None or equal to the top)."""

    length: float
    modulus: float
    plastic_moment_top: float
    plastic_moment_bottom: Optional[float]
    shape: Shape
    type_code = 12


@dataclass
class MEICurve:
    thrust: float
    points: List[Pair]   # (bending moment, bending stiffness EI)


@dataclass
class UserMEIPile:
    """Type 13: pile with user-defined nonlinear EI, one M-EI curve per axial thrust."""

    length: float
    diameter: float
    curves: List[MEICurve]
    type_code = 13


@dataclass
class Micropile:
    """Type 14: micropile, a grouted hole with an optional steel casing inside it and an optional
    central bar. The hole diameter is the pile diameter of the p-y curves; the grout strength is
    f'c of the concrete law. A casing_thickness of 0 means no casing, a bar_diameter of 0 no bar."""

    length: float
    hole_diameter: float
    grout_strength: float
    casing_diameter: float = 0.0
    casing_thickness: float = 0.0
    casing_yield_stress: float = 0.0
    casing_modulus: float = 0.0
    bar_diameter: float = 0.0
    bar_yield_stress: float = 0.0
    bar_modulus: float = 0.0
    type_code = 14


Section = Union[RectangularPile, DrilledShaft, CasedShaft, CasedShaftWithCore, SteelPipe,
                CircularPrestressed, SquarePrestressed, OctagonalPrestressed, ElasticPile,
                ElasticPlasticPile, UserMEIPile, Micropile]


# ---------------------------------------------------------------------------------------------
# Soil layers

# Soil type number -> (code of the type table, names of the values on its top and bottom lines).
# Values named in INT_VALUES are integers in the file.
SOIL_TYPES = {
    1: ("SoftClay", ("gamma", "c", "e50")),
    2: ("StfClyBW", ("gamma", "c", "e50", "k")),
    3: ("StfClyAW", ("gamma", "c", "e50")),
    4: ("StfClyAK", ("gamma", "c", "e50", "k")),
    5: ("Sand", ("gamma", "phi", "k")),
    6: ("API Sand", ("gamma", "phi", "k")),
    7: ("Liq Sand", ("gamma",)),
    8: ("WeakRock", ("gamma", "qu", "Eir", "RQD", "krm")),
    9: ("Vuggy LS", ("gamma", "qu")),
    10: ("Piedmont", ("gamma", "test_type", "N60", "qc", "Ed", "Ep")),
    11: ("Cem Silt", ("gamma", "c", "phi", "e50", "k")),
    12: ("KS Loess", ("gamma", "qc")),
    13: ("Elast SG", ("gamma", "Es")),
    14: ("User p-y", ("gamma",)),
    15: ("SoftClyJ", ("gamma", "c", "e50", "J")),
    16: ("MassRock", ("gamma", "sigma_ci", "rock_type", "GSI", "extra")),
    17: ("Frz Soil", ()),
    18: ("Undefined", ()),
    19: ("Undefined", ()),
    20: ("Undefined", ()),
}
INT_VALUES = ("test_type", "rock_type")
USER_PY = 14


@dataclass
class SoilLayer:
    """One soil layer: its soil type number (1 to 20), top and bottom depth, and each value of
    its type as a (top, bottom) pair. A user-input p-y layer (type 14) has its two curves as lists
    of (y, p) points, at the layer's top and bottom depth."""

    soil_type: int
    top: float
    bottom: float
    values: dict = field(default_factory=dict)
    top_curve: Optional[List[Pair]] = None
    bottom_curve: Optional[List[Pair]] = None

    @property
    def code(self) -> str:
        return SOIL_TYPES.get(self.soil_type, ("?", ()))[0]

    def value_names(self) -> Tuple[str, ...]:
        return SOIL_TYPES.get(self.soil_type, ("?", ()))[1]

    def set(self, **values) -> "SoilLayer":
        """Sets values of the layer; a scalar sets top and bottom alike. Returns the layer."""
        for name, v in values.items():
            if name not in self.value_names():
                raise ValueError(f"soil type {self.soil_type} ({self.code}) has no value {name!r}; "
                                 f"its values are {', '.join(self.value_names()) or 'none'}")
            self.values[name] = _pair(v)
        return self


def _pair(v) -> Pair:
    if isinstance(v, (tuple, list)):
        if len(v) != 2:
            raise ValueError(f"a soil value is one number or a (top, bottom) pair, not {v!r}")
        return (v[0], v[1])
    return (v, v)


def _layer(soil_type: int, top: float, bottom: float, **values) -> SoilLayer:
    layer = SoilLayer(soil_type, top, bottom)
    names = layer.value_names()
    missing = [n for n in names if n not in values and n != "extra"]
    if missing:
        raise ValueError(f"a {layer.code} layer needs {', '.join(missing)}")
    layer.set(**values)
    for n in names:
        layer.values.setdefault(n, (0.0, 0.0))
    return layer


def SoftClay(top, bottom, gamma, c, e50):
    return _layer(1, top, bottom, gamma=gamma, c=c, e50=e50)


def SoftClayJ(top, bottom, gamma, c, e50, J):
    return _layer(15, top, bottom, gamma=gamma, c=c, e50=e50, J=J)


def StiffClayFreeWater(top, bottom, gamma, c, e50, k):
    return _layer(2, top, bottom, gamma=gamma, c=c, e50=e50, k=k)


def StiffClay(top, bottom, gamma, c, e50):
    return _layer(3, top, bottom, gamma=gamma, c=c, e50=e50)


def StiffClayK(top, bottom, gamma, c, e50, k):
    return _layer(4, top, bottom, gamma=gamma, c=c, e50=e50, k=k)


def Sand(top, bottom, gamma, phi, k):
    return _layer(5, top, bottom, gamma=gamma, phi=phi, k=k)


def APISand(top, bottom, gamma, phi, k):
    return _layer(6, top, bottom, gamma=gamma, phi=phi, k=k)


def LiquefiedSand(top, bottom, gamma):
    return _layer(7, top, bottom, gamma=gamma)


def WeakRock(top, bottom, gamma, qu, Eir, RQD, krm):
    return _layer(8, top, bottom, gamma=gamma, qu=qu, Eir=Eir, RQD=RQD, krm=krm)


def VuggyLimestone(top, bottom, gamma, qu):
    return _layer(9, top, bottom, gamma=gamma, qu=qu)


def Piedmont(top, bottom, gamma, test_type, N60=0.0, qc=0.0, Ed=0.0, Ep=0.0):
    return _layer(10, top, bottom, gamma=gamma, test_type=test_type, N60=N60, qc=qc, Ed=Ed, Ep=Ep)


def CementedSilt(top, bottom, gamma, c, phi, e50, k):
    return _layer(11, top, bottom, gamma=gamma, c=c, phi=phi, e50=e50, k=k)


def Loess(top, bottom, gamma, qc):
    return _layer(12, top, bottom, gamma=gamma, qc=qc)


def ElasticSubgrade(top, bottom, gamma, Es):
    return _layer(13, top, bottom, gamma=gamma, Es=Es)


def MassiveRock(top, bottom, gamma, sigma_ci, rock_type, GSI, extra=0.0):
    return _layer(16, top, bottom, gamma=gamma, sigma_ci=sigma_ci, rock_type=rock_type, GSI=GSI,
                  extra=extra)


def FrozenSoil(top, bottom):
    return _layer(17, top, bottom)


def UserPY(top, bottom, gamma, top_curve, bottom_curve):
    layer = _layer(USER_PY, top, bottom, gamma=gamma)
    layer.top_curve = [tuple(p) for p in top_curve]
    layer.bottom_curve = [tuple(p) for p in bottom_curve]
    return layer


# ---------------------------------------------------------------------------------------------
# Loading


@dataclass
class LoadCase:
    """A pile-head load case. load_type: 1 shear and moment, 2 shear and slope, 3 shear and
    rotational stiffness, 4 deflection and moment, 5 deflection and slope."""

    load_type: int
    load1: float
    load2: float
    axial: float = 0.0
    length_study: bool = False


def ShearMoment(shear, moment=0.0, axial=0.0):
    return LoadCase(1, shear, moment, axial)


def ShearSlope(shear, slope=0.0, axial=0.0):
    return LoadCase(2, shear, slope, axial)


def ShearStiffness(shear, stiffness, axial=0.0):
    return LoadCase(3, shear, stiffness, axial)


def DeflectionMoment(deflection, moment=0.0, axial=0.0):
    return LoadCase(4, deflection, moment, axial)


def DeflectionSlope(deflection, slope=0.0, axial=0.0):
    return LoadCase(5, deflection, slope, axial)


@dataclass
class LrfdLoad:
    """An unfactored LRFD load of load type 1 to 13: H, M, P and its distributed load points."""

    load_type: int
    H: float
    M: float
    P: float
    distributed: List[Pair] = field(default_factory=list)


@dataclass
class LrfdCombination:
    """Thirteen load factors, the resistance factors for moment and shear, and the name."""

    factors: List[float]
    phi_m: float
    phi_v: float
    name: str = ""


# ---------------------------------------------------------------------------------------------
# The problem


@dataclass
class Problem:
    """One analysis: title, options, pile sections, soil layers, loads and profiles."""

    title: Optional[List[str]] = None
    options: Optional[Options] = field(default_factory=Options)
    sections: Optional[List[Section]] = None
    layers: Optional[List[SoilLayer]] = None
    loads: Optional[List[LoadCase]] = None
    distributed_load: List[Pair] = field(default_factory=list)
    lrfd_loads: Optional[List[LrfdLoad]] = None
    lrfd_combinations: Optional[List[LrfdCombination]] = None
    soil_movements: Optional[List[Pair]] = None
    py_modifiers: Optional[List[Tuple[float, float, float]]] = None
    tip_shear: Optional[List[Pair]] = None
    ground_slope: Optional[float] = None
    pile_batter: Optional[float] = None
    py_output_depths: Optional[List[float]] = None
    axial_thrusts: Optional[List[float]] = None
    name: str = field(default="problem", compare=False)

    # -- building ---------------------------------------------------------------------------

    def copy(self, **changes) -> "Problem":
        """A deep copy, with the given attributes replaced."""
        p = copy.deepcopy(self)
        for k, v in changes.items():
            if not hasattr(p, k):
                raise AttributeError(f"Problem has no attribute {k!r}")
            setattr(p, k, v)
        return p

    @property
    def pile_length(self) -> float:
        """The sum of the section lengths."""
        return sum(s.length for s in (self.sections or []))

    def effective_options(self) -> Options:
        """The options as written: the undecided flags follow the tables they govern."""
        o = copy.copy(self.options)
        if o.use_tip_shear is None:
            o.use_tip_shear = bool(self.tip_shear)
        if o.use_soil_movement is None:
            o.use_soil_movement = self.soil_movements is not None
        if o.use_py_modifiers is None:
            o.use_py_modifiers = bool(self.py_modifiers)
        if o.print_py_curves is None:
            o.print_py_curves = self.py_output_depths is not None
        return o

    # -- files ------------------------------------------------------------------------------

    @classmethod
    def from_file(cls, path: Union[str, os.PathLike], orvane: Optional[str] = None) -> "Problem":
        """Reads an input data file as the engine reads it. Raises InputError for what the
        engine's reader refuses, with the engine's error number, line and message: the engine
        reads the file first when the orvane command is found (as `run` finds it)."""
        from .checks import refuse_unreadable
        from .reader import read_problem
        refuse_unreadable(path, orvane)
        with open(path, "rb") as f:
            data = f.read()
        p = read_problem(data)
        p.name = os.path.splitext(os.path.basename(os.fspath(path)))[0]
        return p

    @classmethod
    def from_text(cls, text: str, name: str = "problem") -> "Problem":
        from .reader import read_problem
        p = read_problem(text.encode("utf-8", "surrogateescape"))
        p.name = name
        return p

    def check(self, orvane: Optional[str] = None) -> None:
        """Raises InputError for what the engine would refuse, with the engine's number and
        message: the engine checks the problem's input data file (`orvane --check`, with the
        orvane command found as `run` finds it)."""
        from .checks import check_problem
        check_problem(self, orvane)

    def to_text(self, check: bool = True, orvane: Optional[str] = None) -> str:
        """The input data file. With check, refuses first what the engine would refuse;
        without, only what cannot be written as the Problem says."""
        from .checks import check_problem, check_writable
        if check:
            check_problem(self, orvane)
        else:
            check_writable(self)
        return "".join(line + "\n" for line in _write_lines(self))

    def write(self, path: Union[str, os.PathLike], check: bool = True,
              orvane: Optional[str] = None) -> str:
        text = self.to_text(check=check, orvane=orvane)
        with open(path, "wb") as f:
            f.write(text.encode("utf-8", "surrogateescape"))
        return os.fspath(path)


# ---------------------------------------------------------------------------------------------
# Writing


def fmt_real(x: Number) -> str:
    """A real as the shortest text that reads back as exactly the same double."""
    x = float(x)
    if not math.isfinite(x):
        raise ValueError(f"{x!r} cannot be written to an input data file")
    return repr(x)


def fmt_int(n: int) -> str:
    return str(int(n))


def fmt_cycles(x: float) -> str:
    """The number of cycles in its 6-column field, right-aligned; a blank field is 0."""
    x = float(x)
    if x == int(x) and abs(x) < 1e6:
        text = str(int(x))
    else:
        text = repr(x)
    if len(text) > 6:
        raise ValueError(f"the number of cycles {x!r} does not fit its 6-column field")
    return text.rjust(6)


def _yes_no(keyword: str, flag: bool) -> str:
    return f"{keyword} {'YES' if flag else 'NO'}"


def _option_lines(o: Options) -> List[str]:
    lines = [
        f"Units {o.units}",
        _yes_no("UseLRFD", o.use_lrfd),
        _yes_no("ComputeKmatrix", o.compute_kmatrix),
        _yes_no("UseTipShear", o.use_tip_shear),
        _yes_no("UseSoilMovement", o.use_soil_movement),
        _yes_no("UsePYModifiers", o.use_py_modifiers),
        _yes_no("ComputeEIOnly", o.ei_only),
    ]
    loading = "Loading " + ("CYCLIC" if o.cyclic else "STATIC")
    if o.cycles != 0 or o.cyclic:
        loading += fmt_cycles(o.cycles)
    lines += [
        loading,
        f"MaxIterations {fmt_int(o.max_iterations)}",
        f"MaxDeflection {fmt_real(o.max_deflection)}",
        f"Tolerance {fmt_real(o.tolerance)}",
        f"Increments {fmt_int(o.increments)}",
        _yes_no("PrintSummaryOnly", o.summary_only),
        f"PrintIncrement {fmt_int(o.print_increment)}",
        _yes_no("PrintPYCurves", o.print_py_curves),
        _yes_no("ComputeInteraction", o.interaction_code is not None),
    ]
    if o.interaction_code is not None:
        lines.append(f"Interaction {o.interaction_code}")
    return lines


def _concrete_lines(c: Concrete) -> List[str]:
    lines = [fmt_real(c.strength), fmt_real(c.aggregate_size)]
    if c.tensile_strength is None:
        lines.append("Use default concrete tensile strength")
    else:
        lines += ["Override concrete tensile strength", fmt_real(c.tensile_strength)]
    if c.stress_strain is None:
        lines.append("Use internal stress-strain curve for concrete")
    else:
        lines += ["Input stress-strain curve for concrete", fmt_int(len(c.stress_strain))]
        lines += [f"{j}  {fmt_real(e)}  {fmt_real(s)}" for j, (e, s) in enumerate(c.stress_strain, 1)]
    return lines


def _rebar_lines(r) -> List[str]:
    if r is None:
        return ["No rebar"]
    lines = ["Rebar Arrangement Same As Section Above" if r.same_as_above
             else "Rebar Arrangement Not Same As Section Above"]
    if isinstance(r, RebarCircle):
        lines += ["Rebar in circle", fmt_real(r.yield_stress), fmt_real(r.modulus),
                  fmt_int(r.groups), fmt_int(r.bars_per_group), fmt_real(r.bar_diameter),
                  fmt_real(r.bar_area), fmt_real(r.cover), fmt_real(r.cage_offset)]
    else:
        lines += ["Rebar in noncircular pattern", fmt_real(r.yield_stress), fmt_real(r.modulus),
                  fmt_int(len(r.bars))]
        lines += [f"{j}  {fmt_int(b.size)}  {fmt_real(b.diameter)}  {fmt_real(b.area)}  "
                  f"{fmt_real(b.x)}  {fmt_real(b.y)}" for j, b in enumerate(r.bars, 1)]
    return lines


def _strand_lines(st) -> List[str]:
    if isinstance(st, AutoStrands):
        return ["Autoposition strands", fmt_int(st.strand_type), fmt_int(st.strand_size),
                fmt_int(st.count), fmt_real(st.prestress_force), fmt_real(st.loss_fraction),
                fmt_real(st.cover), fmt_int(st.pattern)]
    lines = ["Manually-positioned strands", fmt_int(st.strand_type), fmt_int(len(st.strands)),
             fmt_real(st.prestress_force), fmt_real(st.loss_fraction)]
    lines += [f"{j}  {fmt_int(s.strand_type)}  {fmt_int(s.size)}  {fmt_real(s.x)}  {fmt_real(s.y)}"
              for j, s in enumerate(st.strands, 1)]
    return lines


def _shape_lines(shape: Shape) -> List[str]:
    if isinstance(shape, RectangleShape):
        v = [shape.top_width, shape.bottom_width, shape.top_depth, shape.bottom_depth,
             shape.top_area, shape.bottom_area, shape.top_inertia, shape.bottom_inertia]
    elif isinstance(shape, CircleShape):
        v = [shape.top_diameter, shape.bottom_diameter, shape.top_area, shape.bottom_area,
             shape.top_inertia, shape.bottom_inertia]
    elif isinstance(shape, PipeShape):
        v = [shape.top_diameter, shape.bottom_diameter, shape.top_thickness,
             shape.bottom_thickness, shape.top_area, shape.bottom_area, shape.top_inertia,
             shape.bottom_inertia]
    elif isinstance(shape, HPileShape):
        v = [shape.flange_width, shape.depth, shape.flange_thickness, shape.web_thickness,
             shape.area, shape.inertia]
    else:
        v = [shape.top_width, shape.bottom_width, shape.top_area, shape.bottom_area,
             shape.top_inertia, shape.bottom_inertia, shape.hole_diameter]
    return [fmt_real(x) for x in v]


def _section_lines(s: int, sec) -> List[str]:
    code = sec.type_code
    lines = [fmt_int(s), fmt_int(code), fmt_real(sec.length)]
    r = fmt_real
    if isinstance(sec, RectangularPile):
        lines += [r(sec.depth), r(sec.width)] + _concrete_lines(sec.concrete) + _rebar_lines(sec.rebar)
    elif isinstance(sec, DrilledShaft):
        lines += [r(sec.diameter)] + _concrete_lines(sec.concrete) + _rebar_lines(sec.rebar)
    elif isinstance(sec, CasedShaft):
        lines += [r(sec.diameter), r(sec.casing_thickness), r(sec.casing_yield_stress),
                  r(sec.casing_modulus)] + _concrete_lines(sec.concrete) + _rebar_lines(sec.rebar)
    elif isinstance(sec, CasedShaftWithCore):
        lines += [r(sec.diameter), r(sec.casing_thickness), r(sec.casing_yield_stress),
                  r(sec.casing_modulus), r(sec.core_diameter), r(sec.core_thickness),
                  r(sec.core_yield_stress), r(sec.core_modulus)]
        lines += _concrete_lines(sec.concrete) + _rebar_lines(sec.rebar)
    elif isinstance(sec, SteelPipe):
        lines += [r(sec.diameter), r(sec.thickness), r(sec.yield_stress), r(sec.modulus)]
    elif isinstance(sec, CircularPrestressed):
        lines += [r(sec.diameter)] + ([] if sec.void_diameter is None else [r(sec.void_diameter)])
        lines += _concrete_lines(sec.concrete) + _strand_lines(sec.strands)
    elif isinstance(sec, SquarePrestressed):
        lines += [r(sec.width)] + ([] if sec.void_diameter is None else [r(sec.void_diameter)])
        lines += [r(sec.chamfer)] + _concrete_lines(sec.concrete) + _strand_lines(sec.strands)
    elif isinstance(sec, OctagonalPrestressed):
        lines += [r(sec.width)] + ([] if sec.void_diameter is None else [r(sec.void_diameter)])
        lines += _concrete_lines(sec.concrete) + _strand_lines(sec.strands)
    elif isinstance(sec, ElasticPile):
        lines += [fmt_int(sec.shape.code), r(sec.modulus)] + _shape_lines(sec.shape)
    elif isinstance(sec, ElasticPlasticPile):
        lines += [fmt_int(sec.shape.code), r(sec.modulus), r(sec.plastic_moment_top)]
        if not isinstance(sec.shape, HPileShape):
            lines.append(r(sec.plastic_moment_bottom))
        lines += _shape_lines(sec.shape)
    elif isinstance(sec, Micropile):
        lines += [r(sec.hole_diameter), r(sec.grout_strength), r(sec.casing_diameter),
                  r(sec.casing_thickness), r(sec.casing_yield_stress), r(sec.casing_modulus),
                  r(sec.bar_diameter), r(sec.bar_yield_stress), r(sec.bar_modulus)]
    elif isinstance(sec, UserMEIPile):
        lines += [r(sec.diameter), fmt_int(len(sec.curves))]
        for curve in sec.curves:
            lines += [r(curve.thrust), fmt_int(len(curve.points))]
            for m, ei in curve.points:
                lines += [r(m), r(ei)]
    return lines


def _layer_value_line(layer: SoilLayer, end: int) -> str:
    parts = []
    for name in layer.value_names():
        v = layer.values[name][end]
        parts.append(fmt_int(v) if name in INT_VALUES else fmt_real(v))
    return "  ".join(parts)


def _layer_lines(layer: SoilLayer) -> List[str]:
    lines = [f"{fmt_int(layer.soil_type)}  {fmt_real(layer.top)}  {fmt_real(layer.bottom)}"]
    if layer.soil_type == USER_PY:
        for end, curve in ((0, layer.top_curve or []), (1, layer.bottom_curve or [])):
            lines.append(f"{fmt_real(layer.values['gamma'][end])}  {fmt_int(len(curve))}")
            lines += [f"{fmt_real(y)}  {fmt_real(p)}" for y, p in curve]
    elif layer.value_names():
        lines += [_layer_value_line(layer, 0), _layer_value_line(layer, 1)]
    return lines


def _numbered(rows) -> List[str]:
    return ["  ".join([fmt_int(j)] + [fmt_real(v) for v in row]) for j, row in enumerate(rows, 1)]


def _write_lines(p: Problem) -> List[str]:
    lines = [FORMAT_TAG]
    if p.title is not None:
        title = list(p.title) + [""] * (5 - len(p.title))
        lines += ["TITLE"] + title
    if p.options is not None:
        lines += ["OPTIONS"] + _option_lines(p.effective_options())
    if p.sections is not None:
        lines += ["SECTIONS", fmt_int(len(p.sections))]
        for s, sec in enumerate(p.sections, 1):
            lines += _section_lines(s, sec)
    if p.layers is not None:
        lines += ["SOIL LAYERS", fmt_int(len(p.layers))]
        for layer in p.layers:
            lines += _layer_lines(layer)
    if p.loads is not None:
        lines += ["LOADING", fmt_int(len(p.loads))]
        for i, lc in enumerate(p.loads, 1):
            lines.append(f"{i}  {fmt_int(lc.load_type)}  {fmt_real(lc.load1)}  {fmt_real(lc.load2)}  "
                         f"{fmt_real(lc.axial)}  {0 if lc.length_study else 1}")
        lines.append(fmt_int(len(p.distributed_load)))
        lines += _numbered(p.distributed_load)
    if p.lrfd_loads is not None:
        lines += ["LRFD LOADS", fmt_int(len(p.lrfd_loads))]
        for g, load in enumerate(p.lrfd_loads, 1):
            lines.append(f"{g}  {fmt_int(load.load_type)}  {fmt_real(load.H)}  {fmt_real(load.M)}  "
                         f"{fmt_real(load.P)}  {fmt_int(len(load.distributed))}")
            lines += _numbered(load.distributed)
    if p.lrfd_combinations is not None:
        lines += ["LRFD FACTORS AND CASES", fmt_int(len(p.lrfd_combinations))]
        for c, comb in enumerate(p.lrfd_combinations, 1):
            lines.append("  ".join([fmt_int(c)] + [fmt_real(f) for f in comb.factors]
                                   + [fmt_real(comb.phi_m), fmt_real(comb.phi_v)]))
            lines.append(comb.name)
    if p.soil_movements is not None:
        lines += ["SOIL MOVEMENTS", fmt_int(len(p.soil_movements))] + _numbered(p.soil_movements)
    if p.py_modifiers is not None:
        lines += ["GROUP EFFECT FACTORS", fmt_int(len(p.py_modifiers))] + _numbered(p.py_modifiers)
    if p.tip_shear is not None:
        lines += ["TIP SHEAR", fmt_int(len(p.tip_shear))] + _numbered(p.tip_shear)
    if p.ground_slope is not None or p.pile_batter is not None:
        lines += ["PILE BATTER AND SLOPE", fmt_real(p.ground_slope or 0.0),
                  fmt_real(p.pile_batter or 0.0)]
    if p.py_output_depths is not None:
        lines += ["DEPTHS OF PRINTED P-Y CURVES", fmt_int(len(p.py_output_depths))]
        lines += _numbered([(d,) for d in p.py_output_depths])
    if p.axial_thrusts is not None:
        lines += ["AXIAL THRUST LOADS", fmt_int(len(p.axial_thrusts))]
        lines += _numbered([(t,) for t in p.axial_thrusts])
    lines.append("END")
    return lines
