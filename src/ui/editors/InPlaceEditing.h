#pragma once

#include <QMetaObject>

class QTableWidget;
class QWidget;

// The one in-place editor of a grid that is open at a time and the cell it edits. The editor's
// own exit handler stores the value and then calls Finish. In the editor, Escape cancels, Tab and
// Shift+Tab store and move to the next or previous cell of the row, then on into the next or
// previous row, and Enter stores and moves down: to the row below the cell where a run of Tabs
// along the row began, as in a spreadsheet, so that rows are filled one after the other. The keys
// never take the focus out of the grid.
class InPlaceEditing {
public:
    enum class Move { Down, Next, Previous };

    explicit InPlaceEditing(QTableWidget* grid);
    ~InPlaceEditing();
    InPlaceEditing(const InPlaceEditing&) = delete;
    InPlaceEditing& operator=(const InPlaceEditing&) = delete;

    // Lays the editor over the cell, shows it and gives it the focus.
    void Open(QWidget* editor, int row, int column);
    bool IsOpen(const QWidget* editor) const { return editor_ == editor; }
    int Row() const { return row_; }
    int Column() const { return column_; }

    // Hides the editor. When nothing else took the focus from it (Enter closed it, or its page
    // was hidden) the grid gets the focus back; a control the user moved to keeps it.
    void Finish();
    // Closes the editor before its exit handler runs, which then finds nothing open to store.
    void Cancel();
    // Makes the cell `move` leads to current and gives the grid the focus, which the editor's
    // exit handler takes as the end of the edit.
    void FinishAndMove(Move move);
    // Tab or Shift+Tab on the grid itself, with no editor open: the same move along the row, which
    // a later Enter comes back from. False at the grid's first or last cell, where the key may
    // take the focus on out of the grid.
    bool TabAlong(Move move);

private:
    struct Cell {
        int row;
        int column;
    };

    Cell After(Cell from, Move move);
    void MakeCurrent(Cell cell);

    QTableWidget* grid_;
    QWidget* editor_ = nullptr;
    int row_ = 0;
    int column_ = 0;
    // Where the run of Tabs along the current row began; none when the row is -1.
    Cell tabRun_{-1, -1};
    bool moving_ = false;
    QMetaObject::Connection runEnds_;
};
