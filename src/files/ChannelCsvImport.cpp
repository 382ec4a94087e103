#include "files/ChannelCsv.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <optional>

#include "files/ChannelCsvFormat.h"
#include "files/CsvTones.h"
#include "files/MegahertzText.h"
#include "model/ChannelFields.h"
#include "model/ChannelRules.h"
#include "model/Frequency.h"
#include "text/GbkEncoding.h"

namespace {

constexpr char Replacement = '?';

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    const size_t last = text.find_last_not_of(" \t");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

bool SameWord(const std::string& a, const char* b)
{
    return a.size() == std::strlen(b) &&
           std::equal(a.begin(), a.end(), b, [](char x, char y) { return std::tolower(uint8_t(x)) == std::tolower(uint8_t(y)); });
}

// Where each known column stands in the table; a column the table lacks reads as empty.
class ColumnMap {
public:
    explicit ColumnMap(const CsvRecord& header)
    {
        for (size_t i = 0; i < header.fields.size(); ++i)
            for (size_t c = 0; c < CsvColumnCount; ++c)
                if (!index_[c] && SameWord(Trimmed(header.fields[i]), CsvColumnNames[c]))
                    index_[c] = i;
    }

    bool Has(CsvColumn column) const { return index_[column].has_value(); }

    std::string Field(const CsvRecord& row, CsvColumn column) const
    {
        const auto& i = index_[column];
        return i && *i < row.fields.size() ? Trimmed(row.fields[*i]) : std::string();
    }

private:
    std::array<std::optional<size_t>, CsvColumnCount> index_;
};

template <size_t N>
std::optional<uint8_t> IndexOfText(const char* const (&texts)[N], const std::string& text)
{
    for (size_t i = 0; i < N; ++i)
        if (SameWord(text, texts[i]))
            return uint8_t(i);
    return std::nullopt;
}

// The UTF-8 characters of a text; a byte that starts no character stands alone.
std::vector<std::string> Characters(const std::string& utf8)
{
    std::vector<std::string> characters;
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = uint8_t(utf8[i]);
        const size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        characters.push_back(utf8.substr(i, length));
        i += std::min(length, utf8.size() - i);
    }
    return characters;
}

struct FittedName {
    std::string gbk;
    bool cut = false;
    bool replaced = false;
};

// Whole characters only: one that would not fit ends the name.
FittedName FitName(const std::string& utf8)
{
    FittedName name;
    for (const std::string& character : Characters(utf8)) {
        // A zero byte would end the name in the record.
        std::optional<std::string> gbk = character == std::string(1, '\0') ? std::nullopt : TryUtf8ToGbk(character);
        if (!gbk || gbk->empty()) {
            gbk = std::string(1, Replacement);
            name.replaced = true;
        }
        if (name.gbk.size() + gbk->size() > NameCapacity) {
            name.cut = true;
            break;
        }
        name.gbk += *gbk;
    }
    // A cut can leave a blank at the end, which a table field would not keep. A blank is never
    // part of a two-byte GBK character.
    while (name.cut && !name.gbk.empty() && name.gbk.back() == ' ')
        name.gbk.pop_back();
    return name;
}

// Watts are read with the same exact decimal reading as megahertz, in millionths.
std::optional<double> WattsOf(std::string text)
{
    if (!text.empty() && (text.back() == 'W' || text.back() == 'w'))
        text.pop_back();
    const auto micro = ParseMegahertz(text);
    if (text.empty() || !micro)
        return std::nullopt;
    constexpr double MicroPerUnit = 1e6;
    return *micro / MicroPerUnit;
}

// The nearest of the three levels, a tie going to the higher one.
uint8_t PowerOfWatts(double watts)
{
    if (watts >= HighMidBoundaryWatts)
        return PowerHigh;
    return watts >= MidLowBoundaryWatts ? PowerMid : PowerLow;
}

// What a row asks of a channel, read and checked before any channel is given to it.
struct CsvChannel {
    uint32_t rx = 0;
    uint32_t tx = 0;
    ChannelTones tones;
    bool wide = true;
    uint8_t power = PowerHigh;
    bool scanAdd = true;
    uint8_t busyLock = BusyOff;
    bool dtmf = false;
    std::optional<uint8_t> squelchMode;
    std::string name;
};

class RowReader {
public:
    RowReader(const ColumnMap& columns, const CsvRecord& row, const BandLimits& band)
        : columns_(columns), row_(row), band_(band)
    {
    }

    // The channel, or nothing with the one note that says why the row is left out.
    std::optional<CsvChannel> Read()
    {
        CsvChannel ch;
        if (!Frequencies(ch) || !Mode(ch))
            return std::nullopt;
        Tones(ch);
        Choices(ch);
        Name(ch);
        return ch;
    }

    const std::vector<CsvRowNote>& Notes() const { return notes_; }

private:
    std::string Field(CsvColumn column) const { return columns_.Field(row_, column); }
    std::string Named(CsvColumn column) const { return std::string(CsvColumnNames[column]) + "=" + Field(column); }

    void Note(CsvRowIssue issue, std::string detail) { notes_.push_back({row_.line, issue, std::move(detail)}); }

    bool LeaveOut(CsvRowIssue issue, std::string detail)
    {
        notes_.clear();
        Note(issue, std::move(detail));
        return false;
    }

    bool InBand(uint32_t hz) const { return hz >= band_.BandMin && hz <= band_.BandMax; }

    std::optional<uint32_t> TransmitFrequency(uint32_t rx)
    {
        const std::string duplex = Field(ColDuplex);
        if (SameWord(duplex, DuplexOff))
            return 0u;
        if (duplex.empty())
            return rx;
        const bool plus = duplex == DuplexPlus;
        const bool minus = duplex == DuplexMinus;
        const bool split = SameWord(duplex, DuplexSplit);
        if (!plus && !minus && !split) {
            Note(CsvRowIssue::ValueIgnored, Named(ColDuplex));
            return rx;
        }
        const auto offset = ParseMegahertz(Field(ColOffset));
        if (!offset || (minus && *offset > rx) || (plus && uint64_t(rx) + *offset > UINT32_MAX))
            return std::nullopt;
        return split ? *offset : plus ? rx + *offset : rx - *offset;
    }

    bool Frequencies(CsvChannel& ch)
    {
        const std::string text = Field(ColFrequency);
        const auto rx = text.empty() ? std::nullopt : ParseMegahertz(text);
        if (!rx)
            return LeaveOut(CsvRowIssue::BadFrequency, Named(ColFrequency));
        const auto tx = TransmitFrequency(*rx);
        if (!tx)
            return LeaveOut(CsvRowIssue::BadFrequency, Named(ColDuplex) + ", " + Named(ColOffset));
        for (uint32_t hz : {*rx, *tx})
            if (hz != 0 && !InBand(hz))
                return LeaveOut(CsvRowIssue::OutsideBand, MegahertzText(hz));
        if (*rx == 0)
            return LeaveOut(CsvRowIssue::OutsideBand, MegahertzText(0));
        ch.rx = Snapped(*rx);
        // A simplex row has one frequency, so one note.
        ch.tx = *tx == 0 ? 0 : *tx == *rx ? ch.rx : Snapped(*tx);
        return true;
    }

    uint32_t Snapped(uint32_t hz)
    {
        const uint32_t snapped = SnapFrequencyInBand(hz, band_);
        if (snapped != hz)
            Note(CsvRowIssue::FrequencyRounded, MegahertzText(hz) + " -> " + MegahertzText(snapped));
        return snapped;
    }

    bool Mode(CsvChannel& ch)
    {
        const std::string mode = Field(ColMode);
        if (mode.empty())
            return true;
        if (!SameWord(mode, ModeWide) && !SameWord(mode, ModeNarrow))
            return LeaveOut(CsvRowIssue::ModeNotFm, mode);
        ch.wide = SameWord(mode, ModeWide);
        return true;
    }

    void Tones(CsvChannel& ch)
    {
        CsvToneColumns columns;
        columns.tone = Field(ColTone);
        const std::pair<CsvColumn, std::string*> given[] = {
            {ColRToneFreq, &columns.rToneFreq},   {ColCToneFreq, &columns.cToneFreq},
            {ColDtcsCode, &columns.dtcsCode},     {ColDtcsPolarity, &columns.dtcsPolarity},
            {ColRxDtcsCode, &columns.rxDtcsCode}, {ColCrossMode, &columns.crossMode},
        };
        for (const auto& [column, value] : given)
            if (columns_.Has(column))
                *value = Field(column);
        const CsvToneReading reading = TonesOf(columns);
        if (reading.issue)
            Note(*reading.issue, reading.detail);
        ch.tones = reading.tones;
    }

    template <size_t N>
    std::optional<uint8_t> Choice(CsvColumn column, const char* const (&texts)[N])
    {
        const std::string text = Field(column);
        if (text.empty())
            return std::nullopt;
        const auto index = IndexOfText(texts, text);
        if (!index)
            Note(CsvRowIssue::ValueIgnored, Named(column));
        return index;
    }

    void Choices(CsvChannel& ch)
    {
        const std::string skip = Field(ColSkip);
        if (SameWord(skip, SkipScan))
            ch.scanAdd = false;
        else if (!skip.empty() && !SameWord(skip, SkipPriority))
            Note(CsvRowIssue::ValueIgnored, Named(ColSkip));

        if (const std::string power = Field(ColPower); !power.empty()) {
            if (const auto watts = WattsOf(power))
                ch.power = PowerOfWatts(*watts);
            else
                Note(CsvRowIssue::ValueIgnored, Named(ColPower));
        }
        ch.busyLock = Choice(ColBusyLock, BusyLockTexts).value_or(BusyOff);
        constexpr const char* DtmfTexts[] = {DtmfOffText, DtmfOnText};
        ch.dtmf = Choice(ColDtmf, DtmfTexts).value_or(0) != 0;
        ch.squelchMode = Choice(ColSquelchMode, SquelchModeTexts);
    }

    void Name(CsvChannel& ch)
    {
        const FittedName name = FitName(Field(ColName));
        ch.name = name.gbk;
        const std::string kept = GbkToUtf8(name.gbk);
        if (name.cut)
            Note(CsvRowIssue::NameCut, kept);
        if (name.replaced)
            Note(CsvRowIssue::NameCharactersReplaced, kept);
    }

    const ColumnMap& columns_;
    const CsvRecord& row_;
    const BandLimits& band_;
    std::vector<CsvRowNote> notes_;
};

void StoreChannel(const CsvChannel& ch, ChannelRecord& record)
{
    record.RxFreq = ch.rx;
    FillNewChannel(record);
    record.TxFreq = ch.tx;
    record.EncType = ch.tones.encType;
    record.EncCode = ch.tones.encCode;
    record.DecType = ch.tones.decType;
    record.DecCode = ch.tones.decCode;
    record.SetBandwidth(ch.wide);
    record.SetPower(ch.power);
    record.SetScanAdd(ch.scanAdd);
    record.SetBusyLock(ch.busyLock);
    record.SetDtmf(ch.dtmf);
    const bool receiveTone = ch.tones.decType != ToneNone;
    record.SetChSquelchMode(ch.squelchMode.value_or(receiveTone ? SquelchTone : SquelchCarrier));
    std::memset(record.Name, 0, NameCapacity);
    std::memcpy(record.Name, ch.name.data(), std::min(ch.name.size(), NameCapacity));
}

std::optional<unsigned> ChannelNumberOf(const std::string& text)
{
    constexpr size_t MostDigits = 2;
    if (text.empty() || text.size() > MostDigits || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const auto number = unsigned(std::stoul(text));
    return number >= 1 && number <= ChannelCount ? std::optional<unsigned>(number) : std::nullopt;
}

// The channel a taken row goes to: the next free place in file order, or the row's own Location.
class ChannelPlacer {
public:
    explicit ChannelPlacer(const ChannelCsvImportOptions& options) : options_(options), next_(options.firstChannel) {}

    std::optional<unsigned> Place(const std::string& location, std::optional<CsvRowIssue>& whyNot)
    {
        if (options_.keepLocations) {
            const auto number = ChannelNumberOf(location);
            if (!number)
                whyNot = CsvRowIssue::LocationNotAChannel;
            return number;
        }
        if (next_ > ChannelCount) {
            whyNot = CsvRowIssue::NoChannelLeft;
            return std::nullopt;
        }
        return next_++;
    }

private:
    const ChannelCsvImportOptions& options_;
    unsigned next_;
};

}

ChannelCsvImport ImportChannelCsv(std::string_view text, const ChannelCsvImportOptions& options, RadioSettings& settings)
{
    ChannelCsvImport outcome;
    const std::vector<CsvRecord> records = ParseCsv(text, options.separator);
    if (records.empty() || !ColumnMap(records.front()).Has(ColFrequency)) {
        outcome.refused = true;
        return outcome;
    }
    const ColumnMap columns(records.front());
    RadioSettings result = settings;
    ChannelPlacer placer(options);
    for (auto row = records.begin() + 1; row != records.end(); ++row) {
        RowReader reader(columns, *row, options.band);
        const std::optional<CsvChannel> channel = reader.Read();
        std::optional<CsvRowIssue> whyNot;
        const std::optional<unsigned> number = channel ? placer.Place(columns.Field(*row, ColLocation), whyNot) : std::nullopt;
        if (!number && whyNot) {
            outcome.notes.push_back({row->line, *whyNot, columns.Field(*row, ColLocation)});
            continue;
        }
        outcome.notes.insert(outcome.notes.end(), reader.Notes().begin(), reader.Notes().end());
        if (!number)
            continue;
        StoreChannel(*channel, result.Channel[*number]);
        result.SetChannelUsed(*number, true);
        ++outcome.imported;
    }
    settings = result;
    return outcome;
}
