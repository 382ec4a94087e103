#include "ui/MainMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "lang/ExchangeTexts.h"
#include "lang/TextTable.h"
#include "ui/BandChoice.h"
#include "ui/LanguageSetting.h"

namespace {

enum Entry {
    FileEntry = 1,
    NewEntry = 2,
    OpenEntry = 3,
    SaveEntry = 4,
    ExitEntry = 5,
    EditEntry = 6,
    ReadEntry = 7,
    WriteEntry = 8,
    PortEntry = 9,
    LanguageEntry = 10,
    ChineseEntry = 11,
    EnglishEntry = 13,
    HelpEntry = 14,
    AboutEntry = 166,
    AdjustmentEntry = 167,
    PasswordEntry = 231,
    BandEntry = 238,
};

QMenu* AddMenu(QMenuBar* bar, const char* name)
{
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

QMenu* AddSubMenu(QMenu* parent, const char* name)
{
    QMenu* menu = parent->addMenu(QString());
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QAction* AddItem(QMenu* menu, const QString& name)
{
    QAction* item = menu->addAction(QString());
    item->setObjectName(name);
    return item;
}

QAction* AddItem(QMenu* menu, const char* name) { return AddItem(menu, QString::fromLatin1(name)); }

// A top-level item without a drop-down: Qt needs an action on the bar itself.
QAction* AddBarItem(QMenuBar* bar, const char* name)
{
    QAction* item = bar->addAction(QString());
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

QAction* AddCheckableItem(QMenu* menu, const QString& name)
{
    QAction* item = AddItem(menu, name);
    item->setCheckable(true);
    return item;
}

void BuildFileMenu(QMenuBar* bar, MainMenu& m)
{
    m.MenuFile = AddMenu(bar, "MenuFile");
    m.MenuFile_New = AddItem(m.MenuFile, "MenuFile_New");
    m.MenuFile_Open = AddItem(m.MenuFile, "MenuFile_Open");
    m.MenuFile_Save = AddItem(m.MenuFile, "MenuFile_Save");
    m.MenuFile->addSeparator();
    m.MenuFile_ImportCsv = AddItem(m.MenuFile, "MenuFile_ImportCsv");
    m.MenuFile_ExportCsv = AddItem(m.MenuFile, "MenuFile_ExportCsv");
    m.MenuFile->addSeparator();
    m.MenuFile_PrintSheet = AddItem(m.MenuFile, "MenuFile_PrintSheet");
    m.MenuFile_ExportSheetPdf = AddItem(m.MenuFile, "MenuFile_ExportSheetPdf");
    m.MenuFile->addSeparator();
    m.MenuFile_Exit = AddItem(m.MenuFile, "MenuFile_Exit");
}

void BuildEditMenu(QMenuBar* bar, MainMenu& m)
{
    m.MenuEdit = AddMenu(bar, "MenuEdit");
    m.MenuEdit_Read = AddItem(m.MenuEdit, "MenuEdit_Read");
    m.MenuEdit_Write = AddItem(m.MenuEdit, "MenuEdit_Write");
    m.MenuEdit->addSeparator();
    m.MenuEdit_Password = AddItem(m.MenuEdit, "MenuEdit_Password");
    m.MenuEdit->addSeparator();
    m.MenuEdit_Band = AddSubMenu(m.MenuEdit, "MenuEdit_Band");
    for (int i = 0; i < BandCount; ++i)
        m.MenuEdit_Band_n[i] = AddCheckableItem(m.MenuEdit_Band, QString("MenuEdit_Band_%1").arg(i + 1));
    m.MenuEdit_Band->addSeparator();
    m.MenuEdit_Band_undef = AddItem(m.MenuEdit_Band, "MenuEdit_Band_undef");
}

void BuildLanguageMenu(QMenuBar* bar, MainMenu& m)
{
    m.MenuLanguage = AddMenu(bar, "MenuLanguage");
    m.MenuLanguage_Chs = AddCheckableItem(m.MenuLanguage, "MenuLanguage_Chs");
    m.MenuLanguage_En = AddCheckableItem(m.MenuLanguage, "MenuLanguage_En");
}

void Caption(QMenu* menu, int entry) { menu->setTitle(Tr(entry)); }
void Caption(QAction* item, int entry) { item->setText(Tr(entry)); }

// These items open a dialog, and say so.
void Caption(QAction* item, ExchangeText text) { item->setText(ExchangeTr(text) + QStringLiteral("...")); }

}

MainMenu BuildMainMenu(QMenuBar* bar)
{
    MainMenu m{};
    m.MainMenu1 = bar;
    bar->setObjectName("MainMenu1");
    BuildFileMenu(bar, m);
    BuildEditMenu(bar, m);
    m.MenuPort = AddBarItem(bar, "MenuPort");
    BuildLanguageMenu(bar, m);
    m.MenuAdjustment = AddBarItem(bar, "MenuAdjustment");
    m.MenuHelp = AddMenu(bar, "MenuHelp");
    m.MenuAbout = AddItem(m.MenuHelp, "MenuAbout");
    return m;
}

void CaptionMainMenu(const MainMenu& m)
{
    Caption(m.MenuFile, FileEntry);
    Caption(m.MenuFile_New, NewEntry);
    Caption(m.MenuFile_Open, OpenEntry);
    Caption(m.MenuFile_Save, SaveEntry);
    Caption(m.MenuFile_ImportCsv, ExchangeText::ImportCsv);
    Caption(m.MenuFile_ExportCsv, ExchangeText::ExportCsv);
    Caption(m.MenuFile_PrintSheet, ExchangeText::PrintSheet);
    Caption(m.MenuFile_ExportSheetPdf, ExchangeText::ExportSheetPdf);
    Caption(m.MenuFile_Exit, ExitEntry);
    Caption(m.MenuEdit, EditEntry);
    Caption(m.MenuEdit_Read, ReadEntry);
    Caption(m.MenuEdit_Write, WriteEntry);
    Caption(m.MenuEdit_Password, PasswordEntry);
    Caption(m.MenuPort, PortEntry);
    Caption(m.MenuLanguage, LanguageEntry);
    Caption(m.MenuLanguage_Chs, ChineseEntry);
    Caption(m.MenuLanguage_En, EnglishEntry);
    Caption(m.MenuHelp, HelpEntry);
    Caption(m.MenuAbout, AboutEntry);
    Caption(m.MenuAdjustment, AdjustmentEntry);
}

void TickLanguage(const MainMenu& m, int languageSetting)
{
    m.MenuLanguage_En->setChecked(languageSetting == EnglishSetting);
    m.MenuLanguage_Chs->setChecked(languageSetting == SimplifiedChineseSetting);
}

std::optional<int> RefreshBandMenu(const MainMenu& m, const AppSettings& settings, const BandLimits& current)
{
    const QString band = Tr(BandEntry);
    Caption(m.MenuEdit_Band, BandEntry);
    const std::optional<int> match = MatchingBandIndex(settings.Bands, current);
    for (int i = 0; i < BandCount; ++i) {
        const QString range = QString::fromStdString(BandRangeText(settings.Bands[i]));
        m.MenuEdit_Band_n[i]->setText(QString("%1 %2 (%3)").arg(band).arg(i + 1).arg(range));
        m.MenuEdit_Band_n[i]->setChecked(match == i);
    }
    const QString currentRange = QString::fromStdString(BandRangeText(current));
    m.MenuEdit_Band_undef->setText(match ? QString() : QString("%1 (%2)").arg(band, currentRange));
    return match;
}
