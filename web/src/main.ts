// The page: the desktop's commands, channel grid, device information, transfer dialog and notices,
// with every text from the module in the chosen language. Each part installs its own views and
// commands over the shared record (app.ts).
import { byId, chooseLanguage, core, onLanguageChanged, pageText, recordChanged, saveSettings, settings } from "./app";
import { download, listBackups } from "./backups";
import { installFiles } from "./files";
import { installMenuBar } from "./menu-bar";
import { installOffline } from "./offline/install";
import { installRecordView } from "./record-view";
import { installTransfers, onTransferEnd, showTransferTexts } from "./transfers";
import "./style.css";

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
    showTransferTexts();
    byId("OKBtn", byId("TMyWarnDlg")).textContent = core.noticeOk(lang);
    byId("MenuLanguage_En").setAttribute("aria-checked", String(lang === 0));
    byId("MenuLanguage_Chs").setAttribute("aria-checked", String(lang === 1));
    document.documentElement.lang = lang === 0 ? "en" : lang === 1 ? "zh-Hans" : lang === 2 ? "zh-Hant" : "";
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

function bindOption(id: "verify" | "fastLink", element: string) {
    const box = byId<HTMLInputElement>(element);
    box.checked = settings[id];
    box.onchange = () => {
        settings[id] = box.checked;
        saveSettings();
    };
}

installMenuBar();
installRecordView();
installFiles();
installTransfers();
installOffline();
onLanguageChanged(showTexts);
onTransferEnd(showBackups);
byId("OKBtn", byId("TMyWarnDlg")).onclick = () => byId<HTMLDialogElement>("TMyWarnDlg").close();
byId("MenuLanguage_En").onclick = () => chooseLanguage(0);
byId("MenuLanguage_Chs").onclick = () => chooseLanguage(1);
bindOption("verify", "VerifyAfterWriting");
bindOption("fastLink", "FastLink");
showTexts();
recordChanged();
showBackups();
document.body.dataset.ready = "true";
performance.mark("ready");
