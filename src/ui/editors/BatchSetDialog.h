#pragma once

#include <functional>

#include <QDialog>

#include "lang/BatchSetForm.h"
#include "model/BandLimits.h"
#include "model/RadioSettings.h"

class QComboBox;
class QLineEdit;
class QWidget;

// Fills a range of channels in one step. Its start frequencies and step are kept in hertz while
// the dialog is open; OK writes the channels and redraws the main window.
class TChBatchSetDlg : public QDialog {
    Q_OBJECT
public:
    TChBatchSetDlg(RadioSettings& settings, const BandLimits& band, std::function<void()> fullRefresh, QWidget* owner);

private:
    void BuildControls();
    QWidget* BuildControl(const BatchSetControl& control);
    void ShowValues();
    void CommitFrequency(QLineEdit* box, uint32_t& value);
    void CommitStep();
    void OKBtnClick();

    // Destroyed before the dialog's boxes, so a box losing the focus as it goes commits nothing.
    QObject editsAlive_;
    RadioSettings& settings_;
    const BandLimits& band_;
    std::function<void()> fullRefresh_;
    uint32_t BatchRxStart;
    uint32_t BatchTxStart;
    uint32_t BatchStep = 0;

    QLineEdit* eChBatchFreqRx = nullptr;
    QLineEdit* eChBatchFreqTx = nullptr;
    QLineEdit* eStep = nullptr;
    // The lists by the field they choose.
    QComboBox* lists_[BatchFieldCount] = {};
};
