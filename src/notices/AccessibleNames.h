#pragma once

class QWidget;

// Screen readers announce a control by its accessible name. Every control the user can reach
// under `root` is named from what a sighted user reads: a button's caption, else the label that
// is its buddy, else the title of the box around it, else its hint. A control none of these
// names keeps the name it was given. Run again after every re-captioning, so that the names
// speak the interface language.
void NameControls(QWidget* root);

// Names the controls of `window` each time it is shown, when its opener has captioned it.
void NameControlsWhenShown(QWidget* window);
