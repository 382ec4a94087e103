// The page's words in the chosen language, from the catalogs tools/web-texts.mjs writes at build
// time out of the program's own tables: the main text table by entry (number or the name it has in
// src/lang/TextEntries.h), the message table by its name in src/lang/Messages.h, and the dialogs'
// small tables. All three catalogs load with the page, so a language switch shows at once.
import { settings } from "./app";
import { loadCatalogs } from "./text-catalogs";

interface Catalog {
    entries: string[];
    entryNames: Record<string, number>;
    messages: Record<string, string>;
    dialogs: Record<string, string[]>;
}

const catalogs: Catalog[] = await loadCatalogs();

const catalog = (lang = settings.lang) => catalogs[lang] ?? catalogs[0];

// %1 to %9 replaced in one pass, as the program fills its messages: an argument that holds "%2"
// stays as it is, and a placeholder without an argument stays standing.
export function fill(pattern: string, args: readonly string[]) {
    return pattern.replace(/%([1-9])/g, (placeholder, digit) => args[Number(digit) - 1] ?? placeholder);
}

export function entry(name: string | number, lang?: number) {
    const texts = catalog(lang);
    return texts.entries[typeof name === "number" ? name : texts.entryNames[name]] ?? "";
}

export function text(name: string, ...args: string[]) {
    return fill(catalog().messages[name] ?? "", args);
}

// A dialog's own table: "program" (the transfer dialog), "port", "adjustment", "notice".
export function dialogText(table: string, number: number) {
    return catalog().dialogs[table]?.[number] ?? "";
}
