#pragma once

#include <functional>

class QWidget;

// Editors store their value when the user leaves them. Losing the focus to a popup (a list that
// drops down, a context menu) or to another window is not leaving: the control keeps the focus
// of its own window and the edit goes on when the user comes back.
void OnFocusLoss(QWidget* control, std::function<void()> leave);
