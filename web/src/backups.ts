// Every read and written image, kept in the browser's IndexedDB, newest last.
const Store = "backups";

export interface Backup {
    name: string;
    bytes: Uint8Array;
}

function database(): Promise<IDBDatabase> {
    return new Promise((resolve, reject) => {
        const request = indexedDB.open("kr-t27", 1);
        request.onupgradeneeded = () => request.result.createObjectStore(Store, { autoIncrement: true });
        request.onsuccess = () => resolve(request.result);
        request.onerror = () => reject(request.error);
    });
}

let persistenceAsked = false;

export async function keepBackup(backup: Backup) {
    if (!persistenceAsked) {
        persistenceAsked = true;
        navigator.storage?.persist?.().catch(() => {});
    }
    const db = await database();
    await new Promise((resolve, reject) => {
        const transaction = db.transaction(Store, "readwrite");
        transaction.objectStore(Store).add(backup);
        transaction.oncomplete = resolve;
        transaction.onerror = () => reject(transaction.error);
    });
    db.close();
}

export async function listBackups(): Promise<Backup[]> {
    const db = await database();
    const all = await new Promise<Backup[]>((resolve, reject) => {
        const request = db.transaction(Store).objectStore(Store).getAll();
        request.onsuccess = () => resolve(request.result);
        request.onerror = () => reject(request.error);
    });
    db.close();
    return all;
}

// A local stamp that sorts and names a file: 20250309-070512.
export function stampName(date: Date) {
    const two = (n: number) => String(n).padStart(2, "0");
    return `${date.getFullYear()}${two(date.getMonth() + 1)}${two(date.getDate())}-${two(date.getHours())}` +
        `${two(date.getMinutes())}${two(date.getSeconds())}`;
}

export function download(name: string, bytes: Uint8Array | string) {
    const url = URL.createObjectURL(new Blob([bytes as BlobPart]));
    const link = document.createElement("a");
    link.href = url;
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(url), 0);
}
