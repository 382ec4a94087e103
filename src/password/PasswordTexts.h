#pragma once

#include "lang/TextEntries.h"

class QLabel;
class QPushButton;
class QWidget;

// A label and a button of the password dialogs, captioned in the current language.
QLabel* MakeCaption(const char* name, TextEntry entry, QWidget* parent);
QPushButton* MakeCaptionedButton(const char* name, TextEntry entry, QWidget* parent);
