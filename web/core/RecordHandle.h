#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "files/ChannelCsv.h"
#include "lang/AppLang.h"
#include "lang/FindingMessage.h"
#include "model/BandLimits.h"
#include "model/LocalClock.h"
#include "model/RadioSettings.h"

using Bytes = std::vector<uint8_t>;

// What opening a channel data file brought: nothing when it was refused (the record is then as
// it was), else what the radio could not take from it as it stands.
struct OpenedFile {
    std::string refusal;
    std::vector<FindingTexts> findings;
};

// What unpacking a memory image brought: the radio's band, or why the bytes are no image.
struct UnpackedImage {
    std::string refusal;
    BandLimits band;
};

// The report of a channel table import: why nothing was taken, or a line per row note and the
// count of channels taken.
struct ImportReport {
    std::string refusal;
    std::vector<std::string> lines;
    std::string summary;
};

// A channel table and a line for each name it could not write as the record holds it.
struct ExportedTable {
    std::string text;
    std::vector<std::string> notes;
};

// What the window shows under the channel grid, each with its caption: the last-programmed
// stamp, and the firmware and serial number the radio reported, with anything but printable
// text as "\xHH".
struct DeviceInfo {
    std::string lastProgrammedCaption;
    std::string lastProgrammed;
    std::string firmwareCaption;
    std::string firmware;
    std::string serialNumberCaption;
    std::string serialNumber;
};

// The one settings record a page edits, with the desktop's file, image and exchange rules. The
// page's files come and go as bytes; the record never touches a file of the user's. Every text is
// UTF-8 in the language given.
class RecordHandle {
public:
    // File/New: the defaults.
    RecordHandle();
    explicit RecordHandle(const RadioSettings& settings) : settings_(settings) {}

    // Opens the bytes of a channel data file named `name` the way the desktop opens a file: one
    // too short is refused and changes nothing; any other brings its first block.
    OpenedFile Open(const Bytes& file, const std::string& name, const BandLimits& band, TTeskFuncs::TLangType language);
    Bytes Save() const;

    // The whole record, its last-programmed stamp included, for an undo step; Restore takes back
    // only bytes of that size and says whether it did.
    Bytes Snapshot() const;
    bool Restore(const Bytes& snapshot);

    // The memory image a write would send, packed from a copy: the record stays as it is.
    Bytes PackImage(const BandLimits& band, const DateTimeStamp& now) const;
    // Takes a read image into the record; bytes of another size than an image are refused.
    UnpackedImage UnpackImage(const Bytes& image, const std::string& name, TTeskFuncs::TLangType language);

    std::string Json() const;
    // Nothing when the JSON was taken, else why not in English; the record is then unchanged.
    std::string ApplyJson(const std::string& json);

    ExportedTable ExportCsv(TTeskFuncs::TLangType language) const;
    ImportReport ImportCsv(const std::string& text, const ChannelCsvImportOptions& options,
                           TTeskFuncs::TLangType language);

    // The cells of channel 1..16 in the grid's column order.
    std::vector<std::string> ChannelRow(unsigned channel, TTeskFuncs::TLangType language) const;
    // What the radio could not take if written for `band`, as the list before a write shows it.
    std::vector<FindingTexts> Check(const BandLimits& band, TTeskFuncs::TLangType language) const;
    DeviceInfo Device(TTeskFuncs::TLangType language) const;

    const RadioSettings& Settings() const { return settings_; }
    RadioSettings& Settings() { return settings_; }

private:
    RadioSettings settings_;
};
