// The channel page's grid: the table and its cells, the in-place editors, the keyboard, the row
// commands and the undo history of the Edit menu, with their words in the chosen language.
import { byId, onLanguageChanged, onRecordChanged } from "../app";
import { installCellEditors } from "./cell-editor";
import { installGridKeys } from "./grid-keys";
import { installHistoryCommands } from "./history-commands";
import { installRowCommands } from "./row-commands";
import { gridText } from "./texts";
import { buildGrid, redrawCells, showTitles } from "./view";
import "./grid.css";

// The desktop's shortcuts of the Edit menu's items, for assistive technology to announce.
const MenuItems: [string, string, string][] = [
    ["MenuEdit_Undo", "Undo", "Control+Z"],
    ["MenuEdit_Redo", "Redo", "Control+Y Control+Shift+Z"],
    ["MenuEdit_Cut", "Cut", "Control+X"],
    ["MenuEdit_Copy", "Copy", "Control+C"],
    ["MenuEdit_Paste", "Paste", "Control+V"],
    ["MenuEdit_Delete", "Delete", "Delete"],
    ["MenuEdit_InsertRow", "InsertRow", "Control+Insert"],
    ["MenuEdit_MoveUp", "MoveUp", "Control+ArrowUp"],
    ["MenuEdit_MoveDown", "MoveDown", "Control+ArrowDown"],
];

function showGridTexts() {
    showTitles();
    byId("StringGrid1").setAttribute("aria-label", gridText("ChannelInformation"));
    for (const [id, name] of MenuItems)
        byId(id).textContent = gridText(name);
    byId("RowInsertOk").textContent = gridText("Ok");
    byId("RowInsertCancel").textContent = gridText("Cancel");
}

export function installGrid() {
    buildGrid();
    installCellEditors();
    installGridKeys();
    installRowCommands();
    installHistoryCommands();
    for (const [id, , keys] of MenuItems)
        byId(id).setAttribute("aria-keyshortcuts", keys);
    onLanguageChanged(showGridTexts);
    onRecordChanged(redrawCells);
    showGridTexts();
}
