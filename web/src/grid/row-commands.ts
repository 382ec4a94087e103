// The Edit menu's row commands on the selected rows (else the current cell's row), with the
// desktop's keys: cut, copy and paste as the desktop's tab-separated table, which the desktop and
// spreadsheets take and give; delete, insert an empty row, move up and down. The menu's copy and
// paste use the browser's clipboard where it lets them; the keys go through the copy and paste
// events, which need no permission.
import { app, byId, core, edit, notify, settings } from "../app";
import { commitEdit, isEditing } from "./cell-editor";
import { showStatus } from "./cell-note";
import { gridText } from "./texts";
import { current, moveTo, positionOf, selectedChannels, selectRows } from "./view";

const following = (first: number, count: number) => Array.from({ length: count }, (_, i) => first + i);

// The rows a command leaves behind are selected, and the grid has the focus again.
function finish(channels: number[]) {
    selectRows(channels);
    if (channels.length)
        moveTo({ channel: channels[0], column: current.column });
}

const rowsText = () => core.channelRowsText(app.record, selectedChannels());

function deleteRows() {
    const channels = selectedChannels();
    edit((record) => core.clearChannelRows(record, channels));
    finish(channels);
}

// The table's rows fill the channels from the first selected one down, by the rules of a CSV
// import; the report comes only when a row was left out or changed, as on the desktop.
function pasteText(text: string) {
    const first = selectedChannels()[0];
    let report: any;
    edit((record) => {
        report = core.pasteChannelRowsText(record, text, first, settings.bandMin, settings.bandMax, settings.lang);
    });
    if (report.refusal) {
        notify([report.refusal]);
        return;
    }
    finish(following(first, report.imported));
    showStatus(report.summary);
    if (report.lines.length)
        notify([report.summary, ...report.lines]);
}

function askToDropLastChannel(): Promise<boolean> {
    const dialog = byId<HTMLDialogElement>("RowInsertDlg");
    byId("RowInsertText").textContent = gridText("DropLastChannel");
    dialog.returnValue = "";
    dialog.showModal();
    return new Promise((answer) => {
        dialog.addEventListener("close", () => answer(dialog.returnValue === "ok"), { once: true });
    });
}

async function insertRow() {
    const first = selectedChannels()[0];
    if (core.insertDropsUsedChannel(app.record) && !(await askToDropLastChannel()))
        return;
    edit((record) => core.insertChannelRow(record, first));
    finish([first]);
}

function moveRows(up: boolean) {
    const channels = selectedChannels();
    let moved = false;
    edit((record) => (moved = core.moveChannelRows(record, channels, up)));
    if (moved)
        finish(channels.map((channel) => channel + (up ? -1 : 1)));
}

async function copyFromMenu(): Promise<boolean> {
    try {
        await navigator.clipboard.writeText(rowsText());
        return true;
    } catch {
        notify([gridText("ClipboardRefused")]);
        return false;
    }
}

async function pasteFromMenu() {
    let text: string;
    try {
        text = await navigator.clipboard.readText();
    } catch {
        notify([gridText("ClipboardRefused")]);
        return;
    }
    pasteText(text);
}

// The clipboard keys act on rows only while a cell of the grid has the focus; in an editor they
// cut, copy and paste its text.
const onGrid = () => !isEditing() && positionOf(document.activeElement) !== null;

function onKeyDown(event: KeyboardEvent) {
    if (isEditing())
        return;
    const control = event.ctrlKey || event.metaKey;
    if (event.key === "Delete" && !control && !event.shiftKey && !event.altKey)
        deleteRows();
    else if (event.key === "Insert" && control)
        insertRow();
    else if ((event.key === "ArrowUp" || event.key === "ArrowDown") && control && !event.altKey)
        moveRows(event.key === "ArrowUp");
    else
        return;
    event.preventDefault();
}

const rowCommands: [string, () => unknown][] = [
    ["MenuEdit_Cut", async () => (await copyFromMenu()) && deleteRows()],
    ["MenuEdit_Copy", copyFromMenu],
    ["MenuEdit_Paste", pasteFromMenu],
    ["MenuEdit_Delete", deleteRows],
    ["MenuEdit_InsertRow", insertRow],
    ["MenuEdit_MoveUp", () => moveRows(true)],
    ["MenuEdit_MoveDown", () => moveRows(false)],
];

// Acting on rows the user cannot see is no help: the items wait while another page is shown.
function enableWithChannelPage() {
    const hidden = byId("TabSheet_ChInfo").hidden;
    for (const [id] of rowCommands)
        byId<HTMLButtonElement>(id).disabled = hidden;
}

export function installRowCommands() {
    for (const [id, command] of rowCommands)
        byId(id).addEventListener("click", () => {
            commitEdit();
            command();
        });
    byId("StringGrid1").addEventListener("keydown", onKeyDown);
    document.addEventListener("copy", (event) => {
        if (!onGrid())
            return;
        event.clipboardData!.setData("text/plain", rowsText());
        event.preventDefault();
    });
    document.addEventListener("cut", (event) => {
        if (!onGrid())
            return;
        event.clipboardData!.setData("text/plain", rowsText());
        event.preventDefault();
        deleteRows();
    });
    document.addEventListener("paste", (event) => {
        if (!onGrid())
            return;
        event.preventDefault();
        pasteText(event.clipboardData!.getData("text/plain"));
    });
    const ok = byId<HTMLButtonElement>("RowInsertOk");
    const cancel = byId<HTMLButtonElement>("RowInsertCancel");
    ok.onclick = () => byId<HTMLDialogElement>("RowInsertDlg").close("ok");
    cancel.onclick = () => byId<HTMLDialogElement>("RowInsertDlg").close();
    new MutationObserver(enableWithChannelPage).observe(byId("TabSheet_ChInfo"), { attributeFilter: ["hidden"] });
    enableWithChannelPage();
}
