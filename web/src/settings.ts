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

// The language numbers the module takes.
const English = 0;
const SimplifiedChinese = 1;
const TraditionalChinese = 2;
const TraditionalRegions = ["tw", "hk", "mo"];

// The first visit speaks the browser's first language: Chinese in traditional script or of Taiwan,
// Hong Kong or Macau gives Traditional Chinese, any other Chinese Simplified, anything else English.
function browserLanguage(tags: readonly string[]) {
    const [language, ...subtags] = (tags[0] ?? "").toLowerCase().split("-");
    if (language !== "zh")
        return English;
    if (subtags.includes("hant"))
        return TraditionalChinese;
    if (subtags.includes("hans"))
        return SimplifiedChinese;
    return subtags.some((subtag) => TraditionalRegions.includes(subtag)) ? TraditionalChinese : SimplifiedChinese;
}

const defaults: Omit<PageSettings, "lang"> = {
    bandMin: 400000000,
    bandMax: 470000000,
    fastLink: false,
    verify: true,
    backups: true,
};

function stored(): Partial<PageSettings> {
    try {
        return JSON.parse(localStorage.getItem(Key) ?? "{}");
    } catch {
        return {};
    }
}

export function loadSettings(): PageSettings {
    const kept = stored();
    const chosen = [English, SimplifiedChinese, TraditionalChinese].includes(kept.lang as number);
    return { ...defaults, ...kept, lang: chosen ? kept.lang! : browserLanguage(navigator.languages) };
}

export function keepSettings(settings: PageSettings) {
    localStorage.setItem(Key, JSON.stringify(settings));
}
