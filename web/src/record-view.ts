// The channel grid and the device information under it, redrawn whenever the record or the
// language changes.
import { app, byId, core, onRecordChanged, settings } from "./app";

const ChannelCount = 16;

function showGrid() {
    const grid = byId<HTMLTableElement>("StringGrid1");
    const head = document.createElement("tr");
    for (const title of core.channelColumnTitles(settings.lang)) {
        const cell = document.createElement("th");
        cell.scope = "col";
        cell.textContent = title;
        head.append(cell);
    }
    grid.tHead!.replaceChildren(head);
    const rows: HTMLTableRowElement[] = [];
    for (let channel = 1; channel <= ChannelCount; ++channel) {
        const row = document.createElement("tr");
        for (const text of app.record.channelRow(channel, settings.lang)) {
            const cell = document.createElement("td");
            cell.textContent = text;
            row.append(cell);
        }
        rows.push(row);
    }
    grid.tBodies[0].replaceChildren(...rows);
}

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
    onRecordChanged(showGrid);
    onRecordChanged(showDeviceInfo);
}
