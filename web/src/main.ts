// The page: the desktop's commands, channel grid, device information, transfer dialog and notices,
// with every text from the module in the chosen language. Each part installs its own views and
// commands over the shared record (app.ts).
import { byId, core, onLanguageChanged, pageText, recordChanged, saveSettings, settings } from "./app";
import { installBackups } from "./backups";
import { installCompare } from "./compare";
import { installFiles } from "./files";
import { installGrid } from "./grid";
import { installMenuBar } from "./menu-bar";
import { installPages } from "./pages";
import { installRadioDialogs } from "./radio-dialogs";
import { installOffline } from "./offline/install";
import { installRecordView } from "./record-view";
import { installSeries } from "./series/series-dialog";
import { installSupportBundle } from "./support-bundle";
import { installTransfers, showTransferTexts } from "./transfers";
import "./style.css";

function showTexts() {
    const lang = settings.lang;
    const names: [string, string][] = [["TryWithoutRadio", "TryWithoutRadio"], ["WriteAnyway", "WriteAnyway"]];
    for (const [id, name] of names)
        byId(id).textContent = pageText(name);
    for (const span of document.querySelectorAll<HTMLElement>("[data-text]"))
        span.textContent = pageText(span.dataset.text!);
    showTransferTexts();
    byId("OKBtn", byId("TMyWarnDlg")).textContent = core.noticeOk(lang);
    document.documentElement.lang = lang === 0 ? "en" : lang === 1 ? "zh-Hans" : lang === 2 ? "zh-Hant" : "";
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
installGrid();
installRecordView();
installFiles();
installTransfers();
installPages();
installBackups();
installCompare();
installSeries();
installRadioDialogs();
installSupportBundle();
installOffline();
onLanguageChanged(showTexts);
byId("OKBtn", byId("TMyWarnDlg")).onclick = () => byId<HTMLDialogElement>("TMyWarnDlg").close();
bindOption("verify", "VerifyAfterWriting");
bindOption("fastLink", "FastLink");
showTexts();
recordChanged();
document.body.dataset.ready = "true";
performance.mark("ready");
