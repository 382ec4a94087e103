#include <cstring>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "FileContents.h"
#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "files/AppSettings.h"
#include "model/BandLimits.h"
#include "notices/WarnDialogs.h"

namespace {

using StartUpTest = MainWindowTest;

TEST_F(StartUpTest, WithoutASettingsFileCreatesItAndSelectsBandTwo)
{
    ASSERT_FALSE(QFile::exists(QString::fromStdString(settingsPath)));
    StartWindow();

    EXPECT_TRUE(QFile::exists(QString::fromStdString(settingsPath)));
    EXPECT_EQ(Band(), (BandLimits{400000000, 470000000}));
    EXPECT_EQ(BandTicks(), (std::vector<bool>{false, true, false, false, false, false}));
    EXPECT_EQ(Item("MenuEdit_Band_1")->text(), QString::fromUtf8("频段 1 (136 - 174MHz)"));
    EXPECT_EQ(Item("MenuEdit_Band_2")->text(), QString::fromUtf8("频段 2 (400 - 470MHz)"));
    EXPECT_TRUE(Item("MenuEdit_Band_undef")->text().isEmpty());
    EXPECT_TRUE(Item("MenuLanguage_Chs")->isChecked());
    EXPECT_FALSE(Item("MenuLanguage_En")->isChecked());
}

TEST_F(StartUpTest, StartsWithTheRecordAtItsDefaults)
{
    StartWindow();
    RadioSettings defaults{};
    defaults.ResetToDefaults();
    EXPECT_TRUE(SameBlock(Record(), defaults));
    EXPECT_EQ(window->Link().PortNumber, 1);
    EXPECT_TRUE(window->Link().AutoSearchPort);
}

TEST_F(StartUpTest, TakesPortLanguageAndBandFromTheSettingsFile)
{
    WriteSettingsFile("[config]\nPort=4\nLanguage=0\nAutoSeachPort=0\n[Band]\nband-3 max=250000000\nband Selete=2\n");
    StartWindow();

    EXPECT_EQ(window->Link().PortNumber, 4);
    EXPECT_FALSE(window->Link().AutoSearchPort);
    EXPECT_EQ(Band(), (BandLimits{245000000, 250000000}));
    EXPECT_EQ(BandTicks(), (std::vector<bool>{false, false, true, false, false, false}));
    EXPECT_EQ(Item("MenuEdit_Band_3")->text(), "Frequency Band 3 (245 - 250MHz)");
    EXPECT_TRUE(Item("MenuLanguage_En")->isChecked());
    EXPECT_EQ(Item("MenuFile")->text(), "&File");
}

TEST_F(StartUpTest, ASelectionOutsideTheTableMeansBandOne)
{
    WriteSettingsFile("[Band]\nband Selete=9\n");
    StartWindow();
    EXPECT_EQ(Band(), (BandLimits{136000000, 174000000}));
    EXPECT_EQ(window->Config().BandSelete, 0);
}

TEST_F(StartUpTest, TraditionalChineseFromTheFileTicksItsOwnItem)
{
    WriteSettingsFile("[config]\nLanguage=2\n");
    StartWindow();
    EXPECT_FALSE(Item("MenuLanguage_Chs")->isChecked());
    EXPECT_TRUE(Item("MenuLanguage_Cht")->isChecked());
    EXPECT_FALSE(Item("MenuLanguage_En")->isChecked());
    EXPECT_EQ(Item("MenuEdit_Read")->text(), QString::fromUtf8("讀頻(&R)"));
    EXPECT_EQ(Control<QToolButton>("ToolButton_Write")->toolTip(), QString::fromUtf8("寫頻"));
}

TEST_F(StartUpTest, WindowHasItsFixedClientAreaAndTheFocusButtonInTheCorner)
{
    StartWindow();
    EXPECT_EQ(window->width(), 829);
    EXPECT_EQ(window->height() - window->menuBar()->height(), 507);
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->windowTitle(), "KR-T27");
    auto* hide = Control<QPushButton>("bHide");
    ASSERT_NE(hide, nullptr);
    EXPECT_EQ(hide->geometry(), QRect(0, 0, 1, 1));
    EXPECT_NE(Control<QStatusBar>("StatusBar1"), nullptr);
}

TEST_F(StartUpTest, EveryMenuItemAndPageIsThere)
{
    StartWindow();
    for (const char* name : {"MenuFile_New", "MenuFile_Open", "MenuFile_Save", "MenuFile_Exit", "MenuEdit_Read",
                             "MenuEdit_Write", "MenuEdit_Password", "MenuEdit_Band_undef", "MenuPort",
                             "MenuLanguage_Chs", "MenuLanguage_Cht", "MenuLanguage_En", "MenuAdjustment",
                             "MenuGettingStarted", "MenuSaveTransferLog", "MenuAbout"})
        EXPECT_NE(Item(name), nullptr) << name;
    auto* pages = Control<QTabWidget>("PageControl_Home");
    ASSERT_NE(pages, nullptr);
    const char* names[] = {"TabSheet_ChInfo", "TabSheet_Option", "TabSheet_Dtmf", "TabSheet_Key"};
    const char* captions[] = {"信道编辑", "功能选项", "DTMF", "按键配置"};
    ASSERT_EQ(pages->count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(pages->widget(i)->objectName(), names[i]);
        EXPECT_EQ(pages->tabText(i), QString::fromUtf8(captions[i]));
    }
}

TEST_F(StartUpTest, BatchSetButtonStaysHidden)
{
    StartWindow();
    auto* batch = Control<QPushButton>("bChBatchSet");
    ASSERT_NE(batch, nullptr);
    EXPECT_FALSE(batch->isVisible());
    EXPECT_EQ(batch->text(), QString::fromUtf8("批量设置"));
}

TEST_F(StartUpTest, ToolButtonsShowTheirHints)
{
    WriteSettingsFile("[config]\nLanguage=0\n");
    StartWindow();
    const struct {
        const char* button;
        const char* hint;
    } cases[] = {{"ToolButton_New", "New"},
                 {"ToolButton_Open", "Open"},
                 {"ToolButton_Save", "Save"},
                 {"ToolButton_Read", "Read from radio"},
                 {"ToolButton_Write", "Write to radio"}};
    for (const auto& c : cases) {
        auto* button = Control<QToolButton>(c.button);
        ASSERT_NE(button, nullptr) << c.button;
        EXPECT_EQ(button->toolTip(), c.hint);
        EXPECT_EQ(button->size(), QSize(32, 32));
        EXPECT_FALSE(button->icon().isNull());
    }
}

TEST_F(StartUpTest, ARadioBandOutsideTheTableTicksNoBandAndShowsTheRadiosLimits)
{
    StartWindow();
    Band() = {144000000, 146000000};
    window->FullRefresh();

    EXPECT_EQ(BandTicks(), std::vector<bool>(6, false));
    EXPECT_EQ(Item("MenuEdit_Band_undef")->text(), QString::fromUtf8("频段 (144 - 146MHz)"));
    EXPECT_EQ(window->Config().BandSelete, 1);
}

TEST_F(StartUpTest, ARadioBandInTheTableSelectsThatBand)
{
    StartWindow();
    Band() = {450000000, 520000000};
    window->FullRefresh();
    EXPECT_EQ(BandTicks(), (std::vector<bool>{false, false, false, false, true, false}));
    EXPECT_EQ(window->Config().BandSelete, 4);
}

TEST_F(StartUpTest, DeviceInformationShowsTheRecordsStampVersionAndSerialNumber)
{
    StartWindow();
    Record().LastWriteYear = 2024;
    Record().LastWriteMonth = 5;
    Record().LastWriteDay = 6;
    Record().LastWriteHour = 9;
    Record().LastWriteMinute = 7;
    std::memcpy(Record().SoftwareVersion, "V1.05", 6);
    std::memcpy(Record().DeviceSn, "12345678", 8);
    window->FullRefresh();

    EXPECT_EQ(Control<QLabel>("sLastWriteTime")->text(), "2024-5-6  9:7");
    EXPECT_EQ(Control<QLabel>("sSoftwareVersionDisp")->text(), "V1.05");
    EXPECT_EQ(Control<QLabel>("sDeviceSnDisp")->text(), "12345678");
    EXPECT_EQ(Control<QLabel>("sLastWrite")->text(), QString::fromUtf8("最后编程日期"));
    EXPECT_EQ(Control<QLabel>("sSoftwareVersion")->text(), QString::fromUtf8("对讲机版本"));
    EXPECT_EQ(Control<QLabel>("sDeviceSn")->text(), QString::fromUtf8("序列号"));
}

TEST_F(StartUpTest, WhatTheRadioReportsOfItselfShowsWithoutControlCharacters)
{
    StartWindow();
    std::memcpy(Record().SoftwareVersion, "V1\x1b[2J", 7);
    std::memcpy(Record().DeviceSn, "\x1b]0;x\x07", 6);
    window->FullRefresh();
    EXPECT_EQ(Control<QLabel>("sSoftwareVersionDisp")->text(), "V1\\x1b[2J");
    EXPECT_EQ(Control<QLabel>("sDeviceSnDisp")->text(), "\\x1b]0;x\\x07");
}

TEST_F(StartUpTest, ASettingsFileOverAMebibyteIsNotReadAndTheDefaultsStand)
{
    const std::string oversized = "[config]\nPort=5\nLanguage=0\n;" + std::string(SettingsFileLimit, 'x') + "\n";
    WriteSettingsFile(oversized);
    StartWindow();
    EXPECT_EQ(window->Link().PortNumber, 1);
    EXPECT_EQ(window->Config().Language, 1);

    QString notice;
    ModalDriver::OnNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<TUserWarnDlg*>(modal);
        ASSERT_NE(dialog, nullptr);
        notice = dialog->WarnDlgText->text();
        QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);
    });
    window->ReportUnreadSettings();
    EXPECT_EQ(notice, QString::fromUtf8("未读取设置文件（") + QString::fromStdString(settingsPath) +
                          QString::fromUtf8("：大于 1 MiB），使用默认设置。"));
    window.reset();
    EXPECT_EQ(ReadAll(settingsPath), oversized) << "left as it was";
}

TEST_F(StartUpTest, SettingsAreWrittenWhenTheWindowGoesAway)
{
    StartWindow();
    Trigger("MenuLanguage_En");
    window.reset();
    const AppSettings saved = LoadAppSettings(settingsPath);
    EXPECT_EQ(saved.Language, 0);
    EXPECT_EQ(saved.BandSelete, 1);
}

}
