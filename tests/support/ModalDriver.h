#pragma once

#include <functional>

class QWidget;

// A modal dialog's exec() blocks the test; these helpers act on it from inside its own event loop.
namespace ModalDriver {

// Runs `action` once on the next modal widget that is not the one active now.
void OnNextModal(std::function<void(QWidget*)> action, int timeoutMs = 10000);

// Clicks the child button named `buttonName` of the next modal widget.
void ClickOnNextModal(const char* buttonName, int timeoutMs = 10000);

}
