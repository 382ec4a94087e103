// What the page and the transfer worker tell each other. The page owns the port; the worker runs
// the engine and its timers, and asks the page to open, write, purge and close.

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

export type PageMessage =
    | TransferRequest
    | { type: "opened"; ok: boolean }
    | { type: "bytes"; bytes: Uint8Array }
    | { type: "lost" }
    | { type: "closed" }
    | { type: "band"; goOn: boolean }
    // What became of the data read first: kept (the notice tells where) or not (why, if known).
    | { type: "kept"; kept: boolean; notice: string };

export interface TransferEnd {
    type: "done";
    outcome: string;
    notice: string[];
    // A read's record and the radio's band, or the written image for the backup.
    record: Uint8Array | null;
    image: Uint8Array;
    bandMin: number;
    bandMax: number;
    trace: string;
    // The transfer buffer as a calibration or serial-number transfer left it.
    buffer: Uint8Array | null;
}

export type WorkerMessage =
    | { type: "open" }
    | { type: "write"; bytes: Uint8Array }
    | { type: "close" }
    | { type: "progress"; value: number }
    | { type: "step"; text: string }
    | { type: "askBand" }
    // The radio's calibration and the serial number it reported, read before a factory write.
    | { type: "keep"; calibration: Uint8Array; serialNumber: Uint8Array }
    | TransferEnd;
