#include "ui/editors/InputGuards.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

constexpr ushort FirstPrintable = 32;
constexpr ushort Delete = 127;

bool IsControlCharacter(QChar c) { return c.unicode() < FirstPrintable || c.unicode() == Delete; }

struct TypedCharacters {
    QString accepted;
    QString dropped;
};

// Unit by unit, as the keys arrive: a rule keeps a unit as it is or raises it within ASCII.
TypedCharacters Sorted(const QString& typed, TypedCharacterRule rule)
{
    TypedCharacters sorted;
    for (QChar c : typed) {
        if (IsControlCharacter(c))
            sorted.accepted += c;
        else if (const auto kept = rule(char32_t(c.unicode())))
            sorted.accepted += QChar(char16_t(*kept));
        else
            sorted.dropped += c;
    }
    return sorted;
}

// The characters of `before` that a correction took out, which leaves the others in their order.
QString Removed(const QString& before, const QString& after)
{
    QString removed;
    qsizetype next = 0;
    for (QChar c : before) {
        if (next < after.size() && after[next] == c)
            ++next;
        else
            removed += c;
    }
    return removed;
}

class TypedCharacterFilter : public QObject {
public:
    TypedCharacterFilter(QWidget* control, QLineEdit* text, TypedCharacterRule rule, LeftOutCharacters leftOut)
        : QObject(control), text_(text), rule_(rule), leftOut_(std::move(leftOut))
    {
        control->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        const TypedCharacters sorted = Sorted(typed, rule_);
        if (sorted.accepted == typed)
            return false;
        // Inserting nothing would still replace the selection: a refused key must change nothing.
        if (!sorted.accepted.isEmpty())
            text_->insert(sorted.accepted);
        if (!sorted.dropped.isEmpty() && leftOut_)
            leftOut_(sorted.dropped);
        return true;
    }

private:
    QLineEdit* text_;
    TypedCharacterRule rule_;
    LeftOutCharacters leftOut_;
};

}

void FilterTypedCharacters(QWidget* control, QLineEdit* text, TypedCharacterRule rule, LeftOutCharacters leftOut)
{
    control->setAttribute(Qt::WA_InputMethodEnabled, false);
    text->setAttribute(Qt::WA_InputMethodEnabled, false);
    new TypedCharacterFilter(control, text, rule, std::move(leftOut));
}

QString AcceptedCharacters(const QString& typed, TypedCharacterRule rule) { return Sorted(typed, rule).accepted; }

void CorrectAfterEveryChange(QLineEdit* text, TextCorrection correct, LeftOutCharacters leftOut)
{
    QObject::connect(text, &QLineEdit::textChanged, text, [text, correct, leftOut](const QString& changed) {
        const QString corrected = QString::fromStdString(CorrectedText(changed.toStdString(), correct));
        if (corrected == changed)
            return;
        text->setText(corrected);
        text->end(false);
        if (leftOut)
            leftOut(Removed(changed, corrected));
    });
}
