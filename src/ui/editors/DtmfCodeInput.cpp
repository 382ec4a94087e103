#include "ui/editors/DtmfCodeInput.h"

#include <QLineEdit>

#include "ui/editors/InputGuards.h"

void AcceptDtmfSymbolsOnly(QLineEdit* box)
{
    FilterTypedCharacters(box, box, DtmfCharacter);
    CorrectAfterEveryChange(box, CorrectDtmfText);
}
