#include <gtest/gtest.h>

#include <cstring>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "RadioProcess.h"
#include "TransferHarness.h"
#include "WidgetDriving.h"
#include "lang/AppLang.h"
#include "link/engine/TransferTargets.h"
#include "password/NewPasswordDlg.h"

namespace {

constexpr int TransferWaitMs = 30000;

void Put(uint8_t (&field)[PasswordFieldSize], const char* text)
{
    std::memset(field, 0, sizeof field);
    std::memcpy(field, text, std::strlen(text));
}

// Whether the radio admits a read that presents `password`.
LinkOutcome ReadWith(const RadioProcess& radio, const char* password)
{
    TransferTargets reader;
    Put(reader.Settings.Password, password);
    return RunTransfer(reader.Context(TransferKind::SerialNumber, true), PortChoice::Named(radio.LinkPath())).outcome;
}

TEST(PasswordRadio, AfterAChangeTheRadioAsksForTheNewPassword)
{
    ApplyLanguageSetting(LanguageSetting::English);
    RadioProcess radio({"--no-pacing", "--password", "old1"});
    TransferTargets objects;
    objects.Link.PortNumber = 1;
    objects.Link.AutoSearchPort = false;
    objects.Link.Ports.Pinned = {{1, radio.LinkPath()}};
    Put(objects.Settings.Password, "old1");

    TNewPasswordDlg dialog(objects.Context(TransferKind::Normal, false), nullptr);
    ASSERT_TRUE(ShowActive(dialog));
    QTest::keyClicks(dialog.eInput, QStringLiteral("New2"));
    QTest::keyClicks(dialog.eSureInput, QStringLiteral("New2"));
    QString outcome;
    StartNextTransfer(outcome);
    QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return !outcome.isEmpty(); }, TransferWaitMs));
    EXPECT_EQ(outcome, QStringLiteral("SUCCESS"));
    EXPECT_STREQ(reinterpret_cast<const char*>(objects.Settings.Password), "New2");

    EXPECT_EQ(ReadWith(radio, "old1"), LinkOutcome::PasswordError);
    EXPECT_EQ(ReadWith(radio, "new2"), LinkOutcome::PasswordError);
    EXPECT_EQ(ReadWith(radio, "New2"), LinkOutcome::Success);
}

}
