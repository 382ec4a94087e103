#include "ui/editors/InPlaceEditing.h"

#include <utility>

#include <QApplication>
#include <QKeyEvent>
#include <QTableWidget>

#include "ui/editors/TitledGrid.h"

namespace {

const char* const EscapeCancelsProperty = "escapeCancelsEdit";

class EscapeCancels : public QObject {
public:
    EscapeCancels(QWidget* editor, InPlaceEditing* editing) : QObject(editor), editing_(editing)
    {
        editor->setProperty(EscapeCancelsProperty, true);
        editor->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
            return false;
        editing_->Cancel();
        return true;
    }

private:
    InPlaceEditing* editing_;
};

}

void InPlaceEditing::Open(QWidget* editor, int row, int column)
{
    row_ = row;
    column_ = column;
    editor_ = editor;
    if (!editor->property(EscapeCancelsProperty).toBool())
        new EscapeCancels(editor, this);
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
