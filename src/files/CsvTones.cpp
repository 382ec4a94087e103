#include "files/CsvTones.h"

#include <cstdio>
#include <utility>

namespace {

constexpr const char* ModeNone = "";
constexpr const char* ModeTone = "Tone";
constexpr const char* ModeToneSquelch = "TSQL";
constexpr const char* ModeDcs = "DTCS";
constexpr const char* ModeCross = "Cross";
constexpr const char* ModeReverseToneSquelch = "TSQL-R";
constexpr const char* ModeReverseDcs = "DTCS-R";
constexpr const char* SideTone = "Tone";
constexpr const char* SideDcs = "DTCS";
constexpr const char* CrossArrow = "->";
constexpr char PolarityNormal = 'N';
constexpr char PolarityReversed = 'R';
constexpr unsigned DcsOctalMask = 0x1FF;
constexpr unsigned TenthsPerHertz = 10;

enum class Side { None, Ctcss, Dcs };

Side SideOf(ToneType type, ToneCode code)
{
    if (code == 0 || code == ToneCodeOff)
        return Side::None;
    if (type == ToneCtcss)
        return Side::Ctcss;
    if (type == ToneDcsNormal || type == ToneDcsInverted)
        return Side::Dcs;
    return Side::None;
}

std::string CtcssText(ToneCode code)
{
    return std::to_string(code / TenthsPerHertz) + "." + std::to_string(code % TenthsPerHertz);
}

std::string DcsText(ToneCode code)
{
    char text[8];
    std::snprintf(text, sizeof text, "%03o", unsigned(code) & DcsOctalMask);
    return text;
}

char PolarityOf(ToneType type) { return type == ToneDcsInverted ? PolarityReversed : PolarityNormal; }

const char* SideName(Side side) { return side == Side::Ctcss ? SideTone : side == Side::Dcs ? SideDcs : ""; }

// Sixty-seven hertz may come as "67", "67.0" or "67.00": only tenths are kept, so a finer value is no tone.
std::optional<ToneCode> ParseCtcss(const std::string& text)
{
    const size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    while (fraction.size() > 1 && fraction.back() == '0')
        fraction.pop_back();
    if (whole.empty() || fraction.size() > 1 || whole.find_first_not_of("0123456789") != std::string::npos ||
        fraction.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    ToneType type = ToneNone;
    ToneCode code = 0;
    // The typed form, so the grid's range applies.
    if (!ParseToneText(whole + "." + (fraction.empty() ? "0" : fraction), type, code) || type != ToneCtcss)
        return std::nullopt;
    return code;
}

std::optional<std::pair<ToneType, ToneCode>> ParseDcs(const std::string& digits, char polarity)
{
    if (digits.empty() || digits.size() > 3 || (polarity != PolarityNormal && polarity != PolarityReversed))
        return std::nullopt;
    const std::string typed = "D" + std::string(3 - digits.size(), '0') + digits + (polarity == PolarityNormal ? "N" : "I");
    ToneType type = ToneNone;
    ToneCode code = 0;
    if (!ParseToneText(typed, type, code))
        return std::nullopt;
    return std::make_pair(type, code);
}

class ToneReader {
public:
    explicit ToneReader(const CsvToneColumns& columns) : c_(columns) {}

    CsvToneReading Read()
    {
        const std::string& mode = c_.tone;
        if (mode == ModeNone)
            return reading_;
        if (mode == ModeReverseToneSquelch || mode == ModeReverseDcs)
            return Drop(CsvRowIssue::ReverseToneDropped, mode);
        bool ok = false;
        if (mode == ModeTone)
            ok = Ctcss(c_.rToneFreq, "rToneFreq", reading_.tones.encType, reading_.tones.encCode);
        else if (mode == ModeToneSquelch)
            ok = Ctcss(c_.cToneFreq, "cToneFreq", reading_.tones.encType, reading_.tones.encCode) &&
                 Ctcss(c_.cToneFreq, "cToneFreq", reading_.tones.decType, reading_.tones.decCode);
        else if (mode == ModeDcs)
            ok = Dcs(c_.dtcsCode, "DtcsCode", 0, reading_.tones.encType, reading_.tones.encCode) &&
                 Dcs(c_.dtcsCode, "DtcsCode", 1, reading_.tones.decType, reading_.tones.decCode);
        else if (mode == ModeCross)
            ok = Cross();
        else
            return Drop(CsvRowIssue::ToneDropped, "Tone=" + mode);
        return ok ? reading_ : Drop(CsvRowIssue::ToneDropped, failed_);
    }

private:
    CsvToneReading Drop(CsvRowIssue issue, const std::string& detail)
    {
        CsvToneReading dropped;
        dropped.issue = issue;
        dropped.detail = detail;
        return dropped;
    }

    bool Fail(const std::string& detail)
    {
        failed_ = detail;
        return false;
    }

    bool Ctcss(const std::string& text, const char* column, ToneType& type, ToneCode& code)
    {
        const auto value = ParseCtcss(text);
        if (!value)
            return Fail(std::string(column) + "=" + text);
        type = ToneCtcss;
        code = *value;
        return true;
    }

    // Polarity letters: transmit side first, then receive.
    bool Dcs(const std::string& digits, const char* column, size_t side, ToneType& type, ToneCode& code)
    {
        const char polarity = side < c_.dtcsPolarity.size() ? c_.dtcsPolarity[side] : PolarityNormal;
        const auto value = ParseDcs(digits, polarity);
        if (!value)
            return Fail(std::string(column) + "=" + digits + ", DtcsPolarity=" + c_.dtcsPolarity);
        type = value->first;
        code = value->second;
        return true;
    }

    bool Cross()
    {
        const size_t arrow = c_.crossMode.find(CrossArrow);
        if (arrow == std::string::npos)
            return Fail("CrossMode=" + c_.crossMode);
        const std::string tx = c_.crossMode.substr(0, arrow);
        const std::string rx = c_.crossMode.substr(arrow + std::string(CrossArrow).size());
        ChannelTones& t = reading_.tones;
        const bool txOk = tx.empty() || (tx == SideTone && Ctcss(c_.rToneFreq, "rToneFreq", t.encType, t.encCode)) ||
                          (tx == SideDcs && Dcs(c_.dtcsCode, "DtcsCode", 0, t.encType, t.encCode));
        if (!txOk)
            return failed_.empty() ? Fail("CrossMode=" + c_.crossMode) : false;
        const bool rxOk = rx.empty() || (rx == SideTone && Ctcss(c_.cToneFreq, "cToneFreq", t.decType, t.decCode)) ||
                          (rx == SideDcs && Dcs(c_.rxDtcsCode, "RxDtcsCode", 1, t.decType, t.decCode));
        if (!rxOk)
            return failed_.empty() ? Fail("CrossMode=" + c_.crossMode) : false;
        return true;
    }

    const CsvToneColumns& c_;
    CsvToneReading reading_;
    std::string failed_;
};

}

CsvToneColumns ToneColumnsOf(const ChannelTones& t)
{
    CsvToneColumns c;
    const Side tx = SideOf(t.encType, t.encCode);
    const Side rx = SideOf(t.decType, t.decCode);
    std::string polarity = c.dtcsPolarity;
    if (tx == Side::Dcs)
        polarity[0] = PolarityOf(t.encType);
    if (rx == Side::Dcs)
        polarity[1] = PolarityOf(t.decType);

    if (tx == Side::None && rx == Side::None) {
        c.tone = ModeNone;
    } else if (tx == Side::Ctcss && rx == Side::None) {
        c.tone = ModeTone;
        c.rToneFreq = CtcssText(t.encCode);
    } else if (tx == Side::Ctcss && rx == Side::Ctcss && t.encCode == t.decCode) {
        c.tone = ModeToneSquelch;
        c.rToneFreq = c.cToneFreq = CtcssText(t.encCode);
    } else if (tx == Side::Dcs && rx == Side::Dcs && DcsText(t.encCode) == DcsText(t.decCode)) {
        c.tone = ModeDcs;
        c.dtcsCode = c.rxDtcsCode = DcsText(t.encCode);
        c.dtcsPolarity = polarity;
    } else {
        c.tone = ModeCross;
        c.crossMode = std::string(SideName(tx)) + CrossArrow + SideName(rx);
        if (tx == Side::Ctcss)
            c.rToneFreq = CtcssText(t.encCode);
        if (tx == Side::Dcs)
            c.dtcsCode = DcsText(t.encCode);
        if (rx == Side::Ctcss)
            c.cToneFreq = CtcssText(t.decCode);
        if (rx == Side::Dcs)
            c.rxDtcsCode = DcsText(t.decCode);
        c.dtcsPolarity = polarity;
    }
    return c;
}

CsvToneReading TonesOf(const CsvToneColumns& columns) { return ToneReader(columns).Read(); }
