#include <emscripten/bind.h>
#include <unistd.h>

#include "JsValues.h"
#include "PageLanguage.h"
#include "RecordHandle.h"
#include "files/AtomicFile.h"
#include "files/ComparedRecord.h"
#include "lang/FileMessage.h"
#include "lang/RecordDifferenceText.h"
#include "lang/Utf8Text.h"
#include "model/RecordComparison.h"

// The open record against another one, as the desktop's File, Compare with file... and Edit, Check
// radio against this file... show it: every field in which radios written with each would differ,
// in the page's language. Neither record changes.

using emscripten::val;

namespace {

// The module's own memory file system holds the other file's bytes while the desktop's readers
// take it as a channel data file or a memory image; the page's name for it is what a refusal names.
const std::string ComparedFilePath = "/compared.Kqd";

// {refusal, equal, differences}: each difference {key, place, first, second}, `first` what the
// open record holds there.
val Comparison(const std::string& refusal, const std::vector<DifferenceText>& texts)
{
    val differences = val::array();
    for (const DifferenceText& text : texts) {
        val difference = val::object();
        difference.set("key", text.field);
        difference.set("place", text.place);
        difference.set("first", text.first);
        difference.set("second", text.second);
        differences.call<void>("push", difference);
    }
    val result = val::object();
    result.set("refusal", refusal);
    result.set("equal", refusal.empty() && texts.empty());
    result.set("differences", differences);
    return result;
}

FileResult OpenCompared(const Bytes& file, ComparedRecord& other)
{
    FileResult result = WriteFileAtomically(ComparedFilePath, file.data(), file.size());
    if (result.ok)
        result = OpenComparedFile(ComparedFilePath, other);
    unlink(ComparedFilePath.c_str());
    return result;
}

// An image holds no password, so the record's own is no difference against one.
val CompareWithFile(const RecordHandle& record, const val& file, const std::string& name, int language)
{
    const TTeskFuncs::TLangType spoken = PageLanguage(language);
    ComparedRecord other;
    FileResult opened = OpenCompared(BytesFrom(file), other);
    if (!opened.ok) {
        opened.path = name;
        return Comparison(MessageUtf8(FileMessage(opened), spoken), {});
    }
    ComparedRecord mine{record.Settings()};
    MatchPasswords(mine, other);
    return Comparison("", RecordDifferenceTexts(mine.Settings, other.Settings, spoken));
}

// `read` is what a read of the radio brought (a read transfer's result); the radio's password is
// the one it reported, none when it reported none.
val CompareWithRead(const RecordHandle& record, const RecordHandle& read, int language)
{
    RadioSettings radio = read.Settings();
    TakeRadioPassword(radio);
    return Comparison("", RecordDifferenceTexts(record.Settings(), radio, PageLanguage(language)));
}

}

EMSCRIPTEN_BINDINGS(kr_t27_compare)
{
    emscripten::function("compareWithFile", &CompareWithFile);
    emscripten::function("compareWithRead", &CompareWithRead);
}
