// The four pages as tabs: a click or the arrow keys (Home and End for the first and last) choose
// one, whose panel alone is shown; the chosen tab is the one Tab reaches.
import { byId, onLanguageChanged } from "../app";
import { settingTexts } from "./page-texts";

const tabs = () => Array.from(document.querySelectorAll<HTMLElement>("#PageControl_Home [role=tab]"));

function choose(tab: HTMLElement, focus: boolean) {
    for (const each of tabs()) {
        const chosen = each === tab;
        each.setAttribute("aria-selected", String(chosen));
        each.tabIndex = chosen ? 0 : -1;
        byId(each.getAttribute("aria-controls")!).hidden = !chosen;
    }
    if (focus)
        tab.focus();
}

function onKeyDown(event: KeyboardEvent) {
    const all = tabs();
    const at = all.indexOf(event.target as HTMLElement);
    if (at < 0)
        return;
    const next: Record<string, number> = {
        ArrowRight: (at + 1) % all.length,
        ArrowLeft: (at + all.length - 1) % all.length,
        Home: 0,
        End: all.length - 1,
    };
    if (!(event.key in next))
        return;
    event.preventDefault();
    choose(all[next[event.key]], true);
}

function showCaptions() {
    const captions = settingTexts().tabs;
    for (const tab of tabs())
        tab.textContent = captions[tab.id];
}

export function installTabs() {
    const list = document.querySelector<HTMLElement>("#PageControl_Home [role=tablist]")!;
    list.addEventListener("click", (event) => {
        const tab = (event.target as HTMLElement).closest<HTMLElement>("[role=tab]");
        if (tab)
            choose(tab, false);
    });
    list.addEventListener("keydown", onKeyDown);
    onLanguageChanged(showCaptions);
    showCaptions();
}
