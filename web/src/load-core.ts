// The module sits beside index.html as web/build-core.sh built it, outside the bundle, so the page
// and the worker share one download of it.
export type Core = any;

export async function loadCore(base: string): Promise<Core> {
    const url = new URL("core.js", base).href;
    const { default: KrT27Core } = await import(/* @vite-ignore */ url);
    return KrT27Core();
}
