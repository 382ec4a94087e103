#include "ui/editors/DtmfCodeInput.h"

#include <QLineEdit>

#include "ui/editors/InputGuards.h"

void AcceptDtmfSymbolsOnly(QLineEdit* box)
{
    FilterTypedCharacters(box, box, DtmfCharacter);
    CorrectAfterEveryChange(box, CorrectDtmfText);
}

std::string DtmfSymbolsOf(const QString& text)
{
    std::string symbols;
    for (QChar c : text)
        if (const auto symbol = DtmfCharacter(c))
            symbols += symbol->toLatin1();
    return symbols;
}
