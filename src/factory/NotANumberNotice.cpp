#include "factory/NotANumberNotice.h"

#include <QString>

#include "dialogs/Notices.h"
#include "lang/TextTable.h"
#include "lang/TextVariants.h"

namespace {

constexpr TextPair NotANumberTexts[] = {
    {"不是数字，未采用：", "Not a number, not taken:"},
};

}

void ShowNotANumberNotice(QWidget* owner, const QString& refused)
{
    static const TextVariants texts(NotANumberTexts);
    ShowNotice(owner, DisplayText(texts.Text(0)) + QStringLiteral(" \"") + refused + QStringLiteral("\""));
}
