#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "ModalDriver.h"
#include "lang/AppLang.h"
#include "notices/Notices.h"
#include "notices/WarnDialogs.h"

namespace {

class Notices : public ::testing::Test {
protected:
    void TearDown() override { ApplyLanguageSetting(LanguageSetting::SimplifiedChinese); }
};

// Shows `dialog` modally and presses the named button from inside its event loop.
int ExecPressing(QDialog& dialog, const char* buttonName)
{
    ModalDriver::ClickOnNextModal(buttonName);
    return dialog.exec();
}

int ExecPressingKey(QDialog& dialog, Qt::Key key)
{
    ModalDriver::OnNextModal([key](QWidget* modal) { QTest::keyClick(modal, key); });
    return dialog.exec();
}

TEST_F(Notices, NoticeOkCaptionFollowsTheLanguage)
{
    const struct {
        LanguageSetting setting;
        QString caption;
    } cases[] = {
        {LanguageSetting::English, "OK"},
        {LanguageSetting::SimplifiedChinese, QString::fromUtf8("确认")},
        {LanguageSetting::TraditionalChinese, QString::fromUtf8("確認")},
    };
    for (const auto& c : cases) {
        ApplyLanguageSetting(c.setting);
        TUserWarnDlg dialog(nullptr);
        EXPECT_EQ(dialog.OKBtn->text(), c.caption) << int(c.setting);
    }
}

TEST_F(Notices, NoticeHasOneVisibleButtonAndAnEmptyTitle)
{
    TUserWarnDlg dialog(nullptr);
    dialog.WarnDlgText->setText("SUCCESS");
    ModalDriver::OnNextModal([&](QWidget*) {
        EXPECT_TRUE(dialog.OKBtn->isVisible());
        EXPECT_FALSE(dialog.CancelBtn->isVisible());
        EXPECT_TRUE(dialog.windowTitle().isEmpty());
        dialog.OKBtn->click();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

TEST_F(Notices, NoticeTextBoxKeepsItsSizeForShortTexts)
{
    TUserWarnDlg dialog(nullptr);
    dialog.WarnDlgText->setText("Communication False");
    ExecPressing(dialog, "OKBtn");
    EXPECT_EQ(dialog.WarnDlgText->size(), QSize(214, 33));
    EXPECT_EQ(dialog.WarnDlgText->font().pixelSize(), 16);
    EXPECT_EQ(dialog.WarnDlgText->alignment(), Qt::AlignCenter);
}

TEST_F(Notices, NoticeGrowsSoALongMessageIsNotCutOff)
{
    TUserWarnDlg dialog(nullptr);
    dialog.WarnDlgText->setText("/home/user/radios/site-a/portables.Kqd holds 100 bytes; a channel data file "
                                "holds 3128 bytes.");
    ExecPressing(dialog, "OKBtn");
    const QLabel* text = dialog.WarnDlgText;
    EXPECT_GE(text->height(), text->heightForWidth(text->width()));
    EXPECT_LE(text->geometry().right(), dialog.width());
    EXPECT_GT(dialog.OKBtn->y(), text->geometry().bottom());
}

TEST_F(Notices, EnterAcceptsTheNotice)
{
    TUserWarnDlg dialog(nullptr);
    EXPECT_EQ(ExecPressingKey(dialog, Qt::Key_Return), QDialog::Accepted);
}

TEST_F(Notices, ConfirmationAnswers)
{
    const struct {
        const char* button;
        int result;
    } cases[] = {{"OKBtn", QDialog::Accepted}, {"CancelBtn", QDialog::Rejected}};
    for (const auto& c : cases) {
        TMyWarnDlg_2 dialog(nullptr);
        EXPECT_EQ(ExecPressing(dialog, c.button), c.result) << c.button;
    }
}

TEST_F(Notices, ConfirmationKeys)
{
    const struct {
        Qt::Key key;
        int result;
    } cases[] = {{Qt::Key_Return, QDialog::Accepted}, {Qt::Key_Escape, QDialog::Rejected}};
    for (const auto& c : cases) {
        TMyWarnDlg_2 dialog(nullptr);
        EXPECT_EQ(ExecPressingKey(dialog, c.key), c.result) << c.key;
    }
}

TEST_F(Notices, ConfirmationTextBox)
{
    TMyWarnDlg_2 dialog(nullptr);
    EXPECT_EQ(dialog.Label1->size(), QSize(265, 40));
    EXPECT_EQ(dialog.Label1->font().pointSize(), 12);
    EXPECT_EQ(dialog.Label1->alignment(), Qt::AlignCenter);
    EXPECT_TRUE(dialog.windowTitle().isEmpty());
}

// A question that explains itself is shown whole, its buttons below it.
TEST_F(Notices, ALongConfirmationGrowsToShowItsWholeText)
{
    TMyWarnDlg_2 dialog(nullptr);
    const QString why = QString("Channels entered for one band do not fit another. ").repeated(4);
    dialog.Label1->setText("Clear all data ?\n" + why);
    ModalDriver::OnNextModal([&](QWidget*) {
        const QLabel* text = dialog.Label1;
        EXPECT_GE(text->height(), text->heightForWidth(text->width()));
        EXPECT_GT(text->width(), 265);
        EXPECT_GE(dialog.OKBtn->y(), text->geometry().bottom());
        EXPECT_LE(dialog.CancelBtn->geometry().right(), dialog.width());
        dialog.OKBtn->click();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

TEST_F(Notices, QuestionAnswersYesNoAndCancel)
{
    const struct {
        const char* button;
        int result;
    } cases[] = {
        {"OKBtn", QDialog::Accepted},
        {"NoBtn", TMyWarnDlg_3::ModalResultNo},
        {"CancelBtn", QDialog::Rejected},
    };
    for (const auto& c : cases) {
        TMyWarnDlg_3 dialog(nullptr);
        EXPECT_EQ(ExecPressing(dialog, c.button), c.result) << c.button;
    }
}

TEST_F(Notices, EscapeOnTheQuestionCancels)
{
    TMyWarnDlg_3 dialog(nullptr);
    EXPECT_EQ(ExecPressingKey(dialog, Qt::Key_Escape), QDialog::Rejected);
}

TEST_F(Notices, QuestionTextBox)
{
    TMyWarnDlg_3 dialog(nullptr);
    EXPECT_EQ(dialog.Label1->geometry().left(), 0);
    EXPECT_EQ(dialog.Label1->size(), QSize(290, 40));
    EXPECT_EQ(dialog.Label1->font().pointSize(), 10);
    EXPECT_EQ(dialog.Label1->alignment(), Qt::AlignCenter);
}

TEST_F(Notices, ShowNoticePutsTheTextUpOverItsParent)
{
    QWidget parent;
    QString shown;
    QWidget* owner = nullptr;
    ModalDriver::OnNextModal([&](QWidget* modal) {
        if (auto* notice = qobject_cast<TUserWarnDlg*>(modal)) {
            shown = notice->WarnDlgText->text();
            owner = notice->parentWidget();
        }
        modal->close();
    });
    ShowNotice(&parent, "Communication False");
    EXPECT_EQ(shown, "Communication False");
    EXPECT_EQ(owner, &parent);
}

TEST_F(Notices, ConfirmShowsItsTextsAndTellsWhetherOkWasChosen)
{
    const struct {
        const char* button;
        bool chosen;
    } cases[] = {{"OKBtn", true}, {"CancelBtn", false}};
    for (const auto& c : cases) {
        QStringList shown;
        ModalDriver::OnNextModal([&](QWidget* modal) {
            if (auto* confirmation = qobject_cast<TMyWarnDlg_2*>(modal))
                shown = {confirmation->Label1->text(), confirmation->OKBtn->text(), confirmation->CancelBtn->text()};
            modal->findChild<QPushButton*>(c.button)->click();
        });
        EXPECT_EQ(Confirm(nullptr, "Clear all data?", "Continue", "Cancel"), c.chosen) << c.button;
        EXPECT_EQ(shown, QStringList({"Clear all data?", "Continue", "Cancel"})) << c.button;
    }
}

TEST_F(Notices, AboutBoxShowsOnlyItsOkButton)
{
    TAboutDlg dialog(nullptr);
    ModalDriver::OnNextModal([&](QWidget*) {
        EXPECT_TRUE(dialog.OKBtn->isVisible());
        EXPECT_FALSE(dialog.CancelBtn->isVisible());
        for (const QLabel* line : {dialog.sName, dialog.sVersion, dialog.sOwnership, dialog.sMaker})
            EXPECT_TRUE(line->isVisible());
        dialog.OKBtn->click();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

}
