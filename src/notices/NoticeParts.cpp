#include "notices/NoticeParts.h"

#include <algorithm>

#include <QDialog>
#include <QFontMetrics>
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

QSize FittedTextSize(const QLabel* label, QSize least, int widest)
{
    const int oneLineWidth = QFontMetrics(label->font()).horizontalAdvance(label->text());
    const int width = std::clamp(oneLineWidth, least.width(), std::max(least.width(), widest));
    return {width, std::max(least.height(), label->heightForWidth(width))};
}

void SetPointSize(QLabel* label, int points)
{
    QFont font = label->font();
    font.setPointSize(points);
    label->setFont(font);
}

}
