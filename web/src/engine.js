// The page's side of the engine: two workers (engine-worker.js) made from one compiled
// WebAssembly module, one for checks, one for runs, so that a check as you type never waits for
// a run. A worker does one call at a time; a new run ends the run in progress by ending its
// worker and starting a fresh one from the compiled module (the engine cannot be interrupted
// from inside), and the ended run's promise is settled as cancelled.

export class Cancelled extends Error {}

class EngineWorker {
    constructor(module) {
        this.module = module;
        this.pending = new Map();
        this.next_id = 1;
        this.start();
    }

    start() {
        this.worker = new Worker("engine-worker.js");
        this.ready = new Promise((resolve, reject) => {
            this.worker.onmessage = (event) => {
                const m = event.data;
                if (m.kind === "loaded") {
                    this.version = m.version;
                    resolve(m.version);
                    return;
                }
                const p = this.pending.get(m.id);
                if (!p) return;
                this.pending.delete(m.id);
                if (m.kind === "done") {
                    p.resolve(m.result);
                } else {
                    // a call that failed inside the engine (a trap) leaves its one model in an
                    // unknown state: the next call gets a fresh worker
                    p.reject(new Error(m.error));
                    this.restart();
                }
            };
            // a worker that fails outside a call (the module could not start) fails the calls
            // waiting on it; a failure inside a call comes back as that call's error
            this.worker.onerror = (event) => {
                const error = new Error(event.message || "the engine's worker failed");
                reject(error);
                for (const p of this.pending.values()) p.reject(error);
                this.pending.clear();
            };
        });
        this.worker.postMessage({ kind: "load", module: this.module });
    }

    call(kind, text, name) {
        const id = this.next_id++;
        return new Promise((resolve, reject) => {
            this.pending.set(id, { resolve, reject });
            this.worker.postMessage({ kind, id, text, name });
        });
    }

    // Ends the worker with whatever it is doing and starts a fresh one.
    restart() {
        this.worker.terminate();
        for (const p of this.pending.values()) p.reject(new Cancelled("cancelled by a newer run"));
        this.pending.clear();
        this.start();
    }

    busy() { return this.pending.size > 0; }
}

export class Engine {
    static async load(url = "orvane.wasm") {
        const response = await fetch(url);
        const module = WebAssembly.compileStreaming
            ? await WebAssembly.compileStreaming(response)
            : await WebAssembly.compile(await response.arrayBuffer());
        const engine = new Engine(module);
        await Promise.all([engine.checker.ready, engine.runner.ready]);
        return engine;
    }

    constructor(module) {
        this.checker = new EngineWorker(module);
        this.runner = new EngineWorker(module);
    }

    get version() { return this.runner.version; }

    // The engine's check document of the problem text (format "orvane-check").
    check(text, name) { return this.checker.call("check", text, name); }

    // One run: { code, engine_ms, document, figures, html, outputs }. A run still going is
    // cancelled first.
    run(text, name) {
        if (this.runner.busy()) this.runner.restart();
        return this.runner.call("run", text, name);
    }
}
