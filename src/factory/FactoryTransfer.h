#pragma once

#include "link/TransferContext.h"

class QWidget;

// Runs a calibration or serial-number transfer in the modal transfer dialog, captioned with the
// main window's read or write wording; returns when the dialog has closed.
void RunFactoryTransfer(const TransferContext& context, QWidget* owner);
