// Edit, Password: the password every read and write presents to the radio, and from there a new
// password set in the radio by a password-setting transfer, which then becomes the one presented.
// The boxes take at most 16 characters of printable ASCII and never show a stored password.
import { byId, core, edit, notify, onLanguageChanged } from "./app";
import { dialogCaption, dialogText } from "./dialog-text";
import { askOwnTransfer } from "./transfers";

const setDialog = byId<HTMLDialogElement>("TSetPasswordDlg");
const newDialog = byId<HTMLDialogElement>("TNewPasswordDlg");
const passwordBox = byId<HTMLInputElement>("eInput", setDialog);
const newBox = byId<HTMLInputElement>("eInput", newDialog);
const sureBox = byId<HTMLInputElement>("eSureInput", newDialog);

// A text the password cannot take is not let in: the box keeps what it held.
function passwordBoxRules(box: HTMLInputElement) {
    box.maxLength = core.passwordMaxLength();
    let kept = "";
    box.addEventListener("input", () => {
        if (core.passwordTakes(box.value))
            kept = box.value;
        else
            box.value = kept;
    });
    box.addEventListener("focus", () => (kept = box.value));
}

function takePassword() {
    const text = passwordBox.value;
    edit((record) => core.setPassword(record, text));
}

function askPassword() {
    passwordBox.value = "";
    setDialog.showModal();
}

function passwordGiven(event: SubmitEvent) {
    event.preventDefault();
    takePassword();
    setDialog.close();
}

// The dialog asking for the current password stays open behind the new one.
function askNewPassword() {
    takePassword();
    newBox.value = "";
    sureBox.value = "";
    newDialog.showModal();
}

// Entries that differ, letter case included, are refused with a warning and nothing is stored.
function newPasswordGiven(event: SubmitEvent) {
    event.preventDefault();
    const text = newBox.value;
    newDialog.close();
    if (text !== sureBox.value) {
        notify([dialogText("PasswordNotMatch")]);
        return;
    }
    edit((record) => core.setNewPassword(record, text));
    askOwnTransfer({
        kind: "password",
        read: false,
        title: dialogText("NewPassword"),
        finished: (end) => {
            notify(end.notice);
            if (end.outcome === "success")
                edit((record) => core.adoptNewPassword(record));
        },
    });
}

function showTexts() {
    byId("MenuEdit_Password").textContent = dialogCaption("PasswordMenu");
    byId("SetPasswordTitle").textContent = dialogText("Password");
    byId("sPassword").textContent = dialogText("InputPassword");
    byId("OKBtn", setDialog).textContent = dialogText("Ok");
    byId("CancelBtn", setDialog).textContent = dialogText("Cancel");
    byId("bNewPassword").textContent = dialogText("NewPassword");
    byId("NewPasswordTitle").textContent = dialogText("NewPassword");
    byId("sInput").textContent = dialogText("NewPassword");
    byId("sSureInput").textContent = dialogText("NewPasswordSure");
    byId("OKBtn", newDialog).textContent = dialogText("WriteData");
    byId("CancelBtn", newDialog).textContent = dialogText("Cancel");
}

export function installPasswordDialogs() {
    for (const box of [passwordBox, newBox, sureBox])
        passwordBoxRules(box);
    showTexts();
    onLanguageChanged(showTexts);
    byId("MenuEdit_Password").onclick = askPassword;
    setDialog.querySelector("form")!.onsubmit = passwordGiven;
    byId("CancelBtn", setDialog).onclick = () => setDialog.close();
    byId("bNewPassword").onclick = askNewPassword;
    newDialog.querySelector("form")!.onsubmit = newPasswordGiven;
    byId("CancelBtn", newDialog).onclick = () => newDialog.close();
}
