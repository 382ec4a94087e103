#include "ui/editors/InPlaceEditing.h"

#include <algorithm>
#include <utility>

#include <QApplication>
#include <QItemSelectionModel>
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

}

InPlaceEditing::InPlaceEditing(QTableWidget* grid) : grid_(grid)
{
    // A cell made current by anything but these moves (a click, an arrow) ends the run of Tabs.
    runEnds_ = QObject::connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, grid, [this] {
        if (!moving_)
            tabRun_ = {-1, -1};
    });
}

InPlaceEditing::~InPlaceEditing() { QObject::disconnect(runEnds_); }

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
    MakeCurrent(After({row_, column_}, move));
    grid_->setFocus();
}

bool InPlaceEditing::TabAlong(Move move)
{
    const Cell from{grid_->currentRow(), grid_->currentColumn()};
    const Cell to = After(from, move);
    if (to.row == from.row && to.column == from.column)
        return false;
    MakeCurrent(to);
    return true;
}

// Row 0 and column 0 hold titles; the cells run from 1 to the last row and column.
InPlaceEditing::Cell InPlaceEditing::After(Cell from, Move move)
{
    const int lastRow = grid_->rowCount() - 1;
    const int lastColumn = grid_->columnCount() - 1;
    if (move == Move::Down) {
        const int column = tabRun_.row == from.row ? tabRun_.column : from.column;
        tabRun_ = {-1, -1};
        return {std::min(from.row + 1, lastRow), column};
    }
    if (tabRun_.row != from.row)
        tabRun_ = from;
    if (move == Move::Next && from.column < lastColumn)
        return {from.row, from.column + 1};
    if (move == Move::Previous && from.column > 1)
        return {from.row, from.column - 1};
    // Past the end of the row: on into the next or previous row, where a new run begins.
    tabRun_ = {-1, -1};
    if (move == Move::Next)
        return from.row < lastRow ? Cell{from.row + 1, 1} : from;
    return from.row > 1 ? Cell{from.row - 1, lastColumn} : from;
}

void InPlaceEditing::MakeCurrent(Cell cell)
{
    moving_ = true;
    grid_->setCurrentCell(cell.row, cell.column);
    moving_ = false;
}
