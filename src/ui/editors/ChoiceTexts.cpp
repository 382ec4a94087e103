#include "ui/editors/ChoiceTexts.h"

#include "lang/TextTable.h"

QStringList NumberTexts(int first, int last, int step)
{
    QStringList texts;
    for (int n = first; n <= last; n += step)
        texts << QString::number(n);
    return texts;
}

QStringList EntryTexts(std::initializer_list<TextEntry> entries)
{
    QStringList texts;
    for (TextEntry entry : entries)
        texts << Tr(entry);
    return texts;
}
