#pragma once

#include <functional>

#include "link/engine/TransferContext.h"

class QWidget;

// Runs a calibration or serial-number transfer in the modal transfer dialog, captioned with the
// main window's read or write wording; returns when the dialog has closed. `onSuccess` (if any)
// runs after a successful transfer, once its notice is closed. With `backUpFirst` a write first
// reads the radio's calibration and serial number and keeps them in the backups, and writes
// nothing when that fails; its ending notice says where they went.
void RunFactoryTransfer(const TransferContext& context, bool backUpFirst, QWidget* owner,
                        std::function<void()> onSuccess);
