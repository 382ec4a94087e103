// The factory's and the password's dialogs in a browser against the virtual radio behind a fake
// navigator.serial: the access code, a calibration read and a changed value written (after the
// radio's own calibration was kept), the serial number written, the password presented and a new
// one set in the radio, and the choice of the cable's port. Each page has a fresh profile.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";

import { core } from "../web/support/core.mjs";
import { command, launch, openPage, serve, transfer } from "./support/browser.mjs";

const English = 0;
const [PasswordError, Success] = [4, 3];
const outcome = (entry) => core.transferDialogText(entry, English);
const text = (name, args = []) => core.factoryText(name, English, args);
// Where the radio keeps its calibration block and serial number in its programming image.
const CalibrationAt = 0x370;
const SerialNumberAt = 0x30C;
const XtalAt = CalibrationAt + 0x41;

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

const radioImage = async (page) => Uint8Array.from(await page.evaluate(() => Array.from(window.radio.image())));

async function openAdjustment(page, code) {
    await page.click("#MenuAdjustment");
    await page.fill("#TPasswordDlg #eInput", code);
    await page.press("#TPasswordDlg #eInput", "Enter");
}

const isOpen = (page, id) => page.$eval(`#${id}`, (dialog) => dialog.open);

test("the access code opens the calibration, whose read, changed value and write reach the radio", async () => {
    const page = await openPage(browser, server.url);
    await openAdjustment(page, "530961");
    assert.equal(await isOpen(page, "TPasswordDlg"), false);
    assert.equal(await isOpen(page, "TAdjustmentDlg"), false);
    await openAdjustment(page, "530962");
    assert.equal(await isOpen(page, "TAdjustmentDlg"), true);

    assert.equal(await transfer(page, "bRead"), outcome(Success));
    const sample = new core.Calibration();
    assert.ok(sample.unpack(new core.Radio().image().slice(CalibrationAt, CalibrationAt + 80)));
    for (const edit of ["eFreq_0", "eFreq_4", "eFreq_1_H", "eSQL_L9", "eXtal_PP"])
        assert.equal(await page.inputValue(`#${edit}`), sample.text(edit), edit);

    await page.fill("#eXtal_PP", "256");
    await page.press("#eXtal_PP", "Tab");
    assert.equal(await page.inputValue("#eXtal_PP"), sample.text("eXtal_PP"));
    await page.fill("#eXtal_PP", "17");
    await page.press("#eXtal_PP", "Tab");
    const before = await radioImage(page);
    const notice = (await transfer(page, "bWrite")).split("\n");
    assert.equal(notice[0], outcome(Success));
    assert.match(notice[1], new RegExp(`^${text("CalibrationBackedUp", ["\\d+/\\d{8}-\\d{6}-factory\\.Kqda"])}$`));
    const after = await radioImage(page);
    assert.equal(after[XtalAt], 17);
    assert.deepEqual(after.slice(CalibrationAt, XtalAt), before.slice(CalibrationAt, XtalAt));
    await page.context().close();
});

test("the hidden SN entry writes the number into the radio and steps it for the next one", async () => {
    const page = await openPage(browser, server.url);
    await openAdjustment(page, "530962");
    await page.$eval("#bWriteSn", (button) => button.click());
    assert.equal(await page.inputValue("#eSn"), "");
    await page.fill("#eSn", "00000198");
    await page.press("#eSn", "ArrowUp");
    assert.equal(await page.inputValue("#eSn"), "00000199");
    assert.match(await transfer(page, "Button2"), new RegExp(`^${outcome(Success)}\n`));
    const written = (await radioImage(page)).slice(SerialNumberAt, SerialNumberAt + 8);
    assert.equal(new TextDecoder().decode(written), "00000199");
    assert.equal(await page.inputValue("#eSn"), "00000200");
    await page.context().close();
});

test("the password presented is set in the record, and a new one set in the radio is presented next", async () => {
    const page = await openPage(browser, server.url, { password: "1234" });
    assert.equal((await transfer(page, "MenuEdit_Read")).split("\n")[0], outcome(PasswordError));
    await command(page, "MenuEdit_Password");
    await page.fill("#TSetPasswordDlg #eInput", "1234");
    await page.click("#bNewPassword");
    await page.fill("#TNewPasswordDlg #eInput", "abcd");
    await page.fill("#TNewPasswordDlg #eSureInput", "abcd");
    await page.press("#TNewPasswordDlg #eSureInput", "Enter");
    await page.click("#ProgramStart");
    await page.waitForFunction(() => !document.querySelector("#TProgramDlg").open, null, { timeout: 30000 });
    assert.equal(await page.textContent("#WarnDlgText"), outcome(Success));
    await page.click("#TMyWarnDlg #OKBtn");
    await page.click("#TSetPasswordDlg #CancelBtn");
    assert.equal(await transfer(page, "MenuEdit_Read"), outcome(Success));
    await page.context().close();
});

test("Port shows the port in use and asks the browser for the cable's", async () => {
    const page = await openPage(browser, server.url);
    await page.evaluate(async () => {
        const { VirtualSerialPort } = await import("/virtual-serial-port.js");
        VirtualSerialPort.prototype.getInfo = () => ({ usbVendorId: 0x1a86, usbProductId: 0x7523 });
    });
    await page.click("#MenuPort");
    assert.equal(await page.textContent("#PortInUse"), text("PortNotChosen"));
    await page.click("#ChoosePort");
    await page.waitForFunction((none) => document.querySelector("#PortInUse").textContent !== none,
        text("PortNotChosen"));
    assert.equal(await page.textContent("#PortInUse"), text("PortInUse", [text("PortUsbIds", ["1A86", "7523"])]));
    await page.click("#TCommunicationPort #OKBtn");
    await page.context().close();
});
