#include "notices/NoticeParts.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "notices/AccessibleNames.h"

namespace NoticeParts {

void SetUpFixedDialog(QDialog& dialog, int width, int height)
{
    dialog.setWindowTitle(QString());
    dialog.setFixedSize(width, height);
    NameControlsWhenShown(&dialog);
}

QPushButton* MakeAnswerButton(QDialog* dialog, const char* name, QPoint topLeft, int result)
{
    auto* button = new QPushButton(dialog);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry({topLeft, QSize(ButtonWidth, ButtonHeight)});
    QObject::connect(button, &QPushButton::clicked, dialog, [dialog, result] { dialog->done(result); });
    return button;
}

QLabel* MakeCentredLabel(QWidget* parent, const char* name, QRect geometry)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

void SetPointSize(QLabel* label, int points)
{
    QFont font = label->font();
    font.setPointSize(points);
    label->setFont(font);
}

}
