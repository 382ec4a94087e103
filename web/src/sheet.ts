// The channel sheet: the desktop's one A4 page, laid out from the module's sheet content into an
// element that only print shows, then handed to the browser's print, whose "Save as PDF" makes the
// file. A print the browser starts on its own (Ctrl+P) gets the sheet too.
import { app, byId, core, settings } from "./app";

// Options and keys stand in this many label-value pairs per row, as on the desktop's sheet.
const PairsPerRow = 3;

interface LabelledValue {
    label: string;
    value: string;
}

function element(tag: string, text = "") {
    const made = document.createElement(tag);
    made.textContent = text;
    return made;
}

function heading(text: string, scope: "row" | "col") {
    const cell = element("th", text);
    cell.setAttribute("scope", scope);
    return cell;
}

function pairTable(pairs: LabelledValue[]) {
    const table = element("table") as HTMLTableElement;
    for (let i = 0; i < pairs.length; i += PairsPerRow) {
        const row = table.insertRow();
        for (const pair of pairs.slice(i, i + PairsPerRow))
            row.append(heading(pair.label, "row"), element("td", pair.value));
    }
    return table;
}

function channelTable([titles, ...channels]: string[][]) {
    const table = element("table") as HTMLTableElement;
    table.className = "channels";
    table.createTHead().insertRow().append(...titles.map((title) => heading(title, "col")));
    const body = table.createTBody();
    for (const channel of channels)
        body.insertRow().append(...channel.map((text) => element("td", text)));
    return table;
}

export function renderSheet() {
    const today = new Date();
    const date = { year: today.getFullYear(), month: today.getMonth() + 1, day: today.getDate() };
    const facts = { fileName: app.fileName, date, bandMin: settings.bandMin, bandMax: settings.bandMax };
    const sheet = core.sheetContent(app.record, facts, settings.lang);
    byId("ChannelSheet").replaceChildren(
        element("h1", sheet.title), pairTable(sheet.facts), channelTable(sheet.channelRows),
        element("h2", sheet.optionsTitle), pairTable(sheet.options),
        element("h2", sheet.keysTitle), pairTable(sheet.keys));
}

export function installSheet() {
    window.addEventListener("beforeprint", renderSheet);
    byId("MenuFile_PrintSheet").addEventListener("click", () => {
        renderSheet();
        window.print();
    });
}
