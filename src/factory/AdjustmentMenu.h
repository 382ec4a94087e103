#pragma once

#include <functional>

#include "calibration/AdjustmentData.h"
#include "link/engine/TransferContext.h"

class QWidget;

// The Adjustment menu: the access code, then the calibration dialog on `calibration`.
// `writeChannelData` runs the main window's write-to-radio command (the calibration dialog offers
// it as a button). With `backUpBeforeWrite` the calibration and serial-number writes keep the
// radio's own data in the backups first.
void RunAdjustmentMenu(QWidget* owner, const TransferContext& link, AdjustmentData& calibration,
                       bool backUpBeforeWrite, std::function<void()> writeChannelData);
