// The forms of the whole input, built from the description of the format (docs/input-format.json)
// as lp-format.js reads and writes it: a form per block, a field per value with its name, its
// unit in the problem's unit system and its range, a list for every choice and code, a table or
// a group per repeated row. Every field carries its path ("SECTIONS.sections.0.diameter"), the
// same the writer records per line, so that an error the engine's check reports at a line is
// shown beside its field. A change of a count, a code that selects the following lines, or a
// choice completes the problem's layout and draws the forms again.
import {
    Chosen_Option, Complete_Scope, Field_Label, k_Layer_Ends, New_Scope,
    Resolved_Field, Switch_Items, Unit_System, Unit_Text,
} from "./lp-format.js";
import { Element } from "./dom.js";

// The names of the fields whose value selects the lines that follow, or their units.
function Structural_Names(desc) {
    const names = new Set();
    const visit = (items) => {
        for (const item of items || []) {
            if (item.switch) { names.add(item.switch); item.cases.forEach((c) => visit(c.items)); }
            if (item.line) {
                for (const f0 of item.line) {
                    const f = Resolved_Field(desc, f0);
                    if (f.count) names.add(f.name);
                    if (f.unit && f.unit.by) names.add(f.unit.by);
                }
            }
            if (item.choice) item.options.forEach((o) => visit(o.items));
            if (item.repeat) visit(item.items);
            if (item.top_bottom) visit(item.top_bottom);
        }
    };
    desc.blocks.forEach((b) => visit(b.items));
    Object.values(desc.parts).forEach(visit);
    return names;
}

export class ProblemForms {
    // on_change(structural) is called after every edit, once the problem holds it.
    constructor(container, desc, on_change) {
        this.container = container;
        this.desc = desc;
        this.on_change = on_change;
        this.structural = Structural_Names(desc);
        this.problem = { blocks: {} };
    }

    show(problem) {
        this.problem = problem;
        for (const block of this.desc.blocks) {
            if (this.problem.blocks[block.keyword]) Complete_Scope(this.desc, block.items, this.problem.blocks[block.keyword]);
        }
        this.draw();
    }

    draw() {
        const scroll = this.container.scrollTop;
        this.system = Unit_System(this.desc, this.problem);
        this.container.replaceChildren(...this.desc.blocks.map((b) => this.Block_Form(b)));
        this.container.scrollTop = scroll;
    }

    changed(structural) {
        if (structural) {
            for (const block of this.desc.blocks) {
                const scope = this.problem.blocks[block.keyword];
                if (scope) Complete_Scope(this.desc, block.items, scope);
            }
            this.draw();
        }
        this.on_change(structural);
    }

    Block_Form(block) {
        const scope = this.problem.blocks[block.keyword];
        const always = block.needed === "always";
        const head = Element("h3", {}, Element("span", { text: block.label }), Element("code", { text: block.keyword }));
        if (!always) {
            const box = Element("input", { type: "checkbox", "data-block": block.keyword, title: `include ${block.keyword}` });
            box.checked = Boolean(scope);
            box.addEventListener("change", () => {
                if (box.checked) this.problem.blocks[block.keyword] = New_Scope(this.desc, block.items, 0);
                else delete this.problem.blocks[block.keyword];
                this.changed(true);
            });
            head.prepend(box);
            head.append(Element("small", { class: "needed", text: block.needed }));
        }
        const form = Element("section", { class: "block", "data-path": `${block.keyword}.` }, head);
        form.append(Element("div", { class: "error" }));
        if (scope) {
            const body = Element("div", { class: "block-body" });
            this.Items(block.items, scope, [], `${block.keyword}.`, body);
            form.append(body);
        }
        return form;
    }

    Items(items, scope, env, path, parent) {
        for (const item of items) this.Item(item, scope, env, path, parent);
    }

    Item(item, scope, env, path, parent) {
        const chain = env.concat([scope]);
        if (item.text !== undefined) {
            parent.append(this.Text_Field(item, scope, path));
        } else if (item.line) {
            const row = Element("div", { class: "line" });
            for (const f0 of item.line) {
                const f = Resolved_Field(this.desc, f0);
                if (f.role !== "label") row.append(this.Field(f, scope, chain, path));
            }
            parent.append(row);
        } else if (item.choice) {
            parent.append(this.Choice(item, scope, path));
            const option = Chosen_Option(item, scope);
            if (option) this.Items(option.items, scope, env, path, parent);
        } else if (item.fixed) {
            const row = Element("div", { class: "line" });
            for (const c of item.columns) if (c.role !== "label") row.append(this.Field(c, scope, chain, path));
            parent.append(row);
        } else if (item.repeat) {
            parent.append(this.Repeat(item, scope, chain, path));
        } else if (item.switch) {
            this.Items(Switch_Items(item, chain), scope, env, path, parent);
        } else if (item.part) {
            this.Items(this.desc.parts[item.part], scope, env, path, parent);
        } else if (item.top_bottom) {
            const ends = Element("div", { class: "ends" });
            for (const [end, label] of [[k_Layer_Ends[0], "at the top of the layer"], [k_Layer_Ends[1], "at the bottom of the layer"]]) {
                const box = Element("div", { class: "end" }, Element("h5", { text: label }));
                this.Items(item.top_bottom, scope[end], chain, `${path}${end}.`, box);
                ends.append(box);
            }
            parent.append(ends);
        }
    }

    // A field: its name, its input (a list for a code), its unit and range, and a place for the
    // engine's error.
    Field(f, scope, env, path, compact = false) {
        const field_path = path + f.name;
        const structural = this.structural.has(f.name) || f.options !== undefined;
        let input;
        if (f.options) {
            input = Element("select", {});
            const known = f.options.map((o) => String(o[0]));
            for (const [value, label] of f.options) input.append(Element("option", { value: String(value), text: `${value}: ${label}` }));
            if (!known.includes(String(scope[f.name]))) input.append(Element("option", { value: scope[f.name], text: `${scope[f.name]}: not a listed code` }));
        } else {
            input = Element("input", { type: "text", inputmode: f.type === "word" ? "text" : "decimal", spellcheck: "false" });
        }
        input.value = scope[f.name] ?? "";
        input.dataset.path = field_path;
        input.addEventListener(structural ? "change" : "input", () => {
            this.last_edited = field_path;
            scope[f.name] = input.value.trim();
            this.changed(structural);
        });
        const unit = Unit_Text(this.desc, f, this.system, env);
        const label = Field_Label(f, env);
        const wrapper = Element("label", { class: `field${compact ? " compact" : ""}`, "data-field": field_path });
        if (!compact) wrapper.append(Element("span", { class: "name", text: label }));
        else input.title = label;
        wrapper.append(input, Element("span", { class: "unit", text: unit }));
        if (f.range && !compact) wrapper.append(Element("small", { class: "range", text: f.range }));
        wrapper.append(Element("span", { class: "error" }));
        return wrapper;
    }

    Text_Field(item, scope, path) {
        const input = Element("input", { type: "text", class: "wide", spellcheck: "false" });
        input.value = scope[item.text] ?? "";
        input.dataset.path = path + item.text;
        input.addEventListener("input", () => { scope[item.text] = input.value; this.changed(false); });
        return Element("label", { class: "field text", "data-field": path + item.text },
            Element("span", { class: "name", text: item.label }), input, Element("span", { class: "error" }));
    }

    Choice(item, scope, path) {
        const select = Element("select", {});
        for (const o of item.options) select.append(Element("option", { value: o.line, text: o.line }));
        if (!Chosen_Option(item, scope)) select.append(Element("option", { value: scope[item.choice], text: `${scope[item.choice]} (not recognized)` }));
        select.value = scope[item.choice];
        select.dataset.path = path + item.choice;
        select.addEventListener("change", () => { scope[item.choice] = select.value; this.changed(true); });
        return Element("label", { class: "field choice", "data-field": path + item.choice },
            Element("span", { class: "name", text: item.label }), select, Element("span", { class: "error" }));
    }

    // Rows of a repeat: a table when each row is one line, else a group per row.
    Repeat(item, scope, env, path) {
        const rows = scope[item.name] || [];
        const box = Element("div", { class: "repeat" });
        const single = item.items.length === 1 && item.items[0].line;
        if (single && rows.length > 0) {
            const fields = item.items[0].line.map((f) => Resolved_Field(this.desc, f)).filter((f) => f.role !== "label");
            const table = Element("table", { class: "rows" });
            const head = Element("tr", {});
            for (const f of fields) {
                const unit = Unit_Text(this.desc, f, this.system, env.concat([rows[0]]));
                head.append(Element("th", { text: Field_Label(f, env.concat([rows[0]])) + (unit ? ` (${unit})` : "") }));
            }
            table.append(head);
            rows.forEach((row, i) => {
                const tr = Element("tr", {});
                for (const f of fields) tr.append(Element("td", {}, this.Field(f, row, env.concat([row]), `${path}${item.name}.${i}.`, true)));
                table.append(tr);
            });
            box.append(table);
        } else {
            rows.forEach((row, i) => {
                const group = Element("fieldset", { class: "row" }, Element("legend", { text: `${item.label} ${i + 1}` }));
                this.Items(item.items, row, env, `${path}${item.name}.${i}.`, group);
                box.append(group);
            });
        }
        return box;
    }

    // Shows an error of the engine's check beside the field it concerns: of the paths given (the
    // fields of the error's input line, which the engine names, not the value) the field edited
    // last if it is one of them, else the first; the block's heading for a keyword line.
    // Returns the element it was shown in, or null when no field of the paths is on the forms.
    Show_Error(paths, text) {
        this.Clear_Errors();
        const ordered = [...(paths || [])].sort((a, b) => (b === this.last_edited) - (a === this.last_edited));
        for (const path of ordered) {
            const holder = this.container.querySelector(`[data-field="${CSS.escape(path)}"] .error`)
                || this.container.querySelector(`[data-path="${CSS.escape(path)}"] > .error`);
            if (holder) {
                holder.textContent = text;
                holder.closest("[data-field], .block").classList.add("has-error");
                return holder;
            }
        }
        return null;
    }

    Clear_Errors() {
        for (const e of this.container.querySelectorAll(".error")) e.textContent = "";
        for (const e of this.container.querySelectorAll(".has-error")) e.classList.remove("has-error");
    }
}
