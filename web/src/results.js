// The results of a run on the page, all from the engine's results document (docs/results-json.md)
// and the figures the command's figure code draws from it: the outcome, the summary table, the
// warnings, the node table of a chosen case, the figures and the files to download.
import { Element } from "./dom.js";

// A number as the tables show it: six significant digits (the document keeps full precision),
// in exponent form (1.73108E12) beyond 1E7 and below 1E-4.
export function Shown(value) {
    if (value === null || value === undefined) return "";
    if (typeof value !== "number") return String(value);
    if (value === 0) return "0";
    const rounded = Number(value.toPrecision(6));
    const size = Math.abs(rounded);
    // very large and very small values in exponent form, as the report writes them
    if (size >= 1e7 || size < 1e-4) return rounded.toExponential().replace("e+", "E").replace("e", "E");
    return rounded.toString();
}

// The summary's columns: key, heading, quantity of the units table (null: no unit).
const k_Summary_Columns = [
    ["load_case", "Load case", null],
    ["head_shear", "Pile-head shear", "shear"],
    ["head_deflection", "Pile-head deflection", "deflection"],
    ["max_moment", "Maximum moment", "moment"],
    ["max_shear", "Maximum shear", "shear"],
    ["head_rotation", "Pile-head rotation", "slope"],
    ["moment_capacity_ratio", "Moment / capacity", null],
];

const k_Node_Columns = [
    ["depth", "Depth"], ["deflection", "Deflection"], ["slope", "Slope"], ["moment", "Moment"],
    ["shear", "Shear"], ["soil_reaction", "Soil reaction"], ["soil_modulus", "Soil modulus Es"],
    ["bending_stiffness", "Bending stiffness"], ["distributed_load", "Distributed load"],
];

function Heading(text, unit) {
    return Element("th", {}, text, unit ? Element("br") : null, unit ? `(${unit})` : null);
}

export function Show_Summary(table, doc) {
    const rows = (doc.results && doc.results.summary) || [];
    const head = Element("tr", {});
    for (const [, text, quantity] of k_Summary_Columns) head.append(Heading(text, quantity ? doc.units[quantity] : ""));
    const body = rows.map((row) => {
        const tr = Element("tr", { "data-case": String(row.load_case) });
        for (const [key] of k_Summary_Columns) tr.append(Element("td", { "data-key": key, text: Shown(row[key]) }));
        return tr;
    });
    table.replaceChildren(Element("caption", { text: rows.length ? "Summary of pile responses" : "No load case has results" }), head, ...body);
}

export function Show_Outcome(box, doc) {
    const lines = [doc.outcome.text];
    for (const e of doc.errors || []) lines.push(...e.text);
    box.textContent = lines.join("\n");
    box.className = doc.outcome.result_code > 0 ? "failed" : "";
}

export function Show_Warnings(box, doc) {
    box.replaceChildren(...(doc.warnings || []).map((w) =>
        Element("div", { class: "warning", "data-warning": String(w.number) },
            `Warning ${w.number}${w.count > 1 ? ` (${w.count} times)` : ""}: ${w.text.join(" ")}`)));
}

export function Show_Node_Table(select, table, doc) {
    const cases = ((doc.results && doc.results.load_cases) || []).filter((c) => c.nodes);
    const kept = select.value;
    select.replaceChildren(...cases.map((c) => Element("option", { value: String(c.number),
        text: c.lrfd_combination ? `${c.number}: ${c.lrfd_combination.name}` : `${c.number}` })));
    if (cases.some((c) => String(c.number) === kept)) select.value = kept;
    const draw = () => {
        const c = cases.find((x) => String(x.number) === select.value);
        if (!c) { table.replaceChildren(); return; }
        const head = Element("tr", {});
        for (const [key, text] of k_Node_Columns) head.append(Heading(text, doc.units[key]));
        const rows = c.nodes.depth.map((_, k) => {
            const tr = Element("tr", {});
            for (const [key] of k_Node_Columns) tr.append(Element("td", { text: Shown(c.nodes[key][k]) }));
            return tr;
        });
        table.replaceChildren(head, ...rows);
    };
    select.onchange = draw;
    draw();
}

// The figures by their suffix: the response, the p-y curves, the sections, the head load.
export function Show_Figures(views, figures, urls) {
    for (const v of Object.values(views)) v.replaceChildren();
    for (const f of figures) {
        const url = URL.createObjectURL(new Blob([f.svg], { type: "image/svg+xml" }));
        urls.push(url);
        const img = Element("img", { src: url, alt: f.suffix, "data-figure": f.suffix });
        if (f.suffix === "-response.svg") views.response.append(img);
        else if (f.suffix === "-py-curves.svg") views.py.append(img);
        else if (f.suffix.startsWith("-section-")) views.sections.append(img);
        else views.head.append(img);
    }
    if (!views.py.children.length) views.py.append(Element("p", { text: "No p-y curves were printed: ask for them with PrintPYCurves YES and their depths." }));
}

export function Show_Downloads(list, stem, run, urls) {
    const files = [];
    for (const key of ["report", "plot", "messages"]) {
        if (run.outputs[key]) files.push([run.outputs[key].name, run.outputs[key].text, "text/plain"]);
    }
    files.push([`${stem}-results.json`, run.document_text, "application/json"]);
    for (const f of run.moment_curvature) files.push([f.name, f.text, "text/plain"]);
    for (const f of run.figures) files.push([stem + f.suffix, f.svg, "image/svg+xml"]);
    if (run.html) files.push([`${stem}-report.html`, run.html, "text/html"]);
    list.replaceChildren(...files.map(([name, text, type]) => {
        const url = URL.createObjectURL(new Blob([text], { type }));
        urls.push(url);
        return Element("li", {}, Element("a", { href: url, download: name, text: name }));
    }));
}
