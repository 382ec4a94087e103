// The About box: the product, its version and the two lines of ownership, from the main text table.
import { byId } from "./app";
import { entry } from "./texts";

const Lines: [string, string][] = [
    ["AboutTitle", "About"],
    ["sName", "RadioProgrammingSoftware"],
    ["sVersion", "Version"],
    ["sOwnership", "Copyright"],
    ["sMaker", "SoftwareTeam"],
];

export function showAbout() {
    const dialog = byId<HTMLDialogElement>("TAboutDlg");
    for (const [id, name] of Lines)
        byId(id, dialog).textContent = entry(name);
    byId("OKBtn", dialog).textContent = entry("Ok");
    dialog.showModal();
}
