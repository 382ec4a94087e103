// The undo history: each step is the record's snapshots before and after it, so every editor is
// undone the same way and none needs to know how to reverse itself.
const MostSteps = 500;

interface Step {
    before: Uint8Array;
    after: Uint8Array;
}

const same = (a: Uint8Array, b: Uint8Array) => a.length === b.length && a.every((byte, i) => byte === b[i]);

export class History {
    private steps: Step[] = [];
    private done = 0;
    // The step count at which the record was what its file holds; -1: no state is.
    private saved = 0;

    push(before: Uint8Array, after: Uint8Array) {
        if (same(before, after))
            return;
        this.steps.splice(this.done);
        if (this.saved > this.done)
            this.saved = -1;
        this.steps.push({ before, after });
        if (this.steps.length > MostSteps) {
            this.steps.shift();
            this.saved = this.saved > 0 ? this.saved - 1 : -1;
        }
        this.done = this.steps.length;
    }

    undo(): Uint8Array | null {
        return this.done > 0 ? this.steps[--this.done].before : null;
    }

    redo(): Uint8Array | null {
        return this.done < this.steps.length ? this.steps[this.done++].after : null;
    }

    get canUndo() {
        return this.done > 0;
    }

    get canRedo() {
        return this.done < this.steps.length;
    }

    clear() {
        this.steps = [];
        this.done = 0;
        this.saved = 0;
    }

    markSaved() {
        this.saved = this.done;
    }

    markUnsaved() {
        this.saved = -1;
    }

    get modified() {
        return this.saved !== this.done;
    }
}
