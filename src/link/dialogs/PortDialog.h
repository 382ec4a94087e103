#pragma once

#include <array>

#include <QDialog>

#include "link/PortCandidates.h"
#include "link/engine/TransferContext.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace TeskComm32 {
struct PortDetails;
}

// "/dev/ttyUSB0 — Prolific Technology Inc. USB-Serial Controller (pl2303)"; the device alone where
// the system does not name the adapter, nothing for a number the machine lacks.
QString PortDetailText(const TeskComm32::PortDetails& details);
// The automatic search's caption, which also names it where ports are listed.
QString AutoSearchText();

// The choice of the link's port: COM1 to COM9, each with the device and adapter it stands for
// (label sCOM1 .. sCOM9), or the automatic search over every listed port. The search flag changes
// as soon as its box is clicked; the port number only on OK.
class TCommunicationPort : public QDialog {
    Q_OBJECT
public:
    static constexpr int OfferedPortCount = 9;

    TCommunicationPort(LinkSettings& link, QWidget* owner);

    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QGroupBox* gbCOM;
    std::array<QRadioButton*, OfferedPortCount> rbCOM;
    QCheckBox* cAutoSeachPort;
    // Taken over on OK, like the port.
    QCheckBox* FastLink;

private:
    void cAutoSeachPortClick();
    void OKBtnClick();
    void EnablePortButtons();
    QRadioButton* PortButton(int portNumber) const;

    LinkSettings& link_;
    PortCandidates candidates_;
};
