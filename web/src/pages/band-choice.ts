// Edit, Frequency Band: the six bands as the desktop's Band menu names them, the current one
// chosen (or, after reading a radio whose band is none of them, that band as an extra item), and
// the desktop's question before a change, since a band change starts the record afresh. OK takes
// the chosen band for the page and clears the record in one undo step.
import { byId, core, edit, onLanguageChanged, saveSettings, settings } from "../app";

interface BandItem {
    control: string;
    text: string;
    bandMin: number;
    bandMax: number;
    checked: boolean;
}

const dialog = document.createElement("dialog");
let bands: BandItem[] = [];

function item(control: string, text: string, checked: boolean, disabled = false) {
    const row = document.createElement("div");
    row.className = "field-row";
    const radio = document.createElement("input");
    radio.type = "radio";
    radio.name = "band";
    radio.id = control;
    radio.checked = checked;
    radio.disabled = disabled;
    const label = document.createElement("label");
    label.htmlFor = control;
    label.textContent = text;
    row.append(radio, label);
    return row;
}

function build() {
    const choices = core.bandChoices(settings.bandMin, settings.bandMax, settings.lang);
    bands = choices.items;
    const group = document.createElement("fieldset");
    const legend = document.createElement("legend");
    legend.id = "FrequencyBandTitle";
    legend.textContent = choices.caption;
    group.append(legend, ...bands.map((band) => item(band.control, band.text, band.checked)));
    if (choices.other)
        group.append(item("MenuEdit_Band_undef", choices.other, true, true));
    const question = document.createElement("p");
    question.id = "ClearAllData";
    question.textContent = choices.question;
    const ok = document.createElement("button");
    ok.id = "OKBtn";
    ok.type = "submit";
    ok.textContent = choices.ok;
    const cancel = document.createElement("button");
    cancel.id = "CancelBtn";
    cancel.type = "button";
    cancel.textContent = choices.cancel;
    cancel.addEventListener("click", () => dialog.close());
    const buttons = document.createElement("div");
    buttons.className = "dialog-buttons";
    buttons.append(ok, cancel);
    const form = document.createElement("form");
    form.method = "dialog";
    form.append(group, question, buttons);
    form.addEventListener("submit", (event) => {
        event.preventDefault();
        choose();
    });
    dialog.replaceChildren(form);
}

// The band already chosen clears the record too, as the desktop's does.
function choose() {
    const band = bands.find((each) => byId<HTMLInputElement>(each.control, dialog).checked);
    dialog.close();
    if (!band)
        return;
    settings.bandMin = band.bandMin;
    settings.bandMax = band.bandMax;
    saveSettings();
    edit((record) => {
        const fresh = new core.Record();
        record.restore(fresh.snapshot());
        fresh.delete();
    });
}

function showCaption() {
    byId("MenuEdit_Band").textContent = core.bandChoices(settings.bandMin, settings.bandMax, settings.lang).caption;
}

export function installBandChoice() {
    dialog.id = "FrequencyBandDlg";
    dialog.setAttribute("aria-labelledby", "FrequencyBandTitle");
    dialog.setAttribute("aria-describedby", "ClearAllData");
    document.body.append(dialog);
    byId("MenuEdit_Band").addEventListener("click", () => {
        build();
        dialog.showModal();
    });
    onLanguageChanged(showCaption);
    showCaption();
}
