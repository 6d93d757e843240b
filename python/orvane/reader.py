"""Reading an input data file into a Problem, line by line as the engine's reader does.

Text lines are 256-character fields without trailing blanks; free-format data reads take their
values from as many lines as they need (blanks, tabs and commas separate, two commas leave a null
value, quoted words) and ignore what is left on the last line. A value of the wrong kind, an end
of file before END, an unrecognized line and the reader's count and code checks raise InputError
with the engine's error number.

A null value keeps the value the engine holds at that point; this reader knows it for a fresh
item only, and takes 0 (or the value read for the same item by an earlier section of the same
file where the item is simple to follow).
"""

from __future__ import annotations

import re
from typing import List, Optional

from .checks import InputError, LINE_FIELD
from . import problem as P

_INT = re.compile(r"[+-]?[0-9]+\Z")
_REAL = re.compile(r"[+-]?([0-9]+(\.[0-9]*)?|\.[0-9]+)([EeDd][+-]?[0-9]+)?\Z")
_INT_MIN, _INT_MAX = -2147483648, 2147483647

KEYWORDS = ("TITLE", "OPTIONS", "SECTIONS", "SOIL LAYERS", "LOADING", "LRFD LOADS",
            "LRFD FACTORS AND CASES", "SOIL MOVEMENTS", "GROUP EFFECT FACTORS", "GROUPEFF",
            "TIP SHEAR", "PILE BATTER AND SLOPE", "DEPTHS OF PRINTED P-Y CURVES",
            "AXIAL THRUST LOADS")


def _decode(b: bytes) -> str:
    return b.decode("utf-8", "surrogateescape")


class _Lines:
    """The lines of the file after the tag, with the engine's line numbers."""

    def __init__(self, data: bytes):
        raw = data.split(b"\n")
        if raw and raw[-1] == b"":
            raw.pop()
        self.raw = raw
        self.pos = 0

    @property
    def number(self) -> int:
        return self.pos

    def field(self) -> Optional[str]:
        """The next line as a 256-character field, or None at the end of the file."""
        if self.pos >= len(self.raw):
            return None
        b = self.raw[self.pos].replace(b"\0", b"?")
        self.pos += 1
        head, rest = b[:LINE_FIELD], b[LINE_FIELD:]
        cut = rest.strip(b" \t\r") != b""
        if head.endswith(b"\r"):
            head = head[:-1]
        head = head.rstrip(b" \t")
        if cut:
            raise InputError(88, f"line {self.number} of the input data file has text beyond "
                                 f"column 256, which cannot be read")
        return _decode(head)

    def title(self) -> str:
        """A title line: cut to its field (the engine warns)."""
        if self.pos >= len(self.raw):
            raise _end_of_file(self)
        b = self.raw[self.pos].replace(b"\0", b"?")
        self.pos += 1
        head = b[:LINE_FIELD]
        if head.endswith(b"\r"):
            head = head[:-1]
        return _decode(head.rstrip(b" \t"))

    def text(self) -> str:
        line = self.field()
        if line is None:
            raise _end_of_file(self)
        return line

    def values(self, kinds: str, defaults=None) -> list:
        """One free-format read of len(kinds) items: 'i' integer, 'r' real, 'w' word. A null
        value gives the default of its item (0)."""
        out: List = []
        after_comma = True
        line = ""
        col = 0
        line_open = False
        for n, kind in enumerate(kinds):
            while True:
                if not line_open:
                    got = self.field()
                    if got is None:
                        raise _end_of_file(self, partial=bool(out))
                    line, col, line_open = got, 0, True
                while col < len(line) and line[col] in " \t":
                    col += 1
                if col >= len(line):
                    line_open = False
                    continue
                c = line[col]
                if c == ",":
                    col += 1
                    if after_comma:
                        token = None
                        break
                    after_comma = True
                    continue
                after_comma = False
                quoted = c in "'\""
                if quoted:
                    col += 1
                    chars = []
                    while True:
                        if col >= len(line):
                            raise InputError(99, f"line {self.number} of the input data file has "
                                                 f"a quoted text without its closing quote")
                        ch = line[col]
                        col += 1
                        if ch == c:
                            if col < len(line) and line[col] == c:
                                col += 1
                            else:
                                break
                        chars.append(ch)
                    token = "".join(chars)
                else:
                    start = col
                    while col < len(line) and line[col] not in ", \t":
                        col += 1
                    token = line[start:col]
                break
            if token is None:
                out.append(defaults[n] if defaults else (0 if kind == "i" else
                                                         0.0 if kind == "r" else ""))
                continue
            out.append(self._convert(token, kind, quoted, line))
        return out

    def _convert(self, token: str, kind: str, quoted: bool, line: str):
        if kind == "w":
            return token
        where = f"line {self.number} of the input data file"
        if kind == "i":
            if quoted or not _INT.match(token):
                raise InputError(99, f'{where} holds "{token}" where an integer number is '
                                     f"expected: {line!r}")
            v = int(token)
            if not _INT_MIN <= v <= _INT_MAX:
                raise InputError(99, f"{where} holds the integer {token}, which is outside the "
                                     f"range -2147483648 to 2147483647")
            return v
        if quoted or not _REAL.match(token):
            raise InputError(99, f'{where} holds "{token}" where a number is expected: {line!r}')
        v = float(token.replace("D", "E").replace("d", "e"))
        if v in (float("inf"), float("-inf")):
            raise InputError(99, f"{where} holds the number {token}, which is too large to be "
                                 f"stored")
        return v

    def real(self) -> float:
        return self.values("r")[0]

    def int(self) -> int:
        return self.values("i")[0]


def _end_of_file(lines: _Lines, partial: bool = False) -> InputError:
    what = ("before all values of this data line were read" if partial else "before the line END")
    return InputError(99, f"the input data file ends after line {lines.number}, {what}")


def _count(what: str, n: int, low: int, high: int) -> int:
    if not low <= n <= high:
        raise InputError(95, f"the number of {what} is {n}, outside the valid range of "
                             f"{low} to {high}")
    return n


def _skip_to_tag(lines: _Lines) -> str:
    """Reads the lines up to the first value of the file, as the engine reads its format tag
    (past a UTF-8 byte-order mark, blank lines and leading separators), and returns that value
    cut to 7 characters; "" when the file holds none."""
    while lines.pos < len(lines.raw):
        b = lines.raw[lines.pos].replace(b"\0", b"?")[:LINE_FIELD]
        if lines.pos == 0 and b.startswith(b"\xef\xbb\xbf"):
            b = b[3:]
        lines.pos += 1
        if b.endswith(b"\r"):
            b = b[:-1]
        b = b.rstrip(b" \t").lstrip(b" \t,")
        if b:
            return _decode(re.split(rb"[ \t,]", b, maxsplit=1)[0][:7])
    return ""


def read_problem(data: bytes) -> P.Problem:
    """The problem an input data file describes, read as the engine reads it."""
    lines = _Lines(data)
    tag = _skip_to_tag(lines)
    if tag != P.FORMAT_TAG:
        raise InputError(None, f"not an input data file: its first value is {tag!r}, not "
                               f"{P.FORMAT_TAG!r}")
    r = _Reader(lines)
    r.read()
    return r.p


class _Reader:
    def __init__(self, lines: _Lines):
        self.lines = lines
        self.p = P.Problem(options=None)
        self.units = 0
        self.flags = {"soil_movement": False, "py_curves": False}
        self.order: List[str] = []

    def read(self) -> None:
        L = self.lines
        handlers = {
            "TITLE": self.title, "OPTIONS": self.options, "SECTIONS": self.sections,
            "SOIL LAYERS": self.layers, "LOADING": self.loading, "LRFD LOADS": self.lrfd_loads,
            "LRFD FACTORS AND CASES": self.lrfd_factors, "SOIL MOVEMENTS": self.soil_movements,
            "GROUP EFFECT FACTORS": self.py_modifiers, "GROUPEFF": self.py_modifiers,
            "TIP SHEAR": self.tip_shear, "PILE BATTER AND SLOPE": self.batter,
            "DEPTHS OF PRINTED P-Y CURVES": self.py_depths,
            "AXIAL THRUST LOADS": self.axial_thrusts,
        }
        while True:
            line = L.field()
            if line is None:
                raise _end_of_file(L)
            if line in handlers:
                handlers[line]()
                self.order.append(line)
                continue
            if line == "END":
                return
            raise InputError(99, f"line {L.number} is unrecognized or out of order: {line!r}")

    def _need_options_first(self, section: str) -> None:
        # The sections read after OPTIONS depend on the unit system and the option flags; a file
        # that puts them first is read by the engine with the fresh values, which a Problem
        # (always written with OPTIONS first) cannot say.
        if self.p.options is None:
            raise InputError(None, f"the {section} section comes before OPTIONS; write OPTIONS "
                                   f"first (this reader keeps the unit system and option flags "
                                   f"of OPTIONS for the sections after it)")

    # -- sections ---------------------------------------------------------------------------

    def title(self) -> None:
        self.p.title = [self.lines.title() for _ in range(5)]

    def options(self) -> None:
        L = self.lines
        if any(s in self.order for s in ("SECTIONS", "SOIL MOVEMENTS", "GROUP EFFECT FACTORS",
                                         "GROUPEFF", "DEPTHS OF PRINTED P-Y CURVES")):
            raise InputError(None, "OPTIONS comes after a section that depends on it; write "
                                   "OPTIONS first")
        o = P.Options()
        line = L.text()
        units = {"Units USCS": "USCS", "Units SI": "SI", "Units GENERAL": "GENERAL"}
        if line not in units:
            raise InputError(99, f"line {L.number} is unrecognized or out of order: {line!r}")
        o.units = units[line]
        self.units = P.UNITS.index(o.units) + 1

        def yes_no(keyword: str, what: str) -> bool:
            text = L.text()
            if text == keyword + " YES":
                return True
            if text == keyword + " NO":
                return False
            raise InputError(95, f"unrecognized command for {what}: {text!r}")

        o.use_lrfd = yes_no("UseLRFD", "LRFD analysis option")
        o.compute_kmatrix = yes_no("ComputeKmatrix", "compute pile-head stiffness matrix option")
        o.use_tip_shear = yes_no("UseTipShear", "tip shear option")
        o.use_soil_movement = yes_no("UseSoilMovement", "soil movement option")
        o.use_py_modifiers = yes_no("UsePYModifiers", "use of p-y modifiers option")
        o.ei_only = yes_no("ComputeEIOnly", "compute nonlinear EI only option")
        line = L.text()
        kind = line[8:14].ljust(6)
        if kind not in ("CYCLIC", "STATIC"):
            raise InputError(95, f"unrecognized command for loading type option: {line!r}")
        o.cyclic = kind == "CYCLIC"
        cycles = line[14:20].strip()
        if cycles and not _REAL.match(cycles):
            raise InputError(99, f"line {L.number} holds {cycles!r} in columns 15 to 20, where "
                                 f"the number of cycles is expected")
        o.cycles = float(cycles.replace("D", "E").replace("d", "e")) if cycles else 0.0
        o.max_iterations = L.values("wi")[1]
        o.max_deflection = L.values("wr")[1]
        o.tolerance = L.values("wr")[1]
        o.increments = L.values("wi")[1]
        o.summary_only = yes_no("PrintSummaryOnly", "print summary only option")
        o.print_increment = L.values("wi")[1]
        o.print_py_curves = yes_no("PrintPYCurves", "p-y curve output depths option")
        interaction = L.text()
        if interaction == "ComputeInteraction YES":
            code = L.values("ww")[1][:11]
            if code not in P.INTERACTION_CODES:
                raise InputError(95, f"unrecognized command for interaction code option: "
                                     f"{code!r}")
            o.interaction_code = code
        elif interaction != "ComputeInteraction NO":
            raise InputError(95, f"unrecognized command for compute interaction option: "
                                 f"{interaction!r}")
        self.flags["soil_movement"] = o.use_soil_movement
        self.flags["py_curves"] = o.print_py_curves
        self.p.options = o

    def sections(self) -> None:
        self._need_options_first("SECTIONS")
        L = self.lines
        n = L.int()
        if n <= 0:
            self.p.sections = []
            return
        _count("pile sections", n, 0, 20)
        self.p.sections = [self.section(s) for s in range(1, n + 1)]

    def section(self, s: int):
        L = self.lines
        number = L.int()
        if number != s:
            raise InputError(95, f"section data out of order: expecting section number {s}, but "
                                 f"section number {number} was found")
        code = L.int()
        if not (code == -3 or 0 <= code <= 14):
            raise InputError(95, f"section {s} has the section type code {code}, outside the "
                                 f"valid codes -3 and 0 to 14")
        r = L.real
        length = r()
        if code == 0:
            depth, width = r(), r()
            return P.RectangularPile(length, depth, width, self.concrete(s), self.rebar(s))
        if code == 1:
            d = r()
            return P.DrilledShaft(length, d, self.concrete(s), self.rebar(s))
        if code == 2:
            v = [r() for _ in range(4)]
            return P.CasedShaft(length, *v, self.concrete(s), self.rebar(s))
        if code in (3, -3):
            v = [r() for _ in range(8)]
            return P.CasedShaftWithCore(length, *v, self.concrete(s), self.rebar(s),
                                        core_filled=code == 3)
        if code == 4:
            v = [r() for _ in range(4)]
            return P.SteelPipe(length, *v)
        if code in (5, 6):
            d = r()
            void = r() if code == 6 else None
            return P.CircularPrestressed(length, d, self.concrete(s), self.strands(s), void)
        if code in (7, 8):
            w = r()
            void = r() if code == 8 else None
            chamfer = r()
            return P.SquarePrestressed(length, w, chamfer, self.concrete(s), self.strands(s), void)
        if code in (9, 10):
            w = r()
            void = r() if code == 10 else None
            return P.OctagonalPrestressed(length, w, self.concrete(s), self.strands(s), void)
        if code in (11, 12):
            return self.elastic(s, length, code == 12)
        if code == 13:
            d = r()
            thrusts = _count(f"M-EI thrusts of section {s}", L.int(), 0, 100)
            curves = []
            for b in range(1, thrusts + 1):
                t = r()
                n = _count(f"M-EI points for thrust {b} of section {s}", L.int(), 0, 150)
                curves.append(P.MEICurve(t, [(r(), r()) for _ in range(n)]))
            return P.UserMEIPile(length, d, curves)
        # 14: hole, grout, casing (outside diameter, wall, yield stress, modulus), bar (diameter,
        # yield stress, modulus), one value per line
        return P.Micropile(length, *[r() for _ in range(9)])

    def concrete(self, s: int) -> P.Concrete:
        L = self.lines
        c = P.Concrete(L.real(), L.real())
        line = L.text()
        if line == "Override concrete tensile strength":
            c.tensile_strength = L.real()
        elif line != "Use default concrete tensile strength":
            raise InputError(95, f"unrecognized command for concrete tensile strength option: "
                                 f"{line!r}")
        line = L.text()
        if line == "Input stress-strain curve for concrete":
            n = _count(f"points of the concrete stress-strain curve of section {s}", L.int(), 0, 100)
            c.stress_strain = []
            for j in range(1, n + 1):
                number, strain, stress = L.values("irr")
                if number != j:
                    raise InputError(95, f"sequence error in the concrete stress-strain curve of "
                                         f"section {s}: expecting line no. {j} but line no. "
                                         f"{number} was read")
                c.stress_strain.append((strain, stress))
        elif line != "Use internal stress-strain curve for concrete":
            raise InputError(95, f"unrecognized input for concrete stress-strain option: {line!r}")
        return c

    def rebar(self, s: int):
        L = self.lines
        line = L.text()
        if line == "No rebar":
            return None
        if line not in ("Rebar Arrangement Same As Section Above",
                        "Rebar Arrangement Not Same As Section Above"):
            raise InputError(95, f"unrecognized command for rebar continuation from section above "
                                 f"option: {line!r}")
        same = line == "Rebar Arrangement Same As Section Above"
        line = L.text()
        if line == "Rebar in circle":
            fy, E = L.real(), L.real()
            groups, per = L.int(), L.int()
            d, a, cover, offset = L.real(), L.real(), L.real(), L.real()
            _count(f"bars per group of section {s}", per, 1, 3)
            _count(f"bar groups of section {s}", groups, 0, 300)
            _count(f"bars of section {s}", groups * per, 0, 300)
            return P.RebarCircle(fy, E, groups, per, d, a, cover, offset, same)
        if line == "Rebar in noncircular pattern":
            fy, E = L.real(), L.real()
            n = _count(f"bars of section {s}", L.int(), 0, 300)
            bars = []
            for _ in range(n):
                _, size, d, a, x, y = L.values("iirrrr")
                bars.append(P.Bar(size, d, a, x, y))
            return P.RebarList(fy, E, bars, same)
        raise InputError(95, f"unrecognized command for rebar pattern option: {line!r}")

    def strands(self, s: int):
        L = self.lines
        line = L.text()
        if line == "Autoposition strands":
            t, size, n = L.int(), L.int(), L.int()
            force, loss, cover = L.real(), L.real(), L.real()
            pattern = L.int()
            _count(f"strands of section {s}", n, 0, 300)
            if not 0 <= pattern <= 2:
                raise InputError(95, f"section {s} has the strand pattern code {pattern}, outside "
                                     f"the valid range of 0 to 2")
            return P.AutoStrands(t, size, n, force, loss, cover, pattern)
        if line == "Manually-positioned strands":
            t, n = L.int(), L.int()
            force, loss = L.real(), L.real()
            _count(f"strands of section {s}", n, 0, 300)
            strands = []
            for j in range(1, n + 1):
                number, st, size, x, y = L.values("iiirr")
                if number != j:
                    raise InputError(95, f"input out-of-order for strand no. {number}")
                strands.append(P.Strand(st, size, x, y))
            return P.ManualStrands(t, force, loss, strands)
        raise InputError(95, f"unrecognized input for strand no. 0: {line!r}")

    def elastic(self, s: int, length: float, plastic: bool):
        L = self.lines
        shape_code = L.int()
        if not 1 <= shape_code <= 6:
            raise InputError(None, f"section {s} has the elastic shape code {shape_code}; the "
                                   f"engine reads nothing further for it, so this reader cannot "
                                   f"follow the file")
        E = L.real()
        mp_top = mp_bottom = None
        if plastic:
            mp_top = L.real()
            mp_bottom = mp_top if shape_code in (4, 5) else L.real()
        r = L.real
        if shape_code == 1:
            shape = P.RectangleShape(*[r() for _ in range(8)])
        elif shape_code == 2:
            shape = P.CircleShape(*[r() for _ in range(6)])
        elif shape_code == 3:
            shape = P.PipeShape(*[r() for _ in range(8)])
        elif shape_code in (4, 5):
            shape = P.HPileShape(*[r() for _ in range(6)], strong_axis=shape_code == 4)
        else:
            shape = P.PoleShape(*[r() for _ in range(7)])
        if plastic:
            return P.ElasticPlasticPile(length, E, mp_top, mp_bottom, shape)
        return P.ElasticPile(length, E, shape)

    def layers(self) -> None:
        L = self.lines
        n = L.int()
        if n <= 0:
            self.p.layers = []
            return
        _count("soil layers", n, 0, 40)
        layers = []
        for k in range(1, n + 1):
            soil_type, top, bottom = L.values("irr")
            if not 1 <= soil_type <= 20:
                raise InputError(95, f"soil layer {k} has the soil type number {soil_type}, "
                                     f"outside the valid range of 1 to 20")
            layer = P.SoilLayer(soil_type, top, bottom)
            names = layer.value_names()
            if soil_type == P.USER_PY:
                curves = []
                gammas = []
                for end in ("top", "bottom"):
                    g, m = L.values("ri")
                    _count(f"points of the user-input p-y curve at the {end} of soil layer {k}",
                           m, 0, 29)
                    gammas.append(g)
                    curves.append([tuple(L.values("rr")) for _ in range(m)])
                layer.values["gamma"] = tuple(gammas)
                layer.top_curve, layer.bottom_curve = curves
            elif names:
                kinds = "".join("i" if nm in P.INT_VALUES else "r" for nm in names)
                top_v, bottom_v = L.values(kinds), L.values(kinds)
                for nm, a, b in zip(names, top_v, bottom_v):
                    layer.values[nm] = (a, b)
            layers.append(layer)
        self.p.layers = layers

    def loading(self) -> None:
        L = self.lines
        n = _count("pile-head load cases", L.int(), 0, 100)
        loads = []
        for i in range(1, n + 1):
            _, t, l1, l2, axial, study = L.values("iirrri", [0, 0, 0.0, 0.0, 0.0, 1])
            if not 1 <= t <= 5:
                raise InputError(95, f"pile-head load case {i} has the loading type {t}, outside "
                                     f"the valid range of 1 to 5")
            loads.append(P.LoadCase(t, l1, l2, axial, study != 1))
        self.p.loads = loads
        m = L.int()
        if m <= 0:
            self.p.distributed_load = []
        else:
            _count("distributed lateral load points", m, 0, 50)
            self.p.distributed_load = [tuple(L.values("irr")[1:]) for _ in range(m)]
        # LOADING replaces the thrusts of an earlier AXIAL THRUST LOADS section.
        self.p.axial_thrusts = None

    def lrfd_loads(self) -> None:
        L = self.lines
        n = L.int()
        if not 1 <= n <= 100:
            raise InputError(98, f"number of LRFD loads specified is {n}; this is outside of the "
                                 f"valid range of 1 to 100")
        loads = []
        for g in range(1, n + 1):
            number, t, H, M, Pv, m = L.values("iirrri")
            if number != g:
                raise InputError(97, f"input appears to be out-of-order for LRFD loading: input "
                                     f"load number is {number} and the expected load number is {g}")
            if not 1 <= t <= 13:
                raise InputError(95, f"LRFD load {g} has the load type {t}, outside the valid "
                                     f"range of 1 to 13")
            if m != 0 and not 2 <= m <= 100:
                raise InputError(95, f"number of distributed load points for LRFD load number {g}"
                                     f" is outside of the valid range of 0 or 2 to 100: {m}")
            dist = []
            for j in range(1, m + 1):
                point, x, w = L.values("irr")
                if point != j:
                    raise InputError(96, f"input appears to be out-of-order for LRFD distributed "
                                         f"load {g}: point {point}, expected {j}")
                dist.append((x, w))
            loads.append(P.LrfdLoad(t, H, M, Pv, dist))
        self.p.lrfd_loads = loads

    def lrfd_factors(self) -> None:
        L = self.lines
        n = L.int()
        if not 1 <= n <= 100:
            raise InputError(94, f"number of LRFD load combinations outside of the valid range of"
                                 f" 1 to 100: {n}")
        combos = []
        for c in range(1, n + 1):
            v = L.values("i" + "r" * 15)
            name = L.text()
            comb = P.LrfdCombination(v[1:14], v[14], v[15], name)
            if sum(comb.factors) <= 0.0:
                raise InputError(72, f"all input load factors for LRFD analysis are zero "
                                     f"(combination {c})")
            combos.append(comb)
        self.p.lrfd_combinations = combos

    def soil_movements(self) -> None:
        self._need_options_first("SOIL MOVEMENTS")
        if not self.flags["soil_movement"]:
            return
        L = self.lines
        n = L.int()
        if not 2 <= n <= 100:
            raise InputError(53, f"number of lines specified for soil movement data = {n}; it "
                                 f"cannot be less than 2 or exceed 100")
        self.p.soil_movements = [tuple(L.values("irr")[1:]) for _ in range(n)]

    def py_modifiers(self) -> None:
        self._need_options_first("GROUP EFFECT FACTORS")
        L = self.lines
        n = L.int()
        if n <= 0:
            self.p.py_modifiers = []
            return
        _count("p-y modifier rows", n, 0, 80)
        self.p.py_modifiers = [tuple(L.values("irrr")[1:]) for _ in range(n)]

    def tip_shear(self) -> None:
        L = self.lines
        n = L.int()
        if n <= 0:
            self.p.tip_shear = []
            return
        _count("tip shear points", n, 0, 50)
        self.p.tip_shear = [tuple(L.values("irr")[1:]) for _ in range(n)]

    def batter(self) -> None:
        L = self.lines
        self.p.ground_slope = L.real()
        self.p.pile_batter = L.real()

    def py_depths(self) -> None:
        self._need_options_first("DEPTHS OF PRINTED P-Y CURVES")
        if not self.flags["py_curves"]:
            return
        L = self.lines
        n = L.int()
        _count("p-y output depths", n, 0, 100)
        self.p.py_output_depths = [L.values("ir")[1] for _ in range(n)]

    def axial_thrusts(self) -> None:
        L = self.lines
        n = L.int()
        if n <= 0:
            self.p.axial_thrusts = []
            return
        _count("axial thrusts", n, 0, 100)
        self.p.axial_thrusts = [L.values("ir")[1] for _ in range(n)]
