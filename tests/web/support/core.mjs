// The web edition's core as ./test built it (build/web, or KR_WEB_DIR), loaded once per test file.
// Node is handed the wasm bytes itself: the module would otherwise fetch them by URL.
import { readFileSync } from "node:fs";
import { fileURLToPath, pathToFileURL } from "node:url";
import path from "node:path";

const here = path.dirname(fileURLToPath(import.meta.url));
export const repositoryDir = path.resolve(here, "../../..");
export const webDir = process.env.KR_WEB_DIR ?? path.join(repositoryDir, "build/web");
export const binDir = process.env.KR_T27_BIN ?? path.resolve(webDir, "../bin");

const { default: loadCore } = await import(pathToFileURL(path.join(webDir, "core.js")).href);
export const core = await loadCore({ wasmBinary: readFileSync(path.join(webDir, "core.wasm")) });

export const { driveTransfer } = await import(pathToFileURL(path.join(webDir, "link-driver.js")).href);
export const { VirtualRadioPort } = await import(pathToFileURL(path.join(webDir, "virtual-radio-port.js")).href);
