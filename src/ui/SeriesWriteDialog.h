#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QDialog>

#include "ui/FileChooser.h"
#include <QString>

#include "link/RadioSeries.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;
class RadioSeriesGroup;
class SeriesPortList;

// What a series is written from: a copy of the window's record, so nothing the series does
// reaches the record the user edits.
struct SeriesSource {
    RadioSettings Record{};
    BandLimits Band;
    LinkSettings Link;
    std::string FileName;  // the file that holds the record as it is; empty: none does
    bool Backups = false;  // each radio's write kept in its own folder
};

// The modal dialog in which one setup is written to radio after radio (or, checking only, each
// radio is read and compared with it): the series' settings and ports, its progress and one line
// per radio. On one port the dialog's own status line and bar follow the series; on several, each
// port has a line of its own with its state, bar and "Same radio again". It stays open after a
// series so the lines can be read, and Start may begin another.
class SeriesWriteDialog : public QDialog {
    Q_OBJECT
public:
    // Asks where the log goes, or which identity table to read; empty when the user cancelled.
    using ChooseFile = std::function<QString(QWidget* owner, const QString& title, ExchangeFile file)>;

    SeriesWriteDialog(SeriesSource source, ChooseFile chooseFile, QWidget* owner);
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
    // What the dialog shows of one port and remembers of its radio on the line.
    struct PortLine {
        PortLine(QString port, QLabel* state, QProgressBar* progress, QPushButton* sameRadio)
            : Port(std::move(port)), State(state), Progress(progress), SameRadio(sameRadio)
        {
        }

        QString Port;  // as the user named it
        QLabel* State;
        QProgressBar* Progress;
        QPushButton* SameRadio;
        QString Problem;  // why the port of the radio on the line did not open
        RadioAttempt Last;
        std::optional<SeriesEnd> End;
    };

    void BuildLayout();
    void ConnectControls();
    void ShowFirstIds();
    void StartClick();
    void BrowseClick();
    void BrowseIdsClick();
    bool ReadIdentities(SeriesPlan& plan);
    std::optional<uint64_t> RadiosAsked() const;
    bool Checking() const;
    SeriesPlan Plan() const;
    void StartOnePort(const SeriesPlan& plan, const std::string& port);
    void StartPorts(const SeriesPlan& plan, const std::vector<std::string>& ports);
    void ShowPortLines(const std::vector<std::string>& ports);
    void AddPortLine(const std::string& port);
    RadioSeries::BandQuestion BandQuestion();
    void ConnectSeries(RadioSeries& series);
    void ConnectGroup(RadioSeriesGroup& group);
    void RadioStarting(size_t port, uint64_t number, bool waiting);
    void RadioTaken(size_t port, uint64_t number);
    void Verifying(size_t port);
    void SameRadioAnswered(size_t port, const QString& serial);
    void SameRadioAgainClick(size_t port);
    void RadioFinished(size_t port, const RadioAttempt& attempt);
    void PortFinished(size_t port, SeriesEnd end);
    void SeriesFinished(SeriesEnd end);
    void RadiosFailed();
    void LogFailed();
    QString OnPort(size_t port, const QString& text) const;
    QString OnLineText(uint64_t number) const;
    uint64_t Done() const;
    bool SeriesRunning() const;
    void ShowRunning(bool running);

    SeriesSource source_;
    ChooseFile chooseFile_;
    std::unique_ptr<RadioSeries> series_;
    std::unique_ptr<RadioSeriesGroup> group_;
    std::vector<PortLine> lines_;

    QSpinBox* RadioCount;
    QCheckBox* UntilStopped;
    QCheckBox* CheckOnly;
    QCheckBox* VerifyAfterWrite_;
    QCheckBox* IncreaseIds;
    QLabel* FirstIds;
    QLineEdit* LogFile;
    QPushButton* BrowseLog;
    QLineEdit* IdsFile;
    QPushButton* BrowseIds;
    QCheckBox* IdsRequired;
    SeriesPortList* Ports;
    QProgressBar* SeriesProgress;
    QLabel* SeriesStatus;
    QWidget* PortLines;
    QGridLayout* PortLinesGrid;
    QListWidget* SeriesOutcomes;
    QPushButton* SeriesStart;
    QPushButton* SeriesStop;
    QPushButton* SameRadioAgain;
    QPushButton* SeriesClose;
};
