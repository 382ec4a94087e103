// The File menu, the languages and the menu bar of the page in a browser: a channel table imported
// with its report, the JSON form out and back in and a refused one, Save As, the channel sheet on
// its printed page, and every caption from the program's tables in each language, the first visit
// speaking the browser's.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { after, before, test } from "node:test";

import { core } from "../web/support/core.mjs";
import { command, fakeSerial, gridRows, launch, openPage, repositoryDir, serve } from "./support/browser.mjs";

const [English, Simplified, Traditional] = [0, 1, 2];
const band = { bandMin: 400000000, bandMax: 470000000 };
const LargestTable = 16 * 1024 * 1024;
// A real table of another tool, from beside the repository.
const channelTable = [path.join(repositoryDir, "../shared/data/csv"), path.join(repositoryDir, "../../shared/data/csv")]
    .map((dir) => path.join(dir, "US_FRS_and_GMRS_Channels.csv")).find(existsSync);
// Main table entries the menu bar and the About box show.
const [FileMenu, ChineseTraditionalMenu, AboutMenu, About, ProductLine] = [1, 12, 166, 161, 162];

let server;
let browser;
const folder = mkdtempSync(path.join(tmpdir(), "kr-t27-files-"));
const refusedJson = path.join(folder, "refused.json");

before(async () => {
    server = await serve();
    browser = await launch();
    writeFileSync(refusedJson, JSON.stringify({ Channel: [{ Channel: 1, Power: 4 }] }));
});
after(async () => {
    await browser?.close();
    server?.close();
    rmSync(folder, { recursive: true, force: true });
});

// The record the page should hold after importing the channel table into a new one.
function imported(lang) {
    const record = new core.Record();
    const report = record.importCsv(readFileSync(channelTable), { ...band, firstChannel: 1 }, lang);
    return { record, report };
}

const rowsOf = (record, lang) => Array.from({ length: 16 }, (_, i) => record.channelRow(i + 1, lang));
// A caption as the page shows it: the accelerator's letter underlined, its "&" gone.
const shown = (caption) => caption.replace("&", "");
// The letters that more than one item of a menu has, so that the letter does not choose at once.
const sharedLetters = (page) => page.$$eval("#MainMenu1 [role=menu]", (menus) => menus.flatMap((menu) => {
    const letters = Array.from(menu.querySelectorAll("[data-key]"), (item) => item.dataset.key);
    return letters.filter((letter, i) => letters.indexOf(letter) !== i);
}));

async function chooseFile(page, id, file) {
    const [chooser] = await Promise.all([page.waitForEvent("filechooser"), command(page, id)]);
    await chooser.setFiles(file);
}

async function downloaded(page, id) {
    const [download] = await Promise.all([page.waitForEvent("download"), command(page, id)]);
    return { name: download.suggestedFilename(), bytes: readFileSync(await download.path()) };
}

async function closeDialog(page, id) {
    await page.click(`#${id} #OKBtn`);
    await page.waitForFunction((dialog) => !document.getElementById(dialog).open, id);
}

test("a channel table comes in with the desktop's report, and Save As gives the record's file", async () => {
    const page = await openPage(browser, server.url);
    await chooseFile(page, "MenuFile_ImportCsv", channelTable);
    const expected = imported(English);
    assert.ok(expected.report.lines.length > 0);
    await page.waitForSelector("#ImportReportDlg[open]");
    assert.equal(await page.textContent("#ImportReportSummary"), expected.report.summary);
    assert.equal(await page.inputValue("#ImportReportNotes"), expected.report.lines.join("\n"));
    await closeDialog(page, "ImportReportDlg");
    assert.deepEqual(await gridRows(page), rowsOf(expected.record, English));

    const saved = await downloaded(page, "MenuFile_SaveAs");
    assert.equal(saved.name, "KR-T27.Kqd");
    assert.deepEqual(saved.bytes, Buffer.from(expected.record.save()));
    await page.context().close();
});

test("the JSON form goes out and back in; a refused one, told in the page's language, changes nothing", async () => {
    const page = await openPage(browser, server.url);
    await command(page, "MenuLanguage_Chs");
    await chooseFile(page, "MenuFile_ImportCsv", channelTable);
    await closeDialog(page, "ImportReportDlg");
    const before = await gridRows(page);
    const exported = await downloaded(page, "MenuFile_ExportJson");
    const json = path.join(folder, exported.name);
    writeFileSync(json, exported.bytes);

    // Leaving the page asks first, since the import is not saved, and so does New; No lets it go.
    const leavingAsks = () =>
        page.evaluate(() => !window.dispatchEvent(new Event("beforeunload", { cancelable: true })));
    assert.equal(await leavingAsks(), true);
    await command(page, "MenuFile_New");
    assert.equal(await page.textContent("#TMyWarnDlg_3 #Label1"), core.mainText(197, Simplified));
    await page.click("#TMyWarnDlg_3 #NoBtn");
    await page.waitForFunction(() => document.querySelector("#StringGrid1 tbody td:nth-child(2)").textContent === "");
    assert.equal(await leavingAsks(), false);

    await chooseFile(page, "MenuFile_ImportJson", json);
    await page.waitForFunction((rows) => document.querySelector("#StringGrid1 tbody tr td:nth-child(2)").textContent
        === rows[0][1], before);
    assert.deepEqual(await gridRows(page), before);

    await chooseFile(page, "MenuFile_ImportJson", refusedJson);
    await page.waitForSelector("#TMyWarnDlg[open]");
    const refusal = imported(English).record.applyJson(readFileSync(refusedJson, "utf8"), Simplified);
    assert.match(refusal, /不在/);
    assert.equal(await page.textContent("#WarnDlgText"), refusal);
    await closeDialog(page, "TMyWarnDlg");
    assert.deepEqual(await gridRows(page), before);

    // A table dropped on the page that is larger than the desktop reads is refused unread.
    await page.evaluate((size) => {
        const dropped = new DataTransfer();
        dropped.items.add(new File([new Uint8Array(size)], "large.csv"));
        document.body.dispatchEvent(new DragEvent("drop", { dataTransfer: dropped }));
    }, LargestTable + 1);
    await page.waitForSelector("#TMyWarnDlg[open]");
    const tooLarge = core.textFileRefusal("large.csv", LargestTable + 1, Simplified);
    assert.equal(await page.textContent("#WarnDlgText"), tooLarge);
    assert.deepEqual(await gridRows(page), before);
    await page.context().close();
});

test("the channel sheet stands in the element print shows, on one A4 page", async () => {
    const page = await openPage(browser, server.url);
    await chooseFile(page, "MenuFile_ImportCsv", channelTable);
    await closeDialog(page, "ImportReportDlg");
    await page.evaluate(() => {
        window.print = () => (window.printed = true);
    });
    await command(page, "MenuFile_PrintSheet");
    assert.ok(await page.evaluate(() => window.printed));
    const today = new Date();
    const sheet = core.sheetContent(imported(English).record, {
        fileName: "", date: { year: today.getFullYear(), month: today.getMonth() + 1, day: today.getDate() }, ...band,
    }, English);
    assert.equal(await page.textContent("#ChannelSheet h1"), sheet.title);
    const printedRows = await page.$$eval("#ChannelSheet .channels tr",
        (rows) => rows.map((row) => Array.from(row.cells, (cell) => cell.textContent)));
    assert.deepEqual(printedRows, sheet.channelRows);
    assert.equal(await page.isVisible("#ChannelSheet"), false);

    const pdf = path.join(folder, "sheet.pdf");
    await page.pdf({ path: pdf, preferCSSPageSize: true });
    assert.match(execFileSync("pdfinfo", [pdf], { encoding: "utf8" }), /^Pages:\s+1$/m);
    await page.context().close();
});

test("each language shows the program's own captions, no letter twice in a menu; the keyboard reaches them", async () => {
    const page = await openPage(browser, server.url);
    const expectCaptions = async (lang) => {
        assert.equal(await page.textContent("#MenuFile"), shown(core.mainText(FileMenu, lang)));
        assert.equal(await page.textContent("#MenuLanguage_Cht"), shown(core.mainText(ChineseTraditionalMenu, lang)));
        assert.equal(await page.textContent("#MenuAbout"), shown(core.mainText(AboutMenu, lang)));
        assert.deepEqual(await sharedLetters(page), []);
    };
    for (const [id, lang] of [["MenuLanguage_Chs", Simplified], ["MenuLanguage_Cht", Traditional],
        ["MenuLanguage_En", English]]) {
        await command(page, id);
        await expectCaptions(lang);
        assert.equal(await page.getAttribute(`#${id}`, "aria-checked"), "true");
    }

    // Alt and the menu's letter open it, Down moves to Traditional Chinese, Enter chooses it.
    await page.keyboard.press("Alt+L");
    assert.equal(await page.evaluate(() => document.activeElement.id), "MenuLanguage_Chs");
    await page.keyboard.press("ArrowDown");
    await page.keyboard.press("Enter");
    await expectCaptions(Traditional);
    // Escape closes a menu and gives the focus back to its button.
    await page.keyboard.press("Alt+H");
    await page.keyboard.press("ArrowLeft");
    assert.equal(await page.evaluate(() => document.activeElement.id), "MenuAdjustment");
    await page.keyboard.press("ArrowLeft");
    await page.keyboard.press("ArrowDown");
    await page.keyboard.press("Escape");
    assert.equal(await page.evaluate(() => document.activeElement.id), "MenuLanguage");

    await command(page, "MenuAbout");
    assert.equal(await page.textContent("#AboutTitle"), core.mainText(About, Traditional));
    assert.equal(await page.textContent("#sName"), core.mainText(ProductLine, Traditional));
    await closeDialog(page, "TAboutDlg");

    await page.reload();
    await page.waitForSelector("body[data-ready]");
    await expectCaptions(Traditional);
    await page.context().close();
});

test("the first visit speaks the browser's language", async () => {
    for (const [locale, lang] of [["zh-TW", Traditional], ["zh", Simplified], ["fr-FR", English]]) {
        const context = await browser.newContext({ locale });
        await context.addInitScript(fakeSerial());
        const page = await context.newPage();
        await page.goto(server.url);
        await page.waitForSelector("body[data-ready]");
        assert.equal(await page.textContent("#MenuFile"), shown(core.mainText(FileMenu, lang)), locale);
        await context.close();
    }
});
