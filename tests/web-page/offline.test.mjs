// The page kept offline by its service worker, a new build offered and taken only on the user's
// word and never during a transfer, the strict policy of the site and of the single page opened
// from disk, and a browser without Web Serial. The offline and update cases serve a copy of the
// build that they change, as a deploy would.
import assert from "node:assert/strict";
import { createHash } from "node:crypto";
import { appendFileSync, cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { pathToFileURL } from "node:url";
import { after, before, test } from "node:test";

import { core } from "../web/support/core.mjs";
import { writeBuildManifest } from "../../web/plugins/build-manifest.mjs";
import { command, gridRows, launch, launchWithProfile, openPage, serve, webDir } from "./support/browser.mjs";

const English = 0;
const Chinese = 1;
const singlePage = path.resolve(webDir, "../kr-t27-web.html");
const offlineText = (name, lang = English) => core.offlineText(name, lang);

let browser;
before(async () => {
    browser = await launch();
});
after(async () => {
    await browser?.close();
});

// The page's policy violations, counted from before its first script runs.
const watchPolicy = (context) => context.addInitScript(() => {
    window.policyViolations = [];
    document.addEventListener("securitypolicyviolation",
        (event) => window.policyViolations.push(`${event.violatedDirective} ${event.blockedURI}`));
});

function policyOf(page) {
    return page.match(/<meta http-equiv="Content-Security-Policy"\s+content="([^"]*)"/)[1];
}

function copyOfBuild(t) {
    const dir = mkdtempSync(path.join(tmpdir(), "kr-t27-site-"));
    t.after(() => rmSync(dir, { recursive: true }));
    cpSync(webDir, dir, { recursive: true });
    return dir;
}

// The page once its service worker has kept the build and controls it.
async function openKept(url, radio) {
    const page = await openPage(browser, url, radio);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.waitForFunction(() => navigator.serviceWorker.controller);
    return page;
}

// Asks the browser to look for a new build; resolves with the state its worker ended in.
const lookForUpdate = (page) => page.evaluate(async () => {
    const registration = await navigator.serviceWorker.getRegistration();
    await registration.update();
    const incoming = registration.installing;
    if (!incoming)
        return registration.waiting ? "installed" : "none";
    return new Promise((resolve) => incoming.addEventListener("statechange", () => {
        if (incoming.state === "installed" || incoming.state === "redundant")
            resolve(incoming.state);
    }));
});

const buildMark = (page) => page.evaluate(() => document.documentElement.dataset.build ?? "");
const cacheNames = (page) => page.evaluate(() => caches.keys());

function markBuild(dir, mark) {
    const file = path.join(dir, "index.html");
    writeFileSync(file, readFileSync(file, "utf8").replace("<html", `<html data-build="${mark}"`));
}

test("the built site and the single page run no script their policy does not name", async () => {
    const site = readFileSync(path.join(webDir, "index.html"), "utf8");
    for (const tag of site.match(/<script\b[^>]*>/g))
        assert.match(tag, /\ssrc="\.\/[^"]+"/, "an inline script in the built page");
    assert.doesNotMatch(site, /<[^>]+\son\w+=/, "an inline event handler in the built page");
    assert.equal(policyOf(site), "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; " +
        "img-src 'self' data:; connect-src 'self'; worker-src 'self'; object-src 'none'; base-uri 'self'");

    const single = readFileSync(singlePage, "utf8");
    const policy = policyOf(single);
    assert.doesNotMatch(policy, /'unsafe-(?:inline|eval)'|https?:|\*/);
    const scripts = [...single.matchAll(/<script type="module">([\s\S]*?)<\/script>/g)];
    assert.ok(scripts.length > 0);
    for (const [, text] of scripts)
        assert.ok(policy.includes(`'sha256-${createHash("sha256").update(text).digest("base64")}'`));
    assert.doesNotMatch(single, /<script\b[^>]*\ssrc=|<link rel="(?:stylesheet|modulepreload|manifest)"/);
});

// A server for one test, closed however the test ends.
async function serveFor(t, dir) {
    const server = await serve(dir);
    t.after(server.close);
    return server;
}

test("the page can be installed as an app", async (t) => {
    const server = await serveFor(t);
    const profile = mkdtempSync(path.join(tmpdir(), "kr-t27-profile-"));
    const context = await launchWithProfile(profile);
    t.after(() => context.close().then(() => rmSync(profile, { recursive: true })));
    const page = await context.newPage();
    await page.goto(server.url);
    await page.evaluate(() => navigator.serviceWorker.ready);
    const browserSide = await context.newCDPSession(page);
    assert.deepEqual((await browserSide.send("Page.getInstallabilityErrors")).installabilityErrors, []);
});

test("after one visit the page loads with the network cut, and says it is kept", async (t) => {
    const server = await serveFor(t, copyOfBuild(t));
    const page = await openKept(server.url);
    await watchPolicy(page.context());
    await page.waitForFunction((text) => document.querySelector("#StatusBar1").textContent === text,
        offlineText("OfflineReady"));
    server.close();
    await page.reload();
    await page.waitForSelector("body[data-ready]");
    assert.equal((await gridRows(page)).length, 16);
    assert.deepEqual(await page.evaluate(() => window.policyViolations), []);
    await page.context().close();
});

test("a new build is offered only when all of it arrived, and taken on the user's word after a transfer",
    async (t) => {
        const dir = copyOfBuild(t);
        const server = await serveFor(t, dir);
        const page = await openKept(server.url);
        const [kept] = await cacheNames(page);

        markBuild(dir, "2");
        await writeBuildManifest(dir);
        appendFileSync(path.join(dir, "link-driver.js"), "\n// changed after the list was made\n");
        assert.equal(await lookForUpdate(page), "redundant");
        assert.ok(await page.isHidden("#UpdateBanner"));
        assert.deepEqual(await cacheNames(page), [kept]);

        await writeBuildManifest(dir);
        await command(page, "MenuLanguage_Chs");
        assert.equal(await lookForUpdate(page), "installed");
        await page.waitForSelector("#UpdateBanner:not([hidden])");
        assert.equal(await page.textContent("#UpdateText"), offlineText("UpdateReady", Chinese));

        // A read is running: the modal transfer dialog keeps the banner out of reach, so the click
        // comes from the page itself, as a keyboard shortcut's would.
        await page.click("#TryWithoutRadio");
        await page.click("#ProgramStart");
        await page.waitForFunction(() => document.querySelector("#ProgressBar1").value > 0);
        await page.evaluate(() => document.querySelector("#UpdateNow").click());
        assert.equal(await page.textContent("#UpdateText"), offlineText("UpdateAfterTransfer", Chinese));
        assert.equal(await buildMark(page), "");
        await page.waitForFunction(() => document.documentElement.dataset.build === "2", null, { timeout: 30000 });
        await page.waitForSelector("body[data-ready]");
        // The read ended before the reload: it left its backup.
        await page.waitForSelector("#BackupList li", { state: "attached" });
        assert.notDeepEqual(await cacheNames(page), [kept]);
        assert.equal((await cacheNames(page)).length, 1);
        await page.context().close();
    });

test("a browser without Web Serial still edits files and says which browsers talk to a radio", async (t) => {
    const server = await serveFor(t);
    const context = await browser.newContext();
    await context.addInitScript(() => delete Navigator.prototype.serial);
    const page = await context.newPage();
    await page.goto(server.url);
    await page.waitForSelector("body[data-ready]");
    assert.equal(await page.textContent("#NoSerialNote"), offlineText("NoSerialInBrowser"));
    await command(page, "MenuEdit_Read");
    assert.equal(await page.textContent("#WarnDlgText"), offlineText("NoSerialInBrowser"));
    assert.ok(await page.isHidden("#TProgramDlg"));
    await page.click("#TMyWarnDlg #OKBtn");
    await command(page, "MenuLanguage_Chs");
    assert.equal(await page.textContent("#NoSerialNote"), offlineText("NoSerialInBrowser", Chinese));
    await page.click("#TryWithoutRadio");
    assert.ok(await page.isVisible("#TProgramDlg"));
    await context.close();
});

test("the single page opened from disk reads the virtual radio within its own policy", async () => {
    const context = await browser.newContext();
    await watchPolicy(context);
    const page = await context.newPage();
    await page.goto(pathToFileURL(singlePage).href);
    await page.waitForSelector("body[data-ready]");
    // Chromium gives a page opened from disk a serial port too: the README's word on it rests here.
    assert.ok(await page.evaluate(() => "serial" in navigator));
    await page.click("#TryWithoutRadio");
    await page.click("#ProgramStart");
    await page.waitForFunction(() => !document.querySelector("#TProgramDlg").open, null, { timeout: 30000 });
    assert.equal(await page.textContent("#WarnDlgText"), core.transferDialogText(3, English));
    assert.equal((await gridRows(page)).length, 16);
    assert.deepEqual(await page.evaluate(() => window.policyViolations), []);
    await context.close();
});
