#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "FileContents.h"
#include "ModalDriver.h"
#include "ScratchDir.h"
#include "WidgetDriving.h"
#include "calibration/AdjustmentBlock.h"
#include "calibration/AdjustmentFile.h"
#include "factory/AdjustmentDlg.h"
#include "factory/WriteSnDlg.h"
#include "lang/AppLang.h"
#include "link/engine/TransferTargets.h"

namespace {


class AdjustmentDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        ApplyLanguageSetting(LanguageSetting::English);
        dialog.SetFileChooser({[this](QWidget*, const QString& title) { return Chosen(title); },
                               [this](QWidget*, const QString& title) { return Chosen(title); }});
        ASSERT_TRUE(ShowActive(dialog));
    }

    QString Chosen(const QString& title)
    {
        chooserTitles.push_back(title);
        return chosenPath;
    }

    QLineEdit* Box(const char* name) { return dialog.findChild<QLineEdit*>(QString::fromLatin1(name)); }
    AdjustmentData& Record() { return calibration; }

    StrayModalGuard guard;
    TransferTargets objects;
    AdjustmentData calibration{};
    int channelWrites = 0;
    TAdjustmentDlg dialog{objects.Context(TransferKind::Adjustment, false), calibration, [this] { ++channelWrites; },
                          nullptr};
    QString chosenPath;
    QStringList chooserTitles;
};

TEST_F(AdjustmentDialog, HasABoxForEveryFieldAndTheButtons)
{
    for (const auto& field : AdjustmentFields())
        EXPECT_NE(Box(field.EditName.c_str()), nullptr) << field.EditName;
    for (const char* name : {"bRead", "bWrite", "Button1", "bNew", "bOpen", "bSave"})
        EXPECT_TRUE(dialog.findChild<QPushButton*>(QString::fromLatin1(name))->isVisible()) << name;
    EXPECT_FALSE(dialog.bWriteSn->isVisible());
    EXPECT_EQ(dialog.Button1->text(), QStringLiteral("..."));
}

// Where each box's value lies in the record and the largest value its family takes; 0 marks a
// frequency box.
struct BoxPlace {
    std::string box;
    size_t offset;
    uint32_t maximum;
};

std::vector<BoxPlace> EveryBoxPlace()
{
    std::vector<BoxPlace> places;
    for (size_t k = 0; k < AdjustmentPointCount; ++k) {
        const std::string row = "eFreq_" + std::to_string(k);
        places.push_back({row, 8 * k, 0});
        places.push_back({row + "_H", 8 * k + 4, 255});
        places.push_back({row + "_M", 8 * k + 5, 255});
        places.push_back({row + "_L", 8 * k + 6, 255});
        places.push_back({row + "_Tune", 8 * k + 7, 255});
    }
    const BoxPlace rest[] = {
        {"ePinPian_W", 40, 127},    {"ePinPian_W_Spe_1", 41, 127}, {"ePinPian_W_Spe_2", 42, 127},
        {"eDtmfFuDu_W", 43, 255},   {"e1750FuDu_W", 44, 255},      {"eCtcPinPian_W", 45, 63},
        {"eDcsPinPian_W", 46, 63},  {"ePinPian_N", 47, 127},       {"ePinPian_N_Spe_1", 48, 127},
        {"ePinPian_N_Spe_2", 49, 127}, {"eDtmfFuDu_N", 50, 255},   {"e1750FuDu_N", 51, 255},
        {"eCtcPinPian_N", 52, 63},  {"eDcsPinPian_N", 53, 63},     {"eSQL_L1", 54, 255},
        {"eSQL_L9", 55, 255},       {"eVOX_L1", 56, 255},          {"eVOX_L9", 57, 255},
        {"eBatt_L0_Wait", 58, 255}, {"eBatt_L1_Wait", 59, 255},    {"eBatt_L2_Wait", 60, 255},
        {"eBatt_L0_Tx", 61, 255},   {"eBatt_L1_Tx", 62, 255},      {"eBatt_L2_Tx", 63, 255},
        {"eBatt_High", 64, 255},    {"eXtal_PP", 65, 255},
    };
    places.insert(places.end(), std::begin(rest), std::end(rest));
    return places;
}

std::vector<uint8_t> BytesOf(const AdjustmentData& record)
{
    return std::vector<uint8_t>(record.Bytes(), record.Bytes() + AdjustmentDataSize);
}

TEST_F(AdjustmentDialog, EveryBoxCommitsToItsOwnFieldWithinItsFamilyRange)
{
    constexpr uint8_t Filler = 0x11;
    const std::vector<BoxPlace> places = EveryBoxPlace();
    EXPECT_EQ(places.size(), AdjustmentFields().size());
    for (const auto& place : places) {
        std::fill(Record().Bytes(), Record().Bytes() + AdjustmentDataSize, Filler);
        dialog.RefreshFields();
        std::vector<uint8_t> expected = BytesOf(Record());
        QLineEdit* box = Box(place.box.c_str());
        ASSERT_NE(box, nullptr) << place.box;
        if (place.maximum == 0) {
            RetypeAndLeave(box, QStringLiteral("435.125"));
            const uint8_t hz[] = {0x08, 0x7B, 0xEF, 0x19};  // 435125000, little-endian
            std::copy(std::begin(hz), std::end(hz), expected.begin() + std::ptrdiff_t(place.offset));
        } else {
            RetypeAndLeave(box, QString::number(place.maximum + 1));
            EXPECT_EQ(BytesOf(Record()), expected) << place.box << " took " << place.maximum + 1;
            RetypeAndLeave(box, QString::number(place.maximum));
            expected[place.offset] = uint8_t(place.maximum);
        }
        EXPECT_EQ(BytesOf(Record()), expected) << place.box;
    }
}

TEST_F(AdjustmentDialog, ButtonCaptionsFollowTheLanguage)
{
    const struct {
        LanguageSetting setting;
        const char* captions[5];  // bNew, bOpen, bSave, bWrite, bRead
        const char* confirm[2];   // OK and Cancel of the New confirmation
    } cases[] = {
        {LanguageSetting::English, {"New", "Open", "Save", "Write", "Read"}, {"OK", "Cancel"}},
        {LanguageSetting::SimplifiedChinese, {"新建", "打开", "保存", "写入", "读取"}, {"确认", "取消"}},
        {LanguageSetting::TraditionalChinese, {"新建", "打開", "保存", "寫入", "讀取"}, {"確認", "取消"}},
    };
    for (const auto& c : cases) {
        ApplyLanguageSetting(c.setting);
        TAdjustmentDlg shown(objects.Context(TransferKind::Adjustment, false), calibration, {}, nullptr);
        const QPushButton* buttons[] = {shown.bNew, shown.bOpen, shown.bSave, shown.bWrite, shown.bRead};
        for (size_t i = 0; i < std::size(buttons); ++i)
            EXPECT_EQ(buttons[i]->text(), QString::fromUtf8(c.captions[i])) << int(c.setting) << " " << i;
        QStringList confirmCaptions;
        ModalDriver::OnNextModal([&](QWidget* confirm) {
            for (const char* name : {"OKBtn", "CancelBtn"})
                confirmCaptions << confirm->findChild<QPushButton*>(QString::fromLatin1(name))->text();
            confirm->findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
        });
        shown.bNew->click();
        EXPECT_EQ(confirmCaptions, (QStringList{QString::fromUtf8(c.confirm[0]), QString::fromUtf8(c.confirm[1])}))
            << int(c.setting);
    }
}

TEST_F(AdjustmentDialog, ByteBoxesKeepTheirValueWhenLeftOutOfRange)
{
    struct Case {
        const char* box;
        const char* keys;
        uint8_t AdjustmentData::*field;
        uint8_t stored;
        const char* shown;
    };
    const Case cases[] = {
        {"eXtal_PP", "255", &AdjustmentData::Xtal_PP, 255, "255"},
        {"eXtal_PP", "256", &AdjustmentData::Xtal_PP, 17, "17"},
        {"eSQL_L1", "007", &AdjustmentData::SQL_L1, 7, "7"},
        {"eBatt_High", "", &AdjustmentData::Batt_High, 0, "0"},
        {"eBatt_High", "2x5", &AdjustmentData::Batt_High, 25, "25"},
        {"ePinPian_N", "128", &AdjustmentData::PinPian_N, 17, "17"},
        {"ePinPian_N", "127", &AdjustmentData::PinPian_N, 127, "127"},
        {"eCtcPinPian_W", "64", &AdjustmentData::CtcPinPian_W, 17, "17"},
        {"eCtcPinPian_W", "63", &AdjustmentData::CtcPinPian_W, 63, "63"},
    };
    for (const auto& c : cases) {
        Record().*c.field = 17;
        dialog.RefreshFields();
        RetypeAndLeave(Box(c.box), QString::fromLatin1(c.keys));
        EXPECT_EQ(Record().*c.field, c.stored) << c.box << " " << c.keys;
        EXPECT_EQ(Box(c.box)->text(), QString::fromLatin1(c.shown)) << c.box << " " << c.keys;
    }
}

TEST_F(AdjustmentDialog, BoxesRefuseTextLongerThanTheirFamilyAllows)
{
    const struct {
        const char* box;
        const char* keys;
        const char* shown;
    } cases[] = {
        {"eCtcPinPian_W", "634", "63"},
        {"eDcsPinPian_N", "1.2", "12"},
        {"eFreq_1_Tune", "2555", "255"},
        {"ePinPian_W", "1277", "127"},
        {"eFreq_2", "435.1.25", "435.125"},
        {"eFreq_2", "4351234567", "435123456"},
        {"eFreq_0", ".", ""},
        {"eFreq_0", "4a3", "43"},
    };
    for (const auto& c : cases) {
        Retype(Box(c.box), QString::fromLatin1(c.keys));
        EXPECT_EQ(Box(c.box)->text(), QString::fromLatin1(c.shown)) << c.box << " " << c.keys;
        Leave(Box(c.box));
    }
}

TEST_F(AdjustmentDialog, FrequenciesAreSnappedIntoTheBandWhenLeft)
{
    const struct {
        const char* keys;
        uint32_t stored;
        const char* shown;
    } cases[] = {
        {"435.1.25", 435125000, "435.12500"},
        {"435.03125", 435031250, "435.03125"},
        {"300", 400000000, "400.00000"},
        {"500", 470000000, "470.00000"},
        {"", 400000000, "400.00000"},
    };
    for (const auto& c : cases) {
        RetypeAndLeave(Box("eFreq_2"), QString::fromLatin1(c.keys));
        EXPECT_EQ(Record().Point[2].Freq, c.stored) << c.keys;
        EXPECT_EQ(Box("eFreq_2")->text(), QString::fromLatin1(c.shown)) << c.keys;
    }
}

TEST_F(AdjustmentDialog, TheRadioBandDecidesTheClamp)
{
    objects.Band = BandLimits{136000000, 174000000};
    RetypeAndLeave(Box("eFreq_4"), QStringLiteral("100"));
    EXPECT_EQ(Record().Point[4].Freq, 136000000u);
}

TEST_F(AdjustmentDialog, PastedTextThatIsNoNumberIsRefusedWithANotice)
{
    Record().DtmfFuDu_W = 42;
    dialog.RefreshFields();
    QLineEdit* box = Box("eDtmfFuDu_W");
    Paste(box, QStringLiteral("a1"));
    ASSERT_EQ(box->text(), QStringLiteral("a1"));

    QString notice;
    AnswerNextNotice(notice);
    Leave(box);
    ASSERT_TRUE(WaitFor([&] { return !notice.isEmpty(); }));
    EXPECT_TRUE(notice.contains(QStringLiteral("a1")));
    EXPECT_EQ(Record().DtmfFuDu_W, 42);
    EXPECT_EQ(box->text(), QStringLiteral("42"));
}

TEST_F(AdjustmentDialog, NewClearsEverythingOnlyAfterOk)
{
    for (size_t i = 0; i < AdjustmentDataSize; ++i)
        Record().Bytes()[i] = 0x33;
    dialog.RefreshFields();

    ModalDriver::ClickOnNextModal("CancelBtn");
    QTest::mouseClick(dialog.bNew, Qt::LeftButton);
    EXPECT_EQ(Record().Xtal_PP, 0x33);

    QString question;
    ModalDriver::OnNextModal([&](QWidget* confirm) {
        question = confirm->findChild<QLabel*>(QStringLiteral("Label1"))->text();
        confirm->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    QTest::mouseClick(dialog.bNew, Qt::LeftButton);
    EXPECT_EQ(question, QStringLiteral("Clear all data ?"));
    for (size_t i = 0; i < AdjustmentDataSize; ++i)
        EXPECT_EQ(Record().Bytes()[i], 0) << i;
    for (const auto& field : AdjustmentFields())
        EXPECT_EQ(Box(field.EditName.c_str())->text(), QStringLiteral("0")) << field.EditName;
}

TEST_F(AdjustmentDialog, OpeningAFileOfAllOnesShowsEveryValueUnclamped)
{
    ScratchDir dir;
    chosenPath = QString::fromStdString(dir.File("ones.Kqda"));
    WriteAll(chosenPath.toStdString(), std::vector<uint8_t>(AdjustmentDataSize, 0xFF));
    QTest::mouseClick(dialog.bOpen, Qt::LeftButton);
    EXPECT_EQ(chooserTitles, QStringList{QStringLiteral("Open")});
    for (const auto& field : AdjustmentFields())
        EXPECT_EQ(Box(field.EditName.c_str())->text().toStdString(),
                  field.Family == AdjustmentFamily::Frequency ? "294.96729" : "255")
            << field.EditName;
    EXPECT_EQ(Record().Reserved[1], 0xFF);

    QLineEdit* first = Box("eFreq_0");
    first->setFocus(Qt::TabFocusReason);
    Leave(first);
    QTest::mouseClick(dialog.bSave, Qt::LeftButton);
    EXPECT_EQ(Record().Point[0].Freq, 0xFFFFFFFFu) << "passing through a box clamps nothing";
    EXPECT_EQ(Record().Xtal_PP, 0xFF);
}

// The file is taken as far as it goes, as always, and the notice says how far in the interface
// language, so that the values are looked at before they reach a radio.
TEST_F(AdjustmentDialog, OpeningAFileOfAnotherLengthSaysHowMuchOfTheRecordItBrought)
{
    const struct {
        LanguageSetting language;
        size_t size;
        const char* howMuch;
    } cases[] = {
        {LanguageSetting::English, 0, "It brought 0 of the 68 bytes"},
        {LanguageSetting::English, 67, "It brought 67 of the 68 bytes"},
        {LanguageSetting::English, 69, "Only its first 68 bytes were taken"},
        {LanguageSetting::English, 200, "Only its first 68 bytes were taken"},
        {LanguageSetting::SimplifiedChinese, 10, "它只带来了 68 字节中的 10 字节"},
    };
    ScratchDir dir;
    for (const auto& c : cases) {
        ApplyLanguageSetting(c.language);
        chosenPath = QString::fromStdString(dir.File("odd.Kqda"));
        const std::vector<uint8_t> content(c.size, 0xEE);
        WriteAll(chosenPath.toStdString(), content);
        Record() = AdjustmentData{};
        Record().Xtal_PP = 99;
        QString notice;
        AnswerNextNotice(notice);
        QTest::mouseClick(dialog.bOpen, Qt::LeftButton);

        EXPECT_TRUE(notice.startsWith(chosenPath)) << notice.toStdString();
        EXPECT_TRUE(notice.contains(QString::fromUtf8(c.howMuch))) << notice.toStdString();
        const size_t taken = std::min(c.size, AdjustmentDataSize);
        EXPECT_EQ(std::vector<uint8_t>(Record().Bytes(), Record().Bytes() + taken),
                  std::vector<uint8_t>(content.begin(), content.begin() + taken));
        EXPECT_EQ(Record().Xtal_PP, taken > 65 ? 0xEE : 99) << c.size;
        EXPECT_EQ(Box("eXtal_PP")->text(), QString::number(Record().Xtal_PP));
    }
}

TEST_F(AdjustmentDialog, SavingWritesTheRecordAndACancelledChoiceWritesNothing)
{
    ScratchDir dir;
    RetypeAndLeave(Box("eFreq_0"), QStringLiteral("438.5"));
    QTest::mouseClick(dialog.bSave, Qt::LeftButton);
    EXPECT_EQ(chooserTitles, QStringList{QStringLiteral("Save")});

    chosenPath = QString::fromStdString(dir.File("saved.Kqda"));
    QTest::mouseClick(dialog.bSave, Qt::LeftButton);
    const std::vector<uint8_t> bytes = ReadAllBytes(chosenPath.toStdString());
    ASSERT_EQ(bytes.size(), AdjustmentDataSize);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 4), (std::vector<uint8_t>{0xA0, 0xFA, 0x22, 0x1A}));
}

TEST_F(AdjustmentDialog, AFailedSaveIsReported)
{
    ScratchDir dir;
    chosenPath = QString::fromStdString(dir.File("missing/dir/x.Kqda"));
    QString notice;
    AnswerNextNotice(notice);
    QTest::mouseClick(dialog.bSave, Qt::LeftButton);
    EXPECT_FALSE(notice.isEmpty());
}

TEST_F(AdjustmentDialog, WriteCommitsTheBoxBeingEditedAndPacksTheRecordBeforeTheTransfer)
{
    Retype(Box("eFreq_0"), QStringLiteral("438.5"));
    TransferBuffer atOpening{};
    QString caption;
    ModalDriver::OnNextModal([&](QWidget* transfer) {
        atOpening = objects.Buffer;
        caption = transfer->windowTitle();
        transfer->findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
    });
    dialog.bWrite->click();
    EXPECT_EQ(caption, QStringLiteral("Write to radio"));
    EXPECT_EQ(Record().Point[0].Freq, 438500000u);
    EXPECT_EQ(atOpening[0], 0x1A);
    EXPECT_EQ(atOpening[3], 0xA0);
}

TEST_F(AdjustmentDialog, ACancelledReadLeavesTheRecord)
{
    Record().Xtal_PP = 99;
    objects.Buffer.fill(0x55);
    QString caption;
    ModalDriver::OnNextModal([&](QWidget* transfer) {
        caption = transfer->windowTitle();
        transfer->findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
    });
    QTest::mouseClick(dialog.bRead, Qt::LeftButton);
    EXPECT_EQ(caption, QStringLiteral("Read from radio"));
    EXPECT_EQ(Record().Xtal_PP, 99);
}

TEST_F(AdjustmentDialog, TheDotsButtonWritesTheChannelData)
{
    QTest::mouseClick(dialog.Button1, Qt::LeftButton);
    EXPECT_EQ(channelWrites, 1);
}

TEST_F(AdjustmentDialog, TheHiddenSnButtonOpensTheSerialNumberDialog)
{
    bool opened = false;
    ModalDriver::OnNextModal([&](QWidget* modal) {
        opened = qobject_cast<TWriteSnDlg*>(modal) != nullptr;
        modal->close();
    });
    dialog.bWriteSn->click();
    EXPECT_TRUE(opened);
}

TEST_F(AdjustmentDialog, ADialogDestroyedWhileShownCommitsNothing)
{
    const std::vector<uint8_t> before = BytesOf(Record());
    TransferTargets other;
    auto shown = std::make_unique<TAdjustmentDlg>(other.Context(TransferKind::Adjustment, false), calibration,
                                                  std::function<void()>{}, nullptr);
    ASSERT_TRUE(ShowActive(*shown));
    Retype(shown->findChild<QLineEdit*>(QStringLiteral("eVOX_L9")), QStringLiteral("88"));
    shown.reset();
    EXPECT_EQ(BytesOf(Record()), before);
}

TEST_F(AdjustmentDialog, TheRecordOutlivesTheDialog)
{
    RetypeAndLeave(Box("eVOX_L9"), QStringLiteral("88"));
    TransferTargets other;
    TAdjustmentDlg reopened(other.Context(TransferKind::Adjustment, false), calibration, {}, nullptr);
    EXPECT_EQ(reopened.findChild<QLineEdit*>(QStringLiteral("eVOX_L9"))->text(), QStringLiteral("88"));
}

}
