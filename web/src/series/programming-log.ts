// The programming log kept in the browser: the core's row for every radio of every series, in the
// order they came, handed out as the desktop's CSV file.
import { core } from "../app";
import { download } from "../backups";
import { addEntry, allEntries, LogStore } from "../store";

const LogFileName = "programming-log.csv";

interface LogRow {
    line: string;
}

// Whether the row is kept; a series does not go on past a radio the log could not take.
export async function keepLogRow(line: string): Promise<boolean> {
    try {
        await addEntry(LogStore, { line } satisfies LogRow);
        return true;
    } catch {
        return false;
    }
}

// The log as the desktop's file holds it; null while no radio has been logged.
export async function programmingLogText() {
    const rows = await allEntries<LogRow>(LogStore);
    return rows.length ? core.programmingLogCsv(rows.map((row) => row.line)) as string : null;
}

export async function downloadProgrammingLog() {
    download(LogFileName, (await programmingLogText()) ?? core.programmingLogCsv([]));
}
