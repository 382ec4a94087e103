#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QDialog>
#include <QString>

#include "link/RadioSeries.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;

// What a series is written from: a copy of the window's record, so nothing the series does
// reaches the record the user edits.
struct SeriesSource {
    RadioSettings Record{};
    BandLimits Band;
    LinkSettings Link;
    std::string FileName;  // the file that holds the record as it is; empty: none does
    bool Backups = false;  // each radio's write kept in its own folder
};

// The modal dialog in which one setup is written to radio after radio: the series' settings,
// its progress and one line per radio. It stays open after a series so the lines can be read,
// and Start may begin another.
class SeriesWriteDialog : public QDialog {
    Q_OBJECT
public:
    // Asks where the log goes; empty when the user cancelled.
    using ChooseLogPath = std::function<QString(QWidget* owner, const QString& title)>;

    SeriesWriteDialog(SeriesSource source, ChooseLogPath chooseLog, QWidget* owner);
    ~SeriesWriteDialog() override;

    void SetVerifyAfterWrite(bool verify);
    bool VerifyAfterWrite() const;
    // Every transfer of the last series started, verifying reads included.
    TransferTrace Trace() const;

signals:
    // A radio of the series is done, its backup with it.
    void radioFinished(const RadioAttempt& attempt);

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildLayout();
    void ConnectControls();
    void ShowFirstIds();
    void StartClick();
    void BrowseClick();
    void SameRadioAgainClick();
    std::optional<uint64_t> RadiosAsked() const;
    SeriesPlan Plan() const;
    void ConnectSeries(RadioSeries& series);
    void RadioStarting(uint64_t number, bool waiting);
    void StepChanged(int step);
    void SameRadioAnswered(const QString& serial);
    void RadioFinished(const RadioAttempt& attempt);
    void SeriesFinished(SeriesEnd end);
    bool SeriesRunning() const;
    void ShowRunning(bool running);

    SeriesSource source_;
    ChooseLogPath chooseLog_;
    std::unique_ptr<RadioSeries> series_;
    RadioAttempt lastAttempt_;
    QString portProblem_;  // why the port of the radio on the line did not open
    uint64_t radioOnLine_ = 0;
    bool waitingForRadio_ = false;

    QSpinBox* RadioCount;
    QCheckBox* UntilStopped;
    QCheckBox* VerifyAfterWrite_;
    QCheckBox* IncreaseIds;
    QLabel* FirstIds;
    QLineEdit* LogFile;
    QPushButton* BrowseLog;
    QProgressBar* SeriesProgress;
    QLabel* SeriesStatus;
    QListWidget* SeriesOutcomes;
    QPushButton* SeriesStart;
    QPushButton* SeriesStop;
    QPushButton* SameRadioAgain;
    QPushButton* SeriesClose;
};
