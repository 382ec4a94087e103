#pragma once

#include <functional>

#include <QDialog>

#include "calibration/SerialNumber.h"
#include "link/engine/TransferContext.h"

class QPushButton;
class TDigitEdit;
class TUpDownArrows;

// The production line's serial-number dialog: type or step a number, read a radio's number,
// write the number into a radio, after which it steps up for the next radio. The number lives in
// the record's DeviceSn; opening the dialog clears it.
class TWriteSnDlg : public QDialog {
    Q_OBJECT
public:
    // `link` names the record, band, port and the transfer buffer.
    TWriteSnDlg(const TransferContext& link, QWidget* owner);
    ~TWriteSnDlg() override;

    // Whether a write first keeps the radio's calibration and serial number in the backups.
    void SetBackUpBeforeWrite(bool backUp) { backUpBeforeWrite_ = backUp; }

    TDigitEdit* eSn;
    TUpDownArrows* udSn;
    QPushButton* Button1;  // Read
    QPushButton* Button2;  // Write
    QPushButton* OKBtn;      // exists, never shown
    QPushButton* CancelBtn;  // exists, never shown

private:
    uint8_t (&DeviceSn())[DeviceSnSize];
    void ShowSn();
    void eSnExit();
    bool CommitSn();
    void udSnChangingEx(bool up);
    void Button1Click();
    void Button2Click();
    void RunSnTransfer(bool read, std::function<void()> onSuccess);

    TransferContext link_;
    bool backUpBeforeWrite_ = true;
};
