// Read and Write: the record check before a write, the transfer dialog, the band question, the
// notice a transfer ends with, its backup and its trace. Transfers run in a worker; the page owns
// the port and the record.
import { VirtualSerialPort } from "../core/virtual-serial-port.js";
import { app, byId, core, notify, pageText, recordChanged, saveSettings, settings } from "./app";
import { download, keepBackup } from "./backups";
import { cablePort, usePort } from "./cable-port";
import type { TransferBackup, TransferEnd, TransferKindName, WorkerMessage } from "./messages";
import { PortLink } from "./port-link";

// The transfer dialog's entries in the module's table.
const DialogStart = 0;
const DialogCancel = 1;
const DialogBandQuestion = 5;
const DialogContinue = 6;

const worker = new Worker(new URL("./transfer-worker.ts", import.meta.url), { type: "module" });
const transferDialog = byId<HTMLDialogElement>("TProgramDlg");
const bandDialog = byId<HTMLDialogElement>("TMyWarnDlg_2");
const checkDialog = byId<HTMLDialogElement>("TCheckListDlg");
const progressBar = byId<HTMLProgressElement>("ProgressBar1");

// A transfer whose ending something else takes instead of the record (the factory's dialogs, the
// radio check): its kind, caption and buffer, whether the radio's calibration is read and kept first
// (`keep` keeps it), and what takes its ending.
export interface TransferOrder {
    kind: TransferKindName;
    read: boolean;
    title: string;
    buffer?: Uint8Array;
    backUpFirst?: boolean;
    keep?: (backup: TransferBackup) => Promise<{ kept: boolean; notice: string }>;
    finished: (end: TransferEnd) => void;
}

let lastTrace = "";
let running: { read: boolean; link: PortLink | null; resolve: (end: TransferEnd) => void; order?: TransferOrder } |
    null = null;
let bandAnswered: ((goOn: boolean) => void) | null = null;
let afterCheck = () => {};
const transferEndListeners: ((read: boolean, end: TransferEnd) => void)[] = [];

// Told after each transfer, once the record and the notice are taken care of.
export function onTransferEnd(listener: (read: boolean, end: TransferEnd) => void) {
    transferEndListeners.push(listener);
}

worker.onmessage = (event: MessageEvent<WorkerMessage>) => {
    const message = event.data;
    if (running?.link?.heard(message))
        return;
    if (message.type === "progress")
        progressBar.value = message.value;
    else if (message.type === "step")
        byId("StatusText").textContent = message.text;
    else if (message.type === "askBand")
        askBandQuestion().then((goOn) => worker.postMessage({ type: "band", goOn }));
    else if (message.type === "keep")
        keepFirst(message.backup);
    else if (message.type === "done")
        running?.resolve(message);
};

// The band question of a write, or of a radio of a series: Continue (true) or Cancel.
export function askBandQuestion(): Promise<boolean> {
    bandDialog.showModal();
    return new Promise((resolve) => (bandAnswered = resolve));
}

function answerBand(goOn: boolean) {
    bandDialog.close();
    bandAnswered?.(goOn);
    bandAnswered = null;
}

async function keepFirst(backup: TransferBackup) {
    const kept = (await running?.order?.keep?.(backup)) ?? { kept: false, notice: "" };
    worker.postMessage({ type: "kept", ...kept });
}

function askTransfer(read: boolean, order?: TransferOrder) {
    progressBar.value = 0;
    byId("StatusText").textContent = "";
    byId("ProgramTitle").textContent = order?.title ?? pageText(read ? "Read" : "Write");
    running = { read, link: null, resolve: () => {}, order };
    transferDialog.showModal();
}

// The transfer dialog for such a transfer; nothing happens before its Start.
export const askOwnTransfer = (order: TransferOrder) => askTransfer(order.read, order);

async function startTransfer() {
    const { read, order } = running!;
    let port;
    try {
        port = await cablePort();
    } catch {
        return;
    }
    byId<HTMLButtonElement>("ProgramStart").disabled = true;
    app.transferring = true;
    running!.link = new PortLink(port, worker);
    const end = await new Promise<TransferEnd>((resolve) => {
        running!.resolve = resolve;
        worker.postMessage({
            type: "start", record: app.record.save(), read, verify: settings.verify, fastLink: settings.fastLink,
            bandMin: settings.bandMin, bandMax: settings.bandMax, lang: settings.lang,
            kind: order?.kind, buffer: order?.buffer, backUpFirst: order?.backUpFirst,
        });
    });
    running = null;
    app.transferring = false;
    byId<HTMLButtonElement>("ProgramStart").disabled = false;
    transferDialog.close();
    if (order)
        order.finished(end);
    else
        finishTransfer(read, end);
}

// What went over the wire in the last transfer or series, for Save transfer log and the support
// bundle; "" before the first.
export const lastTransferTrace = () => lastTrace;

export function keepTrace(trace: string) {
    lastTrace = trace;
    byId<HTMLButtonElement>("MenuSaveTransferLog").disabled = false;
}

async function finishTransfer(read: boolean, end: TransferEnd) {
    keepTrace(end.trace);
    if (end.record) {
        app.record.open(end.record, "", end.bandMin, end.bandMax, settings.lang);
        settings.bandMin = end.bandMin;
        settings.bandMax = end.bandMax;
        saveSettings();
        app.fileName = "";
        app.fileHandle = null;
        app.history.clear();
        app.history.markUnsaved();
        recordChanged();
    }
    notify(end.notice);
    if (settings.backups && end.backup)
        await keepBackup(end.backup);
    for (const listener of transferEndListeners)
        listener(read, end);
}

// The record check comes before a write or a series, as on the desktop: `write` goes on at once
// when the radio can take everything, else once the user says Write anyway.
export function checkBeforeWrite(write: () => void) {
    const findings = app.record.check(settings.bandMin, settings.bandMax, settings.lang);
    if (findings.length === 0) {
        write();
        return;
    }
    afterCheck = write;
    const items = findings.map((f: any) => {
        const item = document.createElement("li");
        item.textContent = `${f.where}: ${f.value} ${f.problem}`;
        return item;
    });
    byId("CheckList").replaceChildren(...items);
    checkDialog.showModal();
}

export function showTransferTexts() {
    const lang = settings.lang;
    byId("ProgramStart", transferDialog).textContent = core.transferDialogText(DialogStart, lang);
    byId("CancelBtn", transferDialog).textContent = core.transferDialogText(DialogCancel, lang);
    byId("BandQuestion").textContent = core.transferDialogText(DialogBandQuestion, lang);
    byId("OKBtn", bandDialog).textContent = core.transferDialogText(DialogContinue, lang);
    byId("CancelBtn", bandDialog).textContent = core.transferDialogText(DialogCancel, lang);
    byId("CheckCancel").textContent = core.transferDialogText(DialogCancel, lang);
    byId("CheckListText").textContent = pageText("CheckListBeforeWrite");
}

export function installTransfers() {
    byId("MenuEdit_Read").onclick = () => askTransfer(true);
    byId("MenuEdit_Write").onclick = () => checkBeforeWrite(() => askTransfer(false));
    byId("WriteAnyway").onclick = () => {
        checkDialog.close();
        afterCheck();
    };
    byId("CheckCancel").onclick = () => checkDialog.close();
    byId("ProgramStart").onclick = startTransfer;
    byId("CancelBtn", transferDialog).onclick = () => {
        if (!running?.link) {
            running = null;
            transferDialog.close();
        }
    };
    transferDialog.oncancel = (event) => running?.link && event.preventDefault();
    byId("OKBtn", bandDialog).onclick = () => answerBand(true);
    byId("CancelBtn", bandDialog).onclick = () => answerBand(false);
    bandDialog.oncancel = (event) => {
        event.preventDefault();
        answerBand(false);
    };
    byId("TryWithoutRadio").onclick = () => {
        usePort(new VirtualSerialPort(new core.Radio()), { isVirtual: true });
        askTransfer(true);
    };
    byId("MenuSaveTransferLog").onclick = () => download("transfer-log.txt", lastTrace);
}
