// Reading any text as a channel table: it is refused and changes nothing, or every channel it
// fills lies in the band on the raster, with a note for every row it leaves out; and the channels
// it filled export and import again unchanged, in both separators.
//
// Input: one byte of options (bit 0 keep locations, bit 1 tab separator, bits 2-5 first channel,
// bit 6 the VHF band), then the table's text.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "ByteReader.h"
#include "FuzzCheck.h"
#include "files/ChannelCsv.h"

namespace {

constexpr uint32_t FiveKilohertz = 5000;
constexpr uint32_t RasterStep = 6250;

ChannelCsvImportOptions OptionsOf(uint8_t bits)
{
    ChannelCsvImportOptions options;
    options.keepLocations = bits & 0x01;
    options.separator = bits & 0x02 ? CsvTab : CsvComma;
    options.firstChannel = 1 + ((bits >> 2) & 0x0F);
    if (bits & 0x40)
        options.band = BandLimits{136000000, 174000000};
    return options;
}

bool OnRaster(uint32_t hz) { return hz % FiveKilohertz == 0 || hz % RasterStep == 0; }

bool SameChannel(const ChannelRecord& a, const ChannelRecord& b)
{
    return a.RxFreq == b.RxFreq && a.TxFreq == b.TxFreq && a.OptA == b.OptA && a.OptB == b.OptB &&
           std::memcmp(a.Name, b.Name, NameCapacity) == 0 && a.DecType == b.DecType && a.DecCode == b.DecCode &&
           a.EncType == b.EncType && a.EncCode == b.EncCode;
}

void CheckFilled(const RadioSettings& s, const ChannelCsvImportOptions& options)
{
    for (unsigned i = 1; i <= ChannelCount; ++i) {
        if (!s.IsChannelUsed(i))
            continue;
        const ChannelRecord& c = s.Channel[i];
        FUZZ_REQUIRE(c.RxFreq >= options.band.BandMin && c.RxFreq <= options.band.BandMax && OnRaster(c.RxFreq));
        FUZZ_REQUIRE(c.TxFreq == 0 || (c.TxFreq >= options.band.BandMin && c.TxFreq <= options.band.BandMax));
        FUZZ_REQUIRE(OnRaster(c.TxFreq));
    }
}

void CheckRoundTrip(const RadioSettings& s, const ChannelCsvImportOptions& options)
{
    for (char separator : {CsvComma, CsvTab}) {
        ChannelCsvImportOptions again = options;
        again.keepLocations = true;
        again.separator = separator;
        RadioSettings back;
        back.ResetToDefaults();
        const ChannelCsvExport exported = ExportChannelCsv(s, separator);
        // The import fills names with GBK text only, which the export writes as held: nothing is noted,
        // and every name comes back byte for byte.
        FUZZ_REQUIRE(exported.notes.empty());
        const ChannelCsvImport outcome = ImportChannelCsv(exported.text, again, back);
        FUZZ_REQUIRE(!outcome.refused);
        for (unsigned i = 1; i <= ChannelCount; ++i) {
            FUZZ_REQUIRE(back.IsChannelUsed(i) == s.IsChannelUsed(i));
            if (s.IsChannelUsed(i))
                FUZZ_REQUIRE(SameChannel(back.Channel[i], s.Channel[i]));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ByteReader reader(data, size);
    const ChannelCsvImportOptions options = OptionsOf(reader.Byte());
    const std::vector<uint8_t> bytes = reader.Bytes(size);
    const std::string text(bytes.begin(), bytes.end());

    RadioSettings empty;
    empty.ResetToDefaults();
    RadioSettings s = empty;
    const ChannelCsvImport outcome = ImportChannelCsv(text, options, s);
    if (outcome.refused) {
        FUZZ_REQUIRE(std::memcmp(&s, &empty, sizeof s) == 0);
        return 0;
    }
    unsigned used = 0;
    for (unsigned i = 1; i <= ChannelCount; ++i)
        used += s.IsChannelUsed(i);
    FUZZ_REQUIRE(outcome.imported >= used && used <= ChannelCount);
    CheckFilled(s, options);
    CheckRoundTrip(s, options);
    return 0;
}
