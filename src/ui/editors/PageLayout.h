#pragma once

class QWidget;

// The pages are laid out like forms: columns of rows a fixed distance apart, a label on the
// left of each control.
constexpr int RowPitch = 24;
constexpr int ControlHeight = 20;

struct FormColumn {
    int left;
    int top;
    int labelWidth;
    int controlWidth;
};

void PlaceRow(const FormColumn& column, int row, QWidget* label, QWidget* control);
// A control without a label (a check box) spans the whole row.
void PlaceRow(const FormColumn& column, int row, QWidget* control);
