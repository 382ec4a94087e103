import { defineConfig } from "vite";

// Into build/web beside the module web/build-core.sh put there, which stays outside the bundle.
export default defineConfig({
    root: ".",
    base: "./",
    build: {
        outDir: "../build/web",
        emptyOutDir: false,
        target: "es2022",
        assetsInlineLimit: 0,
    },
    worker: { format: "es" },
});
