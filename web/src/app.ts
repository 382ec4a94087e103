// What every part of the page shares: the module, the settings, the one record with its undo
// history and file, and the two moments the views redraw on (the record changed, the language
// changed). A part registers what it shows; it never keeps its own copy of the record.
import { History } from "./history";
import { loadCore } from "./load-core";
import { keepSettings, loadSettings } from "./settings";

export const core = await loadCore(document.baseURI);
export const settings = loadSettings();

type Listener = () => void;
const recordListeners: Listener[] = [];
const languageListeners: Listener[] = [];

export const app = {
    record: new core.Record(),
    fileName: "",
    fileHandle: null as any,
    history: new History(),
    // A transfer is running: the page neither reloads nor starts another.
    transferring: false,
};

export const byId = <T extends HTMLElement = HTMLElement>(id: string, within: ParentNode = document) =>
    within.querySelector(`#${id}`) as T;

// Menu captions carry the desktop's accelerator marks: "&Read" and "读频(&R)".
export const caption = (text: string) => text.replace(/\(&.\)/, "").replace("&", "");
export const pageText = (name: string) => caption(core.pageText(name, settings.lang));

export function onRecordChanged(listener: Listener) {
    recordListeners.push(listener);
}

export function onLanguageChanged(listener: Listener) {
    languageListeners.push(listener);
}

export function recordChanged() {
    for (const listener of recordListeners)
        listener();
}

// One undoable step: whatever `change` does to the record between the two snapshots.
export function edit(change: (record: any) => void) {
    const before = app.record.snapshot();
    change(app.record);
    app.history.push(before, app.record.snapshot());
    recordChanged();
}

// A record from elsewhere (New, Open, a read, a backup) replaces the one edited; the history
// starts again with it.
export function replaceRecord(record: any, fileName = "", fileHandle: any = null) {
    if (record !== app.record)
        app.record.delete();
    app.record = record;
    app.fileName = fileName;
    app.fileHandle = fileHandle;
    app.history.clear();
    recordChanged();
}

export function undo() {
    const snapshot = app.history.undo();
    if (snapshot) {
        app.record.restore(snapshot);
        recordChanged();
    }
}

export function redo() {
    const snapshot = app.history.redo();
    if (snapshot) {
        app.record.restore(snapshot);
        recordChanged();
    }
}

export function chooseLanguage(lang: number) {
    settings.lang = lang;
    keepSettings(settings);
    for (const listener of languageListeners)
        listener();
    recordChanged();
}

export function saveSettings() {
    keepSettings(settings);
}

// The record and its history from the browser's console, and for the page's tests.
(window as any).krT27 = { app, undo, redo };

export function notify(lines: string[]) {
    if (lines.length === 0)
        return;
    byId("WarnDlgText").textContent = lines.join("\n");
    byId<HTMLDialogElement>("TMyWarnDlg").showModal();
}
