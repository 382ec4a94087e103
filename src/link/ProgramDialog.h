#pragma once

#include <QDialog>

#include "link/TransferContext.h"
#include "link/engine/LinkActions.h"

// The modal progress dialog in which every transfer with the radio runs. The opener sets the
// caption, shows it with exec() and reads nothing back: outcomes are shown inside it and the
// effects land in the context's objects.
class TProgramDialog : public QDialog {
    Q_OBJECT
public:
    TProgramDialog(const TransferContext& context, QWidget* owner);
    ~TProgramDialog() override;

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ProgramStartClick();
    bool AskBandQuestion();
    void TransferFinished(LinkOutcome outcome);
    void ShowNotice(int entry);

    struct Impl;
    Impl* impl_;
};
