#pragma once

#include <string>

class QLineEdit;
class QString;

// The DTMF code boxes and the address book's code editor share one input rule: the symbols
// 0-9, A-D (also typed in lower case), * and #, ten of them at most.
void AcceptDtmfSymbolsOnly(QLineEdit* box);

// The symbols of a box's text as the key filter would have let them through. Pasted text passes
// no key filter, so lower-case symbols are raised here and everything else is dropped.
std::string DtmfSymbolsOf(const QString& text);
