// The module's binding as the page uses it (web/core/README.md has the whole of it).
declare module "*core/link-driver.js" {
    export function driveTransfer(transfer: any, port: any, clock: any, listener?: any):
        { done: Promise<string>; portLost: () => void; stop: () => void };
}
declare module "*core/virtual-serial-port.js" {
    export class VirtualSerialPort {
        constructor(radio: any, options?: Record<string, unknown>);
    }
}
