// The cable's port. The one chosen (from the Port menu, or at the first transfer) stays in use
// while the page is open; the next visit takes the granted port with the same USB ids again, so the
// browser asks only once. "Try without a radio" puts the virtual radio in its place, not remembered.
const Key = "kr-t27-port";

interface UsbIds {
    usbVendorId?: number;
    usbProductId?: number;
}

let inUse: any = null;
let virtual = false;
const listeners: (() => void)[] = [];

const serial = () => (navigator as any).serial;

function remembered(): UsbIds | null {
    try {
        return JSON.parse(localStorage.getItem(Key) ?? "null");
    } catch {
        return null;
    }
}

const sameIds = (a: UsbIds, b: UsbIds) => a.usbVendorId === b.usbVendorId && a.usbProductId === b.usbProductId;

export function onPortChanged(listener: () => void) {
    listeners.push(listener);
}

export function usePort(port: any, { isVirtual = false } = {}) {
    inUse = port;
    virtual = isVirtual;
    if (!isVirtual) {
        const { usbVendorId, usbProductId } = port.getInfo?.() ?? {};
        localStorage.setItem(Key, JSON.stringify({ usbVendorId, usbProductId }));
    }
    for (const listener of listeners)
        listener();
}

// The port in use, else the one granted before that the last visit used (or the first granted);
// null when the browser would have to ask.
export async function grantedPort() {
    if (inUse || !serial())
        return inUse;
    const granted: any[] = await serial().getPorts();
    const last = remembered();
    return (last && granted.find((port) => sameIds(port.getInfo?.() ?? {}, last))) ?? granted[0] ?? null;
}

// Asks the browser for the cable's port; only a click may do that.
export async function chooseCablePort() {
    usePort(await serial().requestPort());
}

// The port a transfer opens.
export async function cablePort() {
    const port = await grantedPort();
    if (port && port !== inUse)
        usePort(port);
    if (!inUse)
        await chooseCablePort();
    return inUse;
}

export const portIsVirtual = () => virtual;
export const portInUse = () => inUse;
