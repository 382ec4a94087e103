#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <QDialog>

#include "calibration/AdjustmentFields.h"
#include "calibration/AdjustmentLayout.h"
#include "factory/AdjustmentFileChooser.h"
#include "link/engine/TransferContext.h"

class QLayout;
class QPushButton;
class TDigitEdit;

// The factory's calibration screen. Every box shows a field of the opener's calibration record
// and writes it when the focus leaves the box; the dialog keeps no copy of the values.
// It clears, opens and saves the record, reads it from and writes it to the radio, runs the main
// window's channel-data write, and hides the entry to serial-number writing.
class TAdjustmentDlg : public QDialog {
    Q_OBJECT
public:
    // `link` names the record, band, port settings and the transfer buffer; `calibration` is the
    // record the boxes show, kept by the opener while the program runs.
    TAdjustmentDlg(const TransferContext& link, AdjustmentData& calibration, std::function<void()> writeChannelData,
                   QWidget* owner);
    ~TAdjustmentDlg() override;

    void SetFileChooser(AdjustmentFileChooser chooser) { chooser_ = std::move(chooser); }
    // Whether a calibration or serial-number write first keeps the radio's own data in the backups.
    void SetBackUpBeforeWrite(bool backUp) { backUpBeforeWrite_ = backUp; }

    // Every box from the record.
    void RefreshFields();

    QPushButton* bRead;
    QPushButton* bWrite;
    QPushButton* Button1;  // writes the channel data, not the calibration
    QPushButton* bNew;
    QPushButton* bOpen;
    QPushButton* bSave;
    QPushButton* bWriteSn;  // never shown

private:
    struct FieldEdit {
        TDigitEdit* edit;
        const AdjustmentField* field;
    };

    // Layout.
    TDigitEdit* MakeEdit(const std::string& editName);
    QWidget* BuildGroup(AdjustmentGroupIndex index);
    QLayout* BuildColumn(std::initializer_list<AdjustmentGroupIndex> groups);
    QLayout* BuildHints();
    QLayout* BuildButtons();

    // Behaviour.
    bool CommitEdit(const FieldEdit& target);
    bool CommitFocusedEdit();
    void bNewClick();
    void bOpenClick();
    void bSaveClick();
    void bReadClick();
    void bWriteClick();
    void Button1Click();
    void bWriteSnClick();

    TransferContext link_;
    AdjustmentData& calibration_;
    std::function<void()> writeChannelData_;
    AdjustmentFileChooser chooser_;
    std::vector<FieldEdit> edits_;
    bool backUpBeforeWrite_ = true;
};
