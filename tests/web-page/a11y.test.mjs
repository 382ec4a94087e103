// axe-core over the page in each of its three languages: the main window with its menus opened,
// every tab page, and every dialog the document holds, each opened in turn, so that a dialog any
// part of the page adds is checked without being named here. Serious and critical findings fail;
// the lesser ones are listed in the test's output. The page runs without Web Serial, so the note
// for such browsers is checked too.
import assert from "node:assert/strict";
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import path from "node:path";
import { after, before, test } from "node:test";

import { launch, repositoryDir, serve } from "./support/browser.mjs";

const axeSource = readFileSync(createRequire(path.join(repositoryDir, "web/package.json")).resolve("axe-core"), "utf8");
const Failing = ["serious", "critical"];
const Languages = [[0, "English"], [1, "Simplified Chinese"], [2, "Traditional Chinese"]];

let server;
let browser;
before(async () => {
    server = await serve();
    browser = await launch();
});
after(async () => {
    await browser?.close();
    server?.close();
});

async function openIn(lang) {
    const context = await browser.newContext();
    await context.addInitScript((settings) => {
        localStorage.setItem("kr-t27-settings", JSON.stringify(settings));
        delete Navigator.prototype.serial;
    }, { lang });
    const page = await context.newPage();
    await page.goto(server.url);
    await page.waitForSelector("body[data-ready]");
    await page.evaluate(axeSource);
    return page;
}

// What axe finds within `selector` (the whole document without one, page-level rules included), or
// within the n-th dialog opened for it, each finding as "rule (impact): the elements".
const scan = (page, { selector, dialog }) => page.evaluate(async ({ selector, dialog }) => {
    const within = dialog !== undefined ? document.querySelectorAll("dialog")[dialog]
        : selector ? document.querySelector(selector) : document;
    const opened = dialog !== undefined && !within.open;
    if (opened)
        within.showModal();
    const { violations } = await window.axe.run(within, { resultTypes: ["violations"] });
    if (opened)
        within.close();
    return violations.map((v) => ({
        impact: v.impact,
        text: `${v.id} (${v.impact}): ${v.nodes.map((node) => node.target.join(" ")).join(", ")}`,
    }));
}, { selector, dialog });

// The main window with every menu opened and every banner shown, then each tab page in turn,
// then each dialog.
async function scanAll(page) {
    const showAll = (shown) => page.evaluate((shown) => {
        for (const element of document.querySelectorAll("[role=menu], body > [role=status]"))
            element.hidden = !shown;
    }, shown);
    await showAll(true);
    const found = await scan(page, {});
    await showAll(false);
    for (const tab of await page.$$("[role=tab]")) {
        await tab.click();
        await page.evaluate((panel) => (document.getElementById(panel).hidden = false),
            await tab.getAttribute("aria-controls"));
        found.push(...(await scan(page, { selector: "main" })));
    }
    const dialogs = await page.$$eval("dialog", (all) => all.length);
    for (let dialog = 0; dialog < dialogs; ++dialog)
        found.push(...(await scan(page, { dialog })));
    return found;
}

for (const [lang, name] of Languages) {
    test(`the page in ${name} has no serious or critical accessibility finding`, async (t) => {
        const page = await openIn(lang);
        const found = await scanAll(page);
        const texts = (impacts) => [...new Set(found.filter((f) => impacts.includes(f.impact)).map((f) => f.text))];
        for (const text of texts(["minor", "moderate"]))
            t.diagnostic(text);
        assert.deepEqual(texts(Failing), []);
        await page.context().close();
    });
}
