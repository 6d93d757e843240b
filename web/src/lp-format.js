// The input data file read into a problem and written back, both driven by the machine-readable
// description of the format (docs/input-format.json), so that the page holds no copy of the
// format's line layout of its own. Reading keeps every value as the text it was written as, and
// writing puts that text back, so a problem opened and saved gives the engine the same numbers.
// Neither decides what is valid: the engine's check does (engine.js). The writer records which
// field stands on which line, so that an error the check reports at a line can be shown beside
// its field.
//
// A problem is { blocks: { KEYWORD: scope } }, present blocks only. A scope maps a field name to
// its text, a choice name to its chosen line, a repeat name to an array of scopes (its rows), and
// "at_top" / "at_bottom" of a soil layer to the scopes of its two property lines.

// The scopes of a soil layer's property lines, at its top and at its bottom.
export const k_Layer_Ends = ["at_top", "at_bottom"];

// The tokens of a line: blanks, tabs and commas separate; a quoted text is one token.
const k_Token = /'(?:[^']|'')*'|"(?:[^"]|"")*"|[^\s,]+/g;

export function Tokens(line) {
    return line.match(k_Token) || [];
}

// Lines of a file: LF or CR-LF ends, trailing blanks and tabs removed (as the engine reads them).
export function Split_Lines(text) {
    const lines = text.split("\n").map((l) => l.replace(/\r$/, "").replace(/[ \t]+$/, ""));
    if (lines.length > 0 && lines[lines.length - 1] === "") lines.pop();
    return lines;
}

// The field of a line entry, a shared field ("part_field") resolved.
export function Resolved_Field(desc, field) {
    return field.part_field ? desc.fields[field.part_field] : field;
}

// The value of `name` seen from a chain of scopes, innermost last.
export function Look_Up(env, name) {
    for (let i = env.length - 1; i >= 0; --i) {
        if (Object.prototype.hasOwnProperty.call(env[i], name)) return env[i][name];
    }
    return undefined;
}

// The number of rows a count text asks for (0 for none or for a text that is no integer).
export function Row_Count(text) {
    const n = /^[+-]?\d+$/.test(String(text ?? "").trim()) ? parseInt(text, 10) : 0;
    return Math.max(0, Math.min(n, 1000));
}

// The items of a switch that apply to the current value of the field it switches on.
export function Switch_Items(item, env) {
    const value = parseInt(Look_Up(env, item.switch), 10);
    for (const c of item.cases) {
        if (c.when.includes(value)) return c.items;
    }
    return [];
}

export function Chosen_Option(item, scope) {
    return item.options.find((o) => o.line === scope[item.choice]);
}

// The code of the problem's unit system ("USCS", "SI", "GENERAL"), SI when none is chosen.
export function Unit_System(desc, problem) {
    const options = problem.blocks.OPTIONS;
    const line = options ? options.units : undefined;
    const system = desc.unit_systems.find((u) => u.line === line);
    return system ? system.code : "SI";
}

// The unit text of a field in a unit system, a unit that depends on another field (the load
// type of a load case) resolved from the scope chain.
export function Unit_Text(desc, field, system, env) {
    let kind = field.unit;
    if (kind && typeof kind === "object") kind = kind.cases[String(parseInt(Look_Up(env, kind.by), 10))];
    if (!kind || !desc.units[kind]) return "";
    const text = desc.units[kind][system];
    return text === "-" ? "" : text;
}

export function Field_Label(field, env) {
    if (field.labels && field.unit && field.unit.by) {
        const label = field.labels[String(parseInt(Look_Up(env, field.unit.by), 10))];
        if (label) return label;
    }
    return field.label;
}

// ---------------------------------------------------------------------------------------------
// Reading

class LineSource {
    constructor(lines) {
        this.lines = lines;
        this.at = 0;            // index of the next line
        this.notes = [];        // what the reader could not place, with its line number
    }
    done() { return this.at >= this.lines.length; }
    text() { return this.done() ? null : this.lines[this.at++]; }
    // n values of one free-format read: from a new line on, across lines as needed; values left
    // on the last line used are ignored, as the engine ignores them.
    values(n) {
        const found = [];
        while (found.length < n && !this.done()) {
            for (const t of Tokens(this.lines[this.at])) {
                if (found.length < n) found.push(t);
            }
            this.at += 1;
        }
        return found;
    }
}

function Read_Items(desc, items, src, scope, env) {
    for (const item of items) Read_Item(desc, item, src, scope, env);
}

function Read_Item(desc, item, src, scope, env) {
    const chain = env.concat([scope]);
    if (item.text !== undefined) {
        const t = src.text();
        scope[item.text] = t ?? "";
    } else if (item.line) {
        const fields = item.line.map((f) => Resolved_Field(desc, f));
        const values = src.values(fields.length);
        fields.forEach((f, i) => { scope[f.name] = values[i] ?? ""; });
    } else if (item.choice) {
        const line = src.text() ?? "";
        scope[item.choice] = line;
        const option = Chosen_Option(item, scope);
        if (option) Read_Items(desc, option.items, src, scope, env);
        else src.notes.push({ line: src.at, text: `"${line}" is none of: ${item.options.map((o) => o.line).join(", ")}` });
    } else if (item.fixed) {
        const line = src.text() ?? "";
        for (const c of item.columns) scope[c.name] = line.slice(c.from - 1, c.to).trim();
    } else if (item.repeat) {
        const rows = [];
        const n = Row_Count(Look_Up(chain, item.repeat));
        for (let i = 0; i < n && !src.done(); ++i) {
            const row = {};
            Read_Items(desc, item.items, src, row, chain);
            rows.push(row);
        }
        scope[item.name] = rows;
    } else if (item.switch) {
        Read_Items(desc, Switch_Items(item, chain), src, scope, env);
    } else if (item.part) {
        Read_Items(desc, desc.parts[item.part], src, scope, env);
    } else if (item.top_bottom) {
        for (const end of k_Layer_Ends) {
            scope[end] = {};
            Read_Items(desc, item.top_bottom, src, scope[end], chain);
        }
    }
}

function Block_Of_Keyword(desc, line) {
    return desc.blocks.find((b) => b.keyword === line || (b.aliases || []).includes(line));
}

// The problem held in the text of an input data file, and notes on what could not be placed.
export function Read_Problem(desc, text) {
    const src = new LineSource(Split_Lines(text.replace(/^\uFEFF/, "")));
    const problem = { blocks: {} };
    while (!src.done() && src.lines[src.at].trim() === "") src.at += 1;
    const tag = src.text();
    if (tag === null || !tag.trim().startsWith(desc.tag)) {
        src.notes.push({ line: src.at, text: `the first value is not ${desc.tag}: not an input data file` });
        return { problem, notes: src.notes };
    }
    while (!src.done()) {
        const line = src.text();
        if (line === desc.end) break;
        if (line.trim() === "") continue;
        const block = Block_Of_Keyword(desc, line);
        if (!block) {
            src.notes.push({ line: src.at, text: `unrecognized line "${line}"` });
            continue;
        }
        const scope = {};
        Read_Items(desc, block.items, src, scope, []);
        problem.blocks[block.keyword] = scope;
    }
    return { problem, notes: src.notes };
}

// ---------------------------------------------------------------------------------------------
// Writing

class LineSink {
    constructor() {
        this.lines = [];
        this.fields_on = [null];   // per line number (1-based): the paths of the fields on it
    }
    put(text, paths) {
        this.lines.push(text);
        this.fields_on.push(paths);
    }
}

// A value as written: its text, or "?" for an empty field, which the engine then refuses at
// this line (a read would otherwise go on to the next line and misplace every value after it).
function Written(text) {
    const t = String(text ?? "").trim();
    return t === "" ? "?" : t;
}

function Write_Items(desc, items, sink, scope, env, path) {
    for (const item of items) Write_Item(desc, item, sink, scope, env, path);
}

function Write_Item(desc, item, sink, scope, env, path) {
    const chain = env.concat([scope]);
    if (item.text !== undefined) {
        sink.put(String(scope[item.text] ?? ""), [path + item.text]);
    } else if (item.line) {
        const fields = item.line.map((f) => Resolved_Field(desc, f));
        const texts = fields.map((f) => (f.role === "label" ? Written(scope[f.name] || f.default) : Written(scope[f.name])));
        sink.put(texts.join("  "), fields.filter((f) => f.role !== "label").map((f) => path + f.name));
    } else if (item.choice) {
        sink.put(String(scope[item.choice] ?? ""), [path + item.choice]);
        const option = Chosen_Option(item, scope);
        if (option) Write_Items(desc, option.items, sink, scope, env, path);
    } else if (item.fixed) {
        const [label, type, cycles] = item.columns.map((c) => String(scope[c.name] ?? (c.default || "")));
        let line = (label || item.columns[0].default).padEnd(8).slice(0, 8) + type.padEnd(6).slice(0, 6);
        if (cycles.trim() !== "") line += cycles.trim().padStart(6);
        sink.put(line, item.columns.filter((c) => c.role !== "label").map((c) => path + c.name));
    } else if (item.repeat) {
        const rows = scope[item.name] || [];
        rows.forEach((row, i) => Write_Items(desc, item.items, sink, row, chain, `${path}${item.name}.${i}.`));
    } else if (item.switch) {
        Write_Items(desc, Switch_Items(item, chain), sink, scope, env, path);
    } else if (item.part) {
        Write_Items(desc, desc.parts[item.part], sink, scope, env, path);
    } else if (item.top_bottom) {
        for (const end of k_Layer_Ends) {
            Write_Items(desc, item.top_bottom, sink, scope[end] || {}, chain, `${path}${end}.`);
        }
    }
}

// The text of the problem's input data file, its blocks in the order of the description, and
// for every line number the paths ("SECTIONS.sections.0.diameter") of the fields written on it.
export function Write_Problem(desc, problem) {
    const sink = new LineSink();
    sink.put(desc.tag, []);
    for (const block of desc.blocks) {
        const scope = problem.blocks[block.keyword];
        if (!scope) continue;
        sink.put(block.keyword, [`${block.keyword}.`]);
        Write_Items(desc, block.items, sink, scope, [], `${block.keyword}.`);
    }
    sink.put(desc.end, []);
    return { text: sink.lines.join("\n") + "\n", fields_on: sink.fields_on };
}

// ---------------------------------------------------------------------------------------------
// Building

// A new, empty scope for the items (a row added to a repeat, a block switched on): fields with a
// default take it, numbered rows their number, choices their first option.
export function New_Scope(desc, items, index, env = []) {
    const scope = {};
    Fill_Scope(desc, items, scope, index, env);
    return scope;
}

function Fill_Scope(desc, items, scope, index, env) {
    const chain = env.concat([scope]);
    for (const item of items) {
        if (item.line) {
            for (const f0 of item.line) {
                const f = Resolved_Field(desc, f0);
                if (scope[f.name] !== undefined) continue;
                if (f.auto === "index") scope[f.name] = String(index + 1);
                else if (f.count) scope[f.name] = "0";
                else if (f.default !== undefined) scope[f.name] = f.default;
                else if (f.options) scope[f.name] = String(f.options[0][0]);
                else scope[f.name] = "";
            }
        } else if (item.text !== undefined) {
            if (scope[item.text] === undefined) scope[item.text] = "";
        } else if (item.choice) {
            if (scope[item.choice] === undefined) scope[item.choice] = item.options[item.options.length - 1].line;
            const option = Chosen_Option(item, scope);
            if (option) Fill_Scope(desc, option.items, scope, index, env);
        } else if (item.fixed) {
            for (const c of item.columns) {
                if (scope[c.name] === undefined) scope[c.name] = c.default ?? (c.options ? c.options[0][0] : "");
            }
        } else if (item.repeat) {
            if (scope[item.name] === undefined) scope[item.name] = [];
        } else if (item.switch) {
            Fill_Scope(desc, Switch_Items(item, chain), scope, index, env);
        } else if (item.part) {
            Fill_Scope(desc, desc.parts[item.part], scope, index, env);
        } else if (item.top_bottom) {
            for (const end of k_Layer_Ends) {
                if (!scope[end]) scope[end] = {};
                Fill_Scope(desc, item.top_bottom, scope[end], index, chain);
            }
        }
    }
}

// Completes a scope after a structural change (a section's type, a chosen option): the fields
// the new layout reads that the scope does not hold yet take their defaults; rows follow counts.
export function Complete_Scope(desc, items, scope, env = [], index = 0) {
    Fill_Scope(desc, items, scope, index, env);
    const chain = env.concat([scope]);
    for (const item of items) {
        if (item.repeat) {
            const rows = scope[item.name];
            const n = Row_Count(Look_Up(chain, item.repeat));
            while (rows.length > n) rows.pop();
            while (rows.length < n) {
                // a new row starts as a copy of the one above, numbered in its turn
                const row = rows.length > 0 ? structuredClone(rows[rows.length - 1]) : {};
                Renumber(desc, item.items, row, rows.length);
                rows.push(row);
            }
            rows.forEach((row, i) => Complete_Scope(desc, item.items, row, chain, i));
        } else if (item.choice) {
            const option = Chosen_Option(item, scope);
            if (option) Complete_Scope(desc, option.items, scope, env, index);
        } else if (item.switch) {
            Complete_Scope(desc, Switch_Items(item, chain), scope, env, index);
        } else if (item.part) {
            Complete_Scope(desc, desc.parts[item.part], scope, env, index);
        } else if (item.top_bottom) {
            for (const end of k_Layer_Ends) Complete_Scope(desc, item.top_bottom, scope[end], chain, index);
        }
    }
}

function Renumber(desc, items, row, index) {
    for (const item of items) {
        if (!item.line) continue;
        for (const f0 of item.line) {
            const f = Resolved_Field(desc, f0);
            if (f.auto === "index") row[f.name] = String(index + 1);
        }
    }
}
