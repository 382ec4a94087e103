// A series of radios in the transfer worker: the core's Series decides (each radio's record and
// codes, the radio waited past, whether the series goes on), and each radio's write and verifying
// read are driven as any transfer is. Every radio is logged by the page before the next is waited
// for; Stop takes effect between radios.
import type { SeriesRequest, WorkerMessage } from "../messages";

export interface SeriesDriver {
    drive(transfer: any, listener?: { passedOver?: () => void }): Promise<string>;
    // Stops the write that is being driven (see link-driver.js).
    stopWrite(): void;
    post(message: WorkerMessage): void;
}

export class SeriesRun {
    #core: any;
    #request: SeriesRequest;
    #driver: SeriesDriver;
    #stopRequested = false;
    // The write of the radio on the line, while it runs; a verifying read is not stopped.
    #write: any = null;
    #logged: ((kept: boolean) => void) | null = null;

    constructor(core: any, request: SeriesRequest, driver: SeriesDriver) {
        this.#core = core;
        this.#request = request;
        this.#driver = driver;
    }

    stop() {
        this.#stopRequested = true;
        if (this.#write)
            this.#driver.stopWrite();
    }

    acceptSameRadio() {
        this.#write?.acceptSameRadio();
    }

    logged(kept: boolean) {
        this.#logged?.(kept);
    }

    async run() {
        const { lang } = this.#request;
        const series = this.#newSeries();
        let trace = "";
        let end = "";
        let notice: string[] = [];
        while (!end) {
            const write = series.nextWrite();
            this.#driver.post({ type: "radioStarting", number: series.radioNumber, waiting: series.waiting });
            this.#write = write;
            const outcome = await this.#driver.drive(write, {
                passedOver: () => this.#driver.post({ type: "sameRadio", serial: series.lastSerial }),
            });
            this.#write = null;
            trace += write.trace();
            // Stop while waiting ends the series; a radio let go for having no identity row does not.
            if (outcome === "stopped" && !series.radioWithoutRow) {
                write.delete();
                end = outcome;
                break;
            }
            const readBack = outcome === "success" && this.#request.verify ? await this.#verify(write) : null;
            if (readBack)
                trace += readBack.trace();
            const report = series.radioEnded(write, readBack, lang);
            // A checked radio was only read: nothing of it was changed, so nothing is backed up.
            const backup = this.#request.checkOnly ? null : this.#core.transferBackup(write, false);
            readBack?.delete();
            write.delete();
            this.#driver.post({ type: "radioFinished", ...report, backup });
            end = series.radioLogged(await this.#keptByPage(), this.#stopRequested);
            notice = end === "radioFailed" ? report.notice : [];
        }
        const status = series.endText(end, lang);
        if (end === "logFailed")
            notice = [status];
        this.#driver.post({ type: "seriesDone", end, status, notice, trace });
        series.delete();
    }

    #newSeries() {
        const request = this.#request;
        const record = new this.#core.Record();
        record.open(request.record, "", request.bandMin, request.bandMax, request.lang);
        const series = new this.#core.Series(record, request);
        record.delete();
        return series;
    }

    async #verify(write: any) {
        this.#driver.post({ type: "verifying" });
        const readBack = write.readBack();
        await this.#driver.drive(readBack);
        return readBack;
    }

    #keptByPage() {
        return new Promise<boolean>((resolve) => (this.#logged = resolve));
    }
}
