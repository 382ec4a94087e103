#pragma once

#include <vector>

#include <QDialog>

#include "model/RecordCheck.h"

class QLabel;
class QPushButton;
class QTableWidget;

// The values of a record the radio cannot take, one row each: the channel or field, the value and
// what is wrong with it. Before a write it asks whether to write anyway; after a file was opened
// it only tells.
class TRecordCheckDlg : public QDialog {
    Q_OBJECT
public:
    enum class Purpose { BeforeWrite, AfterOpen };

    TRecordCheckDlg(const std::vector<RecordFinding>& findings, Purpose purpose, QWidget* owner);
    QLabel* CheckText;
    QTableWidget* FindingList;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;  // before a write only
};

// True when the record is clean (nothing is shown then) or the user chose to write anyway.
bool ConfirmWriteDespite(QWidget* parent, const std::vector<RecordFinding>& findings);

// The list after opening a file, with OK alone; nothing for a clean file.
void ShowFileFindings(QWidget* parent, const std::vector<RecordFinding>& findings);
