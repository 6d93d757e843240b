#!/usr/bin/env python3
"""Checks the orvane command's JSON results file and SVG figures of one input data file.

Runs `orvane INPUT --json --plots` into a fresh directory, then:
  * the JSON parses and validates against the published schema;
  * its numbers equal the report's printed numbers to the printed precision: the node table rows,
    the p-y curves printed at requested depths and the summary of pile responses; and the plot
    file's node records ("Line 10") to their seven digits;
  * every node table has one entry per node and no null, and there is one summary row per load
    case;
  * every SVG figure is well-formed XML, the response figure has one series per load case in each
    of its four panels and axis titles in the run's display units, the p-y figure one panel per
    curve, a section figure one series per axial thrust;
  * moment capacity lines stand where a section has a capacity and nowhere for sections without
    one (elastic); every axis title names a unit; no two texts of a figure overlap (boxes from
    the text's position, font size, character count and anchor) and no curve crosses a point label;
  * a run ended by an error has its error in the JSON with its framed text.
With --shipped, the outputs of this input shipped in the repository must equal this run's.
With --render, every figure is rendered by rsvg-convert, which must not fail, and the response
figure (else the first) must show a drawing: neither blank nor filled.
"""
import argparse
import glob
import json
import os
import re
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
import zlib

SVG = "{http://www.w3.org/2000/svg}"
failures = []


def fail(text):
    failures.append(text)


def printed_half_unit(text):
    """Half a unit in the last printed digit of a report number such as 0.133E-08 or 612600."""
    mantissa, _, exponent = text.upper().partition("E")
    decimals = len(mantissa.split(".")[1]) if "." in mantissa else 0
    return 0.5 * 10.0 ** (-decimals) * 10.0 ** (int(exponent) if exponent else 0)


def same(json_value, printed, what):
    """The JSON's value, printed with the report's digits, gives the report's text."""
    if json_value is None:
        fail(f"{what}: no value in the JSON, the report prints {printed}")
        return
    expected = float(printed)
    allowed = printed_half_unit(printed) * (1 + 1e-9) + 1e-12 * abs(expected)
    if abs(json_value - expected) > allowed:
        fail(f"{what}: JSON {json_value!r} differs from the report's {printed} by more than {allowed:.3g}")


def numbers(line):
    """The numbers of a printed row; a trailing "*" marks a point of a sand curve and is not one."""
    out = []
    tokens = line.split()
    if tokens and tokens[-1] == "*":
        tokens.pop()
    for token in tokens:
        try:
            float(token)
        except ValueError:
            return None
        out.append(token)
    return out


def check_report_numbers(doc, report_lines):
    results = doc["results"]
    cases = results["load_cases"]
    us = doc["unit_system"] == "US customary"
    checked_rows = 0

    # node tables of the load cases
    case = None
    for i, line in enumerate(report_lines):
        m = re.match(r"\s*for Lateral Loading for Load Case Number (\d+)", line)
        if m:
            case = cases[int(m.group(1)) - 1]
            continue
        if case is None or not (line.lstrip().startswith("Depth") and "Deflect." in line):
            continue
        depth_factor = 12.0 if us and "feet" in report_lines[i + 2] else 1.0
        nodes = case["nodes"]
        for row_line in report_lines[i + 4:]:
            row = numbers(row_line)
            if row is None or len(row) != 10:
                break
            depth = float(row[0]) * depth_factor
            k = min(range(len(nodes["depth"])), key=lambda j: abs(nodes["depth"][j] - depth))
            where = f"case {case['number']} depth {row[0]}"
            same(nodes["depth"][k] / depth_factor, row[0], where + " depth")
            for column, name in ((1, "deflection"), (2, "moment"), (3, "shear"), (6, "bending_stiffness"),
                                 (7, "soil_reaction"), (4, "slope"), (5, "total_stress"), (8, "soil_spring"),
                                 (9, "distributed_load")):
                same(nodes[name][k], row[column], f"{where} {name}")
            checked_rows += 1
        case = None

    # p-y curves printed at requested depths, in order
    curve = 0
    for i, line in enumerate(report_lines):
        if not re.match(r"\s+y, (in|m|L)\s+p, ", line):
            continue
        if curve >= len(results["py_curves"]):
            fail("the report prints more p-y curves than the JSON holds")
            break
        c = results["py_curves"][curve]
        points = []
        for row_line in report_lines[i + 2:]:
            row = numbers(row_line)
            if not row or len(row) != 2:
                break
            points.append(row)
        if len(points) != len(c["y"]):
            fail(f"p-y curve {curve + 1}: {len(points)} printed points, {len(c['y'])} in the JSON")
        for k, (y, p) in enumerate(points[:len(c["y"])]):
            same(c["y"][k], y, f"p-y curve {curve + 1} point {k + 1} y")
            same(c["p"][k], p, f"p-y curve {curve + 1} point {k + 1} p")
        curve += 1
    if curve != len(results["py_curves"]):
        fail(f"the report prints {curve} p-y curves, the JSON holds {len(results['py_curves'])}")

    # summary of pile responses
    in_summary = False
    rows = 0
    for line in report_lines:
        if "Summary of Pile Response(s)" in line:
            in_summary = True
            continue
        m = re.match(r"\s*(\d+)\s+(\d)\s+([VyS])\s*=\s*(\S+)\s+[MSR]\s*=\s*(\S+)\s+(\S+)\s+(\S+)\s+(\S+)\s+(\S+)\s+(\S+)\s*$", line)
        if not in_summary or not m:
            continue
        lc = int(m.group(1))
        s = results["summary"][lc - 1]
        if m.group(3) == "V":
            same(s["head_shear"], m.group(4), f"summary case {lc} pile-head shear")
        same(s["head_deflection"], m.group(7), f"summary case {lc} pile-head deflection")
        same(s["max_moment"], m.group(8), f"summary case {lc} maximum moment")
        same(s["max_shear"], m.group(9), f"summary case {lc} maximum shear")
        same(s["head_rotation"], m.group(10), f"summary case {lc} pile-head rotation")
        rows += 1
    if rows != len(results["summary"]):
        fail(f"the report's summary has {rows} rows, the JSON {len(results['summary'])}")
    if cases and checked_rows == 0 and "Deflect." in "".join(report_lines):
        fail("no node table row of the report was compared")


def check_plot_records(doc, plot_lines):
    """Every "Line 10" record (depth, deflection, moment, shear, soil reaction, bending stiffness
    of a node, E15.7) equals the JSON's value to its seven digits, case after case."""
    records = [line for line in plot_lines if "Line 10(" in line]
    values = []
    for c in doc["results"]["load_cases"]:
        if c["nodes"] is None:
            continue
        n = c["nodes"]
        for k in range(len(n["depth"])):
            values.append((c["number"], k + 1, [n[name][k] for name in ("depth", "deflection", "moment",
                                                                       "shear", "soil_reaction", "bending_stiffness")]))
    if len(records) != len(values):
        fail(f"the plot file has {len(records)} node records, the JSON {len(values)} nodes")
    for record, (case, node, row) in zip(records, values):
        fields = [record[i * 15:(i + 1) * 15] for i in range(6)]
        for field, value, name in zip(fields, row, ("depth", "deflection", "moment", "shear",
                                                     "soil reaction", "bending stiffness")):
            printed = float(field)
            # the records print values below 1e-20 as zero
            shown = 0.0 if abs(value) < 1e-20 and name != "depth" and name != "bending stiffness" else value
            if float(f"{shown:.6E}") != printed:
                fail(f"case {case} node {node} {name}: JSON {value!r}, plot record {field.strip()}")
                return


def check_structure(doc):
    results = doc["results"]
    cases = results["load_cases"]
    if len(results["summary"]) != len(cases):
        fail(f"{len(cases)} load cases but {len(results['summary'])} summary rows")
    for c in cases:
        if c["nodes"] is None:
            fail(f"case {c['number']} of a run that ended normally has no node table")
            continue
        lengths = {name: len(column) for name, column in c["nodes"].items()}
        if set(lengths.values()) != {results["node_count"]}:
            fail(f"case {c['number']}: node columns of lengths {lengths}, {results['node_count']} nodes")
        nulls = sum(v is None for column in c["nodes"].values() for v in column)
        if nulls:
            fail(f"case {c['number']}: {nulls} null node values")
        if not c["converged"]:
            fail(f"case {c['number']} is not marked converged in a run that ended normally")
        if c["iterations"] is None or c["iterations"] < 1:
            fail(f"case {c['number']}: no iteration count")


def svg_series(panel):
    return [e.get("data-name") for e in panel.iter() if e.get("class") == "series"]


CHAR_WIDTH = 7.0 / 12.0   # the figure writer's estimate of a character's width per unit of font size
UNIT_TITLE = re.compile(r"\((\u00d710\S+ )?[^\s)\u00d7][^)]*\)$")


def text_boxes(root):
    """The estimated box (x0, y0, x1, y1) and text of every text element of a figure."""
    base = float(root.get("font-size", "12"))
    boxes = []
    for t in root.iter(SVG + "text"):
        text = "".join(t.itertext())
        if not text:
            continue
        size = float(t.get("font-size", base))
        x, y = float(t.get("x", 0)), float(t.get("y", 0))
        width = len(text) * size * CHAR_WIDTH
        anchor = t.get("text-anchor", "start")
        x0 = x - width / 2 if anchor == "middle" else x - width if anchor == "end" else x
        box = (x0, y - 0.8 * size, x0 + width, y + 0.25 * size)
        m = re.match(r"rotate\(-90 ([-\d.]+) ([-\d.]+)\)", t.get("transform", ""))
        if m:
            # turned a quarter to the left about (cx, cy): x' = cx + (y - cy), y' = cy - (x - cx)
            cx, cy = float(m.group(1)), float(m.group(2))
            xs = [cx + (box[1] - cy), cx + (box[3] - cy)]
            ys = [cy - (box[0] - cx), cy - (box[2] - cx)]
            box = (min(xs), min(ys), max(xs), max(ys))
        boxes.append((box, text, t.get("class")))
    return boxes


def overlapping_texts(root):
    """Pairs of texts whose boxes overlap."""
    boxes = text_boxes(root)
    pairs = []
    for i in range(len(boxes)):
        a = boxes[i][0]
        for j in range(i + 1, len(boxes)):
            b = boxes[j][0]
            if a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]:
                pairs.append((boxes[i][1], boxes[j][1]))
    return pairs


def segment_crosses(ax, ay, bx, by, box):
    """Whether the segment from (ax, ay) to (bx, by) passes through the box (Liang-Barsky clip)."""
    t0, t1 = 0.0, 1.0
    dx, dy = bx - ax, by - ay
    for p, q in ((-dx, ax - box[0]), (dx, box[2] - ax), (-dy, ay - box[1]), (dy, box[3] - ay)):
        if p == 0:
            if q < 0:
                return False
            continue
        r = q / p
        if p < 0:
            if r > t1:
                return False
            t0 = max(t0, r)
        else:
            if r < t0:
                return False
            t1 = min(t1, r)
    return t0 <= t1


def labels_crossed(root):
    """Point labels a curve of their panel runs through."""
    crossed = []
    for panel in [g for g in root.iter(SVG + "g") if g.get("class") == "panel"]:
        segments = []
        for line in panel.iter(SVG + "polyline"):
            pts = [tuple(map(float, p.split(","))) for p in line.get("points", "").split()]
            segments += list(zip(pts, pts[1:]))
        for box, text, cls in text_boxes(panel):
            if cls != "point-label":
                continue
            if any(segment_crosses(a[0], a[1], b[0], b[1], box) for a, b in segments):
                crossed.append(text)
    return crossed


def display_units(doc):
    """The units the figures show, as the report prints them: US customary runs in ft, kips and in-kips."""
    u = doc["units"]
    if doc["unit_system"] == "US customary":
        return {"depth": "ft", "deflection": "in", "moment": "in-kip", "shear": "kips", "soil_reaction": "lb/in"}
    return {k: u[k].replace("^2", "\u00b2") for k in ("depth", "deflection", "moment", "shear", "soil_reaction")}


def case_legend_start(case):
    if case["lrfd_combination"]:
        return f"{case['lrfd_combination']['name']} (combination {case['number']}): "
    return f"Load case {case['number']}: "


def check_figures(doc, out, stem):
    files = sorted(glob.glob(os.path.join(out, stem + "-*.svg")))
    results = doc["results"]
    if results is None:
        if files:
            fail(f"a run ended by an error left figures: {files}")
        return files
    trees = {}
    for f in files:
        try:
            trees[os.path.basename(f)[len(stem):]] = ET.parse(f).getroot()
        except ET.ParseError as e:
            fail(f"{f} is not well-formed XML: {e}")
    u = display_units(doc)
    cases = [c for c in results["load_cases"] if c["nodes"]]
    tables = results["moment_curvature"]
    with_capacity = {t["section"] for t in tables if t["nominal_moment_capacity"] is not None}
    if cases:
        root = trees.get("-response.svg")
        if root is None:
            fail("no response figure")
        else:
            expected = [("Combination " if c["lrfd_combination"] else "Load case ") + str(c["number"]) for c in cases]
            panels = [g for g in root.iter(SVG + "g") if g.get("class") == "panel"]
            if len(panels) != 4:
                fail(f"the response figure has {len(panels)} panels, not 4")
            for panel, unit in zip(panels, (u["deflection"], u["moment"], u["shear"], u["soil_reaction"])):
                if svg_series(panel) != expected:
                    fail(f"response panel {panel.get('id')}: series {svg_series(panel)}, expected {expected}")
                titles = [t.text for t in panel.iter(SVG + "text") if t.get("class") == "x-title"]
                if not titles or not titles[0].endswith(unit + ")"):
                    fail(f"response panel {panel.get('id')}: axis title {titles} without the unit {unit}")
            depth_titles = [t.text for t in root.iter(SVG + "text") if t.get("class") == "y-title"]
            if depth_titles != [f"Depth below pile head ({u['depth']})"]:
                fail(f"response figure depth axis titles {depth_titles}")
            legend = [t.text for t in root.iter(SVG + "text") if t.get("class") == "legend-entry"]
            starts = [case_legend_start(c) for c in cases]
            if [e for e in legend if e.startswith(("Load case ", "Strength", "Service", "Extreme"))
                                     or " (combination " in e] != [e for e in legend if any(e.startswith(s) for s in starts)] \
                    or len([e for e in legend if any(e.startswith(s) for s in starts)]) != len(cases):
                fail(f"response legend {legend} does not name each case ({starts})")
            # the moment panel: one pair of capacity lines per section with a capacity, none without
            capacity_lines = [e for e in panels[1].iter(SVG + "line") if e.get("class") == "capacity"] if len(panels) > 1 else []
            sections_drawn = {e.get("data-name") for e in capacity_lines}
            if len(sections_drawn) != len(with_capacity) or len(capacity_lines) != 2 * len(with_capacity):
                fail(f"response moment panel: {len(capacity_lines)} capacity lines ({sections_drawn}) "
                     f"for sections with a capacity {sorted(with_capacity)}")
            maxima = [e for e in panels[1].iter(SVG + "circle") if e.get("class") == "maximum"] if len(panels) > 1 else []
            if len(maxima) != len(cases):
                fail(f"response moment panel marks {len(maxima)} maxima for {len(cases)} cases")
    if results["py_curves"]:
        root = trees.get("-py-curves.svg")
        if root is None:
            fail("no p-y figure")
        else:
            panels = [g for g in root.iter(SVG + "g") if g.get("class") == "panel"]
            if len(panels) != len(results["py_curves"]):
                fail(f"the p-y figure has {len(panels)} panels for {len(results['py_curves'])} printed depths")
            for panel, curve in zip(panels, results["py_curves"]):
                if len(svg_series(panel)) != 1:
                    fail(f"p-y panel {panel.get('id')} has {len(svg_series(panel))} curves")
                title = [t.text for t in panel.iter(SVG + "text") if t.get("class") == "panel-title"]
                if not title or f"Curve {curve['number']} at " not in title[0] or not title[0].endswith(" " + u["depth"]):
                    fail(f"p-y panel {panel.get('id')} title {title} does not give curve {curve['number']}'s depth")
    sections = sorted({t["section"] for t in tables})
    for s in sections:
        root = trees.get(f"-section-{s}.svg")
        thrusts = [t for t in tables if t["section"] == s]
        if root is None:
            fail(f"no figure of section {s}")
            continue
        for panel in [g for g in root.iter(SVG + "g") if g.get("class") == "panel"]:
            if len(svg_series(panel)) != len(thrusts):
                fail(f"section {s} panel {panel.get('id')}: {len(svg_series(panel))} series for {len(thrusts)} thrusts")
            lines = [e for e in panel.iter(SVG + "line") if e.get("class") == "capacity"]
            expected = len([t for t in thrusts if t["nominal_moment_capacity"] is not None])
            if len(lines) != expected:
                fail(f"section {s} panel {panel.get('id')}: {len(lines)} capacity lines for {expected} capacities")
    if results["summary"] and "-head-load-deflection.svg" not in trees:
        fail("no pile-head load-deflection figure")
    if any(c["length_study"] for c in results["load_cases"]) and "-length-study.svg" not in trees:
        fail("no figure of the length study")
    if results["stiffness_matrix"] and "-stiffness.svg" not in trees:
        fail("no figure of the stiffness study")
    for name, root in trees.items():
        for a, b in overlapping_texts(root):
            fail(f"{name}: the texts {a!r} and {b!r} overlap")
        for text in labels_crossed(root):
            fail(f"{name}: a curve crosses the point label {text!r}")
        for t in root.iter(SVG + "text"):
            if t.get("class") in ("x-title", "y-title") and not UNIT_TITLE.search(t.text or ""):
                fail(f"{name}: axis title {t.text!r} names no unit")
    return files


def png_pixels(path):
    """Decodes an 8-bit RGB or RGBA PNG into rows of pixel tuples (the forms rsvg-convert writes)."""
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    pos, idat, width, height, channels = 8, b"", 0, 0, 0
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour = struct.unpack(">IIBB", body[:10])
            assert depth == 8 and colour in (2, 6), "unexpected PNG form"
            channels = 3 if colour == 2 else 4
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, prev = [], bytearray(stride)
    for r in range(height):
        f = raw[r * (stride + 1)]
        line = bytearray(raw[r * (stride + 1) + 1:(r + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b = prev[i]
            c = prev[i - channels] if i >= channels else 0
            if f == 1:
                line[i] = (line[i] + a) & 255
            elif f == 2:
                line[i] = (line[i] + b) & 255
            elif f == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif f == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(line)
        prev = line
    return width, height, channels, rows


def check_render(files, rsvg):
    """Renders every figure; the response figure (else the first) must show a drawing."""
    with tempfile.TemporaryDirectory() as tmp:
        for svg in files:
            png = os.path.join(tmp, os.path.basename(svg) + ".png")
            run = subprocess.run([rsvg, "--background-color=white", svg, "-o", png], capture_output=True, text=True)
            if run.returncode != 0 or run.stderr.strip():
                fail(f"rsvg-convert cannot render {os.path.basename(svg)}: {run.stderr.strip()}")
        response = [f for f in files if f.endswith("-response.svg")]
        first = (response or files)[0]
        png = os.path.join(tmp, os.path.basename(first) + ".png")
        if not os.path.exists(png):
            return
        width, height, channels, rows = png_pixels(png)
        inked = sum(1 for line in rows for i in range(0, len(line), channels) if min(line[i:i + 3]) < 200)
        share = inked / float(width * height)
        if width < 600 or height < 400:
            fail(f"rendered figure of {width}x{height} pixels is too small to read")
        if not 0.01 < share < 0.5:
            fail(f"rendered figure has {share:.1%} drawn pixels: blank or flooded")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--orvane", required=True)
    ap.add_argument("--schema", required=True)
    ap.add_argument("--input", required=True)
    ap.add_argument("--expect-error", action="store_true", help="the run must end with an error")
    ap.add_argument("--render", help="rsvg-convert to render one figure with")
    ap.add_argument("--shipped", help="folder of this input's outputs shipped in the repository, "
                                      "which must equal this run's")
    args = ap.parse_args()
    try:
        import jsonschema
    except ImportError:
        print(f"{sys.executable} cannot import jsonschema (scripts/install-deps.sh test installs it)")
        return 1

    stem = os.path.splitext(os.path.basename(args.input))[0]
    with tempfile.TemporaryDirectory() as out:
        run = subprocess.run([args.orvane, args.input, "--out-dir", out, "--json", "--plots"],
                             capture_output=True, text=True)
        path = os.path.join(out, stem + "-results.json")
        if not os.path.exists(path):
            print(f"no {path}; orvane said: {run.stdout}{run.stderr}")
            return 1
        doc = json.load(open(path))
        jsonschema.validate(doc, json.load(open(args.schema)))
        report_lines = open(os.path.join(out, stem + "-report.txt")).read().splitlines()
        if args.expect_error:
            if run.returncode == 0 or not doc["errors"]:
                fail(f"expected an error end: exit {run.returncode}, errors {doc['errors']}")
            else:
                e = doc["errors"][0]
                if not e["text"] or not e["text"][0].startswith("****"):
                    fail(f"error text {e['text']} does not start with a framed heading")
                elif "Error No" in e["text"][0] and f"Error No. {e['number']} " not in e["text"][0] + " ":
                    fail(f"error text {e['text']} is headed by another error than {e['number']}")
                if str(e["number"]) not in run.stdout:
                    fail(f"the outcome line {run.stdout!r} names another error than {e['number']}")
        else:
            if run.returncode != 0 or doc["results"] is None or doc["errors"]:
                fail(f"expected a normal end: exit {run.returncode}, errors {doc['errors']}")
            else:
                check_structure(doc)
                check_report_numbers(doc, report_lines)
                check_plot_records(doc, open(os.path.join(out, stem + "-plot.txt")).read().splitlines())
        files = check_figures(doc, out, stem)
        if args.shipped:
            shipped = sorted(glob.glob(os.path.join(args.shipped, stem + "-*")))
            fresh = sorted(files + [path])
            if [os.path.basename(f) for f in shipped] != [os.path.basename(f) for f in fresh]:
                fail(f"shipped outputs {shipped} are not this run's {fresh}")
            for f in shipped:
                if open(f, "rb").read() != open(os.path.join(out, os.path.basename(f)), "rb").read():
                    fail(f"{f} differs from this run's; renew it with: orvane {args.input} "
                         f"--out-dir {args.shipped} --json --plots (then remove the engine's files there)")
        if args.render and files:
            check_render(files, args.render)
    for f in failures:
        print("FAIL:", f)
    print(f"{stem}: {'ok' if not failures else str(len(failures)) + ' failures'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
