// The menu bar: every caption from the program's tables with the desktop's accelerator letter
// underlined; Alt and that letter open a menu, the arrows move within a menu and across the bar,
// Enter or Space choose, a letter chooses in the open menu, Escape closes it and gives the focus
// back. The language items and the About box are wired here too.
import { captionAbout, showAbout } from "./about";
import { byId, chooseLanguage, onLanguageChanged, settings } from "./app";
import { entry, text } from "./texts";

const fromEntry = (name: string) => () => entry(name);
const fromMessage = (name: string) => () => text(name);
// These items open a dialog, and say so, as the desktop's do.
const opensDialog = (name: string) => () => `${text(name)}...`;

const Captions: [string, () => string][] = [
    ["MenuFile", fromEntry("FileMenu")],
    ["MenuFile_New", fromEntry("NewMenu")],
    ["MenuFile_Open", fromEntry("OpenMenu")],
    ["MenuFile_OpenBackup", fromMessage("OpenBackup")],
    ["MenuFile_Save", fromEntry("SaveMenu")],
    ["MenuFile_SaveAs", opensDialog("SaveAs")],
    ["MenuFile_ImportCsv", opensDialog("ImportCsv")],
    ["MenuFile_ExportCsv", opensDialog("ExportCsv")],
    ["MenuFile_ImportJson", opensDialog("ImportJson")],
    ["MenuFile_ExportJson", opensDialog("ExportJson")],
    ["MenuFile_PrintSheet", opensDialog("PrintSheet")],
    ["MenuFile_CompareWithFile", fromMessage("MenuCompareWithFile")],
    ["MenuEdit", fromEntry("EditMenu")],
    ["MenuEdit_Undo", fromMessage("EditUndo")],
    ["MenuEdit_Redo", fromMessage("EditRedo")],
    ["MenuEdit_Cut", fromMessage("EditCut")],
    ["MenuEdit_Copy", fromMessage("EditCopy")],
    ["MenuEdit_Paste", fromMessage("EditPaste")],
    ["MenuEdit_Delete", fromMessage("EditDelete")],
    ["MenuEdit_InsertRow", fromMessage("EditInsertRow")],
    ["MenuEdit_MoveUp", fromMessage("EditMoveUp")],
    ["MenuEdit_MoveDown", fromMessage("EditMoveDown")],
    ["MenuEdit_Read", fromEntry("ReadFromRadioMenu")],
    ["MenuEdit_Write", fromEntry("WriteToRadioMenu")],
    ["MenuEdit_WriteSeveral", fromMessage("WriteSeveralRadios")],
    ["MenuEdit_CheckRadio", fromMessage("MenuCheckRadio")],
    ["MenuEdit_Password", fromEntry("PasswordMenu")],
    ["MenuEdit_Band", fromEntry("FrequencyBand")],
    ["MenuPort", fromEntry("CommunicationPortMenu")],
    ["MenuLanguage", fromEntry("LanguageMenu")],
    ["MenuLanguage_Chs", fromEntry("ChineseSimplifiedMenu")],
    ["MenuLanguage_Cht", fromEntry("ChineseTraditionalMenu")],
    ["MenuLanguage_En", fromEntry("EnglishMenu")],
    ["MenuAdjustment", fromEntry("AdjustmentMenu")],
    ["MenuHelp", fromEntry("HelpMenu")],
    ["MenuSaveTransferLog", fromMessage("SaveTransferLog")],
    ["MenuHelp_SaveSupportBundle", fromMessage("MenuSaveSupportBundle")],
    ["MenuAbout", fromEntry("AboutMenu")],
];

// The language numbers the settings keep, by item.
const LanguageItems: [string, number][] = [["MenuLanguage_En", 0], ["MenuLanguage_Chs", 1], ["MenuLanguage_Cht", 2]];

const bar = () => byId("MainMenu1");
// The bar's own items: the menus' buttons and the items that open a dialog straight away.
const barItems = () =>
    Array.from(bar().querySelectorAll<HTMLElement>(":scope > .menu > [aria-haspopup=menu], :scope > [role=menuitem]"));
const listOf = (barItem: HTMLElement) =>
    barItem.getAttribute("aria-haspopup") === "menu" ? (barItem.nextElementSibling as HTMLElement) : null;
const barItemOf = (list: HTMLElement) => list.previousElementSibling as HTMLElement;
const itemsOf = (list: HTMLElement) => Array.from(list.querySelectorAll<HTMLButtonElement>("[role^=menuitem]"))
    .filter((item) => !item.disabled && !item.hidden);
const openList = () => bar().querySelector<HTMLElement>("[role=menu]:not([hidden])");
const keyOf = (element: HTMLElement) => element.dataset.key ?? "";

// Where the focus was before the bar took it, to go back to once a menu is done with.
let focusBefore: HTMLElement | null = null;

// "&File" and "文件(&F)": the letter after "&" is underlined and becomes the item's key.
function showCaption(element: HTMLElement, caption: string) {
    const mark = caption.indexOf("&");
    if (mark < 0 || mark + 1 >= caption.length) {
        element.replaceChildren(caption);
        delete element.dataset.key;
        return;
    }
    const letter = document.createElement("u");
    letter.textContent = caption[mark + 1];
    element.replaceChildren(caption.slice(0, mark), letter, caption.slice(mark + 2));
    element.dataset.key = caption[mark + 1].toLowerCase();
}

function showCaptions() {
    for (const [id, caption] of Captions)
        showCaption(byId(id), caption());
    for (const item of barItems()) {
        if (keyOf(item))
            item.setAttribute("aria-keyshortcuts", `Alt+${keyOf(item).toUpperCase()}`);
        else
            item.removeAttribute("aria-keyshortcuts");
    }
    for (const [id, lang] of LanguageItems)
        byId(id).setAttribute("aria-checked", String(settings.lang === lang));
}

function close(list: HTMLElement) {
    list.hidden = true;
    barItemOf(list).setAttribute("aria-expanded", "false");
}

// The bar is one stop of the Tab key: the item last in use.
function makeTabStop(barItem: HTMLElement) {
    for (const item of barItems())
        item.tabIndex = item === barItem ? 0 : -1;
}

function focusBarItem(barItem: HTMLElement) {
    makeTabStop(barItem);
    barItem.focus();
}

// Opens the menu of `barItem`, or only focuses an item without one; `first` picks the item that
// takes the focus: the first, the last, or none (a menu opened by the pointer).
function enter(barItem: HTMLElement, first: "first" | "last" | "none" = "first") {
    const current = openList();
    if (current && current !== listOf(barItem))
        close(current);
    focusBarItem(barItem);
    const list = listOf(barItem);
    if (!list)
        return;
    list.hidden = false;
    barItem.setAttribute("aria-expanded", "true");
    const items = itemsOf(list);
    if (first !== "none")
        (first === "first" ? items[0] : items[items.length - 1])?.focus();
}

// A chosen item's command may have moved the focus on (a dialog); otherwise it goes back.
function leave(list: HTMLElement) {
    close(list);
    const lost = document.activeElement === document.body || list.contains(document.activeElement);
    if (lost)
        (focusBefore?.isConnected ? focusBefore : barItemOf(list)).focus();
}

function step<T>(items: T[], current: T, by: number) {
    return items[(items.indexOf(current) + by + items.length) % items.length];
}

function onBarKey(event: KeyboardEvent, barItem: HTMLElement) {
    const items = barItems();
    const moves: Record<string, () => void> = {
        ArrowRight: () => enter(step(items, barItem, 1), openList() ? "first" : "none"),
        ArrowLeft: () => enter(step(items, barItem, -1), openList() ? "first" : "none"),
        ArrowDown: () => listOf(barItem) && enter(barItem, "first"),
        ArrowUp: () => listOf(barItem) && enter(barItem, "last"),
        Home: () => focusBarItem(items[0]),
        End: () => focusBarItem(items[items.length - 1]),
    };
    if (!moves[event.key])
        return;
    event.preventDefault();
    moves[event.key]();
}

// A letter chooses its item; where several items share it, it moves to the next of them instead,
// as the desktop's menus do.
function chooseByLetter(items: HTMLButtonElement[], current: HTMLButtonElement, letter: string, event: Event) {
    const sharing = items.filter((candidate) => keyOf(candidate) === letter);
    if (sharing.length === 0)
        return;
    event.preventDefault();
    if (sharing.length === 1)
        sharing[0].click();
    else
        (sharing.includes(current) ? step(sharing, current, 1) : sharing[0]).focus();
}

function onListKey(event: KeyboardEvent, list: HTMLElement) {
    const items = itemsOf(list);
    const item = document.activeElement as HTMLButtonElement;
    const across = (by: number) => {
        const next = step(barItems(), barItemOf(list), by);
        close(list);
        enter(next, "first");
    };
    const moves: Record<string, () => void> = {
        ArrowDown: () => step(items, item, 1)?.focus(),
        ArrowUp: () => step(items, item, -1)?.focus(),
        Home: () => items[0]?.focus(),
        End: () => items[items.length - 1]?.focus(),
        ArrowRight: () => across(1),
        ArrowLeft: () => across(-1),
        Escape: () => {
            close(list);
            barItemOf(list).focus();
        },
    };
    if (moves[event.key]) {
        event.preventDefault();
        moves[event.key]();
    } else if (event.key === "Tab") {
        close(list);
    } else if (!event.altKey && !event.ctrlKey && !event.metaKey && event.key.length === 1) {
        chooseByLetter(items, item, event.key.toLowerCase(), event);
    }
}

// The letter of Alt+letter, whatever the keyboard makes of Alt with it.
function pressedLetter(event: KeyboardEvent) {
    if (/^[a-z]$/i.test(event.key))
        return event.key.toLowerCase();
    return event.code.startsWith("Key") ? event.code.slice(3).toLowerCase() : "";
}

function onAltKey(event: KeyboardEvent) {
    if (!event.altKey || event.ctrlKey || event.metaKey || event.shiftKey)
        return;
    const letter = pressedLetter(event);
    const barItem = barItems().find((item) => letter && keyOf(item) === letter);
    if (!barItem || document.querySelector("dialog[open]"))
        return;
    event.preventDefault();
    if (document.activeElement !== document.body && !bar().contains(document.activeElement))
        focusBefore = document.activeElement as HTMLElement;
    if (listOf(barItem))
        enter(barItem, "first");
    else
        barItem.click();
}

export function installMenuBar() {
    for (const barItem of barItems()) {
        const list = listOf(barItem);
        barItem.addEventListener("keydown", (event) => onBarKey(event, barItem));
        if (!list)
            continue;
        barItem.addEventListener("click", () => (list.hidden ? enter(barItem, "first") : close(list)));
        // With a menu open, the pointer opens the one it moves onto, as on the desktop.
        barItem.addEventListener("pointerenter", () => openList() && list.hidden && enter(barItem, "none"));
        list.addEventListener("keydown", (event) => onListKey(event, list));
        list.addEventListener("click", (event) => {
            if ((event.target as HTMLElement).closest("button"))
                leave(list);
        });
        for (const item of itemsOf(list))
            item.tabIndex = -1;
    }
    makeTabStop(barItems()[0]);
    bar().addEventListener("focusin", (event) => {
        const from = event.relatedTarget as HTMLElement | null;
        if (from && !bar().contains(from))
            focusBefore = from;
    });
    document.addEventListener("keydown", onAltKey);
    document.addEventListener("click", (event) => {
        const list = openList();
        if (list && !list.parentElement!.contains(event.target as Node))
            close(list);
    });
    for (const [id, lang] of LanguageItems)
        byId(id).addEventListener("click", () => chooseLanguage(lang));
    byId("MenuAbout").addEventListener("click", showAbout);
    captionAbout();
    onLanguageChanged(captionAbout);
    onLanguageChanged(showCaptions);
    showCaptions();
}
