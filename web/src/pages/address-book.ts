// The DTMF page's address book `sgD_AddrBook`: a grid of the 16 entries' names and codes. The
// arrow keys, Home and End move between the cells; Enter, F2, a double click or a typed character
// opens the desktop's editor over the cell (eD_AddrBook_name, eD_AddrBook_id), which Enter or
// leaving it stores and Escape leaves unstored. A code can be given only to a named entry.
import { app, core, onRecordChanged, settings } from "../app";
import { type EntryReport, settingTexts } from "./page-texts";
import { editTelling, keepTyped, tell } from "./report";

const EntryCount = 16;
const NameColumn = 1;
const CodeColumn = 2;

interface Editing {
    editor: HTMLInputElement;
    cell: HTMLTableCellElement;
    row: number;
    column: number;
}

let table: HTMLTableElement;
let current = { row: 1, column: NameColumn };
let editing: Editing | null = null;

const cellAt = (row: number, column: number) => table.tBodies[0].rows[row - 1].cells[column] as HTMLTableCellElement;

function editorFor(column: number) {
    const editor = document.createElement("input");
    editor.id = column === NameColumn ? "eD_AddrBook_name" : "eD_AddrBook_id";
    editor.autocomplete = "off";
    editor.spellcheck = false;
    keepTyped(editor, (text) => core.typedInto(column === NameColumn ? "name" : "dtmf", text, settings.lang));
    editor.addEventListener("keydown", (event) => {
        if (event.key === "Enter" || event.key === "Escape") {
            event.preventDefault();
            event.stopPropagation();
            close(event.key === "Enter", true);
        }
    });
    // Leaving the editor stores it; the focus goes where it was going.
    editor.addEventListener("blur", () => close(true, false));
    return editor;
}

// The editor names its cell: the column's title and the entry's number.
function open(row: number, column: number, typed?: string) {
    const cell = cellAt(row, column);
    if (column === CodeColumn && !core.addressBook(app.record)[row - 1].named) {
        tell(cell, settingTexts().addressBook.nameFirst, table);
        return;
    }
    const editor = editorFor(column);
    const label = document.createElement("label");
    label.htmlFor = editor.id;
    label.className = "visually-hidden";
    label.textContent = `${settingTexts().addressBook.titles[column]} ${row}`;
    editor.value = typed ?? cell.textContent ?? "";
    editing = { editor, cell, row, column };
    cell.replaceChildren(label, editor);
    editor.focus();
    if (typed === undefined)
        editor.select();
    else
        editor.dispatchEvent(new Event("input"));
}

function close(keep: boolean, backToCell: boolean) {
    if (!editing)
        return;
    const { editor, cell, row, column } = editing;
    editing = null;
    const report: EntryReport | null = keep
        ? editTelling((record) => column === NameColumn
            ? core.nameAddressBookEntry(record, row, editor.value, settings.lang)
            : core.setAddressBookCode(record, row, editor.value, settings.lang))
        : null;
    showRows();
    if (backToCell)
        cell.focus();
    if (report)
        tell(cell, report.message, table);
}

function moveTo(row: number, column: number) {
    cellAt(current.row, current.column).tabIndex = -1;
    const within = (value: number, least: number, most: number) => Math.min(Math.max(value, least), most);
    current = { row: within(row, 1, EntryCount), column: within(column, NameColumn, CodeColumn) };
    const cell = cellAt(current.row, current.column);
    cell.tabIndex = 0;
    cell.focus();
}

function onKeyDown(event: KeyboardEvent) {
    if (editing)
        return;
    const { row, column } = current;
    const moves: Record<string, [number, number]> = {
        ArrowUp: [row - 1, column],
        ArrowDown: [row + 1, column],
        ArrowLeft: [row, column - 1],
        ArrowRight: [row, column + 1],
        Home: [row, NameColumn],
        End: [row, CodeColumn],
    };
    if (event.key in moves) {
        moveTo(...moves[event.key]);
    } else if (event.key === "Enter" || event.key === "F2") {
        open(row, column);
    } else if (event.key.length === 1 && !event.ctrlKey && !event.metaKey && !event.altKey) {
        open(row, column, event.key);
    } else {
        return;
    }
    event.preventDefault();
}

function showRows() {
    if (editing)
        return;
    const entries = core.addressBook(app.record);
    entries.forEach((entry: { name: string; code: string }, at: number) => {
        cellAt(at + 1, NameColumn).textContent = entry.name;
        cellAt(at + 1, CodeColumn).textContent = entry.code;
    });
}

function cell(tag: "td" | "th", text = "") {
    const element = document.createElement(tag);
    element.textContent = text;
    return element;
}

// Built anew in each language; the rows are filled by the record's redraw.
export function addressBook() {
    const texts = settingTexts().addressBook;
    table = document.createElement("table");
    table.id = "sgD_AddrBook";
    table.setAttribute("role", "grid");
    table.setAttribute("aria-label", texts.name);
    const head = document.createElement("tr");
    for (const title of texts.titles) {
        const header = cell("th", title);
        header.scope = "col";
        head.append(header);
    }
    table.createTHead().append(head);
    const body = table.createTBody();
    for (let row = 1; row <= EntryCount; ++row) {
        const line = document.createElement("tr");
        const number = cell("th", String(row));
        number.scope = "row";
        line.append(number, cell("td"), cell("td"));
        for (const column of [NameColumn, CodeColumn]) {
            const data = line.cells[column];
            data.tabIndex = row === current.row && column === current.column ? 0 : -1;
            data.addEventListener("click", () => moveTo(row, column));
            data.addEventListener("dblclick", () => open(row, column));
        }
        body.append(line);
    }
    table.addEventListener("keydown", onKeyDown);
    editing = null;
    showRows();
    return table;
}

export function installAddressBook() {
    onRecordChanged(showRows);
}
