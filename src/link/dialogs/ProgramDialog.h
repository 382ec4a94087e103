#pragma once

#include <functional>
#include <memory>

#include <QDialog>

#include "files/BackupStore.h"
#include "link/engine/LinkActions.h"
#include "link/engine/TransferContext.h"
#include "link/engine/TransferTrace.h"

class TransferRunner;
struct TransferEnding;

// The modal progress dialog in which every transfer with the radio runs. The opener sets the
// caption, shows it with exec() and reads nothing back: outcomes are shown inside it and the
// effects land in the context's objects.
class TProgramDialog : public QDialog {
    Q_OBJECT
public:
    // What became of the data a write read first: `kept`, and the line the ending notice adds
    // (where it went), or why it could not be kept.
    struct KeptBeforeWrite {
        bool kept = false;
        QString notice;
    };
    // A read that a write waits for: its kind, the line shown under the bar while it runs, the
    // notice's first line when it fails, and what keeps the data it brought.
    struct ReadFirst {
        TransferKind kind = TransferKind::Normal;
        QString status;
        QString notWritten;
        std::function<KeptBeforeWrite(const TransferContext& read)> keep;
    };

    TProgramDialog(const TransferContext& context, QWidget* owner);
    ~TProgramDialog() override;

    // A write that replaces what only the radio holds reads it first, on the same port, into
    // objects of the dialog's own. When that read fails or its data cannot be kept, the transfer
    // ends there and nothing is written; the write's own frames stay as they are without it.
    void SetReadFirst(ReadFirst read);

    // The "Verify after writing" box, shown for a normal write only: after a successful write
    // the radio is read back into objects of the dialog's own and compared with what was sent.
    void SetVerifyAfterWrite(bool verify);
    bool VerifyAfterWrite() const;
    // Every line of the transfer, and of the reads before and after it; handed to the context's
    // KeepTrace, when it has one, as the transfer ends.
    TransferTrace Trace() const;
    // A normal write keeps what it sends once the radio has answered (see TransferRunner);
    // the dialog leaves reporting the backup to its opener.
    void SetWriteBackup(bool keep);
    const BackupResult& WriteBackup() const;

signals:
    // After a successful transfer, once the success notice is closed and what was read is in the
    // context's objects, before the dialog closes. Openers that show those objects redraw here.
    void transferSucceeded();

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ProgramStartClick();
    TransferRunner& CurrentRunner() const;
    void OfferCancel();
    void StartReadFirst();
    void ReadFirstFinished(LinkOutcome outcome);
    bool AskBandQuestion();
    void TransferFinished(LinkOutcome outcome);
    bool VerifyOffered() const;
    void StartVerify();
    void VerifyFinished(LinkOutcome outcome);
    // Shows `notice` (none when empty), with where the data read first went, and closes; after a
    // successful transfer the record takes what it brought first.
    void End(bool transferred, bool succeeded, const QString& notice);
    static QString NoticeText(const TransferEnding& ending);

    // Behind a pointer: the runner would bring the serial port and the link engine into every
    // window that opens a transfer.
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
