// Help, Save support bundle: the desktop's archive for whoever helps with a radio, made in the page
// from what it keeps (its settings, the ports the browser granted, the last transfer's trace, its
// backups and programming log) by the core, and downloaded. Nothing is sent anywhere.
import { byId, core, notify, settings } from "./app";
import { backupFileNames, download } from "./backups";
import { programmingLogText } from "./series/programming-log";
import { text } from "./texts";
import { lastTransferTrace } from "./transfers";

const BundleName = "kr-t27-support.zip";
const SettingsName = "browser-settings.json";
// Everything the page keeps in the browser's storage is named so.
const StoragePrefix = "kr-t27";
const MillisecondsPerSecond = 1000;

// The page's own entries of the browser's storage, as they are kept; null when there are none.
function storedSettings() {
    const kept: Record<string, string | null> = {};
    for (let i = 0; i < localStorage.length; ++i) {
        const key = localStorage.key(i)!;
        if (key.startsWith(StoragePrefix))
            kept[key] = localStorage.getItem(key);
    }
    return Object.keys(kept).length ? JSON.stringify(kept, null, 2) : null;
}

const hex = (id?: number) => id === undefined ? "" : id.toString(16).padStart(4, "0");

// The ports the browser lets the page use, by their USB ids: Web Serial shows no device names.
async function grantedPorts() {
    const lines = ["port\tusb_vendor_id\tusb_product_id"];
    const granted: any[] = await (navigator as any).serial?.getPorts().catch(() => []) ?? [];
    granted.forEach((port, index) => {
        const { usbVendorId, usbProductId } = port.getInfo?.() ?? {};
        lines.push(`${index + 1}\t${hex(usbVendorId)}\t${hex(usbProductId)}`);
    });
    return lines.map((line) => `${line}\r\n`).join("");
}

async function saveSupportBundle() {
    const archive = core.supportBundle({
        made: Date.now() / MillisecondsPerSecond,
        system: navigator.userAgent,
        architecture: navigator.platform,
        settingsName: SettingsName,
        settings: storedSettings(),
        ports: await grantedPorts(),
        trace: lastTransferTrace() || null,
        backups: await backupFileNames(),
        programmingLog: await programmingLogText(),
    }, settings.lang);
    download(BundleName, archive);
    notify([text("SupportBundleSaved", BundleName)]);
}

export function installSupportBundle() {
    byId("MenuHelp_SaveSupportBundle").onclick = saveSupportBundle;
}
