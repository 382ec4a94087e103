// The page in a browser against the virtual radio behind a fake navigator.serial: what a read
// brings into the grid and device information, what a write leaves in the radio, how a transfer
// that goes wrong ends, the channel file kept or refused, and the support bundle. Each page has a
// fresh profile.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { mkdtempSync, readFileSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { after, before, describe, test } from "node:test";

import { core } from "../web/support/core.mjs";
import { command, gridRows, launch, openPage, serve, transfer } from "./support/browser.mjs";

const English = 0;
const Chinese = 1;
const outcome = (entry, lang = English) => core.transferDialogText(entry, lang);
const [Failure, Success, PasswordError] = [2, 3, 4];
const otherBand = { bandMin: 136000000, bandMax: 174000000 };

let server;
let browser;
const folder = mkdtempSync(path.join(tmpdir(), "kr-t27-page-"));
// The sample radio's setup with channel 2 moved: what a write must leave in the radio.
const changedFile = path.join(folder, "changed.Kqd");
const shortFile = path.join(folder, "short.Kqd");

before(async () => {
    server = await serve();
    browser = await launch();
    const record = new core.Record();
    record.unpackImage(new core.Radio().image(), "radio.bin", English);
    assert.equal(record.applyJson(JSON.stringify({ Channel: [{ Channel: 2, RxFreq: 439000000 }] })), "");
    writeFileSync(changedFile, record.save());
    writeFileSync(shortFile, new Uint8Array(10));
});
after(async () => {
    await browser?.close();
    server?.close();
});

const radioImage = (page) => page.evaluate(() => Array.from(window.radio.image()));

async function openFile(page, file) {
    await page.setInputFiles("#OpenDialog", file);
    await page.waitForFunction(() => !document.querySelector("#OpenDialog").files.length);
}

test("a read tells its steps, shows the radio's channels and device information, and its trace can be kept", async () => {
    const page = await openPage(browser, server.url);
    await page.evaluate(() => {
        window.steps = [];
        const status = document.querySelector("#StatusText");
        new MutationObserver(() => window.steps.push(status.textContent)).observe(status, { childList: true });
    });
    assert.equal(await transfer(page, "MenuEdit_Read"), outcome(Success));
    const sample = new core.Record();
    sample.unpackImage(new core.Radio().image(), "radio.bin", English);
    const rows = await gridRows(page);
    assert.equal(rows.length, 16);
    assert.deepEqual(rows[15], sample.channelRow(16, English));
    assert.equal(await page.textContent("#serialNumber"), sample.deviceInfo(English).serialNumber);
    const [trace] = await Promise.all([page.waitForEvent("download"), command(page, "MenuSaveTransferLog")]);
    assert.match(readFileSync(await trace.path(), "utf8"), /^\+\d+\.\d{3} > /);
    assert.ok((await page.evaluate(() => window.steps)).includes("Connecting to the radio..."));
    await page.context().close();
});

test("Help, Save support bundle downloads the archive with the last trace, password masked, and the backups", async () => {
    const page = await openPage(browser, server.url);
    assert.equal(await transfer(page, "MenuEdit_Read"), outcome(Success));
    const [bundle] = await Promise.all([page.waitForEvent("download"), command(page, "MenuHelp_SaveSupportBundle")]);
    assert.equal(bundle.suggestedFilename(), "kr-t27-support.zip");
    const archive = path.join(folder, "support.zip");
    await bundle.saveAs(archive);
    const names = execFileSync("unzip", ["-Z1", archive], { encoding: "utf8" }).trim().split("\n");
    assert.deepEqual(names, ["README.txt", "version.txt", "browser-settings.json", "ports.txt", "last-transfer.trace",
        "backups.txt"]);
    const member = (name) => execFileSync("unzip", ["-p", archive, name], { encoding: "utf8" });
    assert.match(member("last-transfer.trace"), /> 80 \*\* \*\* /);
    assert.match(member("backups.txt"), /-read\.Kqd\r\n/);
    assert.match(member("README.txt"), /programming-log\.csv: not included: there is none yet/);
    assert.match(await page.textContent("#WarnDlgText"), /kr-t27-support\.zip/);
    await page.context().close();
});

test("'Try without a radio' reads the sample channels through the page's own paced port", async () => {
    const page = await openPage(browser, server.url, { silent: true });
    await page.click("#TryWithoutRadio");
    await page.click("#ProgramStart");
    await page.waitForFunction(() => !document.querySelector("#TProgramDlg").open, null, { timeout: 30000 });
    assert.equal(await page.textContent("#WarnDlgText"), outcome(Success));
    assert.equal(await page.textContent("#firmware"), "V1.02-DEMO");
    await page.context().close();
});

test("a file opened, written with verification and read back; Save gives the same file", async () => {
    const page = await openPage(browser, server.url, { granted: true });
    await openFile(page, changedFile);
    const opened = await gridRows(page);
    assert.equal((await transfer(page, "MenuEdit_Write")).split("\n")[0], outcome(Success));
    await command(page, "MenuFile_New");
    assert.equal(await transfer(page, "MenuEdit_Read"), outcome(Success));
    assert.deepEqual(await gridRows(page), opened);
    const [saved] = await Promise.all([page.waitForEvent("download"), command(page, "MenuFile_Save")]);
    assert.equal(readFileSync(await saved.path()).length, readFileSync(changedFile).length);
    assert.equal((await page.$$("#BackupList [data-backup]")).length, 2);
    await page.context().close();
});

test("a file that is not a channel file is refused and leaves the record as it was", async () => {
    const page = await openPage(browser, server.url);
    await openFile(page, changedFile);
    const before = await gridRows(page);
    await openFile(page, shortFile);
    const refusal = new core.Record().open(new Uint8Array(10), "short.Kqd", 0, 0, English).refusal;
    assert.equal(await page.textContent("#WarnDlgText"), refusal);
    assert.deepEqual(await gridRows(page), before);
    await page.context().close();
});

describe("how a transfer ends, and what the user is told", () => {
    const endings = [
        { name: "a silent radio fails after the time-out", radio: { silent: true },
            notice: outcome(Failure) },
        { name: "a radio with another password refuses, in Chinese", radio: { password: "1234" }, lang: Chinese,
            notice: outcome(PasswordError, Chinese) },
        { name: "a radio that vanishes mid-read fails", radio: { vanishAfterBytes: 600 },
            notice: outcome(Failure) },
        { name: "the band question's Cancel writes nothing", radio: { band: otherBand }, write: true, band: false,
            notice: "" },
        { name: "the band question's Continue writes", radio: { band: otherBand }, write: true, band: true,
            notice: outcome(Success), written: true },
    ];
    for (const ending of endings) {
        test(ending.name, async () => {
            const page = await openPage(browser, server.url, ending.radio);
            if (ending.lang === Chinese)
                await command(page, "MenuLanguage_Chs");
            if (ending.write)
                await openFile(page, changedFile);
            const before = await gridRows(page);
            const notice = await transfer(page, ending.write ? "MenuEdit_Write" : "MenuEdit_Read",
                { band: ending.band });
            assert.equal(notice.split("\n")[0], ending.notice);
            assert.deepEqual(await gridRows(page), before);
            if (ending.write) {
                const radio = new core.Record();
                radio.unpackImage(Uint8Array.from(await radioImage(page)), "radio.bin", English);
                assert.equal(JSON.parse(radio.json()).Channel[1].RxFreq === 439000000, Boolean(ending.written));
            }
            await page.context().close();
        });
    }
});
