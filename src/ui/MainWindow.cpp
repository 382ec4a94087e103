#include "ui/MainWindow.h"

#include <iostream>
#include <utility>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "files/BandChoice.h"
#include "lang/AppLang.h"
#include "lang/DisplayMessage.h"
#include "lang/FileMessage.h"
#include "lang/PageCaptions.h"
#include "lang/TextTable.h"
#include "model/ModelName.h"
#include "notices/AccessibleNames.h"
#include "notices/Notices.h"
#include "ui/ChannelInfoPage.h"
#include "ui/ProgramFont.h"
#include "ui/editors/EditorPages.h"

namespace {

// The area below the menu bar: tool bar, pages and status bar.
constexpr int ClientWidth = 829;
constexpr int ClientHeight = 507;

constexpr int DefaultPortNumber = 1;

}

TForm1::TForm1(std::string settingsPath, FileChooser chooser, QWidget* parent)
    : QMainWindow(parent), settingsPath_(std::move(settingsPath)), chooser_(std::move(chooser))
{
    BuildWindow();
    ConnectCommands();
    StartUp();
    BuildHistory();
}

// The history reads this window's state whenever the focus moves, and destroying the window moves
// it after that state is gone: the history goes first.
TForm1::~TForm1()
{
    delete history_;
    SaveSettingsFile();
}

void TForm1::BuildWindow()
{
    setObjectName("Form1");
    setFont(ProgramFont());
    menu_ = BuildMainMenu(menuBar());
    toolBar_ = BuildMainToolBar(this);

    auto* client = new QWidget(this);
    setCentralWidget(client);
    bHide = new QPushButton(client);
    bHide->setObjectName("bHide");
    // Only the program moves the focus there; Tab passes it by.
    bHide->setFocusPolicy(Qt::NoFocus);
    BuildPages(client);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    setStatusBar(StatusBar1);
    // What became of a typed value stays in view until the next value is typed.
    connect(TabSheet_ChInfo->Grid, &ChannelGridEditor::EntryNoted, StatusBar1, [this](const QString& text) {
        StatusBar1->showMessage(text);
    });
}

// The menu bar's height depends on its captions' font, so the size is fixed again after every
// re-captioning.
void TForm1::FixClientArea()
{
    setFixedSize(ClientWidth, ClientHeight + menuBar()->heightForWidth(ClientWidth));
}

void TForm1::BuildPages(QWidget* client)
{
    PageControl_Home = new QTabWidget(client);
    PageControl_Home->setObjectName("PageControl_Home");
    TabSheet_ChInfo = new ChannelInfoPage(record_, band_, PageControl_Home);
    TabSheet_Option = new OptionsPage(record_, PageControl_Home);
    TabSheet_Dtmf = new DtmfPage(record_, PageControl_Home);
    TabSheet_Key = new KeysPage(record_, PageControl_Home);
    for (QWidget* page : std::initializer_list<QWidget*>{TabSheet_ChInfo, TabSheet_Option, TabSheet_Dtmf, TabSheet_Key})
        PageControl_Home->addTab(page, QString());

    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PageControl_Home);
}

void TForm1::ConnectCommands()
{
    const auto run = [this](auto handler) { return [this, handler] { (this->*handler)(); }; };
    const auto onItem = [this](QAction* item, auto command) { connect(item, &QAction::triggered, this, command); };
    const auto onButton = [this](QAbstractButton* button, auto command) {
        connect(button, &QAbstractButton::clicked, this, command);
    };

    onItem(menu_.MenuFile_New, run(&TForm1::MenuFile_NewClick));
    onItem(menu_.MenuFile_Open, run(&TForm1::MenuFile_OpenClick));
    onItem(menu_.MenuFile_OpenBackup, run(&TForm1::MenuFile_OpenBackupClick));
    onItem(menu_.MenuFile_Save, run(&TForm1::MenuFile_SaveClick));
    onItem(menu_.MenuFile_ImportCsv, run(&TForm1::MenuFile_ImportCsvClick));
    onItem(menu_.MenuFile_ExportCsv, run(&TForm1::MenuFile_ExportCsvClick));
    onItem(menu_.MenuFile_PrintSheet, run(&TForm1::MenuFile_PrintSheetClick));
    onItem(menu_.MenuFile_ExportSheetPdf, run(&TForm1::MenuFile_ExportSheetPdfClick));
    onItem(menu_.MenuFile_CompareWithFile, run(&TForm1::MenuFile_CompareWithFileClick));
    onItem(menu_.MenuFile_Exit, run(&TForm1::MenuFile_ExitClick));
    onItem(menu_.MenuEdit_Read, run(&TForm1::MenuEdit_ReadClick));
    onItem(menu_.MenuEdit_Write, run(&TForm1::MenuEdit_WriteClick));
    onItem(menu_.MenuEdit_WriteSeveral, run(&TForm1::MenuEdit_WriteSeveralClick));
    onItem(menu_.MenuEdit_CheckRadio, run(&TForm1::MenuEdit_CheckRadioClick));
    onItem(menu_.MenuEdit_Password, run(&TForm1::MenuEdit_PasswordClick));
    for (int i = 0; i < BandCount; ++i)
        onItem(menu_.MenuEdit_Band_n[i], [this, i] { MenuEdit_BandClick(i); });
    onItem(menu_.MenuPort, run(&TForm1::MenuPortClick));
    onItem(menu_.MenuLanguage_Chs, run(&TForm1::MenuLanguage_ChsClick));
    onItem(menu_.MenuLanguage_Cht, run(&TForm1::MenuLanguage_ChtClick));
    onItem(menu_.MenuLanguage_En, run(&TForm1::MenuLanguage_EnClick));
    onItem(menu_.MenuAdjustment, run(&TForm1::MenuAdjustmentClick));
    onItem(menu_.MenuGettingStarted, run(&TForm1::MenuGettingStartedClick));
    onItem(menu_.MenuSaveTransferLog, run(&TForm1::MenuSaveTransferLogClick));
    onItem(menu_.MenuHelp_SaveSupportBundle, run(&TForm1::MenuSaveSupportBundleClick));
    onItem(menu_.MenuAbout, run(&TForm1::MenuAboutClick));
    onItem(menu_.MenuEdit_Undo, run(&TForm1::MenuEdit_UndoClick));
    onItem(menu_.MenuEdit_Redo, run(&TForm1::MenuEdit_RedoClick));
    ConnectRowCommands();

    onButton(toolBar_.ToolButton_New, run(&TForm1::MenuFile_NewClick));
    onButton(toolBar_.ToolButton_Open, run(&TForm1::MenuFile_OpenClick));
    onButton(toolBar_.ToolButton_Save, run(&TForm1::MenuFile_SaveClick));
    onButton(toolBar_.ToolButton_Read, run(&TForm1::MenuEdit_ReadClick));
    onButton(toolBar_.ToolButton_Write, run(&TForm1::MenuEdit_WriteClick));
    onButton(TabSheet_ChInfo->bChBatchSet, run(&TForm1::bChBatchSetClick));
}

void TForm1::StartUp()
{
    record_.ResetToDefaults();
    link_.PortNumber = DefaultPortNumber;
    config_ = LoadAppSettings(settingsPath_, &settingsRead_);
    link_ = {config_.Port, config_.AutoSeachPort, config_.FastLink};
    link_.Ports.Pinned = config_.PinnedPorts;

    // Only there to take the focus from an open editor; it hides under the pages.
    bHide->setGeometry(0, 0, 1, 1);
    bHide->lower();

    band_ = SelectedBandLimits(config_);
    ApplyLanguageSetting(LanguageSetting(config_.Language));
    FullRefresh();
    // The channels are what a user comes to edit: the keys go there first.
    TabSheet_ChInfo->Grid->setFocus();
}

void TForm1::FullRefresh()
{
    // It spoke of an edit in the language shown before.
    StatusBar1->clearMessage();
    // Qt's own dialogs and buttons speak the language everything below is captioned in.
    qtTexts_.Follow(AppLang().LangType());
    TickLanguage(menu_, LanguageSetting(config_.Language));
    UpdateCaption();
    // The name, not the display name: desktops append a display name to every window caption,
    // which would turn the transfer dialog's "Read from radio" into "Read from radio - KR-T27".
    QApplication::setApplicationName(ModelName);
    CaptionMainMenu(menu_);
    if (const std::optional<int> band = RefreshBandMenu(menu_, config_, band_))
        config_.BandSelete = *band;
    SetToolBarHints(toolBar_);
    TabSheet_ChInfo->Refresh();
    CaptionPages();
    TabSheet_Option->Refresh();
    TabSheet_Dtmf->Refresh();
    TabSheet_Key->Refresh();
    NameControls(this);
    FixClientArea();
}

void TForm1::CaptionPages()
{
    const std::pair<QWidget*, EditorPage> pages[] = {{TabSheet_ChInfo, EditorPage::Channels},
                                                     {TabSheet_Option, EditorPage::Options},
                                                     {TabSheet_Dtmf, EditorPage::Dtmf},
                                                     {TabSheet_Key, EditorPage::Keys}};
    for (const auto& [page, caption] : pages)
        PageControl_Home->setTabText(PageControl_Home->indexOf(page),
                                     DisplayText(EditorPageCaption(caption, AppLang().LangType())));
}

void TForm1::SaveSettingsFile()
{
    config_.Port = link_.PortNumber;
    config_.AutoSeachPort = link_.AutoSearchPort;
    config_.FastLink = link_.FastLink;
    const FileResult saved = SaveAppSettings(settingsPath_, config_);
    if (!saved.ok)
        std::cerr << EnglishMessage(FileMessage(saved)) << '\n';
}

void TForm1::ReportUnreadSettings()
{
    if (!settingsRead_.ok)
        ShowNotice(this, DisplayMessage({MessageId::SettingsNotRead,
                                         {DisplayMessage(FileMessage(settingsRead_)).toLocal8Bit().toStdString()}}));
}

void TForm1::CommitPendingEdit() { bHide->setFocus(); }

void TForm1::MenuFile_ExitClick() { close(); }
