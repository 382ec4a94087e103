// A clock for transfers in tests: time moves only from one timer to the next, so a transfer that
// takes seconds on a line runs in milliseconds, with every timer in its order.

// Lets what a timer started (promise jobs, awaited port closes) run before the next timer.
const settle = () => new Promise((resolve) => setImmediate(resolve));

export class SimulatedClock {
    #now = 0;
    #timers = new Map();
    #nextId = 1;

    now() {
        return this.#now;
    }

    setTimeout(fire, ms) {
        const id = this.#nextId++;
        this.#timers.set(id, { at: this.#now + Math.max(0, ms), fire });
        return id;
    }

    clearTimeout(id) {
        this.#timers.delete(id);
    }

    // Runs the timers in time order (those due together in the order they were set) until
    // `promise` settles; gives up when none is left or time passes `limitMs`.
    async runUntil(promise, limitMs = 60_000) {
        let settled = false;
        promise.then(() => (settled = true), () => (settled = true));
        await settle();
        while (!settled) {
            const [id, next] = this.#earliest();
            if (id === undefined || next.at > limitMs)
                throw new Error(`nothing settled the transfer by ${this.#now} ms`);
            this.#timers.delete(id);
            this.#now = next.at;
            next.fire();
            await settle();
        }
        return promise;
    }

    #earliest() {
        let found = [];
        for (const entry of this.#timers)
            if (found.length === 0 || entry[1].at < found[1].at)
                found = entry;
        return found;
    }
}
