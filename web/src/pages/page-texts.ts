// The setting pages' captions, choices and object names in the chosen language, asked of the
// module once per language.
import { core, settings } from "../app";

export interface SettingControl {
    control: string;
    label: string;
    kind: "list" | "flag" | "code" | "keyFunction";
    page: "options" | "dtmf" | "keys";
    column: number;
    row: number;
    offered: boolean;
    field: string;
    caption: string;
    choices?: string[];
    capacity?: number;
}

export interface SettingTexts {
    tabs: Record<string, string>;
    controls: SettingControl[];
    keyGroups: string[];
    addressBook: { name: string; titles: string[]; nameFirst: string };
    batchSet: string;
}

// What a rule did to a value typed or chosen; `message` is empty when it was taken as it was.
export interface EntryReport {
    outcome: string;
    typed: string;
    stored: string;
    message: string;
    value?: number;
}

let cached: { lang: number; texts: SettingTexts } | null = null;

export function settingTexts(): SettingTexts {
    if (cached?.lang !== settings.lang)
        cached = { lang: settings.lang, texts: core.settingPages(settings.lang) };
    return cached.texts;
}
