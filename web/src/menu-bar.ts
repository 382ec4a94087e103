// The menu bar: a menu's button opens its list below it, a chosen item or Escape closes it and
// gives the focus back to the button, and a click elsewhere closes whatever is open.
const menus = () => Array.from(document.querySelectorAll<HTMLElement>("#MainMenu1 .menu"));

function close(menu: HTMLElement) {
    menu.querySelector<HTMLElement>("[role=menu]")!.hidden = true;
    menu.querySelector("[aria-haspopup=menu]")!.setAttribute("aria-expanded", "false");
}

function open(menu: HTMLElement) {
    for (const other of menus())
        if (other !== menu)
            close(other);
    const list = menu.querySelector<HTMLElement>("[role=menu]")!;
    list.hidden = false;
    menu.querySelector("[aria-haspopup=menu]")!.setAttribute("aria-expanded", "true");
    list.querySelector<HTMLElement>("button:not(:disabled)")?.focus();
}

export function installMenuBar() {
    for (const menu of menus()) {
        const button = menu.querySelector<HTMLElement>("[aria-haspopup=menu]")!;
        const list = menu.querySelector<HTMLElement>("[role=menu]")!;
        button.addEventListener("click", () => (list.hidden ? open(menu) : close(menu)));
        list.addEventListener("click", (event) => {
            if ((event.target as HTMLElement).closest("button"))
                close(menu);
        });
        menu.addEventListener("keydown", (event) => {
            if (event.key === "Escape" && !list.hidden) {
                close(menu);
                button.focus();
            }
        });
    }
    document.addEventListener("click", (event) => {
        for (const menu of menus())
            if (!menu.contains(event.target as Node))
                close(menu);
    });
}
