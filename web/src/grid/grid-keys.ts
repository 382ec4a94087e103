// The grid from the keyboard and the mouse: arrows, Home, End and the page keys move the current
// cell; Shift+Up and Shift+Down, Shift+Space and clicks on the channel numbers select rows;
// typing over a cell starts editing it with what was typed, Enter edits its text, F2 and Alt+Down
// open a cell's list, Space and a double-click step a choice as the desktop's double-click does
// (the squelch mode, which the desktop lists, opens its list).
import { app, byId, core, edit, settings } from "../app";
import { commitEdit, isEditing, nextAlongRows, openEditor } from "./cell-editor";
import {
    ChannelCount, clearSelection, ColumnCount, current, extendSelection, moveTo, NumberColumn, type Position,
    positionOf, selectRows, SquelchModeColumn, toggleRow,
} from "./view";

const kindAt = (at: Position) => core.channelCell(app.record, at.channel, at.column, settings.lang).kind as string;

function stepChoice(at: Position) {
    edit((record) => core.stepChannelCell(record, at.channel, at.column));
}

function moveBy(channels: number, columns: number, extend: boolean) {
    moveTo({ channel: current.channel + channels, column: current.column + columns });
    if (extend)
        extendSelection(current.channel);
    else
        clearSelection();
}

// Keys with a meaning on every cell; false for those left to typing and the row commands.
function navigate(event: KeyboardEvent): boolean {
    const control = event.ctrlKey || event.metaKey;
    switch (event.key) {
    case "ArrowUp":
    case "ArrowDown":
        if (control || event.altKey)
            return false;
        moveBy(event.key === "ArrowUp" ? -1 : 1, 0, event.shiftKey);
        return true;
    case "ArrowLeft":
    case "ArrowRight":
        moveBy(0, event.key === "ArrowLeft" ? -1 : 1, event.shiftKey);
        return true;
    case "Home":
    case "End": {
        const end = event.key === "End";
        moveTo({ channel: control ? (end ? ChannelCount : 1) : current.channel, column: end ? ColumnCount - 1 : 0 });
        return true;
    }
    case "PageUp":
    case "PageDown":
        moveTo({ channel: event.key === "PageUp" ? 1 : ChannelCount, column: current.column });
        return true;
    case "Tab": {
        const next = nextAlongRows(current, event.shiftKey);
        if (!next)
            return false;
        moveTo(next);
        return true;
    }
    case "Escape":
        clearSelection();
        return true;
    }
    return false;
}

function startEditing(event: KeyboardEvent): boolean {
    const at = { ...current };
    const kind = kindAt(at);
    const plain = !event.ctrlKey && !event.metaKey && !event.altKey;
    if (event.key === "Enter" && plain) {
        if (!openEditor(at))
            moveTo({ channel: Math.min(at.channel + 1, ChannelCount), column: at.column });
        return true;
    }
    if (event.key === "F2" || (event.key === "ArrowDown" && event.altKey)) {
        openEditor(at, { caretAtEnd: true, list: true });
        return true;
    }
    if (event.key === " " && event.shiftKey) {
        selectRows([at.channel]);
        return true;
    }
    if (event.key === " " && kind === "choice") {
        if (at.column === SquelchModeColumn)
            openEditor(at, { list: true });
        else
            stepChoice(at);
        return true;
    }
    if (plain && event.key.length === 1) {
        openEditor(at, { typed: event.key });
        return true;
    }
    // A key an input method takes: the editor opens empty and the composition goes on in it.
    if (event.key === "Process" && (kind === "name" || kind === "frequency"))
        openEditor(at, { typed: "" });
    return false;
}

function onKeyDown(event: KeyboardEvent) {
    if (isEditing() || !positionOf(event.target as Element))
        return;
    if (navigate(event) || startEditing(event))
        event.preventDefault();
}

function onMouseDown(event: MouseEvent) {
    const at = positionOf(event.target as Element);
    if (!at || (event.target as Element).closest(".cell-editor"))
        return;
    commitEdit();
    moveTo(at);
    event.preventDefault();
    if (at.column !== NumberColumn)
        clearSelection();
    else if (event.shiftKey)
        extendSelection(at.channel);
    else if (event.ctrlKey || event.metaKey)
        toggleRow(at.channel);
    else
        selectRows([at.channel]);
}

function onDoubleClick(event: MouseEvent) {
    const at = positionOf(event.target as Element);
    if (!at || at.column === NumberColumn)
        return;
    if (kindAt(at) === "choice" && at.column !== SquelchModeColumn)
        stepChoice(at);
    else
        openEditor(at, { list: at.column === SquelchModeColumn });
}

export function installGridKeys() {
    const grid = byId("StringGrid1");
    grid.addEventListener("keydown", onKeyDown);
    grid.addEventListener("mousedown", onMouseDown);
    grid.addEventListener("dblclick", onDoubleClick);
    // The focus coming back into the grid from elsewhere (Tab) lands on the current cell.
    grid.addEventListener("focusin", (event) => {
        const at = positionOf(event.target as Element);
        if (at && !isEditing() && (at.channel !== current.channel || at.column !== current.column))
            moveTo(at, false);
    });
}
