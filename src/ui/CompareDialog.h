#pragma once

#include <vector>

#include <QDialog>

#include "lang/RecordDifferenceText.h"

class QLabel;
class QPushButton;
class QTableWidget;

// How the open record differs from another one, a row each: where, what this record holds there
// and what the other does; a line says so when they hold the same. After a radio was read it
// offers to write the record to it: exec() then returns Accepted.
class CompareDialog : public QDialog {
    Q_OBJECT
public:
    // `other` heads the other record's column: a file's name, or the radio.
    CompareDialog(const std::vector<DifferenceText>& differences, const QString& other, bool offerWrite,
                  QWidget* owner);

    QLabel* CompareText;
    QTableWidget* DifferenceList;
    QPushButton* WriteFileBtn;  // "Write this file to the radio", when offered
    QPushButton* CloseBtn;
};
