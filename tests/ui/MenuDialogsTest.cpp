#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "files/AppSettings.h"

namespace {

class MenuDialogs : public MainWindowTest {
protected:
    // Triggers `item` and closes whatever dialog it opens with its Cancel button; returns the
    // dialog's class name.
    QString OpenAndCancel(const char* item)
    {
        QString opened;
        ModalDriver::OnNextModal([&opened](QWidget* modal) {
            opened = QString::fromLatin1(modal->metaObject()->className());
            if (auto* cancel = modal->findChild<QPushButton*>("CancelBtn"); cancel && cancel->isVisible())
                QTest::mouseClick(cancel, Qt::LeftButton);
            else if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
        });
        Trigger(item);
        return opened;
    }
};

TEST_F(MenuDialogs, EachMenuOpensItsDialog)
{
    StartWindow();
    const struct {
        const char* item;
        const char* dialog;
    } cases[] = {
        {"MenuPort", "TCommunicationPort"},
        {"MenuEdit_Password", "TSetPasswordDlg"},
        {"MenuAdjustment", "TPasswordDlg"},
        {"MenuAbout", "TAboutDlg"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OpenAndCancel(c.item), c.dialog) << c.item;
}

TEST_F(MenuDialogs, ThePortChosenInThePortDialogIsKeptInTheSettingsFile)
{
    WriteSettingsFile("[config]\nPort=1\nAutoSeachPort=0\n[Ports]\nCOM3=/dev/null\n");
    StartWindow();
    ModalDriver::OnNextModal([](QWidget* modal) {
        auto* com3 = modal->findChild<QRadioButton*>("rbCOM3");
        ASSERT_NE(com3, nullptr);
        ASSERT_TRUE(com3->isEnabled());
        QTest::mouseClick(com3, Qt::LeftButton);
        QTest::mouseClick(modal->findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
    });
    Trigger("MenuPort");
    EXPECT_EQ(window->Link().PortNumber, 3);

    window.reset();
    EXPECT_EQ(LoadAppSettings(settingsPath).Port, 3);
    EXPECT_FALSE(LoadAppSettings(settingsPath).AutoSeachPort);
}

}
