// What the page keeps in the browser's IndexedDB: the backups of the transfers and the rows of the
// programming log, each store a list in the order its entries came.
const DatabaseName = "kr-t27";
const Version = 2;
export const BackupStore = "backups";
export const LogStore = "programming-log";

function database(): Promise<IDBDatabase> {
    return new Promise((resolve, reject) => {
        const request = indexedDB.open(DatabaseName, Version);
        request.onupgradeneeded = () => {
            for (const store of [BackupStore, LogStore])
                if (!request.result.objectStoreNames.contains(store))
                    request.result.createObjectStore(store, { autoIncrement: true });
        };
        request.onsuccess = () => resolve(request.result);
        request.onerror = () => reject(request.error);
    });
}

let persistenceAsked = false;

// The browser is asked once not to clear what the page keeps when it runs short of space.
export async function addEntry(store: string, entry: unknown) {
    if (!persistenceAsked) {
        persistenceAsked = true;
        navigator.storage?.persist?.().catch(() => {});
    }
    const db = await database();
    try {
        await new Promise((resolve, reject) => {
            const transaction = db.transaction(store, "readwrite");
            transaction.objectStore(store).add(entry);
            transaction.oncomplete = resolve;
            transaction.onerror = () => reject(transaction.error);
            transaction.onabort = () => reject(transaction.error);
        });
    } finally {
        db.close();
    }
}

export async function allEntries<T>(store: string): Promise<T[]> {
    const db = await database();
    try {
        return await new Promise<T[]>((resolve, reject) => {
            const request = db.transaction(store).objectStore(store).getAll();
            request.onsuccess = () => resolve(request.result);
            request.onerror = () => reject(request.error);
        });
    } finally {
        db.close();
    }
}
