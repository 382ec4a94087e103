// Keeps the whole build in one cache named after its version, so that the page runs without a
// network and never from a mix of two builds. A cache is filled from the build's manifest and
// only when every file arrived with its hash; a failed try leaves the build in use as it was. A
// new build waits until the page says the user wants it.
declare const buildVersion: string;
const worker = self as unknown as ServiceWorkerGlobalScope;

const CachePrefix = "kr-t27-";
const CacheName = CachePrefix + buildVersion;
const ManifestName = "build-manifest.json";
const PageName = "index.html";

interface BuildManifest {
    version: string;
    files: Record<string, string>;
}

const inScope = (name: string) => new URL(name, worker.registration.scope).href;

async function sha256(bytes: ArrayBuffer) {
    const digest = new Uint8Array(await crypto.subtle.digest("SHA-256", bytes));
    return Array.from(digest, (byte) => byte.toString(16).padStart(2, "0")).join("");
}

// Each file is asked of the server again (an unchanged one costs a "not modified"), and kept only
// as the build lists it. Only its type is kept of the host's headers: the bytes are already decoded,
// and a Vary would keep the page's requests from matching.
async function fetchChecked(name: string, hash: string) {
    const response = await fetch(inScope(name), { cache: "no-cache" });
    const bytes = await response.arrayBuffer();
    if (!response.ok || (await sha256(bytes)) !== hash)
        throw new Error(`${name} is not the file the build lists`);
    return new Response(bytes, { headers: { "Content-Type": response.headers.get("Content-Type") ?? "" } });
}

async function fillCache() {
    const manifest: BuildManifest = await (await fetch(inScope(ManifestName), { cache: "no-cache" })).json();
    // The server was given another build in the meantime: the next check finds its worker.
    if (manifest.version !== buildVersion)
        throw new Error("the server holds another build");
    const files = Object.entries(manifest.files);
    const responses = await Promise.all(files.map(([name, hash]) => fetchChecked(name, hash)));
    await caches.delete(CacheName);
    const cache = await caches.open(CacheName);
    try {
        await Promise.all(files.map(([name], i) => cache.put(inScope(name), responses[i])));
    } catch (error) {
        await caches.delete(CacheName);
        throw error;
    }
}

async function dropOtherBuilds() {
    for (const name of await caches.keys()) {
        if (name.startsWith(CachePrefix) && name !== CacheName)
            await caches.delete(name);
    }
    await worker.clients.claim();
}

async function answer(request: Request) {
    const cache = await caches.open(CacheName);
    const url = new URL(request.url);
    const page = request.mode === "navigate" && url.href.split(/[?#]/)[0] === worker.registration.scope;
    return (await cache.match(page ? inScope(PageName) : request, { ignoreSearch: true, ignoreVary: true })) ?? fetch(request);
}

worker.addEventListener("install", (event) => event.waitUntil(fillCache()));
worker.addEventListener("activate", (event) => event.waitUntil(dropOtherBuilds()));
worker.addEventListener("message", (event) => {
    if (event.data?.type === "activate")
        worker.skipWaiting();
});
worker.addEventListener("fetch", (event) => {
    const request = event.request;
    if (request.method === "GET" && new URL(request.url).origin === worker.location.origin)
        event.respondWith(answer(request));
});
