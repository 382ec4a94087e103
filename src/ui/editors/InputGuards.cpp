#include "ui/editors/InputGuards.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

constexpr ushort FirstPrintable = 32;
constexpr ushort Delete = 127;

bool IsControlCharacter(QChar c) { return c.unicode() < FirstPrintable || c.unicode() == Delete; }

class TypedCharacterFilter : public QObject {
public:
    TypedCharacterFilter(QWidget* control, QLineEdit* text, TypedCharacterRule rule)
        : QObject(control), text_(text), rule_(rule)
    {
        control->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        const QString accepted = Accepted(typed);
        if (accepted == typed)
            return false;
        // Inserting nothing would still replace the selection: a refused key must change nothing.
        if (!accepted.isEmpty())
            text_->insert(accepted);
        return true;
    }

private:
    // Unit by unit, as the keys arrive: a rule keeps a unit as it is or raises it within ASCII.
    QString Accepted(const QString& typed) const
    {
        QString accepted;
        for (QChar c : typed) {
            if (IsControlCharacter(c))
                accepted += c;
            else if (const auto kept = rule_(char32_t(c.unicode())))
                accepted += QChar(char16_t(*kept));
        }
        return accepted;
    }

    QLineEdit* text_;
    TypedCharacterRule rule_;
};

}

void FilterTypedCharacters(QWidget* control, QLineEdit* text, TypedCharacterRule rule)
{
    control->setAttribute(Qt::WA_InputMethodEnabled, false);
    text->setAttribute(Qt::WA_InputMethodEnabled, false);
    new TypedCharacterFilter(control, text, rule);
}

void CorrectAfterEveryChange(QLineEdit* text, TextCorrection correct)
{
    QObject::connect(text, &QLineEdit::textChanged, text, [text, correct](const QString& changed) {
        const QString corrected = QString::fromStdString(CorrectedText(changed.toStdString(), correct));
        if (corrected == changed)
            return;
        text->setText(corrected);
        text->end(false);
    });
}
