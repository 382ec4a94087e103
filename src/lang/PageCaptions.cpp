#include "lang/PageCaptions.h"

#include "lang/TextEntries.h"

namespace {

constexpr const char* DtmfPageCaption = "DTMF";

}

std::string EditorPageCaption(EditorPage page, TTeskFuncs::TLangType language)
{
    switch (page) {
    case EditorPage::Channels:
        return EntryText(TextEntry::ChannelInformation, language);
    case EditorPage::Options:
        return EntryText(TextEntry::OptionalFeatures, language);
    case EditorPage::Dtmf:
        break;
    case EditorPage::Keys:
        return EntryText(TextEntry::KeyAssignment, language);
    }
    return DtmfPageCaption;
}
