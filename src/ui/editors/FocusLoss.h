#pragma once

#include <functional>

class QObject;
class QWidget;

// Editors store their value when the user leaves them. Losing the focus to a popup (a list that
// drops down, a context menu) or to another window is not leaving: the control keeps the focus
// of its own window and the edit goes on when the user comes back.
// `leave` runs only while `context`, the object it works on, exists: a control destroyed while
// it has the focus loses it after its page's state is gone.
void OnFocusLoss(QWidget* control, const QObject* context, std::function<void()> leave);
