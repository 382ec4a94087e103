// The list a tone or choice cell opens under itself (Alt+Down, F2): a listbox whose highlighted
// option the editor names as its active descendant, so the focus stays in the editor.
import { byId } from "../app";
import { placeUnder } from "./cell-note";

const list = () => byId<HTMLUListElement>("CellChoiceList");
let built: string[] = [];
let owner: HTMLInputElement | null = null;
let highlighted = -1;

const optionId = (index: number) => `CellChoice${index}`;

function build(choices: string[]) {
    if (choices === built)
        return;
    built = choices;
    list().replaceChildren(...choices.map((choice, index) => {
        const option = document.createElement("li");
        option.id = optionId(index);
        option.role = "option";
        option.setAttribute("aria-selected", "false");
        option.dataset.index = String(index);
        option.textContent = choice;
        return option;
    }));
}

export const listOpen = () => !list().hidden;
export const highlightedChoice = () => highlighted;

export function highlight(index: number) {
    list().children[highlighted]?.setAttribute("aria-selected", "false");
    highlighted = index;
    const option = list().children[index] as HTMLElement | undefined;
    if (!option) {
        owner?.removeAttribute("aria-activedescendant");
        return;
    }
    option.setAttribute("aria-selected", "true");
    owner?.setAttribute("aria-activedescendant", option.id);
    option.scrollIntoView({ block: "nearest" });
}

export function openList(editor: HTMLInputElement, choices: string[], index: number, label: string) {
    build(choices);
    owner = editor;
    list().setAttribute("aria-label", label);
    list().hidden = false;
    editor.setAttribute("aria-expanded", "true");
    placeUnder(list(), editor.parentElement!);
    highlight(index);
}

export function closeList() {
    if (!owner)
        return;
    list().children[highlighted]?.setAttribute("aria-selected", "false");
    highlighted = -1;
    owner.setAttribute("aria-expanded", "false");
    owner.removeAttribute("aria-activedescendant");
    owner = null;
    list().hidden = true;
}

// A pressed option keeps the focus in its editor; `pick` gets the option clicked.
export function onChoicePicked(pick: (index: number) => void) {
    list().addEventListener("mousedown", (event) => event.preventDefault());
    list().addEventListener("click", (event) => {
        const option = (event.target as HTMLElement).closest<HTMLElement>("[role=option]");
        if (option)
            pick(Number(option.dataset.index));
    });
}
