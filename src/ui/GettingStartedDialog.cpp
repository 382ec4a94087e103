#include "ui/GettingStartedDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "lang/DisplayMessage.h"
#include "lang/TextLookup.h"
#include "lang/TextTable.h"

namespace {

constexpr int TextWidth = 460;

constexpr MessageId Steps[] = {MessageId::GuideCable, MessageId::GuidePort, MessageId::GuideRead,
                               MessageId::GuideWrite, MessageId::GuideBackups};

QString GuideParagraphs()
{
    QStringList paragraphs;
    for (MessageId step : Steps)
        paragraphs << DisplayMessage({step});
    return paragraphs.join(QStringLiteral("\n\n"));
}

}

GettingStartedDialog::GettingStartedDialog(QWidget* owner)
    : QDialog(owner), GuideText(new QLabel(GuideParagraphs(), this)), OKBtn(new QPushButton(this))
{
    setObjectName("GettingStartedDlg");
    setWindowTitle(DisplayMessage({MessageId::GettingStarted}));
    GuideText->setObjectName("GuideText");
    GuideText->setWordWrap(true);
    GuideText->setFixedWidth(TextWidth);
    GuideText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    GuideText->setAccessibleName(windowTitle());
    OKBtn->setObjectName("OKBtn");
    OKBtn->setText(DisplayText(NoticeOkText()));
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GuideText);
    layout->addWidget(OKBtn, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
