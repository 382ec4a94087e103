#include "password/PasswordEdit.h"

#include <algorithm>
#include <cstring>

#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "model/Password.h"

namespace {

constexpr int PasswordFontPoints = 16;

}

QLineEdit* MakePasswordEdit(const char* name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    edit->setMaxLength(int(PasswordMaxLength));
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[\\x20-\\x7E]*")), edit));
    QFont font = edit->font();
    font.setPointSize(PasswordFontPoints);
    edit->setFont(font);
    return edit;
}

void StorePassword(uint8_t (&field)[PasswordFieldSize], const QString& text)
{
    const QByteArray ascii = text.left(int(PasswordMaxLength)).toLatin1();
    std::memset(field, 0, PasswordFieldSize);
    std::copy(ascii.begin(), ascii.end(), field);
}
