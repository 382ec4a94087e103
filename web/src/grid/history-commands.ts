// Undo and Redo in the Edit menu and on their keys (Ctrl+Z; Ctrl+Y and Ctrl+Shift+Z), enabled as
// the history allows. An edit still open is entered first and is then the step undone, as on the
// desktop; in a box being typed into the keys undo the typing instead.
import { app, byId, onRecordChanged, redo, undo } from "../app";
import { commitEdit } from "./cell-editor";
import { focusCurrent, gridHadFocus } from "./view";

const typedInto = (target: EventTarget | null) =>
    (target instanceof HTMLInputElement && !target.readOnly && target.type !== "checkbox") ||
    target instanceof HTMLTextAreaElement || (target instanceof HTMLElement && target.isContentEditable);

function step(back: boolean, fromMenu: boolean) {
    commitEdit();
    if (back)
        undo();
    else
        redo();
    if (fromMenu && gridHadFocus())
        focusCurrent();
}

function onKeyDown(event: KeyboardEvent) {
    if (!(event.ctrlKey || event.metaKey) || event.altKey || typedInto(event.target))
        return;
    const key = event.key.toLowerCase();
    const back = key === "z" && !event.shiftKey;
    if (!back && key !== "y" && key !== "z")
        return;
    if (document.querySelector("dialog[open]"))
        return;
    event.preventDefault();
    step(back, false);
}

export function installHistoryCommands() {
    const undoItem = byId<HTMLButtonElement>("MenuEdit_Undo");
    const redoItem = byId<HTMLButtonElement>("MenuEdit_Redo");
    undoItem.addEventListener("click", () => step(true, true));
    redoItem.addEventListener("click", () => step(false, true));
    onRecordChanged(() => {
        undoItem.disabled = !app.history.canUndo;
        redoItem.disabled = !app.history.canRedo;
    });
    document.addEventListener("keydown", onKeyDown);
}
