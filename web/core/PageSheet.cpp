#include <emscripten/bind.h>

#include "PageLanguage.h"
#include "RecordHandle.h"
#include "sheet/SheetContent.h"

// The channel sheet the desktop prints, as texts the page lays out on its own printed page.

using emscripten::val;

namespace {

val PairArray(const std::vector<LabelledValue>& pairs)
{
    val array = val::array();
    for (const LabelledValue& pair : pairs) {
        val object = val::object();
        object.set("label", pair.label);
        object.set("value", pair.value);
        array.call<void>("push", object);
    }
    return array;
}

val RowArray(const std::vector<std::vector<std::string>>& rows)
{
    val array = val::array();
    for (const std::vector<std::string>& row : rows) {
        val cells = val::array();
        for (const std::string& cell : row)
            cells.call<void>("push", cell);
        array.call<void>("push", cells);
    }
    return array;
}

// facts: fileName, date ({year, month, day}) and the band (bandMin, bandMax) the sheet names.
val SheetContentOf(const RecordHandle& record, const val& facts, int language)
{
    const val date = facts["date"];
    SheetFacts taken;
    taken.fileName = facts["fileName"].as<std::string>();
    taken.date = {date["year"].as<uint16_t>(), date["month"].as<uint8_t>(), date["day"].as<uint8_t>(), 0, 0};
    taken.band = BandLimits{facts["bandMin"].as<uint32_t>(), facts["bandMax"].as<uint32_t>()};
    const SheetContent content = GatherSheetContent(record.Settings(), taken, PageLanguage(language));
    val result = val::object();
    result.set("title", content.title);
    result.set("facts", PairArray(content.facts));
    result.set("channelRows", RowArray(content.channelRows));
    result.set("optionsTitle", content.optionsTitle);
    result.set("options", PairArray(content.options));
    result.set("keysTitle", content.keysTitle);
    result.set("keys", PairArray(content.keys));
    return result;
}

}

EMSCRIPTEN_BINDINGS(kr_t27_sheet)
{
    emscripten::function("sheetContent", &SheetContentOf);
}
