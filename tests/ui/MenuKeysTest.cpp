#include <map>

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "lang/DisplayMessage.h"
#include "ui/GettingStartedDialog.h"

namespace {

// The numbered band items are a list one moves through, like the tone lists; every other item
// is reached by its letter.
bool IsBandListItem(const QAction* item) { return item->objectName().startsWith("MenuEdit_Band_"); }

// "File: Exit and Edit share E" for every menu of `bar` (the bar itself first) in which two
// items answer the same key or an item answers none.
QStringList KeyProblems(QWidget* menu, const QString& title)
{
    QStringList problems;
    std::map<int, QString> owners;
    for (QAction* item : menu->actions()) {
        if (item->isSeparator() || !item->isVisible() || item->text().isEmpty())
            continue;
        if (QMenu* sub = item->menu())
            problems << KeyProblems(sub, sub->title());
        const QKeySequence key = QKeySequence::mnemonic(item->text());
        if (key.isEmpty()) {
            if (!IsBandListItem(item))
                problems << title + ": " + item->text() + " has no key";
            continue;
        }
        const auto [owner, added] = owners.emplace(key[0].toCombined(), item->text());
        if (!added)
            problems << title + ": " + owner->second + " and " + item->text() + " share " + key.toString();
    }
    return problems;
}

class MenuKeys : public MainWindowTest {};

TEST_F(MenuKeys, EveryItemOfEveryMenuHasAKeyOfItsOwnInEveryLanguage)
{
    WriteSettingsFile("[config]\nLanguage=0\n");
    StartWindow();
    for (const char* language : {"MenuLanguage_En", "MenuLanguage_Chs", "MenuLanguage_Cht"}) {
        Trigger(language);
        const QStringList problems = KeyProblems(window->menuBar(), "menu bar");
        EXPECT_TRUE(problems.isEmpty()) << language << ":\n" << problems.join('\n').toStdString();
    }
    Trigger("MenuLanguage_En");
    EXPECT_EQ(Item("MenuEdit_Redo")->text(), "R&edo");
    EXPECT_EQ(Item("MenuEdit_Read")->text(), "&Read from radio");
}

// Whoever cannot read the language the window speaks still finds their own.
TEST_F(MenuKeys, TheLanguageItemsNameThemselvesAndTraditionalChineseIsOne)
{
    WriteSettingsFile("[config]\nLanguage=0\n");
    StartWindow();
    const std::map<const char*, QString> ownNames = {{"MenuLanguage_Chs", QString::fromUtf8("中文(简体)(&S)")},
                                                     {"MenuLanguage_Cht", QString::fromUtf8("中文(繁體)(&T)")},
                                                     {"MenuLanguage_En", "&English"}};
    for (const char* chosen : {"MenuLanguage_Cht", "MenuLanguage_Chs", "MenuLanguage_En"}) {
        Trigger(chosen);
        for (const auto& [item, name] : ownNames) {
            EXPECT_EQ(Item(item)->text(), name) << "after " << chosen;
            EXPECT_EQ(Item(item)->isChecked(), item == chosen) << item << " after " << chosen;
        }
    }
    Trigger("MenuLanguage_Cht");
    EXPECT_EQ(window->Config().Language, 2);
    EXPECT_EQ(Item("MenuEdit_Read")->text(), QString::fromUtf8("讀頻(&R)"));
}

TEST_F(MenuKeys, GettingStartedWalksThroughTheStepsInTheInterfaceLanguage)
{
    WriteSettingsFile("[config]\nLanguage=1\n");
    StartWindow();
    EXPECT_NE(Item("MenuSaveTransferLog"), nullptr);
    for (const char* language : {"MenuLanguage_Chs", "MenuLanguage_Cht", "MenuLanguage_En"}) {
        Trigger(language);
        QString title, text;
        ModalDriver::OnNextModal([&](QWidget* modal) {
            auto* guide = qobject_cast<GettingStartedDialog*>(modal);
            ASSERT_NE(guide, nullptr);
            title = guide->windowTitle();
            text = guide->GuideText->text();
            QTest::mouseClick(guide->OKBtn, Qt::LeftButton);
        });
        Trigger("MenuGettingStarted");
        EXPECT_EQ(title, DisplayMessage({MessageId::GettingStarted})) << language;
        for (MessageId step : {MessageId::GuideCable, MessageId::GuidePort, MessageId::GuideRead,
                               MessageId::GuideWrite, MessageId::GuideBackups})
            EXPECT_TRUE(text.contains(DisplayMessage({step}))) << language << ": " << text.toStdString();
    }
}

}
