// The engine in a worker: the WebAssembly module (orvane.js / orvane.wasm, built by
// scripts/build-web.sh) instantiated from the compiled module the page hands over, one call at a
// time. A run goes through ORVGO on the worker's in-memory file system, so that the report, plot
// output and runtime message files exist to be downloaded; the results document, the figures
// (the command's figure code) and the check document come from the engine's in-memory calls.
// The page cancels a run by ending the worker (engine.js): the engine cannot be interrupted.
/* global createOrvane */
importScripts("orvane.js");

let engine = null;

function Taken_Text(pointer) {
    if (pointer === 0) return null;
    const text = engine.UTF8ToString(pointer);
    engine._orvane_free(pointer);
    return text;
}

// A text handed to the engine as NUL-terminated UTF-8, with its length in bytes.
function With_Text(text, call) {
    const length = engine.lengthBytesUTF8(text);
    const pointer = engine._malloc(length + 1);
    engine.stringToUTF8(text, pointer, length + 1);
    try {
        return call(pointer, length);
    } finally {
        engine._free(pointer);
    }
}

function With_Name(name, call) {
    return With_Text(name, (pointer) => call(pointer));
}

function Check(text, name) {
    return With_Name(name, (name_ptr) =>
        With_Text(text, (ptr, length) => JSON.parse(Taken_Text(engine._orvane_check_text(ptr, length, name_ptr)))));
}

const k_Run_Dir = "/run";
const k_Moment_Curvature_Names = 100;   // as many as the command offers the engine

// One run of ORVGO in a fresh folder of the in-memory file system: the input, NAMES.DAT naming
// the three run files and the names of the moment-curvature files, as the command writes them;
// the call; then the files read back (the folder is emptied before the next run).
function Run(text, stem) {
    const FS = engine.FS;
    try { FS.mkdir(k_Run_Dir); } catch (e) { /* kept from an earlier run */ }
    FS.chdir(k_Run_Dir);
    for (const name of FS.readdir(k_Run_Dir)) {
        if (name !== "." && name !== "..") FS.unlink(`${k_Run_Dir}/${name}`);
    }
    const files = { input: `${stem}.lp`, report: `${stem}-report.txt`, plot: `${stem}-plot.txt`, messages: `${stem}-messages.txt` };
    FS.writeFile(files.input, text);
    FS.writeFile("NAMES.DAT", `${files.input}\n${files.report}\n${files.plot}\n${files.messages}\n`);
    // the names the engine may give its moment-curvature files, one per section and thrust table
    const mc_names = Array.from({ length: k_Moment_Curvature_Names }, (_, k) => `${stem}-mc${k + 1}.txt`);
    FS.writeFile("M_vs_EI_report_names.txt", mc_names.join("\n") + "\n");
    const started = performance.now();
    const code = engine._ORVGO(6032);
    const engine_ms = performance.now() - started;
    const document_text = Taken_Text(engine._orvane_results_json());
    const figures = With_Text(document_text ?? "", (ptr) => JSON.parse(Taken_Text(engine._orvane_figures_json(ptr))));
    const html = With_Text(document_text ?? "", (ptr) => Taken_Text(engine._orvane_html_report(ptr)));
    const outputs = {};
    for (const key of ["report", "plot", "messages"]) {
        try { outputs[key] = { name: files[key], text: FS.readFile(files[key], { encoding: "utf8" }) }; } catch (e) { /* not written */ }
    }
    const moment_curvature = [];
    for (const name of mc_names) {
        try { moment_curvature.push({ name, text: FS.readFile(name, { encoding: "utf8" }) }); } catch (e) { /* not written */ }
    }
    return { code, engine_ms, document: JSON.parse(document_text), document_text, figures, html, outputs, moment_curvature };
}

// Messages are handled in order; a call that arrives while the module is still being
// instantiated waits for it.
let loaded = null;

async function Load(module) {
    engine = await createOrvane({
        instantiateWasm(imports, done) {
            WebAssembly.instantiate(module, imports).then((instance) => done(instance));
            return {};
        },
        print() {},
        printErr() {},
    });
    postMessage({ kind: "loaded", version: engine.UTF8ToString(engine._orvane_version()) });
}

onmessage = async (event) => {
    const message = event.data;
    if (message.kind === "load") {
        loaded = Load(message.module);
        return;
    }
    await loaded;
    try {
        const result = message.kind === "check" ? Check(message.text, message.name) : Run(message.text, message.name);
        postMessage({ kind: "done", id: message.id, result });
    } catch (error) {
        postMessage({ kind: "failed", id: message.id, error: String(error && error.stack ? error.stack : error) });
    }
};
