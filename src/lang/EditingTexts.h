#pragma once

#include <QString>

// Captions of the Edit menu's history and row commands, and the question before a row insert
// pushes a channel in use off the end, in the interface language.
enum class EditingText : int {
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    Delete,
    InsertRow,
    MoveUp,
    MoveDown,
    DropLastChannel,  // the last
};

QString EditingTr(EditingText text);
