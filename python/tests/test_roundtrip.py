"""Problem.from_file and the writer against the engine's reader: a file read back and written
again is read by the engine identically. The oracle is the engine itself: its report, plot,
message and moment-curvature files of the original and of the rewritten file are the same,
apart from the date and time and the folder the files were in."""

import shutil

import pytest

import orvane
from conftest import DATA, EXAMPLES, run_engine

FIXTURES = EXAMPLES + sorted(DATA.glob("*.lp"))


def _outputs(folder, stem):
    """The engine's output files of a run, each with the lines that name the date, time or
    folder dropped."""
    files = {}
    for f in sorted(folder.iterdir()):
        if not f.name.startswith(stem + "-"):
            continue
        lines = f.read_text(encoding="latin-1").splitlines()
        files[f.name] = [l for l in lines
                         if "Date:" not in l and "Path to file locations" not in l]
    return files


def _engine_reads_alike(exe, original_path, rewritten_text, tmp_path):
    stem = original_path.stem
    a, b = tmp_path / "original", tmp_path / "rewritten"
    a.mkdir(parents=True)
    b.mkdir(parents=True)
    shutil.copy(original_path, a / original_path.name)
    (b / original_path.name).write_text(rewritten_text, encoding="utf-8")
    code_a = run_engine(exe, a / original_path.name, a)
    code_b = run_engine(exe, b / original_path.name, b)
    assert code_a == code_b
    out_a, out_b = _outputs(a, stem), _outputs(b, stem)
    assert sorted(out_a) == sorted(out_b)
    assert len(out_a) >= 3   # report, plot and message file at least
    for name in out_a:
        assert out_a[name] == out_b[name], name


@pytest.mark.parametrize("path", FIXTURES, ids=[p.name for p in FIXTURES])
def test_rewritten_file_is_read_by_the_engine_identically(orvane_exe, path, tmp_path):
    problem = orvane.Problem.from_file(path)
    _engine_reads_alike(orvane_exe, path, problem.to_text(check=False), tmp_path)


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
        "UserMEIPile"}
    assert sorted({l.soil_type for l in again.layers}) == list(range(1, 21))
    assert P.fmt_real(0.1) == "0.1" and float(P.fmt_real(1 / 3)) == 1 / 3
