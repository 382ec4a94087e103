#include "ui/MainMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "files/BandChoice.h"
#include "lang/BandMenuText.h"
#include "lang/DisplayMessage.h"
#include "lang/TextTable.h"
#include "lang/Utf8Text.h"

namespace {

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

// The key works wherever the focus is in the main window, and the menu shows it.
QAction* AddItem(QMenu* menu, const char* name, QList<QKeySequence> keys)
{
    QAction* item = AddItem(menu, name);
    item->setShortcuts(keys);
    return item;
}

QKeySequence Keys(QKeyCombination keys) { return QKeySequence(keys); }

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
    m.MenuFile_New = AddItem(m.MenuFile, "MenuFile_New", {Keys(Qt::CTRL | Qt::Key_N)});
    m.MenuFile_Open = AddItem(m.MenuFile, "MenuFile_Open", {Keys(Qt::CTRL | Qt::Key_O)});
    m.MenuFile_OpenBackup = AddItem(m.MenuFile, "MenuFile_OpenBackup");
    m.MenuFile_Save = AddItem(m.MenuFile, "MenuFile_Save", {Keys(Qt::CTRL | Qt::Key_S)});
    m.MenuFile->addSeparator();
    m.MenuFile_ImportCsv = AddItem(m.MenuFile, "MenuFile_ImportCsv");
    m.MenuFile_ExportCsv = AddItem(m.MenuFile, "MenuFile_ExportCsv");
    m.MenuFile->addSeparator();
    m.MenuFile_PrintSheet = AddItem(m.MenuFile, "MenuFile_PrintSheet");
    m.MenuFile_ExportSheetPdf = AddItem(m.MenuFile, "MenuFile_ExportSheetPdf");
    m.MenuFile->addSeparator();
    m.MenuFile_CompareWithFile = AddItem(m.MenuFile, "MenuFile_CompareWithFile");
    m.MenuFile->addSeparator();
    m.MenuFile_Exit = AddItem(m.MenuFile, "MenuFile_Exit", {Keys(Qt::CTRL | Qt::Key_Q)});
}

void BuildEditMenu(QMenuBar* bar, MainMenu& m)
{
    m.MenuEdit = AddMenu(bar, "MenuEdit");
    m.MenuEdit_Undo = AddItem(m.MenuEdit, "MenuEdit_Undo", {Keys(Qt::CTRL | Qt::Key_Z)});
    m.MenuEdit_Redo = AddItem(m.MenuEdit, "MenuEdit_Redo", {Keys(Qt::CTRL | Qt::Key_Y), Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m.MenuEdit->addSeparator();
    RowCommandItems& rows = m.MenuEdit_Rows;
    rows.Cut = AddItem(m.MenuEdit, "MenuEdit_Cut", {Keys(Qt::CTRL | Qt::Key_X)});
    rows.Copy = AddItem(m.MenuEdit, "MenuEdit_Copy", {Keys(Qt::CTRL | Qt::Key_C)});
    rows.Paste = AddItem(m.MenuEdit, "MenuEdit_Paste", {Keys(Qt::CTRL | Qt::Key_V)});
    rows.Delete = AddItem(m.MenuEdit, "MenuEdit_Delete", {Keys(Qt::Key_Delete)});
    rows.InsertRow = AddItem(m.MenuEdit, "MenuEdit_InsertRow", {Keys(Qt::CTRL | Qt::Key_Insert)});
    rows.MoveUp = AddItem(m.MenuEdit, "MenuEdit_MoveUp", {Keys(Qt::CTRL | Qt::Key_Up)});
    rows.MoveDown = AddItem(m.MenuEdit, "MenuEdit_MoveDown", {Keys(Qt::CTRL | Qt::Key_Down)});
    m.MenuEdit->addSeparator();
    m.MenuEdit_Read = AddItem(m.MenuEdit, "MenuEdit_Read", {Keys(Qt::Key_F5)});
    m.MenuEdit_Write = AddItem(m.MenuEdit, "MenuEdit_Write", {Keys(Qt::Key_F6)});
    m.MenuEdit_WriteSeveral = AddItem(m.MenuEdit, "MenuEdit_WriteSeveral");
    m.MenuEdit_CheckRadio = AddItem(m.MenuEdit, "MenuEdit_CheckRadio");
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
    m.MenuLanguage_Cht = AddCheckableItem(m.MenuLanguage, "MenuLanguage_Cht");
    m.MenuLanguage_En = AddCheckableItem(m.MenuLanguage, "MenuLanguage_En");
}

void Caption(QMenu* menu, TextEntry entry) { menu->setTitle(Tr(entry)); }
void Caption(QAction* item, TextEntry entry) { item->setText(Tr(entry)); }
void Caption(QAction* item, MessageId text) { item->setText(DisplayMessage({text})); }
void Caption(QMenu* menu, MessageId text) { menu->setTitle(DisplayMessage({text})); }

// The caption `entry` has in `language`, whatever language the window speaks.
void CaptionIn(QAction* item, TextEntry entry, TTeskFuncs::TLangType language)
{
    item->setText(QString::fromStdString(EntryUtf8(entry, language)));
}

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
    m.MenuGettingStarted = AddItem(m.MenuHelp, "MenuGettingStarted");
    m.MenuSaveTransferLog = AddItem(m.MenuHelp, "MenuSaveTransferLog");
    m.MenuSaveTransferLog->setEnabled(false);
    m.MenuHelp_SaveSupportBundle = AddItem(m.MenuHelp, "MenuHelp_SaveSupportBundle");
    m.MenuAbout = AddItem(m.MenuHelp, "MenuAbout");
    return m;
}

void CaptionMainMenu(const MainMenu& m)
{
    Caption(m.MenuFile, TextEntry::FileMenu);
    Caption(m.MenuFile_New, TextEntry::NewMenu);
    Caption(m.MenuFile_Open, TextEntry::OpenMenu);
    Caption(m.MenuFile_OpenBackup, MessageId::OpenBackup);
    Caption(m.MenuFile_Save, TextEntry::SaveMenu);
    Caption(m.MenuFile_ImportCsv, MessageId::MenuImportCsv);
    Caption(m.MenuFile_ExportCsv, MessageId::MenuExportCsv);
    Caption(m.MenuFile_PrintSheet, MessageId::MenuPrintSheet);
    Caption(m.MenuFile_ExportSheetPdf, MessageId::MenuExportSheetPdf);
    Caption(m.MenuFile_CompareWithFile, MessageId::MenuCompareWithFile);
    Caption(m.MenuFile_Exit, TextEntry::ExitMenu);
    Caption(m.MenuEdit, TextEntry::EditMenu);
    Caption(m.MenuEdit_Undo, MessageId::EditUndo);
    Caption(m.MenuEdit_Redo, MessageId::EditRedo);
    Caption(m.MenuEdit_Rows.Cut, MessageId::EditCut);
    Caption(m.MenuEdit_Rows.Copy, MessageId::EditCopy);
    Caption(m.MenuEdit_Rows.Paste, MessageId::EditPaste);
    Caption(m.MenuEdit_Rows.Delete, MessageId::EditDelete);
    Caption(m.MenuEdit_Rows.InsertRow, MessageId::EditInsertRow);
    Caption(m.MenuEdit_Rows.MoveUp, MessageId::EditMoveUp);
    Caption(m.MenuEdit_Rows.MoveDown, MessageId::EditMoveDown);
    Caption(m.MenuEdit_Read, TextEntry::ReadFromRadioMenu);
    Caption(m.MenuEdit_Write, TextEntry::WriteToRadioMenu);
    Caption(m.MenuEdit_WriteSeveral, MessageId::MenuWriteSeveral);
    Caption(m.MenuEdit_CheckRadio, MessageId::MenuCheckRadio);
    Caption(m.MenuEdit_Password, TextEntry::PasswordMenu);
    Caption(m.MenuEdit_Band, MessageId::MenuFrequencyBand);
    Caption(m.MenuPort, TextEntry::CommunicationPortMenu);
    Caption(m.MenuLanguage, TextEntry::LanguageMenu);
    CaptionIn(m.MenuLanguage_Chs, TextEntry::ChineseSimplifiedMenu, TTeskFuncs::LangSimplifiedChinese);
    CaptionIn(m.MenuLanguage_Cht, TextEntry::ChineseTraditionalMenu, TTeskFuncs::LangTraditionalChinese);
    CaptionIn(m.MenuLanguage_En, TextEntry::EnglishMenu, TTeskFuncs::LangEnglish);
    Caption(m.MenuHelp, TextEntry::HelpMenu);
    Caption(m.MenuGettingStarted, MessageId::MenuGettingStarted);
    Caption(m.MenuSaveTransferLog, MessageId::MenuSaveTransferLog);
    Caption(m.MenuHelp_SaveSupportBundle, MessageId::MenuSaveSupportBundle);
    Caption(m.MenuAbout, TextEntry::AboutMenu);
    Caption(m.MenuAdjustment, TextEntry::AdjustmentMenu);
}

void TickLanguage(const MainMenu& m, LanguageSetting languageSetting)
{
    m.MenuLanguage_En->setChecked(languageSetting == LanguageSetting::English);
    m.MenuLanguage_Chs->setChecked(languageSetting == LanguageSetting::SimplifiedChinese);
    m.MenuLanguage_Cht->setChecked(languageSetting == LanguageSetting::TraditionalChinese);
}

QString BandCaption(const AppSettings& settings, const BandLimits& band)
{
    const TTeskFuncs::TLangType language = AppLang().LangType();
    const std::optional<int> match = MatchingBandIndex(settings.Bands, band);
    return DisplayText(match ? BandItemText(*match + 1, band, language) : OtherBandText(band, language));
}

std::optional<int> RefreshBandMenu(const MainMenu& m, const AppSettings& settings, const BandLimits& current)
{
    const TTeskFuncs::TLangType language = AppLang().LangType();
    const std::optional<int> match = MatchingBandIndex(settings.Bands, current);
    for (int i = 0; i < BandCount; ++i) {
        m.MenuEdit_Band_n[i]->setText(DisplayText(BandItemText(i + 1, settings.Bands[i], language)));
        m.MenuEdit_Band_n[i]->setChecked(match == i);
    }
    m.MenuEdit_Band_undef->setText(match ? QString() : DisplayText(OtherBandText(current, language)));
    return match;
}
