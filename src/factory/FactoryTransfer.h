#pragma once

#include <functional>

#include "link/engine/TransferContext.h"

class QWidget;

// Runs a calibration or serial-number transfer in the modal transfer dialog, captioned with the
// main window's read or write wording; returns when the dialog has closed. `onSuccess` (if any)
// runs after a successful transfer, once its notice is closed.
void RunFactoryTransfer(const TransferContext& context, QWidget* owner, std::function<void()> onSuccess);
