#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "lang/DisplayMessage.h"
#include "notices/WarnDialogs.h"

namespace {

class RecordCommands : public MainWindowTest {
protected:
    void SetUp() override
    {
        StartWindow();
        defaults.ResetToDefaults();
        Record().SetChannelUsed(3, true);
        Record().Channel[3].RxFreq = 438500000;
        Record().Sql = 9;
        window->FullRefresh();
        edited = Record();
    }

    // Runs `command` and answers the confirmation with `button`, remembering its question.
    void AnswerConfirmation(const char* button, const std::function<void()>& command)
    {
        ModalDriver::OnNextModal([this, button](QWidget* modal) {
            auto* confirmation = qobject_cast<TMyWarnDlg_2*>(modal);
            ASSERT_NE(confirmation, nullptr);
            question = confirmation->Label1->text();
            okCaption = confirmation->OKBtn->text();
            cancelCaption = confirmation->CancelBtn->text();
            QTest::mouseClick(button == std::string("OKBtn") ? confirmation->OKBtn : confirmation->CancelBtn,
                              Qt::LeftButton);
        });
        command();
    }

    RadioSettings defaults{};
    RadioSettings edited{};
    QString question;
    QString okCaption;
    QString cancelCaption;
};

struct Answer {
    const char* button;
    bool clears;
};
const Answer Answers[] = {{"OKBtn", true}, {"CancelBtn", false}};

TEST_F(RecordCommands, NewAsksAndClearsOnlyOnOk)
{
    for (const Answer& a : Answers) {
        Record() = edited;
        AnswerConfirmation(a.button, [this] { Trigger("MenuFile_New"); });
        EXPECT_EQ(question, QString::fromUtf8("清除所有数据？"));
        EXPECT_EQ(okCaption, QString::fromUtf8("确定"));
        EXPECT_EQ(cancelCaption, QString::fromUtf8("取消"));
        EXPECT_TRUE(SameBlock(Record(), a.clears ? defaults : edited)) << a.button;
    }
}

TEST_F(RecordCommands, NewToolButtonDoesTheSame)
{
    AnswerConfirmation("OKBtn", [this] { Click("ToolButton_New"); });
    EXPECT_TRUE(SameBlock(Record(), defaults));
    EXPECT_EQ(Control<QLabel>("sLastWriteTime")->text(), "0-0-0  0:0");
}

TEST_F(RecordCommands, NewKeepsBandAndPort)
{
    AnswerConfirmation("OKBtn", [this] { Trigger("MenuFile_New"); });
    EXPECT_EQ(Band(), (BandLimits{400000000, 470000000}));
    EXPECT_EQ(window->Config().BandSelete, 1);
    EXPECT_EQ(window->Link().PortNumber, 1);
}

TEST_F(RecordCommands, BandChangeWithOkSelectsTheBandAndClearsAllData)
{
    AnswerConfirmation("OKBtn", [this] { Trigger("MenuEdit_Band_1"); });
    EXPECT_EQ(question, QString::fromUtf8("清除所有数据？\n") + DisplayMessage({MessageId::BandChangeClearsWhy}));
    EXPECT_EQ(Band(), (BandLimits{136000000, 174000000}));
    EXPECT_EQ(window->Config().BandSelete, 0);
    EXPECT_EQ(BandTicks(), (std::vector<bool>{true, false, false, false, false, false}));
    EXPECT_TRUE(SameBlock(Record(), defaults));
}

TEST_F(RecordCommands, BandChangeWithCancelChangesNothing)
{
    AnswerConfirmation("CancelBtn", [this] { Trigger("MenuEdit_Band_4"); });
    EXPECT_EQ(Band(), (BandLimits{400000000, 470000000}));
    EXPECT_EQ(window->Config().BandSelete, 1);
    EXPECT_EQ(BandTicks(), (std::vector<bool>{false, true, false, false, false, false}));
    EXPECT_TRUE(SameBlock(Record(), edited));
}

TEST_F(RecordCommands, ChoosingTheSelectedBandStillAsksAndClears)
{
    for (const Answer& a : Answers) {
        Record() = edited;
        question.clear();
        AnswerConfirmation(a.button, [this] { Trigger("MenuEdit_Band_2"); });
        EXPECT_TRUE(question.startsWith(QString::fromUtf8("清除所有数据？"))) << question.toStdString();
        EXPECT_TRUE(SameBlock(Record(), a.clears ? defaults : edited)) << a.button;
        EXPECT_EQ(BandTicks(), (std::vector<bool>{false, true, false, false, false, false})) << a.button;
    }
}

TEST_F(RecordCommands, ChoosingABandAfterAForeignRadioBandReturnsToTheTable)
{
    Band() = {144000000, 146000000};
    window->FullRefresh();
    AnswerConfirmation("OKBtn", [this] { Trigger("MenuEdit_Band_2"); });
    EXPECT_EQ(Band(), (BandLimits{400000000, 470000000}));
    EXPECT_TRUE(Item("MenuEdit_Band_undef")->text().isEmpty());
}

TEST_F(RecordCommands, LanguageSwitchKeepsEveryValue)
{
    const RadioSettings random = RandomRecord(27);
    Record() = random;
    window->FullRefresh();

    Trigger("MenuLanguage_En");
    EXPECT_TRUE(SameBlock(Record(), random));
    EXPECT_EQ(Item("MenuFile")->text(), "&File");
    EXPECT_EQ(Item("MenuEdit_Band_2")->text(), "Frequency Band 2 (400 - 470MHz)");
    EXPECT_TRUE(Item("MenuLanguage_En")->isChecked());
    EXPECT_FALSE(Item("MenuLanguage_Chs")->isChecked());
    EXPECT_EQ(Control<QTabWidget>("PageControl_Home")->tabText(0), "Channel information");
    // The record changed since the start, so the caption carries the change mark.
    EXPECT_EQ(window->windowTitle(), "KR-T27 *");

    Trigger("MenuLanguage_Chs");
    EXPECT_TRUE(SameBlock(Record(), random));
    EXPECT_EQ(Item("MenuFile")->text(), QString::fromUtf8("文件(&F)"));
    EXPECT_TRUE(Item("MenuLanguage_Chs")->isChecked());
    EXPECT_FALSE(Item("MenuLanguage_En")->isChecked());
}

TEST_F(RecordCommands, ChoosingTheTickedLanguageKeepsItsTick)
{
    Trigger("MenuLanguage_Chs");
    EXPECT_TRUE(Item("MenuLanguage_Chs")->isChecked());
    EXPECT_EQ(window->Config().Language, 1);
}

TEST_F(RecordCommands, AboutBoxShowsTheProductAndVersion)
{
    QString title, product, version, ok;
    int productPoints = 0, versionPoints = 0;
    ModalDriver::OnNextModal([&](QWidget* modal) {
        auto* about = qobject_cast<TAboutDlg*>(modal);
        ASSERT_NE(about, nullptr);
        title = about->windowTitle();
        product = about->sName->text();
        version = about->sVersion->text();
        ok = about->OKBtn->text();
        productPoints = about->sName->font().pointSize();
        versionPoints = about->sVersion->font().pointSize();
        EXPECT_FALSE(about->sOwnership->text().isEmpty());
        EXPECT_FALSE(about->sMaker->text().isEmpty());
        QTest::mouseClick(about->OKBtn, Qt::LeftButton);
    });
    Trigger("MenuAbout");
    EXPECT_EQ(title, QString::fromUtf8("关于"));
    EXPECT_EQ(product, QString::fromUtf8("KR-T27 对讲机写频软件"));
    EXPECT_EQ(version, QString::fromUtf8("版本：V3.2.0"));
    EXPECT_EQ(ok, QString::fromUtf8("确定"));
    EXPECT_EQ(productPoints, 12);
    EXPECT_EQ(versionPoints, 10);
}

}
