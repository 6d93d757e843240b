"""docs/input-format.json, from which the web app builds its forms and its .lp reader and writer,
held to docs/input-format.md, the reference people read: every keyword of either is in the other,
every section type and soil type code of the reference's tables is in the description, every field's
documented name is in the reference, and every unit the description gives is one the reference
uses. A keyword, code, field or unit added to one without the other fails here."""
import json
import pathlib
import re

import pytest

ROOT = pathlib.Path(__file__).resolve().parents[2]
DESCRIPTION = json.loads((ROOT / "docs" / "input-format.json").read_text())
REFERENCE = (ROOT / "docs" / "input-format.md").read_text()


def walk_items(items):
    """Every item of a list of items, nested ones included (choices, repeats, switches, ends)."""
    for item in items:
        yield item
        if "options" in item and "choice" in item:
            for option in item["options"]:
                yield from walk_items(option["items"])
        for key in ("items", "top_bottom"):
            if isinstance(item.get(key), list):
                yield from walk_items(item[key])
        for case in item.get("cases", []):
            yield from walk_items(case["items"])


def all_items():
    for block in DESCRIPTION["blocks"]:
        yield from walk_items(block["items"])
    for part in DESCRIPTION["parts"].values():
        yield from walk_items(part)


def all_fields():
    for item in all_items():
        for field in item.get("line", []) + item.get("columns", []):
            yield DESCRIPTION["fields"][field["part_field"]] if "part_field" in field else field


def reference_table(heading):
    """The rows of the first table after a heading of the reference, as lists of cells."""
    at = REFERENCE.index(heading)
    rows = []
    for line in REFERENCE[at:].splitlines()[1:]:
        if line.startswith("|"):
            rows.append([c.strip() for c in line.strip("|").split("|")])
        elif rows:
            break
    return rows[2:]


def reference_keywords():
    """The keywords of the reference's table of sections, aliases included."""
    return {w for row in reference_table("### 1.6 Order of the sections") for w in re.findall(r"`([^`]+)`", row[0])}


def description_keywords():
    words = set()
    for block in DESCRIPTION["blocks"]:
        words.add(block["keyword"])
        words.update(block.get("aliases", []))
    return words


def test_keywords_agree():
    reference = reference_keywords() - {DESCRIPTION["end"]}
    assert reference, "no keyword found in the reference's table of sections"
    assert description_keywords() == reference


def codes_of_field(name):
    return {str(f["options"][i][0]) for f in all_fields() if f.get("name") == name for i in range(len(f["options"]))}


@pytest.mark.parametrize("heading, field", [
    ("### 5.1 Section types", "section_type"),
    ("### 6.1 Soil types and their property lines", "soil_type"),
])
def test_every_code_of_the_reference_is_described(heading, field):
    codes = set()
    for row in reference_table(heading):
        first = row[0].replace("to", "-")
        if " - " in first:
            low, high = (int(x) for x in first.split(" - "))
            codes.update(str(n) for n in range(low, high + 1))
        else:
            codes.add(first)
    assert codes, f"no code found under {heading}"
    assert codes_of_field(field) == codes


def test_every_option_line_of_the_description_is_in_the_reference():
    lines = [o["line"] for item in all_items() if "choice" in item for o in item["options"]]
    assert len(lines) > 20
    missing = [line for line in lines if f"`{line}`" not in REFERENCE and line not in REFERENCE]
    assert missing == []


def test_every_field_is_named_in_the_reference():
    names = {f["doc"] for f in all_fields() if f.get("role") != "label"}
    assert len(names) > 100
    lowered = REFERENCE.lower()
    missing = sorted(n for n in names if n.lower() not in lowered)
    assert missing == []


def test_every_unit_is_one_the_reference_uses():
    units = set()
    for kind in DESCRIPTION["units"].values():
        units.update(kind.values())
    units -= {"-"}
    missing = sorted(u for u in units if u not in REFERENCE)
    assert missing == []


def unit_in_cell(cell):
    """The unit a cell of the reference's table of units names: "ft (converted to in)" -> "ft"."""
    return re.sub(r"\(.*?\)", "", cell).replace("*", "").strip()


def test_every_unit_of_the_references_table_is_a_unit_kind_of_the_description():
    pairs = {(unit_in_cell(row[1]), unit_in_cell(row[2]), unit_in_cell(row[3])) for row in reference_table("## 2. Units")}
    assert len(pairs) > 10
    kinds = {(k["USCS"], k["SI"], k["GENERAL"]) for k in DESCRIPTION["units"].values()}
    assert sorted(pairs - kinds) == []


def test_every_field_has_a_unit_kind_the_description_defines():
    kinds = set(DESCRIPTION["units"])
    bad = []
    for f in all_fields():
        if f.get("role") == "label":
            continue
        unit = f.get("unit")
        cases = unit["cases"].values() if isinstance(unit, dict) else [unit]
        bad += [(f["name"], u) for u in cases if u not in kinds]
    assert bad == []


# The checks can fail: a keyword, a code or a field name the reference does not have is found.
def test_the_checks_find_what_is_missing():
    assert "SOIL LAYER" not in reference_keywords()
    assert "dilatometer modulus" in REFERENCE.lower()
    assert "pile wobble factor" not in REFERENCE.lower()
