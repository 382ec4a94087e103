#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QString>
#include <gtest/gtest.h>

#include "ScratchDir.h"
#include "model/RadioSettings.h"
#include "ui/MainWindow.h"

class QAction;

// A main window on a settings file of its own, with file choosers that answer from the test
// instead of showing a dialog, and a data folder of its own, so that backups never reach the
// user's home. The process-wide language and data folder are put back afterwards.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest();
    ~MainWindowTest() override;

    // Builds the window (reading or creating the settings file), shows it and makes it active.
    void StartWindow();
    void WriteSettingsFile(const std::string& text);

    QAction* Item(const char* name) const;
    template <typename T>
    T* Control(const char* name) const
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    void Trigger(const char* itemName) const;
    void Click(const char* buttonName) const;
    // The tick of each band item 1..6.
    std::vector<bool> BandTicks() const;

    QString PathInTemp(const char* name) const { return QString::fromStdString(dir.File(name)); }
    RadioSettings& Record() const { return window->Record(); }
    BandLimits& Band() const { return window->Band(); }

    // Where backups of the radio with serial number `serial` land.
    std::string BackupFolder(const std::string& serial) const { return dataHome.Path() + "/kr-t27/backups/" + serial; }
    // Where the last transfer's trace is kept for a support bundle.
    std::string LastTracePath() const { return dataHome.Path() + "/kr-t27/last-transfer.trace"; }

    ScratchDir dir;
    ScratchDir dataHome;
    const std::string savedDataHome;
    std::string settingsPath;
    std::unique_ptr<TForm1> window;

    // What the choosers answer (empty: the user cancelled) and what they were asked.
    QString openAnswer;
    QString saveAnswer;
    std::vector<QString> openTitles;
    std::vector<QString> openFolders;
    std::vector<QString> saveTitles;
    std::vector<QString> saveSuggestions;
    // The same for the channel table and channel sheet files.
    QString exchangeAnswer;
    std::vector<std::pair<QString, ExchangeFile>> exchangeAsked;
};

// A record with every block byte random, for checks that nothing is lost or changed.
RadioSettings RandomRecord(unsigned seed);
bool SameBlock(const RadioSettings& a, const RadioSettings& b);
std::vector<uint8_t> BlockOf(const RadioSettings& settings);
