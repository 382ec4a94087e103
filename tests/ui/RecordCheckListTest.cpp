#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "FileContents.h"
#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "lang/AppLang.h"
#include "lang/DisplayMessage.h"
#include "link/dialogs/ProgramDialog.h"
#include "notices/RecordCheckDlg.h"

namespace {

struct SeenList {
    QString text;
    QString okCaption;
    bool cancelShown = false;
    std::vector<QStringList> rows;
};

// Keeps what the next modal window showed when it is the check list, and answers it.
void AnswerTheList(SeenList& seen, QString& otherWindow, const char* answer)
{
    ModalDriver::OnNextModal([&seen, &otherWindow, answer](QWidget* modal) {
        auto* list = qobject_cast<TRecordCheckDlg*>(modal);
        if (!list) {
            otherWindow = modal->metaObject()->className();
            modal->close();
            return;
        }
        seen.text = list->CheckText->text();
        seen.okCaption = list->OKBtn->text();
        seen.cancelShown = list->CancelBtn->isVisible();
        for (int row = 0; row < list->FindingList->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < list->FindingList->columnCount(); ++column)
                cells << list->FindingList->item(row, column)->text();
            seen.rows.push_back(cells);
        }
        QTest::mouseClick(modal->findChild<QPushButton*>(answer), Qt::LeftButton);
    }, 2000);
}

QString Problem(MessageId id) { return DisplayMessage({id}); }

QString Channel(unsigned channel)
{
    return DisplayMessage({MessageId::ChannelNumber, {std::to_string(channel)}});
}

class RecordCheckList : public MainWindowTest {
protected:
    void SetUp() override { StartWindow(); }

    SeenList seen;
    QString otherWindow;
};

TEST_F(RecordCheckList, AWriteListsWhatTheRadioCannotTakeAndCancelWritesNothing)
{
    Record().SetChannelUsed(3, true);
    Record().Channel[3].RxFreq = 770000000;
    Record().Channel[3].TxFreq = 438500000;
    Record().SetChannelUsed(4, true);
    Record().Channel[4].RxFreq = 438500000;
    Record().Channel[4].TxFreq = 438500000;
    Record().Channel[4].DecCode = 0x1234;

    AnswerTheList(seen, otherWindow, "CancelBtn");
    Trigger("MenuEdit_Write");
    ASSERT_EQ(seen.rows.size(), 2u) << otherWindow.toStdString();
    EXPECT_TRUE(seen.rows[0][0].startsWith(Channel(3))) << seen.rows[0][0].toStdString();
    EXPECT_EQ(seen.rows[0][2], Problem(MessageId::ProblemOutsideBand));
    EXPECT_TRUE(seen.rows[1][0].startsWith(Channel(4))) << seen.rows[1][0].toStdString();
    EXPECT_EQ(seen.rows[1][2], Problem(MessageId::ProblemInvalidTone));
    EXPECT_EQ(seen.text, Problem(MessageId::CheckListBeforeWrite));
    EXPECT_EQ(seen.okCaption, Problem(MessageId::WriteAnyway));
    EXPECT_TRUE(seen.cancelShown);

    // Cancel ends it there: no transfer dialog follows.
    ModalDriver::OnNextModal([this](QWidget* modal) {
        otherWindow = modal->metaObject()->className();
        modal->close();
    }, 500);
    QTest::qWait(700);
    EXPECT_TRUE(otherWindow.isEmpty()) << otherWindow.toStdString();
}

TEST_F(RecordCheckList, ACleanRecordGoesStraightToTheTransferDialog)
{
    AnswerTheList(seen, otherWindow, "CancelBtn");
    Trigger("MenuEdit_Write");
    EXPECT_TRUE(seen.rows.empty());
    EXPECT_EQ(otherWindow, TProgramDialog::staticMetaObject.className());
}

// Fields are named as a person reads them, in the interface language: an address-book code by its
// entry, a key by the caption of its control.
TEST_F(RecordCheckList, FieldsAreNamedAsAPersonReadsThem)
{
    struct Case {
        LanguageSetting language;
        const char* entry;
        const char* key;
    };
    const Case cases[] = {{LanguageSetting::English, "Address book entry 2, code", "Key 1 Long Press"},
                          {LanguageSetting::SimplifiedChinese, "通讯录第 2 项，编码", "按键 1 长按"}};
    Record().SetAddrBookEntryUsed(2, true);
    Record().Entry(2).IdLength = 99;
    Record().Key1Long = 3;
    for (const Case& c : cases) {
        ApplyLanguageSetting(c.language);
        seen = {};
        AnswerTheList(seen, otherWindow, "CancelBtn");
        Trigger("MenuEdit_Write");
        ASSERT_EQ(seen.rows.size(), 2u) << otherWindow.toStdString();
        EXPECT_EQ(seen.rows[0][0], QString::fromUtf8(c.entry));
        EXPECT_EQ(seen.rows[1][0], QString::fromUtf8(c.key));
        EXPECT_EQ(seen.rows[1][1], "3");
    }
}

// The file opens whatever the list says.
TEST_F(RecordCheckList, OpeningAFileOfAnotherSizeListsItAndOpensIt)
{
    RadioSettings file{};
    file.ResetToDefaults();
    file.SetChannelUsed(2, true);
    file.Channel[2].RxFreq = 438500000;
    file.Channel[2].TxFreq = 438500000;
    std::vector<uint8_t> bytes = BlockOf(file);
    bytes.resize(bytes.size() + 72, 0xFF);
    openAnswer = PathInTemp("picture.Kqd");
    WriteAll(openAnswer.toStdString(), bytes);

    AnswerTheList(seen, otherWindow, "OKBtn");
    Trigger("MenuFile_Open");
    ASSERT_EQ(seen.rows.size(), 1u) << otherWindow.toStdString();
    EXPECT_EQ(seen.rows[0][2], Problem(MessageId::ProblemWrongSize));
    EXPECT_EQ(seen.text, Problem(MessageId::CheckListAfterOpen));
    EXPECT_FALSE(seen.cancelShown);
    EXPECT_TRUE(Record().IsChannelUsed(2));
}

// The write dialog's box starts as the settings file says and the file keeps what the user left.
TEST_F(MainWindowTest, VerifyAfterWritingIsRememberedInTheSettingsFile)
{
    WriteSettingsFile("[config]\nVerifyAfterWrite=1\n");
    StartWindow();
    bool checkedAtStart = false;
    ModalDriver::OnNextModal([&](QWidget* dialog) {
        auto* box = dialog->findChild<QCheckBox*>("VerifyAfterWrite");
        checkedAtStart = box->isChecked();
        box->setChecked(false);
        QTest::mouseClick(dialog->findChild<QPushButton*>("CancelBtn"), Qt::LeftButton);
    });
    Trigger("MenuEdit_Write");
    window.reset();
    EXPECT_TRUE(checkedAtStart);
    EXPECT_EQ(LoadAppSettings(settingsPath).VerifyAfterWrite, false);
}

}
