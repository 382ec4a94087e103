#include "cli/RecordJson.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <set>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/RecordFields.h"
#include "model/DtmfDigits.h"
#include "text/GbkEncoding.h"

namespace {

constexpr unsigned ByteMax = std::numeric_limits<uint8_t>::max();
constexpr unsigned WordMax = std::numeric_limits<uint16_t>::max();
constexpr unsigned FrequencyMax = std::numeric_limits<uint32_t>::max();
constexpr unsigned ChSquelchModeMax = 7;
constexpr unsigned TwoBitMax = 3;
constexpr size_t ExtraSize = sizeof(ChannelRecord::Extra);
constexpr size_t ModelIdentSize = sizeof(RadioInfo::ModelIdent);
constexpr size_t ReportedPasswordSize = sizeof(RadioInfo::ReportedPassword);
// The terminated texts keep their last byte zero.
constexpr size_t PasswordLongest = PasswordFieldSize - 1;
constexpr size_t SoftwareVersionLongest = SoftwareVersionFieldSize - 1;

QString Hex(const uint8_t* bytes, size_t size)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(bytes), qsizetype(size)).toHex());
}

QJsonObject RadioInfoJson(const RadioInfo& info)
{
    return QJsonObject{
        {"ModelIdent", Hex(info.ModelIdent, ModelIdentSize)},
        {"ReportedPassword", Hex(info.ReportedPassword, ReportedPasswordSize)},
        {"BandMin", qint64(uint32_t(info.BandMin))},
        {"BandMax", qint64(uint32_t(info.BandMax))},
    };
}

QJsonObject ChannelJson(unsigned i, bool used, const ChannelRecord& ch)
{
    return QJsonObject{
        {"Channel", int(i)},
        {"Used", used},
        {"RxFreq", qint64(uint32_t(ch.RxFreq))},
        {"TxFreq", qint64(uint32_t(ch.TxFreq))},
        {"DecType", ch.DecType},
        {"DecCode", int(uint16_t(ch.DecCode))},
        {"EncType", ch.EncType},
        {"EncCode", int(uint16_t(ch.EncCode))},
        {"ChSquelchMode", ch.ChSquelchMode()},
        {"BusyLock", ch.BusyLock()},
        {"ScanAdd", ch.ScanAdd()},
        {"Power", ch.Power()},
        {"Bandwidth", ch.Bandwidth()},
        {"Dtmf", ch.Dtmf()},
        {"Extra", QJsonArray{ch.Extra[0], ch.Extra[1]}},
        {"Name", FieldText(ch.Name, NameCapacity)},
    };
}

QJsonObject EntryJson(unsigned k, bool used, const AddressBookEntry& e)
{
    return QJsonObject{
        {"Entry", int(k)},
        {"Used", used},
        {"EntryNumber", e.EntryNumber},
        {"Id", EntryIdText(e)},
        {"EntryName", FieldText(e.EntryName, NameCapacity)},
    };
}

// One JSON object read into the record: each key is taken once, by the field of its name.
class JsonFields {
public:
    JsonFields(const QJsonValue& value, std::string path) : path_(std::move(path))
    {
        if (!value.isObject())
            throw RecordJsonError(path_ + ": not an object");
        object_ = value.toObject();
    }

    template <typename Set>
    void Number(const char* key, unsigned max, Set set)
    {
        if (const auto n = NumberOf(key, max))
            set(*n);
    }

    std::optional<unsigned> NumberOf(const char* key, unsigned max)
    {
        const auto value = Take(key);
        if (!value)
            return std::nullopt;
        const double d = value->toDouble(-1);
        if (!value->isDouble() || d != std::floor(d))
            Refuse(key, "not a whole number");
        if (d < 0 || d > max)
            Refuse(key, QString::number(d, 'g', 12).toStdString() + " is outside 0.." + std::to_string(max));
        return unsigned(d);
    }

    template <typename Set>
    void Bool(const char* key, Set set)
    {
        if (const auto value = Take(key)) {
            if (!value->isBool())
                Refuse(key, "not true or false");
            set(value->toBool());
        }
    }

    // A text that reads as the field already does stays as it is held.
    void Text(const char* key, uint8_t* bytes, size_t capacity, size_t longest)
    {
        const auto text = TextOf(key);
        if (!text || *text == FieldText(bytes, capacity))
            return;
        const auto gbk = TryUtf8ToGbk(text->toStdString());
        if (!gbk)
            Refuse(key, "has a character that the record's GBK texts cannot hold");
        if (gbk->size() > longest)
            Refuse(key, "longer than " + std::to_string(longest) + " bytes");
        std::memset(bytes, 0, capacity);
        std::memcpy(bytes, gbk->data(), gbk->size());
    }

    void Dtmf(const char* key, uint8_t* codes, size_t capacity, uint8_t& length)
    {
        const auto text = TextOf(key);
        if (!text || text->toStdString() == DtmfText(codes, capacity, length))
            return;
        const std::string symbols = text->toStdString();
        if (symbols.size() > capacity)
            Refuse(key, "longer than " + std::to_string(capacity) + " symbols");
        for (char c : symbols)
            if (!DtmfCodeOf(c))
                Refuse(key, std::string("holds '") + c + "', not one of 0-9 A-D * #");
        StoreDtmfText(symbols, codes, capacity, length);
    }

    void Hex(const char* key, uint8_t* bytes, size_t size)
    {
        const auto text = TextOf(key);
        if (!text)
            return;
        const QByteArray hex = text->toLatin1();
        const QByteArray raw = QByteArray::fromHex(hex);
        if (size_t(hex.size()) != 2 * size || size_t(raw.size()) != size ||
            hex.toLower() != raw.toHex())
            Refuse(key, "wants " + std::to_string(size) + " bytes as " + std::to_string(2 * size) + " hex digits");
        std::memcpy(bytes, raw.constData(), size);
    }

    std::optional<QJsonArray> Array(const char* key)
    {
        const auto value = Take(key);
        if (value && !value->isArray())
            Refuse(key, "not a list");
        return value ? std::optional<QJsonArray>(value->toArray()) : std::nullopt;
    }

    std::optional<QJsonValue> Take(const char* key)
    {
        taken_.insert(QString::fromLatin1(key));
        const auto it = object_.constFind(QString::fromLatin1(key));
        return it == object_.constEnd() ? std::nullopt : std::optional<QJsonValue>(*it);
    }

    std::string Path(const char* key) const { return path_.empty() ? key : path_ + "." + key; }

    void RefuseOtherKeys() const
    {
        for (auto it = object_.begin(); it != object_.end(); ++it)
            if (!taken_.count(it.key()))
                throw RecordJsonError(Path(it.key().toStdString().c_str()) + ": no such field");
    }

    [[noreturn]] void Refuse(const char* key, const std::string& why) const
    {
        throw RecordJsonError(Path(key) + ": " + why);
    }

private:
    std::optional<QString> TextOf(const char* key)
    {
        const auto value = Take(key);
        if (value && !value->isString())
            Refuse(key, "not text");
        return value ? std::optional<QString>(value->toString()) : std::nullopt;
    }

    std::string path_;
    QJsonObject object_;
    std::set<QString> taken_;
};

void ReadRadioInfo(JsonFields& parent, const char* key, RadioInfo& info)
{
    const auto value = parent.Take(key);
    if (!value)
        return;
    JsonFields f(*value, parent.Path(key));
    f.Hex("ModelIdent", info.ModelIdent, ModelIdentSize);
    f.Hex("ReportedPassword", info.ReportedPassword, ReportedPasswordSize);
    f.Number("BandMin", FrequencyMax, [&](unsigned v) { info.BandMin = v; });
    f.Number("BandMax", FrequencyMax, [&](unsigned v) { info.BandMax = v; });
    f.RefuseOtherKeys();
}

void ReadExtra(JsonFields& f, ChannelRecord& ch)
{
    const auto extra = f.Array("Extra");
    if (!extra)
        return;
    if (size_t(extra->size()) != ExtraSize)
        f.Refuse("Extra", "wants " + std::to_string(ExtraSize) + " numbers");
    for (size_t i = 0; i < ExtraSize; ++i) {
        const QJsonValue byte = extra->at(qsizetype(i));
        const double d = byte.toDouble(-1);
        if (!byte.isDouble() || d != std::floor(d) || d < 0 || d > ByteMax)
            f.Refuse("Extra", "wants " + std::to_string(ExtraSize) + " numbers 0.." + std::to_string(ByteMax));
        ch.Extra[i] = uint8_t(d);
    }
}

// Each element names its channel or entry by number; the list may leave some out.
template <typename ReadOne>
void ReadNumbered(JsonFields& parent, const char* key, const char* numberKey, unsigned count, ReadOne readOne)
{
    const auto list = parent.Array(key);
    if (!list)
        return;
    std::set<unsigned> seen;
    for (qsizetype i = 0; i < list->size(); ++i) {
        JsonFields f(list->at(i), parent.Path(key) + "[" + std::to_string(i) + "]");
        const auto number = f.NumberOf(numberKey, count);
        if (!number || *number == 0)
            f.Refuse(numberKey, "wants 1.." + std::to_string(count));
        if (!seen.insert(*number).second)
            f.Refuse(numberKey, std::to_string(*number) + " given twice");
        readOne(f, *number);
        f.RefuseOtherKeys();
    }
}

void ReadChannel(JsonFields& f, RadioSettings& s, unsigned i)
{
    ChannelRecord& ch = s.Channel[i];
    f.Bool("Used", [&](bool used) { s.SetChannelUsed(i, used); });
    f.Number("RxFreq", FrequencyMax, [&](unsigned v) { ch.RxFreq = v; });
    f.Number("TxFreq", FrequencyMax, [&](unsigned v) { ch.TxFreq = v; });
    f.Number("DecType", ByteMax, [&](unsigned v) { ch.DecType = uint8_t(v); });
    f.Number("DecCode", WordMax, [&](unsigned v) { ch.DecCode = uint16_t(v); });
    f.Number("EncType", ByteMax, [&](unsigned v) { ch.EncType = uint8_t(v); });
    f.Number("EncCode", WordMax, [&](unsigned v) { ch.EncCode = uint16_t(v); });
    f.Number("ChSquelchMode", ChSquelchModeMax, [&](unsigned v) { ch.SetChSquelchMode(uint8_t(v)); });
    f.Number("BusyLock", TwoBitMax, [&](unsigned v) { ch.SetBusyLock(uint8_t(v)); });
    f.Bool("ScanAdd", [&](bool on) { ch.SetScanAdd(on); });
    f.Number("Power", TwoBitMax, [&](unsigned v) { ch.SetPower(uint8_t(v)); });
    f.Bool("Bandwidth", [&](bool wide) { ch.SetBandwidth(wide); });
    f.Bool("Dtmf", [&](bool on) { ch.SetDtmf(on); });
    ReadExtra(f, ch);
    f.Text("Name", ch.Name, NameCapacity, NameCapacity);
}

void ReadEntry(JsonFields& f, RadioSettings& s, unsigned k)
{
    AddressBookEntry& e = s.Entry(k);
    f.Bool("Used", [&](bool used) { s.SetAddrBookEntryUsed(k, used); });
    f.Number("EntryNumber", ByteMax, [&](unsigned v) { e.EntryNumber = uint8_t(v); });
    f.Dtmf("Id", e.Id, AddrBookIdCapacity, e.IdLength);
    f.Text("EntryName", e.EntryName, NameCapacity, NameCapacity);
}

}

std::string RecordJson(const RadioSettings& s)
{
    QJsonObject root;
    QJsonArray channels, entries;
    for (unsigned i = 1; i <= ChannelCount; ++i)
        channels.append(ChannelJson(i, s.IsChannelUsed(i), s.Channel[i]));
    for (unsigned k = 1; k <= AddrBookEntryCount; ++k)
        entries.append(EntryJson(k, s.IsAddrBookEntryUsed(k), s.Entry(k)));
    root["Channel"] = channels;
    root["AddrBook"] = entries;
    for (const auto& f : NumberFields())
        root[f.name] = int(f.get(s));
    for (const auto& f : DtmfCodeFields())
        root[f.name] = DtmfCodeText(s, f);
    root["DeviceSn"] = FieldText(s.DeviceSn, DeviceSnSize);
    root["SoftwareVersion"] = FieldText(s.SoftwareVersion, SoftwareVersionFieldSize);
    root["Password"] = FieldText(s.Password, PasswordFieldSize);
    root["NewPassword"] = FieldText(s.NewPassword, PasswordFieldSize);
    root["WriteRadioInfo"] = RadioInfoJson(s.WriteRadioInfo);
    root["ReadRadioInfo"] = RadioInfoJson(s.ReadRadioInfo);
    return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

void ApplyRecordJson(const std::string& json, RadioSettings& settings)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    if (document.isNull())
        throw RecordJsonError("not JSON: " + error.errorString().toStdString() + " at byte " +
                              std::to_string(error.offset));
    if (!document.isObject())
        throw RecordJsonError("not an object");
    RadioSettings s = settings;
    JsonFields root(document.object(), "");
    ReadNumbered(root, "Channel", "Channel", ChannelCount, [&](JsonFields& f, unsigned i) { ReadChannel(f, s, i); });
    ReadNumbered(root, "AddrBook", "Entry", AddrBookEntryCount, [&](JsonFields& f, unsigned k) { ReadEntry(f, s, k); });
    for (const auto& f : NumberFields())
        root.Number(f.name, f.max, [&](unsigned v) { f.set(s, v); });
    for (const auto& f : DtmfCodeFields())
        root.Dtmf(f.name, s.*f.codes, DtmfCodeCapacity, s.*f.length);
    root.Text("DeviceSn", s.DeviceSn, DeviceSnSize, DeviceSnSize);
    root.Text("SoftwareVersion", s.SoftwareVersion, SoftwareVersionFieldSize, SoftwareVersionLongest);
    root.Text("Password", s.Password, PasswordFieldSize, PasswordLongest);
    root.Text("NewPassword", s.NewPassword, PasswordFieldSize, PasswordLongest);
    ReadRadioInfo(root, "WriteRadioInfo", s.WriteRadioInfo);
    ReadRadioInfo(root, "ReadRadioInfo", s.ReadRadioInfo);
    root.RefuseOtherKeys();
    settings = s;
}
