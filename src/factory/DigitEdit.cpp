#include "factory/DigitEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include "calibration/DigitEntry.h"

TDigitEdit::TDigitEdit(const QString& name, bool takesPoint, TextRule rule, QWidget* parent)
    : QLineEdit(parent), takesPoint_(takesPoint), rule_(std::move(rule))
{
    setObjectName(name);
    connect(this, &QLineEdit::textEdited, this, &TDigitEdit::ApplyTextRule);
}

// Keys held with Control, Alt or Meta are shortcuts (paste, select all), never typed characters.
void TDigitEdit::keyPressEvent(QKeyEvent* event)
{
    const QList<uint> typed = event->text().toUcs4();
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!shortcut && typed.size() == 1 && DropsTypedCharacter(char32_t(typed.front()), takesPoint_)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// A context menu takes the focus for a moment (to paste, say); that is no leaving. A box the user
// did not edit commits nothing, so passing through it never clamps a value that came from a file
// or from the radio.
void TDigitEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && isModified())
        emit Left();
}

void TDigitEdit::ApplyTextRule()
{
    const QString corrected = QString::fromStdString(rule_(text().toStdString()));
    if (corrected == text())
        return;
    setText(corrected);
    setModified(true);
    end(false);
}
