"""run_many: worker processes and a dask LocalCluster give what a serial loop gives, failures
are listed beside the successes, and orvane-batch writes its summary and per-case outputs."""

import os
import signal

import pandas as pd
import pytest

import orvane
from orvane.batch_cli import main as batch_main
from conftest import SOFT_CLAY


def _variants(n):
    """n variants of the soft clay example: pile-head shears and cohesions varied."""
    base = orvane.Problem.from_file(SOFT_CLAY)
    cases = {}
    for k in range(n):
        p = base.copy()
        p.loads = [orvane.ShearMoment(50.0 + 10.0 * k), orvane.ShearMoment(120.0 + 5.0 * k, 20.0)]
        p.layers[0].set(c=(10.0 + 0.25 * k, 40.0 + k))
        cases[f"v{k:02d}"] = p
    return cases


def _serial(cases, exe):
    rows = []
    for name, p in cases.items():
        r = orvane.run(p, orvane=exe)
        assert r.ok
        for rec in r.summary.to_dict("records"):
            rows.append({"case": name, **rec})
    # the study table keeps load case numbers as integers beside the empty cells of failures
    return pd.DataFrame(rows).astype({"load_case": "Int64"})


SUMMARY = ["case", "load_case", "head_shear", "head_deflection", "max_moment", "max_shear",
           "head_rotation"]


@pytest.fixture(scope="module")
def forty(orvane_exe):
    cases = _variants(40)
    return cases, _serial(cases, orvane_exe)


def test_two_workers_give_the_serial_summaries(orvane_exe, forty):
    cases, serial = forty
    table = orvane.run_many(cases, workers=2, orvane=orvane_exe, progress=False)
    assert (table["status"] == "ok").all()
    assert len(table) == 80
    pd.testing.assert_frame_equal(table[SUMMARY].reset_index(drop=True), serial[SUMMARY])


@pytest.fixture(scope="module")
def cluster():
    from distributed import LocalCluster
    with LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                      dashboard_address=None) as c:
        yield c


def test_local_cluster_gives_the_serial_summaries(orvane_exe, forty, cluster):
    from distributed import Client
    cases, serial = forty
    with Client(cluster) as client:
        table = orvane.run_many(cases, client=client, orvane=orvane_exe, progress=False)
    assert (table["status"] == "ok").all()
    pd.testing.assert_frame_equal(table[SUMMARY].reset_index(drop=True), serial[SUMMARY])


def test_failing_cases_are_listed_and_the_rest_complete(orvane_exe):
    cases = _variants(6)
    cases["v01"].layers[0].set(c=0.0)            # the engine refuses it (zero cohesion)
    cases["v03"].options.increments = 10         # refused in Python before a run (No. 55)
    table = orvane.run_many(cases, workers=2, orvane=orvane_exe, progress=False)
    status = table.groupby("case")["status"].first()
    assert status["v01"] == "input error"
    assert status["v03"] == "refused"
    assert table.loc[table["case"] == "v03", "error_number"].iloc[0] == 55
    assert "Input Data Error No. 55" in table.loc[table["case"] == "v03", "error"].iloc[0]
    assert table.loc[table["case"] == "v01", "error"].iloc[0]
    ok = table[table["status"] == "ok"]
    assert sorted(ok["case"].unique()) == ["v00", "v02", "v04", "v05"]
    assert len(ok) == 8 and ok["max_moment"].notna().all()
    # order of the table is the order of the cases
    assert list(table["case"].drop_duplicates()) == list(cases)


def test_batch_command_expands_a_study_table(orvane_exe, tmp_path, capsys):
    study = tmp_path / "study.csv"
    study.write_text("case,sections[0].length,layers[0].c.bottom,loads[3].load1,options.increments\n"
                     "short,25.0,40.0,200.0,250\n"
                     "long,30.0,45.0,,300\n"
                     "bad,30.0,45.0,250.0,20\n")
    out = tmp_path / "out"
    code = batch_main([str(study), "--template", str(SOFT_CLAY), "--out-dir", str(out),
                       "--workers", "2", "--orvane", orvane_exe, "--no-progress"])
    assert code == 1   # one case failed
    summary = pd.read_csv(out / "summary.csv")
    assert list(summary.columns[:5]) == ["case", "sections[0].length", "layers[0].c.bottom",
                                         "loads[3].load1", "options.increments"]
    status = summary.groupby("case")["status"].first()
    assert status["short"] == "ok" and status["long"] == "ok" and status["bad"] == "refused"
    short = summary[summary["case"] == "short"]
    assert list(short["head_shear"]) == [50.0, 100.0, 175.0, 200.0]
    # the empty cell kept the template's 250 kN
    assert list(summary[summary["case"] == "long"]["head_shear"])[-1] == 250.0
    written = orvane.Problem.from_file(out / "short" / "short.lp")
    assert written.sections[0].length == 25.0 and written.options.increments == 250
    assert written.layers[0].values["c"] == (12.0, 40.0)
    assert (out / "short" / "short-report.txt").exists()
    assert (out / "long" / "long-results.json").exists()
    assert "2 of 3 cases ended normally" in capsys.readouterr().out


def test_apply_parameters_refuses_an_unknown_path():
    base = orvane.Problem.from_file(SOFT_CLAY)
    with pytest.raises(KeyError):
        orvane.apply_parameters(base, {"sections[0].lenght": 3.0})
    with pytest.raises(KeyError):
        orvane.apply_parameters(base, {"layers[0].phi": 30.0})   # soft clay has no phi


def test_cases_of_the_same_name_are_kept_apart(orvane_exe, tmp_path):
    p = orvane.Problem.from_file(SOFT_CLAY)
    twin = p.copy(name="a b")
    table = orvane.run_many([p, p, twin, p.copy(name="a_b")], workers=1, orvane=orvane_exe,
                            out_dir=str(tmp_path), progress=False)
    names = list(table["case"].drop_duplicates())
    assert names == ["pipe-pile-soft-clay", "pipe-pile-soft-clay-2", "a b", "a_b-2"]
    # each case has its own folder of outputs ("a b" and "a_b" would share one otherwise)
    assert sorted(d.name for d in tmp_path.iterdir()) == [
        "a_b", "a_b-2", "pipe-pile-soft-clay", "pipe-pile-soft-clay-2"]
    assert (table["status"] == "ok").all()


def test_batch_command_runs_on_a_scheduler(orvane_exe, tmp_path, cluster):
    study = tmp_path / "study.csv"
    study.write_text("layers[0].c.top,loads[0].load1\n10.0,60.0\n14.0,70.0\n")
    out = tmp_path / "out"
    code = batch_main([str(study), "--template", str(SOFT_CLAY), "--out-dir", str(out),
                       "--scheduler", cluster.scheduler_address, "--orvane", orvane_exe,
                       "--no-progress"])
    assert code == 0
    summary = pd.read_csv(out / "summary.csv")
    assert list(summary["case"].unique()) == ["case-1", "case-2"]
    assert list(summary[summary["load_case"] == 1]["head_shear"]) == [60.0, 70.0]
    assert (out / "case-2" / "case-2-report.txt").exists()


@pytest.mark.parametrize("n, workers, groups", [
    (1, 2, 1), (6, 2, 6), (8, 2, 8), (9, 2, 5), (40, 2, 8), (200, 2, 8), (7, 16, 7), (0, 2, 0)])
def test_cases_go_to_the_workers_in_groups_that_cover_each_once_in_order(n, workers, groups):
    from orvane.batch import _chunks
    names = [f"c{i}" for i in range(n)]
    chunks = _chunks(names, workers)
    assert len(chunks) == groups
    assert [name for chunk in chunks for name in chunk] == names


def test_a_failing_case_in_a_group_leaves_its_neighbours_alone(orvane_exe):
    # 20 cases on 2 workers run in groups of 3: v03 and v04 share a group with v05
    cases = _variants(20)
    cases["v03"].layers[0].set(c=0.0)            # the engine refuses it
    cases["v04"].options.increments = 10         # refused in Python before a run
    table = orvane.run_many(cases, workers=2, orvane=orvane_exe, progress=False)
    status = table.groupby("case")["status"].first()
    assert status["v03"] == "input error" and status["v04"] == "refused"
    assert (status.drop(["v03", "v04"]) == "ok").all()
    assert list(table["case"].drop_duplicates()) == list(cases)


class _KillsItsWorker(orvane.Problem):
    """A problem whose run takes down the worker process that runs it, as a crash of the engine
    library would: the worker writes its input data file first, and that kills it."""

    def to_text(self, *args, **kwargs):
        if os.getpid() != _STUDY_PROCESS:
            os.kill(os.getpid(), signal.SIGKILL)
        return super().to_text(*args, **kwargs)


_STUDY_PROCESS = os.getpid()


def test_a_case_that_kills_its_worker_is_failed_and_the_others_complete(orvane_exe):
    cases = _variants(10)
    crashing = _KillsItsWorker.from_file(SOFT_CLAY)
    crashing.__class__ = _KillsItsWorker
    cases["v04"] = crashing
    table = orvane.run_many(cases, workers=2, orvane=orvane_exe, progress=False)
    status = table.groupby("case")["status"].first()
    assert status["v04"] == "failed"
    assert "died" in table.loc[table["case"] == "v04", "error"].iloc[0]
    assert (status.drop("v04") == "ok").all()
    assert list(table["case"].drop_duplicates()) == list(cases)


def test_in_process_and_command_give_the_same_results(orvane_exe):
    # every example through the engine library and through the orvane command: one document
    from conftest import EXAMPLES
    from orvane.library import load
    if load(orvane_exe) is None:
        pytest.skip("no engine library to load in this process (ORVANE_IN_PROCESS=0)")
    for path in EXAMPLES:
        problem = orvane.Problem.from_file(path)
        in_process = orvane.run(problem, orvane=orvane_exe, check=False, in_process=True)
        command = orvane.run(problem, orvane=orvane_exe, check=False, in_process=False)
        assert in_process.data == command.data, path.name
