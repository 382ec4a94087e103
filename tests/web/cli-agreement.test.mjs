// The module and the desktop's command line make the same bytes from the same records: the record
// itself, its memory image both ways, its JSON both ways and its channel table.
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { after, describe, test } from "node:test";

import { binDir, core, repositoryDir } from "./support/core.mjs";

const cli = path.join(binDir, "kr-t27-cli");
const scratch = mkdtempSync(path.join(tmpdir(), "kr-t27-web-"));
after(() => rmSync(scratch, { recursive: true, force: true }));

const English = 0;
const band = { bandMin: 136000000, bandMax: 174000000 };
const stamp = { year: 2025, month: 3, day: 9, hour: 7, minute: 5 };
const stampText = "2025-03-09 07:05";

// The command's exit status and what it printed, its notes and refusals on standard error. It finds
// no settings of the user's: they could change the language or add a line.
const cliEnvironment = { ...process.env, HOME: scratch, XDG_CONFIG_HOME: scratch, XDG_DATA_HOME: scratch };
const runCli = (...args) => spawnSync(cli, args, { encoding: "utf8", env: cliEnvironment });

function succeeded(run) {
    assert.equal(run.status, 0, run.stderr);
    return run;
}

function file(name, bytes) {
    const where = path.join(scratch, name);
    writeFileSync(where, bytes);
    return where;
}

// Any bytes at all, the same on every run: the odd values, names and tones no editor makes.
function arbitraryBytes(count, seed) {
    const bytes = new Uint8Array(count);
    let state = seed;
    for (let i = 0; i < count; ++i) {
        state = (Math.imul(state, 1103515245) + 12345) >>> 0;
        bytes[i] = state >>> 24;
    }
    return bytes;
}

function opened(bytes) {
    const record = new core.Record();
    assert.equal(record.open(bytes, "arbitrary.Kqd", band.bandMin, band.bandMax, English).refusal, "");
    return record;
}

function sampleRadioRecord() {
    const radio = new core.Radio();
    const record = new core.Record();
    record.unpackImage(radio.image(), "radio.bin", English);
    radio.delete();
    return record;
}

const channelNameOffset = (channel) => 1388 + 80 * channel + 67;

// Chinese names, one with a control character, one that reads as a formula, and one whose bytes
// are no GBK text.
function namedRecord() {
    const record = sampleRadioRecord();
    const json = {
        Channel: [
            { Channel: 2, Name: "中继台" },
            { Channel: 4, Used: true, RxFreq: 145000000, TxFreq: 145600000, Name: "雨\u0001" },
            { Channel: 6, Used: true, RxFreq: 440000000, TxFreq: 440000000, Name: "=1+1" },
            { Channel: 7, Used: true, RxFreq: 440100000, TxFreq: 440100000 },
        ],
    };
    assert.equal(record.applyJson(JSON.stringify(json)), "");
    const bytes = record.save();
    record.delete();
    bytes.set([0xff, 0x81, 0x41], channelNameOffset(7));
    return opened(bytes);
}

const records = [
    ["at its defaults", () => new core.Record()],
    ["read from the sample radio", sampleRadioRecord],
    ["with Chinese and odd names", namedRecord],
    ["of arbitrary bytes (seed 27)", () => opened(arbitraryBytes(3128, 27))],
    ["of arbitrary bytes (seed 503)", () => opened(arbitraryBytes(3128, 503))],
];

test("a file too short for a record is refused as the command line refuses it", () => {
    const record = sampleRadioRecord();
    const before = record.save();
    const short = file("short.Kqd", new Uint8Array(3127));
    const opened = record.open(new Uint8Array(3127), short, band.bandMin, band.bandMax, English);
    assert.equal(`kr-t27-cli: ${opened.refusal}\n`, runCli("dump", short, "--json").stderr);
    assert.deepEqual(record.save(), before);
    record.delete();
});

test("a new record is the command line's new record", () => {
    const record = new core.Record();
    const made = path.join(scratch, "new.Kqd");
    succeeded(runCli("new", "--out", made));
    assert.deepEqual(record.save(), new Uint8Array(readFileSync(made)));
    record.delete();
});

describe("each record gives the command line's bytes", () => {
    for (const [name, make] of records) {
        test(`the record ${name}`, () => {
            const record = make();
            const saved = record.save();
            const kqd = file("record.Kqd", saved);

            assert.equal(record.json(), succeeded(runCli("dump", kqd, "--json")).stdout, "dump --json");

            const csv = path.join(scratch, "record.csv");
            const notes = succeeded(runCli("export-csv", kqd, "--out", csv)).stderr;
            const exported = record.exportCsv(English);
            assert.deepEqual(Buffer.from(exported.text), readFileSync(csv), "export-csv");
            assert.deepEqual(exported.notes.map((note) => `kr-t27-cli: ${note}\n`).join(""), notes, "export notes");

            const imageFile = path.join(scratch, "record.bin");
            succeeded(runCli("image", kqd, "--out", imageFile, "--band-limits", `${band.bandMin}`, `${band.bandMax}`,
                "--now", stampText));
            const image = record.packImage(band.bandMin, band.bandMax, stamp);
            assert.deepEqual(image, new Uint8Array(readFileSync(imageFile)), "image");

            const unpackedFile = path.join(scratch, "unpacked.Kqd");
            const printed = succeeded(runCli("from-image", imageFile, "--out", unpackedFile)).stdout;
            const unpacked = new core.Record();
            const radioBand = unpacked.unpackImage(image, "record.bin", English);
            assert.deepEqual(unpacked.save(), new Uint8Array(readFileSync(unpackedFile)), "from-image");
            assert.match(printed, new RegExp(`^band limits: ${radioBand.bandMin} ${radioBand.bandMax}\n`));

            // Values no editor makes are refused alike, for the same reason.
            const fromJson = path.join(scratch, "from-json.Kqd");
            const read = runCli("from-json", file("record.json", record.json()), "--out", fromJson);
            const applied = new core.Record();
            const refusal = applied.applyJson(record.json());
            if (refusal === "") {
                succeeded(read);
                assert.deepEqual(applied.save(), new Uint8Array(readFileSync(fromJson)), "from-json");
            } else {
                assert.equal(read.stderr, `kr-t27-cli: ${refusal}\n`, "from-json refusal");
            }

            for (const made of [record, unpacked, applied])
                made.delete();
        });
    }
});

// Each call speaks the language it names, whichever the call before it spoke: the channel table as
// the command line dumps it, the band question as the transfer dialog asks it.
describe("each call speaks the language it names", () => {
    const bandQuestions = ["band difference，continue?", "频段不同，是否继续？", "頻段不同，是否繼續？"];
    const languages = [2, 0, 1, 2];
    for (const [index, language] of languages.entries()) {
        test(`language ${language}, after ${languages[index - 1] ?? "none"}`, () => {
            assert.equal(core.transferDialogText(5, language), bandQuestions[language]);
            const record = namedRecord();
            const dumped = succeeded(runCli("dump", file("record.Kqd", record.save()), "--lang", `${language}`)).stdout;
            const tableLines = dumped.split("\n").slice(1, 2 + 16);
            const cells = [core.channelColumnTitles(language)];
            for (let channel = 1; channel <= 16; ++channel)
                cells.push(record.channelRow(channel, language));
            const spaced = (text) => text.trim().split(/ {2,}/).join(" ");
            assert.deepEqual(tableLines.map(spaced), cells.map((row) => row.filter((cell) => cell !== "").join(" ")));
            record.delete();
        });
    }
});

// The real tables of other tools sit beside the repository, not in it.
const sharedCsv = [path.join(repositoryDir, "../shared/data/csv"), path.join(repositoryDir, "../../shared/data/csv")]
    .find((dir) => existsSync(path.join(dir, "chirp_cross.csv")));

describe("a channel table import takes and reports what the command line's does", () => {
    const imports = [
        ["US_FRS_and_GMRS_Channels.csv", { bandMin: 400000000, bandMax: 480000000 }, 0],
        ["US_FRS_and_GMRS_Channels.csv", { bandMin: 400000000, bandMax: 470000000, keepLocations: true }, 1],
        ["chirp_cross.csv", band, 2],
    ];
    for (const [name, options, language] of imports) {
        test(`${name}, ${options.bandMin}-${options.bandMax} Hz, language ${language}`, () => {
            const table = path.join(sharedCsv, name);
            const made = path.join(scratch, "imported.Kqd");
            const args = ["import-csv", table, "--out", made, "--band-limits", `${options.bandMin}`,
                `${options.bandMax}`, "--lang", `${language}`];
            const printed = succeeded(runCli(...args, ...(options.keepLocations ? ["--keep-locations"] : []))).stderr;
            const record = new core.Record();
            const report = record.importCsv(readFileSync(table), options, language);
            assert.equal(report.refusal, "");
            assert.equal([...report.lines, report.summary].map((line) => `${line}\n`).join(""), printed);
            assert.deepEqual(record.save(), new Uint8Array(readFileSync(made)));
            record.delete();
        });
    }
});
