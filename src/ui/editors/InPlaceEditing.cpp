#include "ui/editors/InPlaceEditing.h"

#include <algorithm>
#include <utility>

#include <QApplication>
#include <QKeyEvent>
#include <QTableWidget>

#include "ui/editors/TitledGrid.h"

namespace {

const char* const EditorKeysProperty = "inPlaceEditorKeys";

class EditorKeys : public QObject {
public:
    EditorKeys(QWidget* editor, InPlaceEditing* editing) : QObject(editor), editing_(editing)
    {
        editor->setProperty(EditorKeysProperty, true);
        editor->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Escape:
            editing_->Cancel();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            editing_->FinishAndMove(InPlaceEditing::Move::Down);
            return true;
        case Qt::Key_Tab:
            editing_->FinishAndMove(InPlaceEditing::Move::Next);
            return true;
        case Qt::Key_Backtab:
            editing_->FinishAndMove(InPlaceEditing::Move::Previous);
            return true;
        default:
            return false;
        }
    }

private:
    InPlaceEditing* editing_;
};

struct Cell {
    int row;
    int column;
};

// Row 0 and column 0 hold titles; the cells run from 1 to the last row and column.
Cell CellAfter(const QTableWidget* grid, Cell from, InPlaceEditing::Move move)
{
    const int lastRow = grid->rowCount() - 1;
    const int lastColumn = grid->columnCount() - 1;
    switch (move) {
    case InPlaceEditing::Move::Down:
        return {std::min(from.row + 1, lastRow), from.column};
    case InPlaceEditing::Move::Next:
        if (from.column < lastColumn)
            return {from.row, from.column + 1};
        return from.row < lastRow ? Cell{from.row + 1, 1} : from;
    case InPlaceEditing::Move::Previous:
        if (from.column > 1)
            return {from.row, from.column - 1};
        return from.row > 1 ? Cell{from.row - 1, lastColumn} : from;
    }
    return from;
}

}

void InPlaceEditing::Open(QWidget* editor, int row, int column)
{
    row_ = row;
    column_ = column;
    editor_ = editor;
    if (!editor->property(EditorKeysProperty).toBool())
        new EditorKeys(editor, this);
    PlaceOverCell(editor, grid_, row, column);
    // An editor over a cell is named after the column it edits.
    editor->setAccessibleName(CellText(grid_, 0, column));
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

void InPlaceEditing::Cancel()
{
    QWidget* editor = std::exchange(editor_, nullptr);
    if (!editor)
        return;
    grid_->setFocus();
    editor->hide();
}

void InPlaceEditing::FinishAndMove(Move move)
{
    if (!editor_)
        return;
    const Cell next = CellAfter(grid_, {row_, column_}, move);
    grid_->setCurrentCell(next.row, next.column);
    grid_->setFocus();
}
