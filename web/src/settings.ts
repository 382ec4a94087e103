// What the desktop keeps in its settings file, kept in the browser's storage instead.
export interface PageSettings {
    lang: number;
    bandMin: number;
    bandMax: number;
    fastLink: boolean;
    verify: boolean;
    backups: boolean;
}

const Key = "kr-t27-settings";
// A language number the module does not name follows the browser's.
const BrowserLanguage = 3;

const defaults: PageSettings = {
    lang: BrowserLanguage,
    bandMin: 400000000,
    bandMax: 470000000,
    fastLink: false,
    verify: true,
    backups: true,
};

export function loadSettings(): PageSettings {
    try {
        return { ...defaults, ...JSON.parse(localStorage.getItem(Key) ?? "{}") };
    } catch {
        return { ...defaults };
    }
}

export function keepSettings(settings: PageSettings) {
    localStorage.setItem(Key, JSON.stringify(settings));
}
