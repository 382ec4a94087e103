// The open record against another file and against what a read of the radio brought: the
// differences the command line's compare lists, in each language, with the password compared only
// where both sides know it.
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { mkdtempSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { after, test } from "node:test";

import { binDir, core, driveTransfer, VirtualRadioPort } from "./support/core.mjs";
import { SimulatedClock } from "./support/simulated-clock.mjs";

const cli = path.join(binDir, "kr-t27-cli");
const scratch = mkdtempSync(path.join(tmpdir(), "kr-t27-compare-"));
after(() => rmSync(scratch, { recursive: true, force: true }));

const [English, Simplified, Traditional] = [0, 1, 2];
const band = { bandMin: 400000000, bandMax: 470000000 };
const stamp = { year: 2025, month: 3, day: 9, hour: 7, minute: 5 };
const cliEnvironment = { ...process.env, HOME: scratch, XDG_CONFIG_HOME: scratch, XDG_DATA_HOME: scratch };

function record(json) {
    const made = new core.Record();
    const radio = new core.Radio();
    made.unpackImage(radio.image(), "radio.img", English);
    radio.delete();
    assert.equal(made.applyJson(JSON.stringify(json)), "");
    return made;
}

// The radio's sample setup with a password, and a file that sends elsewhere on channel 3, has
// another VOX gain and no password.
const master = () => record({ Password: "1234" });
const other = () => record({ Channel: [{ Channel: 3, TxFreq: 446012500 }], Vox: 5, Password: "" });

function file(name, bytes) {
    const where = path.join(scratch, name);
    writeFileSync(where, bytes);
    return where;
}

// What `kr-t27-cli compare --json` lists, named as the binding names it.
function cliDifferences(first, second, lang) {
    const run = spawnSync(cli, ["compare", first, second, "--json", "--lang", String(lang)],
        { encoding: "utf8", env: cliEnvironment });
    assert.ok(run.status === 0 || run.status === 1, run.stderr);
    return JSON.parse(run.stdout).map(({ field, ...texts }) => ({ key: field, ...texts }));
}

test("a channel data file or memory image differs as the command line's compare says, in each language", () => {
    const mine = master();
    const theirs = other();
    const sides = {
        "other.Kqd": theirs.save(),
        // An image holds no password, so the password is no difference against one.
        "other.img": theirs.packImage(band.bandMin, band.bandMax, stamp),
    };
    const minePath = file("master.Kqd", mine.save());
    const keys = {};
    for (const [name, bytes] of Object.entries(sides)) {
        for (const lang of [English, Simplified, Traditional]) {
            const compared = core.compareWithFile(mine, bytes, name, lang);
            assert.deepEqual([compared.refusal, compared.equal], ["", false]);
            const listed = cliDifferences(minePath, file(name, bytes), lang);
            assert.deepEqual(compared.differences, listed, `${name} ${lang}`);
            keys[name] = compared.differences.map((difference) => difference.key);
        }
    }
    assert.deepEqual(keys, {
        "other.Kqd": ["Channel[3].TxFreq", "Vox", "Password"],
        "other.img": ["Channel[3].TxFreq", "Vox"],
    });
    assert.deepEqual(core.compareWithFile(mine, mine.save(), "master.Kqd", English),
        { refusal: "", equal: true, differences: [] });

    const short = new Uint8Array(100);
    const refused = core.compareWithFile(mine, short, "short.Kqd", Simplified);
    const opened = new core.Record().open(short, "short.Kqd", band.bandMin, band.bandMax, Simplified);
    assert.deepEqual(refused, { refusal: opened.refusal, equal: false, differences: [] });
});

// What a read of `radio` brings, presenting the record's password.
async function readFrom(radio, presenting) {
    const clock = new SimulatedClock();
    const read = new core.Transfer(presenting, { read: true, fastLink: true, ...band });
    assert.equal(await clock.runUntil(driveTransfer(read, new VirtualRadioPort(radio, clock), clock).done), "success");
    const brought = read.result();
    read.delete();
    return brought;
}

test("a radio read differs in its password only when it reported another", async () => {
    const mine = master();
    const radio = new core.Radio();
    assert.deepEqual(core.compareWithRead(mine, await readFrom(radio, mine), English).differences,
        [{ key: "Password", place: "Password", first: "set", second: "not set" }]);
    radio.setPassword("1234");
    assert.equal(core.compareWithRead(mine, await readFrom(radio, mine), English).equal, true);
});
