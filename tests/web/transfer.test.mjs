// Transfers between the module's engine and its virtual radio on a 9600-baud line, on a simulated
// clock: the desktop's schedule, frames and endings, in seconds of simulated time.
import assert from "node:assert/strict";
import { describe, test } from "node:test";

import { core, driveTransfer, VirtualRadioPort } from "./support/core.mjs";
import { SimulatedClock } from "./support/simulated-clock.mjs";

const English = 0;
const radioBand = { bandMin: 400000000, bandMax: 470000000 };
const stamp = { year: 2025, month: 3, day: 9, hour: 7, minute: 5 };
// What a normal write sends: 48 blocks of 16 bytes.
const writtenSpan = 0x300;

// One transfer from start to end; `port` defaults to the radio's line. `listen` makes the
// listener, and is given what ends the transfer when the port goes away and the transfer.
async function run(record, options, radio, { port, band = radioBand, listen } = {}) {
    const clock = new SimulatedClock();
    const transfer = new core.Transfer(record, { fastLink: false, ...band, now: stamp, ...options });
    let driven;
    const listener = listen?.(() => driven.portLost(), transfer) ?? {};
    driven = driveTransfer(transfer, port ?? new VirtualRadioPort(radio, clock), clock, listener);
    const outcome = await clock.runUntil(driven.done);
    return { transfer, outcome, elapsedMs: clock.now() };
}

function recordJson(record, { without = [] } = {}) {
    const json = JSON.parse(record.json());
    for (const key of without)
        delete json[key];
    return json;
}

function sampleRecord(radio) {
    const record = new core.Record();
    record.unpackImage(radio.image(), "radio.bin", English);
    return record;
}

test("a read, a write and its verification with the virtual radio", async () => {
    const radio = new core.Radio();
    const read = await run(new core.Record(), { read: true }, radio);
    assert.equal(read.outcome, "success");
    assert.deepEqual(read.transfer.noticeLines(English, ""), ["SUCCESS"]);
    // Settle, three handshake ticks, then 50 blocks each answered within a block tick or three.
    assert.ok(read.elapsedMs > 4000 && read.elapsedMs < 6000, `read took ${read.elapsedMs} ms`);
    const got = read.transfer.result();
    assert.deepEqual(recordJson(got, { without: ["ReadRadioInfo"] }),
        recordJson(sampleRecord(radio), { without: ["ReadRadioInfo"] }));
    assert.equal(recordJson(got).ReadRadioInfo.BandMax, radioBand.bandMax);
    assert.deepEqual(read.transfer.band(), radioBand);

    assert.equal(got.applyJson(JSON.stringify({ Channel: [{ Channel: 2, RxFreq: 439000000 }] })), "");
    const write = await run(got, { read: false }, radio);
    assert.equal(write.outcome, "success");
    assert.equal(radio.sessionsEnded, 2);
    assert.deepEqual(radio.image().slice(0, writtenSpan), write.transfer.image().slice(0, writtenSpan));

    const readBack = write.transfer.readBack();
    const clock = new SimulatedClock();
    const verified = driveTransfer(readBack, new VirtualRadioPort(radio, clock), clock);
    assert.equal(await clock.runUntil(verified.done), "success");
    assert.deepEqual(write.transfer.compareWith(readBack), { differing: 0, firstAddress: 0 });
    assert.deepEqual(write.transfer.verifiedNoticeLines(readBack, English, ""),
        ["SUCCESS", "Verified: the radio holds what was written."]);
    assert.equal(recordJson(readBack.result()).Channel[1].RxFreq, 439000000);
});

test("the fast link reads the same in a fraction of the time", async () => {
    const radio = new core.Radio();
    const paced = await run(new core.Record(), { read: true }, radio);
    const fast = await run(new core.Record(), { read: true, fastLink: true }, radio);
    assert.equal(fast.outcome, "success");
    assert.deepEqual(fast.transfer.image(), paced.transfer.image());
    assert.ok(fast.elapsedMs < paced.elapsedMs / 2, `fast ${fast.elapsedMs} ms, paced ${paced.elapsedMs} ms`);
});

test("a read from a radio with a password names each step and traces the password masked", async () => {
    const radio = new core.Radio();
    radio.setPassword("1234");
    const record = new core.Record();
    assert.equal(record.applyJson(JSON.stringify({ Password: "1234" })), "");
    const steps = [];
    const listen = (portLost, transfer) => ({ linkStep: () => steps.push(transfer.stepText(English)) });
    const { transfer, outcome } = await run(record, { read: true }, radio, { listen });
    assert.equal(outcome, "success");
    assert.deepEqual([...new Set(steps)], ["Connecting to the radio...", "Checking the password...", ""]);
    const trace = transfer.trace();
    // The password "1234" goes out in the password frame and comes back in the radio's answer.
    assert.doesNotMatch(trace, /31 32 33 34/);
    assert.match(trace, /^\+\d+\.\d{3} > .*\*\* \*\* \*\* \*\*/m);
    assert.match(trace, /^\+\d+\.\d{3} < .*\*\* \*\* \*\* \*\*/m);
});

// A port that opens and carries nothing: the radio is switched off.
const silentLine = () => ({
    open: async () => true,
    write() {},
    waiting: () => 0,
    takeAll: () => new Uint8Array(),
    purge() {},
    close: async () => {},
});

describe("how a transfer ends, and what the user is told", () => {
    const checkCable = "Check that the cable is plugged in and the radio is switched on and in programming mode, then try again.";
    const endings = [
        {
            name: "the band question's Cancel stops quietly and writes nothing",
            read: false,
            band: { bandMin: 136000000, bandMax: 174000000 },
            answer: false,
            outcome: "closed",
            notice: [],
        },
        {
            name: "the band question's Continue writes",
            read: false,
            band: { bandMin: 136000000, bandMax: 174000000 },
            answer: true,
            outcome: "success",
            notice: ["SUCCESS"],
        },
        {
            name: "a radio with another password refuses",
            read: true,
            radioPassword: "1234",
            outcome: "passwordError",
            notice: ["Password Error",
                "Enter the radio's password under Edit > Password, then try again. Nothing was changed in the radio."],
        },
        {
            name: "a silent radio fails 5 s after the first hello",
            read: true,
            port: silentLine,
            outcome: "communicationFailure",
            notice: ["Communication False", "the port said why", `${checkCable} Nothing was changed in the radio.`],
            elapsedMs: 6000,
        },
        {
            name: "a port that does not open fails after the time-out, having sent nothing",
            read: false,
            port: () => ({ ...silentLine(), open: async () => false, write: () => assert.fail("sent") }),
            outcome: "communicationFailure",
            notice: ["Communication False", "the port said why", `${checkCable} Nothing was changed in the radio.`],
            elapsedMs: 5000,
        },
        {
            name: "a port lost among the blocks leaves a partly written radio",
            read: false,
            loseAtProgress: 40,
            outcome: "communicationFailure",
            notice: ["Communication False", "the port said why",
                "The radio may now hold a partly written setup: write it again.", checkCable],
        },
    ];
    for (const ending of endings) {
        test(ending.name, async () => {
            const radio = new core.Radio();
            if (ending.radioPassword)
                radio.setPassword(ending.radioPassword);
            const before = radio.image();
            let asked = 0;
            const listen = (portLost) => ({
                askBand: async () => {
                    ++asked;
                    return ending.answer;
                },
                progress: (value) => value >= ending.loseAtProgress && portLost(),
            });
            const { transfer, outcome, elapsedMs } = await run(sampleRecord(radio), { read: ending.read }, radio, {
                port: ending.port?.(),
                band: ending.band,
                listen,
            });
            assert.equal(outcome, ending.outcome);
            assert.deepEqual(transfer.noticeLines(English, "the port said why"), ending.notice);
            assert.equal(asked, "answer" in ending ? 1 : 0);
            if (ending.elapsedMs !== undefined)
                assert.equal(elapsedMs, ending.elapsedMs);
            if (outcome !== "success" && !ending.loseAtProgress)
                assert.deepEqual(radio.image(), before);
        });
    }
});
