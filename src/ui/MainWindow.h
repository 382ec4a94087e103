#pragma once

#include <optional>
#include <string>

#include <QMainWindow>

#include "calibration/AdjustmentData.h"
#include "files/AppSettings.h"
#include "files/FileResult.h"
#include "lang/LanguageSetting.h"
#include "files/BackupStore.h"
#include "link/engine/TransferContext.h"
#include "link/engine/TransferTrace.h"
#include "model/BandLimits.h"
#include "model/ChannelRows.h"
#include "model/MemoryImage.h"
#include "model/RadioSettings.h"
#include "sheet/SheetContent.h"
#include "ui/FileChooser.h"
#include "ui/MainMenu.h"
#include "ui/MainToolBar.h"
#include "ui/RecordHistory.h"
#include "ui/QtTranslation.h"

class ChannelInfoPage;
class DtmfPage;
class KeysPage;
class OptionsPage;
class QPushButton;
class QStatusBar;
class QTabWidget;

// The program's main window. It owns the one settings record, the current band, the radio's memory
// image and the computer's settings (port, language, bands) for as long as the program runs,
// builds every editor on the record and offers the commands that act on the record as a whole.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // `settingsPath` is read (or created) now and written when the window is destroyed.
    explicit TForm1(std::string settingsPath, FileChooser chooser = SystemFileChooser(), QWidget* parent = nullptr);
    ~TForm1() override;

    // Redraws everything from the record and the window state, in the current language.
    void FullRefresh();

    // Loads a channel data file into the record and redraws; a file that cannot be used leaves
    // the record as it was and is described in the result. Shows nothing, so it also serves runs
    // where nobody could answer a notice.
    FileResult LoadDataFile(const QString& path);
    // The same for the user at the window: a failure is reported in a notice.
    bool OpenDataFile(const QString& path);
    // A settings file that could not be read at start-up, so that the defaults stand, is reported
    // in a notice; shown once the window is up.
    void ReportUnreadSettings();

    RadioSettings& Record() { return record_; }
    // The band every entered frequency is clamped to: the chosen one, or the radio's after a read.
    BandLimits& Band() { return band_; }
    const AppSettings& Config() const { return config_; }
    const LinkSettings& Link() const { return link_; }
    const RecordHistory& History() const { return *history_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    enum class SaveOutcome { Saved, Cancelled, Failed };

    void BuildWindow();
    void BuildPages(QWidget* client);
    void ConnectCommands();
    void FixClientArea();
    void StartUp();
    void CaptionPages();
    void SaveSettingsFile();

    void MenuFile_NewClick();
    void MenuFile_OpenClick();
    void MenuFile_OpenBackupClick();
    SaveOutcome MenuFile_SaveClick();
    void MenuFile_ImportCsvClick();
    void MenuFile_ExportCsvClick();
    void MenuFile_PrintSheetClick();
    void MenuFile_ExportSheetPdfClick();
    void MenuFile_CompareWithFileClick();
    void MenuFile_ExitClick();
    void MenuEdit_ReadClick();
    void MenuEdit_WriteClick();
    void MenuEdit_WriteSeveralClick();
    void MenuEdit_CheckRadioClick();
    void MenuEdit_PasswordClick();
    void MenuEdit_BandClick(int bandIndex);
    void MenuPortClick();
    void MenuLanguage_ChsClick();
    void MenuLanguage_ChtClick();
    void MenuLanguage_EnClick();
    void MenuAdjustmentClick();
    void MenuGettingStartedClick();
    void MenuSaveTransferLogClick();
    void MenuSaveSupportBundleClick();
    void MenuAboutClick();
    void bChBatchSetClick();

    void BuildHistory();
    RecordSnapshot Snapshot() const;
    void Restore(const RecordSnapshot& snapshot);
    // Model name, file name and change mark.
    void UpdateCaption();
    // The record now is what `path` holds: the caption names it and shows no change.
    void TakeAsDataFile(const QString& path);
    // The record now is what a radio held: the caption names the radio, Save suggests no file, and
    // no state in the history counts as saved any more.
    void TakeAsReadFromRadio();
    // The file a series' log names: the data file while it holds the record as it stands, saved
    // first if the user wants; empty when no file holds it; nothing when the user cancelled.
    std::optional<std::string> SeriesRecordFile();
    void MenuEdit_UndoClick();
    void MenuEdit_RedoClick();
    void ConnectRowCommands();
    void EnableRowCommands();
    void CopyRows();
    void CutRows();
    void PasteRows();
    void PasteRowsText(unsigned first, const QString& text);
    void DeleteRows();
    void ClearRows();
    void InsertRow();
    void MoveRows(bool up);
    // Redraws after a row command, which is then one step, and selects the rows it left.
    void FinishRowCommand(const ChannelNumbers& selection);

    // Moves the focus to `bHide`, so that an open editor stores its value before a command runs.
    void CommitPendingEdit();
    void ReturnFocus(QWidget* focus);
    // Shows the channel page and focuses the grid, so that an open cell editor stores its value.
    void CommitChannelEdit();
    bool ConfirmClearAllData();
    void OfferBandOfChannels();
    void SelectLanguage(LanguageSetting setting);
    // The channel the grid's current row shows; the first one when no channel row is current.
    unsigned SelectedChannel() const;
    SheetContent CurrentSheet() const;
    void RunChannelTransfer(bool isRead);
    // The differences of `mine` and `other` in the compare dialog, the other's column headed
    // `otherCaption`; true when the user chose to write the record to the radio (`offerWrite`).
    bool ShowDifferences(const RadioSettings& mine, const RadioSettings& other, const QString& otherCaption,
                         const QString& title, bool offerWrite);
    // Keeps the trace of the transfers just run as the last transfer log, in the window and in the
    // data folder, unless none started.
    void KeepTrace(const TransferTrace& trace);
    // Keeps the record and the image a read brought unless the settings say Backups=0, in the
    // folder of the radio read (writes keep their own, see TransferRunner). A backup that fails does
    // not stop the transfer; it is reported once the transfer no longer needs the event loop to itself.
    FileResult BackUpRead();
    void ReportBackup(const FileResult& kept);
    TransferContext LinkContext(TransferKind kind, bool isRead);

    RadioSettings record_{};
    BandLimits band_;
    MemoryImage image_{};
    // What the calibration and serial-number transfers move, and the calibration record the
    // adjustment dialog shows: zero at start, kept while the window lives.
    TransferBuffer transferBuffer_{};
    AdjustmentData calibration_{};
    std::string settingsPath_;
    QString dataFilePath_;  // the channel data file last opened or saved, for the channel sheet
    // The serial number of the radio the record was read from, while no data file holds it.
    std::optional<std::string> readRadioSerial_;
    AppSettings config_;
    FileResult settingsRead_;  // why the settings file could not be read at start-up
    LinkSettings link_;
    FileChooser chooser_;
    QtTranslation qtTexts_;
    TransferTrace lastTrace_;  // of the last transfer that started, for the transfer log

    MainMenu menu_{};
    MainToolBar toolBar_{};
    QTabWidget* PageControl_Home = nullptr;
    ChannelInfoPage* TabSheet_ChInfo = nullptr;
    OptionsPage* TabSheet_Option = nullptr;
    DtmfPage* TabSheet_Dtmf = nullptr;
    KeysPage* TabSheet_Key = nullptr;
    QPushButton* bHide = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    RecordHistory* history_ = nullptr;
};
