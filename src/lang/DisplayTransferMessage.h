#pragma once

#include <QString>
#include <QStringList>

#include "lang/TransferMessages.h"

// The message in the interface language with %1, %2 ... replaced by the arguments.
QString DisplayTransferMessage(TransferMessageId id, const QStringList& args = {});
