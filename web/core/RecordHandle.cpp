#include "RecordHandle.h"

#include <unistd.h>

#include <algorithm>

#include "files/AtomicFile.h"
#include "files/ChannelDataFile.h"
#include "files/RecordJson.h"
#include "lang/ChannelTexts.h"
#include "lang/CsvReportText.h"
#include "lang/DeviceInfoText.h"
#include "lang/FileMessage.h"
#include "lang/JsonRefusalMessage.h"
#include "lang/Utf8Text.h"
#include "model/MemoryImage.h"
#include "text/PrintableText.h"

namespace {

// The module's own memory file system holds the bytes while the desktop's reading rules run on
// them; the page's name for the file is what a refusal names.
const std::string OpenedFilePath = "/opened.Kqd";

std::string Refusal(FileResult result, const std::string& name, TTeskFuncs::TLangType language)
{
    result.path = name;
    return MessageUtf8(FileMessage(result), language);
}

std::vector<FindingTexts> Worded(const std::vector<RecordFinding>& findings, TTeskFuncs::TLangType language)
{
    std::vector<FindingTexts> worded;
    for (const RecordFinding& finding : findings)
        worded.push_back(FindingUtf8(finding, language));
    return worded;
}

template <size_t N>
std::string ReportedText(const uint8_t (&field)[N])
{
    return PrintableText(FieldText(field, N));
}

}

RecordHandle::RecordHandle() { settings_.ResetToDefaults(); }

OpenedFile RecordHandle::Open(const Bytes& file, const std::string& name, const BandLimits& band,
                              TTeskFuncs::TLangType language)
{
    OpenedFile opened;
    FileResult result = WriteFileAtomically(OpenedFilePath, file.data(), file.size());
    if (result.ok)
        result = OpenChannelFile(OpenedFilePath, settings_);
    if (result.ok)
        opened.findings = Worded(CheckChannelFile(OpenedFilePath, settings_, band), language);
    else
        opened.refusal = Refusal(result, name, language);
    unlink(OpenedFilePath.c_str());
    return opened;
}

Bytes RecordHandle::Save() const
{
    const uint8_t* block = settings_.BlockBytes();
    return Bytes(block, block + RadioSettingsBlockSize);
}

Bytes RecordHandle::Snapshot() const
{
    const uint8_t* bytes = settings_.BlockBytes();
    return Bytes(bytes, bytes + sizeof settings_);
}

bool RecordHandle::Restore(const Bytes& snapshot)
{
    if (snapshot.size() != sizeof settings_)
        return false;
    std::copy(snapshot.begin(), snapshot.end(), settings_.BlockBytes());
    return true;
}

Bytes RecordHandle::PackImage(const BandLimits& band, const DateTimeStamp& now) const
{
    RadioSettings packed = settings_;
    MemoryImage image{};
    GetDataForWrite(packed, band, now, image);
    return Bytes(image.begin(), image.end());
}

UnpackedImage RecordHandle::UnpackImage(const Bytes& image, const std::string& name, TTeskFuncs::TLangType language)
{
    UnpackedImage unpacked;
    if (image.size() != MemoryImageSize) {
        const auto wrongSize = FileResult::WrongSize(FileProblem::ImageWrongSize, name, image.size(), MemoryImageSize);
        unpacked.refusal = Refusal(wrongSize, name, language);
        return unpacked;
    }
    MemoryImage read{};
    std::copy(image.begin(), image.end(), read.begin());
    SetDataToSoftware(read, settings_, unpacked.band);
    return unpacked;
}

std::string RecordHandle::Json() const { return RecordJson(settings_); }

std::string RecordHandle::ApplyJson(const std::string& json, TTeskFuncs::TLangType language)
{
    const auto refusal = ApplyRecordJson(json, settings_);
    return refusal ? MessageUtf8(JsonRefusalMessage(*refusal), language) : std::string();
}

ExportedTable RecordHandle::ExportCsv(TTeskFuncs::TLangType language) const
{
    ChannelCsvExport exported = ExportChannelCsv(settings_);
    ExportedTable table{std::move(exported.text), {}};
    for (const CsvNameNote& note : exported.notes)
        table.notes.push_back(MessageUtf8(CsvNameNoteMessage(note), language));
    return table;
}

ImportReport RecordHandle::ImportCsv(const std::string& text, const ChannelCsvImportOptions& options,
                                     TTeskFuncs::TLangType language)
{
    const ChannelCsvImport outcome = ImportChannelCsv(text, options, settings_);
    if (outcome.refused)
        return {MessageUtf8({MessageId::CsvNoFrequencyColumn}, language), {}, {}};
    return {{}, CsvImportReportLines(outcome, language),
            MessageUtf8({MessageId::CsvImported, {std::to_string(outcome.imported)}}, language)};
}

std::vector<std::string> RecordHandle::ChannelRow(unsigned channel, TTeskFuncs::TLangType language) const
{
    return ChannelRowTexts(settings_, channel, language);
}

std::vector<FindingTexts> RecordHandle::Check(const BandLimits& band, TTeskFuncs::TLangType language) const
{
    return Worded(CheckRecord(settings_, band), language);
}

DeviceInfo RecordHandle::Device(TTeskFuncs::TLangType language) const
{
    return {EntryUtf8(TextEntry::LastProgramDate, language), LastWriteText(settings_),
            EntryUtf8(TextEntry::FirmwareVersion, language), ReportedText(settings_.SoftwareVersion),
            EntryUtf8(TextEntry::SerialNumber, language),    ReportedText(settings_.DeviceSn)};
}
