#include "lang/BatchSetForm.h"

#include "model/ToneLists.h"

namespace {

constexpr int FirstColumn = 0;
constexpr int SecondColumn = 1;
constexpr int PowerHighPosition = 1;
constexpr int WidePosition = 1;
constexpr int ScanAddPosition = 1;

// Parsed from its text, as the radio stores it: "Off" is code 0xFFFF, not the list's 0.
ToneListEntry ToneAt(int position)
{
    const std::vector<ToneListEntry>& tones = BatchToneList();
    ToneListEntry tone = position >= 0 && size_t(position) < tones.size() ? tones[size_t(position)] : tones.front();
    ParseToneText(tone.text, tone.type, tone.code);
    return tone;
}

}

const std::vector<BatchSetControl>& BatchSetControls()
{
    using E = TextEntry;
    using K = BatchControlKind;
    static const std::vector<BatchSetControl> controls = {
        {BatchField::RxStart, "eChBatchFreqRx", "sChBatchFreqRx", E::RxFreq, K::Frequency, {}, 0, FirstColumn},
        {BatchField::TxStart, "eChBatchFreqTx", "sChBatchFreqTx", E::TxFreq, K::Frequency, {}, 0, FirstColumn},
        {BatchField::Decode, "cbChBatchSubDe", "sChBatchSubDe", E::QtDqtDec, K::Tones, {}, 0, FirstColumn},
        {BatchField::Encode, "cbChBatchSubEn", "sChBatchSubEn", E::QtDqtEnc, K::Tones, {}, 0, FirstColumn},
        {BatchField::StartChannel, "cbStartCh", "sStartCh", E::StartChannel, K::ChannelList, {}, 0, FirstColumn},
        {BatchField::EndChannel, "cbEndCh", "sEndCh", E::EndChannel, K::ChannelList, {}, 0, FirstColumn},
        {BatchField::Power, "cbChBatchPower", "sChBatchPower", E::TxPower, K::EntryList, {E::Low, E::High},
         PowerHighPosition, SecondColumn},
        {BatchField::Bandwidth, "cbChBatchBandwidth", "sChBatchBandwidth", E::Bandwidth, K::EntryList,
         {E::Narrow, E::Wide}, WidePosition, SecondColumn},
        {BatchField::Scan, "cbChBatchSCN", "sChBatchSCN", E::Scn, K::EntryList, {E::Del, E::Add}, ScanAddPosition,
         SecondColumn},
        {BatchField::BusyLock, "cbChBatchBUS", "sChBatchBUS", E::BusyInhibit, K::EntryList,
         {E::BusyLockOff, E::Dqt, E::Cat}, 0, SecondColumn},
        {BatchField::Step, "eStep", "sStep", E::StepMhz, K::Step, {}, 0, SecondColumn},
    };
    return controls;
}

// The lists hold their values in order: power low and high, narrow and wide, scan delete and add,
// busy lock off, DQT and CAT.
ChannelBatch ChosenBatch(const BatchSetChoices& choices)
{
    ChannelBatch batch;
    const ToneListEntry decode = ToneAt(choices[BatchField::Decode]);
    const ToneListEntry encode = ToneAt(choices[BatchField::Encode]);
    batch.decType = decode.type;
    batch.decCode = decode.code;
    batch.encType = encode.type;
    batch.encCode = encode.code;
    batch.first = unsigned(choices[BatchField::StartChannel] + 1);
    batch.last = unsigned(choices[BatchField::EndChannel] + 1);
    batch.power = uint8_t(choices[BatchField::Power]);
    batch.wide = choices[BatchField::Bandwidth] == WidePosition;
    batch.scanAdd = choices[BatchField::Scan] == ScanAddPosition;
    batch.busyLock = uint8_t(choices[BatchField::BusyLock]);
    batch.rxStart = choices.rxStart;
    batch.txStart = choices.txStart;
    batch.step = choices.step;
    return batch;
}
