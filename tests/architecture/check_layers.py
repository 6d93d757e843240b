#!/usr/bin/env python3
"""The layers of ARCHITECTURE.md against the includes of the code.

Reads the table under "Layers, bottom up": each row names its folders (`src/pile/`), file stems
(`report/plot_file`) or stem patterns (`engine/run*`). Every source file of src/ and cli/ must
belong to a row (the most specific name wins); a file may include only files of its own row and
of the rows above it; no ring of files may include each other (a header and its source count as
one file); the command (cli/) includes nothing of the engine but the public interface.
Exits 1 and names every fault found.
"""
import fnmatch
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
PUBLIC_HEADER = "engine/orvane"


def layer_rows(text):
    section = text.split("## Layers, bottom up", 1)[1].split("\n## ", 1)[0]
    rows = []
    for line in section.splitlines():
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if len(cells) < 4 or cells[0] in ("Layer", "") or set(cells[0]) <= set("-"):
            continue
        rows.append((cells[0], re.findall(r"`([^`]+)`", cells[1])))
    return rows


def unit_of(path, root):
    """A source file's unit, "folder/stem", as the includes name it (src/ is the include root)."""
    rel = path.relative_to(root)
    parts = rel.parts[1:] if rel.parts[0] == "src" else rel.parts
    return str(pathlib.PurePosixPath(*parts).with_suffix(""))


def row_of(unit, rows):
    """Index of the row naming unit: a stem beats a pattern, a pattern beats a folder."""
    best = None
    for index, (_, names) in enumerate(rows):
        for name in names:
            name = name.removesuffix(".h")
            folder = name.rstrip("/").removeprefix("src/")
            if name.endswith("/"):
                rank = 0 if unit.startswith(folder + "/") else None
            elif "*" in name:
                rank = 1 if fnmatch.fnmatchcase(unit, name) else None
            else:
                rank = 2 if unit == name else None
            if rank is not None and (best is None or rank > best[0]):
                best = (rank, index)
    return None if best is None else best[1]


def includes(path):
    return re.findall(r'^\s*#\s*include\s+"([^"]+)\.h"', path.read_text(), re.MULTILINE)


def rings(graph):
    """The strongly connected groups of more than one unit (Tarjan)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []
    counter = [0]

    def visit(v):
        index[v] = low[v] = counter[0]
        counter[0] += 1
        stack.append(v)
        on_stack.add(v)
        for w in sorted(graph.get(v, ())):
            if w not in index:
                visit(w)
                low[v] = min(low[v], low[w])
            elif w in on_stack:
                low[v] = min(low[v], index[w])
        if low[v] == index[v]:
            group = []
            while True:
                w = stack.pop()
                on_stack.discard(w)
                group.append(w)
                if w == v:
                    break
            if len(group) > 1:
                found.append(sorted(group))

    sys.setrecursionlimit(10000)
    for v in sorted(graph):
        if v not in index:
            visit(v)
    return found


def faults(root=ROOT):
    rows = layer_rows((root / "ARCHITECTURE.md").read_text())
    files = sorted(p for d in ("src", "cli") for p in (root / d).rglob("*") if p.suffix in (".h", ".cpp"))
    units = {unit_of(p, root) for p in files}
    problems = []
    if not rows:
        return ["ARCHITECTURE.md has no layer table"]
    graph = {}
    for path in files:
        unit = unit_of(path, root)
        row = row_of(unit, rows)
        rel = path.relative_to(root)
        if row is None:
            problems.append(f"{rel}: no row of the layer table names it")
            continue
        for target in includes(path):
            if target == unit or target not in units:
                continue   # its own header, or a header of a library
            graph.setdefault(unit, set()).add(target)
            if unit.startswith("cli/") and not target.startswith("cli/") and target != PUBLIC_HEADER:
                problems.append(f"{rel}: the command includes {target}.h, inside the engine")
            target_row = row_of(target, rows)
            if target_row is not None and target_row > row:
                problems.append(f"{rel} ({rows[row][0]}) includes {target}.h ({rows[target_row][0]}), "
                                f"a layer further down the table")
    for group in rings(graph):
        problems.append("files that include each other in a ring: " + ", ".join(group))
    return problems


if __name__ == "__main__":
    found = faults()
    for problem in found:
        print(problem)
    print(f"{len(found)} fault(s) of the layers" if found else "the includes follow the layer table")
    sys.exit(1 if found else 0)
