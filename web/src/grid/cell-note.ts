// What the core did to a typed value when it was not taken as typed: said beside the cell for a
// moment and kept in the status line, which screen readers announce.
import { byId } from "../app";
import { cellAt, type Position } from "./view";

const ShownMs = 4000;
let hideTimer = 0;

// Lays a popup of the grid's page (the note, the choice list) just under a cell.
export function placeUnder(popup: HTMLElement, cell: HTMLElement) {
    const page = byId("TabSheet_ChInfo").getBoundingClientRect();
    const box = cell.getBoundingClientRect();
    popup.style.top = `${box.bottom - page.top}px`;
    popup.style.left = `${box.left - page.left}px`;
}

export function showStatus(text: string) {
    byId("StatusBar1").textContent = text;
}

export function hideCellNote() {
    clearTimeout(hideTimer);
    byId("CellNote").hidden = true;
}

export function showCellNote(at: Position, text: string) {
    showStatus(text);
    const note = byId("CellNote");
    note.textContent = text;
    note.hidden = false;
    placeUnder(note, cellAt(at));
    clearTimeout(hideTimer);
    hideTimer = window.setTimeout(hideCellNote, ShownMs);
}
