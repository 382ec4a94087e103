// A series of radios in the transfer worker, on one cable or several at once: the core's Series
// decides (each radio's number, record and codes in the job, the radio waited past, whether a
// cable goes on, how the job ends), and each radio's write and verifying read are driven as any
// transfer is. Every radio is logged by the page before its cable waits for the next; a failed
// radio ends its own cable only; Stop takes effect between radios on every cable; once the job
// has all its radios, cables still looking for one end.
import type { SeriesRequest, WorkerMessage } from "../messages";

// One cable's port as the series drives it.
export interface CableDriver {
    drive(transfer: any, listener?: { passedOver?: () => void; linkStep?: () => void }): Promise<string>;
    // Stops the write that is being driven (see link-driver.js).
    stopWrite(): void;
    // Tells the page about this cable.
    post(message: WorkerMessage): void;
}

interface CableOutcome {
    end: string;
    notice: string[];
    trace: string;
}

// The series on one cable, its core Series one of the job's.
class CableRun {
    #series: any;
    #request: SeriesRequest;
    #core: any;
    #driver: CableDriver;
    #job: SeriesRun;
    // The write of the radio on the line, while it runs; a verifying read is not stopped.
    #write: any = null;
    #radioTaken = false;
    #logged: ((kept: boolean) => void) | null = null;

    constructor(series: any, job: SeriesRun, driver: CableDriver) {
        this.#series = series;
        this.#job = job;
        this.#request = job.request;
        this.#core = job.core;
        this.#driver = driver;
    }

    stop() {
        if (this.#write)
            this.#driver.stopWrite();
    }

    // The job has all its radios: a write that has not taken one ends without it.
    jobFilled() {
        if (this.#write && !this.#series.radioTaken)
            this.#driver.stopWrite();
    }

    acceptSameRadio() {
        this.#write?.acceptSameRadio();
    }

    logged(kept: boolean) {
        this.#logged?.(kept);
    }

    async run(): Promise<CableOutcome> {
        const { lang } = this.#request;
        const series = this.#series;
        let trace = "";
        let end = "";
        let notice: string[] = [];
        while (!end) {
            const write = series.nextWrite();
            this.#driver.post({ type: "radioStarting", number: series.radioNumber, waiting: series.waiting });
            this.#write = write;
            this.#radioTaken = false;
            const outcome = await this.#driver.drive(write, {
                passedOver: () => this.#driver.post({ type: "sameRadio", serial: series.lastSerial }),
                linkStep: () => this.#stepped(),
            });
            this.#write = null;
            trace += write.trace();
            // Stop while waiting ends the series; a radio let go for having no identity row does not.
            if (outcome === "stopped" && !series.radioWithoutRow) {
                write.delete();
                end = series.endBeforeRadio();
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
            end = series.radioLogged(await this.#keptByPage(), this.#job.stopRequested);
            notice = end === "radioFailed" ? report.notice : [];
        }
        this.#driver.post({ type: "cableDone", end, text: series.endText(end, lang), notice });
        return { end, notice, trace };
    }

    // The radio on the line is numbered in the job once the handshake is past its serial number.
    #stepped() {
        if (this.#radioTaken || !this.#series.radioTaken)
            return;
        this.#radioTaken = true;
        this.#job.radioTaken();
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

export class SeriesRun {
    readonly core: any;
    readonly request: SeriesRequest;
    stopRequested = false;
    #driverFor: (cable: number) => CableDriver;
    #series: any[] = [];
    #cables: CableRun[] = [];

    // `driverFor` drives the cable at that place among the request's ports.
    constructor(core: any, request: SeriesRequest, driverFor: (cable: number) => CableDriver) {
        this.core = core;
        this.request = request;
        this.#driverFor = driverFor;
    }

    stop() {
        this.stopRequested = true;
        for (const cable of this.#cables)
            cable.stop();
    }

    acceptSameRadio(cable: number) {
        this.#cables[cable]?.acceptSameRadio();
    }

    logged(cable: number, kept: boolean) {
        this.#cables[cable]?.logged(kept);
    }

    // A cable took a radio: once the job has all it asked for, the others stop looking for one.
    radioTaken() {
        if (this.#series[0].jobFull)
            for (const cable of this.#cables)
                cable.jobFilled();
    }

    async run() {
        const { lang, ports } = this.request;
        const first = this.#newSeries();
        this.#series = [first, ...ports.slice(1).map((port) => first.anotherCable(port))];
        this.#cables = this.#series.map((series, cable) => new CableRun(series, this, this.#driverFor(cable)));
        const outcomes = await Promise.all(this.#cables.map((cable) => cable.run()));
        const several = outcomes.length > 1;
        const end = several ? this.core.seriesJobEnd(outcomes.map((outcome) => outcome.end)) : outcomes[0].end;
        const status = first.endText(end, lang);
        const notice = end === "logFailed" ? [status] : several ? [] : outcomes[0].notice;
        // With several cables each one's transfers come under its port's name, in a note as the
        // core's trace writes one, as the desktop traces them.
        const trace = several
            ? outcomes.map((outcome, cable) => `+0.000 # port ${ports[cable]}\n${outcome.trace}`).join("")
            : outcomes[0].trace;
        this.#driverFor(0).post({ type: "seriesDone", end, status, notice, trace, written: first.written });
        for (const series of this.#series)
            series.delete();
    }

    #newSeries() {
        const request = this.request;
        const record = new this.core.Record();
        record.open(request.record, "", request.bandMin, request.bandMax, request.lang);
        const series = new this.core.Series(record, request);
        record.delete();
        return series;
    }
}
