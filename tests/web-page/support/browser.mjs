// The browser edition as ./test built it into build/web, served from loopback and opened in
// Debian's Chromium, headless, with navigator.serial replaced by the module's virtual radio behind
// a fake port (web/core/virtual-serial-port.js) before the page loads.
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { createRequire } from "node:module";
import path from "node:path";
import { fileURLToPath } from "node:url";

const here = path.dirname(fileURLToPath(import.meta.url));
export const repositoryDir = path.resolve(here, "../../..");
export const webDir = process.env.KR_WEB_DIR ?? path.join(repositoryDir, "build/web");
const { chromium } = createRequire(path.join(repositoryDir, "web/package.json"))("playwright-core");

const types = {
    ".html": "text/html", ".js": "text/javascript", ".wasm": "application/wasm", ".css": "text/css",
    ".json": "application/json", ".webmanifest": "application/manifest+json", ".svg": "image/svg+xml",
    ".png": "image/png",
};

// `close` also ends the connections a browser keeps open, so that the page is off the network.
export async function serve(dir = webDir) {
    const server = createServer(async (request, response) => {
        const name = new URL(request.url, "http://x").pathname;
        try {
            const body = await readFile(path.join(dir, name === "/" ? "index.html" : path.normalize(name)));
            response.writeHead(200, { "Content-Type": types[path.extname(name || ".html")] ?? "text/html" });
            response.end(body);
        } catch {
            response.writeHead(404).end();
        }
    });
    await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
    const close = () => {
        if (server.listening)
            server.close();
        server.closeAllConnections();
    };
    return { url: `http://127.0.0.1:${server.address().port}/`, close };
}

// `throttled` turns back on what automation turns off: a hidden tab's timers slowed down.
export function launch({ throttled = false } = {}) {
    const ignoreDefaultArgs = throttled
        ? ["--disable-background-timer-throttling", "--disable-renderer-backgrounding",
            "--disable-backgrounding-occluded-windows"]
        : [];
    return chromium.launch({ ...chromiumOptions, ignoreDefaultArgs });
}

const chromiumOptions = {
    executablePath: process.env.KR_CHROMIUM ?? "/usr/bin/chromium",
    headless: true,
    args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking", "--disable-component-update",
        "--disable-sync", "--no-first-run"],
};

// A browser with a profile kept in `dir`, as a user's is: what only such a profile may do (install
// the page as an app) is possible there.
export const launchWithProfile = (dir) => chromium.launchPersistentContext(dir, chromiumOptions);

// The fake navigator.serial: the first requestPort() makes the radio, which stays for the page's
// life as window.radio, behind the port window.serialPort (whose swap() puts another radio on the
// cable); `radio` holds VirtualSerialPort's switches. The user's choice in the browser's port
// chooser is window.chosenPort (the first by default): each port is made with a radio of its own
// when first chosen and stays as window.serialPorts[n]. The page's own file pickers
// are taken away so that Open uses the file input and Save a download.
export function fakeSerial({ granted = false, ...radio } = {}) {
    const install = ({ granted, radio }) => {
        window.serialPorts = [];
        const makePort = async (n = 0) => {
            if (window.serialPorts[n])
                return window.serialPorts[n];
            const { default: KrT27Core } = await import("/core.js");
            const { VirtualSerialPort } = await import("/virtual-serial-port.js");
            window.radioCore ??= await KrT27Core();
            const onPort = new window.radioCore.Radio();
            const options = { ...radio };
            if (options.vanishAfterBytes === null)
                delete options.vanishAfterBytes;
            window.serialPorts[n] = new VirtualSerialPort(onPort, options);
            if (n === 0) {
                window.radio = onPort;
                window.serialPort = window.serialPorts[0];
            }
            return window.serialPorts[n];
        };
        Object.defineProperty(navigator, "serial", {
            value: {
                getPorts: async () => (granted ? [await makePort()] : []),
                requestPort: () => makePort(window.chosenPort),
                addEventListener() {},
                removeEventListener() {},
            },
        });
        delete window.showOpenFilePicker;
        delete window.showSaveFilePicker;
    };
    return { content: `(${install})(${JSON.stringify({ granted, radio })});` };
}

// A page in a context of its own (a fresh profile), its fake port switched by `radio`.
export async function openPage(browser, url, radio = {}) {
    const context = await browser.newContext({ acceptDownloads: true });
    await context.addInitScript(fakeSerial(radio));
    const page = await context.newPage();
    await page.goto(url);
    await page.waitForSelector("body[data-ready]");
    return page;
}

// Chooses a menu item as a user does: its menu opened first.
export async function command(page, id) {
    const menu = await page.$(`#MainMenu1 .menu:has(#${id}) > [aria-haspopup=menu]`);
    if (menu && !(await page.isVisible(`#${id}`)))
        await menu.click();
    await page.click(`#${id}`);
}

// Read or Write through the transfer dialog; `band` answers the band question when it comes.
export async function transfer(page, id, { band } = {}) {
    await command(page, id);
    if (id === "MenuEdit_Write" && await page.isVisible("#TCheckListDlg"))
        await page.click("#WriteAnyway");
    await page.click("#ProgramStart");
    if (band !== undefined)
        await page.click(`#TMyWarnDlg_2 #${band ? "OKBtn" : "CancelBtn"}`);
    await page.waitForFunction(() => !document.querySelector("#TProgramDlg").open, null, { timeout: 30000 });
    const notice = page.locator("#WarnDlgText");
    const text = (await notice.isVisible()) ? await notice.textContent() : "";
    if (text)
        await page.click("#TMyWarnDlg #OKBtn");
    return text;
}

export const gridRows = (page) => page.$$eval("#StringGrid1 tr", (rows) =>
    rows.slice(1).map((row) => Array.from(row.cells, (cell) => cell.textContent)));
