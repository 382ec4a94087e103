// What the page and the transfer worker tell each other. The page owns the port; the worker runs
// the engine and its timers, and asks the page to open, write, purge and close. A series may run
// on several cables at once: what concerns one cable (its port, its radio, its transfer) names it
// by its place among the series' ports; a message without one is about the first.

// The record's settings, or the factory's calibration, serial number and new password.
export type TransferKindName = "normal" | "calibration" | "serialNumber" | "password";

export interface TransferRequest {
    type: "start";
    // A normal transfer of the record without it.
    kind?: TransferKindName;
    record: Uint8Array;
    read: boolean;
    verify: boolean;
    fastLink: boolean;
    bandMin: number;
    bandMax: number;
    lang: number;
    // The transfer buffer a calibration or serial-number transfer starts from.
    buffer?: Uint8Array;
    // A write that first reads the radio's calibration and has the page keep it.
    backUpFirst?: boolean;
}

// One setup written to radio after radio; radios 0 runs until stopped.
export interface SeriesRequest {
    type: "series";
    record: Uint8Array;
    radios: number;
    verify: boolean;
    increaseIds: boolean;
    // Each radio read and compared with the record; nothing is written.
    checkOnly: boolean;
    fastLink: boolean;
    bandMin: number;
    bandMax: number;
    // The file that holds the record as it is, named in the log; "" when none does.
    fileName: string;
    // The table of each radio's own codes as its file holds it, and the file's name; null and "": none.
    identities: Uint8Array | null;
    identitiesFile: string;
    // A radio without a row in the table is let go unwritten.
    identitiesRequired: boolean;
    // The cables' names in the log, one series on each port, in the order the page numbers them.
    ports: string[];
    lang: number;
}

type OnCable<Message> = Message & { cable?: number };

export type PageMessage = OnCable<
    | TransferRequest
    | SeriesRequest
    | { type: "opened"; ok: boolean }
    | { type: "bytes"; bytes: Uint8Array }
    | { type: "lost" }
    | { type: "closed" }
    | { type: "band"; goOn: boolean }
    | { type: "seriesStop" }
    | { type: "sameRadioAgain" }
    // The radio's log row was kept, or the browser's storage refused it.
    | { type: "logged"; kept: boolean }
    // What became of the data read first: kept (the notice tells where) or not (why, if known).
    | { type: "kept"; kept: boolean; notice: string }>;

// What a transfer keeps as its backup: the files of the desktop's backup store, named by the
// radio's serial number (folder) and the local time (base).
export interface TransferBackup {
    folder: string;
    base: string;
    files: { extension: string; bytes: Uint8Array }[];
}

export interface TransferEnd {
    type: "done";
    outcome: string;
    notice: string[];
    // A read's record and the radio's band.
    record: Uint8Array | null;
    bandMin: number;
    bandMax: number;
    trace: string;
    backup: TransferBackup | null;
    // The transfer buffer as a calibration or serial-number transfer left it.
    buffer: Uint8Array | null;
}

// One radio of a series is done; the worker waits for "logged" before it goes on.
export interface RadioFinished {
    type: "radioFinished";
    number: number;
    serial: string;
    succeeded: boolean;
    line: string;
    logLine: string;
    backup: TransferBackup | null;
}

// One cable's series ended (its name, as the job's end below); `text` is what the core says of a
// radio that failed or a log that could not be written, `notice` what the failed radio told.
export interface CableEnd {
    type: "cableDone";
    end: string;
    text: string;
    notice: string[];
}

// Every cable's series ended: the job's end, and the radios done on all of them.
export interface SeriesEnd {
    type: "seriesDone";
    end: string;
    status: string;
    notice: string[];
    trace: string;
    written: number;
}

export type WorkerMessage = OnCable<
    | { type: "open" }
    | { type: "write"; bytes: Uint8Array }
    | { type: "close" }
    | { type: "progress"; value: number }
    | { type: "step"; text: string }
    | { type: "askBand" }
    // The radio's calibration and the serial number it reported, read before a factory write.
    | { type: "keep"; backup: TransferBackup }
    | TransferEnd
    | { type: "radioStarting"; number: number; waiting: boolean }
    | { type: "verifying" }
    | { type: "sameRadio"; serial: string }
    | RadioFinished
    | CableEnd
    | SeriesEnd>;
