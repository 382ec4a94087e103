#include "password/PasswordEdit.h"

#include <QLineEdit>
#include <QValidator>

#include "model/Password.h"

namespace {

constexpr int PasswordFontPoints = 16;

// Refuses, as it is typed or pasted, any text the password field cannot take.
class PasswordValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override
    {
        return IsPasswordText(input.toStdString()) ? Acceptable : Invalid;
    }
};

}

QLineEdit* MakePasswordEdit(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    edit->setMaxLength(int(PasswordMaxLength));
    edit->setValidator(new PasswordValidator(edit));
    QFont font = edit->font();
    font.setPointSize(PasswordFontPoints);
    edit->setFont(font);
    return edit;
}

void StorePassword(uint8_t (&field)[PasswordFieldSize], const QString& text)
{
    StorePasswordText(field, text.toStdString());
}
