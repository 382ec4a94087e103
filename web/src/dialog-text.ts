// The words of the factory, password and port dialogs from the module, in the page's language:
// the desktop's table entries, the adjustment dialog's own table, its fixed captions and messages.
import { caption, core, settings } from "./app";

export const dialogText = (name: string, args: string[] = []): string => core.factoryText(name, settings.lang, args);

// A menu caption without its accelerator mark, as a dialog's name.
export const dialogCaption = (name: string) => caption(dialogText(name));
