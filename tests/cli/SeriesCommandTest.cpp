#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <sstream>

#include <sys/stat.h>

#include "CliRunner.h"
#include "FileContents.h"
#include "QuickRadio.h"
#include "RadioProcess.h"
#include "ScratchDir.h"
#include "cli/ExitCodes.h"
#include "files/ChannelDataFile.h"
#include "model/DtmfDigits.h"

namespace {

const std::string FirstSerial = "20260504";
constexpr const char* SwapSilence = "300";

struct Written {
    std::string serial;
    std::string pttId;
    std::string ani;
};

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == ',')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

Written IdsIn(const MemoryImage& image, const std::string& serial)
{
    RadioSettings settings;
    settings.ResetToDefaults();
    BandLimits band;
    SetDataToSoftware(image, settings, band);
    return {serial, DtmfText(settings.PttId, DtmfCodeCapacity, settings.PttIdLength),
            DtmfText(settings.Ani, DtmfCodeCapacity, settings.AniLength)};
}

MemoryImage MemoryIn(const std::string& path)
{
    const std::vector<uint8_t> bytes = ReadAllBytes(path);
    MemoryImage image{};
    EXPECT_EQ(bytes.size(), image.size()) << path;
    std::copy(bytes.begin(), bytes.begin() + std::ptrdiff_t(std::min(bytes.size(), image.size())), image.begin());
    return image;
}

class SeriesCommand : public testing::Test {
protected:
    // A first radio and the ones given as SERIAL[:MEMORY] after it, on each of `cables` links.
    void StartRadios(const std::vector<std::string>& next, const RadioArgs& extra = {}, size_t cables = 1)
    {
        RadioArgs args = QuickRadioWith({"--swap-silence", SwapSilence});
        args.insert(args.end(), extra.begin(), extra.end());
        for (const std::string& radio : next)
            args.insert(args.end(), {"--next-radio", radio});
        radio_ = std::make_unique<RadioProcess>(args, nullptr, cables);
    }

    CliRun WriteSeries(const std::string& radios, const std::vector<std::string>& extra = {})
    {
        RadioSettings record;
        record.ResetToDefaults();
        StoreDtmfText("0199", record.PttId, DtmfCodeCapacity, record.PttIdLength);
        StoreDtmfText("57", record.Ani, DtmfCodeCapacity, record.AniLength);
        EXPECT_TRUE(SaveChannelFile(file_, record).ok);
        std::vector<std::string> args = {"write", file_, "--band-limits", std::to_string(RadioBand.BandMin),
                                         std::to_string(RadioBand.BandMax), "--radios", radios, "--log", log_};
        for (const std::string& link : radio_->LinkPaths())
            args.insert(args.end(), {"--port", link});
        if (fast_)
            args.push_back("--fast");
        args.insert(args.end(), extra.begin(), extra.end());
        return RunCli(args);
    }

    // Every field of each row, after the header.
    std::vector<std::vector<std::string>> LogFields() const
    {
        const std::vector<std::string> lines = Lines(ReadAll(log_));
        EXPECT_FALSE(lines.empty());
        EXPECT_EQ(lines.empty() ? "" : lines[0],
                  "time,serial,firmware,band_min,band_max,file,record_sha256,ptt_id,ani,outcome,verify,port,ids_row");
        std::vector<std::vector<std::string>> rows;
        for (size_t i = 1; i < lines.size(); ++i) {
            rows.push_back(Fields(lines[i]));
            EXPECT_EQ(rows.back().size(), 13u) << lines[i];
            rows.back().resize(13);
        }
        return rows;
    }

    // The serial, outcome and IDs of each row.
    std::vector<std::vector<std::string>> LogRows() const
    {
        std::vector<std::vector<std::string>> rows;
        for (const std::vector<std::string>& f : LogFields())
            rows.push_back({f[1], f[9], f[7], f[8], f[10]});
        return rows;
    }

    ScratchDir dir_;
    const std::string file_ = dir_.File("fleet.Kqd");
    const std::string log_ = dir_.File("programming-log.csv");
    std::unique_ptr<RadioProcess> radio_;
    bool fast_ = true;
};

TEST_F(SeriesCommand, EachRadioOfTheSeriesGetsItsOwnIdsAndALogRow)
{
    const std::string second = dir_.File("second.mem"), third = dir_.File("third.mem");
    StartRadios({"20260505:" + second, "20260506:" + third}, {"--sessions-per-radio", "2"});

    const CliRun run = WriteSeries("3", {"--increment-ids", "--verify"});

    ASSERT_EQ(run.status, ExitSuccess) << run.err;
    const std::vector<std::vector<std::string>> expected = {
        {FirstSerial, "written", "0199", "57", "match"},
        {"20260505", "written", "0200", "58", "match"},
        {"20260506", "written", "0201", "59", "match"},
    };
    EXPECT_EQ(LogRows(), expected);
    EXPECT_NE(run.err.find("Radio 1 done (serial 20260504). Connect the next radio."), std::string::npos) << run.err;
    const Written held[] = {IdsIn(MemoryIn(second), "20260505"), IdsIn(MemoryIn(third), "20260506"),
                            IdsIn(radio_->StopAndReadMemory(), FirstSerial)};
    EXPECT_EQ(held[0].pttId + "/" + held[0].ani, "0200/58");
    EXPECT_EQ(held[1].pttId + "/" + held[1].ani, "0201/59");
    EXPECT_EQ(held[2].pttId + "/" + held[2].ani, "0199/57");
}

TEST_F(SeriesCommand, ASerialNumberHoldingControlCharactersIsLoggedAndPrintedEscaped)
{
    StartRadios({"20260505"}, {"--serial-bytes", "1b5b324a3132"});

    const CliRun run = WriteSeries("2");

    ASSERT_EQ(run.status, ExitSuccess) << run.err;
    const std::vector<std::vector<std::string>> rows = LogRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][0], "\\x1b[2J12");
    EXPECT_EQ(run.err.find('\x1b'), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("(serial \\x1b[2J12)"), std::string::npos) << run.err;
}

// The radio just written answering again is let go until another serial number answers.
TEST_F(SeriesCommand, TheSameRadioAnsweringAgainIsNotCounted)
{
    StartRadios({FirstSerial, "20260507:" + dir_.File("next.mem")});

    const CliRun run = WriteSeries("2");

    ASSERT_EQ(run.status, ExitSuccess) << run.err;
    const std::vector<std::vector<std::string>> rows = LogRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][0], FirstSerial);
    EXPECT_EQ(rows[1][0], "20260507");
    EXPECT_NE(run.err.find("answered again (serial 20260504): waiting for the next radio."), std::string::npos) << run.err;
}

TEST_F(SeriesCommand, AFailedRadioIsLoggedAndEndsTheSeries)
{
    const std::string locked = dir_.File("locked.mem");
    const MemoryImage lockedMemory = RadioProcess::MemoryAtStart(QuickRadioWith({"--password", "1234"}), MemoryImage{});
    WriteAll(locked, std::vector<uint8_t>(lockedMemory.begin(), lockedMemory.end()));
    StartRadios({"20260508:" + locked, "20260509:" + dir_.File("never.mem")});

    const CliRun run = WriteSeries("3");

    EXPECT_EQ(run.status, ExitPasswordError) << run.err;
    const std::vector<std::vector<std::string>> rows = LogRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][1], "written");
    EXPECT_EQ(rows[1][0], "20260508");
    EXPECT_EQ(rows[1][1], "password error");
}

// On the default schedule the radio just written, still on the line, is in its handshake for two
// seconds of every three, so the wait mostly runs out while it is being let go.
TEST_F(SeriesCommand, ANextRadioThatNeverComesEndsTheWaitAfterLogging)
{
    StartRadios({});
    fast_ = false;

    const CliRun run = WriteSeries("2", {"--wait-seconds", "2"});

    EXPECT_EQ(run.status, ExitCommunicationFailure) << run.err;
    EXPECT_EQ(LogRows().size(), 1u);
    const std::vector<std::string> said = Lines(run.err);
    ASSERT_FALSE(said.empty());
    EXPECT_EQ(said.back(), "kr-t27-cli: No next radio answered within 2 s.") << run.err;
}

TEST_F(SeriesCommand, ALogThatCannotBeWrittenIsRefusedBeforeAnythingIsSent)
{
    StartRadios({});
    ASSERT_EQ(mkfifo(log_.c_str(), 0600), 0);

    const CliRun run = WriteSeries("2");

    EXPECT_EQ(run.status, ExitUsageOrFile) << run.err;
    EXPECT_EQ(run.out, "") << "no radio was written";
    EXPECT_NE(run.err.find("The programming log could not be written"), std::string::npos) << run.err;
}

TEST_F(SeriesCommand, IdsThatCannotBeIncreasedAreRefusedBeforeAnythingIsSent)
{
    StartRadios({});
    const CliRun tooMany = WriteSeries("50", {"--increment-ids"});
    EXPECT_EQ(tooMany.status, ExitUsageOrFile);
    EXPECT_NE(tooMany.err.find("ANI \"57\" has too few digits for 50 radios."), std::string::npos) << tooMany.err;
    EXPECT_FALSE(FileExists(log_));
}

// Radio k of the job gets the k-th codes whichever cable it is on; every row names its cable.
TEST_F(SeriesCommand, SeveralCablesAtOnceShareTheJobsNumbersAndItsLog)
{
    for (size_t cables : {2u, 4u}) {
        StartRadios({"20260505"}, {}, cables);
        std::remove(log_.c_str());

        const CliRun run = WriteSeries(std::to_string(2 * cables), {"--increment-ids"});

        ASSERT_EQ(run.status, ExitSuccess) << run.err;
        std::set<std::string> codes, serials;
        std::map<std::string, int> radiosOn;
        for (const std::vector<std::string>& f : LogFields()) {
            EXPECT_EQ(f[9], "written");
            codes.insert(f[7]);
            serials.insert(f[1]);
            ++radiosOn[f[11]];
        }
        EXPECT_EQ(codes.size(), 2 * cables) << "no code twice";
        EXPECT_EQ(*codes.begin(), "0199");
        EXPECT_EQ(serials.size(), 2 * cables);
        for (const std::string& link : radio_->LinkPaths())
            EXPECT_EQ(radiosOn[link], 2) << link;
        EXPECT_NE(run.out.find(radio_->LinkPaths().back() + ": Radio "), std::string::npos) << run.out;
    }
}

TEST_F(SeriesCommand, ARadioThatFailsOnOneCableLeavesTheOthersWriting)
{
    const std::string second = dir_.File("second.mem");
    const MemoryImage locked = RadioProcess::MemoryAtStart(QuickRadioWith({"--password", "1234"}), MemoryImage{});
    WriteAll(dir_.File("second-1.mem"), std::vector<uint8_t>(locked.begin(), locked.end()));
    StartRadios({"20260505:" + second, "20260506"}, {}, 2);

    const CliRun run = WriteSeries("5");

    EXPECT_EQ(run.status, ExitPasswordError) << run.err;
    std::map<std::string, std::vector<std::string>> outcomesOn;
    for (const std::vector<std::string>& f : LogFields())
        outcomesOn[f[11]].push_back(f[9]);
    const std::vector<std::string> firstCable = {"written", "written", "written"};
    const std::vector<std::string> secondCable = {"written", "password error"};
    EXPECT_EQ(outcomesOn[radio_->LinkPaths()[0]], firstCable) << run.err;
    EXPECT_EQ(outcomesOn[radio_->LinkPaths()[1]], secondCable) << run.err;
}

// A radio's serial row wins over its place; a table with a problem is refused before any radio.
TEST_F(SeriesCommand, EachRadioTakesItsRowOfTheIdentityTable)
{
    const std::string ids = dir_.File("ids.csv");
    WriteAll(ids, "serial,slot,ptt_id,ani\r\n,1,0555,\r\n20260505,,0777,1\r\n,3,0999,\r\n");
    StartRadios({"20260505", "20260506"});

    const CliRun run = WriteSeries("3", {"--ids", ids});

    ASSERT_EQ(run.status, ExitSuccess) << run.err;
    std::vector<std::vector<std::string>> got;
    for (const std::vector<std::string>& f : LogFields())
        got.push_back({f[1], f[7], f[8], f[12]});
    const std::vector<std::vector<std::string>> expected = {
        {FirstSerial, "0555", "57", "2"}, {"20260505", "0777", "1", "3"}, {"20260506", "0999", "57", "4"}};
    EXPECT_EQ(got, expected);

    std::remove(log_.c_str());
    WriteAll(ids, "serial,ptt_id\n1001,12\n1002,1X\n");
    const CliRun refused = WriteSeries("3", {"--ids", ids});
    EXPECT_EQ(refused.status, ExitUsageOrFile);
    EXPECT_NE(refused.err.find("ids.csv line 3: "), std::string::npos) << refused.err;
    EXPECT_FALSE(FileExists(log_));
}

}
