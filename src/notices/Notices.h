#pragma once

class QString;
class QWidget;

// The one-button notice, shown over `parent` until the user closes it.
void ShowNotice(QWidget* parent, const QString& text);

// The two-button confirmation with the given captions; true when the user chose `ok`.
bool Confirm(QWidget* parent, const QString& text, const QString& ok, const QString& cancel);
