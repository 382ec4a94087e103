#pragma once

#include <QString>

// Names that screen readers give controls the window shows no caption for, in the interface
// language.
enum class AccessibleText : int {
    AddressBook,
    TransferStatus,  // the last
};

QString AccessibleTr(AccessibleText text);
