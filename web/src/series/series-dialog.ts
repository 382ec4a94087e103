// Write to several radios: the desktop's series dialog over the series the transfer worker runs
// (series-run.ts). Each radio is told by its serial number and the one just written is let go until
// it is swapped; every radio's row goes into the programming log kept in the browser before the
// next radio is waited for, and its write into that radio's backups. The page owns the port, as for
// a single transfer, and the band question and the record check are the single write's. A table of
// each radio's own codes is read when chosen and checked whole by the core before the first radio;
// checking only reads radio after radio and compares each with the record, writing nothing.
import { app, byId, core, notify, onLanguageChanged, settings } from "../app";
import { keepBackup } from "../backups";
import type { RadioFinished, SeriesEnd, SeriesRequest, WorkerMessage } from "../messages";
import { PortLink } from "../port-link";
import { cablePort } from "../cable-port";
import { text as catalogText, withoutAccelerator } from "../texts";
import { askBandQuestion, checkBeforeWrite, keepTrace } from "../transfers";
import { downloadProgrammingLog, keepLogRow } from "./programming-log";

// The transfer dialog's Start in the module's table.
const DialogStart = 0;
const UntilStoppedRadios = 0;
// What the list shows for a radio that failed before it told its serial number.
const UnknownSerial = "-";

const dialog = byId<HTMLDialogElement>("SeriesWriteDialog");
const radioCount = byId<HTMLInputElement>("RadioCount");
const untilStopped = byId<HTMLInputElement>("UntilStopped");
const verifyAfterWrite = byId<HTMLInputElement>("VerifyAfterWrite");
const increaseIds = byId<HTMLInputElement>("IncreaseIds");
const checkOnly = byId<HTMLInputElement>("SeriesCheckOnly");
const idsFile = byId<HTMLInputElement>("SeriesIdsFile");
const idsRequired = byId<HTMLInputElement>("SeriesIdsRequired");
const idsProblems = byId("SeriesIdsProblems");
const progress = byId<HTMLProgressElement>("SeriesProgress");
const status = byId("SeriesStatus");
const outcomes = byId("SeriesOutcomes");
const settingControls = () => [radioCount, untilStopped, verifyAfterWrite, increaseIds, checkOnly, idsFile,
    idsRequired, byId<HTMLButtonElement>("SeriesStart"), byId<HTMLButtonElement>("SeriesClose")];
// What a check leaves alone: nothing is written, so there are no codes to give and nothing to verify.
const writingControls = () => [verifyAfterWrite, increaseIds, idsFile, idsRequired];
// The log names the cable so; the page has no other name for a port the browser granted.
const PortName = "port 1";

// The worker starts with the first series: a page that never writes several radios loads no more.
let worker: Worker | null = null;
let link: PortLink | null = null;
let radioOnLine = 0;
let waitingForRadio = false;
let checking = false;
// The identity table as its file held it when chosen; null: none.
let idsTable: { name: string; bytes: Uint8Array } | null = null;

const text = (name: string, args: (string | number)[] = []) => core.dealerText(name, args.map(String), settings.lang);
// The menu item's caption says that it opens a dialog; the dialog's title need not.
const title = () => text("WriteSeveralRadios").replace("...", "");
const running = () => link !== null;

function seriesRequest(): SeriesRequest {
    const writing = !checkOnly.checked;
    const table = writing ? idsTable : null;
    return {
        type: "series",
        record: app.record.save(),
        radios: untilStopped.checked ? UntilStoppedRadios : radiosAsked(),
        verify: writing && verifyAfterWrite.checked,
        increaseIds: writing && increaseIds.checked,
        checkOnly: !writing,
        fastLink: settings.fastLink,
        bandMin: settings.bandMin,
        bandMax: settings.bandMax,
        // The log must never name a file that holds something else than what the radios got.
        fileName: app.history.modified ? "" : app.fileName,
        identities: table?.bytes ?? null,
        identitiesFile: table?.name ?? "",
        identitiesRequired: table !== null && idsRequired.checked,
        port: PortName,
        lang: settings.lang,
    };
}

// As the desktop's spin box: whatever was typed, a whole number of radios within its range.
function radiosAsked() {
    const typed = Math.round(radioCount.valueAsNumber);
    const radios = Number.isNaN(typed) ? Number(radioCount.min) : typed;
    radioCount.valueAsNumber = Math.min(Math.max(radios, Number(radioCount.min)), Number(radioCount.max));
    return radioCount.valueAsNumber;
}

// A series the core would refuse is not started: an identity table with problems, codes that
// cannot be counted up for it. Every reason, each problem of the table with its line.
function refusal(request: SeriesRequest): string[] {
    const probe = new core.Series(app.record, request);
    const why = probe.refusal(settings.lang);
    probe.delete();
    return why;
}

function showFirstIds() {
    const probe = new core.Series(app.record, seriesRequest());
    byId("FirstIds").textContent = probe.firstIds(settings.lang);
    probe.delete();
    byId("FirstIds").classList.toggle("disabled", checkOnly.checked || !increaseIds.checked);
}

// The table's problems stay listed under its field until another file is chosen.
function showTableProblems() {
    const why = idsTable && !checkOnly.checked ? refusal({ ...seriesRequest(), increaseIds: false }) : [];
    idsProblems.replaceChildren(...why.map((line) => Object.assign(document.createElement("li"), { textContent: line })));
}

// Read once chosen, no further than the core takes, which refuses a longer file as too large.
async function tableChosen() {
    const file = idsFile.files?.[0];
    idsTable = null;
    if (file) {
        try {
            const bytes = await file.slice(0, core.identityTableFileLimit() + 1).arrayBuffer();
            idsTable = { name: file.name, bytes: new Uint8Array(bytes) };
        } catch {
            // The file is gone or changed since it was chosen: none is taken, and the field says so.
            idsFile.value = "";
        }
    }
    showTableProblems();
}

function showChoices() {
    for (const control of writingControls())
        control.disabled = running() || checkOnly.checked;
    showFirstIds();
    showTableProblems();
}

function showRunning(on: boolean) {
    for (const control of settingControls())
        control.disabled = on;
    radioCount.disabled = on || untilStopped.checked;
    for (const control of writingControls())
        control.disabled ||= checkOnly.checked;
    byId<HTMLButtonElement>("SeriesStop").disabled = !on;
    byId<HTMLButtonElement>("SameRadioAgain").disabled = true;
    app.transferring = on;
}

function showProgress(value: number, waiting = false) {
    progress.value = value;
    byId("SeriesProgressText").textContent = waiting ? text("SeriesWaiting") : "";
}

async function start() {
    const request = seriesRequest();
    const why = refusal(request);
    if (why.length > 0) {
        showTableProblems();
        notify(why);
        return;
    }
    let port;
    try {
        port = await cablePort();
    } catch {
        return;
    }
    outcomes.replaceChildren();
    status.textContent = "";
    worker ??= newWorker();
    link = new PortLink(port, worker);
    checking = request.checkOnly;
    showRunning(true);
    worker.postMessage(request);
}

function newWorker() {
    const started = new Worker(new URL("../transfer-worker.ts", import.meta.url), { type: "module" });
    started.onmessage = (event: MessageEvent<WorkerMessage>) => heard(event.data);
    return started;
}

function heard(message: WorkerMessage) {
    if (link?.heard(message))
        return;
    if (message.type === "radioStarting")
        radioStarting(message.number, message.waiting);
    else if (message.type === "progress")
        progress.value = message.value;
    else if (message.type === "step")
        stepChanged(message.text);
    else if (message.type === "askBand")
        askBandQuestion().then((goOn) => worker!.postMessage({ type: "band", goOn }));
    else if (message.type === "verifying")
        verifying();
    else if (message.type === "sameRadio")
        sameRadioAnswered(message.serial);
    else if (message.type === "radioFinished")
        radioFinished(message);
    else if (message.type === "seriesDone")
        seriesDone(message);
}

// While the series waits, the status keeps saying which radio is done; the bar says that the next
// one is awaited.
function radioStarting(number: number, waiting: boolean) {
    radioOnLine = number;
    waitingForRadio = waiting;
    byId<HTMLButtonElement>("SameRadioAgain").disabled = true;
    showProgress(0, waiting);
    if (!waiting)
        showRadioOnLine();
}

function showRadioOnLine() {
    status.textContent = checking ? catalogText("SeriesReading", String(radioOnLine)) : text("SeriesWriting", [radioOnLine]);
}

// The step text is empty once blocks go out: the awaited radio is on the line and being written.
function stepChanged(stepText: string) {
    if (!waitingForRadio || stepText !== "")
        return;
    waitingForRadio = false;
    byId<HTMLButtonElement>("SameRadioAgain").disabled = true;
    showProgress(progress.value);
    showRadioOnLine();
}

function verifying() {
    showProgress(0);
    status.textContent = text("Verifying");
}

function sameRadioAnswered(serial: string) {
    status.textContent = text("SeriesSameRadio", [serial]);
    byId<HTMLButtonElement>("SameRadioAgain").disabled = false;
}

// The radio's row is kept before the worker goes on; a backup that fails does not stop the series.
async function radioFinished(radio: RadioFinished) {
    const item = document.createElement("li");
    item.textContent = radio.line;
    outcomes.append(item);
    if (radio.succeeded)
        status.textContent = text("SeriesRadioDone", [radio.number, radio.serial || UnknownSerial]);
    if (settings.backups && radio.backup)
        await keepBackup(radio.backup).catch(() => {});
    worker!.postMessage({ type: "logged", kept: await keepLogRow(radio.logLine) });
}

function seriesDone(end: SeriesEnd) {
    link = null;
    waitingForRadio = false;
    showRunning(false);
    showProgress(progress.value);
    status.textContent = end.status;
    keepTrace(end.trace);
    notify(end.notice);
}

function stop() {
    byId<HTMLButtonElement>("SeriesStop").disabled = true;
    worker?.postMessage({ type: "seriesStop" });
}

function sameRadioAgain() {
    byId<HTMLButtonElement>("SameRadioAgain").disabled = true;
    worker?.postMessage({ type: "sameRadioAgain" });
}

function open() {
    if (app.transferring)
        return;
    outcomes.replaceChildren();
    status.textContent = "";
    showProgress(0);
    verifyAfterWrite.checked = settings.verify;
    showRunning(false);
    showChoices();
    dialog.showModal();
}

function showTexts() {
    byId("MenuEdit_WriteSeveral").textContent = text("WriteSeveralRadios");
    byId("SeriesTitle").textContent = title();
    byId("RadioCountLabel").textContent = text("SeriesRadioCount");
    byId("UntilStoppedText").textContent = text("SeriesUntilStopped");
    byId("VerifyAfterWriteText").textContent = text("VerifyAfterWriting");
    byId("IncreaseIdsText").textContent = text("SeriesIncreaseIds");
    byId("SeriesCheckOnlyText").textContent = withoutAccelerator(catalogText("SeriesCheckOnly"));
    byId("SeriesIdsFileLabel").textContent = catalogText("SeriesIdsFile");
    byId("SeriesIdsRequiredText").textContent = catalogText("SeriesIdsRequired");
    idsProblems.setAttribute("aria-label", catalogText("SeriesIdsProblemsName"));
    byId("DownloadLog").textContent = text("DownloadProgrammingLog");
    progress.setAttribute("aria-label", title());
    status.setAttribute("aria-label", text("TransferStatusName"));
    outcomes.setAttribute("aria-label", text("SeriesOutcomeListName"));
    byId("SeriesStart").textContent = core.transferDialogText(DialogStart, settings.lang);
    byId("SeriesStop").textContent = text("SeriesStop");
    byId("SameRadioAgain").textContent = text("SeriesSameRadioAgain");
    byId("SeriesClose").textContent = text("SeriesClose");
    if (dialog.open)
        showChoices();
}

export function installSeries() {
    radioCount.max = String(core.seriesMostRadios());
    byId("MenuEdit_WriteSeveral").onclick = () => !app.transferring && checkBeforeWrite(open);
    untilStopped.onchange = () => (radioCount.disabled = untilStopped.checked);
    increaseIds.onchange = showFirstIds;
    checkOnly.onchange = showChoices;
    idsFile.onchange = tableChosen;
    // Choosing the same file again, once edited, reads it again; a cancelled choice leaves none.
    idsFile.onclick = () => (idsFile.value = "");
    idsFile.oncancel = tableChosen;
    byId("DownloadLog").onclick = downloadProgrammingLog;
    byId("SeriesStart").onclick = start;
    byId("SeriesStop").onclick = stop;
    byId("SameRadioAgain").onclick = sameRadioAgain;
    byId("SeriesClose").onclick = () => dialog.close();
    // A series runs to one of its endings; Stop is the way to end it early, between radios.
    dialog.oncancel = (event) => running() && event.preventDefault();
    onLanguageChanged(showTexts);
    showTexts();
}
