#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "model/DtmfDigits.h"
#include "model/Password.h"
#include "model/RecordComparison.h"
#include "model/Tone.h"

namespace {

using Change = std::function<void(RadioSettings&)>;

RadioSettings Master()
{
    RadioSettings s;
    s.ResetToDefaults();
    for (unsigned n : {1u, 3u}) {
        s.SetChannelUsed(n, true);
        s.Channel[n].RxFreq = 446006250;
        s.Channel[n].TxFreq = 446006250;
        s.Channel[n].DecType = ToneCtcss;
        s.Channel[n].DecCode = 885;
    }
    s.SetAddrBookEntryUsed(2, true);
    StoreDtmfText("1234", s.Entry(2).Id, AddrBookIdCapacity, s.Entry(2).IdLength);
    std::memcpy(s.Entry(2).EntryName, "BASE", 4);
    StorePasswordText(s.Password, "kr27");
    return s;
}

RadioSettings Changed(const Change& change)
{
    RadioSettings s = Master();
    change(s);
    return s;
}

void Fill(uint8_t* bytes, size_t size, uint8_t value) { std::memset(bytes, value, size); }

// What a person cannot see in the radio, or what the radio says of itself, is no difference.
TEST(RecordComparison, RecordsARadioHoldsAlikeAreEqual)
{
    const struct {
        const char* what;
        Change change;
    } cases[] = {
        {"nothing", [](RadioSettings&) {}},
        {"an unused channel's bytes",
         [](RadioSettings& s) { Fill(reinterpret_cast<uint8_t*>(&s.Channel[5]), sizeof(ChannelRecord), 0xA5); }},
        {"an unused entry's bytes",
         [](RadioSettings& s) { Fill(reinterpret_cast<uint8_t*>(&s.Entry(7)), sizeof(AddressBookEntry), 0x5A); }},
        {"serial number and firmware",
         [](RadioSettings& s) {
             Fill(s.DeviceSn, DeviceSnSize, '7');
             Fill(s.SoftwareVersion, SoftwareVersionFieldSize - 1, 'V');
         }},
        {"reported band and password",
         [](RadioSettings& s) {
             s.ReadRadioInfo.BandMin = 136000000;
             s.WriteRadioInfo.BandMax = 174000000;
             Fill(s.ReadRadioInfo.ReportedPassword, sizeof s.ReadRadioInfo.ReportedPassword, 0x1E);
         }},
        {"last-programmed time", [](RadioSettings& s) { s.LastWriteYear = 2031, s.LastWriteMinute = 59; }},
        {"a channel name, which stays in the file", [](RadioSettings& s) { std::memcpy(s.Channel[1].Name, "CH1", 3); }},
        {"options the radio is never sent", [](RadioSettings& s) { s.Apo = 30, s.DtmfId = 9, s.Limited = 1; }},
        {"the hertz digit the radio drops", [](RadioSettings& s) { s.Channel[3].TxFreq = 446006259; }},
        {"Off stored another way",
         [](RadioSettings& s) { s.Channel[1].EncType = ToneNone, s.Channel[1].EncCode = 0xFFFF; }},
        {"unused bits of a channel", [](RadioSettings& s) { s.Channel[1].OptA |= 0xE0, s.Channel[1].OptB |= 0x07; }},
        {"digits past a code's length", [](RadioSettings& s) { s.PttId[DtmfCodeCapacity - 1] = 9; }},
        {"bytes past the password's end", [](RadioSettings& s) { s.Password[PasswordFieldSize - 1] = 'x'; }},
        {"a new password not yet set", [](RadioSettings& s) { StorePasswordText(s.NewPassword, "next"); }},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(CompareRecords(Master(), Changed(c.change)).empty()) << c.what;
}

TEST(RecordComparison, NamesEachFieldThatDiffersOnce)
{
    const struct {
        const char* what;
        Change change;
        FieldDifference expected;
        const char* key;
    } cases[] = {
        {"a channel only one uses", [](RadioSettings& s) { s.SetChannelUsed(5, true); },
         {DifferenceKind::ChannelUse, 5}, "Channel[5].Used"},
        {"a transmit frequency", [](RadioSettings& s) { s.Channel[3].TxFreq = 446012500; },
         {DifferenceKind::Channel, 3, ChannelValue::TxFreq}, "Channel[3].TxFreq"},
        {"a receive tone",
         [](RadioSettings& s) { s.Channel[1].DecType = ToneDcsInverted, s.Channel[1].DecCode = 0x2813; },
         {DifferenceKind::Channel, 1, ChannelValue::DecodeTone}, "Channel[1].DecType/DecCode"},
        {"a bandwidth", [](RadioSettings& s) { s.Channel[3].SetBandwidth(true); },
         {DifferenceKind::Channel, 3, ChannelValue::Bandwidth}, "Channel[3].Bandwidth"},
        {"an entry only one uses", [](RadioSettings& s) { s.SetAddrBookEntryUsed(2, false); },
         {DifferenceKind::AddressBookEntry, 2}, "AddrBook[2]"},
        {"an entry's number", [](RadioSettings& s) { s.Entry(2).Id[0] = 5; },
         {DifferenceKind::AddressBookEntry, 2}, "AddrBook[2]"},
        {"a DTMF code", [](RadioSettings& s) { StoreDtmfText("0199", s.PttId, DtmfCodeCapacity, s.PttIdLength); },
         {DifferenceKind::DtmfCode, 0, {}, nullptr, &DtmfCodeFields()[3]}, "PttId"},
        {"an option", [](RadioSettings& s) { s.Vox = 5; },
         {DifferenceKind::Option, 0, {}, FindOptionField("Vox")}, "Vox"},
        {"a key", [](RadioSettings& s) { s.Key1Short = 0; },
         {DifferenceKind::Option, 0, {}, FindOptionField("Key1Short")}, "Key1Short"},
        {"the password", [](RadioSettings& s) { StorePasswordText(s.Password, ""); },
         {DifferenceKind::Password}, "Password"},
    };
    for (const auto& c : cases) {
        const std::vector<FieldDifference> differences = CompareRecords(Master(), Changed(c.change));
        ASSERT_EQ(differences.size(), 1u) << c.what;
        EXPECT_EQ(differences[0], c.expected) << c.what;
        EXPECT_EQ(DifferenceKey(differences[0]), c.key) << c.what;
    }
}

TEST(RecordComparison, ARadioThatReportsNoPasswordHoldsNone)
{
    RadioSettings read = Master();
    TakeRadioPassword(read);
    EXPECT_EQ(PasswordLength(read.Password), 0u);

    read = Master();
    const std::vector<uint8_t> reported = EncodePassword(read.Password);
    std::memcpy(read.ReadRadioInfo.ReportedPassword, reported.data(), reported.size());
    TakeRadioPassword(read);
    EXPECT_TRUE(CompareRecords(Master(), read).empty());
}

}  // namespace
