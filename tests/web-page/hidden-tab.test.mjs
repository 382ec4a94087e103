// A read in a tab the user has left takes the time it takes in view: the transfer's timers run in
// a worker, which a hidden tab does not slow down. Headless Chromium keeps a tab visible behind
// another, so the page's timers are slowed here as the browser slows a hidden tab's: each waits for
// the next whole second. The fake port answers without timers of its own, as a real port does.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";

import { command, gridRows, launch, openPage, serve } from "./support/browser.mjs";

const HiddenTabTimerAlignmentMs = 1000;

let server;
let browser;
before(async () => {
    server = await serve();
    browser = await launch({ throttled: true });
});
after(async () => {
    await browser?.close();
    server?.close();
});

function throttlePageTimers(alignmentMs) {
    const aligned = (ms) => Math.ceil((performance.now() + ms) / alignmentMs) * alignmentMs - performance.now();
    const { setTimeout: later, setInterval: every } = window;
    window.setTimeout = (fn, ms = 0, ...args) => later(fn, aligned(ms), ...args);
    window.setInterval = (fn, ms = 0, ...args) => every(fn, Math.max(ms, alignmentMs), ...args);
}

async function timedRead({ hidden }) {
    const page = await openPage(browser, server.url, { paced: false });
    if (hidden)
        await page.evaluate(throttlePageTimers, HiddenTabTimerAlignmentMs);
    await command(page, "MenuEdit_Read");
    const started = Date.now();
    await page.click("#ProgramStart");
    await page.waitForFunction(() => !document.querySelector("#TProgramDlg").open, null, { timeout: 60000 });
    const elapsedMs = Date.now() - started;
    assert.notEqual((await gridRows(page))[0][1], "");
    await page.context().close();
    return elapsedMs;
}

test("a read with the page's timers slowed as in a hidden tab takes the time it takes in view", async () => {
    const visible = await timedRead({ hidden: false });
    const hidden = await timedRead({ hidden: true });
    console.log(`read in view ${visible} ms, with a hidden tab's timers ${hidden} ms`);
    assert.ok(hidden < visible + HiddenTabTimerAlignmentMs, `hidden ${hidden} ms, in view ${visible} ms`);
});
