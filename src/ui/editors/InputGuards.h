#pragma once

#include <functional>

#include <QString>

#include "model/TypingRules.h"

class QLineEdit;
class QWidget;

// Told the characters a rule took out of what was typed, for an editor that says so.
using LeftOutCharacters = std::function<void(const QString& leftOut)>;

// Drops or replaces typed characters before they reach `text`. `control` is the widget that
// receives the keys: the edit box itself, or the combo box that owns it. Input methods are
// switched off so that composed text cannot slip past the rule.
void FilterTypedCharacters(QWidget* control, QLineEdit* text, TypedCharacterRule rule, LeftOutCharacters leftOut = {});

// What the filter lets through of `typed`: control characters, and what the rule keeps or raises.
QString AcceptedCharacters(const QString& typed, TypedCharacterRule rule);

// After every change the text is corrected; a corrected text is put back with the caret at the end.
void CorrectAfterEveryChange(QLineEdit* text, TextCorrection correct, LeftOutCharacters leftOut = {});
