#include "MainWindowFixture.h"

#include <cstdlib>
#include <cstring>
#include <random>

#include <QAbstractButton>
#include <QAction>
#include <QTest>

#include "FileContents.h"
#include "lang/AppLang.h"
#include "files/AppSettings.h"

namespace {

std::string DataHomeNow()
{
    const char* value = std::getenv("XDG_DATA_HOME");
    return value ? value : "";
}

}

MainWindowTest::MainWindowTest() : savedDataHome(DataHomeNow()), settingsPath(dir.File("KR-T27_config.ini"))
{
    setenv("XDG_DATA_HOME", dataHome.Path().c_str(), 1);
}

MainWindowTest::~MainWindowTest()
{
    window.reset();
    setenv("XDG_DATA_HOME", savedDataHome.c_str(), 1);
    ApplyLanguageSetting(LanguageSetting::SimplifiedChinese);
}

void MainWindowTest::StartWindow()
{
    FileChooser chooser{
        [this](QWidget*, const QString& title, const QString& folder) {
            openTitles.push_back(title);
            openFolders.push_back(folder);
            return openAnswer;
        },
        [this](QWidget*, const QString& title, const QString& suggested) {
            saveTitles.push_back(title);
            saveSuggestions.push_back(suggested);
            return saveAnswer;
        },
        [this](QWidget*, const QString& title, ExchangeFile file) {
            exchangeAsked.push_back({title, file});
            return exchangeAnswer;
        },
    };
    window = std::make_unique<TForm1>(settingsPath, chooser);
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        ADD_FAILURE() << "the main window did not become active; focus changes will not be seen";
}

void MainWindowTest::WriteSettingsFile(const std::string& text)
{
    WriteAll(settingsPath, text);
}

QAction* MainWindowTest::Item(const char* name) const
{
    auto* item = window->findChild<QAction*>(QString::fromLatin1(name));
    EXPECT_NE(item, nullptr) << name;
    return item;
}

void MainWindowTest::Trigger(const char* itemName) const
{
    if (QAction* item = Item(itemName))
        item->trigger();
}

void MainWindowTest::Click(const char* buttonName) const
{
    auto* button = Control<QAbstractButton>(buttonName);
    ASSERT_NE(button, nullptr) << buttonName;
    QTest::mouseClick(button, Qt::LeftButton);
}

std::vector<bool> MainWindowTest::BandTicks() const
{
    std::vector<bool> ticks;
    for (int band = 1; band <= BandCount; ++band) {
        const QByteArray name = QString("MenuEdit_Band_%1").arg(band).toLatin1();
        ticks.push_back(Item(name.constData())->isChecked());
    }
    return ticks;
}

RadioSettings RandomRecord(unsigned seed)
{
    std::mt19937 random(seed);
    RadioSettings settings{};
    for (size_t i = 0; i < RadioSettingsBlockSize; ++i)
        settings.BlockBytes()[i] = static_cast<uint8_t>(random());
    return settings;
}

bool SameBlock(const RadioSettings& a, const RadioSettings& b)
{
    return std::memcmp(a.BlockBytes(), b.BlockBytes(), RadioSettingsBlockSize) == 0;
}

std::vector<uint8_t> BlockOf(const RadioSettings& settings)
{
    return {settings.BlockBytes(), settings.BlockBytes() + RadioSettingsBlockSize};
}
