// Write to several radios: the desktop's series dialog over the series the transfer worker runs
// (series-run.ts). Each radio is told by its serial number and the one just written is let go until
// it is swapped; every radio's row goes into the programming log kept in the browser before the
// next radio is waited for, and its write into that radio's backups. The page owns the port, as for
// a single transfer, and the band question and the record check are the single write's. A table of
// each radio's own codes is read when chosen and checked whole by the core before the first radio;
// checking only reads radio after radio and compares each with the record, writing nothing.
// Further ports the browser grants run their own series at once, in the one job: each gets a line
// with its state, its bar and its "same radio again", and the log names each radio's port.
import { app, byId, caption, core, notify, onLanguageChanged, settings } from "../app";
import { keepBackup } from "../backups";
import type { CableEnd, RadioFinished, SeriesEnd, SeriesRequest, WorkerMessage } from "../messages";
import { PortLink } from "../port-link";
import { cablePort, grantedPort } from "../cable-port";
import { text as catalogText } from "../texts";
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
const portList = byId<HTMLSelectElement>("SeriesPorts");
const addPort = byId<HTMLButtonElement>("SeriesAddPort");
const removePort = byId<HTMLButtonElement>("SeriesRemovePort");
const portLines = byId<HTMLTableElement>("SeriesPortLines");
const settingControls = () => [radioCount, untilStopped, verifyAfterWrite, increaseIds, checkOnly, idsFile,
    idsRequired, portList, addPort, removePort, byId<HTMLButtonElement>("SeriesStart"),
    byId<HTMLButtonElement>("SeriesClose")];
// What a check leaves alone: nothing is written, so there are no codes to give and nothing to verify.
const writingControls = () => [verifyAfterWrite, increaseIds, idsFile, idsRequired];
// The log names a cable by its place in the list; the page has no other name for a port the browser granted.
const portName = (place: number) => `port ${place + 1}`;

// What the dialog shows of one cable: with one port, the dialog's own status line, bar and button.
interface PortLine {
    name: string;
    state: HTMLElement;
    progress: HTMLProgressElement;
    progressText: HTMLElement;
    sameRadio: HTMLButtonElement;
    radioOnLine: number;
    waiting: boolean;
    end: CableEnd | null;
}

// The worker starts with the first series: a page that never writes several radios loads no more.
let worker: Worker | null = null;
let links: PortLink[] = [];
let lines: PortLine[] = [];
// The ports granted for this dialog besides the cable's own, which is always the first.
let morePorts: any[] = [];
let checking = false;
// The identity table as its file held it when chosen; null: none.
let idsTable: { name: string; bytes: Uint8Array } | null = null;

const text = (name: string, args: (string | number)[] = []) => core.dealerText(name, args.map(String), settings.lang);
// The menu item's caption says that it opens a dialog; the dialog's title need not.
const title = () => text("WriteSeveralRadios").replace("...", "");
const running = () => links.length > 0;
const several = () => lines.length > 1;

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
        ports: [portName(0)],
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
    if (!on)
        showPortButtons();
    byId<HTMLButtonElement>("SeriesStop").disabled = !on;
    byId<HTMLButtonElement>("SameRadioAgain").disabled = true;
    for (const line of lines)
        line.sameRadio.disabled = true;
    app.transferring = on;
}

function showProgress(line: PortLine, value: number, waiting = false) {
    line.progress.value = value;
    line.progressText.textContent = waiting ? text("SeriesWaiting") : "";
}

// The list names the ports as the log will: the cable's own first, then those added.
function showPortList() {
    const names = [0, ...morePorts.map((_, n) => n + 1)].map(portName);
    const chosen = portList.selectedIndex;
    portList.replaceChildren(...names.map((name) => new Option(name)));
    portList.selectedIndex = Math.min(chosen, names.length - 1);
    showPortButtons();
}

// The cable's own port stays: it is the Port menu's; only ports added here may be taken off.
function showPortButtons() {
    addPort.disabled = running() || !(navigator as any).serial;
    removePort.disabled = running() || portList.selectedIndex < 1;
}

// Asks the browser for another port; only a click may do that. A port already listed is not added twice.
async function addPortClick() {
    let port;
    try {
        port = await (navigator as any).serial.requestPort();
    } catch {
        return;
    }
    if (port === await grantedPort() || morePorts.includes(port))
        return;
    morePorts.push(port);
    showPortList();
    portList.selectedIndex = morePorts.length;
    showPortButtons();
}

function removePortClick() {
    if (portList.selectedIndex < 1)
        return;
    morePorts.splice(portList.selectedIndex - 1, 1);
    showPortList();
}

// One port is followed in the dialog's own status line and bar; several each get a line.
function showPortLines(names: string[]) {
    const own = { state: status, progress, progressText: byId("SeriesProgressText"),
        sameRadio: byId<HTMLButtonElement>("SameRadioAgain") };
    lines = names.length > 1 ? names.map(newPortLine) : [{ name: names[0], ...own, radioOnLine: 0, waiting: false, end: null }];
    portLines.tBodies[0].replaceChildren(...(names.length > 1 ? lines.map(portRow) : []));
    portLines.hidden = names.length < 2;
    for (const element of [progress, own.progressText, own.sameRadio])
        element.hidden = names.length > 1;
}

function newPortLine(name: string, place: number): PortLine {
    const number = place + 1;
    const state = Object.assign(document.createElement("span"), { id: `SeriesPortState${number}` });
    state.setAttribute("role", "status");
    const bar = Object.assign(document.createElement("progress"), { id: `SeriesPortProgress${number}`, max: 100, value: 0 });
    const progressText = Object.assign(document.createElement("span"), { id: `SeriesPortProgressText${number}` });
    const sameRadio = Object.assign(document.createElement("button"),
        { type: "button", id: `SeriesPortSameRadio${number}`, disabled: true });
    sameRadio.onclick = () => sameRadioAgain(place);
    const line = { name, state, progress: bar, progressText, sameRadio, radioOnLine: 0, waiting: false, end: null };
    showPortLineTexts(line);
    return line;
}

function showPortLineTexts(line: PortLine) {
    line.state.setAttribute("aria-label", catalogText("SeriesPortStatusName", line.name));
    line.progress.setAttribute("aria-label", catalogText("SeriesPortProgressName", line.name));
    line.sameRadio.textContent = text("SeriesSameRadioAgain");
    line.sameRadio.setAttribute("aria-label", catalogText("SeriesSameRadioOnPort", line.name));
}

function portRow(line: PortLine, place: number) {
    const row = document.createElement("tr");
    const name = Object.assign(document.createElement("th"), { id: `SeriesPortName${place + 1}`, textContent: line.name });
    name.scope = "row";
    const cells = [line.state, [line.progress, line.progressText], line.sameRadio].map((content) => {
        const cell = document.createElement("td");
        cell.append(...[content].flat());
        return cell;
    });
    row.append(name, ...cells);
    return row;
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
    // The Port menu may have chosen since one of those added here.
    morePorts = morePorts.filter((other) => other !== port);
    showPortList();
    const ports = [port, ...morePorts];
    request.ports = ports.map((_, place) => portName(place));
    outcomes.replaceChildren();
    status.textContent = "";
    showPortLines(request.ports);
    worker ??= newWorker();
    links = ports.map((each, cable) => new PortLink(each, worker!, cable));
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
    const cable = message.cable ?? 0;
    if (links[cable]?.heard(message))
        return;
    const line = lines[cable];
    if (message.type === "radioStarting")
        radioStarting(line, message.number, message.waiting);
    else if (message.type === "progress")
        line.progress.value = message.value;
    else if (message.type === "step")
        stepChanged(line, message.text);
    else if (message.type === "askBand")
        askBandQuestion().then((goOn) => worker!.postMessage({ type: "band", goOn, cable }));
    else if (message.type === "verifying")
        verifying(line);
    else if (message.type === "sameRadio")
        sameRadioAnswered(line, message.serial);
    else if (message.type === "radioFinished")
        radioFinished(cable, message);
    else if (message.type === "cableDone")
        cableDone(line, message);
    else if (message.type === "seriesDone")
        seriesDone(message);
}

// While a cable waits, its status keeps saying which radio is done; its bar says that the next one
// is awaited.
function radioStarting(line: PortLine, number: number, waiting: boolean) {
    line.radioOnLine = number;
    line.waiting = waiting;
    line.sameRadio.disabled = true;
    showProgress(line, 0, waiting);
    if (!waiting)
        showRadioOnLine(line);
}

function showRadioOnLine(line: PortLine) {
    const number = line.radioOnLine;
    line.state.textContent = checking ? catalogText("SeriesReading", String(number)) : text("SeriesWriting", [number]);
}

// The step text is empty once blocks go out: the awaited radio is on the line and being written.
// Its number is the one the job gave it, which another cable may have changed while it waited.
function stepChanged(line: PortLine, stepText: string) {
    if (!line.waiting || stepText !== "")
        return;
    line.waiting = false;
    line.sameRadio.disabled = true;
    showProgress(line, line.progress.value);
    showRadioOnLine(line);
}

function verifying(line: PortLine) {
    showProgress(line, 0);
    line.state.textContent = text("Verifying");
}

function sameRadioAnswered(line: PortLine, serial: string) {
    line.state.textContent = text("SeriesSameRadio", [serial]);
    line.sameRadio.disabled = false;
}

// With several ports every line the list shows says which port it is about.
const onPort = (line: PortLine, what: string) => several() ? catalogText("SeriesOnPort", line.name, what) : what;

// The radio's row is kept before the worker goes on; a backup that fails does not stop the series.
async function radioFinished(cable: number, radio: RadioFinished) {
    const line = lines[cable];
    const item = document.createElement("li");
    item.textContent = onPort(line, radio.line);
    outcomes.append(item);
    if (radio.succeeded)
        line.state.textContent = text("SeriesRadioDone", [radio.number, radio.serial || UnknownSerial]);
    if (settings.backups && radio.backup)
        await keepBackup(radio.backup).catch(() => {});
    worker!.postMessage({ type: "logged", kept: await keepLogRow(radio.logLine), cable });
}

// With several ports, a port's line says how its cable ended; one port's ending is the dialog's.
function cableDone(line: PortLine, end: CableEnd) {
    line.end = end;
    line.waiting = false;
    line.sameRadio.disabled = true;
    showProgress(line, line.progress.value);
    if (!several())
        return;
    if (end.end === "allWritten" || end.end === "idsRanOut")
        line.state.textContent = catalogText("SeriesPortDone");
    else if (end.end === "stopped" || end.end === "waitRanOut")
        line.state.textContent = catalogText("SeriesPortStopped");
    else
        line.state.textContent = end.text;
}

// With several ports, radios that failed are summed up: the status names their ports, and one
// notice lists each failure that told something.
function seriesDone(end: SeriesEnd) {
    links = [];
    showRunning(false);
    keepTrace(end.trace);
    if (!several() || end.end !== "radioFailed") {
        status.textContent = end.status;
        notify(end.notice);
        return;
    }
    const failed = lines.filter((line) => line.end?.end === "radioFailed");
    status.textContent = catalogText("SeriesPortsFailed", String(end.written), failed.map((line) => line.name).join(", "));
    notify(failed.filter((line) => line.end!.notice.length > 0).map((line) => onPort(line, line.end!.text)));
}

function stop() {
    byId<HTMLButtonElement>("SeriesStop").disabled = true;
    worker?.postMessage({ type: "seriesStop" });
}

function sameRadioAgain(cable = 0) {
    lines[cable].sameRadio.disabled = true;
    worker?.postMessage({ type: "sameRadioAgain", cable });
}

function open() {
    if (app.transferring)
        return;
    outcomes.replaceChildren();
    status.textContent = "";
    showPortList();
    showPortLines([portName(0)]);
    showProgress(lines[0], 0);
    verifyAfterWrite.checked = settings.verify;
    showRunning(false);
    showChoices();
    dialog.showModal();
}

function showTexts() {
    byId("MenuEdit_WriteSeveral").textContent = text("WriteSeveralRadios");
    byId("SeriesTitle").textContent = title();
    byId("RadioCountLabel").textContent = text("SeriesRadioCount");
    byId("SeriesPortsLabel").textContent = caption(catalogText("SeriesPorts"));
    addPort.textContent = caption(catalogText("SeriesAddPort"));
    removePort.textContent = caption(catalogText("SeriesRemovePort"));
    byId("UntilStoppedText").textContent = text("SeriesUntilStopped");
    byId("VerifyAfterWriteText").textContent = text("VerifyAfterWriting");
    byId("IncreaseIdsText").textContent = text("SeriesIncreaseIds");
    byId("SeriesCheckOnlyText").textContent = caption(catalogText("SeriesCheckOnly"));
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
    if (several())
        lines.forEach(showPortLineTexts);
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
    byId("SameRadioAgain").onclick = () => sameRadioAgain();
    addPort.onclick = addPortClick;
    removePort.onclick = removePortClick;
    portList.onchange = showPortButtons;
    byId("SeriesClose").onclick = () => dialog.close();
    // A series runs to one of its endings; Stop is the way to end it early, between radios.
    dialog.oncancel = (event) => running() && event.preventDefault();
    onLanguageChanged(showTexts);
    showTexts();
}
