#!/usr/bin/env python3
"""Checks the orvane command's printable HTML report of one input data file in a real browser.

Runs `orvane INPUT --json --plots --html` into a fresh directory, then:
  * the report is self-contained: no script, no link, image, font or style sheet fetched from
    anywhere; every figure of the run is inline (one <svg> per figure file), and every warning
    and error of the results file is shown with its text;
  * headless Chromium prints it to PDF on Letter and on A4 paper; per paper, the PDF has that
    page size, each part ("Problem", "Summary of results", "Figures", "Errors and warnings")
    starts at the top of its own page, in order, and no figure is cut: each figure's caption and
    its last text (its last legend entry or note) are on the same page, and every word of every
    page lies within the printable area inside the page margins.
Without chromium (scripts/install-deps.sh test installs it) the check is skipped (exit 77).
"""
import argparse
import glob
import html
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SVG = "{http://www.w3.org/2000/svg}"
SKIP = 77
MARGIN_PT = 14.0 / 25.4 * 72.0   # the report's page margin, 14 mm
PAPERS = {"Letter": ("letter", (612.0, 792.0)), "A4": ("A4", (595.3, 841.9))}
failures = []


def fail(text):
    failures.append(text)


def words_of_pages(bbox_html):
    """The pages of `pdftotext -bbox` output: (width, height, [(xMin, yMin, xMax, yMax, word)])."""
    pages = []
    for m in re.finditer(r'<page width="([\d.]+)" height="([\d.]+)">(.*?)</page>', bbox_html, re.S):
        words = [(float(a), float(b), float(c), float(d), html.unescape(w))
                 for a, b, c, d, w in re.findall(
                     r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>', m.group(3))]
        pages.append((float(m.group(1)), float(m.group(2)), words))
    return pages


def normal(text):
    return " ".join(text.split())


def last_text(svg_path):
    """The last text a figure draws (its last legend entry or note)."""
    texts = ["".join(t.itertext()) for t in ET.parse(svg_path).getroot().iter(SVG + "text")]
    texts = [normal(t) for t in texts if t.strip()]
    return texts[-1] if texts else ""


def check_static(page, doc, figures):
    for outside in ("<script", "src=", "href=", "@import", "url("):
        if outside in page:
            fail(f"the report is not self-contained: it holds {outside!r}")
    if page.count("<svg") != len(figures):
        fail(f"the report holds {page.count('<svg')} figures, the run drew {len(figures)}")
    shown = normal(html.unescape(re.sub(r"<[^>]+>", " ", page)))
    for w in doc["warnings"]:
        if f"Warning {w['number']} " not in shown:
            fail(f"warning {w['number']} is not in the report")
        for line in w["text"]:
            if normal(line) not in shown:
                fail(f"warning {w['number']}: its line {line!r} is not in the report")
    for e in doc["errors"]:
        if f"error No. {e['number']}" not in shown:
            fail(f"error {e['number']} is not in the report")
    for layer in doc.get("soil_layers") or []:
        if layer["soil"] not in shown:
            fail(f"soil layer {layer['layer']} ({layer['soil']}) is not in the report")
    for section in doc.get("pile_sections") or []:
        if section["kind"] not in shown:
            fail(f"pile section {section['section']} ({section['kind']}) is not in the report")


def check_print(report, paper, chromium, figures, parts, tmp):
    size_name, (width, height) = PAPERS[paper]
    page = open(report, encoding="utf-8").read()
    printed = os.path.join(tmp, f"report-{paper}.html")
    with open(printed, "w", encoding="utf-8") as f:
        f.write(page.replace("</head>", f"<style>@page {{ size: {size_name}; }}</style>\n</head>", 1))
    pdf = os.path.join(tmp, f"report-{paper}.pdf")
    run = subprocess.run([chromium, "--headless", "--no-sandbox", "--disable-gpu", "--no-pdf-header-footer",
                          f"--user-data-dir={os.path.join(tmp, 'profile')}", f"--print-to-pdf={pdf}",
                          "file://" + printed], capture_output=True, text=True, timeout=300)
    if not os.path.exists(pdf):
        fail(f"{paper}: chromium printed no PDF: {run.stderr[-500:]}")
        return
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True, check=True).stdout
    count = int(re.search(r"Pages:\s+(\d+)", info).group(1))
    bbox = os.path.join(tmp, f"report-{paper}.bbox.html")
    subprocess.run(["pdftotext", "-bbox", pdf, bbox], check=True)
    pages = words_of_pages(open(bbox, encoding="utf-8").read())
    if len(pages) != count:
        fail(f"{paper}: pdfinfo counts {count} pages, pdftotext {len(pages)}")
    if count < len(parts):
        fail(f"{paper}: {count} pages for {len(parts)} parts, each on a page of its own")
    for w, h, _ in pages:
        if abs(w - width) > 2 or abs(h - height) > 2:
            fail(f"{paper}: a page of {w:.0f} x {h:.0f} pt, not {width:.0f} x {height:.0f}")
            break
    texts = [normal(" ".join(word[4] for word in words)) for _, _, words in pages]
    # every part starts its own page, in order
    at = -1
    for part in parts:
        starting = [i for i, t in enumerate(texts) if t.startswith(part)]
        if part == parts[0]:
            starting = [i for i, t in enumerate(texts) if part in t]
        if not starting:
            fail(f"{paper}: no page starts with the part {part!r}")
            continue
        if starting[0] <= at:
            fail(f"{paper}: the part {part!r} starts on page {starting[0] + 1}, not after the part before")
        at = starting[0]
    # every figure whole on one page: its caption and its last text on the same page
    for n, figure in enumerate(figures, start=1):
        caption = f"Figure {n}. "
        on = [i for i, t in enumerate(texts) if caption in t]
        if len(on) != 1:
            fail(f"{paper}: the caption {caption!r} is on pages {[i + 1 for i in on]}")
            continue
        t = texts[on[0]]
        start = t.index(caption)
        following = t.find(f"Figure {n + 1}. ", start)
        region = t[start:following if following >= 0 else len(t)]
        if last_text(figure) not in region:
            fail(f"{paper}: figure {n} ({os.path.basename(figure)}) is cut: its last text "
                 f"{last_text(figure)!r} is not on page {on[0] + 1} with its caption")
    # nothing outside the printable area
    for i, (w, h, words) in enumerate(pages):
        for x0, y0, x1, y1, word in words:
            if x0 < MARGIN_PT - 2 or x1 > w - MARGIN_PT + 2 or y0 < MARGIN_PT - 2 or y1 > h - MARGIN_PT + 2:
                fail(f"{paper}: page {i + 1}: {word!r} at ({x0:.0f}, {y0:.0f})-({x1:.0f}, {y1:.0f}) "
                     "is outside the printable area")
                break


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--orvane", required=True)
    ap.add_argument("--input", required=True)
    args = ap.parse_args()
    chromium = shutil.which("chromium") or shutil.which("chromium-browser")
    if chromium is None or shutil.which("pdfinfo") is None or shutil.which("pdftotext") is None:
        print("SKIP: chromium, pdfinfo or pdftotext is not installed (scripts/install-deps.sh test "
              "installs chromium and poppler-utils); the HTML report was not printed")
        return SKIP
    stem = os.path.splitext(os.path.basename(args.input))[0]
    with tempfile.TemporaryDirectory() as out:
        run = subprocess.run([args.orvane, args.input, "--out-dir", out, "--json", "--plots", "--html"],
                             capture_output=True, text=True)
        report = os.path.join(out, stem + "-report.html")
        if not os.path.exists(report):
            print(f"no {report}; orvane said: {run.stdout}{run.stderr}")
            return 1
        doc = json.load(open(os.path.join(out, stem + "-results.json")))
        # the figures in the order the report shows them: the order the command writes them
        suffixes = ["-response.svg", "-py-curves.svg"]
        sections = sorted({t["section"] for t in (doc["results"] or {}).get("moment_curvature", [])})
        suffixes += [f"-section-{s}.svg" for s in sections]
        suffixes += ["-head-load-deflection.svg", "-length-study.svg", "-stiffness.svg"]
        figures = [os.path.join(out, stem + s) for s in suffixes if os.path.exists(os.path.join(out, stem + s))]
        if len(figures) != len(glob.glob(os.path.join(out, stem + "-*.svg"))):
            fail("the run wrote figures this check does not know")
        check_static(open(report, encoding="utf-8").read(), doc, figures)
        parts = ["Problem"]
        if doc["results"] is not None:
            parts += ["Summary of results"] + (["Figures"] if figures else [])
        parts += ["Errors and warnings"]
        for paper in PAPERS:
            check_print(report, paper, chromium, figures, parts, out)
    for f in failures:
        print("FAIL:", f)
    print(f"{stem}: {'ok' if not failures else str(len(failures)) + ' failures'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
