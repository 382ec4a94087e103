#include "RecordHandle.h"

#include <unistd.h>

#include "files/AtomicFile.h"
#include "files/ChannelDataFile.h"
#include "files/RecordJson.h"
#include "lang/FileMessage.h"
#include "model/MemoryImage.h"
#include "Wording.h"

namespace {

// The module's own memory file system holds the bytes while the desktop's reading rules run on
// them; the page's name for the file is what a refusal names.
const std::string OpenedFilePath = "/opened.Kqd";

std::string Refusal(FileResult result, const std::string& name)
{
    result.path = name;
    return ShownMessage(FileMessage(result));
}

}

RecordHandle::RecordHandle() { settings_.ResetToDefaults(); }

OpenedFile RecordHandle::Open(const Bytes& file, const std::string& name, const BandLimits& band)
{
    OpenedFile opened;
    FileResult result = WriteFileAtomically(OpenedFilePath, file.data(), file.size());
    if (result.ok)
        result = OpenChannelFile(OpenedFilePath, settings_);
    if (result.ok)
        opened.findings = CheckChannelFile(OpenedFilePath, settings_, band);
    else
        opened.refusal = Refusal(result, name);
    unlink(OpenedFilePath.c_str());
    return opened;
}

Bytes RecordHandle::Save() const
{
    const uint8_t* block = settings_.BlockBytes();
    return Bytes(block, block + RadioSettingsBlockSize);
}

Bytes RecordHandle::PackImage(const BandLimits& band, const DateTimeStamp& now) const
{
    RadioSettings packed = settings_;
    MemoryImage image{};
    GetDataForWrite(packed, band, now, image);
    return Bytes(image.begin(), image.end());
}

UnpackedImage RecordHandle::UnpackImage(const Bytes& image, const std::string& name)
{
    UnpackedImage unpacked;
    if (image.size() != MemoryImageSize) {
        unpacked.refusal =
            Refusal(FileResult::WrongSize(FileProblem::ImageWrongSize, name, image.size(), MemoryImageSize), name);
        return unpacked;
    }
    MemoryImage read{};
    std::copy(image.begin(), image.end(), read.begin());
    SetDataToSoftware(read, settings_, unpacked.band);
    return unpacked;
}

std::string RecordHandle::Json() const { return RecordJson(settings_); }

std::string RecordHandle::ApplyJson(const std::string& json) { return ApplyRecordJson(json, settings_).value_or(""); }

ChannelCsvExport RecordHandle::ExportCsv() const { return ExportChannelCsv(settings_); }

ChannelCsvImport RecordHandle::ImportCsv(const std::string& text, const ChannelCsvImportOptions& options)
{
    return ImportChannelCsv(text, options, settings_);
}

std::vector<RecordFinding> RecordHandle::Check(const BandLimits& band) const { return CheckRecord(settings_, band); }
