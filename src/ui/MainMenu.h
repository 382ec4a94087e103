#pragma once

#include <array>
#include <optional>
#include <vector>

#include "files/AppSettings.h"
#include "lang/LanguageSetting.h"
#include "model/BandLimits.h"

class QAction;
class QMenu;
class QMenuBar;
class QString;

// The commands on the selected channel rows, in the Edit menu and the grid's context menu.
struct RowCommandItems {
    QAction* Cut;
    QAction* Copy;
    QAction* Paste;
    QAction* Delete;
    QAction* InsertRow;
    QAction* MoveUp;
    QAction* MoveDown;

    std::vector<QAction*> All() const { return {Cut, Copy, Paste, Delete, InsertRow, MoveUp, MoveDown}; }
};

// The main menu `MainMenu1`: every menu and item carries its name as object name.
struct MainMenu {
    QMenuBar* MainMenu1;

    QMenu* MenuFile;
    QAction* MenuFile_New;
    QAction* MenuFile_Open;
    QAction* MenuFile_OpenBackup;
    QAction* MenuFile_Save;
    QAction* MenuFile_ImportCsv;
    QAction* MenuFile_ExportCsv;
    QAction* MenuFile_PrintSheet;
    QAction* MenuFile_ExportSheetPdf;
    QAction* MenuFile_CompareWithFile;
    QAction* MenuFile_Exit;

    QMenu* MenuEdit;
    QAction* MenuEdit_Undo;
    QAction* MenuEdit_Redo;
    RowCommandItems MenuEdit_Rows;
    QAction* MenuEdit_Read;
    QAction* MenuEdit_Write;
    QAction* MenuEdit_WriteSeveral;
    QAction* MenuEdit_CheckRadio;
    QAction* MenuEdit_Password;
    QMenu* MenuEdit_Band;
    std::array<QAction*, BandCount> MenuEdit_Band_n;  // MenuEdit_Band_1 .. MenuEdit_Band_6
    QAction* MenuEdit_Band_undef;

    QAction* MenuPort;

    QMenu* MenuLanguage;
    QAction* MenuLanguage_Chs;
    QAction* MenuLanguage_Cht;
    QAction* MenuLanguage_En;

    QAction* MenuAdjustment;

    QMenu* MenuHelp;
    QAction* MenuGettingStarted;
    QAction* MenuSaveTransferLog;  // disabled until a transfer has run
    QAction* MenuHelp_SaveSupportBundle;
    QAction* MenuAbout;
};

MainMenu BuildMainMenu(QMenuBar* bar);

// Captions of every menu and item in the current language, each with an accelerator of its own in
// its menu; the band items are left to RefreshBandMenu. Each language item names its language in
// that language, so that it can be found whatever language the window speaks.
void CaptionMainMenu(const MainMenu& menu);

// Ticks the language item of `languageSetting`; none for a setting that lets the system decide.
void TickLanguage(const MainMenu& menu, LanguageSetting languageSetting);

// The band as its item in the band menu names it: "Frequency Band 2 (400 - 470MHz)", or without
// the number for limits the table does not hold.
QString BandCaption(const AppSettings& settings, const BandLimits& band);

// Captions the band items from the table and ticks the one equal to `current`, whose index is
// returned. When none matches, the extra item shows `current` instead and nothing is ticked.
std::optional<int> RefreshBandMenu(const MainMenu& menu, const AppSettings& settings, const BandLimits& current);
