#include "ui/editors/InPlaceEditing.h"

#include <QApplication>
#include <QTableWidget>

#include "ui/editors/TitledGrid.h"

void InPlaceEditing::Open(QWidget* editor, int row, int column)
{
    row_ = row;
    column_ = column;
    editor_ = editor;
    PlaceOverCell(editor, grid_, row, column);
    editor->show();
    editor->setFocus();
}

void InPlaceEditing::Finish()
{
    QWidget* editor = editor_;
    editor_ = nullptr;
    if (!editor)
        return;
    editor->hide();
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus == editor || editor->isAncestorOf(focus))
        grid_->setFocus();
}
