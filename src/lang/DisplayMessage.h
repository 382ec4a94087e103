#pragma once

#include <QString>

#include "lang/Messages.h"

// The message in the interface language, with its arguments in place, ready for a notice.
QString DisplayMessage(const Message& message);
