// Write to several radios in the page: three radios swapped on the fake port one after another,
// each written with its own codes and told by its serial number, the one just written let go
// when it answers again, every radio in the programming log the page hands out as the desktop's
// CSV, and each radio's write among the backups listed by serial number, restored in one click.
import assert from "node:assert/strict";
import { mkdtempSync, readFileSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { after, before, test } from "node:test";

import { core } from "../web/support/core.mjs";
import { command, launch, openPage, serve } from "./support/browser.mjs";

const English = 0;
const SampleSerial = "20240001";
const NextSerials = ["20260505", "20260506"];

let server;
let browser;
const codesFile = path.join(mkdtempSync(path.join(tmpdir(), "kr-t27-series-")), "fleet.Kqd");

before(async () => {
    server = await serve();
    browser = await launch();
    const record = new core.Record();
    record.unpackImage(new core.Radio().image(), "radio.bin", English);
    assert.equal(record.applyJson(JSON.stringify({ PttId: "101", Ani: "201" })), "");
    writeFileSync(codesFile, record.save());
});
after(async () => {
    await browser?.close();
    server?.close();
});

const enabled = (page, id) => page.waitForFunction((id) => !document.getElementById(id).disabled, id,
    { timeout: 60000 });

// Radio `written` is done and answers the next write's hellos: it is let go, and the page says so
// until another radio is on the cable.
async function letGoAfter(page, written) {
    await page.waitForFunction((written) => document.querySelectorAll("#SeriesOutcomes li").length === written &&
        !document.getElementById("SameRadioAgain").disabled, written, { timeout: 60000 });
    assert.match(await page.textContent("#SeriesStatus"), /answered again/);
}

// The PTT ID the radio holds now.
async function pttIdIn(page, radio) {
    const image = await page.evaluate((n) => Array.from(window.radios[n].image()), radio);
    const record = new core.Record();
    record.unpackImage(Uint8Array.from(image), "radio.bin", English);
    return JSON.parse(record.json()).PttId;
}

test("three radios in a row: codes counted up, each radio once, logged and backed up by serial", async () => {
    const page = await openPage(browser, server.url, { granted: true, paced: false });
    await page.setInputFiles("#OpenDialog", codesFile);
    await page.check("#FastLink");
    await command(page, "MenuEdit_WriteSeveral");
    await page.fill("#RadioCount", "3");
    await page.check("#IncreaseIds");
    await page.click("#SeriesStart");
    for (const [n, serial] of NextSerials.entries()) {
        await letGoAfter(page, n + 1);
        await page.evaluate((serial) => {
            window.radios ??= [window.radio];
            const next = new window.radioCore.Radio();
            next.setSerialNumber(serial);
            window.radios.push(next);
            window.serialPort.swap(next);
        }, serial);
    }
    await enabled(page, "SeriesStart");
    assert.equal(await page.textContent("#SeriesStatus"), "All 3 radios written.");
    const serials = [SampleSerial, ...NextSerials];
    assert.deepEqual(await page.$$eval("#SeriesOutcomes li", (items) => items.map((item) => item.textContent)),
        serials.map((serial, n) => `Radio ${n + 1} (serial ${serial}): written`));
    for (const [n, pttId] of ["101", "102", "103"].entries())
        assert.equal(await pttIdIn(page, n), pttId, `radio ${n + 1}, written once`);

    const [log] = await Promise.all([page.waitForEvent("download"), page.click("#DownloadLog")]);
    const [header, ...rows] = readFileSync(await log.path(), "utf8").split("\r\n").filter(Boolean);
    assert.equal(header, "time,serial,firmware,band_min,band_max,file,record_sha256,ptt_id,ani,outcome,verify,port,ids_row");
    assert.equal(rows.length, 3);
    for (const [n, row] of rows.entries()) {
        const fields = row.split(",");
        assert.deepEqual([fields[1], fields[5], fields[7], fields[8], fields[9], fields[10]],
            [serials[n], "fleet.Kqd", `${101 + n}`, `${201 + n}`, "written", "match"]);
    }

    await page.click("#SeriesClose");
    assert.deepEqual(await page.$$eval("#BackupList [data-radio]", (radios) => radios.map((r) => r.dataset.radio)),
        serials);
    await command(page, "MenuFile_New");
    await command(page, "MenuFile_OpenBackup");
    await page.click(`#BackupList [data-radio="${NextSerials[0]}"] button[aria-label^="Restore"]`);
    assert.equal(await page.textContent("#serialNumber"), NextSerials[0]);
    await page.context().close();
});
