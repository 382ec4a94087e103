#pragma once

#include <functional>

#include <QDialog>

#include "calibration/AdjustmentData.h"
#include "link/engine/TransferContext.h"

class QLineEdit;
class QPushButton;

// The access code in front of the calibration dialog. The right code opens the calibration
// dialog on top of this one; anything else simply closes it, without a message.
class TPasswordDlg : public QDialog {
    Q_OBJECT
public:
    TPasswordDlg(const TransferContext& link, AdjustmentData& calibration, std::function<void()> writeChannelData,
                 QWidget* owner);

    // Whether the calibration dialog's writes keep the radio's own data in the backups first.
    void SetBackUpBeforeWrite(bool backUp) { backUpBeforeWrite_ = backUp; }

    QLineEdit* eInput;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

private:
    void OKBtnClick();

    TransferContext link_;
    AdjustmentData& calibration_;
    std::function<void()> writeChannelData_;
    bool backUpBeforeWrite_ = true;
};
