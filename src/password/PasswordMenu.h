#pragma once

#include "link/engine/TransferContext.h"

class QWidget;

// Edit, Password: asks for the current password and offers setting a new one in the radio.
// `link` carries the record, band, port settings and image the transfer works on.
void RunPasswordMenu(QWidget* owner, const TransferContext& link);
