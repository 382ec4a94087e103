#pragma once

#include <QObject>
#include <QPoint>

#include "model/RadioSettings.h"
#include "ui/editors/InPlaceEditing.h"

class QLineEdit;
class QTableWidget;
class QWidget;

// The address book `sgD_AddrBook` of the DTMF page: one row per entry with its name and DTMF
// code, edited in place. Naming an unused entry brings it into use; erasing its name or its
// code takes it out of use.
class AddressBook : public QObject {
public:
    AddressBook(RadioSettings& settings, QWidget* page, QPoint topLeft);

    void Refresh();

private:
    void RedrawRow(int row);
    void OpenEditor(int row, int column);
    void LeaveNameEditor();
    void LeaveCodeEditor();

    RadioSettings& settings_;
    QTableWidget* grid_;
    QLineEdit* nameEditor_;
    QLineEdit* codeEditor_;
    InPlaceEditing editing_;
};
