#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>

#include <QCryptographicHash>

#include "CliRunner.h"
#include "FileContents.h"
#include "RandomRecord.h"
#include "ScratchDir.h"

// The command line's outputs of many random records, pinned by their hashes: a change of how the
// program words a record shows here, whichever unit it moved to. After a change made on purpose,
// tools/output-fingerprints.sh writes the file anew.

namespace {

constexpr uint32_t RecordCount = 200;
constexpr size_t ShownHexDigits = 16;
const char* const WriteVariable = "KR_WRITE_OUTPUT_FINGERPRINTS";

// Texts the GBK decoders of every platform read alike: ASCII (control characters, quotes and
// backslashes included) and the first level of GB2312's Chinese characters.
constexpr uint8_t HanziLeadFirst = 0xB0, HanziLeadLast = 0xD6, HanziTrailFirst = 0xA1, HanziTrailLast = 0xFE;
constexpr uint8_t AsciiLast = 0x7F;

void RandomText(std::mt19937& random, uint8_t* bytes, size_t size)
{
    std::memset(bytes, 0, size);
    const size_t length = random() % (size + 1);
    for (size_t i = 0; i < length; ++i) {
        if (i + 1 < length && random() % 2) {
            bytes[i++] = uint8_t(HanziLeadFirst + random() % (HanziLeadLast - HanziLeadFirst + 1));
            bytes[i] = uint8_t(HanziTrailFirst + random() % (HanziTrailLast - HanziTrailFirst + 1));
        } else {
            bytes[i] = uint8_t(1 + random() % AsciiLast);
        }
    }
}

void FillRandom(std::mt19937& random, uint8_t* bytes, size_t size)
{
    for (size_t i = 0; i < size; ++i)
        bytes[i] = uint8_t(random());
}

void RandomInfo(std::mt19937& random, RadioInfo& info)
{
    FillRandom(random, info.ModelIdent, sizeof info.ModelIdent);
    FillRandom(random, info.ReportedPassword, sizeof info.ReportedPassword);
    info.BandMin = uint32_t(random());
    info.BandMax = uint32_t(random());
}

// A random record whose texts are GBK and whose handshake fields are set as well.
RadioSettings FingerprintRecord(uint32_t seed)
{
    RadioSettings s = RandomRecord(seed);
    std::mt19937 random(seed);
    for (unsigned n = 1; n <= ChannelCount; ++n)
        RandomText(random, s.Channel[n].Name, NameCapacity);
    for (unsigned k = 1; k <= AddrBookEntryCount; ++k)
        RandomText(random, s.Entry(k).EntryName, NameCapacity);
    RandomText(random, s.DeviceSn, DeviceSnSize);
    RandomText(random, s.SoftwareVersion, SoftwareVersionFieldSize);
    RandomText(random, s.Password, PasswordFieldSize);
    RandomText(random, s.NewPassword, PasswordFieldSize);
    RandomInfo(random, s.WriteRadioInfo);
    RandomInfo(random, s.ReadRadioInfo);
    return s;
}

std::string Fingerprint(const std::string& output)
{
    const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(output), QCryptographicHash::Sha256);
    return hash.toHex().left(ShownHexDigits).toStdString();
}

// One line per record: its seed, then the fingerprints of dump --json, dump --lang 0, 1 and 2, and
// export-csv.
std::string FingerprintLine(uint32_t seed, const ScratchDir& dir)
{
    const RadioSettings s = FingerprintRecord(seed);
    const std::string record = dir.File("record.Kqd");
    WriteAll(record, std::string(reinterpret_cast<const char*>(s.BlockBytes()), RadioSettingsBlockSize));
    std::string line = std::to_string(seed);
    const std::vector<std::string> dumps[] = {
        {"dump", record, "--json"}, {"dump", record, "--lang", "0"}, {"dump", record, "--lang", "1"},
        {"dump", record, "--lang", "2"}};
    for (const auto& args : dumps) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 0) << seed << " " << args.back() << ": " << run.err;
        line += " " + Fingerprint(run.out);
    }
    const std::string csv = dir.File("record.csv");
    const CliRun run = RunCli({"export-csv", record, "--out", csv});
    EXPECT_EQ(run.status, 0) << seed << " export-csv: " << run.err;
    return line + " " + Fingerprint(ReadAll(csv));
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#')
            lines.push_back(line);
    return lines;
}

}

TEST(CliOutputFingerprints, DumpsAndCsvOfRandomRecordsAreAsPinned)
{
    ScratchDir dir;
    std::vector<std::string> lines;
    for (uint32_t seed = 1; seed <= RecordCount; ++seed)
        lines.push_back(FingerprintLine(seed, dir));

    if (std::getenv(WriteVariable)) {
        std::ofstream out(KR_OUTPUT_FINGERPRINTS);
        out << "# seed, then SHA-256 (first " << ShownHexDigits
            << " hex digits) of: dump --json, dump --lang 0, 1, 2, export-csv\n";
        for (const std::string& line : lines)
            out << line << '\n';
        ASSERT_TRUE(out.good()) << KR_OUTPUT_FINGERPRINTS;
        return;
    }
    const std::vector<std::string> pinned = Lines(ReadAll(KR_OUTPUT_FINGERPRINTS));
    ASSERT_EQ(pinned.size(), lines.size()) << KR_OUTPUT_FINGERPRINTS;
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], pinned[i]) << "record of seed " << i + 1;
}
