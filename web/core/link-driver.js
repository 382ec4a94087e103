// Runs one transfer of the core the way the desktop's driver runs the engine: the port settles,
// then Timer_Tx hands the engine every byte waiting on the port and Timer_TimeOut ends a silent
// transfer; whatever the engine answers is carried out in its order (purge, frames, timers,
// progress, band question, outcome). The port, the clock and the listener come from the caller,
// so a worker runs this on its real timers and Web Serial, and a test on a simulated clock.
//
//   port:     open() -> Promise<boolean>, write(bytes), waiting() -> count, takeAll() -> Uint8Array,
//             purge("both" | "receive"), close() -> Promise (after the written bytes have left)
//   clock:    setTimeout(fn, ms) -> id, clearTimeout(id)
//   listener: progress(value), linkStep(step), askBand() -> Promise<boolean> (Continue or Cancel),
//             passedOver() (a write waiting for the next radio of a series let the last one go)
//
// Returns { done, portLost, stop }: done resolves with the outcome's name once the port is closed;
// portLost() ends the transfer as the desktop does when its port goes away; stop() ends a write
// that waits for its radio ("stopped"): at once while no radio has answered, else once it has
// let that radio go; a radio it took is written to the end.

// A QTimer: fires every interval until stopped; starting it again restarts the interval.
class RepeatingTimer {
    #clock;
    #fire;
    #id = null;
    #ms = 0;

    constructor(clock, fire) {
        this.#clock = clock;
        this.#fire = fire;
    }

    start(ms) {
        this.stop();
        this.#ms = ms;
        this.#id = this.#clock.setTimeout(this.#tick, ms);
    }

    stop() {
        if (this.#id !== null)
            this.#clock.clearTimeout(this.#id);
        this.#id = null;
    }

    follow(command) {
        if (command.action === "start")
            this.start(command.ms);
        else if (command.action === "stop")
            this.stop();
    }

    // Re-armed before it fires, so that what it fires may stop or restart it.
    #tick = () => {
        this.#id = this.#clock.setTimeout(this.#tick, this.#ms);
        this.#fire();
    };
}

export function driveTransfer(transfer, port, clock, listener = {}) {
    const txTimer = new RepeatingTimer(clock, () => carryOut(transfer.tick(port.takeAll())));
    // Before the protocol runs, only a port that would not open can have started the time-out.
    const timeOutTimer = new RepeatingTimer(clock, () =>
        carryOut(started ? transfer.timeOut() : transfer.portFailed()));
    const answerPoll = new RepeatingTimer(clock, () => {
        if (transfer.answerComplete(port.waiting()))
            carryOut(transfer.tick(port.takeAll()));
    });
    let started = false;
    let stopAsked = false;
    let settle = null;
    let linkStep = -1;
    let finished = false;
    let resolveDone;
    const done = new Promise((resolve) => (resolveDone = resolve));

    function carryOut(actions) {
        if (finished)
            return;
        if (actions.purge !== "none")
            port.purge(actions.purge);
        for (const frame of actions.frames)
            port.write(frame);
        if (transfer.linkStep !== linkStep)
            listener.linkStep?.((linkStep = transfer.linkStep));
        txTimer.follow(actions.txTimer);
        timeOutTimer.follow(actions.timeOutTimer);
        if (actions.progress >= 0)
            listener.progress?.(actions.progress);
        if (actions.passedOver)
            listener.passedOver?.();
        if (actions.askBand) {
            askBand();
            return;
        }
        if (actions.outcome !== "running")
            finish(actions.outcome);
    }

    // Both timers stand still while the question is open.
    async function askBand() {
        const goOn = (await listener.askBand?.()) ?? false;
        carryOut(transfer.answerBand(goOn));
    }

    async function finish(outcome) {
        finished = true;
        txTimer.stop();
        timeOutTimer.stop();
        answerPoll.stop();
        if (settle !== null)
            clock.clearTimeout(settle);
        await port.close();
        resolveDone(outcome);
    }

    function startProtocol() {
        settle = null;
        if (stopAsked) {
            finish("stopped");
            return;
        }
        started = true;
        if (transfer.answerPollMs > 0)
            answerPoll.start(transfer.answerPollMs);
        carryOut(transfer.start());
    }

    // A port that does not open sends nothing; the failure comes after the usual time-out, as it
    // would for a silent radio.
    Promise.resolve(port.open()).then((opened) => {
        if (finished)
            return;
        if (opened)
            settle = clock.setTimeout(startProtocol, transfer.settleMs);
        else if (stopAsked)
            finish("stopped");
        else
            timeOutTimer.start(transfer.timeOutMs);
    });

    // Before the protocol runs the port is still opening or settling: the stop waits for that.
    function stop() {
        if (started)
            carryOut(transfer.stopBeforeRadio());
        else
            stopAsked = true;
    }

    return { done, portLost: () => carryOut(transfer.portFailed()), stop };
}
