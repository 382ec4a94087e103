#include "lang/DisplayTransferMessage.h"

#include "lang/TextTable.h"

// One pass, so that an argument which itself holds "%2" stays as it is.
QString DisplayTransferMessage(TransferMessageId id, const QStringList& args)
{
    const QString pattern = DisplayText(TransferMessageText(id));
    QString text;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar next = i + 1 < pattern.size() ? pattern[i + 1] : QChar();
        const qsizetype index = pattern[i] == '%' && next.isDigit() ? next.digitValue() - 1 : -1;
        if (index >= 0 && index < args.size()) {
            text += args[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}
