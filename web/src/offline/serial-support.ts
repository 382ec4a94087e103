// A browser that gives pages no serial port still edits, opens and saves files. It says which
// browsers can talk to a radio, and the commands that need the port say it again instead of
// failing. "Try without a radio" needs no port and stays.
import { core, notify, onLanguageChanged, settings } from "../app";

const RadioCommands = ["MenuEdit_Read", "MenuEdit_Write", "MenuEdit_WriteSeveral", "MenuPort"];

export const talksToRadios = () => "serial" in navigator;

const explanation = () => core.offlineText("NoSerialInBrowser", settings.lang);

// Caught before the command's own handler runs; its menu is closed as a chosen item closes it.
function explainInstead(event: MouseEvent) {
    const command = (event.target as Element).closest?.(RadioCommands.map((id) => `#${id}`).join(","));
    if (!command || talksToRadios())
        return;
    event.stopImmediatePropagation();
    event.preventDefault();
    command.closest(".menu")?.querySelector<HTMLElement>("[aria-haspopup=menu]")?.click();
    notify([explanation()]);
}

export function installSerialSupport() {
    document.addEventListener("click", explainInstead, true);
    if (talksToRadios())
        return;
    const note = document.createElement("p");
    note.id = "NoSerialNote";
    note.setAttribute("role", "note");
    document.getElementById("ToolBar1")!.after(note);
    const show = () => (note.textContent = explanation());
    onLanguageChanged(show);
    show();
}
