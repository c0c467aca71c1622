// SPDX-FileCopyrightText: 2026 TANVERA developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's side of the windows' accessibility, which web_accessibility.cpp keeps current: an
// element for each control, inside the canvas. A screen reader finds them there, and the keys
// typed while one has the focus still reach the program, which listens on the canvas. The program
// alone edits, presses and moves the focus: the elements tell what it shows, and hand a screen
// reader's own focus and presses back to it. Linked in front of tanvera.js (--pre-js), where
// `Module` is the program. Emscripten's own minifier reads it: no destructuring, no spreading.
globalThis.tanveraAccessibility = (function (program) {
    "use strict";
    const elements = new Map(); // Qt's accessible id -> element
    const ids = new WeakMap();
    let canvas = null;
    let root = null;
    let live = null;
    let current = null; // the element of the window's focus
    let beforeDialog = null; // and where it was before a message box took it
    let focusing = false; // the focus moved by the program, not by a screen reader
    let spoken = []; // this turn's announcements, said together when it ends

    // Focusable only where the program puts its focus: the browser's Tab stays the program's.
    function make(tag, attributes) {
        const element = document.createElement(tag);
        for (const name of Object.keys(attributes))
            element.setAttribute(name, attributes[name]);
        return element;
    }
    const made = {
        window: () => make("div", { role: "region" }),
        alertdialog: () => make("div", { role: "alertdialog", "aria-modal": "true" }),
        textbox: () => make("input", { type: "text", tabindex: "-1", autocomplete: "off",
                                       spellcheck: "false", inputmode: "none" }),
        button: () => make("button", { type: "button", tabindex: "-1" }),
        text: () => make("div", {}),
        group: () => make("div", {}),
        chart: () => make("div", { role: "figure", tabindex: "-1" }),
        menu: () => make("div", { role: "menu" }),
        menuitem: () => make("div", { role: "menuitem", tabindex: "-1" }),
        "": () => make("div", {}),
    };

    // A second element that carries what its owner's name does not: the chart's axes and curves,
    // a message's text. Read after the name, and in the page's reading order too.
    function described(element) {
        if (!element.tanveraDescription) {
            const text = document.createElement("div");
            text.id = "tanvera-descripcion-" + ids.get(element);
            element.prepend(text);
            element.setAttribute("aria-describedby", text.id);
            element.tanveraDescription = text;
        }
        return element.tanveraDescription;
    }

    function setName(element, name) {
        if (name)
            element.setAttribute("aria-label", name);
        else
            element.removeAttribute("aria-label");
    }

    function say() {
        const text = Array.from(new Set(spoken)).join(". ");
        spoken = [];
        if (text && live)
            live.textContent = text;
    }

    return {
        start() {
            canvas = (program.qtContainerElements || [])[0] || document.querySelector("canvas");
            root = document.createElement("div");
            root.id = "tanvera-accesible";
            // Qt makes the canvas editable to receive the clipboard's events; what is told of the
            // window inside it is not.
            root.contentEditable = "false";
            canvas.append(root);
            live = document.createElement("div");
            live.id = "tanvera-anuncios";
            live.setAttribute("role", "status");
            live.setAttribute("aria-live", "polite");
            live.setAttribute("aria-atomic", "true");
            live.style.cssText = "position: absolute; width: 1px; height: 1px; overflow: hidden; "
                + "clip: rect(0 0 0 0); white-space: nowrap;";
            document.body.append(live);

            root.addEventListener("focusin", (event) => {
                const id = ids.get(event.target);
                if (!focusing && id !== undefined)
                    program.tanveraAccessibleFocus(id);
            });
            root.addEventListener("click", (event) => {
                const target = event.target.closest("button, [role=menuitem]");
                if (target && ids.has(target))
                    program.tanveraAccessiblePress(ids.get(target));
            });
            // The program has seen these keys already, on the canvas: a browser would press a
            // button with Enter or Space a second time, and type into a box of its own.
            const keys = (event) => {
                if (event.target.localName === "button" && (event.key === "Enter" || event.key === " "))
                    event.preventDefault();
            };
            root.addEventListener("keydown", keys);
            root.addEventListener("keyup", keys);
            root.addEventListener("beforeinput", (event) => event.preventDefault());
            // A click on the canvas takes the browser's focus to the canvas: back to the control.
            canvas.addEventListener("focus", () => current && this.focus(ids.get(current)));
        },

        add(id, parent, kind) {
            // A window of its own kind (a message box, a menu) says so; any other is a region.
            const element = made[kind === "" && parent === 0 ? "window" : kind]();
            ids.set(element, id);
            elements.set(id, element);
            element.tanveraKind = kind;
            (elements.get(parent) || root).append(element);
        },

        update(id, name, value, description, flags) {
            const element = elements.get(id);
            if (!element)
                return;
            element.hidden = (flags & 1) !== 0;
            switch (element.tanveraKind) {
            case "textbox":
                setName(element, name);
                element.readOnly = (flags & 2) !== 0;
                if (element.value !== value)
                    element.value = value;
                if (description)
                    element.title = description;
                break;
            case "button":
            case "menuitem":
                element.textContent = name;
                element.setAttribute("aria-disabled", String((flags & 4) !== 0));
                break;
            case "text":
                element.textContent = name || value;
                break;
            case "chart":
                setName(element, name);
                described(element).textContent = description;
                break;
            case "alertdialog":
                setName(element, name);
                described(element).textContent = value;
                break;
            default:
                setName(element, name);
                if (name && element.tanveraKind === "group")
                    element.setAttribute("role", "group");
            }
        },

        // Removes the element and those inside it; returns their ids.
        remove(id) {
            const element = elements.get(id);
            if (!element)
                return [];
            const gone = [element].concat(Array.from(element.querySelectorAll("*"))).map((e) => ids.get(e))
                .filter((e) => e !== undefined);
            for (const each of gone)
                elements.delete(each);
            // Qt gives the focus back to the window without a word of it: to where it was.
            if (current && element.contains(current)) {
                current = null;
                if (beforeDialog && beforeDialog.isConnected)
                    this.focus(ids.get(beforeDialog));
            }
            element.remove();
            return gone;
        },

        focus(id) {
            const element = elements.get(id);
            if (!element)
                return;
            if (element.closest("[role=alertdialog]") && !(current && current.closest("[role=alertdialog]")))
                beforeDialog = current;
            current = element;
            // Where the page has taken the focus (its input for on-screen keyboards), it keeps it.
            const active = document.activeElement;
            if (active !== element && (!active || active === document.body || canvas.contains(active))) {
                focusing = true;
                element.focus({ preventScroll: true });
                focusing = false;
            }
        },

        announce(text) {
            if (spoken.length === 0)
                setTimeout(say, 0);
            spoken.push(text);
        },
    };
})(Module);
