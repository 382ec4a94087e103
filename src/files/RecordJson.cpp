#include "files/RecordJson.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <set>

#include "files/JsonValue.h"
#include "model/DtmfDigits.h"
#include "model/OptionTable.h"
#include "text/GbkEncoding.h"

namespace {

constexpr uint32_t ByteMax = std::numeric_limits<uint8_t>::max();
constexpr uint32_t WordMax = std::numeric_limits<uint16_t>::max();
constexpr uint32_t FrequencyMax = std::numeric_limits<uint32_t>::max();
constexpr uint32_t ChSquelchModeMax = 7;
constexpr uint32_t TwoBitMax = 3;
constexpr size_t ExtraSize = sizeof(ChannelRecord::Extra);
constexpr size_t ModelIdentSize = sizeof(RadioInfo::ModelIdent);
constexpr size_t ReportedPasswordSize = sizeof(RadioInfo::ReportedPassword);
// The terminated texts keep their last byte zero.
constexpr size_t PasswordLongest = PasswordFieldSize - 1;
constexpr size_t SoftwareVersionLongest = SoftwareVersionFieldSize - 1;

using Type = JsonValue::Type;
using Kind = JsonRefusalKind;

// Fixed-size text fields end at their first zero byte; they are GBK like every text of the radio.
std::string FieldText(const uint8_t* bytes, size_t size)
{
    const size_t length = size_t(std::find(bytes, bytes + size, 0) - bytes);
    return GbkToUtf8(std::string_view(reinterpret_cast<const char*>(bytes), length));
}

std::string Hex(const uint8_t* bytes, size_t size)
{
    static constexpr char Digits[] = "0123456789abcdef";
    std::string hex;
    for (size_t i = 0; i < size; ++i) {
        hex += Digits[bytes[i] >> 4];
        hex += Digits[bytes[i] & 0x0F];
    }
    return hex;
}

JsonValue Number(uint32_t n) { return JsonValue::Number(n); }

JsonValue RadioInfoJson(const RadioInfo& info)
{
    return JsonValue::Object({
        {"ModelIdent", JsonValue::String(Hex(info.ModelIdent, ModelIdentSize))},
        {"ReportedPassword", JsonValue::String(Hex(info.ReportedPassword, ReportedPasswordSize))},
        {"BandMin", Number(info.BandMin)},
        {"BandMax", Number(info.BandMax)},
    });
}

JsonValue ChannelJson(unsigned i, bool used, const ChannelRecord& ch)
{
    return JsonValue::Object({
        {"Channel", Number(i)},
        {"Used", JsonValue::Bool(used)},
        {"RxFreq", Number(ch.RxFreq)},
        {"TxFreq", Number(ch.TxFreq)},
        {"DecType", Number(ch.DecType)},
        {"DecCode", Number(ch.DecCode)},
        {"EncType", Number(ch.EncType)},
        {"EncCode", Number(ch.EncCode)},
        {"ChSquelchMode", Number(ch.ChSquelchMode())},
        {"BusyLock", Number(ch.BusyLock())},
        {"ScanAdd", JsonValue::Bool(ch.ScanAdd())},
        {"Power", Number(ch.Power())},
        {"Bandwidth", JsonValue::Bool(ch.Bandwidth())},
        {"Dtmf", JsonValue::Bool(ch.Dtmf())},
        {"Extra", JsonValue::Array({Number(ch.Extra[0]), Number(ch.Extra[1])})},
        {"Name", JsonValue::String(FieldText(ch.Name, NameCapacity))},
    });
}

JsonValue EntryJson(unsigned k, bool used, const AddressBookEntry& e)
{
    return JsonValue::Object({
        {"Entry", Number(k)},
        {"Used", JsonValue::Bool(used)},
        {"EntryNumber", Number(e.EntryNumber)},
        {"Id", JsonValue::String(DtmfText(e.Id, AddrBookIdCapacity, e.IdLength))},
        {"EntryName", JsonValue::String(FieldText(e.EntryName, NameCapacity))},
    });
}

// A number as the refusals quote it: whole numbers in full up to twelve digits.
std::string Quoted(double n)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.12g", n);
    return text;
}

// One JSON object read into the record: each key is taken once, by the field of its name. The
// first refusal of any object stands for the whole document; after it nothing more is read.
class JsonFields {
public:
    JsonFields(const JsonValue& value, std::string path, std::optional<JsonRefusal>& refusal)
        : object_(value), path_(std::move(path)), refusal_(refusal)
    {
        if (!value.Is(Type::Object))
            RefuseAs(path_, Kind::NotAnObject);
    }

    template <typename Set>
    void Number(const char* key, uint32_t max, Set set)
    {
        if (const auto n = NumberOf(key, max))
            set(*n);
    }

    std::optional<uint32_t> NumberOf(const char* key, uint32_t max)
    {
        const JsonValue* value = Take(key);
        if (!value)
            return std::nullopt;
        const double d = value->number;
        if (!value->Is(Type::Number) || d != std::floor(d))
            return Refuse(key, Kind::NotAWholeNumber);
        if (d < 0 || d > max)
            return Refuse(key, Kind::OutsideRange, {Quoted(d), std::to_string(max)});
        return uint32_t(d);
    }

    template <typename Set>
    void Bool(const char* key, Set set)
    {
        if (const JsonValue* value = Take(key)) {
            if (!value->Is(Type::Bool))
                Refuse(key, Kind::NotTrueOrFalse);
            else
                set(value->boolean);
        }
    }

    // A text that reads as the field already does stays as it is held.
    void Text(const char* key, uint8_t* bytes, size_t capacity, size_t longest)
    {
        const std::string* text = TextOf(key);
        if (!text || *text == FieldText(bytes, capacity))
            return;
        const auto gbk = TryUtf8ToGbk(*text);
        if (!gbk) {
            Refuse(key, Kind::NotGbk);
        } else if (gbk->size() > longest) {
            Refuse(key, Kind::TooManyBytes, {std::to_string(longest)});
        } else {
            std::memset(bytes, 0, capacity);
            std::memcpy(bytes, gbk->data(), gbk->size());
        }
    }

    void Dtmf(const char* key, uint8_t* codes, size_t capacity, uint8_t& length)
    {
        const std::string* symbols = TextOf(key);
        if (!symbols || *symbols == DtmfText(codes, capacity, length))
            return;
        if (symbols->size() > capacity) {
            Refuse(key, Kind::TooManySymbols, {std::to_string(capacity)});
            return;
        }
        for (char c : *symbols)
            if (!DtmfCodeOf(c)) {
                Refuse(key, Kind::NotDtmfSymbol, {std::string(1, c)});
                return;
            }
        StoreDtmfText(*symbols, codes, capacity, length);
    }

    void Hex(const char* key, uint8_t* bytes, size_t size)
    {
        const std::string* text = TextOf(key);
        if (!text)
            return;
        const auto isHex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
        if (text->size() != 2 * size || !std::all_of(text->begin(), text->end(), isHex)) {
            Refuse(key, Kind::NotHexBytes, {std::to_string(size), std::to_string(2 * size)});
            return;
        }
        for (size_t i = 0; i < size; ++i)
            bytes[i] = uint8_t(std::stoul(text->substr(2 * i, 2), nullptr, 16));
    }

    const JsonValue* Array(const char* key)
    {
        const JsonValue* value = Take(key);
        if (!value || value->Is(Type::Array))
            return value;
        Refuse(key, Kind::NotAList);
        return nullptr;
    }

    // Nothing once a refusal stands, so that every reader stops.
    const JsonValue* Take(const char* key)
    {
        if (refusal_)
            return nullptr;
        taken_.insert(key);
        return object_.Find(key);
    }

    std::string Path(const std::string& key) const { return path_.empty() ? key : path_ + "." + key; }

    // Of several unknown keys the first in key order is named, whatever order the text has them in.
    void RefuseOtherKeys()
    {
        const JsonMember* first = nullptr;
        for (const JsonMember& m : object_.members)
            if (!taken_.count(m.key) && (!first || m.key < first->key))
                first = &m;
        if (first)
            RefuseAs(Path(first->key), Kind::NoSuchField);
    }

    std::nullopt_t Refuse(const std::string& key, Kind kind, std::vector<std::string> values = {})
    {
        return RefuseAs(Path(key), kind, std::move(values));
    }

private:
    const std::string* TextOf(const char* key)
    {
        const JsonValue* value = Take(key);
        if (!value)
            return nullptr;
        if (value->Is(Type::String))
            return &value->text;
        Refuse(key, Kind::NotText);
        return nullptr;
    }

    std::nullopt_t RefuseAs(const std::string& where, Kind kind, std::vector<std::string> values = {})
    {
        if (!refusal_)
            refusal_ = JsonRefusal{kind, where, std::move(values), {}};
        return std::nullopt;
    }

    const JsonValue& object_;
    std::string path_;
    std::optional<JsonRefusal>& refusal_;
    std::set<std::string> taken_;
};

void ReadRadioInfo(JsonFields& parent, const char* key, RadioInfo& info, std::optional<JsonRefusal>& refusal)
{
    const JsonValue* value = parent.Take(key);
    if (!value)
        return;
    JsonFields f(*value, parent.Path(key), refusal);
    f.Hex("ModelIdent", info.ModelIdent, ModelIdentSize);
    f.Hex("ReportedPassword", info.ReportedPassword, ReportedPasswordSize);
    f.Number("BandMin", FrequencyMax, [&](uint32_t v) { info.BandMin = v; });
    f.Number("BandMax", FrequencyMax, [&](uint32_t v) { info.BandMax = v; });
    f.RefuseOtherKeys();
}

void ReadExtra(JsonFields& f, ChannelRecord& ch)
{
    const JsonValue* extra = f.Array("Extra");
    if (!extra)
        return;
    if (extra->items.size() != ExtraSize) {
        f.Refuse("Extra", Kind::WrongCount, {std::to_string(ExtraSize)});
        return;
    }
    for (size_t i = 0; i < ExtraSize; ++i) {
        const JsonValue& byte = extra->items[i];
        const double d = byte.number;
        if (!byte.Is(Type::Number) || d != std::floor(d) || d < 0 || d > ByteMax) {
            f.Refuse("Extra", Kind::NotByteNumbers, {std::to_string(ExtraSize), std::to_string(ByteMax)});
            return;
        }
        ch.Extra[i] = uint8_t(d);
    }
}

// Each element names its channel or entry by number; the list may leave some out.
template <typename ReadOne>
void ReadNumbered(JsonFields& parent, const char* key, const char* numberKey, unsigned count,
                  std::optional<JsonRefusal>& refusal, ReadOne readOne)
{
    const JsonValue* list = parent.Array(key);
    if (!list)
        return;
    std::set<uint32_t> seen;
    for (size_t i = 0; i < list->items.size() && !refusal; ++i) {
        JsonFields f(list->items[i], parent.Path(key) + "[" + std::to_string(i) + "]", refusal);
        const auto number = f.NumberOf(numberKey, count);
        if (!number || *number == 0)
            f.Refuse(numberKey, Kind::NumberNotInRange, {std::to_string(count)});
        else if (!seen.insert(*number).second)
            f.Refuse(numberKey, Kind::GivenTwice, {std::to_string(*number)});
        else
            readOne(f, *number);
        f.RefuseOtherKeys();
    }
}

void ReadChannel(JsonFields& f, RadioSettings& s, unsigned i)
{
    ChannelRecord& ch = s.Channel[i];
    f.Bool("Used", [&](bool used) { s.SetChannelUsed(i, used); });
    f.Number("RxFreq", FrequencyMax, [&](uint32_t v) { ch.RxFreq = v; });
    f.Number("TxFreq", FrequencyMax, [&](uint32_t v) { ch.TxFreq = v; });
    f.Number("DecType", ByteMax, [&](uint32_t v) { ch.DecType = uint8_t(v); });
    f.Number("DecCode", WordMax, [&](uint32_t v) { ch.DecCode = uint16_t(v); });
    f.Number("EncType", ByteMax, [&](uint32_t v) { ch.EncType = uint8_t(v); });
    f.Number("EncCode", WordMax, [&](uint32_t v) { ch.EncCode = uint16_t(v); });
    f.Number("ChSquelchMode", ChSquelchModeMax, [&](uint32_t v) { ch.SetChSquelchMode(uint8_t(v)); });
    f.Number("BusyLock", TwoBitMax, [&](uint32_t v) { ch.SetBusyLock(uint8_t(v)); });
    f.Bool("ScanAdd", [&](bool on) { ch.SetScanAdd(on); });
    f.Number("Power", TwoBitMax, [&](uint32_t v) { ch.SetPower(uint8_t(v)); });
    f.Bool("Bandwidth", [&](bool wide) { ch.SetBandwidth(wide); });
    f.Bool("Dtmf", [&](bool on) { ch.SetDtmf(on); });
    ReadExtra(f, ch);
    f.Text("Name", ch.Name, NameCapacity, NameCapacity);
}

void ReadEntry(JsonFields& f, RadioSettings& s, unsigned k)
{
    AddressBookEntry& e = s.Entry(k);
    f.Bool("Used", [&](bool used) { s.SetAddrBookEntryUsed(k, used); });
    f.Number("EntryNumber", ByteMax, [&](uint32_t v) { e.EntryNumber = uint8_t(v); });
    f.Dtmf("Id", e.Id, AddrBookIdCapacity, e.IdLength);
    f.Text("EntryName", e.EntryName, NameCapacity, NameCapacity);
}

}

std::string RecordJson(const RadioSettings& s)
{
    std::vector<JsonValue> channels, entries;
    for (unsigned i = 1; i <= ChannelCount; ++i)
        channels.push_back(ChannelJson(i, s.IsChannelUsed(i), s.Channel[i]));
    for (unsigned k = 1; k <= AddrBookEntryCount; ++k)
        entries.push_back(EntryJson(k, s.IsAddrBookEntryUsed(k), s.Entry(k)));
    std::vector<JsonMember> root = {
        {"Channel", JsonValue::Array(std::move(channels))},
        {"AddrBook", JsonValue::Array(std::move(entries))},
    };
    for (const OptionField& f : OptionFields())
        root.push_back({f.name, Number(f.Get(s))});
    for (const DtmfCodeField& f : DtmfCodeFields())
        root.push_back({f.name, JsonValue::String(f.Text(s))});
    root.push_back({"DeviceSn", JsonValue::String(FieldText(s.DeviceSn, DeviceSnSize))});
    root.push_back({"SoftwareVersion", JsonValue::String(FieldText(s.SoftwareVersion, SoftwareVersionFieldSize))});
    root.push_back({"Password", JsonValue::String(FieldText(s.Password, PasswordFieldSize))});
    root.push_back({"NewPassword", JsonValue::String(FieldText(s.NewPassword, PasswordFieldSize))});
    root.push_back({"WriteRadioInfo", RadioInfoJson(s.WriteRadioInfo)});
    root.push_back({"ReadRadioInfo", RadioInfoJson(s.ReadRadioInfo)});
    return WriteJson(JsonValue::Object(std::move(root)));
}

std::optional<JsonRefusal> ApplyRecordJson(std::string_view json, RadioSettings& settings)
{
    JsonSyntaxError error;
    const std::optional<JsonValue> document = ParseJson(json, error);
    if (!document)
        return JsonRefusal{JsonRefusalKind::NotJson, "", {std::to_string(error.offset)}, error.problem};
    if (!document->Is(Type::Object))
        return JsonRefusal{JsonRefusalKind::DocumentNotAnObject, "", {}, {}};
    RadioSettings s = settings;
    std::optional<JsonRefusal> refusal;
    JsonFields root(*document, "", refusal);
    ReadNumbered(root, "Channel", "Channel", ChannelCount, refusal,
                 [&](JsonFields& f, unsigned i) { ReadChannel(f, s, i); });
    ReadNumbered(root, "AddrBook", "Entry", AddrBookEntryCount, refusal,
                 [&](JsonFields& f, unsigned k) { ReadEntry(f, s, k); });
    for (const OptionField& f : OptionFields())
        root.Number(f.name, f.Max(), [&](uint32_t v) { f.Set(s, v); });
    for (const DtmfCodeField& f : DtmfCodeFields())
        root.Dtmf(f.name, f.Codes(s), DtmfCodeCapacity, f.Length(s));
    root.Text("DeviceSn", s.DeviceSn, DeviceSnSize, DeviceSnSize);
    root.Text("SoftwareVersion", s.SoftwareVersion, SoftwareVersionFieldSize, SoftwareVersionLongest);
    root.Text("Password", s.Password, PasswordFieldSize, PasswordLongest);
    root.Text("NewPassword", s.NewPassword, PasswordFieldSize, PasswordLongest);
    ReadRadioInfo(root, "WriteRadioInfo", s.WriteRadioInfo, refusal);
    ReadRadioInfo(root, "ReadRadioInfo", s.ReadRadioInfo, refusal);
    root.RefuseOtherKeys();
    if (!refusal)
        settings = s;
    return refusal;
}
