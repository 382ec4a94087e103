#pragma once

#include <functional>

#include "factory/AdjustmentData.h"
#include "link/engine/TransferContext.h"

class QWidget;

// The Adjustment menu: the access code, then the calibration dialog on `calibration`.
// `writeChannelData` runs the main window's write-to-radio command (the calibration dialog offers
// it as a button).
void RunAdjustmentMenu(QWidget* owner, const TransferContext& link, AdjustmentData& calibration,
                       std::function<void()> writeChannelData);
