#pragma once

class QDialog;

// When `notice` closes, the keyboard goes back to the window it was shown over, or, when that
// window has closed meanwhile (a transfer dialog closes right after its last notice), to the
// nearest window under it that is still open: the main window in the end. A modal window still
// open keeps it. Without this the desktop leaves no window active after such a chain, and every
// key the user types next is lost.
void ReturnFocusWhenClosed(QDialog& notice);
