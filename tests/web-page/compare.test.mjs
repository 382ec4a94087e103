// File, "Compare with file..." and Edit, "Check radio against this file..." in a browser: the
// differences in the dialog's table, the open record and its undo history left as they were, and the
// dialog's button that writes the record to the radio.
import assert from "node:assert/strict";
import { mkdtempSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { after, before, test } from "node:test";

import { core } from "../web/support/core.mjs";
import { command, launch, openPage, serve, transfer } from "./support/browser.mjs";

const English = 0;

let server;
let browser;
const folder = mkdtempSync(path.join(tmpdir(), "kr-t27-compare-"));
before(async () => {
    server = await serve();
    browser = await launch();
});
after(async () => {
    await browser?.close();
    server?.close();
    rmSync(folder, { recursive: true, force: true });
});

function file(name, contents) {
    const where = path.join(folder, name);
    writeFileSync(where, contents);
    return where;
}

async function chooseFile(page, id, chosen) {
    const [chooser] = await Promise.all([page.waitForEvent("filechooser"), command(page, id)]);
    await chooser.setFiles(chosen);
}

// What the dialog shows: its title, its line, the other record's heading and the rows.
const shownComparison = (page) => page.$eval("#CompareDlg[open]", (dialog) => ({
    title: dialog.querySelector("#CompareTitle").textContent,
    line: dialog.querySelector("#CompareText").textContent,
    other: dialog.querySelector("#DifferenceOther").textContent,
    rows: Array.from(dialog.querySelectorAll("#DifferenceList:not([hidden]) tbody tr"),
        (row) => Array.from(row.cells, (cell) => cell.textContent)),
}));

// The record as the page holds it, with where its undo history stands.
const recordState = (page) => page.evaluate(() => {
    const { record, history } = window.krT27.app;
    return { record: Array.from(record.snapshot()), canUndo: history.canUndo, canRedo: history.canRedo,
        modified: history.modified };
});

test("a file that uses one channel more shows that channel's row", async () => {
    const page = await openPage(browser, server.url);
    const other = new core.Record();
    assert.equal(other.applyJson(JSON.stringify({ Channel: [{ Channel: 2, Used: true, RxFreq: 439000000 }] })), "");
    const bytes = other.save();
    const expected = core.compareWithFile(new core.Record(), bytes, "other.Kqd", English).differences;
    assert.equal(expected.length, 1);

    await chooseFile(page, "MenuFile_CompareWithFile", file("other.Kqd", bytes));
    await page.waitForSelector("#CompareDlg[open]");
    assert.deepEqual(await shownComparison(page), {
        title: "Compare with file",
        line: "1 difference(s):",
        other: "other.Kqd",
        rows: expected.map((d) => [d.place, d.first, d.second]),
    });
    assert.equal(await page.isVisible("#WriteFileBtn"), false);
    await page.click("#CompareDlg #CloseBtn");
    await page.context().close();
});

test("checking the radio leaves the record and its history as they were; the dialog's button writes it", async () => {
    const page = await openPage(browser, server.url, { paced: false });
    // The radio's own setup with channel 3 sending elsewhere, taken in as one undoable step.
    const radio = new core.Radio();
    const master = new core.Record();
    master.unpackImage(radio.image(), "radio.img", English);
    assert.equal(master.applyJson(JSON.stringify({ Channel: [{ Channel: 3, TxFreq: 446012500 }] })), "");
    await chooseFile(page, "MenuFile_ImportJson", file("master.json", master.json()));
    await page.waitForFunction(() => window.krT27.app.history.canUndo);
    const before = await recordState(page);

    assert.equal(await transfer(page, "MenuEdit_CheckRadio"), "SUCCESS");
    await page.waitForSelector("#CompareDlg[open]");
    assert.deepEqual(await shownComparison(page), {
        title: "Check radio against this file",
        line: "1 difference(s):",
        other: "Radio",
        rows: [["Channel 3, transmit frequency", "446.01250", "446.00625"]],
    });
    assert.deepEqual(await recordState(page), before);

    await page.click("#WriteFileBtn");
    await page.click("#ProgramStart");
    await page.waitForFunction(() => !document.querySelector("#TProgramDlg").open, null, { timeout: 30000 });
    await page.click("#TMyWarnDlg #OKBtn");
    assert.equal(await transfer(page, "MenuEdit_CheckRadio"), "SUCCESS");
    await page.waitForSelector("#CompareDlg[open]");
    const checked = await shownComparison(page);
    assert.deepEqual([checked.line, checked.rows], ["No differences: both hold the same settings.", []]);
    await page.context().close();
});
