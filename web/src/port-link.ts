// The page's side of a transfer: it owns the Web Serial port (or anything of its shape) and does
// what the worker asks: open it at the cable's settings, write, close once the writes have left;
// every byte that comes in goes to the worker, and a port that fails ends the transfer there. The
// browser's own words for a failure are English whatever the interface language, so the notice
// does without them.
import type { PageMessage, WorkerMessage } from "./messages";

export const CableSettings = { baudRate: 9600, dataBits: 8, stopBits: 1, parity: "none" } as const;

export class PortLink {
    #port: any;
    #worker: Worker;
    #cable: number;
    #reader: ReadableStreamDefaultReader<Uint8Array> | null = null;
    #writer: WritableStreamDefaultWriter<Uint8Array> | null = null;
    #lastWrite: Promise<unknown> = Promise.resolve();
    #closing = false;

    // `cable`: the port's place among a series' ports (see messages.ts).
    constructor(port: any, worker: Worker, cable = 0) {
        this.#port = port;
        this.#worker = worker;
        this.#cable = cable;
    }

    // Takes the worker's requests for this port; other messages are not its business.
    heard(message: WorkerMessage): boolean {
        if ((message.cable ?? 0) !== this.#cable)
            return false;
        if (message.type === "open")
            this.#open();
        else if (message.type === "write")
            this.#write(message.bytes);
        else if (message.type === "close")
            this.#close();
        else
            return false;
        return true;
    }

    #post(message: PageMessage) {
        this.#worker.postMessage({ ...message, cable: this.#cable });
    }

    async #open() {
        this.#closing = false;
        try {
            await this.#port.open(CableSettings);
            this.#writer = this.#port.writable.getWriter();
            this.#reader = this.#port.readable.getReader();
        } catch {
            this.#post({ type: "opened", ok: false });
            return;
        }
        this.#post({ type: "opened", ok: true });
        this.#pump(this.#reader!);
    }

    async #pump(reader: ReadableStreamDefaultReader<Uint8Array>) {
        try {
            for (;;) {
                const { value, done } = await reader.read();
                if (done)
                    break;
                this.#post({ type: "bytes", bytes: value });
            }
        } catch {
            this.#lost();
        }
    }

    #lost() {
        if (!this.#closing)
            this.#post({ type: "lost" });
    }

    #write(bytes: Uint8Array) {
        const writer = this.#writer;
        if (writer)
            this.#lastWrite = this.#lastWrite.then(() => writer.write(bytes)).catch(() => this.#lost());
    }

    // After the written bytes have left, as the desktop closes its port.
    async #close() {
        await this.#lastWrite;
        this.#closing = true;
        await this.#reader?.cancel().catch(() => {});
        this.#reader?.releaseLock();
        await this.#writer?.close().catch(() => {});
        this.#writer?.releaseLock();
        this.#reader = null;
        this.#writer = null;
        await this.#port.close().catch(() => {});
        this.#post({ type: "closed" });
    }
}
