#include "password/PasswordTexts.h"

#include <QLabel>
#include <QPushButton>

#include "lang/TextTable.h"

QLabel* MakeCaption(const char* name, TextEntry entry, QWidget* parent)
{
    auto* label = new QLabel(Tr(entry), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QPushButton* MakeCaptionedButton(const char* name, TextEntry entry, QWidget* parent)
{
    auto* button = new QPushButton(Tr(entry), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}
