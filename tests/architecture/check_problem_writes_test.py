"""The problem-writes check on small trees: each way of writing the problem after the input
stage is caught, reads and the input stage's own writes pass."""
import pathlib
import sys

import pytest

sys.path.insert(0, str(pathlib.Path(__file__).parent))
import check_problem_writes  # noqa: E402
from trees import write_tree  # noqa: E402

MODEL = """struct AnalysisModel {
    // ---- Run control ------------------------------------------------------------------
    int ErrorStatus;                                  // raised status
    // ---- Problem: pile and sections ---------------------------------------------------
    double PileLength;                                // (in | m)
    std::array<double, k_Max_Layers + 1> XLayerTop;   // depth of layer top
    // ---- Derived from the problem -----------------------------------------------------
    double rd_PileLengthAnalysed;
};
"""

SOUND = {
    "src/model/model.h": MODEL,
    "src/input/reader.cpp": "void R() {\n    AnalysisModel& m = g_Model;\n    m.PileLength = 3.0;\n"
                            "    m.XLayerTop[1] += 2.0;\n}\n",
    "src/solver/study.cpp": "void S() {\n    AnalysisModel& m = g_Model;\n"
                            "    m.rd_PileLengthAnalysed = m.PileLength;\n    m.ErrorStatus = 1;\n"
                            "    if (m.PileLength == 0.0 && &m.XLayerTop != nullptr) return;\n"
                            "    const double& top = m.XLayerTop[1];\n}\n"
                            "double T() {\n    const AnalysisModel& m = g_Model;\n"
                            "    const double* p = &m.XLayerTop[1];\n    return *p;\n}\n",
}


def faults(tmp_path, changes):
    write_tree(tmp_path, dict(SOUND, **changes))
    return check_problem_writes.faults(tmp_path)


def test_reads_and_the_input_stages_writes_pass(tmp_path):
    assert faults(tmp_path, {}) == []


WRITE = "void W() {\n    AnalysisModel& m = g_Model;\n    %s\n}\n"


@pytest.mark.parametrize("statement, fault", [
    ("m.PileLength = 1.0;", "writes the problem field PileLength"),
    ("m.XLayerTop[L + 1] = m.XLayerBottom[L];", "writes the problem field XLayerTop"),
    ("m.PileLength *= 12.0;", "writes the problem field PileLength"),
    ("++m.XLayerTop[2];", "writes the problem field XLayerTop"),
    ("g_Model.PileLength = 0.0;", "writes the problem field PileLength"),
    ("double* p = &m.XLayerTop[1];", "takes the address of the problem field XLayerTop"),
    ("double& top = m.XLayerTop[1];", "binds a reference to the problem field XLayerTop"),
    ("for (double& x : m.XLayerTop) x = 0;", "binds a reference to the problem field XLayerTop"),
])
def test_a_write_after_the_input_stage_is_caught(tmp_path, statement, fault):
    found = faults(tmp_path, {"src/pile/discretization.cpp": WRITE % statement})
    assert len(found) == 1
    assert found[0].startswith("src/pile/discretization.cpp:3: ") and fault in found[0]


def test_a_model_without_problem_blocks_is_refused(tmp_path):
    found = faults(tmp_path, {"src/model/model.h": MODEL.replace("Problem: ", "")})
    assert found == ['src/model/model.h: no "Problem: ..." block declares a field']
