#pragma once

#include <QPushButton>
#include <QWidget>

#include "model/BandLimits.h"
#include "model/RadioSettings.h"

class QComboBox;
class QTableWidget;

// A shown, active window that hosts one editor page on a fresh record and the start-up band, with a
// button that takes the focus away the way the main window's bHide does before a command runs.
class EditorWindow : public QWidget {
public:
    EditorWindow();

    RadioSettings settings;
    BandLimits band;

    // Call after the page has been placed in the window.
    void ShowActive();
    void LeaveControl();

private:
    QPushButton* focusTaker_;
};

// What a user does to the editors.
void DoubleClickCell(QTableWidget* grid, int row, int column);
void ClickCell(QTableWidget* grid, int row, int column);
void ChooseItem(QComboBox* list, int index);  // by keyboard, as when browsing a closed list
void ClickOn(QWidget* widget);
void ClickCheckBox(QWidget* box);  // on its square, at the left end

// Texts in English unless a test switches the language.
void UseEnglish();
void UseSimplifiedChinese();
