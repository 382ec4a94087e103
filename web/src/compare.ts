// File, "Compare with file..." and Edit, "Check radio against this file...": how another file, or
// what the radio holds, differs from the open record, a row each. Neither changes the record or its
// history: the other file and the radio's read are taken into objects of their own. After the
// radio check the dialog offers the normal write, record check and all.
import { app, byId, caption, core, notify, onLanguageChanged, settings } from "./app";
import { keepBackup } from "./backups";
import { type FileKind, pickFile } from "./files";
import type { TransferEnd } from "./messages";
import { askOwnTransfer, keepTrace } from "./transfers";
import { text } from "./texts";

interface Difference {
    key: string;
    place: string;
    first: string;
    second: string;
}

interface Comparison {
    refusal: string;
    equal: boolean;
    differences: Difference[];
}

// A channel data file, or a memory image as the desktop's command line and backups keep it.
const ComparedFile: FileKind = { extension: "Kqd", type: "application/octet-stream", alsoOpens: ["img", "bin"] };

const dialog = () => byId<HTMLDialogElement>("CompareDlg");
// The message of the menu item the dialog was last opened from, whose caption titles it.
let shownFrom = "MenuCompareWithFile";

// The menu item's caption without its accelerator and the "..." that says a dialog follows.
const titleOf = (menuItem: string) => caption(text(menuItem)).replace(/\.\.\.$/, "");

function captionDialog() {
    byId("CompareTitle").textContent = titleOf(shownFrom);
    byId("DifferencePlace").textContent = text("ColumnWhere");
    byId("DifferenceThis").textContent = text("CompareThisRecord");
    byId("WriteFileBtn").textContent = text("WriteFileToRadio");
    byId("CloseBtn", dialog()).textContent = text("CloseWindow");
}

function differenceRow(difference: Difference) {
    const row = document.createElement("tr");
    for (const value of [difference.place, difference.first, difference.second]) {
        const cell = document.createElement("td");
        cell.textContent = value;
        row.append(cell);
    }
    return row;
}

// `other` heads the other record's column: the file's name, or the radio.
function showDifferences(comparison: Comparison, other: string, menuItem: string, offerWrite: boolean) {
    shownFrom = menuItem;
    captionDialog();
    const count = comparison.differences.length;
    byId("CompareText").textContent = comparison.equal ? text("CompareSame")
        : text("CompareDifferenceCount", String(count));
    byId("DifferenceOther").textContent = other;
    byId("DifferenceList").hidden = comparison.equal;
    byId("DifferenceList").querySelector("tbody")!.replaceChildren(...comparison.differences.map(differenceRow));
    byId("WriteFileBtn").hidden = !offerWrite;
    dialog().showModal();
    // Writing changes the radio: it must be a deliberate choice, never a stray Enter.
    byId("CloseBtn", dialog()).focus();
}

async function compareWithFile() {
    const picked = await pickFile(ComparedFile);
    if (!picked)
        return;
    const bytes = new Uint8Array(await picked.file.arrayBuffer());
    const comparison: Comparison = core.compareWithFile(app.record, bytes, picked.file.name, settings.lang);
    if (comparison.refusal)
        notify([comparison.refusal]);
    else
        showDifferences(comparison, picked.file.name, "MenuCompareWithFile", false);
}

function noticeClosed(lines: string[]): Promise<void> {
    if (lines.length === 0)
        return Promise.resolve();
    const notice = byId<HTMLDialogElement>("TMyWarnDlg");
    notify(lines);
    return new Promise((resolve) => notice.addEventListener("close", () => resolve(), { once: true }));
}

// The read is told and kept as any read is; the differences come once its notice is closed.
async function radioRead(end: TransferEnd) {
    keepTrace(end.trace);
    const told = noticeClosed(end.notice);
    if (settings.backups && end.backup)
        await keepBackup(end.backup);
    await told;
    if (!end.record)
        return;
    const radio = new core.Record();
    radio.open(end.record, "", end.bandMin, end.bandMax, settings.lang);
    const comparison: Comparison = core.compareWithRead(app.record, radio, settings.lang);
    radio.delete();
    showDifferences(comparison, text("CompareRadio"), "MenuCheckRadio", true);
}

// Read as Edit, Read reads, presenting the record's password.
function checkRadio() {
    askOwnTransfer({ kind: "normal", read: true, title: titleOf("MenuCheckRadio"), finished: radioRead });
}

export function installCompare() {
    captionDialog();
    onLanguageChanged(captionDialog);
    byId("MenuFile_CompareWithFile").onclick = compareWithFile;
    byId("MenuEdit_CheckRadio").onclick = checkRadio;
    byId("CloseBtn", dialog()).onclick = () => dialog().close();
    byId("WriteFileBtn").onclick = () => {
        dialog().close();
        byId("MenuEdit_Write").click();
    };
}
