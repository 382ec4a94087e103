// The batch-set dialog `TChBatchSetDlg`, opened by `bChBatchSet` on the channel page: the
// desktop's controls under their object names, start frequencies from the band's lower limit and
// no step each time it opens. A frequency or the step is taken on leaving its box as the desktop
// takes it; OK fills the channels in one undo step and says which, or why none.
import { byId, core, onLanguageChanged, settings } from "../app";
import { settingTexts } from "./page-texts";
import { editTelling, keepTyped, tell } from "./report";

interface BatchControl {
    control: string;
    label: string;
    caption: string;
    kind: "frequency" | "step" | "list";
    column: number;
    value?: number;
    text?: string;
    choices?: string[];
    selected?: number;
}

const dialog = document.createElement("dialog");
const committed = new Map<string, number>();

function box(control: BatchControl) {
    const input = document.createElement("input");
    input.id = control.control;
    input.autocomplete = "off";
    input.inputMode = "decimal";
    input.value = control.text!;
    committed.set(control.control, control.value!);
    const rule = control.kind === "step" ? "step" : "batchFrequency";
    keepTyped(input, (text) => core.typedInto(rule, text, settings.lang));
    input.addEventListener("change", () => commit(input));
    return input;
}

function commit(input: HTMLInputElement) {
    const current = committed.get(input.id)!;
    const report = input.id === "eStep"
        ? core.batchStepEntry(input.value, current, settings.lang)
        : core.batchFrequencyEntry(input.value, current, settings.bandMin, settings.bandMax, settings.lang);
    committed.set(input.id, report.value);
    input.value = report.stored;
    tell(input, report.message);
}

function list(control: BatchControl) {
    const select = document.createElement("select");
    select.id = control.control;
    select.append(...control.choices!.map((text) => new Option(text)));
    select.selectedIndex = control.selected!;
    return select;
}

function row(control: BatchControl) {
    const element = document.createElement("div");
    element.className = "field-row";
    const label = document.createElement("label");
    label.id = control.label;
    label.htmlFor = control.control;
    label.textContent = control.caption;
    element.append(label, control.kind === "list" ? list(control) : box(control));
    return element;
}

function button(id: string, text: string, type: "submit" | "button") {
    const element = document.createElement("button");
    element.id = id;
    element.type = type;
    element.textContent = text;
    return element;
}

// As built when the dialog opens, in the language of the moment.
function build() {
    const form = core.batchSetDialog(settings.bandMin, settings.lang);
    const title = document.createElement("h2");
    title.id = "ChBatchSetTitle";
    title.textContent = form.title;
    const columns = [0, 1].map((at) => {
        const column = document.createElement("div");
        column.className = "form-column";
        column.append(...form.controls.filter((c: BatchControl) => c.column === at).map(row));
        return column;
    });
    const body = document.createElement("div");
    body.className = "dialog-columns";
    body.append(...columns);
    const cancel = button("CancelBtn", form.cancel, "button");
    cancel.addEventListener("click", () => dialog.close());
    const buttons = document.createElement("div");
    buttons.className = "dialog-buttons";
    buttons.append(button("OKBtn", form.ok, "submit"), cancel);
    const content = document.createElement("form");
    content.method = "dialog";
    content.append(title, body, buttons);
    content.addEventListener("submit", (event) => {
        event.preventDefault();
        fill();
    });
    dialog.replaceChildren(content);
}

// Enter reaches OK without leaving the box typed into, so the boxes are taken first.
function fill() {
    const choices: Record<string, number> = {};
    for (const input of dialog.querySelectorAll("input"))
        commit(input);
    for (const select of dialog.querySelectorAll("select"))
        choices[select.id] = select.selectedIndex;
    const start = { rxStart: committed.get("eChBatchFreqRx"), txStart: committed.get("eChBatchFreqTx"),
        step: committed.get("eStep") };
    const filled = editTelling((record) =>
        core.applyBatch(record, { ...choices, ...start }, settings.bandMin, settings.bandMax, settings.lang));
    dialog.close();
    byId("StatusBar1").textContent = filled.message;
}

function showCaption() {
    byId("bChBatchSet").textContent = settingTexts().batchSet;
}

export function installBatchSet() {
    dialog.id = "TChBatchSetDlg";
    dialog.setAttribute("aria-labelledby", "ChBatchSetTitle");
    document.body.append(dialog);
    const opener = byId("bChBatchSet");
    opener.setAttribute("aria-haspopup", "dialog");
    opener.addEventListener("click", () => {
        build();
        dialog.showModal();
    });
    onLanguageChanged(showCaption);
    showCaption();
}
