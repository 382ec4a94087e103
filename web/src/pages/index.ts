// The three setting pages and the tabs that show them, the batch-set dialog and the band choice.
import { installBandChoice } from "./band-choice";
import { installBatchSet } from "./batch-set";
import { installSettingPages } from "./setting-pages";
import { installTabs } from "./tabs";
import "./pages.css";

export function installPages() {
    installTabs();
    installSettingPages();
    installBatchSet();
    installBandChoice();
}
