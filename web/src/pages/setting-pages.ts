// The option, DTMF and key pages: every control of the desktop's pages under its object name and
// with its label, built in the chosen language from the module's table, showing the record's
// values. A choice or a code left is stored through the desktop's rules, one undo step each, and
// whatever a rule did to it is told.
import { app, byId, core, onLanguageChanged, onRecordChanged, settings } from "../app";
import { addressBook, installAddressBook } from "./address-book";
import { type EntryReport, type SettingControl, settingTexts } from "./page-texts";
import { editTelling, keepTyped, tell } from "./report";

const PanelOfPage = { options: "TabSheet_Option", dtmf: "TabSheet_Dtmf", keys: "TabSheet_Key" };

function store(control: HTMLElement, value: number | boolean | string) {
    const report: EntryReport = editTelling((record) => core.storeSetting(record, control.id, value, settings.lang));
    tell(control, report.message);
}

function label(control: SettingControl) {
    const element = document.createElement("label");
    if (control.label)
        element.id = control.label;
    element.htmlFor = control.control;
    element.textContent = control.caption;
    return element;
}

function list(control: SettingControl) {
    const select = document.createElement("select");
    select.id = control.control;
    select.append(...control.choices!.map((text) => new Option(text)));
    select.addEventListener("change", () => store(select, select.selectedIndex));
    return select;
}

function checkBox(control: SettingControl) {
    const box = document.createElement("input");
    box.type = "checkbox";
    box.id = control.control;
    box.addEventListener("change", () => store(box, box.checked));
    return box;
}

function codeBox(control: SettingControl) {
    const box = document.createElement("input");
    box.id = control.control;
    box.autocomplete = "off";
    box.spellcheck = false;
    box.maxLength = control.capacity!;
    keepTyped(box, (text) => core.typedInto("dtmf", text, settings.lang));
    box.addEventListener("change", () => store(box, box.value));
    return box;
}

// A label and its control in one row; a check box carries its caption after it. Controls the
// radio has no use for stand in the page, hidden, as on the desktop.
function row(control: SettingControl) {
    const element = document.createElement("div");
    element.className = "field-row";
    if (control.kind === "flag")
        element.append(checkBox(control), label(control));
    else
        element.append(label(control), control.kind === "code" ? codeBox(control) : list(control));
    element.hidden = !control.offered;
    return element;
}

function column(controls: SettingControl[]) {
    const element = document.createElement("div");
    element.className = "form-column";
    element.append(...controls.map(row));
    return element;
}

function keyGroup(controls: SettingControl[], caption: string, key: number) {
    const group = document.createElement("fieldset");
    group.id = `gbKey_${key + 1}`;
    const legend = document.createElement("legend");
    legend.textContent = caption;
    group.append(legend, ...controls.map(row));
    return group;
}

function build() {
    const texts = settingTexts();
    const on = (page: string, at: number) =>
        texts.controls.filter((control) => control.page === page && control.column === at);
    const options = byId(PanelOfPage.options);
    const bevel = document.createElement("div");
    bevel.id = "Bevel1";
    bevel.append(column(on("options", 0)), column(on("options", 1)));
    options.replaceChildren(bevel);
    byId(PanelOfPage.dtmf).replaceChildren(column(on("dtmf", 0)), column(on("dtmf", 1)), addressBook());
    byId(PanelOfPage.keys).replaceChildren(...texts.keyGroups.map((caption, key) =>
        keyGroup(on("keys", key), caption, key)));
}

function showValues() {
    const values = core.settingValues(app.record);
    for (const control of settingTexts().controls) {
        const element = byId<HTMLInputElement & HTMLSelectElement>(control.control);
        const value = values[control.control];
        if (control.kind === "flag")
            element.checked = value;
        else if (control.kind === "code")
            element.value = value;
        else
            element.selectedIndex = value;
    }
}

export function installSettingPages() {
    build();
    onLanguageChanged(build);
    onRecordChanged(showValues);
    installAddressBook();
}
