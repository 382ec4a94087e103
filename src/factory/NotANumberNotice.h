#pragma once

class QString;
class QWidget;

// Tells the user that a box's text (pasted: typing cannot produce it) is not a number and was not
// taken; the box already shows the value that was kept.
void ShowNotANumberNotice(QWidget* owner, const QString& refused);
