// The channel grid in a browser, from the keyboard: each kind of cell edited with what the core
// did to the typed value said beside the cell and in the status line, undo and redo with the time
// their redraw takes, and the row commands with the desktop's clipboard text and a spreadsheet's
// rows pasted with the import report.
import assert from "node:assert/strict";
import { mkdtempSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { after, before, test } from "node:test";

import { core } from "../web/support/core.mjs";
import { command, gridRows, launch, openPage, serve } from "./support/browser.mjs";

const English = 0;
const [RxFreq, TxFreq, DecodeTone, EncodeTone, Power, Bandwidth] = [1, 2, 3, 4, 5, 6];
const [SquelchMode, Name] = [10, 11];
const band = [400000000, 470000000];

// The core's word on a text typed into a cell of a channel in use.
function noteFor(column, text) {
    const record = new core.Record();
    core.setChannelCell(record, 1, RxFreq, "438.5", ...band, English);
    const { note } = core.setChannelCell(record, 1, column, text, ...band, English);
    record.delete();
    return note;
}

let server;
let browser;
const folder = mkdtempSync(path.join(tmpdir(), "kr-t27-grid-"));
// Channels 1 to 3 in use, each with a name, and the desktop's clipboard text of the first two.
const threeChannels = path.join(folder, "three.Kqd");
let firstTwoAsText = "";

before(async () => {
    server = await serve();
    browser = await launch();
    const record = new core.Record();
    ["438.5", "439", "440.0125"].forEach((megahertz, i) => {
        core.setChannelCell(record, i + 1, RxFreq, megahertz, ...band, English);
        core.setChannelCell(record, i + 1, Name, `CH${i + 1}`, ...band, English);
    });
    writeFileSync(threeChannels, record.save());
    firstTwoAsText = core.channelRowsText(record, [1, 2]);
    record.delete();
});
after(async () => {
    await browser?.close();
    server?.close();
});

const cell = (channel, column) => `#StringGrid1 tbody tr:nth-child(${channel}) > :nth-child(${column + 1})`;
const cellText = (page, channel, column) => page.textContent(cell(channel, column));
const focused = (page) => page.evaluate(() => {
    const at = document.activeElement;
    return at.id || `${at.dataset.channel}/${at.dataset.column}`;
});

async function openFile(page, file) {
    await page.setInputFiles("#OpenDialog", file);
    await page.waitForFunction(() => !document.querySelector("#OpenDialog").files.length);
}

test("every kind of cell is edited from the keyboard, and a value not taken as typed is said", async () => {
    const page = await openPage(browser, server.url);
    await page.click(cell(1, RxFreq));
    await page.keyboard.type("520");
    assert.equal(await page.inputValue("#Edit_ChFreq"), "520");
    await page.keyboard.press("Enter");
    assert.equal(await cellText(page, 1, RxFreq), "470.00000");
    const clamped = noteFor(RxFreq, "520");
    assert.equal(await page.textContent("#StatusBar1"), clamped);
    assert.equal(await page.textContent("#CellNote"), clamped);
    assert.ok(await page.isVisible("#CellNote"));
    assert.equal(await focused(page), `2/${RxFreq}`, "Enter goes down");

    await page.keyboard.press("ArrowUp");
    await page.keyboard.press("ArrowRight");
    await page.keyboard.type("438.5x075");
    assert.equal(await page.inputValue("#Edit_ChFreq"), "438.5075", "the key filter drops the letter");
    await page.keyboard.press("Tab");
    assert.equal(await cellText(page, 1, TxFreq), "438.50625");
    assert.equal(await page.textContent("#StatusBar1"), noteFor(TxFreq, "438.5075"));
    assert.equal(await focused(page), `1/${DecodeTone}`, "Tab goes right");

    await page.keyboard.type("67");
    assert.equal(await page.inputValue("#ComboBox1"), "67.0", "a tone is completed from its list");
    await page.keyboard.press("Tab");
    assert.equal(await cellText(page, 1, DecodeTone), "67.0");
    assert.equal(await cellText(page, 1, SquelchMode), "CTC/DCS", "the squelch mode follows the decode tone");

    await page.keyboard.type("d023n");
    await page.keyboard.press("Tab");
    assert.equal(await cellText(page, 1, EncodeTone), "D023N");

    await page.keyboard.type("l");
    assert.equal(await page.inputValue("#ChoiceCellEditor"), "Low", "a choice by its first letter");
    await page.keyboard.press("Tab");
    assert.equal(await cellText(page, 1, Power), "Low");

    await page.keyboard.press("Alt+ArrowDown");
    assert.deepEqual(await page.$$eval("#CellChoiceList [role=option]", (options) => options.map((o) => o.textContent)),
        core.channelCellChoices(Bandwidth, English));
    await page.keyboard.press("ArrowDown");
    assert.equal(await page.getAttribute("#ChoiceCellEditor", "aria-activedescendant"), "CellChoice1");
    await page.keyboard.press("Enter");
    assert.equal(await cellText(page, 1, Bandwidth), "Narrow");
    assert.ok(!(await page.isVisible("#CellChoiceList")));

    await page.click(cell(1, Name));
    await page.keyboard.type("ABCDEFGH");
    assert.equal(await page.inputValue("#Edit_ChName"), "ABCDEF", "the name is cut to what the record holds");
    await page.keyboard.press("Escape");
    assert.equal(await cellText(page, 1, Name), "", "Escape forgets the edit");
    await page.keyboard.type("A😀");
    await page.keyboard.press("Enter");
    assert.equal(await cellText(page, 1, Name), "A?");
    assert.equal(await page.textContent("#StatusBar1"), noteFor(Name, "A😀"));
    await page.context().close();
});

test("undo and redo take back every edit from the keys and the Edit menu, redrawing at once", async () => {
    const page = await openPage(browser, server.url);
    assert.ok(await page.isDisabled("#MenuEdit_Undo"));
    await page.click(cell(3, RxFreq));
    await page.keyboard.type("446");
    await page.keyboard.press("Enter");
    await page.keyboard.press("ArrowUp");
    await page.keyboard.press("End");
    await page.keyboard.type("X3");
    await page.keyboard.press("Enter");
    const edited = await gridRows(page);
    assert.equal(edited[2][Name], "X3");

    await page.keyboard.press("Control+z");
    assert.equal(await cellText(page, 3, Name), "");
    await page.keyboard.press("Control+z");
    assert.equal(await cellText(page, 3, RxFreq), "");
    assert.ok(await page.isDisabled("#MenuEdit_Undo"));
    await page.keyboard.press("Control+y");
    await page.keyboard.press("Control+Shift+Z");
    assert.deepEqual(await gridRows(page), edited);
    await command(page, "MenuEdit_Undo");
    assert.equal(await cellText(page, 3, Name), "");
    assert.ok(!(await page.isDisabled("#MenuEdit_Redo")));
    await command(page, "MenuEdit_Redo");
    assert.deepEqual(await gridRows(page), edited);

    // Redrawn by the time the key's handler returns, without waiting for the next frame; how long
    // that takes is bench/web-load's figure.
    const names = await page.evaluate((nameCell) => {
        const name = document.querySelector(nameCell);
        name.focus();
        const key = (target, key, options = {}) =>
            target.dispatchEvent(new KeyboardEvent("keydown", { key, bubbles: true, cancelable: true, ...options }));
        const current = () => document.activeElement;
        key(current(), "5");
        key(current(), "Enter");
        const edited = name.textContent;
        key(current(), "z", { ctrlKey: true });
        return [edited, name.textContent];
    }, cell(3, Name));
    assert.deepEqual(names, ["5", "X3"]);
    await page.context().close();
});

test("rows are copied as the desktop's table, pasted from a spreadsheet with the report, inserted, deleted and moved",
    async () => {
        const page = await openPage(browser, server.url);
        await page.context().grantPermissions(["clipboard-read", "clipboard-write"]);
        await openFile(page, threeChannels);
        const opened = await gridRows(page);
        await page.click(cell(1, 0));
        await page.click(cell(2, 0), { modifiers: ["Shift"] });
        await page.keyboard.press("Control+c");
        const copied = await page.evaluate(() => navigator.clipboard.readText());
        assert.equal(copied, firstTwoAsText);
        assert.match(copied, /^Location\tName\tFrequency\tDuplex\tOffset\t.*\r\n1\tCH1\t438.500000\t/);

        // A spreadsheet's copy: its header, a row the radio cannot take, CR LF or LF line ends.
        const sheet = "Name\tFrequency\tMode\r\nOne\t446.000000\tNFM\r\nBad\t44x.5\tFM\r\nTwo\t447.5\tFM\r\n";
        await page.evaluate((text) => navigator.clipboard.writeText(text), sheet);
        await page.click(cell(5, 0));
        await page.keyboard.press("Control+v");
        const report = (await page.textContent("#WarnDlgText")).split("\n");
        assert.equal(report[0], "2 channel(s) imported");
        assert.match(report[1], /^Line 3 left out/);
        await page.click("#TMyWarnDlg #OKBtn");
        const pasted = await gridRows(page);
        assert.deepEqual([pasted[4][Name], pasted[5][Name], pasted[5][RxFreq]], ["One", "Two", "447.50000"]);
        assert.deepEqual(await page.$$eval("#StringGrid1 tbody tr[aria-selected=true]", (rows) => rows.length), 2);

        await page.click(cell(1, Name));
        await page.keyboard.press("Control+Insert");
        assert.deepEqual((await gridRows(page)).slice(1, 4), opened.slice(0, 3).map((row, i) =>
            [String(i + 2).padStart(2, "0"), ...row.slice(1)]));
        await page.keyboard.press("Delete");
        assert.equal(await cellText(page, 1, RxFreq), "");
        await page.click(cell(2, Name));
        await page.keyboard.press("Control+ArrowUp");
        assert.equal(await cellText(page, 1, Name), "CH1");
        assert.equal(await cellText(page, 2, Name), "");
        await command(page, "MenuEdit_MoveDown");
        assert.equal(await cellText(page, 2, Name), "CH1");
        assert.equal(await focused(page), `2/${Name}`, "a command from the menu gives the grid the focus back");
        await page.context().close();
    });
