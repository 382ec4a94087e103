// Serial-number writing, behind the adjustment dialog's hidden "SN": type or step a number, read a
// radio's, write it into a radio, after which it steps up for the next one. The number is the
// record's serial number, as on the desktop, and opening the dialog clears it.
import { app, byId, core, edit, notify, onLanguageChanged } from "./app";
import { dialogText } from "./dialog-text";
import { DigitBox } from "./digit-box";
import { runFactoryTransfer } from "./factory-transfers";

const dialog = byId<HTMLDialogElement>("TWriteSnDlg");
const number = new DigitBox(byId<HTMLInputElement>("eSn"), {
    drops: (code) => core.dropsTypedDigit(code, false),
    correct: (text) => core.correctedSerialNumberText(text),
    commit: commitNumber,
});

const showNumber = () => number.show(core.serialNumber(app.record));

// Pasted text that is not a serial number would go to the radio as it is: it is refused.
function commitNumber() {
    const typed = number.box.value;
    let taken = false;
    edit((record) => (taken = core.setSerialNumber(record, typed)));
    if (taken)
        return true;
    showNumber();
    notify([dialogText("NotANumber", [typed])]);
    return false;
}

// A refused text is not stepped from the kept number: the number must not change behind the notice.
function step(up: boolean) {
    if (!number.commitPending())
        return;
    edit((record) => core.stepSerialNumber(record, up));
    showNumber();
}

function readNumber() {
    if (!number.commitPending())
        return;
    runFactoryTransfer("serialNumber", true, (buffer) => {
        edit((record) => core.takeSerialNumber(record, buffer));
        showNumber();
    });
}

function writeNumber() {
    if (!number.commitPending())
        return;
    runFactoryTransfer("serialNumber", false, () => step(true));
}

export function openSerialNumberDialog() {
    edit((record) => core.setSerialNumber(record, ""));
    showNumber();
    dialog.showModal();
}

function showTexts() {
    dialog.setAttribute("aria-label", dialogText("SerialNumber"));
    byId("SnCaption").textContent = dialogText("SerialNumber");
    byId("Button1", dialog).textContent = dialogText("SnRead");
    byId("Button2", dialog).textContent = dialogText("SnWrite");
    byId("SnClose").textContent = dialogText("Close");
}

export function installSerialNumber() {
    showTexts();
    onLanguageChanged(showTexts);
    byId("UpArrow").onclick = () => step(true);
    byId("DownArrow").onclick = () => step(false);
    // The arrows keep the focus in the box; from the keyboard the arrow keys step.
    number.box.addEventListener("keydown", (event) => {
        if (event.key === "ArrowUp" || event.key === "ArrowDown") {
            event.preventDefault();
            step(event.key === "ArrowUp");
        }
    });
    byId("Button1", dialog).onclick = readNumber;
    byId("Button2", dialog).onclick = writeNumber;
    byId("SnClose").onclick = () => dialog.close();
}
