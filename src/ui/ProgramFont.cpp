#include "ui/ProgramFont.h"

#include <QStringList>

namespace {

constexpr int CharacterHeightPixels = 12;

}

QFont ProgramFont()
{
    QFont font;
    font.setFamilies({QString::fromUtf8("新宋体"), "WenQuanYi Micro Hei", "Noto Sans CJK SC"});
    font.setPixelSize(CharacterHeightPixels);
    return font;
}
