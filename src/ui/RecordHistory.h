#pragma once

#include <functional>

#include <QObject>
#include <QUndoStack>

#include "model/RecordSnapshot.h"

// The undo history of the record. A step is whatever changed between two ends of steps, kept as
// the snapshots before and after it, so every editor and command is undone the same way and
// none needs to know how to reverse itself.
class RecordHistory : public QObject {
    Q_OBJECT
public:
    using Capture = std::function<RecordSnapshot()>;
    using Restore = std::function<void(const RecordSnapshot&)>;

    // `capture` reads the state as it is now; `restore` puts a snapshot back and redraws.
    RecordHistory(Capture capture, Restore restore, QObject* parent);

    // When the state differs from the one at the end of the last step, the difference becomes
    // one step; otherwise nothing happens.
    void EndStep();
    // Takes the state as it is now without making a step of it: for a change that cannot be
    // undone, such as what a write to the radio leaves in the record.
    void TakeWithoutStep();
    // While paused, ends of steps are put off to the next one after the pause.
    void Pause(bool paused) { paused_ = paused; }

    // The state now is the one a data file holds.
    void MarkSaved() { stack_.setClean(); }
    // No state, now or in the history, is what a data file holds: the record came from elsewhere.
    void MarkUnsaved() { stack_.resetClean(); }
    bool IsModified() const { return !stack_.isClean(); }

    bool CanUndo() const { return stack_.canUndo(); }
    bool CanRedo() const { return stack_.canRedo(); }
    void Undo() { stack_.undo(); }
    void Redo() { stack_.redo(); }

signals:
    void CanUndoChanged(bool canUndo);
    void CanRedoChanged(bool canRedo);
    void ModifiedChanged(bool modified);

private:
    void Apply(const RecordSnapshot& snapshot);

    Capture capture_;
    Restore restore_;
    RecordSnapshot current_;
    bool paused_ = false;
    QUndoStack stack_;
};
