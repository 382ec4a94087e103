// The page as one HTML file that opens from disk: the module with its wasm (gzipped, in base64),
// the transfer worker (started from a blob), the script and the styles all inline. Nothing is
// fetched, so the file's own policy allows exactly its inline script and styles by their hashes,
// workers from blobs, and wasm; everything else stays forbidden.
import { createHash } from "node:crypto";
import { readFileSync } from "node:fs";
import { readFile, rm, writeFile } from "node:fs/promises";
import path from "node:path";
import { gzipSync } from "node:zlib";
import { fileURLToPath } from "node:url";
import { IconSource, ThemeColor } from "./offline-site.mjs";

// The module as web/build-core.sh built it.
const coreDir = fileURLToPath(new URL("../../build/web", import.meta.url));

const InlineCoreId = "\0kr-t27-inline-core";
const LoadCoreImport = /(^|\/)load-core(\.ts)?$/;
// A call's argument may hold one level of parentheses: loadCore(new URL("../", base).href).
const LoadCoreCall = /\bloadCore\((?:[^()]|\([^()]*\))*\)/g;
const WasmUrl = /new URL\("core\.wasm",\s*import\.meta\.url\)\.toString\(\)/;
// What Vite's index.html names: a module script's path, or a style sheet's.
const LinkedFile = new RegExp(String.raw`<script type="module"[^>]*\ssrc="([^"]+)"[^>]*></script>|` +
    String.raw`<link rel="stylesheet"[^>]*\shref="([^"]+)"[^>]*>`, "g");
// new Worker(new URL("./file", import.meta.url), options): the file's path.
const WorkerFromUrl = new RegExp(String.raw`new Worker\(\s*new URL\(\s*(["'\x60])([^"'\x60]+)\1\s*,\s*` +
    String.raw`import\.meta\.url\s*\)\s*(?:,\s*\{[^}]*\})?\s*\)`, "g");

const SingleFilePolicy = (scripts, styles) => [
    "default-src 'none'",
    `script-src ${scripts.map(hashSource).join(" ")} 'wasm-unsafe-eval'`,
    `style-src ${styles.map(hashSource).join(" ")}`,
    "img-src data:",
    "worker-src blob:",
    "object-src 'none'",
    "base-uri 'none'",
    "form-action 'none'",
].join("; ");

function hashSource(text) {
    return `'sha256-${createHash("sha256").update(text).digest("base64")}'`;
}

// The module from build/web, its wasm handed over from the page itself: the page and the worker
// each load it this way, whatever base they name.
export function inlineCore() {
    const coreFile = path.join(coreDir, "core.js");
    return {
        name: "kr-t27-inline-core",
        enforce: "pre",
        resolveId: (id) => (LoadCoreImport.test(id) ? InlineCoreId : null),
        load(id) {
            if (id !== InlineCoreId)
                return null;
            const packed = gzipSync(readFileSync(path.join(coreDir, "core.wasm")), { level: 9 }).toString("base64");
            return `import KrT27Core from ${JSON.stringify(coreFile)};
const packed = "${packed}";
export async function loadCore() {
    const bytes = Uint8Array.from(atob(packed), (c) => c.charCodeAt(0));
    const wasm = new Response(new Blob([bytes]).stream().pipeThrough(new DecompressionStream("gzip")));
    return KrT27Core({ wasmBinary: new Uint8Array(await wasm.arrayBuffer()), locateFile: (name) => name });
}
`;
        },
        transform(code, id) {
            if (id === coreFile)
                return code.replace(WasmUrl, '"core.wasm"');
            const changed = code.replace(LoadCoreCall, "loadCore()");
            return changed === code ? null : changed;
        },
    };
}

// The page's text catalogs built into the script instead of fetched beside it.
function inlineCatalogs() {
    const CatalogsImport = /(^|\/)text-catalogs(\.ts)?$/;
    const CatalogsId = "\0kr-t27-inline-catalogs";
    const files = ["texts-en.json", "texts-zh-Hans.json", "texts-zh-Hant.json"];
    return {
        name: "kr-t27-inline-catalogs",
        enforce: "pre",
        resolveId: (id) => (CatalogsImport.test(id) ? CatalogsId : null),
        load(id) {
            if (id !== CatalogsId)
                return null;
            const catalogs = files.map((file) => JSON.parse(readFileSync(path.join(coreDir, file), "utf8")));
            return `export const loadCatalogs = async () => ${JSON.stringify(catalogs)};\n`;
        },
    };
}

// A worker named by its URL becomes one bundled into the script, started from a blob.
function inlineWorkers() {
    return {
        name: "kr-t27-inline-workers",
        enforce: "pre",
        transform(code) {
            const imports = [];
            const changed = code.replace(WorkerFromUrl, (_, _quote, file) => {
                const name = `InlineWorker${imports.length}`;
                imports.push(`import ${name} from ${JSON.stringify(`${file}?worker&inline`)};\n`);
                return `new ${name}()`;
            });
            return imports.length ? imports.join("") + changed : null;
        },
    };
}

const scriptText = (code) => code.replace(/<\/script/gi, "<\\/script");

// Puts the written script and styles into index.html, beside its folder as FOLDER.html; the folder
// goes.
async function inlineIntoPage(outDir) {
    const page = await readFile(path.join(outDir, "index.html"), "utf8");
    const scripts = [];
    const styles = [];
    const read = (file) => readFile(path.join(outDir, file), "utf8");
    const tags = [...page.matchAll(LinkedFile)];
    const inlined = [];
    for (const [, script, style] of tags) {
        if (script) {
            scripts.push(scriptText(await read(script)));
            inlined.push(`<script type="module">${scripts.at(-1)}</script>`);
        } else {
            styles.push(await read(style));
            inlined.push(`<style>${styles.at(-1)}</style>`);
        }
    }
    // What the served page preloads, the single page holds already.
    const preloads = [...page.matchAll(/<link rel="preload"[^>]*>\n?/g)].map(([tag]) => tag);
    let rest = page;
    for (const tag of [...tags.map(([tag]) => tag), ...preloads])
        rest = rest.replace(tag, "");
    if (/<script|<link rel="(?:stylesheet|modulepreload)"/.test(rest))
        throw new Error("the single page still names a file it needs");
    let single = page.replace(/(<meta http-equiv="Content-Security-Policy"\s+content=")[^"]*"/,
        (_, start) => `${start}${SingleFilePolicy(scripts, styles)}"`);
    tags.forEach(([tag], i) => (single = single.replace(tag, () => inlined[i])));
    for (const tag of preloads)
        single = single.replace(tag, "");
    await rm(outDir, { recursive: true });
    await writeFile(`${outDir}.html`, single);
}

export function singleFile() {
    let outDir = "";
    const icon = `data:image/svg+xml;base64,${readFileSync(IconSource).toString("base64")}`;
    return [
        inlineCore(),
        inlineCatalogs(),
        inlineWorkers(),
        {
            name: "kr-t27-single-file",
            apply: "build",
            configResolved(config) {
                outDir = path.resolve(config.root, config.build.outDir);
            },
            transformIndexHtml: () => [
                { tag: "link", attrs: { rel: "icon", href: icon, type: "image/svg+xml" }, injectTo: "head" },
                { tag: "meta", attrs: { name: "theme-color", content: ThemeColor }, injectTo: "head" },
            ],
            async closeBundle() {
                await inlineIntoPage(outDir);
            },
        },
    ];
}
