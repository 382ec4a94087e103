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

export async function downloadProgrammingLog() {
    const rows = await allEntries<LogRow>(LogStore);
    download(LogFileName, core.programmingLogCsv(rows.map((row) => row.line)));
}
