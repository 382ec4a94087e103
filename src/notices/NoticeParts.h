#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QDialog;
class QLabel;
class QPushButton;
class QWidget;

// Building blocks shared by the small notice dialogs: they all place a few fixed-size controls
// by hand, the way the rest of the program's windows are laid out.
namespace NoticeParts {

constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;

// A dialog with an empty title and a size the user cannot change.
void SetUpFixedDialog(QDialog& dialog, int width, int height);

// A button of the standard size that ends `dialog` with `result`.
QPushButton* MakeAnswerButton(QDialog* dialog, const char* name, QPoint topLeft, int result);

// A label of fixed size (no automatic sizing) whose text is centred both ways.
QLabel* MakeCentredLabel(QWidget* parent, const char* name, QRect geometry);

void SetPointSize(QLabel* label, int points);

// The size a label needs to show its whole text: at least `least`, as wide as one line of the text
// up to `widest`, then as high as the wrapped text.
QSize FittedTextSize(const QLabel* label, QSize least, int widest);

}
