// The File menu: New (asking first to save what is not saved), Open (picker, file input or a file
// dropped on the page), Save and Save As, the channel table in and out with the desktop's report
// and notes, and the record's JSON form in and out. An import is one undo step; a new or opened
// record starts the history afresh. Where the browser has no file pickers, a file input chooses
// and a download saves.
import { app, byId, core, edit, notify, onLanguageChanged, replaceRecord, settings } from "./app";
import { download } from "./backups";
import { installSheet } from "./sheet";
import { dialogText, entry, text } from "./texts";

export interface FileKind {
    extension: string;
    type: string;
    // What else a picker offers to open, besides files with `extension`.
    alsoOpens?: string[];
}

const RecordFile: FileKind = { extension: "Kqd", type: "application/octet-stream" };
const CsvFile: FileKind = { extension: "csv", type: "text/csv" };
const JsonFile: FileKind = { extension: "json", type: "application/json" };
// A record that no file holds yet is offered under the radio's model name.
const UnnamedStem = "KR-T27";

const hasPickers = () => "showOpenFilePicker" in window && "showSaveFilePicker" in window;
const extensionsOf = (kind: FileKind) =>
    [kind.extension, ...(kind.alsoOpens ?? [])].map((extension) => `.${extension}`);
const pickerTypes = (kind: FileKind) => [{ accept: { [kind.type]: extensionsOf(kind) } }];
const isAbort = (error: unknown) => (error as DOMException)?.name === "AbortError";

function nameLike(kind: FileKind) {
    const stem = app.fileName.replace(/\.[^.]*$/, "") || UnnamedStem;
    return `${stem}.${kind.extension}`;
}

// The file the user picks, with its handle where the browser gives one; null when cancelled.
export async function pickFile(kind: FileKind): Promise<{ file: File; handle: any } | null> {
    if (hasPickers()) {
        try {
            const [handle] = await (window as any).showOpenFilePicker({ types: pickerTypes(kind) });
            return { file: await handle.getFile(), handle };
        } catch (error) {
            if (isAbort(error))
                return null;
            throw error;
        }
    }
    const input = document.createElement("input");
    input.type = "file";
    input.accept = extensionsOf(kind).join(",");
    const chosen = new Promise<{ file: File; handle: any } | null>((resolve) => {
        input.onchange = () => resolve(input.files?.[0] ? { file: input.files[0], handle: null } : null);
        input.oncancel = () => resolve(null);
    });
    input.click();
    return chosen;
}

async function writeTo(handle: any, bytes: Uint8Array | string) {
    const writable = await handle.createWritable();
    await writable.write(bytes);
    await writable.close();
}

// Saves under a name the user picks, or downloads where the browser cannot ask; the name and
// handle it went to, or null when cancelled.
async function saveAsFile(kind: FileKind, bytes: Uint8Array | string): Promise<{ name: string; handle: any } | null> {
    const suggestedName = nameLike(kind);
    if (!hasPickers()) {
        download(suggestedName, bytes);
        return { name: suggestedName, handle: null };
    }
    try {
        const handle = await (window as any).showSaveFilePicker({ suggestedName, types: pickerTypes(kind) });
        await writeTo(handle, bytes);
        return { name: handle.name, handle };
    } catch (error) {
        if (isAbort(error))
            return null;
        throw error;
    }
}

async function saveRecordAs() {
    const saved = await saveAsFile(RecordFile, app.record.save());
    if (!saved)
        return false;
    app.fileName = saved.name;
    app.fileHandle = saved.handle;
    app.history.markSaved();
    return true;
}

// Back into the file it came from where the browser allows, else as Save As.
async function saveRecord() {
    if (!app.fileHandle)
        return saveRecordAs();
    await writeTo(app.fileHandle, app.record.save());
    app.history.markSaved();
    return true;
}

// The desktop's question before its unsaved data go: Yes saves first, No lets them go, Cancel
// keeps them. The answer is the button's value, empty when the dialog was dismissed.
function askToSave(): Promise<string> {
    const question = byId<HTMLDialogElement>("TMyWarnDlg_3");
    question.returnValue = "";
    question.showModal();
    return new Promise((resolve) =>
        question.addEventListener("close", () => resolve(question.returnValue), { once: true }));
}

async function newRecord() {
    if (app.history.modified) {
        const answer = await askToSave();
        if (answer !== "yes" && answer !== "no")
            return;
        if (answer === "yes" && !(await saveRecord()))
            return;
    }
    replaceRecord(new core.Record());
}

async function openRecord(file: File, handle: any) {
    const candidate = new core.Record();
    const opened = candidate.open(new Uint8Array(await file.arrayBuffer()), file.name, settings.bandMin,
        settings.bandMax, settings.lang);
    if (opened.refusal) {
        candidate.delete();
        notify([opened.refusal]);
        return;
    }
    replaceRecord(candidate, file.name, handle);
    notify(opened.findings.map((f: any) => `${f.where}: ${f.value} ${f.problem}`));
}

async function chooseRecord() {
    if (!hasPickers()) {
        byId("OpenDialog").click();
        return;
    }
    const picked = await pickFile(RecordFile);
    if (picked)
        await openRecord(picked.file, picked.handle);
}

// The desktop imports from the grid's current row down: the row of the cell that keeps the grid's
// place, else from channel 1.
function currentChannel() {
    const row = document.querySelector("#StringGrid1 tbody [tabindex='0']")?.closest("tr");
    return row ? row.sectionRowIndex + 1 : 1;
}

function showImportReport(report: { lines: string[]; summary: string }) {
    const dialog = byId<HTMLDialogElement>("ImportReportDlg");
    byId("ImportReportSummary", dialog).textContent = report.summary;
    const notes = byId<HTMLTextAreaElement>("ImportReportNotes", dialog);
    notes.value = report.lines.join("\n");
    notes.hidden = report.lines.length === 0;
    dialog.showModal();
}

// The dialogs carry their words in the page's language whether open or not, so that nothing a
// screen reader finds in the page is without a name.
function captionDialogs() {
    const question = byId<HTMLDialogElement>("TMyWarnDlg_3");
    byId("Label1", question).textContent = entry("SaveDataQuestion");
    byId("OKBtn", question).textContent = entry("Yes");
    byId("NoBtn", question).textContent = entry("No");
    byId("CancelBtn", question).textContent = entry("Cancel");
    const report = byId<HTMLDialogElement>("ImportReportDlg");
    byId("ImportReportTitle", report).textContent = text("ImportCsv");
    byId("ImportReportNotes", report).setAttribute("aria-label", text("ImportCsv"));
    byId("OKBtn", report).textContent = dialogText("notice", 0);
}

// A text larger than the desktop reads is refused before its bytes are taken.
function refusedAsTooLarge(file: File) {
    const refusal = core.textFileRefusal(file.name, file.size, settings.lang);
    if (refusal)
        notify([refusal]);
    return refusal !== "";
}

async function importCsv(file: File) {
    if (refusedAsTooLarge(file))
        return;
    const table = new Uint8Array(await file.arrayBuffer());
    const options = { bandMin: settings.bandMin, bandMax: settings.bandMax, firstChannel: currentChannel() };
    let report: any;
    edit((record) => (report = record.importCsv(table, options, settings.lang)));
    if (report.refusal)
        notify([report.refusal]);
    else
        showImportReport(report);
}

async function exportCsv() {
    const exported = app.record.exportCsv(settings.lang);
    if (await saveAsFile(CsvFile, exported.text))
        notify(exported.notes);
}

// A JSON text the record cannot take changes nothing and says why, in the page's language.
async function importJson(file: File) {
    if (refusedAsTooLarge(file))
        return;
    const json = await file.text();
    let refusal = "";
    edit((record) => (refusal = record.applyJson(json, settings.lang)));
    if (refusal)
        notify([refusal]);
}

const importers: Record<string, (file: File) => Promise<void>> = {
    [CsvFile.extension]: importCsv,
    [JsonFile.extension]: importJson,
};

// A file dropped on the page is taken by its kind: a channel table or a JSON form is imported,
// anything else opened as a channel data file.
async function takeDropped(file: File) {
    const extension = file.name.split(".").pop()?.toLowerCase() ?? "";
    await (importers[extension] ?? ((dropped: File) => openRecord(dropped, null)))(file);
}

async function importPicked(kind: FileKind) {
    const picked = await pickFile(kind);
    if (picked)
        await importers[kind.extension](picked.file);
}

// The desktop's keys for Open and Save (the browser keeps Ctrl+N for itself); they choose the menu
// item, so they do what it does.
const Shortcuts: [string, string][] = [["o", "MenuFile_Open"], ["s", "MenuFile_Save"]];

function onShortcut(event: KeyboardEvent) {
    if (!(event.ctrlKey || event.metaKey) || event.altKey || event.shiftKey || document.querySelector("dialog[open]"))
        return;
    const shortcut = Shortcuts.find(([key]) => event.key.toLowerCase() === key);
    if (!shortcut)
        return;
    event.preventDefault();
    byId(shortcut[1]).click();
}

export function installFiles() {
    // Leaving the page (closing it, reloading it into a new build) asks first while changes are
    // unsaved or a radio is being programmed.
    window.addEventListener("beforeunload", (event) => {
        if (app.history.modified || app.transferring)
            event.preventDefault();
    });
    captionDialogs();
    onLanguageChanged(captionDialogs);
    byId("MenuFile_New").onclick = newRecord;
    byId("MenuFile_Open").onclick = chooseRecord;
    byId<HTMLInputElement>("OpenDialog").onchange = async (event) => {
        const input = event.target as HTMLInputElement;
        const file = input.files?.[0];
        if (file)
            await openRecord(file, null);
        input.value = "";
    };
    document.body.ondragover = (event) => event.preventDefault();
    document.body.ondrop = async (event) => {
        event.preventDefault();
        const file = event.dataTransfer?.files[0];
        if (file)
            await takeDropped(file);
    };
    byId("MenuFile_Save").onclick = saveRecord;
    byId("MenuFile_SaveAs").onclick = saveRecordAs;
    byId("MenuFile_ImportCsv").onclick = () => importPicked(CsvFile);
    byId("MenuFile_ExportCsv").onclick = exportCsv;
    byId("MenuFile_ImportJson").onclick = () => importPicked(JsonFile);
    byId("MenuFile_ExportJson").onclick = () => saveAsFile(JsonFile, app.record.json());
    for (const [key, id] of Shortcuts)
        byId(id).setAttribute("aria-keyshortcuts", `Control+${key.toUpperCase()}`);
    document.addEventListener("keydown", onShortcut);
    installSheet();
}
