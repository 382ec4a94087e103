#pragma once

class QLineEdit;

// The DTMF code boxes and the address book's code editor share one input rule: the symbols
// 0-9, A-D (also typed in lower case), * and #, ten of them at most.
void AcceptDtmfSymbolsOnly(QLineEdit* box);
