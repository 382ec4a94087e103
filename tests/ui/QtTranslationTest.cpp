#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

#include "MainWindowFixture.h"
#include "ui/ChannelFileDialog.h"

namespace {

using QtTranslationTest = MainWindowTest;

QString StandardCancelText()
{
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    return buttons.button(QDialogButtonBox::Cancel)->text();
}

// The folder caption of the file dialog the program's Open command shows.
QString OpenDialogFolderCaption()
{
    const auto dialog = ChannelFileDialog(nullptr, QString(), QFileDialog::AcceptOpen);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    const auto* caption = dialog->findChild<QLabel*>(QStringLiteral("lookInLabel"));
    return caption ? caption->text() : QString();
}

struct QtTextsCase {
    const char* settingsFile;
    const char* cancel;
    const char* folderCaption;
};

TEST_F(QtTranslationTest, DialogsAndStandardButtonsSpeakTheLanguageOfTheSettingsFile)
{
    const QtTextsCase cases[] = {
        {"[config]\nLanguage=0\n", "Cancel", "Look in:"},
        {"[config]\nLanguage=1\n", "取消", "查找范围："},
        {"[config]\nLanguage=2\n", "取消", "尋找於："},
    };
    for (const QtTextsCase& c : cases) {
        window.reset();
        WriteSettingsFile(c.settingsFile);
        StartWindow();
        EXPECT_EQ(StandardCancelText(), QString::fromUtf8(c.cancel)) << c.settingsFile;
        EXPECT_EQ(OpenDialogFolderCaption(), QString::fromUtf8(c.folderCaption)) << c.settingsFile;
    }
}

TEST_F(QtTranslationTest, FollowTheLanguageMenu)
{
    WriteSettingsFile("[config]\nLanguage=1\n");
    StartWindow();
    const QString chinese = StandardCancelText();
    Trigger("MenuLanguage_En");
    EXPECT_EQ(StandardCancelText(), "Cancel");
    Trigger("MenuLanguage_Chs");
    EXPECT_EQ(StandardCancelText(), chinese);
    EXPECT_NE(chinese, "Cancel");
}

}
