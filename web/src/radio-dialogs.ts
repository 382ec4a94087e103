// The dialogs behind Adjustment, Edit/Password and Port: the factory's calibration and serial
// number behind the access code, the radio password, and the cable's port.
import { installAdjustment } from "./adjustment";
import { installPasswordDialogs } from "./password-dialogs";
import { installPortDialog } from "./port-dialog";
import { installSerialNumber } from "./serial-number";

export function installRadioDialogs() {
    installAdjustment();
    installSerialNumber();
    installPasswordDialogs();
    installPortDialog();
}
