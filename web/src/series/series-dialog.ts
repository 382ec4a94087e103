// Write to several radios: the desktop's series dialog over the series the transfer worker runs
// (series-run.ts). Each radio is told by its serial number and the one just written is let go until
// it is swapped; every radio's row goes into the programming log kept in the browser before the
// next radio is waited for, and its write into that radio's backups. The page owns the port, as for
// a single transfer, and the band question and the record check are the single write's.
import { app, byId, core, notify, onLanguageChanged, settings } from "../app";
import { keepBackup } from "../backups";
import type { RadioFinished, SeriesEnd, SeriesRequest, WorkerMessage } from "../messages";
import { PortLink } from "../port-link";
import { cablePort } from "../cable-port";
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
const progress = byId<HTMLProgressElement>("SeriesProgress");
const status = byId("SeriesStatus");
const outcomes = byId("SeriesOutcomes");
const settingControls = () => [radioCount, untilStopped, verifyAfterWrite, increaseIds,
    byId<HTMLButtonElement>("SeriesStart"), byId<HTMLButtonElement>("SeriesClose")];

// The worker starts with the first series: a page that never writes several radios loads no more.
let worker: Worker | null = null;
let link: PortLink | null = null;
let radioOnLine = 0;
let waitingForRadio = false;

const text = (name: string, args: (string | number)[] = []) => core.dealerText(name, args.map(String), settings.lang);
// The menu item's caption says that it opens a dialog; the dialog's title need not.
const title = () => text("WriteSeveralRadios").replace("...", "");
const running = () => link !== null;

function seriesRequest(): SeriesRequest {
    return {
        type: "series",
        record: app.record.save(),
        radios: untilStopped.checked ? UntilStoppedRadios : radiosAsked(),
        verify: verifyAfterWrite.checked,
        increaseIds: increaseIds.checked,
        fastLink: settings.fastLink,
        bandMin: settings.bandMin,
        bandMax: settings.bandMax,
        // The log must never name a file that holds something else than what the radios got.
        fileName: app.history.modified ? "" : app.fileName,
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

// A series the core would refuse is not started: codes that cannot be counted up for it.
function refusal(request: SeriesRequest) {
    const probe = new core.Series(app.record, request);
    const why = probe.idsRefusal(settings.lang);
    probe.delete();
    return why;
}

function showFirstIds() {
    const probe = new core.Series(app.record, seriesRequest());
    byId("FirstIds").textContent = probe.firstIds(settings.lang);
    probe.delete();
    byId("FirstIds").classList.toggle("disabled", !increaseIds.checked);
}

function showRunning(on: boolean) {
    for (const control of settingControls())
        control.disabled = on;
    radioCount.disabled = on || untilStopped.checked;
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
    if (why) {
        notify([why]);
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
        status.textContent = text("SeriesWriting", [number]);
}

// The step text is empty once blocks go out: the awaited radio is on the line and being written.
function stepChanged(stepText: string) {
    if (!waitingForRadio || stepText !== "")
        return;
    waitingForRadio = false;
    byId<HTMLButtonElement>("SameRadioAgain").disabled = true;
    showProgress(progress.value);
    status.textContent = text("SeriesWriting", [radioOnLine]);
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
    showFirstIds();
    showRunning(false);
    dialog.showModal();
}

function showTexts() {
    byId("MenuEdit_WriteSeveral").textContent = text("WriteSeveralRadios");
    byId("SeriesTitle").textContent = title();
    byId("RadioCountLabel").textContent = text("SeriesRadioCount");
    byId("UntilStoppedText").textContent = text("SeriesUntilStopped");
    byId("VerifyAfterWriteText").textContent = text("VerifyAfterWriting");
    byId("IncreaseIdsText").textContent = text("SeriesIncreaseIds");
    byId("DownloadLog").textContent = text("DownloadProgrammingLog");
    progress.setAttribute("aria-label", title());
    status.setAttribute("aria-label", text("TransferStatusName"));
    outcomes.setAttribute("aria-label", text("SeriesOutcomeListName"));
    byId("SeriesStart").textContent = core.transferDialogText(DialogStart, settings.lang);
    byId("SeriesStop").textContent = text("SeriesStop");
    byId("SameRadioAgain").textContent = text("SeriesSameRadioAgain");
    byId("SeriesClose").textContent = text("SeriesClose");
    if (dialog.open)
        showFirstIds();
}

export function installSeries() {
    radioCount.max = String(core.seriesMostRadios());
    byId("MenuEdit_WriteSeveral").onclick = () => !app.transferring && checkBeforeWrite(open);
    untilStopped.onchange = () => (radioCount.disabled = untilStopped.checked);
    increaseIds.onchange = showFirstIds;
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
