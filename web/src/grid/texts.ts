// The grid's own words from the module's tables, by name (web/core/README.md lists them).
import { caption, core, settings } from "../app";

export const gridText = (name: string) => caption(core.gridText(name, settings.lang));
