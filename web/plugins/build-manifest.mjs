// The list of every file of a built site with its SHA-256, and the build's version made from them,
// so that the service worker can fetch the whole build, check each file, and keep it only when
// all of it arrived. The version is stamped into the service worker's first line: a new build is
// a new worker to the browser, which is how the page learns of it.
import { createHash } from "node:crypto";
import { readdir, readFile, writeFile } from "node:fs/promises";
import path from "node:path";

export const ManifestName = "build-manifest.json";
export const ServiceWorkerName = "sw.js";
const VersionLine = /^const buildVersion = ".*";\n/;

const sha256 = (bytes) => createHash("sha256").update(bytes).digest("hex");

async function siteFiles(dir, prefix = "") {
    const files = [];
    for (const entry of await readdir(path.join(dir, prefix), { withFileTypes: true })) {
        const name = prefix ? `${prefix}/${entry.name}` : entry.name;
        if (entry.isDirectory())
            files.push(...(await siteFiles(dir, name)));
        else if (entry.isFile() && name !== ManifestName && name !== ServiceWorkerName)
            files.push(name);
    }
    return files.sort();
}

// Writes dir/build-manifest.json and stamps dir/sw.js; returns the manifest.
export async function writeBuildManifest(dir) {
    const files = {};
    for (const name of await siteFiles(dir))
        files[name] = sha256(await readFile(path.join(dir, name)));
    const workerFile = path.join(dir, ServiceWorkerName);
    const worker = (await readFile(workerFile, "utf8")).replace(VersionLine, "");
    const listing = Object.entries(files).map(([name, hash]) => `${hash} ${name}\n`).join("");
    const version = sha256(listing + worker).slice(0, 16);
    const manifest = { version, files };
    await writeFile(path.join(dir, ManifestName), `${JSON.stringify(manifest, null, 1)}\n`);
    await writeFile(workerFile, `const buildVersion = "${version}";\n${worker}`);
    return manifest;
}
