import { defineConfig } from "vite";
import { offlineSite } from "./plugins/offline-site.mjs";
import { inlineCore, singleFile } from "./plugins/single-file.mjs";

// The site: into build/web beside the module web/build-core.sh put there, which stays outside the
// bundle, with the service worker and web app manifest that keep it offline and installable.
// With --mode single: the same page as one file, build/kr-t27-web.html, that opens from disk.
export default defineConfig(({ mode }) => {
    const single = mode === "single";
    return {
        root: ".",
        base: "./",
        build: {
            outDir: single ? "../build/kr-t27-web" : "../build/web",
            emptyOutDir: single,
            target: "es2022",
            assetsInlineLimit: 0,
            rolldownOptions: single ? { output: { codeSplitting: false } } : {},
            modulePreload: !single,
            // The single page holds the module and its wasm, twice: for the page and the worker.
            chunkSizeWarningLimit: single ? 2000 : 500,
        },
        // A page opened from disk can start a classic worker from a blob, but not a module one.
        worker: single ? { format: "iife", plugins: () => [inlineCore()] } : { format: "es" },
        plugins: single ? singleFile() : [offlineSite()],
    };
});
