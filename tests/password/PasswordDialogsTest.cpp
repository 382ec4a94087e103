#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ModalDriver.h"
#include "WidgetDriving.h"
#include "lang/AppLang.h"
#include "link/dialogs/ProgramDialog.h"
#include "link/engine/TransferTargets.h"
#include "password/NewPasswordDlg.h"
#include "password/PasswordMenu.h"
#include "password/SetPasswordDlg.h"

namespace {


std::string Text(const uint8_t (&field)[PasswordFieldSize])
{
    return std::string(reinterpret_cast<const char*>(field), strnlen(reinterpret_cast<const char*>(field), sizeof field));
}

void Put(uint8_t (&field)[PasswordFieldSize], const char* text)
{
    std::memset(field, 0, sizeof field);
    std::memcpy(field, text, std::strlen(text));
}

// Key presses for characters beyond Latin-1 too, as an input method delivers them.
void TypeAnyText(QLineEdit* box, const QString& text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// What the next modal dialog was, then dismissed: a transfer with Cancel, a notice with OK.
struct NextModal {
    QString className;
    QString text;

    void Expect()
    {
        ModalDriver::OnNextModal([this](QWidget* modal) {
            className = QString::fromLatin1(modal->metaObject()->className());
            if (auto* label = modal->findChild<QLabel*>(QStringLiteral("WarnDlgText")))
                text = label->text();
            const bool transfer = qobject_cast<TProgramDialog*>(modal) != nullptr;
            modal->findChild<QPushButton*>(transfer ? QStringLiteral("CancelBtn") : QStringLiteral("OKBtn"))->click();
        });
    }
};

class PasswordDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        ApplyLanguageSetting(LanguageSetting::English);
        Put(objects.Settings.Password, "before");
        Put(objects.Settings.NewPassword, "untouched");
    }

    TransferContext Link() { return objects.Context(TransferKind::Normal, false); }

    StrayModalGuard guard;
    TransferTargets objects;
};

TEST_F(PasswordDialogs, OkTakesTheTypedPasswordAndCancelKeepsTheOldOne)
{
    const struct {
        const char* typed;
        bool ok;
        const char* stored;
    } cases[] = {
        {"secret", true, "secret"}, {"", true, ""}, {"Other", false, "before"},
        {"0123456789abcdefXYZ", true, "0123456789abcdef"},
    };
    for (const auto& c : cases) {
        Put(objects.Settings.Password, "before");
        TSetPasswordDlg dialog(Link(), nullptr);
        ASSERT_TRUE(ShowActive(dialog));
        QTest::keyClicks(dialog.eInput, QString::fromLatin1(c.typed));
        QTest::mouseClick(c.ok ? dialog.OKBtn : dialog.CancelBtn, Qt::LeftButton);
        EXPECT_EQ(Text(objects.Settings.Password), c.stored) << c.typed;
        EXPECT_EQ(objects.Settings.Password[PasswordFieldSize - 1], 0);
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST_F(PasswordDialogs, EscapeAndTheCloseBoxKeepTheOldPassword)
{
    const std::function<void(TSetPasswordDlg&)> leaves[] = {
        [](TSetPasswordDlg& dialog) { QTest::keyClick(dialog.eInput, Qt::Key_Escape); },
        [](TSetPasswordDlg& dialog) { dialog.close(); },
    };
    for (const auto& leave : leaves) {
        TSetPasswordDlg dialog(Link(), nullptr);
        ASSERT_TRUE(ShowActive(dialog));
        QTest::keyClicks(dialog.eInput, QStringLiteral("typed"));
        leave(dialog);
        EXPECT_EQ(Text(objects.Settings.Password), "before");
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST_F(PasswordDialogs, TheMenuAsksUnderThePasswordTitle)
{
    QString title;
    ModalDriver::OnNextModal([&](QWidget* modal) {
        title = modal->windowTitle();
        modal->findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
    });
    RunPasswordMenu(nullptr, Link());
    EXPECT_EQ(title, QStringLiteral("Password"));
}

TEST_F(PasswordDialogs, BoxesAreMaskedLargeAndTakeAtMostSixteenPrintableAsciiCharacters)
{
    TSetPasswordDlg current(Link(), nullptr);
    TNewPasswordDlg fresh(Link(), nullptr);
    for (QLineEdit* box : {current.eInput, fresh.eInput, fresh.eSureInput}) {
        EXPECT_EQ(box->echoMode(), QLineEdit::Password);
        EXPECT_EQ(box->font().pointSize(), 16);
        EXPECT_TRUE(box->text().isEmpty());
        QTest::keyClicks(box, QStringLiteral("abcdefghijklmnopq"));
        EXPECT_EQ(box->text(), QStringLiteral("abcdefghijklmnop"));
        box->clear();
        TypeAnyText(box, QString::fromUtf8("a é中b"));
        EXPECT_EQ(box->text(), QStringLiteral("a b"));
    }
}

TEST_F(PasswordDialogs, CaptionsComeFromTheTextTable)
{
    TSetPasswordDlg current(Link(), nullptr);
    TNewPasswordDlg fresh(Link(), nullptr);
    EXPECT_EQ(current.sPassword->text(), QStringLiteral("Input Password"));
    EXPECT_EQ(current.OKBtn->text(), QStringLiteral("Ok"));
    EXPECT_EQ(current.CancelBtn->text(), QStringLiteral("Cannel"));
    EXPECT_EQ(current.bNewPassword->text(), QStringLiteral("New Password"));
    EXPECT_EQ(fresh.windowTitle(), QStringLiteral("New Password"));
    EXPECT_EQ(fresh.sInput->text(), QStringLiteral("New Password"));
    EXPECT_EQ(fresh.sSureInput->text(), QStringLiteral("New Password Sure"));
    EXPECT_EQ(fresh.OKBtn->text(), QStringLiteral("Write"));
    EXPECT_EQ(fresh.CancelBtn->text(), QStringLiteral("Cannel"));
}

TEST_F(PasswordDialogs, NewPasswordTakesTheCurrentPasswordFirstAndStaysOpen)
{
    TSetPasswordDlg dialog(Link(), nullptr);
    ASSERT_TRUE(ShowActive(dialog));
    QTest::keyClicks(dialog.eInput, QStringLiteral("typed"));
    QString title;
    ModalDriver::OnNextModal([&](QWidget* modal) {
        title = modal->windowTitle();
        modal->findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
    });
    QTest::mouseClick(dialog.bNewPassword, Qt::LeftButton);
    EXPECT_EQ(title, QStringLiteral("New Password"));
    EXPECT_EQ(Text(objects.Settings.Password), "typed");
    EXPECT_EQ(Text(objects.Settings.NewPassword), "untouched");
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(PasswordDialogs, EntriesThatDifferAreRefusedWithoutATransfer)
{
    const struct {
        const char* first;
        const char* second;
    } cases[] = {{"abc", "abd"}, {"Secret", "secret"}, {"abc", "abc "}, {"", "x"}};
    for (const auto& c : cases) {
        TNewPasswordDlg dialog(Link(), nullptr);
        ASSERT_TRUE(ShowActive(dialog));
        QTest::keyClicks(dialog.eInput, QString::fromLatin1(c.first));
        QTest::keyClicks(dialog.eSureInput, QString::fromLatin1(c.second));
        NextModal next;
        next.Expect();
        QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
        EXPECT_EQ(next.className, QStringLiteral("TUserWarnDlg")) << c.first << "/" << c.second;
        EXPECT_EQ(next.text, QStringLiteral("Password not match"));
        EXPECT_EQ(Text(objects.Settings.NewPassword), "untouched");
        EXPECT_EQ(Text(objects.Settings.Password), "before");
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST_F(PasswordDialogs, MatchingEntriesStartAPasswordTransfer)
{
    for (const char* typed : {"Match9", ""}) {
        TNewPasswordDlg dialog(Link(), nullptr);
        ASSERT_TRUE(ShowActive(dialog));
        QTest::keyClicks(dialog.eInput, QString::fromLatin1(typed));
        QTest::keyClicks(dialog.eSureInput, QString::fromLatin1(typed));
        NextModal next;
        next.Expect();
        QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
        EXPECT_EQ(next.className, QStringLiteral("TProgramDialog")) << typed;
        EXPECT_EQ(Text(objects.Settings.NewPassword), typed);
        EXPECT_EQ(Text(objects.Settings.Password), "before") << "a cancelled transfer changes no password";
        EXPECT_FALSE(dialog.isVisible());
    }
}

}
