// Writes the browser page's text catalogs, one JSON file per language, from the program's own tables
// as the module built by web/build-core.sh looks them up: every entry of the main text table, every
// message of the message table under its name in src/lang/Messages.h, and the small tables of the
// dialogs. The page looks its texts up there; nothing is copied by hand.
//
// Usage: node tools/web-texts.mjs [build/web]
import { readFileSync, writeFileSync } from "node:fs";
import path from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "..");
const webDir = path.resolve(process.argv[2] ?? path.join(root, "build/web"));
// The page's file names, by the language numbers the module takes.
const Languages = [[0, "en"], [1, "zh-Hans"], [2, "zh-Hant"]];

const { default: loadCore } = await import(pathToFileURL(path.join(webDir, "core.js")).href);
const core = await loadCore({ wasmBinary: readFileSync(path.join(webDir, "core.wasm")) });

// The enumerators of `enum class NAME ... { ... };` in a header, comments taken out.
function enumerators(header, name) {
    const source = readFileSync(path.join(root, "src/lang", header), "utf8");
    const body = source.match(new RegExp(`enum class ${name}\\b[^{]*\\{([^}]*)\\};`))?.[1];
    if (!body)
        throw new Error(`${header}: no enum ${name}`);
    return body.replace(/\/\/.*$/gm, "").split(",").map((item) => item.trim()).filter(Boolean);
}

// The main table's entries by number, and the numbers of those the program names.
const entryNames = Object.fromEntries(enumerators("TextEntries.h", "TextEntry").map((item) => {
    const [, name, number] = item.match(/^(\w+)\s*=\s*(\d+)$/) ?? [];
    if (!name)
        throw new Error(`TextEntries.h: cannot read "${item}"`);
    return [name, Number(number)];
}));

// The messages are numbered in the order of their enumerators.
const messageNames = enumerators("Messages.h", "MessageId");
if (messageNames.length !== core.messageCount())
    throw new Error(`Messages.h names ${messageNames.length} messages, the module holds ${core.messageCount()}`);

for (const [lang, tag] of Languages) {
    const catalog = {
        entries: Array.from({ length: core.mainTextCount() }, (_, entry) => core.mainText(entry, lang)),
        entryNames,
        messages: Object.fromEntries(messageNames.map((name, number) => [name, core.messageText(number, lang)])),
        dialogs: core.dialogTexts(lang),
    };
    writeFileSync(path.join(webDir, `texts-${tag}.json`), JSON.stringify(catalog));
}
