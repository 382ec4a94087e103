#include "ui/RecordHistory.h"

#include <utility>

#include <QUndoCommand>

namespace {

// One step as the states before and after it. The change is already made when the step is
// pushed, so the first redo, which QUndoStack runs on push, changes nothing.
class SnapshotStep : public QUndoCommand {
public:
    SnapshotStep(RecordSnapshot before, RecordSnapshot after, std::function<void(const RecordSnapshot&)> apply)
        : before_(std::move(before)), after_(std::move(after)), apply_(std::move(apply))
    {
    }

    void undo() override { apply_(before_); }
    void redo() override
    {
        if (pushed_)
            apply_(after_);
        pushed_ = true;
    }

private:
    RecordSnapshot before_;
    RecordSnapshot after_;
    std::function<void(const RecordSnapshot&)> apply_;
    bool pushed_ = false;
};

}

RecordHistory::RecordHistory(Capture capture, Restore restore, QObject* parent)
    : QObject(parent), capture_(std::move(capture)), restore_(std::move(restore)), current_(capture_())
{
    connect(&stack_, &QUndoStack::canUndoChanged, this, &RecordHistory::CanUndoChanged);
    connect(&stack_, &QUndoStack::canRedoChanged, this, &RecordHistory::CanRedoChanged);
    connect(&stack_, &QUndoStack::cleanChanged, this, [this](bool clean) { emit ModifiedChanged(!clean); });
}

void RecordHistory::EndStep()
{
    if (paused_)
        return;
    RecordSnapshot now = capture_();
    if (now == current_)
        return;
    RecordSnapshot before = std::exchange(current_, now);
    stack_.push(new SnapshotStep(std::move(before), std::move(now), [this](const RecordSnapshot& s) { Apply(s); }));
}

void RecordHistory::TakeWithoutStep() { current_ = capture_(); }

// The state is taken as current before the redraw, so that the focus changes of the redraw find
// nothing new to make a step of.
void RecordHistory::Apply(const RecordSnapshot& snapshot)
{
    current_ = snapshot;
    restore_(snapshot);
}
