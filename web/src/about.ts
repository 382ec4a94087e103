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

// Captioned in the page's language whether open or not, so that nothing in the page is unnamed.
export function captionAbout() {
    const dialog = byId<HTMLDialogElement>("TAboutDlg");
    for (const [id, name] of Lines)
        byId(id, dialog).textContent = entry(name);
    byId("OKBtn", dialog).textContent = entry("Ok");
}

export const showAbout = () => byId<HTMLDialogElement>("TAboutDlg").showModal();
