#pragma once

#include <memory>

#include <QDialog>

#include "link/engine/LinkActions.h"
#include "link/engine/TransferContext.h"
#include "link/engine/TransferTrace.h"

// The modal progress dialog in which every transfer with the radio runs. The opener sets the
// caption, shows it with exec() and reads nothing back: outcomes are shown inside it and the
// effects land in the context's objects.
class TProgramDialog : public QDialog {
    Q_OBJECT
public:
    TProgramDialog(const TransferContext& context, QWidget* owner);
    ~TProgramDialog() override;

    // The "Verify after writing" box, shown for a normal write only: after a successful write
    // the radio is read back into objects of the dialog's own and compared with what was sent.
    void SetVerifyAfterWrite(bool verify);
    bool VerifyAfterWrite() const;
    // Every line of the transfer, and of the verifying read after it.
    TransferTrace Trace() const;

signals:
    // Once the radio has answered and the blocks begin to move: a write's record is then what is
    // sent, and carries the serial number of the radio that answered.
    void blocksStarting();
    // After a successful transfer, once the success notice is closed and what was read is in the
    // context's objects, before the dialog closes. Openers that show those objects redraw here.
    void transferSucceeded();

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ProgramStartClick();
    bool AskBandQuestion();
    void TransferFinished(LinkOutcome outcome);
    bool VerifyOffered() const;
    void StartVerify();
    void VerifyFinished(LinkOutcome outcome);
    // Shows `notice` (none when empty) and closes; after a successful transfer the record takes
    // what it brought first.
    void End(bool transferred, bool succeeded, const QString& notice);
    QString NoticeText(LinkOutcome outcome) const;

    // Behind a pointer: the runner would bring the serial port and the link engine into every
    // window that opens a transfer.
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
