// The page: the desktop's commands, channel grid, device information, transfer dialog and notices,
// with every text from the module in the chosen language. Transfers run in a worker; the page owns
// the port and the record.
import { VirtualSerialPort } from "../core/virtual-serial-port.js";
import { download, keepBackup, listBackups, stampName } from "./backups";
import { loadCore } from "./load-core";
import type { TransferEnd, WorkerMessage } from "./messages";
import { PortLink } from "./port-link";
import { keepSettings, loadSettings } from "./settings";
import "./style.css";

const core = await loadCore(document.baseURI);
const settings = loadSettings();
const worker = new Worker(new URL("./transfer-worker.ts", import.meta.url), { type: "module" });
const ChannelCount = 16;
const RecordName = "Kqd";
// The transfer dialog's entries in the module's table.
const DialogStart = 0;
const DialogCancel = 1;
const DialogBandQuestion = 5;
const DialogContinue = 6;

let record = new core.Record();
let fileName = "";
let fileHandle: any = null;
let chosenPort: any = null;
let lastTrace = "";

const byId = <T extends HTMLElement = HTMLElement>(id: string, within: ParentNode = document) =>
    within.querySelector(`#${id}`) as T;
const transferDialog = byId<HTMLDialogElement>("TProgramDlg");
const bandDialog = byId<HTMLDialogElement>("TMyWarnDlg_2");
const noticeDialog = byId<HTMLDialogElement>("TMyWarnDlg");
const checkDialog = byId<HTMLDialogElement>("TCheckListDlg");
const progressBar = byId<HTMLProgressElement>("ProgressBar1");

// Menu captions carry the desktop's accelerator marks: "&Read" and "读频(&R)".
const caption = (text: string) => text.replace(/\(&.\)/, "").replace("&", "");
const pageText = (name: string) => caption(core.pageText(name, settings.lang));

function showTexts() {
    const lang = settings.lang;
    const names: [string, string][] = [
        ["MenuFile_New", "New"], ["MenuFile_Open", "Open"], ["MenuFile_Save", "Save"], ["MenuEdit_Read", "Read"],
        ["MenuEdit_Write", "Write"], ["MenuLanguage_En", "English"], ["MenuLanguage_Chs", "Chinese"],
        ["TryWithoutRadio", "TryWithoutRadio"], ["MenuSaveTransferLog", "SaveTransferLog"],
        ["WriteAnyway", "WriteAnyway"],
    ];
    for (const [id, name] of names)
        byId(id).textContent = pageText(name);
    for (const span of document.querySelectorAll<HTMLElement>("[data-text]"))
        span.textContent = pageText(span.dataset.text!);
    byId("ProgramStart", transferDialog).textContent = core.transferDialogText(DialogStart, lang);
    byId("CancelBtn", transferDialog).textContent = core.transferDialogText(DialogCancel, lang);
    byId("BandQuestion").textContent = core.transferDialogText(DialogBandQuestion, lang);
    byId("OKBtn", bandDialog).textContent = core.transferDialogText(DialogContinue, lang);
    byId("CancelBtn", bandDialog).textContent = core.transferDialogText(DialogCancel, lang);
    byId("CheckCancel").textContent = core.transferDialogText(DialogCancel, lang);
    byId("CheckListText").textContent = pageText("CheckListBeforeWrite");
    byId("OKBtn", noticeDialog).textContent = core.noticeOk(lang);
    byId("MenuLanguage_En").setAttribute("aria-pressed", String(lang === 0));
    byId("MenuLanguage_Chs").setAttribute("aria-pressed", String(lang === 1));
    document.documentElement.lang = lang === 0 ? "en" : lang === 1 ? "zh-Hans" : lang === 2 ? "zh-Hant" : "";
    showRecord();
}

function showRecord() {
    const grid = byId<HTMLTableElement>("StringGrid1");
    const head = document.createElement("tr");
    for (const title of core.channelColumnTitles(settings.lang)) {
        const cell = document.createElement("th");
        cell.scope = "col";
        cell.textContent = title;
        head.append(cell);
    }
    grid.tHead!.replaceChildren(head);
    const rows: HTMLTableRowElement[] = [];
    for (let channel = 1; channel <= ChannelCount; ++channel) {
        const row = document.createElement("tr");
        for (const text of record.channelRow(channel, settings.lang)) {
            const cell = document.createElement("td");
            cell.textContent = text;
            row.append(cell);
        }
        rows.push(row);
    }
    grid.tBodies[0].replaceChildren(...rows);
    const info = record.deviceInfo(settings.lang);
    const list: HTMLElement[] = [];
    for (const key of ["firmware", "serialNumber", "lastProgrammed"]) {
        const term = document.createElement("dt");
        term.textContent = info[key + "Caption"];
        const value = document.createElement("dd");
        value.id = key;
        value.textContent = info[key];
        list.push(term, value);
    }
    byId("DeviceInfo").replaceChildren(...list);
}

function notify(lines: string[]) {
    if (lines.length === 0)
        return;
    byId("WarnDlgText").textContent = lines.join("\n");
    noticeDialog.showModal();
}

// Files

async function openBytes(bytes: Uint8Array, name: string, handle: any) {
    const candidate = new core.Record();
    const opened = candidate.open(bytes, name, settings.bandMin, settings.bandMax, settings.lang);
    if (opened.refusal) {
        candidate.delete();
        notify([opened.refusal]);
        return;
    }
    record.delete();
    record = candidate;
    fileName = name;
    fileHandle = handle;
    showRecord();
    notify(opened.findings.map((f: any) => `${f.where}: ${f.value} ${f.problem}`));
}

async function openFile() {
    if ("showOpenFilePicker" in window) {
        try {
            const [handle] = await (window as any).showOpenFilePicker();
            const file = await handle.getFile();
            await openBytes(new Uint8Array(await file.arrayBuffer()), file.name, handle);
        } catch (error) {
            if ((error as DOMException).name !== "AbortError")
                throw error;
        }
        return;
    }
    byId("OpenDialog").click();
}

async function saveFile() {
    const bytes = record.save();
    if (!fileHandle && "showSaveFilePicker" in window) {
        try {
            fileHandle = await (window as any).showSaveFilePicker({ suggestedName: fileName || `radio.${RecordName}` });
        } catch (error) {
            if ((error as DOMException).name === "AbortError")
                return;
        }
    }
    if (fileHandle) {
        const writable = await fileHandle.createWritable();
        await writable.write(bytes);
        await writable.close();
        return;
    }
    download(fileName || `radio.${RecordName}`, bytes);
}

// Transfers

let running: { read: boolean; link: PortLink | null; resolve: (end: TransferEnd) => void } | null = null;

worker.onmessage = (event: MessageEvent<WorkerMessage>) => {
    const message = event.data;
    if (running?.link?.heard(message))
        return;
    if (message.type === "progress")
        progressBar.value = message.value;
    else if (message.type === "step")
        byId("StatusText").textContent = message.text;
    else if (message.type === "askBand")
        bandDialog.showModal();
    else if (message.type === "done")
        running?.resolve(message);
};

function answerBand(goOn: boolean) {
    bandDialog.close();
    worker.postMessage({ type: "band", goOn });
}

// Ports the user granted before are offered again; otherwise the browser asks for the cable's.
async function cablePort() {
    if (chosenPort)
        return chosenPort;
    const serial = (navigator as any).serial;
    const granted = await serial.getPorts();
    chosenPort = granted[0] ?? (await serial.requestPort());
    return chosenPort;
}

function askTransfer(read: boolean) {
    progressBar.value = 0;
    byId("StatusText").textContent = "";
    byId("ProgramTitle").textContent = pageText(read ? "Read" : "Write");
    running = { read, link: null, resolve: () => {} };
    transferDialog.showModal();
}

async function startTransfer() {
    const read = running!.read;
    let port;
    try {
        port = await cablePort();
    } catch {
        return;
    }
    byId<HTMLButtonElement>("ProgramStart").disabled = true;
    running!.link = new PortLink(port, worker);
    const end = await new Promise<TransferEnd>((resolve) => {
        running!.resolve = resolve;
        worker.postMessage({
            type: "start", record: record.save(), read, verify: settings.verify, fastLink: settings.fastLink,
            bandMin: settings.bandMin, bandMax: settings.bandMax, lang: settings.lang,
        });
    });
    running = null;
    byId<HTMLButtonElement>("ProgramStart").disabled = false;
    transferDialog.close();
    finishTransfer(read, end);
}

async function finishTransfer(read: boolean, end: TransferEnd) {
    lastTrace = end.trace;
    byId<HTMLButtonElement>("MenuSaveTransferLog").disabled = false;
    if (end.record) {
        record.open(end.record, "", end.bandMin, end.bandMax, settings.lang);
        settings.bandMin = end.bandMin;
        settings.bandMax = end.bandMax;
        keepSettings(settings);
        fileName = "";
        fileHandle = null;
        showRecord();
    }
    notify(end.notice);
    if (settings.backups && end.outcome === "success") {
        await keepBackup({ name: `${read ? "read" : "write"}-${stampName(new Date())}.bin`, bytes: end.image });
        showBackups();
    }
}

// The record check comes before a write, as on the desktop.
function askWrite() {
    const findings = record.check(settings.bandMin, settings.bandMax, settings.lang);
    if (findings.length === 0) {
        askTransfer(false);
        return;
    }
    const items = findings.map((f: any) => {
        const item = document.createElement("li");
        item.textContent = `${f.where}: ${f.value} ${f.problem}`;
        return item;
    });
    byId("CheckList").replaceChildren(...items);
    checkDialog.showModal();
}

async function showBackups() {
    const items = (await listBackups()).map((backup) => {
        const item = document.createElement("li");
        const button = document.createElement("button");
        button.type = "button";
        button.textContent = `${pageText("Download")} ${backup.name}`;
        button.onclick = () => download(backup.name, backup.bytes);
        item.append(button);
        return item;
    });
    byId("BackupList").replaceChildren(...items);
}

function choose(lang: number) {
    settings.lang = lang;
    keepSettings(settings);
    showTexts();
}

function bindOption(id: "verify" | "fastLink", element: string) {
    const box = byId<HTMLInputElement>(element);
    box.checked = settings[id];
    box.onchange = () => {
        settings[id] = box.checked;
        keepSettings(settings);
    };
}

byId("MenuFile_New").onclick = () => {
    record.delete();
    record = new core.Record();
    fileName = "";
    fileHandle = null;
    showRecord();
};
byId("MenuFile_Open").onclick = openFile;
byId<HTMLInputElement>("OpenDialog").onchange = async (event) => {
    const input = event.target as HTMLInputElement;
    const file = input.files?.[0];
    if (file)
        await openBytes(new Uint8Array(await file.arrayBuffer()), file.name, null);
    input.value = "";
};
document.body.ondragover = (event) => event.preventDefault();
document.body.ondrop = async (event) => {
    event.preventDefault();
    const file = event.dataTransfer?.files[0];
    if (file)
        await openBytes(new Uint8Array(await file.arrayBuffer()), file.name, null);
};
byId("MenuFile_Save").onclick = saveFile;
byId("MenuEdit_Read").onclick = () => askTransfer(true);
byId("MenuEdit_Write").onclick = askWrite;
byId("WriteAnyway").onclick = () => {
    checkDialog.close();
    askTransfer(false);
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
byId("OKBtn", noticeDialog).onclick = () => noticeDialog.close();
byId("TryWithoutRadio").onclick = () => {
    chosenPort = new VirtualSerialPort(new core.Radio());
    askTransfer(true);
};
byId("MenuSaveTransferLog").onclick = () => download("transfer-log.txt", lastTrace);
byId("MenuLanguage_En").onclick = () => choose(0);
byId("MenuLanguage_Chs").onclick = () => choose(1);
bindOption("verify", "VerifyAfterWriting");
bindOption("fastLink", "FastLink");
showTexts();
showBackups();
document.body.dataset.ready = "true";
performance.mark("ready");
