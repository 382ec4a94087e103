// Adjustment: the access code, then the calibration dialog. Every box shows a field of the page's one
// calibration record (kept while the page is open, as the desktop keeps it while it runs) and
// writes it when the focus leaves the box after an edit; the boxes, their captions and rules come
// from the module. The dialog clears, opens and saves the record, reads and writes it, runs the
// main window's write, and keeps the entry to serial-number writing hidden.
import { byId, core, notify, onLanguageChanged, settings } from "./app";
import { download } from "./backups";
import { dialogCaption, dialogText } from "./dialog-text";
import { DigitBox } from "./digit-box";
import { runFactoryTransfer } from "./factory-transfers";
import { openSerialNumberDialog } from "./serial-number";

const calibration = new core.Calibration();
const accessDialog = byId<HTMLDialogElement>("TPasswordDlg");
const dialog = byId<HTMLDialogElement>("TAdjustmentDlg");
const clearDialog = byId<HTMLDialogElement>("TClearAdjustmentDlg");
const openInput = byId<HTMLInputElement>("AdjustmentOpenDialog");
const boxes: DigitBox[] = [];

function refreshFields() {
    for (const box of boxes)
        box.show(calibration.text(box.box.id));
}

// The box shows what the field holds after every commit; text that is no number is announced.
function commit(box: HTMLInputElement) {
    const typed = box.value;
    const outcome = calibration.commit(box.id, typed, settings.bandMin, settings.bandMax);
    box.value = calibration.text(box.id);
    if (outcome !== "notANumber")
        return true;
    notify([dialogText("NotANumber", [typed])]);
    return false;
}

// `field` is the layout's entry for the box: its object name, whether it takes a point, its length.
function makeBox(field: any, label: string) {
    const box = document.createElement("input");
    box.id = field.edit;
    box.autocomplete = "off";
    box.inputMode = field.takesPoint ? "decimal" : "numeric";
    box.size = field.longest + 1;
    box.setAttribute("aria-label", label);
    boxes.push(new DigitBox(box, {
        drops: (code) => core.dropsTypedDigit(code, field.takesPoint),
        correct: (text) => core.correctedCalibrationText(field.edit, text),
        commit: () => commit(box),
    }));
    return box;
}

function gridCell(text = "") {
    const cell = document.createElement("span");
    cell.textContent = text;
    // Each box is named by its row and column: the captions would only be read twice.
    cell.setAttribute("aria-hidden", "true");
    return cell;
}

// A group as a grid: the column titles over the boxes, each row's caption before them unless the
// group hides them; a titled group is a fieldset.
function buildGroup(group: any) {
    const frame = document.createElement(group.title ? "fieldset" : "div");
    if (group.title) {
        const legend = document.createElement("legend");
        legend.textContent = group.title;
        frame.append(legend);
    }
    const grid = document.createElement("div");
    grid.className = "calibration-grid";
    const captioned = !group.rowCaptionsHidden;
    const boxColumns = Math.max(group.columns.length, 1);
    grid.style.gridTemplateColumns = `${captioned ? "auto " : ""}repeat(${boxColumns}, auto)`;
    if (group.columns.length > 0)
        grid.append(...(captioned ? [gridCell()] : []), ...group.columns.map((title: string) => gridCell(title)));
    for (const row of group.rows) {
        if (captioned)
            grid.append(gridCell(row.caption));
        for (const field of row.boxes)
            grid.append(makeBox(field, field.name));
        for (let column = row.boxes.length; column < boxColumns; ++column)
            grid.append(gridCell());
    }
    frame.append(grid);
    return frame;
}

function buildDialog() {
    const layout = core.calibrationLayout();
    byId("AdjustmentGroups").replaceChildren(...layout.groups.map(buildGroup));
    byId("AdjustmentHints").replaceChildren(...layout.hints.map((hint: string) => {
        const item = document.createElement("li");
        item.textContent = hint;
        return item;
    }));
}

const commitPending = () => boxes.every((box) => box.commitPending());

function readCalibration() {
    if (!commitPending())
        return;
    runFactoryTransfer("calibration", true, (buffer) => {
        calibration.unpack(buffer);
        refreshFields();
    });
}

function writeCalibration() {
    if (commitPending())
        runFactoryTransfer("calibration", false, () => {}, (buffer) => calibration.pack(buffer));
}

function answerClear(clear: boolean) {
    clearDialog.close();
    if (!clear)
        return;
    calibration.clear();
    refreshFields();
}

// A file that cannot be read leaves the record as it was, without a message; one of another length
// is taken as far as it goes, and the technician is told so.
async function openFile() {
    const file = openInput.files?.[0];
    openInput.value = "";
    if (!file)
        return;
    let bytes: Uint8Array;
    try {
        bytes = new Uint8Array(await file.arrayBuffer());
    } catch {
        return;
    }
    const notice = calibration.open(bytes, file.name, settings.lang);
    refreshFields();
    notify(notice);
}

function askAccessCode() {
    byId<HTMLInputElement>("eInput", accessDialog).value = "";
    accessDialog.showModal();
}

// The right code opens the calibration dialog over this one, which closes after it; any other
// code just closes it.
function accessCodeGiven(event: SubmitEvent) {
    event.preventDefault();
    if (!core.accessCodeOpens(byId<HTMLInputElement>("eInput", accessDialog).value)) {
        accessDialog.close();
        return;
    }
    refreshFields();
    dialog.showModal();
}

function showTexts() {
    byId("MenuAdjustment").textContent = dialogCaption("AdjustmentMenu");
    byId("OKBtn", accessDialog).textContent = dialogText("Ok");
    byId("CancelBtn", accessDialog).textContent = dialogText("Cancel");
    byId("eInput", accessDialog).setAttribute("aria-label", dialogText("InputPassword"));
    accessDialog.setAttribute("aria-label", dialogText("InputPassword"));
    dialog.setAttribute("aria-label", dialogCaption("AdjustmentMenu"));
    for (const id of ["bRead", "bWrite", "bNew", "bOpen", "bSave"])
        byId(id, dialog).textContent = dialogText(id);
    byId("Button1", dialog).textContent = dialogText("WriteChannelData");
    byId("Button1", dialog).setAttribute("aria-label", dialogText("WriteToRadio"));
    byId("bWriteSn", dialog).textContent = dialogText("SerialNumber");
    byId("AdjustmentClose").textContent = dialogText("Close");
    openInput.setAttribute("aria-label", dialogText("OpenTitle"));
    byId("ClearAdjustmentText").textContent = dialogText("ClearAllQuestion");
    byId("OKBtn", clearDialog).textContent = dialogText("ClearAllOk");
    byId("CancelBtn", clearDialog).textContent = dialogText("ClearAllCancel");
}

export function installAdjustment() {
    buildDialog();
    showTexts();
    onLanguageChanged(showTexts);
    byId("MenuAdjustment").onclick = askAccessCode;
    byId("CancelBtn", accessDialog).onclick = () => accessDialog.close();
    accessDialog.querySelector("form")!.onsubmit = accessCodeGiven;
    dialog.onclose = () => accessDialog.close();
    byId("AdjustmentClose").onclick = () => dialog.close();
    byId("bRead", dialog).onclick = readCalibration;
    byId("bWrite", dialog).onclick = writeCalibration;
    byId("Button1", dialog).onclick = () => byId("MenuEdit_Write").click();
    byId("bNew", dialog).onclick = () => clearDialog.showModal();
    byId("OKBtn", clearDialog).onclick = () => answerClear(true);
    byId("CancelBtn", clearDialog).onclick = () => answerClear(false);
    byId("bOpen", dialog).onclick = () => openInput.click();
    openInput.onchange = openFile;
    byId("bSave", dialog).onclick = () => download("calibration.Kqda", calibration.save());
    byId("bWriteSn", dialog).onclick = openSerialNumberDialog;
}
