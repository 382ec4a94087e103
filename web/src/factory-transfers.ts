// Calibration and serial-number transfers in the transfer dialog, as the desktop runs them:
// captioned with the main window's read or write wording, over one transfer buffer that lasts as
// long as the page (a calibration read's bytes after the block go back with the next write), and
// with the radio's calibration and serial number kept in the backups before a write when backups
// are on; nothing is written when they cannot be kept.
import { notify, settings } from "./app";
import { keepBackup } from "./backups";
import { dialogText } from "./dialog-text";
import type { TransferBackup, TransferEnd } from "./messages";
import { askOwnTransfer } from "./transfers";

let buffer: Uint8Array = new Uint8Array();

// Named by the core as the desktop names them in the radio's backups: 20261208-093012-factory.Kqda and .sn.
async function keepFactoryBackup(backup: TransferBackup) {
    let base;
    try {
        base = await keepBackup(backup);
    } catch {
        return { kept: false, notice: "" };
    }
    return { kept: true, notice: dialogText("CalibrationBackedUp", [`${backup.folder}/${base}${backup.files[0].extension}`]) };
}

// `pack` puts what a write sends into the buffer before the dialog opens; `succeeded` gets the
// buffer after a successful transfer, once the notice is up.
export function runFactoryTransfer(kind: "calibration" | "serialNumber", read: boolean,
    succeeded: (buffer: Uint8Array) => void, pack?: (buffer: Uint8Array) => Uint8Array) {
    if (pack)
        buffer = pack(buffer);
    askOwnTransfer({
        kind,
        read,
        title: dialogText(read ? "ReadFromRadio" : "WriteToRadio"),
        buffer,
        backUpFirst: !read && settings.backups,
        keep: keepFactoryBackup,
        finished: (end: TransferEnd) => {
            if (end.buffer)
                buffer = end.buffer;
            notify(end.notice);
            if (end.outcome === "success")
                succeeded(buffer);
        },
    });
}
