// The browser edition's life outside the editor: kept for use without a network, updated on the
// user's word, and plain about browsers that cannot talk to a radio.
import { installSerialSupport } from "./serial-support";
import { keepForOffline } from "./updates";
import "./offline.css";

export function installOffline() {
    installSerialSupport();
    keepForOffline().catch(() => {});
}
