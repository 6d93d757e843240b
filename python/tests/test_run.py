"""run() on the soft clay example: the Result holds the numbers the engine's report prints."""


import matplotlib
import pytest

import orvane
from conftest import SOFT_CLAY

matplotlib.use("Agg")


def _printed_summary(report_text):
    """Rows of the report's summary of pile responses: case, head shear, axial load, head
    deflection, maximum moment, maximum shear, head rotation, each as (value, printed text)."""
    lines = report_text.splitlines()
    start = next(i for i, l in enumerate(lines) if "Summary of Pile Response(s)" in l)
    dashes = next(i for i in range(start, len(lines)) if lines[i].startswith("----  ----"))
    rows = []
    for line in lines[dashes + 1:]:
        if not line.strip():
            break
        f = line.split()
        # case, type, "V", "=", V, "M", "=", M, axial, deflection, Mmax, Vmax, rotation
        rows.append({"load_case": f[0], "head_shear": f[4], "head_deflection": f[9],
                     "max_moment": f[10], "max_shear": f[11], "head_rotation": f[12]})
    return rows


def _agrees(value, printed):
    """value equals the printed number to the printed precision (half a unit of its last
    digit)."""
    decimals = len(printed.split(".")[1]) if "." in printed else 0
    return abs(value - float(printed)) <= 0.5 * 10 ** -decimals * (1 + 1e-9)


@pytest.fixture(scope="module")
def soft_clay_run(orvane_exe, tmp_path_factory):
    out = tmp_path_factory.mktemp("soft-clay")
    return orvane.run(orvane.Problem.from_file(SOFT_CLAY), out_dir=out, orvane=orvane_exe)


def test_summary_equals_the_report(soft_clay_run):
    r = soft_clay_run
    assert r.ok and r.errors == []
    printed = _printed_summary(open(r.files["report"]).read())
    assert len(printed) == 4 == len(r.summary)
    for row, text in zip(r.summary.to_dict("records"), printed):
        assert row["load_case"] == int(text["load_case"])
        for column in ("head_shear", "head_deflection", "max_moment", "max_shear", "head_rotation"):
            assert _agrees(row[column], text[column]), (column, row[column], text[column])


def test_node_tables_per_load_case(soft_clay_run):
    r = soft_clay_run
    assert sorted(r.nodes) == [1, 2, 3, 4]
    for n, frame in r.nodes.items():
        # 300 increments: 301 nodes from the head (0 m) to the tip (30 m)
        assert len(frame) == 301
        assert frame["depth"].iloc[0] == 0.0 and frame["depth"].iloc[-1] == pytest.approx(30.0)
        summary = r.summary[r.summary["load_case"] == n].iloc[0]
        assert frame["deflection"].iloc[0] == pytest.approx(summary["head_deflection"], rel=1e-6)
        assert frame["moment"].abs().max() == pytest.approx(summary["max_moment"], rel=1e-6)
        # free head under a pure shear: the shear at the head is the applied load
        assert frame["shear"].iloc[0] == pytest.approx(summary["head_shear"], rel=1e-6)
    assert r.case(2)["converged"] is True
    assert r.case(2)["load_type"] == 1
    # an elastic pipe has no moment capacity: the ratio is missing, not zero
    assert r.summary["moment_capacity_ratio"].isna().all()
    assert r.case(2)["structural_state"]["moment_capacity_ratio"] is None


def test_py_curves_at_the_requested_depths(soft_clay_run):
    curves = soft_clay_run.py_curves
    assert sorted(curves["depth"].unique()) == [1.5, 6.0]
    for _, curve in curves.groupby("curve"):
        assert curve["y"].is_monotonic_increasing
        assert (curve["p"] >= 0.0).all() and curve["p"].iloc[-1] > 0.0


def test_engine_error_is_a_result_with_its_error(orvane_exe):
    # zero cohesion in soft clay: the engine refuses it at the first node of the layer
    p = orvane.Problem.from_file(SOFT_CLAY)
    p.layers[0].set(c=0.0)
    r = orvane.run(p, orvane=orvane_exe)
    assert not r.ok
    assert r.errors and r.errors[0].kind == "input"
    assert r.nodes == {} and r.summary.empty


def test_plot_draws_every_load_case(soft_clay_run):
    fig = orvane.plot(soft_clay_run)
    axes = fig.axes
    assert len(axes) == 4
    for ax in axes:
        assert len([l for l in ax.get_lines() if l.get_label().startswith("Load case")]) == 4
    assert "(m)" in axes[0].get_ylabel()
    assert axes[0].yaxis_inverted()


def test_plot_takes_the_colours_of_the_command_figures(soft_clay_run):
    # the palette of cli/svg_plot.cpp, read from its source, in its order
    import os
    import re
    source = open(os.path.join(os.path.dirname(__file__), "..", "..", "cli", "svg_plot.cpp")).read()
    table = re.search(r"k_Colours\[\] = \{(.*?)\};", source, re.S).group(1)
    assert tuple(re.findall(r'"(#[0-9a-f]{6})"', table)) == orvane.plotting.PALETTE
    fig = orvane.plot(soft_clay_run)
    colours = [matplotlib.colors.to_hex(l.get_color()) for l in fig.axes[0].get_lines()
               if l.get_label().startswith("Load case")]
    assert colours == list(orvane.plotting.PALETTE[:4])


def test_results_file_of_another_format_version_is_refused(soft_clay_run):
    import copy
    data = copy.deepcopy(soft_clay_run.data)
    data["format_version"] = 1
    with pytest.raises(ValueError, match="format version 1"):
        orvane.Result.from_json(data)
    assert orvane.Result.from_json(soft_clay_run.data).summary.equals(soft_clay_run.summary)


def test_a_failed_case_keeps_the_cases_before_it(orvane_exe):
    # the last load case raised far beyond what the pile carries: Runtime Error No. 9 in case 4
    p = orvane.Problem.from_file(SOFT_CLAY)
    p.loads[3].load1 = 25000.0
    r = orvane.run(p, orvane=orvane_exe)
    assert not r.ok and r.errors[0].number == 9 and "excess deflection limit" in r.errors[0].text
    assert r.failed_case == 4
    assert [c["status"] for c in r.cases] == ["converged"] * 3 + ["failed"]
    assert sorted(r.nodes) == [1, 2, 3] and len(r.nodes[1]) == 301
    assert list(r.summary["load_case"]) == [1, 2, 3]
    assert r.case(4)["head_values"]["shear"] == 25000.0
    table = orvane.run_many({"ramp": p}, workers=1, progress=False, orvane=orvane_exe)
    assert list(table["status"]) == ["ok", "ok", "ok", "runtime error"]
    assert list(table["load_case"]) == [1, 2, 3, 4]
    assert str(table["load_case"].dtype) == "Int64" and str(table["iterations"].dtype) == "Int64"
    assert table["error_number"].iloc[3] == 9 and table["iterations"].iloc[0] > 5
