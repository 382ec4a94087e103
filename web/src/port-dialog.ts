// Port: which port the transfers use, and the choice of the cable's port. Only a click may make the
// browser ask for one; the choice is kept for the next visit (cable-port.ts).
import { byId, onLanguageChanged } from "./app";
import { chooseCablePort, grantedPort, onPortChanged, portIsVirtual } from "./cable-port";
import { dialogCaption, dialogText } from "./dialog-text";

const dialog = byId<HTMLDialogElement>("TCommunicationPort");
const hex = (id: number) => id.toString(16).toUpperCase().padStart(4, "0");

function describe(port: any) {
    if (portIsVirtual())
        return dialogText("TryWithoutRadio");
    const { usbVendorId, usbProductId } = port.getInfo?.() ?? {};
    if (usbVendorId === undefined || usbProductId === undefined)
        return dialogText("PortWithoutUsbIds");
    return dialogText("PortUsbIds", [hex(usbVendorId), hex(usbProductId)]);
}

async function showPortInUse() {
    const port = await grantedPort();
    byId("PortInUse").textContent = port ? dialogText("PortInUse", [describe(port)]) : dialogText("PortNotChosen");
}

async function choose() {
    try {
        await chooseCablePort();
    } catch {
        // The user closed the browser's chooser: the port stays as it was.
    }
}

function showTexts() {
    byId("MenuPort").textContent = dialogCaption("PortMenu");
    byId("PortTitle").textContent = dialogCaption("PortMenu");
    byId("ChoosePort").textContent = dialogText("ChooseCablePort");
    byId("OKBtn", dialog).textContent = dialogText("PortOk");
    if (dialog.open)
        showPortInUse();
}

export function installPortDialog() {
    showTexts();
    onLanguageChanged(showTexts);
    onPortChanged(showPortInUse);
    byId<HTMLButtonElement>("ChoosePort").disabled = !("serial" in navigator);
    byId("MenuPort").onclick = async () => {
        await showPortInUse();
        dialog.showModal();
    };
    byId("ChoosePort").onclick = choose;
    byId("OKBtn", dialog).onclick = () => dialog.close();
}
