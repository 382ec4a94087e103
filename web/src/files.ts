// New, Open (picker, file input or a file dropped on the page) and Save of channel data files.
import { app, byId, core, notify, replaceRecord, settings } from "./app";
import { download } from "./backups";

const RecordName = "Kqd";

async function openBytes(bytes: Uint8Array, name: string, handle: any) {
    const candidate = new core.Record();
    const opened = candidate.open(bytes, name, settings.bandMin, settings.bandMax, settings.lang);
    if (opened.refusal) {
        candidate.delete();
        notify([opened.refusal]);
        return;
    }
    replaceRecord(candidate, name, handle);
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
    const bytes = app.record.save();
    if (!app.fileHandle && "showSaveFilePicker" in window) {
        try {
            app.fileHandle = await (window as any).showSaveFilePicker({
                suggestedName: app.fileName || `radio.${RecordName}`,
            });
        } catch (error) {
            if ((error as DOMException).name === "AbortError")
                return;
        }
    }
    if (app.fileHandle) {
        const writable = await app.fileHandle.createWritable();
        await writable.write(bytes);
        await writable.close();
    } else {
        download(app.fileName || `radio.${RecordName}`, bytes);
    }
    app.history.markSaved();
}

export function installFiles() {
    byId("MenuFile_New").onclick = () => replaceRecord(new core.Record());
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
}
