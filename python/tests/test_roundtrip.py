"""Problem.from_file and the writer against the engine's reader: a file read back and written
again is read by the engine identically. The oracle is the engine itself: its report, plot,
message and moment-curvature files of the original and of the rewritten file are the same,
apart from the date and time and the folder the files were in."""

import re
import shutil

import pytest

import orvane
from conftest import DATA, EXAMPLES, run_engine

FIXTURES = EXAMPLES + sorted(DATA.glob("*.lp"))


def _outputs(folder, stem, progress=True):
    """The engine's output files of a run, each with the lines that name the date, time or
    folder dropped (and without progress, the progress lines of the sections read)."""
    files = {}
    for f in sorted(folder.iterdir()):
        if not f.name.startswith(stem + "-"):
            continue
        lines = f.read_text(encoding="latin-1").splitlines()
        files[f.name] = [l for l in lines
                         if "Date:" not in l and "Path to file locations" not in l
                         and (progress or not l.startswith("Reading "))]
    return files


def _engine_reads_alike(exe, original_path, rewritten_text, tmp_path, progress=True):
    stem = original_path.stem
    a, b = tmp_path / "original", tmp_path / "rewritten"
    a.mkdir(parents=True)
    b.mkdir(parents=True)
    shutil.copy(original_path, a / original_path.name)
    (b / original_path.name).write_text(rewritten_text, encoding="utf-8")
    code_a = run_engine(exe, a / original_path.name, a)
    code_b = run_engine(exe, b / original_path.name, b)
    assert code_a == code_b
    assert code_a in (0, 1, 3)   # an ending of the engine, never a crash of the command
    out_a, out_b = _outputs(a, stem, progress), _outputs(b, stem, progress)
    assert sorted(out_a) == sorted(out_b)
    assert len(out_a) >= 3   # report, plot and message file at least
    for name in out_a:
        assert out_a[name] == out_b[name], name


@pytest.mark.parametrize("path", FIXTURES, ids=[p.name for p in FIXTURES])
def test_rewritten_file_is_read_by_the_engine_identically(orvane_exe, path, tmp_path):
    problem = orvane.Problem.from_file(path)
    refused = None
    try:
        problem.check(orvane=orvane_exe)
    except orvane.InputError as e:
        refused = e.number
    _engine_reads_alike(orvane_exe, path, problem.to_text(check=False), tmp_path)
    # the check refuses exactly what a run ends with an input error (the frozen soil layer of
    # every-soil-type.lp, which has no p-y criterion, is Input Data Error No. 78)
    report = (tmp_path / "original" / f"{path.stem}-report.txt").read_text(encoding="latin-1")
    ended = re.search(r"The analysis ended due to input error No\. (\d+)\.", report)
    assert refused == (int(ended.group(1)) if ended else None)


@pytest.mark.parametrize("path", FIXTURES, ids=[p.name for p in FIXTURES])
def test_read_write_read_gives_the_same_problem(path):
    problem = orvane.Problem.from_file(path)
    again = orvane.Problem.from_text(problem.to_text(check=False), name=problem.name)
    assert again == problem


def _free_format_variant(text):
    """The soft clay example written the way a hand or another program may write it: commas
    and tabs between values, a data line spread over two lines with a blank line between, Fortran
    D exponents, trailing blanks, CR-LF line ends, a label in quotes and a null value."""
    out = []
    for line in text.splitlines():
        if line == "1  0.0  30.0":
            line = "1,\t0.0,\n\n30.0"           # the layer line over three lines
        elif line.startswith("6.0  12.0"):
            line = "6.0, 12.0,, 99.0"             # a null value: the fresh value 0 stays
        elif line == "Tolerance 1.0E-5":
            line = "'Tolerance' 1.0D-5"
        elif line == "2.0E+8":
            line = "2.0d8   ignored"
        elif line.startswith("4  1  250.0"):
            line = "4 , 1 , 250.0 , 0.0 , 0.0 , 1"
        out.append(line + "   ")
    return "\r\n".join(out) + "\r\n"


def test_free_format_forms_are_read_as_the_engine_reads_them(orvane_exe, tmp_path):
    from conftest import SOFT_CLAY
    variant = tmp_path / "in" / SOFT_CLAY.name
    variant.parent.mkdir()
    variant.write_bytes(_free_format_variant(SOFT_CLAY.read_text()).encode())
    problem = orvane.Problem.from_file(variant)
    # the null value kept the fresh 0, the value after it is ignored (three values per line)
    assert problem.layers[0].values["e50"] == (0.0, 0.0)
    assert problem.options.tolerance == 1.0e-5
    _engine_reads_alike(orvane_exe, variant, problem.to_text(check=False), tmp_path / "run")
    # the same problem as the example as written
    assert problem == orvane.Problem.from_file(SOFT_CLAY)


def test_built_problem_reads_back_as_built():
    """A problem built in Python with every kind of section item and soil value writes a file
    that reads back to the same problem."""
    from orvane import problem as P
    p = orvane.Problem.from_file(DATA / "every-section-type.lp")
    p.sections.append(orvane.UserMEIPile(5.0, 30.0, [orvane.MEICurve(0.0, [(1e6, 2e10), (3e6, 1e10)])]))
    p.sections.append(orvane.Micropile(4.0, 9.0, 4000.0, bar_diameter=3.0, bar_yield_stress=75000.0,
                                       bar_modulus=29e6))   # no casing
    p.sections.append(orvane.CasedShaftWithCore(5.0, 48.0, 0.5, 36000.0, 29e6, 20.0, 0.5, 50000.0,
                                                29e6, orvane.Concrete(5000.0, 0.75, None,
                                                                      [(0.0, 0.0), (0.002, 5000.0)]),
                                                orvane.RebarCircle(60000.0, 29e6, 10, 2, 1.0, 0.79,
                                                                   3.0), core_filled=True))
    soil = orvane.Problem.from_file(DATA / "every-soil-type.lp")
    p.layers = soil.layers
    p.title = ["Built in Python"]
    again = orvane.Problem.from_text(p.to_text(check=False))
    p.title = p.title + [""] * 4
    assert again == p
    assert {type(s).__name__ for s in again.sections} >= {
        "RectangularPile", "CasedShaft", "CasedShaftWithCore", "CircularPrestressed",
        "SquarePrestressed", "OctagonalPrestressed", "ElasticPile", "ElasticPlasticPile",
        "UserMEIPile", "Micropile"}
    assert sorted({l.soil_type for l in again.layers}) == list(range(1, 21))
    assert P.fmt_real(0.1) == "0.1" and float(P.fmt_real(1 / 3)) == 1 / 3


def _edit(old, new):
    return lambda text: text.replace(old, new, 1)


SOFT_CLAY_TEXT = (EXAMPLES[0].parent / "pipe-pile-soft-clay.lp").read_text()
LOADING_2 = "LOADING\n1\n1  1  80.0  0.0  0.0  1\n0\n"

# Forms of the input data file the engine reads in its own way; the engine is the oracle.
READER_EDGES = [
    ("byte-order mark and blank lines before the tag", lambda t: "\ufeff\n\n  " + t),
    ("keyword with trailing blanks", _edit("OPTIONS\n", "OPTIONS   \n")),
    ("a second LOADING replaces the first", _edit("DEPTHS OF", LOADING_2 + "DEPTHS OF")),
    ("AXIAL THRUST LOADS before LOADING is replaced by it",
     _edit("LOADING\n", "AXIAL THRUST LOADS\n2\n1  10.0\n2  5.0\nLOADING\n")),
    ("AXIAL THRUST LOADS after LOADING", _edit("END", "AXIAL THRUST LOADS\n2\n1  10.0\n2  5.0\nEND")),
    ("GROUPEFF alias", _edit("DEPTHS OF", "GROUPEFF\n2\n1  0.0  0.7  1.0\n2  30.0  0.9  1.0\nDEPTHS OF")),
    ("DEPTHS section without its option",
     _edit("PrintPYCurves YES\n", "PrintPYCurves NO\n")),
    ("tolerance label in quotes and text past the values", _edit("Tolerance 1.0E-5", "\"Tol\" 1.0E-5 tolerance")),
    ("text beyond column 256", _edit("Increments 300", "Increments 300" + " " * 250 + "x")),
    ("end in lower case", _edit("\nEND", "\nend")),
    ("file ends before END", lambda t: t.replace("END\n", "")),
    ("loading type in the wrong columns", _edit("Loading STATIC", "Loading  STATIC")),
    ("cycles in columns 15 to 20", _edit("Loading STATIC", "Loading CYCLIC  25.5")),
    ("an integer written as a real", _edit("Increments 300", "Increments 300.0")),
]


@pytest.mark.parametrize("name,edit", READER_EDGES, ids=[e[0] for e in READER_EDGES])
def test_reader_follows_the_engine_on_edge_forms(orvane_exe, tmp_path, name, edit):
    import re
    import subprocess
    path = tmp_path / "in" / "edge.lp"
    path.parent.mkdir()
    path.write_bytes(edit(SOFT_CLAY_TEXT).encode("utf-8"))
    try:
        problem = orvane.Problem.from_file(path)
    except orvane.InputError as refused:
        out = subprocess.run([orvane_exe, str(path), "--out-dir", str(tmp_path)],
                             capture_output=True, text=True).stdout
        m = re.search(r"ended due to input error No\. (\d+)", out)
        assert m and int(m.group(1)) == refused.number, out
        return
    # A section that a later one replaces is not written again: the engine's progress lines
    # of the sections it reads may differ, nothing else.
    replaced = "replace" in name
    _engine_reads_alike(orvane_exe, path, problem.to_text(check=False), tmp_path / "run",
                        progress=not replaced)
