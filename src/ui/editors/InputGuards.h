#pragma once

#include "model/TypingRules.h"

class QLineEdit;
class QWidget;

// Drops or replaces typed characters before they reach `text`. `control` is the widget that
// receives the keys: the edit box itself, or the combo box that owns it. Input methods are
// switched off so that composed text cannot slip past the rule.
void FilterTypedCharacters(QWidget* control, QLineEdit* text, TypedCharacterRule rule);

// After every change the text is corrected; a corrected text is put back with the caret at the end.
void CorrectAfterEveryChange(QLineEdit* text, TextCorrection correct);
