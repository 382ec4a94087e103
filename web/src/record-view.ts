// The device information under the channel grid, redrawn whenever the record or the language
// changes.
import { app, byId, onRecordChanged, settings } from "./app";

function showDeviceInfo() {
    const info = app.record.deviceInfo(settings.lang);
    const list: HTMLElement[] = [];
    for (const key of ["firmware", "serialNumber", "lastProgrammed"]) {
        const term = document.createElement("dt");
        term.textContent = info[key + "Caption"];
        const value = document.createElement("dd");
        value.id = key;
        value.textContent = info[key];
        list.push(term, value);
    }
    byId("DeviceInfo").replaceChildren(...list);
}

export function installRecordView() {
    onRecordChanged(showDeviceInfo);
}
