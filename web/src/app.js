// The web app: opens a problem (a bundled example, a local .lp file, or ?example=NAME in the
// address, run at once with &run=1), shows it as forms, checks it with the engine's own check as
// it is edited, runs it (on change, after a pause, or on Run) and shows the results. The engine
// is the WebAssembly build of the library in workers (engine.js); the forms and the .lp text come
// from the description of the input (lp-format.js, forms.js); the results from the engine's
// results document (results.js).
import { Cancelled, Engine } from "./engine.js";
import { ProblemForms } from "./forms.js";
import { Read_Problem, Write_Problem } from "./lp-format.js";
import {
    Show_Downloads, Show_Figures, Show_Node_Table, Show_Outcome, Show_Summary, Show_Warnings,
} from "./results.js";

const $ = (id) => document.getElementById(id);

const k_Check_Pause_ms = 150;
const k_Run_Pause_ms = 500;

const state = {
    desc: null,
    engine: null,
    forms: null,
    stem: "problem",
    checks: 0,          // checks finished, for whoever waits on the page
    runs: 0,            // runs finished
    check_serial: 0,
    last_check: null,
    last_check_text: null,  // the problem text the shown check is of
    last_run: null,
    last_run_text: null,    // the problem text the shown results are of
    urls: [],
    timers: {},
};

function Status(text) { $("status").textContent = text; }

function Later(name, ms, action) {
    clearTimeout(state.timers[name]);
    state.timers[name] = setTimeout(action, ms);
}

function Problem_Text() {
    return Write_Problem(state.desc, state.forms.problem);
}

// The engine's check of the problem as the forms hold it; its error beside the field of the
// input line it names.
async function Check() {
    const serial = ++state.check_serial;
    const written = Problem_Text();
    const doc = await state.engine.check(written.text, `${state.stem}.lp`);
    if (serial !== state.check_serial) return null;   // a newer edit is being checked
    state.last_check = doc;
    state.last_check_text = written.text;
    const box = $("check");
    const error = (doc.errors || [])[0];
    if (doc.accepted) {
        state.forms.Clear_Errors();
        box.className = "check accepted";
        box.textContent = doc.outcome.text;
    } else {
        box.className = "check refused";
        box.textContent = doc.outcome.text;
        // the engine's framed text, line by line, under a heading with the number when its own
        // heading does not carry it ("***** INPUT ERROR *****")
        let text = doc.outcome.text;
        if (error) {
            text = error.text.join("\n");
            if (!error.text.some((line) => line.includes(`No. ${error.number}`))) {
                text = `${error.kind === "input" ? "Input Data Error" : "Runtime Error"} No. ${error.number}\n${text}`;
            }
        }
        const paths = error && error.line ? written.fields_on[error.line] : null;
        state.forms.Show_Error(paths, text);
    }
    // results on the page that are not of the problem as it stands now say so
    $("results-pane").classList.toggle("stale", state.last_run_text !== null && state.last_run_text !== written.text);
    state.checks += 1;
    box.dataset.checks = String(state.checks);
    return doc;
}

async function Run() {
    const written = Problem_Text();
    Status("running...");
    const started = performance.now();
    let run;
    try {
        run = await state.engine.run(written.text, state.stem);
    } catch (error) {
        if (error instanceof Cancelled) return;       // a newer run took its place
        Status(`the engine failed: ${error.message}`);
        return;
    }
    const total_ms = performance.now() - started;
    state.last_run = run;
    state.last_run_text = written.text;
    for (const url of state.urls) URL.revokeObjectURL(url);
    state.urls = [];
    const doc = run.document;
    Show_Outcome($("outcome"), doc);
    Show_Summary($("summary"), doc);
    Show_Warnings($("warnings"), doc);
    Show_Node_Table($("node-case"), $("nodes"), doc);
    Show_Figures({ response: $("response-figures"), py: $("py-figures"), sections: $("section-figures"), head: $("head-figure") },
        run.figures, state.urls);
    Show_Downloads($("downloads"), state.stem, run, state.urls);
    $("run-time").textContent = `run ${run.engine_ms.toFixed(1)} ms (${total_ms.toFixed(0)} ms in all)`;
    $("results-pane").classList.toggle("stale", written.text !== Problem_Text().text);
    state.runs += 1;
    $("summary").dataset.runs = String(state.runs);
    Status(doc.outcome.result_code > 0 ? "the run ended with an error" : "done");
}

// After an edit: the check soon, the run after a longer pause when the problem is accepted.
function Edited() {
    Later("check", k_Check_Pause_ms, async () => {
        const doc = await Check();
        if (doc && doc.accepted && $("auto-run").checked) Later("run", k_Run_Pause_ms - k_Check_Pause_ms, Run);
    });
}

function Open(text, stem) {
    const { problem, notes } = Read_Problem(state.desc, text);
    state.stem = stem;
    $("notes").textContent = notes.map((n) => `line ${n.line}: ${n.text}`).join("\n");
    state.forms.show(problem);
    document.title = `${stem}: Orvane`;
}

function Save() {
    const url = URL.createObjectURL(new Blob([Problem_Text().text], { type: "text/plain" }));
    const a = Object.assign(document.createElement("a"), { href: url, download: `${state.stem}.lp` });
    document.body.append(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(url), 10000);
}

async function Open_Example(name) {
    const response = await fetch(`examples/${encodeURIComponent(name)}.lp`);
    if (!response.ok) throw new Error(`no bundled example named ${name}`);
    Open(await response.text(), name);
    $("example").value = name;
}

function Wire_Tabs() {
    for (const button of document.querySelectorAll("#tabs button")) {
        button.addEventListener("click", () => {
            for (const b of document.querySelectorAll("#tabs button")) b.classList.toggle("active", b === button);
            for (const v of document.querySelectorAll(".view")) v.classList.toggle("active", v.id === button.dataset.tab);
        });
    }
}

async function Main() {
    Wire_Tabs();
    const [desc, examples] = await Promise.all([
        fetch("input-format.json").then((r) => r.json()),
        fetch("examples/index.json").then((r) => r.json()),
    ]);
    state.desc = desc;
    state.forms = new ProblemForms($("forms"), desc, Edited);
    for (const e of examples) {
        $("example").append(Object.assign(document.createElement("option"), { value: e.name, textContent: `${e.name}: ${e.title}` }));
    }
    state.engine = await Engine.load();
    Status(`engine ready (${state.engine.version})`);

    $("example").addEventListener("change", async () => {
        if (!$("example").value) return;
        await Open_Example($("example").value);
        Edited();
    });
    $("open").addEventListener("change", async () => {
        const file = $("open").files[0];
        if (!file) return;
        Open(await file.text(), file.name.replace(/\.[^.]*$/, ""));
        $("example").value = "";
        Edited();
    });
    $("save").addEventListener("click", Save);
    $("run").addEventListener("click", Run);

    const params = new URLSearchParams(location.search);
    if (params.get("example")) {
        try {
            await Open_Example(params.get("example"));
        } catch (error) {
            Status(error.message);
            return;
        }
        await Check();
        if (params.get("run") === "1") await Run();
    }
}

// For scripts and tests driving the page: the problem's text as Save writes it, and counters.
window.orvane = {
    text: () => Problem_Text().text,
    state,
};

Main().catch((error) => Status(`the page could not start: ${error.message}`));
