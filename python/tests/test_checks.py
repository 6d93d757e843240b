"""The checks of a Problem, table-driven: each bad value is refused by Problem.check(), which asks
the engine's own check (orvane --check), with the error number and the words of the engine's
message, and a run of the engine on the same file unchecked ends with that very number: the check
and the run cannot drift apart."""

import re
import subprocess

import pytest

import orvane
from orvane import problem as P
from conftest import DATA, REPO

EX = REPO / "examples"


def soft_clay():
    return orvane.Problem.from_file(EX / "pipe-pile-soft-clay.lp")


def shaft():
    return orvane.Problem.from_file(EX / "drilled-shaft-clay-sand-si.lp")


def sand_us():
    return orvane.Problem.from_file(EX / "pipe-pile-sand.lp")


def lrfd():
    return orvane.Problem.from_file(EX / "harbour-pipe-pile-lrfd.lp")


def sections_us():
    return orvane.Problem.from_file(DATA / "every-section-type.lp")


def stiffness_study():
    return orvane.Problem.from_file(EX / "pipe-pile-stiffness-length-study.lp")


def families():
    return orvane.Problem.from_file(EX / "section-families-ei-only.lp")


def _set(obj, **kw):
    for k, v in kw.items():
        setattr(obj, k, v)


def _cased(p):
    s = p.sections[0]
    p.sections[0] = P.CasedShaft(s.length, s.diameter, 700.0, 240000.0, 2.0e8, s.concrete, s.rebar)


# (name, base, change, Input Data Error number, words the message holds)
CASES = [
    ("iterations below 30", soft_clay, lambda p: _set(p.options, max_iterations=29), 95, "less than 30"),
    ("iterations above 1000", soft_clay, lambda p: _set(p.options, max_iterations=1001), 95, "more than 1,000"),
    ("SI tolerance too large", soft_clay, lambda p: _set(p.options, tolerance=0.01), 68, "too large"),
    ("SI tolerance too small", soft_clay, lambda p: _set(p.options, tolerance=1e-30), 67, "too small"),
    ("US tolerance too large", sand_us, lambda p: _set(p.options, tolerance=0.2), 66, "too large"),
    ("too few increments", soft_clay, lambda p: _set(p.options, increments=39), 55, "less than 40"),
    ("too many increments", soft_clay, lambda p: _set(p.options, increments=501), 56, "more than 500"),
    ("interaction code in lower case", soft_clay, lambda p: _set(p.options, interaction_code="aci318"), 95, "interaction code"),
    ("21 pile sections", soft_clay, lambda p: _set(p, sections=p.sections * 21), 95, "pile sections"),
    ("4 bars per group", shaft, lambda p: _set(p.sections[0].rebar, bars_per_group=4), 95, "bars per group"),
    ("303 bars", shaft, lambda p: _set(p.sections[0].rebar, groups=101, bars_per_group=3), 95, "bars of section 1"),
    ("strand pattern 3", sections_us, lambda p: _set(p.sections[3].strands, pattern=3), 95, "strand pattern"),
    ("soil type 21", soft_clay, lambda p: _set(p.layers[0], soil_type=21, values={}), 95, "soil type number 21"),
    ("41 soil layers", soft_clay, lambda p: _set(p, layers=[P.SoftClay(k * 0.75, (k + 1) * 0.75, 6.0, 12.0, 0.0) for k in range(41)]), 95, "soil layers"),
    ("user p-y curve of 30 points", soft_clay, lambda p: _set(p, layers=[P.UserPY(0.0, 30.0, 6.0, [(0.01 * j, j) for j in range(30)], [(0.0, 0.0), (0.1, 10.0)])]), 95, "user-input p-y curve"),
    ("loading type 6", soft_clay, lambda p: _set(p.loads[0], load_type=6), 95, "loading type 6"),
    ("101 load cases", soft_clay, lambda p: _set(p, loads=p.loads * 26), 95, "load cases"),
    ("51 distributed load points", soft_clay, lambda p: _set(p, distributed_load=[(0.5 * j, 1.0) for j in range(51)]), 95, "distributed lateral load points"),
    ("no LRFD loads", lrfd, lambda p: _set(p, lrfd_loads=[]), 98, "LRFD loads"),
    ("LRFD load type 14", lrfd, lambda p: _set(p.lrfd_loads[0], load_type=14), 95, "load type 14"),
    ("LRFD load of one distributed point", lrfd, lambda p: _set(p.lrfd_loads[0], distributed=[(0.0, 1.0)]), 95, "0 or 2 to 100"),
    ("LRFD combination without factors", lrfd, lambda p: _set(p.lrfd_combinations[1], factors=[0.0] * 13), 72, "zero"),
    ("LRFD combination name too long", lrfd, lambda p: _set(p.lrfd_combinations[0], name="x" * 257), 88, "256"),
    ("one soil movement point", lrfd, lambda p: _set(p, soil_movements=[(0.0, 1.0)]), 53, "soil movement"),
    ("p-y depths with PrintPYCurves NO", soft_clay, lambda p: _set(p.options, print_py_curves=False), 99, "not what the reader expects here"),
    ("81 p-y modifier rows", soft_clay, lambda p: _set(p, py_modifiers=[(0.25 * j, 1.0, 1.0) for j in range(81)]), 95, "p-y modifier rows"),
    ("51 tip shear points", soft_clay, lambda p: _set(p, tip_shear=[(0.01 * j, j) for j in range(51)]), 95, "tip shear points"),
    ("cyclic loading of 1 cycle", soft_clay, lambda p: _set(p.options, cyclic=True, cycles=1), 28, "cycles"),
    ("tip shear not starting at 0", soft_clay, lambda p: _set(p, tip_shear=[(0.01, 0.0), (0.02, 5.0)]), 50, "point 1"),
    ("tip shear deflections not rising", soft_clay, lambda p: _set(p, tip_shear=[(0.0, 0.0), (0.02, 5.0), (0.02, 6.0)]), 50, "point 3"),
    ("p-y depth below the tip", soft_clay, lambda p: _set(p, py_output_depths=[1.5, 31.0]), 30, "below the pile tip"),
    ("p-y depth above the head", soft_clay, lambda p: _set(p, py_output_depths=[-1.0]), 29, "above the ground"),
    ("pile section of length 0", soft_clay, lambda p: _set(p.sections[0], length=0.0), 84, "length"),
    ("elastic modulus 0", soft_clay, lambda p: _set(p.sections[0], modulus=0.0), 85, "modulus of elasticity"),
    ("elastic width 0", soft_clay, lambda p: _set(p.sections[0].shape, top_diameter=0.0), 27, "diameter"),
    ("soil profile above the tip", soft_clay, lambda p: _set(p.layers[0], bottom=25.0), 18, "tip of the pile"),
    ("negative unit weight", soft_clay, lambda p: p.layers[0].set(gamma=(6.0, -1.0)), 87, "negative effective unit weight"),
    ("p-multiplier depth above the ground", soft_clay, lambda p: (_set(p.layers[0], top=1.0), _set(p, py_modifiers=[(0.5, 0.8, 1.0), (30.0, 0.8, 1.0)])), 21, "p-multiplier"),
    ("user p-y curve not at y = 0", soft_clay, lambda p: _set(p, layers=[P.UserPY(0.0, 30.0, 6.0, [(0.01, 0.0), (0.1, 10.0)], [(0.0, 0.0), (0.1, 10.0)])]), 95, "not usable"),
    ("casing wall of more than half the diameter", shaft, _cased, 81, "casing wall"),
    # the section checks hold in every kind of run: this one asks for the stiffness matrix and
    # the length study, where a check of its own once let the pipe pass
    ("pipe wall of half the diameter in a stiffness run", stiffness_study, lambda p: _set(p.sections[0], thickness=12.5), 81, "wall"),
    ("concrete strength 0", shaft, lambda p: _set(p.sections[0].concrete, strength=0.0), 82, "concrete compressive strength"),
    ("concrete strength in MPa", shaft, lambda p: _set(p.sections[0].concrete, strength=30.0), 83, "too low"),
    ("bar yield stress 0", shaft, lambda p: _set(p.sections[0].rebar, yield_stress=0.0), 82, "bar yield stress"),
    ("cage offset out of the shaft", shaft, lambda p: _set(p.sections[0].rebar, cage_offset=300.0), 80, "outside the section"),
    ("bar listed outside the pile", sections_us, lambda p: _set(p.sections[0].rebar.bars[0], x=9.5), 80, "Bar 1 of section 1"),
    ("plastic moment 0", families, lambda p: _set(p.sections[5], plastic_moment_top=0.0), 86, "plastic moment"),
    ("user M-EI stiffness 0", families, lambda p: p.sections[6].curves[0].points.__setitem__(1, (2.0e7, 0.0)), 86, "bending stiffness"),
]


def _engine_error(exe, problem, tmp_path, path=None):
    if path is None:
        path = tmp_path / "case.lp"
        # unchecked, as the writer would write it (a line too long for the engine included)
        path.write_text("".join(line + "\n" for line in P._write_lines(problem)))
    proc = subprocess.run([exe, str(path), "--out-dir", str(tmp_path)], capture_output=True, text=True)
    m = re.search(r"ended due to input error No\. (\d+)", proc.stdout)
    return int(m.group(1)) if m else None


@pytest.mark.parametrize("name,base,change,number,words", CASES, ids=[c[0] for c in CASES])
def test_bad_value_is_refused_as_the_engine_refuses_it(orvane_exe, tmp_path, name, base, change,
                                                        number, words):
    problem = base()
    problem.check()   # the base problem passes
    change(problem)
    with pytest.raises(orvane.InputError) as refused:
        problem.check()
    assert refused.value.number == number
    assert words in str(refused.value)
    assert f"Input Data Error No. {number}" in str(refused.value)
    assert _engine_error(orvane_exe, problem, tmp_path) == number


# Values this package refuses although the engine would read on: they cannot be written so that
# the engine reads what the Problem says.
WRITING = [
    ("a title line beyond 256 characters", lambda p: _set(p, title=["t" * 300])),
    ("a real where an integer belongs", lambda p: _set(p.options, increments=100.5)),
    ("a number that is not finite", lambda p: _set(p.loads[0], load1=float("nan"))),
    ("cycles that do not fit six columns", lambda p: _set(p.options, cycles=1234.567)),
    ("six title lines", lambda p: _set(p, title=["a"] * 6)),
    ("a value a soil type does not have", lambda p: p.layers[0].values.__setitem__("phi", (1.0, 1.0))),
]


@pytest.mark.parametrize("name,change", WRITING, ids=[c[0] for c in WRITING])
def test_values_that_cannot_be_written_are_refused(name, change):
    problem = soft_clay()
    change(problem)
    with pytest.raises(orvane.InputError):
        problem.to_text(check=False)


def test_reader_and_check_refuse_what_the_engine_refuses(orvane_exe, tmp_path):
    # a file the Python reader cannot represent is refused while it is read; one it reads is
    # refused by the engine's check, with the engine's number either way
    text = (EX / "pipe-pile-soft-clay.lp").read_text()
    bad = tmp_path / "bad.lp"
    for old, new, number in [("Increments 300", "Increments 30", 55),
                             ("Units SI", "units SI", 99),
                             ("1  1   50.0", "1  1   5O.0", 99),
                             ("END", "end", 99)]:
        bad.write_text(text.replace(old, new, 1))
        with pytest.raises(orvane.InputError) as refused:
            orvane.Problem.from_file(bad).check(orvane=orvane_exe)
        assert refused.value.number == number, old
        assert _engine_error(orvane_exe, None, tmp_path, bad) == number, old


# Text the engine's reader refuses at its line, each a small change of the soft clay example:
# (name, text replaced, replacement, Input Data Error number, line, words of the message). The
# command's check and Problem.from_file must give the same number, and a run must end with it.
UNREADABLE = [
    ("decimal comma in the pile length", "\n30.0\n", "\n27,5\n", 99, 29, "27,5"),
    ("decimal comma among blank-separated values", "1  1   50.0  0.0", "1  1   50,5  0.0", 99, 45, "50,5"),
    ("misspelled option word", "UseTipShear NO", "UseTipShaer NO", 95, 12, '"UseTipShear YES" or "UseTipShear NO"'),
    ("unit system in lower case", "Units SI", "Units si", 99, 9, '"Units GENERAL"'),
    ("loading type misspelled", "Loading STATIC", "Loading STATC", 95, 16, '"Loading CYCLIC"'),
    ("unit glued to a number", "\n30.0\n", "\n30.0m\n", 99, 29, "30.0m"),
]


@pytest.mark.parametrize("name,old,new,number,line,words", UNREADABLE, ids=[c[0] for c in UNREADABLE])
def test_unreadable_text_is_refused_at_its_line_by_the_command_and_python(orvane_exe, tmp_path, name, old,
                                                                           new, number, line, words):
    text = (EX / "pipe-pile-soft-clay.lp").read_text()
    assert old in text
    bad = tmp_path / "bad.lp"
    bad.write_text(text.replace(old, new, 1))
    proc = subprocess.run([orvane_exe, "--check", str(bad)], capture_output=True, text=True)
    assert proc.returncode == 1
    assert proc.stdout.startswith(f"{bad}:{line}: The problem would be refused with input error No. {number}.")
    assert words in proc.stdout
    with pytest.raises(orvane.InputError) as refused:
        orvane.Problem.from_file(bad, orvane=orvane_exe)
    assert refused.value.number == number and f"line {line}" in str(refused.value)
    assert _engine_error(orvane_exe, None, tmp_path, bad) == number
