// The virtual radio behind an object of Web Serial's port shape (open, close, readable, writable,
// getInfo), so the page carries a transfer to it exactly as to a cable. "Try without a radio" uses
// it paced like the cable; tests put it behind a fake navigator.serial and switch the ways a real
// radio goes wrong: silent (answers nothing), vanishAfterBytes (the cable is pulled once that many
// bytes came back), password and band (the radio's own, which the page does not know). swap()
// puts another radio on the cable, as a dealer does between the radios of a series.
import { VirtualRadioPort } from "./virtual-radio-port.js";

// How often arrived bytes are handed over; well under the engine's shortest tick.
const DeliveryMs = 5;

const realClock = {
    now: () => performance.now(),
    setTimeout: (fn, ms) => setTimeout(fn, ms),
    clearTimeout: (id) => clearTimeout(id),
};

export class VirtualSerialPort {
    readable = null;
    writable = null;
    #radio;
    #options;
    #line = null;
    #delivery = null;
    #delivered = 0;

    // `radio` is the module's Radio; `paced: false` answers at once, with no timers of its own.
    constructor(radio, { paced = true, silent = false, vanishAfterBytes = Infinity, password, band } = {}) {
        this.#radio = radio;
        this.#options = { paced, silent, vanishAfterBytes };
        if (password !== undefined)
            radio.setPassword(password);
        if (band !== undefined)
            radio.setBand(band.bandMin, band.bandMax);
    }

    getInfo() {
        return {};
    }

    async setSignals() {}

    async open() {
        if (this.readable)
            throw new DOMException("The port is already open.", "InvalidStateError");
        let controller;
        this.readable = new ReadableStream({ start: (c) => (controller = c) });
        this.writable = new WritableStream({ write: (bytes) => this.#write(bytes, controller) });
        this.#line = this.#options.paced ? new VirtualRadioPort(this.#radio, realClock) : null;
        if (this.#line)
            this.#delivery = setInterval(() => this.#hand(controller, this.#line.takeAll()), DeliveryMs);
    }

    // The radio on the cable is taken off and `radio` plugged in: what the last one was half-way
    // through answering is lost with it.
    swap(radio) {
        this.#radio = radio;
        if (this.#line)
            this.#line = new VirtualRadioPort(radio, realClock);
    }

    async close() {
        clearInterval(this.#delivery);
        this.readable = null;
        this.writable = null;
        this.#line = null;
    }

    #write(bytes, controller) {
        if (this.#options.silent)
            return;
        if (this.#line)
            this.#line.write(bytes);
        else
            this.#hand(controller, this.#radio.receive(bytes));
    }

    #hand(controller, bytes) {
        if (bytes.length === 0 || !this.readable)
            return;
        this.#delivered += bytes.length;
        if (this.#delivered > this.#options.vanishAfterBytes) {
            clearInterval(this.#delivery);
            controller.error(new DOMException("The device has been lost.", "NetworkError"));
            return;
        }
        controller.enqueue(bytes);
    }
}
