#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "files/ChannelCsv.h"
#include "model/BandLimits.h"
#include "model/LocalClock.h"
#include "model/RadioSettings.h"
#include "model/RecordCheck.h"

using Bytes = std::vector<uint8_t>;

// What opening a channel data file brought: nothing when it was refused (the record is then as
// it was), else what the radio could not take from it as it stands.
struct OpenedFile {
    std::string refusal;  // in the page's language, naming the file
    std::vector<RecordFinding> findings;
};

// What unpacking a memory image brought: the radio's band, or why the bytes are no image.
struct UnpackedImage {
    std::string refusal;
    BandLimits band;
};

// The one settings record a page edits, with the desktop's file, image and exchange rules. The
// page's files come and go as bytes; the record never touches a file of the user's.
class RecordHandle {
public:
    // File/New: the defaults.
    RecordHandle();
    explicit RecordHandle(const RadioSettings& settings) : settings_(settings) {}

    // Opens the bytes of a channel data file named `name` the way the desktop opens a file: one
    // too short is refused and changes nothing; any other brings its first block.
    OpenedFile Open(const Bytes& file, const std::string& name, const BandLimits& band);
    Bytes Save() const;

    // The memory image a write would send, packed from a copy: the record stays as it is.
    Bytes PackImage(const BandLimits& band, const DateTimeStamp& now) const;
    // Takes a read image into the record; bytes of another size than an image are refused.
    UnpackedImage UnpackImage(const Bytes& image, const std::string& name);

    std::string Json() const;
    // Nothing when the JSON was taken, else why not in English; the record is then unchanged.
    std::string ApplyJson(const std::string& json);

    ChannelCsvExport ExportCsv() const;
    ChannelCsvImport ImportCsv(const std::string& text, const ChannelCsvImportOptions& options);

    std::vector<RecordFinding> Check(const BandLimits& band) const;

    const RadioSettings& Settings() const { return settings_; }

private:
    RadioSettings settings_;
};
