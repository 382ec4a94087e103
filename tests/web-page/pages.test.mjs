// The option, DTMF and key pages, the batch-set dialog and the band choice in a browser: what each
// page shows of the record under the desktop's object names, a change on each page landing in the
// record as one undo step, and what a rule did to a value told beside it; in English and Chinese.
import assert from "node:assert/strict";
import { mkdtempSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { after, before, test } from "node:test";

import { core } from "../web/support/core.mjs";
import { command, launch, openPage, serve } from "./support/browser.mjs";

const English = 0;
const Chinese = 1;
const languages = [{ lang: English, item: "MenuLanguage_En" }, { lang: Chinese, item: "MenuLanguage_Chs" }];

let server;
let browser;
const sampleFile = path.join(mkdtempSync(path.join(tmpdir(), "kr-t27-pages-")), "sample.Kqd");

// A record with a code, an address-book entry and key functions away from the defaults.
before(async () => {
    server = await serve();
    browser = await launch();
    const record = new core.Record();
    assert.equal(record.applyJson(JSON.stringify({
        Tot: 90, Vox: 3, Beep: 0, Ani: "12*#", Key1Short: 8, Key2Long: 13,
        AddrBook: [{ Entry: 3, EntryName: "Base", Id: "555", Used: true }],
    })), "");
    writeFileSync(sampleFile, record.save());
});
after(async () => {
    await browser?.close();
    server?.close();
});

const recordJson = (page) => page.evaluate(() => JSON.parse(window.krT27.app.record.json()));
const undo = (page) => page.evaluate(() => window.krT27.undo());
const selectedText = (page, id) => page.$eval(`#${id}`, (select) => select.selectedOptions[0]?.textContent ?? "");

async function pageWith(file, lang) {
    const page = await openPage(browser, server.url);
    if (file) {
        await page.setInputFiles("#OpenDialog", file);
        await page.waitForFunction(() => !document.querySelector("#OpenDialog").files.length);
    }
    await command(page, languages.find((l) => l.lang === lang).item);
    return page;
}

const controlOf = (lang, id) => core.settingPages(lang).controls.find((c) => c.control === id);

for (const { lang } of languages) {
    test(`each page shows the record's values with the desktop's ids and captions (language ${lang})`, async () => {
        const page = await pageWith(sampleFile, lang);
        const texts = core.settingPages(lang);
        for (const [id, caption] of Object.entries(texts.tabs))
            assert.equal(await page.textContent(`#${id}`), caption);

        await page.click("#Tab_Option");
        assert.equal(await page.isVisible("#TabSheet_Option"), true);
        assert.equal(await page.isVisible("#TabSheet_ChInfo"), false);
        assert.equal(await page.textContent("#sTOT"), controlOf(lang, "cbTOT").caption);
        assert.equal(await selectedText(page, "cbTOT"), controlOf(lang, "cbTOT").choices[3]);
        assert.equal(await selectedText(page, "cbVOX"), "3");
        assert.equal(await page.isChecked("#cBeep"), false);
        assert.equal(await page.textContent("label[for=cBeep]"), controlOf(lang, "cBeep").caption);
        assert.equal(await page.isHidden("#cbAPO"), true, "the desktop keeps it hidden");

        await page.keyboard.press("ArrowRight");
        assert.equal(await page.isVisible("#TabSheet_Dtmf"), true, "the arrow keys choose the next tab");
        assert.equal(await page.inputValue("#eANI"), "12*#");
        const entry = await page.$$eval("#sgD_AddrBook tbody tr:nth-child(3) td", (cells) =>
            cells.map((cell) => cell.textContent));
        assert.deepEqual(entry, ["Base", "555"]);

        await page.keyboard.press("End");
        assert.equal(await page.isVisible("#TabSheet_Key"), true);
        assert.equal(await page.isVisible("#TabSheet_Dtmf"), false, "one tab page shows at a time");
        assert.equal(await page.textContent("#gbKey_1 legend"), texts.keyGroups[0]);
        assert.equal(await selectedText(page, "cbKey_1_Short"), controlOf(lang, "cbKey_1_Short").choices[8]);
        assert.equal(await selectedText(page, "cbKey_2_Long"), controlOf(lang, "cbKey_2_Long").choices[9]);
        await page.context().close();
    });
}

test("a change on each page lands in the record, a rule's change is told, and undo takes it back", async () => {
    const page = await pageWith(sampleFile, Chinese);
    const original = await recordJson(page);

    await page.click("#Tab_Option");
    await page.selectOption("#cbTOT", { index: 2 });
    assert.equal((await recordJson(page)).Tot, 60);
    await undo(page);
    assert.equal((await recordJson(page)).Tot, original.Tot);
    assert.equal(await selectedText(page, "cbTOT"), controlOf(Chinese, "cbTOT").choices[3]);

    await page.click("#Tab_Dtmf");
    await page.fill("#eANI", "");
    await page.type("#eANI", "7ab*e#");
    await page.press("#eANI", "Tab");
    assert.equal((await recordJson(page)).Ani, "7AB*#");
    assert.equal(await page.inputValue("#eANI"), "7AB*#");
    assert.match(await page.textContent("#StatusBar1"), /^7AB\*e /, "the key filter says what it dropped");

    await page.click("#sgD_AddrBook tbody tr:nth-child(5) td:nth-child(3)");
    await page.keyboard.press("Enter");
    assert.equal(await page.textContent("#StatusBar1"), core.settingPages(Chinese).addressBook.nameFirst);
    await page.keyboard.press("ArrowLeft");
    await page.keyboard.type("Camp");
    await page.keyboard.press("Enter");
    const named = (await recordJson(page)).AddrBook[4];
    assert.deepEqual([named.EntryName, named.Id, named.Used], ["Camp", "0", true]);

    await page.click("#Tab_Key");
    await page.selectOption("#cbKey_2_Short", { index: 3 });
    const keys = await recordJson(page);
    assert.deepEqual([keys.Key2Short, keys.Key2Long], [3, 0], "a momentary short press clears the long press");
    assert.equal(await selectedText(page, "cbKey_2_Long"), controlOf(Chinese, "cbKey_2_Long").choices[0]);
    await undo(page);
    const back = await recordJson(page);
    assert.deepEqual([back.Key2Short, back.Key2Long], [original.Key2Short, original.Key2Long]);
    await page.context().close();
});

test("the batch set fills the channels its dialog names, in one undo step", async () => {
    const page = await pageWith(null, English);
    await page.click("#bChBatchSet");
    assert.equal(await page.inputValue("#eChBatchFreqRx"), "400.00000");
    await page.fill("#eChBatchFreqRx", "430");
    await page.fill("#eChBatchFreqTx", "520");
    await page.press("#eChBatchFreqTx", "Tab");
    assert.equal(await page.inputValue("#eChBatchFreqTx"), "470.00000", "clamped to the band");
    assert.ok(await page.isVisible("#eChBatchFreqTx_Note"));
    await page.fill("#eChBatchFreqTx", "430");
    await page.fill("#eStep", "0.0125");
    await page.selectOption("#cbEndCh", { index: 15 });
    await page.selectOption("#cbChBatchSubDe", "D023N");
    await page.click("#TChBatchSetDlg #OKBtn");
    const channels = (await recordJson(page)).Channel;
    assert.deepEqual([channels[0].RxFreq, channels[1].RxFreq, channels[15].TxFreq], [430000000, 430012500, 430187500]);
    assert.deepEqual([channels[15].DecType, channels[15].DecCode], [2, 0x2813]);
    await undo(page);
    assert.equal((await recordJson(page)).Channel[0].Used, false);
    await page.context().close();
});

test("a band change asks the desktop's question and, on OK, takes the band and starts afresh", async () => {
    const page = await pageWith(sampleFile, Chinese);
    const choices = core.bandChoices(400000000, 470000000, Chinese);
    await command(page, "MenuEdit_Band");
    assert.equal(await page.textContent("#ClearAllData"), choices.question);
    assert.equal(await page.textContent("label[for=MenuEdit_Band_1]"), choices.items[0].text);
    assert.equal(await page.isChecked("#MenuEdit_Band_2"), true);
    await page.check("#MenuEdit_Band_1");
    await page.click("#FrequencyBandDlg #CancelBtn");
    assert.equal((await recordJson(page)).Tot, 90, "Cancel changes nothing");

    await command(page, "MenuEdit_Band");
    await page.check("#MenuEdit_Band_1");
    await page.click("#FrequencyBandDlg #OKBtn");
    assert.deepEqual(await recordJson(page), JSON.parse(new core.Record().json()));
    const kept = await page.evaluate(() => JSON.parse(localStorage.getItem("kr-t27-settings")));
    assert.deepEqual([kept.bandMin, kept.bandMax], [136000000, 174000000]);
    await page.context().close();
});
