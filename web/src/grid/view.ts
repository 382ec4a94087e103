// The channel grid as a table: a header row of column titles, then a row per channel whose first
// cell is its number. One cell is the current one and holds the keyboard focus (roving tabindex);
// rows may be selected for the row commands. A redraw compares the module's texts with those shown
// and touches only the cells that differ, so an edit costs a few text nodes.
import { app, byId, core, settings } from "../app";

export const ChannelCount = 16;
export const ColumnCount = 12;
export const NumberColumn = 0;
export const SquelchModeColumn = 10;

export interface Position {
    channel: number;
    column: number;
}

const grid = () => byId<HTMLTableElement>("StringGrid1");
const cells: HTMLTableCellElement[][] = [];
const texts: Text[][] = [];
const titles: Text[] = [];
// What each cell shows, kept to compare with the next redraw.
let shown: string[][] = [];

export const current: Position = { channel: 1, column: 1 };
const selected = new Set<number>();
let anchor = 1;
// Whether the focus was in the grid before it went to the menu bar, so that a command chosen there
// gives it back.
let gridFocused = false;

function textCell(tag: "th" | "td", text: Text) {
    const cell = document.createElement(tag);
    cell.append(text);
    return cell;
}

export function buildGrid() {
    const head = document.createElement("tr");
    for (let column = 0; column < ColumnCount; ++column) {
        titles.push(new Text());
        const title = textCell("th", titles[column]);
        title.scope = "col";
        head.append(title);
    }
    grid().tHead!.replaceChildren(head);
    const rows: HTMLTableRowElement[] = [];
    for (let channel = 1; channel <= ChannelCount; ++channel) {
        const row = document.createElement("tr");
        row.setAttribute("aria-selected", "false");
        texts.push([]);
        cells.push([]);
        for (let column = 0; column < ColumnCount; ++column) {
            texts[channel - 1].push(new Text());
            const cell = textCell(column === NumberColumn ? "th" : "td", texts[channel - 1][column]);
            if (column === NumberColumn)
                cell.scope = "row";
            cell.tabIndex = -1;
            cell.dataset.channel = String(channel);
            cell.dataset.column = String(column);
            cells[channel - 1].push(cell);
            row.append(cell);
        }
        rows.push(row);
    }
    grid().tBodies[0].replaceChildren(...rows);
    cellAt(current).tabIndex = 0;
    cellAt(current).classList.add("current");
    document.addEventListener("focusin", (event) => {
        const target = event.target as Node;
        if (!byId("MainMenu1").contains(target))
            gridFocused = grid().contains(target);
    });
}

export const gridHadFocus = () => gridFocused;

export const cellAt = (at: Position) => cells[at.channel - 1][at.column];

export function positionOf(element: Element | null): Position | null {
    const cell = element?.closest<HTMLElement>("#StringGrid1 tbody th, #StringGrid1 tbody td");
    return cell ? { channel: Number(cell.dataset.channel), column: Number(cell.dataset.column) } : null;
}

export const columnTitle = (column: number) => titles[column].data;

export function showTitles() {
    core.channelColumnTitles(settings.lang).forEach((title: string, column: number) => (titles[column].data = title));
}

export function redrawCells() {
    const now: string[][] = core.channelGridTexts(app.record, settings.lang);
    for (let row = 0; row < ChannelCount; ++row)
        for (let column = 0; column < ColumnCount; ++column)
            if (shown[row]?.[column] !== now[row][column])
                texts[row][column].data = now[row][column];
    shown = now;
}

export function moveTo(at: Position, focus = true) {
    const before = cellAt(current);
    before.tabIndex = -1;
    before.classList.remove("current");
    current.channel = Math.min(Math.max(at.channel, 1), ChannelCount);
    current.column = Math.min(Math.max(at.column, 0), ColumnCount - 1);
    const cell = cellAt(current);
    cell.tabIndex = 0;
    cell.classList.add("current");
    if (focus)
        cell.focus();
}

export const focusCurrent = () => cellAt(current).focus();

function markRows() {
    cells.forEach((row, index) => {
        const on = selected.has(index + 1);
        const line = row[0].parentElement!;
        if ((line.getAttribute("aria-selected") === "true") !== on)
            line.setAttribute("aria-selected", String(on));
    });
}

export function selectRows(channels: number[], from = channels[0] ?? current.channel) {
    selected.clear();
    for (const channel of channels)
        selected.add(channel);
    anchor = from;
    markRows();
}

// Shift-click and Shift+arrows take in every row from the anchor to `channel`.
export function extendSelection(channel: number) {
    const first = Math.min(anchor, channel);
    const last = Math.max(anchor, channel);
    selected.clear();
    for (let n = first; n <= last; ++n)
        selected.add(n);
    markRows();
}

export function toggleRow(channel: number) {
    if (!selected.delete(channel))
        selected.add(channel);
    anchor = channel;
    markRows();
}

export const clearSelection = () => selectRows([], current.channel);

// The rows a row command acts on: those selected, else the current cell's.
export function selectedChannels(): number[] {
    return selected.size ? [...selected].sort((a, b) => a - b) : [current.channel];
}
