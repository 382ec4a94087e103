// The three catalogs tools/web-texts.mjs writes beside the page, fetched from there; the single page
// gets them built in instead (web/plugins/single-file.mjs).
const CatalogFiles = ["texts-en.json", "texts-zh-Hans.json", "texts-zh-Hant.json"];

async function loadCatalog(file: string) {
    const response = await fetch(new URL(file, document.baseURI));
    if (!response.ok)
        throw new Error(`${file}: ${response.status}`);
    return response.json();
}

// By the language numbers the settings keep: English, Simplified and Traditional Chinese.
export const loadCatalogs = () => Promise.all(CatalogFiles.map(loadCatalog));
