// The site's side of being kept offline and installed: the service worker built from
// src/offline/service-worker.ts as sw.js beside index.html (its scope is the whole site), the web
// app manifest with the program's icon rendered from data/, and once everything is written, the
// build manifest the worker fills its cache from.
import { execFileSync } from "node:child_process";
import { readFileSync } from "node:fs";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { ServiceWorkerName, writeBuildManifest } from "./build-manifest.mjs";

const webDir = fileURLToPath(new URL("..", import.meta.url));
export const IconSource = path.join(webDir, "../data/io.github.krt27.Programmer.svg");
export const ThemeColor = "#263238";
const IconSizes = [192, 512];

const appManifest = {
    name: "KR-T27",
    short_name: "KR-T27",
    id: "./",
    start_url: "./",
    scope: "./",
    display: "standalone",
    background_color: "#ffffff",
    theme_color: ThemeColor,
    icons: [
        { src: "icon.svg", sizes: "any", type: "image/svg+xml" },
        ...IconSizes.map((size) => ({ src: `icon-${size}.png`, sizes: `${size}x${size}`, type: "image/png" })),
    ],
};

const renderIcon = (size) =>
    execFileSync("rsvg-convert", ["--width", String(size), "--height", String(size), IconSource]);

export function offlineSite() {
    let outDir = "";
    return {
        name: "kr-t27-offline-site",
        apply: "build",
        configResolved(config) {
            outDir = path.resolve(config.root, config.build.outDir);
        },
        buildStart() {
            this.emitFile({ type: "chunk", id: path.join(webDir, "src/offline/service-worker.ts"),
                fileName: ServiceWorkerName });
        },
        generateBundle() {
            this.emitFile({ type: "asset", fileName: "icon.svg", source: readFileSync(IconSource) });
            for (const size of IconSizes)
                this.emitFile({ type: "asset", fileName: `icon-${size}.png`, source: renderIcon(size) });
            this.emitFile({ type: "asset", fileName: "manifest.webmanifest",
                source: `${JSON.stringify(appManifest, null, 1)}\n` });
        },
        transformIndexHtml: () => [
            { tag: "link", attrs: { rel: "manifest", href: "manifest.webmanifest" }, injectTo: "head" },
            { tag: "link", attrs: { rel: "icon", href: "icon.svg", type: "image/svg+xml" }, injectTo: "head" },
            { tag: "meta", attrs: { name: "theme-color", content: ThemeColor }, injectTo: "head" },
        ],
        async closeBundle() {
            await writeBuildManifest(outDir);
        },
    };
}
