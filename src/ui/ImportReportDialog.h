#pragma once

#include <QDialog>
#include <QStringList>

#include "files/ChannelCsvReport.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

// What a channel table import did: how many channels it filled, then one line for every row it
// left out or changed. The list can be long, so it scrolls.
class ImportReportDialog : public QDialog {
    Q_OBJECT
public:
    ImportReportDialog(const ChannelCsvImport& outcome, QWidget* owner);
    // Lines that follow the count, such as the band the import used.
    void AddSummaryLines(const QStringList& lines);

    QLabel* Summary;
    QPlainTextEdit* Notes;
    QPushButton* OKBtn;
};
