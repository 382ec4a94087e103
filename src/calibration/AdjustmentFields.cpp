#include "calibration/AdjustmentFields.h"

#include <optional>

#include "model/ByteOrder.h"
#include "model/Frequency.h"
#include "model/TypingRules.h"
#include "text/Utf8.h"

namespace {

constexpr size_t FrequencyLongestText = 9;
constexpr size_t ByteLongestText = 3;
constexpr size_t ToneDeviationLongestText = 2;

constexpr uint32_t DeviationMaximum = 127;
constexpr uint32_t ToneDeviationMaximum = 63;
constexpr uint32_t ByteMaximum = 255;

struct PointByte {
    const char* editSuffix;
    const char* fieldName;
    size_t offset;
};

constexpr PointByte PointBytes[] = {
    {"_H", "ApcHigh", offsetof(AdjustmentPoint, ApcHigh)},
    {"_M", "ApcMid", offsetof(AdjustmentPoint, ApcMid)},
    {"_L", "ApcLow", offsetof(AdjustmentPoint, ApcLow)},
    {"_Tune", "Tune", offsetof(AdjustmentPoint, Tune)},
};

void AddPointFields(std::vector<AdjustmentField>& fields)
{
    for (size_t k = 0; k < AdjustmentPointCount; ++k) {
        const std::string edit = "eFreq_" + std::to_string(k);
        const std::string point = "Point[" + std::to_string(k) + "].";
        const size_t base = offsetof(AdjustmentData, Point) + k * sizeof(AdjustmentPoint);
        fields.push_back({edit, point + "Freq", base + offsetof(AdjustmentPoint, Freq), AdjustmentFamily::Frequency});
        for (const auto& b : PointBytes)
            fields.push_back({edit + b.editSuffix, point + b.fieldName, base + b.offset, AdjustmentFamily::Byte});
    }
}

#define KR_FIELD(edit, field, family) {edit, #field, offsetof(AdjustmentData, field), AdjustmentFamily::family}

std::vector<AdjustmentField> BuildFields()
{
    std::vector<AdjustmentField> fields;
    AddPointFields(fields);
    const AdjustmentField rest[] = {
        KR_FIELD("ePinPian_W", PinPian_W, Deviation),
        KR_FIELD("ePinPian_W_Spe_1", PinPian_W_Spe_1, Deviation),
        KR_FIELD("ePinPian_W_Spe_2", PinPian_W_Spe_2, Deviation),
        KR_FIELD("eDtmfFuDu_W", DtmfFuDu_W, Byte),
        KR_FIELD("e1750FuDu_W", FuDu1750_W, Byte),
        KR_FIELD("eCtcPinPian_W", CtcPinPian_W, ToneDeviation),
        KR_FIELD("eDcsPinPian_W", DcsPinPian_W, ToneDeviation),
        KR_FIELD("ePinPian_N", PinPian_N, Deviation),
        KR_FIELD("ePinPian_N_Spe_1", PinPian_N_Spe_1, Deviation),
        KR_FIELD("ePinPian_N_Spe_2", PinPian_N_Spe_2, Deviation),
        KR_FIELD("eDtmfFuDu_N", DtmfFuDu_N, Byte),
        KR_FIELD("e1750FuDu_N", FuDu1750_N, Byte),
        KR_FIELD("eCtcPinPian_N", CtcPinPian_N, ToneDeviation),
        KR_FIELD("eDcsPinPian_N", DcsPinPian_N, ToneDeviation),
        KR_FIELD("eSQL_L1", SQL_L1, Byte),
        KR_FIELD("eSQL_L9", SQL_L9, Byte),
        KR_FIELD("eVOX_L1", VOX_L1, Byte),
        KR_FIELD("eVOX_L9", VOX_L9, Byte),
        KR_FIELD("eBatt_L0_Wait", Batt_L0_Wait, Byte),
        KR_FIELD("eBatt_L1_Wait", Batt_L1_Wait, Byte),
        KR_FIELD("eBatt_L2_Wait", Batt_L2_Wait, Byte),
        KR_FIELD("eBatt_L0_Tx", Batt_L0_Tx, Byte),
        KR_FIELD("eBatt_L1_Tx", Batt_L1_Tx, Byte),
        KR_FIELD("eBatt_L2_Tx", Batt_L2_Tx, Byte),
        KR_FIELD("eBatt_High", Batt_High, Byte),
        KR_FIELD("eXtal_PP", Xtal_PP, Byte),
    };
    fields.insert(fields.end(), std::begin(rest), std::end(rest));
    return fields;
}

#undef KR_FIELD

uint32_t FamilyMaximum(AdjustmentFamily family)
{
    switch (family) {
    case AdjustmentFamily::Deviation:
        return DeviationMaximum;
    case AdjustmentFamily::ToneDeviation:
        return ToneDeviationMaximum;
    default:
        return ByteMaximum;
    }
}

// A plain run of decimal digits; anything else (signs, blanks, letters) is not a number here.
// Runs too long for 32 bits only need to compare as out of range, so they saturate.
std::optional<uint32_t> ParseDecimal(const std::string& text)
{
    constexpr uint32_t SaturationLimit = 100000000;
    uint32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value < SaturationLimit ? value * 10 + uint32_t(c - '0') : UINT32_MAX;
    }
    return value;
}

CommitOutcome CommitFrequency(const AdjustmentField& field, const std::string& text, const BandLimits& band,
    AdjustmentData& record)
{
    const std::optional<uint32_t> hz = ParseMegahertz(text);
    if (!hz)
        return CommitOutcome::NotANumber;
    PutLe32(record.Bytes() + field.Offset, SnapFrequencyInBand(*hz, band));
    return CommitOutcome::Stored;
}

CommitOutcome CommitByte(const AdjustmentField& field, const std::string& text, AdjustmentData& record)
{
    const std::optional<uint32_t> value = ParseDecimal(text);
    if (!value)
        return CommitOutcome::NotANumber;
    if (*value > FamilyMaximum(field.Family))
        return CommitOutcome::OutOfRange;
    record.Bytes()[field.Offset] = uint8_t(*value);
    return CommitOutcome::Stored;
}

}

const std::vector<AdjustmentField>& AdjustmentFields()
{
    static const std::vector<AdjustmentField> fields = BuildFields();
    return fields;
}

const AdjustmentField* FindAdjustmentField(const std::string& editName)
{
    for (const AdjustmentField& field : AdjustmentFields())
        if (field.EditName == editName)
            return &field;
    return nullptr;
}

size_t LongestText(AdjustmentFamily family)
{
    switch (family) {
    case AdjustmentFamily::Frequency:
        return FrequencyLongestText;
    case AdjustmentFamily::ToneDeviation:
        return ToneDeviationLongestText;
    default:
        return ByteLongestText;
    }
}

std::string CorrectedFieldText(const AdjustmentField& field, const std::string& text)
{
    if (field.Family == AdjustmentFamily::Frequency)
        return CorrectedText(text, CorrectFrequencyText);
    return CutToCharacters(text, LongestText(field.Family));
}

CommitOutcome CommitFieldText(const AdjustmentField& field, const std::string& text, const BandLimits& band,
    AdjustmentData& record)
{
    if (field.Family == AdjustmentFamily::Frequency)
        return CommitFrequency(field, text, band, record);
    return CommitByte(field, text, record);
}

std::string FieldText(const AdjustmentField& field, const AdjustmentData& record)
{
    if (field.Family == AdjustmentFamily::Frequency)
        return FormatFrequency(GetLe32(record.Bytes() + field.Offset));
    return std::to_string(record.Bytes()[field.Offset]);
}
