// The port behind "Try without a radio": the module's virtual radio on a line paced like the
// cable, 9600 baud with 10 bits to a byte (start bit, 8 data bits, stop bit), so transfers take
// the time and see the answers come in pieces as they would with a radio. It has the port shape
// link-driver.js drives; `clock` gives now() in milliseconds besides setTimeout and clearTimeout.

const LineBaud = 9600;
const BitsPerByte = 10;
export const ByteMs = (BitsPerByte * 1000) / LineBaud;

export class VirtualRadioPort {
    #radio;
    #clock;
    #toRadioFreeAt = 0;
    #toSoftwareFreeAt = 0;
    // Bytes on their way from the radio, each with the time it has arrived by, in order.
    #arriving = [];

    constructor(radio, clock) {
        this.#radio = radio;
        this.#clock = clock;
    }

    open() {
        this.#arriving = [];
        return Promise.resolve(true);
    }

    // The radio takes a frame once its last byte is in, and starts its answer at once.
    write(bytes) {
        const now = this.#clock.now();
        this.#toRadioFreeAt = Math.max(now, this.#toRadioFreeAt) + bytes.length * ByteMs;
        const sent = bytes.slice();
        this.#clock.setTimeout(() => this.#send(this.#radio.receive(sent)), this.#toRadioFreeAt - now);
    }

    waiting() {
        const now = this.#clock.now();
        let count = 0;
        while (count < this.#arriving.length && this.#arriving[count].at <= now)
            ++count;
        return count;
    }

    takeAll() {
        return Uint8Array.from(this.#arriving.splice(0, this.waiting()), (arrived) => arrived.byte);
    }

    // Only what has arrived can be thrown away; what is still on the line comes in afterwards.
    purge() {
        this.takeAll();
    }

    // After the bytes written have left.
    close() {
        const left = Math.max(0, this.#toRadioFreeAt - this.#clock.now());
        return new Promise((resolve) => this.#clock.setTimeout(resolve, left));
    }

    #send(answer) {
        let at = Math.max(this.#clock.now(), this.#toSoftwareFreeAt);
        for (const byte of answer) {
            at += ByteMs;
            this.#arriving.push({ at, byte });
        }
        this.#toSoftwareFreeAt = at;
    }
}
