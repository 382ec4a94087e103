// A number box of the factory dialogs, as the desktop's: a typed character its rule drops does
// nothing (control keys and pastes pass), the text is corrected after every edit, and the value is
// committed when the focus leaves the box after an edit of the user's. A box only passed through
// commits nothing, so a value that came from a file or a radio is never clamped unasked.
export interface DigitBoxRules {
    drops: (code: number) => boolean;
    correct: (text: string) => string;
    // Takes the text into the record; false when it was refused.
    commit: () => boolean;
}

export class DigitBox {
    #edited = false;

    constructor(readonly box: HTMLInputElement, readonly rules: DigitBoxRules) {
        box.addEventListener("beforeinput", (event) => {
            if (event.inputType === "insertText" && [...(event.data ?? "")].some((c) => rules.drops(c.codePointAt(0)!)))
                event.preventDefault();
        });
        box.addEventListener("input", () => {
            this.#edited = true;
            const corrected = rules.correct(box.value);
            if (corrected !== box.value) {
                box.value = corrected;
                box.setSelectionRange(corrected.length, corrected.length);
            }
        });
        box.addEventListener("blur", () => this.commitPending());
    }

    // Commits an edit the focus has not left yet; false when the text was refused.
    commitPending() {
        if (!this.#edited)
            return true;
        this.#edited = false;
        return this.rules.commit();
    }

    // The program shows a value: no edit of the user's is pending any more.
    show(text: string) {
        this.box.value = text;
        this.#edited = false;
    }
}
