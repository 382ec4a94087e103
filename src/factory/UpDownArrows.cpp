#include "factory/UpDownArrows.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int ArrowWidth = 17;
constexpr int ArrowHeight = 11;

QToolButton* MakeArrow(const char* name, Qt::ArrowType type, QWidget* parent)
{
    auto* arrow = new QToolButton(parent);
    arrow->setObjectName(QString::fromLatin1(name));
    arrow->setArrowType(type);
    arrow->setFixedSize(ArrowWidth, ArrowHeight);
    // The focus stays in the box: the step commits its text itself, and a refused text must not
    // be committed once on leaving and then stepped from the kept number.
    arrow->setFocusPolicy(Qt::NoFocus);
    return arrow;
}

}

TUpDownArrows::TUpDownArrows(const QString& name, QWidget* parent)
    : QWidget(parent), UpArrow(MakeArrow("UpArrow", Qt::UpArrow, this)),
      DownArrow(MakeArrow("DownArrow", Qt::DownArrow, this))
{
    setObjectName(name);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(UpArrow);
    layout->addWidget(DownArrow);
    connect(UpArrow, &QToolButton::clicked, this, [this] { emit Stepped(true); });
    connect(DownArrow, &QToolButton::clicked, this, [this] { emit Stepped(false); });
}
