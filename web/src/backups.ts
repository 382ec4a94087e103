// Every read and written record kept in the browser as the desktop's backup store keeps them: in
// the folder of the radio's serial number, named by the local time and direction (the core's
// rule), listed by radio and date, newest first; one click puts a backup into the editor, and
// every file of it can be downloaded.
import { byId, core, notify, onLanguageChanged, replaceRecord, settings } from "./app";
import type { TransferBackup } from "./messages";
import { addEntry, allEntries, BackupStore } from "./store";

const RecordExtension = ".Kqd";

interface BackupFile {
    name: string;
    bytes: Uint8Array;
}

interface Backup {
    folder: string;
    base: string;
    files: BackupFile[];
}

// What an earlier page kept: one image under a name of its own, from no known radio.
interface UnnamedBackup {
    name: string;
    bytes: Uint8Array;
}

async function listBackups(): Promise<Backup[]> {
    const kept = await allEntries<Backup | UnnamedBackup>(BackupStore);
    return kept.map((entry) => "files" in entry ? entry
        : { folder: core.unknownRadioFolder(), base: entry.name, files: [{ name: entry.name, bytes: entry.bytes }] });
}

// Every file of every backup as "FOLDER/NAME", as the desktop's backups folder holds them.
export async function backupFileNames() {
    return (await listBackups()).flatMap((backup) => backup.files.map((file) => `${backup.folder}/${file.name}`));
}

// A second backup of the same radio in the same second gets a name of its own, as on the desktop;
// the base it got is returned.
export async function keepBackup(backup: TransferBackup) {
    const taken = (await listBackups()).filter((kept) => kept.folder === backup.folder)
        .flatMap((kept) => kept.files.map((file) => file.name));
    const base = core.freeBackupBase(backup.base, backup.files[0].extension, taken);
    const files = backup.files.map((file) => ({ name: base + file.extension, bytes: file.bytes }));
    await addEntry(BackupStore, { folder: backup.folder, base, files } satisfies Backup);
    await showBackups();
    return base;
}

export function download(name: string, bytes: Uint8Array | string) {
    const url = URL.createObjectURL(new Blob([bytes as BlobPart]));
    const link = document.createElement("a");
    link.href = url;
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(url), 0);
}

function restore(file: BackupFile) {
    const record = new core.Record();
    const opened = record.open(file.bytes, file.name, settings.bandMin, settings.bandMax, settings.lang);
    if (opened.refusal) {
        record.delete();
        notify([opened.refusal]);
        return;
    }
    replaceRecord(record, file.name);
    notify(opened.findings.map((f: any) => `${f.where}: ${f.value} ${f.problem}`));
}

// `label`, when given, names the button apart from the others of its caption.
function button(caption: string, action: () => void, label?: string) {
    const element = document.createElement("button");
    element.type = "button";
    element.textContent = caption;
    if (label)
        element.setAttribute("aria-label", label);
    element.onclick = action;
    return element;
}

function backupItem(backup: Backup) {
    const text = (name: string) => core.dealerText(name, [], settings.lang);
    const item = document.createElement("li");
    item.dataset.backup = backup.base;
    const name = document.createElement("span");
    name.textContent = backup.base;
    item.append(name);
    const record = backup.files.find((file) => file.name.endsWith(RecordExtension));
    if (record) {
        const caption = text("RestoreBackup");
        item.append(" ", button(caption, () => restore(record), `${caption} ${record.name}`));
    }
    for (const file of backup.files)
        item.append(" ", button(`${text("DownloadFile")} ${file.name}`, () => download(file.name, file.bytes)));
    return item;
}

async function showBackups() {
    const byRadio = new Map<string, Backup[]>();
    for (const backup of await listBackups())
        byRadio.set(backup.folder, [...(byRadio.get(backup.folder) ?? []), backup]);
    const radios = [...byRadio.keys()].sort().map((folder) => {
        const radio = document.createElement("li");
        radio.dataset.radio = folder;
        const heading = document.createElement("span");
        heading.textContent = core.backupFolderTitle(folder, settings.lang);
        const list = document.createElement("ul");
        const newestFirst = byRadio.get(folder)!.sort((a, b) => b.base.localeCompare(a.base));
        list.append(...newestFirst.map(backupItem));
        radio.append(heading, list);
        return radio;
    });
    byId("BackupList").replaceChildren(...radios);
}

// File, Open backup: the list, opened at its newest backup.
function openBackupList() {
    const details = byId<HTMLDetailsElement>("Backups");
    details.open = true;
    (details.querySelector<HTMLElement>("#BackupList button") ?? details.querySelector("summary"))?.focus();
}

function showTexts() {
    byId("MenuFile_OpenBackup").textContent = core.dealerText("OpenBackup", [], settings.lang);
    showBackups();
}

export function installBackups() {
    byId("MenuFile_OpenBackup").onclick = openBackupList;
    onLanguageChanged(showTexts);
    showTexts();
}
