// Runs a transfer on this worker's timers, which a hidden tab does not slow down, exactly as the
// desktop's driver runs it; the bytes go through the page, which owns the port.
import { driveTransfer } from "../core/link-driver.js";
import { loadCore } from "./load-core";
import type { PageMessage, SeriesRequest, TransferRequest, WorkerMessage } from "./messages";
import { SeriesRun } from "./series/series-run";

const scope = self as unknown as Worker;
const corePromise = loadCore(new URL("../", self.location.href).href);
const post = (message: WorkerMessage) => scope.postMessage(message);

// The port as link-driver.js drives it: bytes the page forwarded wait here until a tick takes them.
// Web Serial cannot empty the system's queues, so a purge empties what has come this far.
class PagePort {
    waitingBytes: number[] = [];
    #opened: ((ok: boolean) => void) | null = null;
    #closed: (() => void) | null = null;

    open(): Promise<boolean> {
        this.waitingBytes = [];
        post({ type: "open" });
        return new Promise((resolve) => (this.#opened = resolve));
    }

    write(bytes: Uint8Array) {
        post({ type: "write", bytes });
    }

    waiting() {
        return this.waitingBytes.length;
    }

    takeAll() {
        const bytes = Uint8Array.from(this.waitingBytes);
        this.waitingBytes = [];
        return bytes;
    }

    purge() {
        this.waitingBytes = [];
    }

    close(): Promise<void> {
        post({ type: "close" });
        return new Promise((resolve) => (this.#closed = resolve));
    }

    heard(message: PageMessage) {
        if (message.type === "opened")
            this.#opened?.(message.ok);
        else if (message.type === "bytes")
            this.waitingBytes.push(...message.bytes);
        else if (message.type === "closed")
            this.#closed?.();
    }
}

const clock = {
    setTimeout: (fn: () => void, ms: number) => setTimeout(fn, ms),
    clearTimeout: (id: number) => clearTimeout(id),
};

let port: PagePort | null = null;
let driven: ReturnType<typeof driveTransfer> | null = null;
let bandAnswer: ((goOn: boolean) => void) | null = null;
let series: SeriesRun | null = null;

// `listener` adds to what every transfer tells the page.
async function drive(transfer: any, lang: number, listener = {}) {
    port = new PagePort();
    driven = driveTransfer(transfer, port, clock, {
        progress: (value: number) => post({ type: "progress", value }),
        linkStep: () => post({ type: "step", text: transfer.stepText(lang) }),
        askBand: () => {
            post({ type: "askBand" });
            return new Promise<boolean>((resolve) => (bandAnswer = resolve));
        },
        ...listener,
    });
    const outcome = await driven.done;
    driven = null;
    return outcome;
}

async function run(request: TransferRequest) {
    const core = await corePromise;
    const record = new core.Record();
    record.open(request.record, "", request.bandMin, request.bandMax, request.lang);
    const transfer = new core.Transfer(record, request);
    let outcome = await drive(transfer, request.lang);
    let trace = transfer.trace();
    let notice = transfer.noticeLines(request.lang, "");
    if (outcome === "success" && !request.read && request.verify) {
        const readBack = transfer.readBack();
        outcome = await drive(readBack, request.lang);
        trace += readBack.trace();
        notice = transfer.verifiedNoticeLines(readBack, request.lang, "");
        readBack.delete();
    }
    const backup = core.transferBackup(transfer, request.read);
    const result = request.read && outcome === "success" ? transfer.result() : null;
    const band = transfer.band();
    post({
        type: "done",
        outcome,
        notice,
        record: result ? result.save() : null,
        ...band,
        trace,
        backup,
    });
    result?.delete();
    transfer.delete();
    record.delete();
}

async function runSeries(request: SeriesRequest) {
    series = new SeriesRun(await corePromise, request, {
        drive: (transfer, listener) => drive(transfer, request.lang, listener),
        stopWrite: () => driven?.stop(),
        post,
    });
    await series.run();
    series = null;
}

scope.onmessage = (event: MessageEvent<PageMessage>) => {
    const message = event.data;
    if (message.type === "start")
        run(message);
    else if (message.type === "series")
        runSeries(message);
    else if (message.type === "seriesStop")
        series?.stop();
    else if (message.type === "sameRadioAgain")
        series?.acceptSameRadio();
    else if (message.type === "logged")
        series?.logged(message.kept);
    else if (message.type === "lost")
        driven?.portLost();
    else if (message.type === "band")
        bandAnswer?.(message.goOn);
    else
        port?.heard(message);
};
