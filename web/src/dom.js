// Building the page's elements: a tag with its attributes ("class" and "text" set the class name
// and the text) and its children, the ones that are not null.
export function Element(tag, attributes = {}, ...children) {
    const e = document.createElement(tag);
    for (const [k, v] of Object.entries(attributes)) {
        if (k === "class") e.className = v;
        else if (k === "text") e.textContent = v;
        else e.setAttribute(k, v);
    }
    for (const c of children) if (c) e.append(c);
    return e;
}
