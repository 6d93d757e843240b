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
    of its four panels and axis titles in the run's units, the p-y figure one series per curve, a
    section figure one series per axial thrust;
  * a run ended by an error has its error in the JSON with its framed text.
With --shipped, the outputs of this input shipped in the repository must equal this run's.
With --render, one figure (the response, else the first) is also rendered by rsvg-convert and the
image must show a drawing: neither blank nor filled.
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
    u = doc["units"]
    cases = [c for c in results["load_cases"] if c["nodes"]]
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
            if legend != expected:
                fail(f"response legend {legend}, expected {expected}")
    if results["py_curves"]:
        root = trees.get("-py-curves.svg")
        if root is None:
            fail("no p-y figure")
        elif len(svg_series(root)) != len(results["py_curves"]):
            fail(f"the p-y figure has {len(svg_series(root))} series for {len(results['py_curves'])} curves")
    sections = sorted({t["section"] for t in results["moment_curvature"]})
    for s in sections:
        root = trees.get(f"-section-{s}.svg")
        thrusts = [t for t in results["moment_curvature"] if t["section"] == s]
        if root is None:
            fail(f"no figure of section {s}")
            continue
        for panel in [g for g in root.iter(SVG + "g") if g.get("class") == "panel"]:
            if len(svg_series(panel)) != len(thrusts):
                fail(f"section {s} panel {panel.get('id')}: {len(svg_series(panel))} series for {len(thrusts)} thrusts")
    if results["summary"] and "-head-load-deflection.svg" not in trees:
        fail("no pile-head load-deflection figure")
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


def check_render(svg, rsvg):
    with tempfile.TemporaryDirectory() as tmp:
        png = os.path.join(tmp, "figure.png")
        subprocess.run([rsvg, "--background-color=white", svg, "-o", png], check=True)
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
            response = [f for f in files if f.endswith("-response.svg")]
            check_render((response or files)[0], args.render)
    for f in failures:
        print("FAIL:", f)
    print(f"{stem}: {'ok' if not failures else str(len(failures)) + ' failures'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
