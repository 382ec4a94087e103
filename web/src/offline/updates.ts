// The service worker keeps the build for use without a network. A new build waits in the browser
// until the user takes it from the banner; the page then reloads into it, but never while a
// transfer runs.
import { app, core, onLanguageChanged, settings } from "../app";

const CheckEveryMs = 60 * 60 * 1000;
const TransferWatchMs = 500;

const text = (name: string) => core.offlineText(name, settings.lang);

function transferEnded(): Promise<void> {
    return new Promise((resolve) => {
        const watch = setInterval(() => {
            if (!app.transferring) {
                clearInterval(watch);
                resolve();
            }
        }, TransferWatchMs);
    });
}

class UpdateBanner {
    element = document.createElement("div");
    #message = document.createElement("p");
    #now = document.createElement("button");
    #later = document.createElement("button");
    #messageName = "UpdateReady";
    #take: () => void = () => {};

    constructor() {
        this.element.id = "UpdateBanner";
        this.element.setAttribute("role", "status");
        this.element.hidden = true;
        this.#message.id = "UpdateText";
        this.#now.id = "UpdateNow";
        this.#later.id = "UpdateLater";
        for (const button of [this.#now, this.#later])
            button.type = "button";
        this.element.append(this.#message, this.#now, this.#later);
        this.#now.onclick = () => this.#takeWhenIdle();
        this.#later.onclick = () => (this.element.hidden = true);
        document.body.prepend(this.element);
        onLanguageChanged(() => this.#showTexts());
        this.#showTexts();
    }

    offer(take: () => void) {
        this.#take = take;
        this.#say("UpdateReady");
        this.#now.disabled = false;
        this.element.hidden = false;
    }

    async #takeWhenIdle() {
        if (app.transferring) {
            this.#now.disabled = true;
            this.#say("UpdateAfterTransfer");
            await transferEnded();
        }
        this.#take();
    }

    #say(name: string) {
        this.#messageName = name;
        this.#showTexts();
    }

    #showTexts() {
        this.#message.textContent = text(this.#messageName);
        this.#now.textContent = text("UpdateNow");
        this.#later.textContent = text("UpdateLater");
    }
}

// The note stays in the status bar, in the page's language, until something else is said there.
function sayKeptOffline() {
    const bar = document.getElementById("StatusBar1")!;
    let said = "";
    const say = () => {
        bar.textContent = said = text("OfflineReady");
    };
    say();
    onLanguageChanged(() => {
        if (bar.textContent === said)
            say();
    });
}

const followed = new WeakSet<ServiceWorker>();

// The first build a browser keeps is said once; a later one is offered.
function follow(registration: ServiceWorkerRegistration, offer: () => void) {
    const worker = registration.installing;
    if (!worker || followed.has(worker))
        return;
    followed.add(worker);
    const first = !registration.active;
    worker.addEventListener("statechange", () => {
        if (worker.state === "installed" && !first)
            offer();
        else if (worker.state === "activated" && first)
            sayKeptOffline();
    });
}

export async function keepForOffline() {
    const workers = navigator.serviceWorker;
    if (!workers || !location.protocol.startsWith("http"))
        return;
    const controlled = Boolean(workers.controller);
    const banner = new UpdateBanner();
    let taken = false;
    const registration = await workers.register(new URL("sw.js", document.baseURI), { updateViaCache: "none" });
    const offer = () =>
        banner.offer(() => {
            taken = true;
            if (registration.waiting)
                registration.waiting.postMessage({ type: "activate" });
            else
                location.reload();
        });
    // This page asked for the new build, or another tab took it while this one kept the old.
    workers.addEventListener("controllerchange", () => {
        if (taken)
            location.reload();
        else if (controlled)
            offer();
    });
    follow(registration, offer);
    if (registration.waiting && registration.active)
        offer();
    registration.addEventListener("updatefound", () => follow(registration, offer));
    const check = () => registration.update().catch(() => {});
    setInterval(check, CheckEveryMs);
    document.addEventListener("visibilitychange", () => document.visibilityState === "visible" && check());
}
