// The in-place editors. A typed cell (frequency, name) takes text through the core's typing rules;
// a tone cell takes text too, completed to the first tone of its list that it begins; a choice
// cell takes the choice whose first letters or digits were typed, or one from its list. Enter,
// Tab and leaving the editor enter its text through the core as one undoable step and say beside
// the cell what the core did to it; Escape forgets it.
import { app, byId, core, edit, settings } from "../app";
import { hideCellNote, showCellNote } from "./cell-note";
import { closeList, highlight, highlightedChoice, listOpen, onChoicePicked, openList } from "./choice-list";
import {
    cellAt, ChannelCount, ColumnCount, columnTitle, focusCurrent, moveTo, type Position, SquelchModeColumn,
} from "./view";

type Kind = "number" | "frequency" | "tone" | "choice" | "name";

interface Editing {
    at: Position;
    kind: Kind;
    editor: HTMLInputElement;
    choices: string[];
}

interface Start {
    typed?: string;  // what was typed over the cell, which replaces its text
    caretAtEnd?: boolean;  // F2: the text kept with the caret after it; else all of it selected
    list?: boolean;  // the cell's list opened at once
}

// Letters typed within this time of each other make one prefix of a choice.
const TypeAheadMs = 1000;

let editing: Editing | null = null;
let typedAhead = "";
let typedAt = 0;
const choiceLists = new Map<string, string[]>();

function editorFor(kind: Kind, column: number) {
    switch (kind) {
    case "frequency":
        return byId<HTMLInputElement>("Edit_ChFreq");
    case "tone":
        return byId<HTMLInputElement>("ComboBox1");
    case "name":
        return byId<HTMLInputElement>("Edit_ChName");
    default:
        return byId<HTMLInputElement>(column === SquelchModeColumn ? "cbCh_SquelchMode" : "ChoiceCellEditor");
    }
}

function choicesOf(column: number): string[] {
    const key = `${settings.lang}/${column}`;
    if (!choiceLists.has(key))
        choiceLists.set(key, core.channelCellChoices(column, settings.lang));
    return choiceLists.get(key)!;
}

const startsWith = (choice: string, prefix: string) =>
    prefix !== "" && choice.toLocaleUpperCase().startsWith(prefix.toLocaleUpperCase());

export const isEditing = () => editing !== null;

export function openEditor(at: Position, start: Start = {}): boolean {
    const cell = core.channelCell(app.record, at.channel, at.column, settings.lang);
    if (!cell.editable)
        return false;
    hideCellNote();
    const kind = cell.kind as Kind;
    const editor = editorFor(kind, at.column);
    editing = { at: { ...at }, kind, editor, choices: kind === "tone" || kind === "choice" ? choicesOf(at.column) : [] };
    editor.value = cell.text;
    editor.setAttribute("aria-label", columnTitle(at.column));
    cellAt(at).append(editor);
    editor.focus();
    if (start.typed !== undefined)
        takeTyped(start.typed);
    else if (start.caretAtEnd)
        editor.setSelectionRange(editor.value.length, editor.value.length);
    else
        editor.select();
    if (start.list)
        showList();
    return true;
}

function takeTyped(typed: string) {
    const { kind, editor } = editing!;
    if (kind === "choice") {
        typeAhead(typed);
        return;
    }
    editor.value = typed;
    if (!(kind === "tone" && complete()))
        correct();
}

// The box holds only what the field's editor lets through, as the desktop's key filter and
// corrections leave it.
function correct() {
    const { at, editor } = editing!;
    const kept = core.channelCellTyping(at.column, editor.value);
    if (kept !== editor.value) {
        editor.value = kept;
        editor.setSelectionRange(kept.length, kept.length);
    }
}

// A tone typed at the end of the box is completed to the first tone of the list it begins, the
// rest selected so that the next key replaces it.
function complete(): boolean {
    const { editor, choices } = editing!;
    const typed = editor.value;
    if (editor.selectionStart !== typed.length)
        return false;
    const index = choices.findIndex((choice) => startsWith(choice, typed));
    if (index < 0)
        return false;
    editor.value = choices[index];
    editor.setSelectionRange(typed.length, choices[index].length);
    if (listOpen())
        highlight(index);
    return true;
}

function typeAhead(key: string) {
    const { choices } = editing!;
    const now = performance.now();
    typedAhead = now - typedAt < TypeAheadMs ? typedAhead + key : key;
    typedAt = now;
    let index = choices.findIndex((choice) => startsWith(choice, typedAhead));
    if (index < 0) {
        typedAhead = key;
        index = choices.findIndex((choice) => startsWith(choice, key));
    }
    if (index >= 0)
        choose(index);
}

function choose(index: number) {
    const { editor, choices } = editing!;
    editor.value = choices[index];
    editor.select();
    if (listOpen())
        highlight(index);
}

const chosenIndex = () => (listOpen() ? highlightedChoice() : editing!.choices.indexOf(editing!.editor.value));

function step(by: number) {
    const last = editing!.choices.length - 1;
    choose(Math.min(Math.max(chosenIndex() + by, 0), last));
}

function showList() {
    const { at, editor, choices } = editing!;
    if (!choices.length)
        return;
    openList(editor, choices, choices.indexOf(editor.value), columnTitle(at.column));
}

// The editor goes back to its shelf, the focus to the cell when the editor had it.
function close(): Editing {
    const closing = editing!;
    editing = null;
    closeList();
    if (document.activeElement === closing.editor)
        focusCurrent();
    byId("GridEditors").append(closing.editor);
    return closing;
}

export function commitEdit() {
    if (!editing)
        return;
    const text = editing.editor.value;
    const { at } = close();
    let entry: any;
    edit((record) => {
        entry = core.setChannelCell(record, at.channel, at.column, text, settings.bandMin, settings.bandMax,
            settings.lang);
    });
    if (entry.note)
        showCellNote(at, entry.note);
}

function cancelEdit() {
    if (editing)
        close();
}

// Tab goes on along the row and then to the next row's first value; at either end of the grid it
// leaves the grid as Tab does.
export function nextAlongRows(at: Position, back: boolean): Position | null {
    const index = (at.channel - 1) * ColumnCount + at.column + (back ? -1 : 1);
    if (index < 0 || index >= ChannelCount * ColumnCount)
        return null;
    return { channel: Math.floor(index / ColumnCount) + 1, column: index % ColumnCount };
}

function onKeyDown(event: KeyboardEvent) {
    if (!editing || event.isComposing)
        return;
    const { kind, at, choices } = editing;
    const listed = choices.length > 0;
    const plain = !event.ctrlKey && !event.metaKey && !event.altKey;
    switch (event.key) {
    case "Enter":
        commitEdit();
        moveTo({ channel: Math.min(at.channel + 1, ChannelCount), column: at.column });
        break;
    case "Tab": {
        commitEdit();
        const next = nextAlongRows(at, event.shiftKey);
        if (!next)
            return;
        moveTo(next);
        break;
    }
    case "Escape":
        cancelEdit();
        break;
    case "F2":
        if (!listed)
            return;
        if (listOpen())
            closeList();
        else
            showList();
        break;
    case "ArrowDown":
    case "ArrowUp": {
        if (!listed)
            return;
        const down = event.key === "ArrowDown";
        if (event.altKey)
            down ? showList() : closeList();
        else if (kind === "tone" && !listOpen())
            showList();
        else
            step(down ? 1 : -1);
        break;
    }
    case "Home":
    case "End":
        if (kind !== "choice")
            return;
        choose(event.key === "Home" ? 0 : choices.length - 1);
        break;
    default:
        if (kind !== "choice" || !plain || event.key.length !== 1)
            return;
        typeAhead(event.key);
    }
    event.preventDefault();
    event.stopPropagation();
}

function onInput(event: Event) {
    const typed = event as InputEvent;
    if (!editing || typed.isComposing)
        return;
    if (editing.kind === "tone" && typed.inputType === "insertText" && complete())
        return;
    correct();
}

export function installCellEditors() {
    for (const editor of byId("GridEditors").querySelectorAll<HTMLInputElement>("input")) {
        editor.addEventListener("keydown", onKeyDown);
        editor.addEventListener("input", onInput);
        editor.addEventListener("compositionend", () => editing && correct());
        // Leaving the editor for anything but its own list enters what it holds, as on the desktop.
        editor.addEventListener("focusout", (event) => {
            const to = event.relatedTarget as Node | null;
            if (editing?.editor === editor && !(to && byId("CellChoiceList").contains(to)))
                commitEdit();
        });
        editor.addEventListener("dblclick", (event) => event.stopPropagation());
    }
    onChoicePicked((index) => {
        if (!editing)
            return;
        choose(index);
        commitEdit();
    });
}
