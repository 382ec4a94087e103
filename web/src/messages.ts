// What the page and the transfer worker tell each other. The page owns the port; the worker runs
// the engine and its timers, and asks the page to open, write, purge and close.

export interface TransferRequest {
    type: "start";
    record: Uint8Array;
    read: boolean;
    verify: boolean;
    fastLink: boolean;
    bandMin: number;
    bandMax: number;
    lang: number;
}

export type PageMessage =
    | TransferRequest
    | { type: "opened"; ok: boolean }
    | { type: "bytes"; bytes: Uint8Array }
    | { type: "lost" }
    | { type: "closed" }
    | { type: "band"; goOn: boolean };

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
}

export type WorkerMessage =
    | { type: "open" }
    | { type: "write"; bytes: Uint8Array }
    | { type: "close" }
    | { type: "progress"; value: number }
    | { type: "step"; text: string }
    | { type: "askBand" }
    | TransferEnd;
