// What a rule did to a value typed or chosen is said in the status line and, for a moment, beside
// the control it happened in (in its row, or after `place`), which names the note as its
// description.
import { byId, edit } from "../app";

const NoteShownMs = 5000;
const notes = new Map<HTMLElement, { note: HTMLElement; timer: number }>();

function withdraw(control: HTMLElement) {
    const shown = notes.get(control);
    if (!shown)
        return;
    clearTimeout(shown.timer);
    shown.note.remove();
    control.removeAttribute("aria-describedby");
    notes.delete(control);
}

export function tell(control: HTMLElement, message: string, place?: HTMLElement) {
    withdraw(control);
    if (!message)
        return;
    byId("StatusBar1").textContent = message;
    const note = document.createElement("span");
    note.className = "entry-note";
    note.id = `${control.id || "entry"}_Note`;
    note.textContent = message;
    const row = control.closest(".field-row");
    if (place)
        place.after(note);
    else if (row)
        row.append(note);
    else
        control.after(note);
    control.setAttribute("aria-describedby", note.id);
    notes.set(control, { note, timer: window.setTimeout(() => withdraw(control), NoteShownMs) });
}

// A text box takes what its key filter and change rule leave of each change, and says so when
// they left something out; the caret goes to the end as in the desktop's boxes.
export function keepTyped(box: HTMLInputElement, typed: (text: string) => { stored: string; message: string }) {
    box.addEventListener("input", () => {
        const report = typed(box.value);
        if (report.stored === box.value)
            return;
        box.value = report.stored;
        box.setSelectionRange(box.value.length, box.value.length);
        tell(box, report.message);
    });
}

// One undo step whose change gives back what the rule did, to be told.
export function editTelling<Result>(change: (record: any) => Result): Result {
    let result: Result | undefined;
    edit((record) => (result = change(record)));
    return result!;
}
