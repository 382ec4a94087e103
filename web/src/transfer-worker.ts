// Runs a transfer of any kind on this worker's timers, which a hidden tab does not slow down,
// exactly as the desktop's driver runs it; the bytes go through the page, which owns the port. A
// series of radios runs on each of its cables at once, all on this worker's one event loop.
import { driveTransfer } from "../core/link-driver.js";
import { loadCore } from "./load-core";
import type { PageMessage, SeriesRequest, TransferRequest, WorkerMessage } from "./messages";
import { SeriesRun } from "./series/series-run";

const scope = self as unknown as Worker;
const corePromise = loadCore(new URL("../", self.location.href).href);

// The port as link-driver.js drives it: bytes the page forwarded wait here until a tick takes them.
// Web Serial cannot empty the system's queues, so a purge empties what has come this far.
class PagePort {
    waitingBytes: number[] = [];
    #post: (message: WorkerMessage) => void;
    #opened: ((ok: boolean) => void) | null = null;
    #closed: (() => void) | null = null;

    constructor(post: (message: WorkerMessage) => void) {
        this.#post = post;
    }

    open(): Promise<boolean> {
        this.waitingBytes = [];
        this.#post({ type: "open" });
        return new Promise((resolve) => (this.#opened = resolve));
    }

    write(bytes: Uint8Array) {
        this.#post({ type: "write", bytes });
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
        this.#post({ type: "close" });
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

interface DriveListener {
    passedOver?: () => void;
    linkStep?: () => void;
}

// One cable: its port and the transfer driven on it. A transfer runs on the first; a series on one
// per port.
class Cable {
    #index: number;
    #port: PagePort | null = null;
    #driven: ReturnType<typeof driveTransfer> | null = null;
    #bandAnswer: ((goOn: boolean) => void) | null = null;

    constructor(index: number) {
        this.#index = index;
    }

    post = (message: WorkerMessage) => scope.postMessage({ ...message, cable: this.#index });

    // `blockStepText` is what the line under the bar says while blocks move (nothing, by default).
    async drive(transfer: any, lang: number, listener: DriveListener = {}, blockStepText = "") {
        this.#port = new PagePort(this.post);
        this.#driven = driveTransfer(transfer, this.#port, clock, {
            progress: (value: number) => this.post({ type: "progress", value }),
            linkStep: () => {
                this.post({ type: "step", text: transfer.stepText(lang) || blockStepText });
                listener.linkStep?.();
            },
            askBand: () => {
                this.post({ type: "askBand" });
                return new Promise<boolean>((resolve) => (this.#bandAnswer = resolve));
            },
            passedOver: listener.passedOver,
        });
        const outcome = await this.#driven.done;
        this.#driven = null;
        return outcome;
    }

    stop() {
        this.#driven?.stop();
    }

    heard(message: PageMessage) {
        if (message.type === "lost")
            this.#driven?.portLost();
        else if (message.type === "band")
            this.#bandAnswer?.(message.goOn);
        else
            this.#port?.heard(message);
    }
}

const cables: Cable[] = [];
const cable = (index = 0) => (cables[index] ??= new Cable(index));
const post = (message: WorkerMessage) => cable().post(message);
const drive = (transfer: any, lang: number, listener: DriveListener = {}, blockStepText = "") =>
    cable().drive(transfer, lang, listener, blockStepText);
let series: SeriesRun | null = null;
let keptAnswer: ((kept: { kept: boolean; notice: string }) => void) | null = null;

// What the read before a factory write left: the line the ending notice adds (where the radio's
// data went), or the ending itself when nothing may be written.
interface ReadFirst {
    trace: string;
    keptLine: string;
    stop: { outcome: string; notice: string[] } | null;
}

// A factory write replaces what only the radio holds: its calibration is read first on objects of
// their own, and the write goes on only once the page has kept it with the serial number it reported.
async function readFirst(core: any, record: any, request: TransferRequest): Promise<ReadFirst> {
    const lang = request.lang;
    const reader = core.factoryTransfer(record, { ...request, kind: "calibration", read: true, buffer: undefined });
    const outcome = await drive(reader, lang, {}, core.factoryText("BackingUpCalibration", lang, []));
    const first: ReadFirst = { trace: reader.trace(), keptLine: "", stop: null };
    const notWritten = core.factoryText("NotWrittenWithoutBackup", lang, []);
    if (outcome !== "success") {
        first.stop = { outcome, notice: [notWritten, ...reader.noticeLines(lang, "")] };
    } else {
        post({ type: "keep", backup: core.factoryBackupOf(reader) });
        const kept = await new Promise<{ kept: boolean; notice: string }>((resolve) => (keptAnswer = resolve));
        if (kept.kept)
            first.keptLine = kept.notice;
        else
            first.stop = { outcome: "notKept", notice: [notWritten, kept.notice].filter(Boolean) };
    }
    reader.delete();
    return first;
}

const isNormal = (request: TransferRequest) => (request.kind ?? "normal") === "normal";

function newTransfer(core: any, record: any, request: TransferRequest) {
    return isNormal(request) ? new core.Transfer(record, request) : core.factoryTransfer(record, request);
}

async function run(request: TransferRequest) {
    const core = await corePromise;
    const record = new core.Record();
    record.open(request.record, "", request.bandMin, request.bandMax, request.lang);
    const first = request.backUpFirst && !request.read ? await readFirst(core, record, request) : null;
    if (first?.stop) {
        post({ type: "done", ...first.stop, record: null, backup: null, bandMin: request.bandMin,
            bandMax: request.bandMax, trace: first.trace, buffer: null });
        record.delete();
        return;
    }
    if (first)
        post({ type: "progress", value: 0 });
    const transfer = newTransfer(core, record, request);
    let outcome = await drive(transfer, request.lang);
    let trace = (first?.trace ?? "") + transfer.trace();
    let notice = transfer.noticeLines(request.lang, "");
    if (outcome === "success" && isNormal(request) && !request.read && request.verify) {
        const readBack = transfer.readBack();
        outcome = await drive(readBack, request.lang);
        trace += readBack.trace();
        notice = transfer.verifiedNoticeLines(readBack, request.lang, "");
        readBack.delete();
    }
    const backup = isNormal(request) ? core.transferBackup(transfer, request.read) : null;
    if (first && notice.length > 0)
        notice.push(first.keptLine);
    const result = isNormal(request) && request.read && outcome === "success" ? transfer.result() : null;
    const band = transfer.band();
    post({
        type: "done",
        outcome,
        notice,
        record: result ? result.save() : null,
        ...band,
        trace,
        backup,
        buffer: isNormal(request) ? null : core.transferBuffer(transfer),
    });
    result?.delete();
    transfer.delete();
    record.delete();
}

async function runSeries(request: SeriesRequest) {
    series = new SeriesRun(await corePromise, request, (index) => ({
        drive: (transfer, listener) => cable(index).drive(transfer, request.lang, listener),
        stopWrite: () => cable(index).stop(),
        post: cable(index).post,
    }));
    await series.run();
    series = null;
}

scope.onmessage = (event: MessageEvent<PageMessage>) => {
    const message = event.data;
    const index = message.cable ?? 0;
    if (message.type === "start")
        run(message);
    else if (message.type === "series")
        runSeries(message);
    else if (message.type === "seriesStop")
        series?.stop();
    else if (message.type === "sameRadioAgain")
        series?.acceptSameRadio(index);
    else if (message.type === "logged")
        series?.logged(index, message.kept);
    else if (message.type === "kept")
        keptAnswer?.(message);
    else
        cable(index).heard(message);
};
