// Write to several radios in the page: three radios swapped on the fake port one after another,
// each written with its own codes and told by its serial number, the one just written let go
// when it answers again, every radio in the programming log the page hands out as the desktop's
// CSV, and each radio's write among the backups listed by serial number, restored in one click.
// An identity table gives radios their codes by serial number, or is refused with its lines; a
// check reads radios against the file and writes none. Two ports granted to the dialog each run
// their series at once, in one job numbering the radios whichever port they are on.
import assert from "node:assert/strict";
import { mkdtempSync, readFileSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { after, before, test } from "node:test";

import { core } from "../web/support/core.mjs";
import { command, launch, openPage, serve, transfer } from "./support/browser.mjs";

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

// After each radio of the list is done on the cable, the next of `serials` is put in its place.
async function swapIn(page, serials) {
    for (const [n, serial] of serials.entries()) {
        await letGoAfter(page, n + 1);
        await page.evaluate((serial) => {
            window.radios ??= [window.radio];
            const next = new window.radioCore.Radio();
            next.setSerialNumber(serial);
            window.radios.push(next);
            window.serialPort.swap(next);
        }, serial);
    }
}

const outcomeLines = (page) => page.$$eval("#SeriesOutcomes li", (items) => items.map((item) => item.textContent));

// The log's rows as lists of fields, the header left out.
async function logRows(page) {
    const [log] = await Promise.all([page.waitForEvent("download"), page.click("#DownloadLog")]);
    return readFileSync(await log.path(), "utf8").split("\r\n").filter(Boolean).slice(1).map((row) => row.split(","));
}

async function seriesDialog(page, radios) {
    await page.setInputFiles("#OpenDialog", codesFile);
    await page.check("#FastLink");
    await command(page, "MenuEdit_WriteSeveral");
    await page.fill("#RadioCount", String(radios));
}

const idsTable = (text) => ({ name: "fleet-ids.csv", mimeType: "text/csv", buffer: Buffer.from(text) });

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
    await swapIn(page, NextSerials);
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

test("an identity table by serial: each radio its row, one without a row let go, the log naming the rows", async () => {
    const page = await openPage(browser, server.url, { granted: true, paced: false });
    await seriesDialog(page, 2);
    await page.setInputFiles("#SeriesIdsFile", idsTable("serial,ptt_id,ani\r\n20260506,606,707\r\n20240001,404,505\r\n"));
    await page.check("#SeriesIdsRequired");
    await page.click("#SeriesStart");
    await swapIn(page, NextSerials);
    await enabled(page, "SeriesStart");
    assert.deepEqual(await outcomeLines(page), [
        `Radio 1 (serial ${SampleSerial}): written`,
        `The radio with serial ${NextSerials[0]} has no row in the identity table: not written. Connect another radio.`,
        `Radio 2 (serial ${NextSerials[1]}): written`,
    ]);
    assert.deepEqual([await pttIdIn(page, 0), await pttIdIn(page, 2)], ["404", "606"]);
    assert.deepEqual((await logRows(page)).map((fields) => [fields[1], fields[7], fields[9], fields[11], fields[12]]), [
        [SampleSerial, "404", "written", "port 1", "3"],
        [NextSerials[0], "", "no identity row", "port 1", ""],
        [NextSerials[1], "606", "written", "port 1", "2"],
    ]);
    await page.context().close();
});

test("an identity table with problems: each listed with its line, and no radio is touched", async () => {
    const page = await openPage(browser, server.url, { granted: true, paced: false });
    await seriesDialog(page, 2);
    await page.setInputFiles("#SeriesIdsFile",
        idsTable("serial,ptt_id\n20240001,404\n20240001,405\n20260505,12X\n"));
    await page.waitForSelector("#SeriesIdsProblems li");
    const problems = [
        "fleet-ids.csv line 3: serial 20240001 is already on line 2",
        /^fleet-ids.csv line 4: ptt_id "12X" is not a DTMF code/,
    ];
    const listed = await page.$$eval("#SeriesIdsProblems li", (items) => items.map((item) => item.textContent));
    assert.equal(listed.length, problems.length);
    assert.equal(listed[0], problems[0]);
    assert.match(listed[1], problems[1]);
    await page.click("#SeriesStart");
    assert.equal(await page.textContent("#WarnDlgText"), listed.join("\n"));
    await page.click("#TMyWarnDlg #OKBtn");
    assert.deepEqual(await outcomeLines(page), []);
    assert.equal(await page.evaluate(() => window.serialPort?.readable ?? null), null, "the port was never opened");
    await page.context().close();
});

test("check only: two radios read against the file, one the same and one different, none written", async () => {
    const page = await openPage(browser, server.url, { granted: true, paced: false });
    await page.setInputFiles("#OpenDialog", codesFile);
    await page.check("#FastLink");
    await transfer(page, "MenuEdit_Write");
    await command(page, "MenuEdit_WriteSeveral");
    await page.fill("#RadioCount", "2");
    await page.check("#SeriesCheckOnly");
    for (const id of ["VerifyAfterWrite", "IncreaseIds", "SeriesIdsFile", "SeriesIdsRequired"])
        assert.equal(await page.isDisabled(`#${id}`), true, id);
    await page.click("#SeriesStart");
    const before = await page.evaluate(() => Array.from(window.radio.image()));
    await swapIn(page, NextSerials.slice(0, 1));
    await enabled(page, "SeriesStart");
    assert.equal(await page.textContent("#SeriesStatus"), "All 2 radios checked.");
    const lines = await outcomeLines(page);
    assert.equal(lines[0], `Radio 1 (serial ${SampleSerial}): same as the file`);
    assert.match(lines[1], new RegExp(`^Radio 2 \\(serial ${NextSerials[0]}\\): fields that differ from the file: (\\d+)$`));
    const differences = lines[1].match(/: (\d+)$/)[1];
    assert.deepEqual((await logRows(page)).map((fields) => [fields[1], fields[6], fields[9], fields[10]]), [
        [SampleSerial, "", "same", ""],
        [NextSerials[0], "", `${differences} differences`, ""],
    ]);
    assert.deepEqual(await page.evaluate(() => Array.from(window.radio.image())), before, "radio 1 left as it was");
    assert.notEqual(await pttIdIn(page, 1), "101", "radio 2 left as it was");
    await page.context().close();
});

test("two ports at once: four radios, two on each, numbered in one job and logged with their port", async () => {
    const page = await openPage(browser, server.url, { granted: true, paced: false });
    await seriesDialog(page, 4);
    await page.check("#IncreaseIds");
    await page.evaluate(() => (window.chosenPort = 1));
    await page.click("#SeriesAddPort");
    await page.waitForSelector("#SeriesPorts option:nth-child(2)");
    assert.deepEqual(await page.$$eval("#SeriesPorts option", (options) => options.map((o) => o.textContent)),
        ["port 1", "port 2"]);
    // Each port's radios, the first of port 2 put on its cable before the start.
    const fleet = [[SampleSerial, "20260505"], ["20260601", "20260602"]];
    const putOn = (port, serial) => page.evaluate(({ port, serial }) => {
        const radio = new window.radioCore.Radio();
        radio.setSerialNumber(serial);
        (window.fleet ??= [[window.radio], []])[port].push(radio);
        window.serialPorts[port].swap(radio);
    }, { port, serial });
    await putOn(1, fleet[1][0]);
    await page.click("#SeriesStart");
    await Promise.all([1, 2].map(async (port) => {
        await page.waitForFunction((port) => !document.getElementById(`SeriesPortSameRadio${port}`).disabled, port,
            { timeout: 60000 });
        await putOn(port - 1, fleet[port - 1][1]);
    }));
    await enabled(page, "SeriesStart");
    assert.equal(await page.textContent("#SeriesStatus"), "All 4 radios written.");
    assert.deepEqual(await page.$$eval("[id^=SeriesPortState]", (states) => states.map((s) => s.textContent)),
        ["done", "done"]);
    for (const line of await outcomeLines(page))
        assert.match(line, /^port [12]: Radio [1-4] \(serial \d+\): written$/);

    const rows = await logRows(page);
    assert.equal(rows.length, 4);
    const byPort = (port) => rows.filter((fields) => fields[11] === port).map((fields) => fields[1]).sort();
    assert.deepEqual([byPort("port 1"), byPort("port 2")], fleet);
    assert.deepEqual(rows.map((fields) => fields[7]).sort(), ["101", "102", "103", "104"], "each PTT ID once");
    const held = await page.evaluate(() => window.fleet.flat().map((radio) => Array.from(radio.image())));
    const heldIds = held.map((image) => {
        const record = new core.Record();
        record.unpackImage(Uint8Array.from(image), "radio.bin", English);
        return JSON.parse(record.json()).PttId;
    });
    assert.deepEqual(heldIds.sort(), ["101", "102", "103", "104"], "each radio holds its own PTT ID");
    await page.context().close();
});
