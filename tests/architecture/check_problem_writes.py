"""The problem stays as read: only the input stage writes it.

The model's "Problem: ..." blocks (src/model/model.h) hold the problem as the input stage left it:
read, echoed and checked, converted to the engine's units. Everything after that stage (the pile
model, the criteria, the section analysis, the solver, the writers, the run sequence) reads them
and keeps what it derives in fields of its own. This check fails on a source file outside
src/input/ that assigns to a problem field of the model (`m.Field = ...`, `+=`, `++`, ...), binds
a non-const reference or takes the address of one, so that a run cannot change the problem it
reports. The model's own initialization (src/model/model.cpp) is the one exception.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
ALLOWED = ("src/input/", "src/model/model.cpp")


def problem_fields(model_header):
    """Names of the fields declared in the model's "Problem: ..." blocks."""
    fields, in_problem = [], False
    for line in model_header.splitlines():
        heading = re.match(r"\s*// ---- (.*?) -+\s*$", line)
        if heading:
            in_problem = heading.group(1).startswith("Problem:")
            continue
        if not in_problem:
            continue
        code = line.split("//")[0]
        declared = re.search(r"\b([A-Za-z_]\w*)\s*(?:\[[^\]]*\]\s*)*;", code)
        if declared:
            fields.append(declared.group(1))
    return fields


def faults(root):
    root = pathlib.Path(root)
    fields = problem_fields((root / "src/model/model.h").read_text())
    if not fields:
        return ["src/model/model.h: no \"Problem: ...\" block declares a field"]
    names = "|".join(sorted(fields, key=len, reverse=True))
    access = r"\b(?P<model>m|g_Model)\s*\.\s*(?P<field>" + names + r")\b(?:\s*\[[^\]]*\])*"
    writes = [
        (re.compile(access + r"\s*(?:[-+*/%&|^]?=(?!=)|<<=|>>=|\+\+|--)"), "writes"),
        (re.compile(r"(?:\+\+|--)\s*" + access), "writes"),
        (re.compile(r"(?:^|[(,={]|\breturn)\s*&\s*" + access), "takes the address of"),
        (re.compile(r"&\s*\w+\s*[=:]\s*" + access), "binds a reference to"),
    ]
    found = []
    for path in sorted((root / "src").rglob("*")):
        if path.suffix not in (".cpp", ".h"):
            continue
        rel = path.relative_to(root).as_posix()
        if rel.startswith(ALLOWED):
            continue
        m_is_const = False   # whether the function's `m` is a const reference of the model
        for number, line in enumerate(path.read_text().splitlines(), 1):
            code = line.split("//")[0]
            binding = re.search(r"(\bconst\s+)?AnalysisModel\s*&\s*m\b", code)
            if binding:
                m_is_const = binding.group(1) is not None
            for pattern, what in writes:
                for hit in pattern.finditer(code):
                    if m_is_const and hit.group("model") == "m":
                        continue   # a const model cannot be written through
                    if what == "binds a reference to" and re.search(r"\bconst\b", code[:hit.start()]):
                        continue   # a const reference reads
                    found.append(f"{rel}:{number}: {what} the problem field {hit.group('field')} "
                                 f"after the input stage")
    return found


def main():
    problems = faults(ROOT)
    for p in problems:
        print(p)
    if problems:
        print(f"{len(problems)} write(s) of the problem outside the input stage")
        return 1
    print("the problem is written by the input stage alone")
    return 0


if __name__ == "__main__":
    sys.exit(main())
