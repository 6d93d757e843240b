"""The layer check on small trees: each fault it exists to catch is caught, a sound tree passes."""
import pathlib
import sys

import pytest

sys.path.insert(0, str(pathlib.Path(__file__).parent))
import check_layers  # noqa: E402
from trees import write_tree  # noqa: E402

TABLE = """# Architecture

## Layers, bottom up

| Layer | Folder / files | Owns | May include |
|---|---|---|---|
| interface | `engine/orvane.h` | the C interface | nothing |
| model | `src/model/` | the model | above |
| writers | `report/plot_file` | plot records | above |
| curves | `src/py/` | p-y curves | above |
| run | `engine/run*` | the run | everything |
| driver | `cli/` | the command | `engine/orvane.h` |

## Next
"""

SOUND = {
    "src/engine/orvane.h": "",
    "src/model/model.h": "",
    "src/model/model.cpp": '#include "model/model.h"\n#include "engine/orvane.h"\n',
    "src/report/plot_file.cpp": '#include "report/plot_file.h"\n#include "model/model.h"\n',
    "src/report/plot_file.h": "",
    "src/py/soft_clay.cpp": '#include "report/plot_file.h"\n#include <cmath>\n',
    "src/engine/run.cpp": '#include "engine/run.h"\n#include "py/soft_clay.h"\n',
    "src/engine/run.h": "",
    "src/py/soft_clay.h": "",
    "cli/main.cpp": '#include "engine/orvane.h"\n#include "driver.h"\n#include <nlohmann/json.hpp>\n',
}


def tree(tmp_path, changes):
    write_tree(tmp_path, dict(SOUND, **changes, **{"ARCHITECTURE.md": TABLE}))
    return check_layers.faults(tmp_path)


def test_a_sound_tree_passes(tmp_path):
    assert tree(tmp_path, {}) == []


@pytest.mark.parametrize("changes, fault", [
    ({"src/model/model.cpp": '#include "py/soft_clay.h"\n'}, "model/model.cpp (model) includes py/soft_clay.h (curves)"),
    ({"src/report/plot_file.cpp": '#include "engine/run.h"\n'}, "includes engine/run.h (run)"),
    ({"src/py/extra.cpp": '#include "py/soft_clay.h"\n', "src/py/soft_clay.cpp": '#include "py/extra.h"\n',
      "src/py/extra.h": ""}, "in a ring: py/extra, py/soft_clay"),
    ({"cli/main.cpp": '#include "model/model.h"\n'}, "the command includes model/model.h"),
    ({"src/solver/iteration.cpp": ""}, "src/solver/iteration.cpp: no row of the layer table names it"),
])
def test_each_fault_is_named(tmp_path, changes, fault):
    found = tree(tmp_path, changes)
    assert any(fault in f for f in found), found
