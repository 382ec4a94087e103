#include "ui/editors/ChoiceTexts.h"

#include "lang/TextTable.h"

QStringList NumberTexts(int first, int last, int step)
{
    QStringList texts;
    for (int n = first; n <= last; n += step)
        texts << QString::number(n);
    return texts;
}

QStringList EntryTexts(std::initializer_list<int> entries)
{
    QStringList texts;
    for (int entry : entries)
        texts << Tr(entry);
    return texts;
}

QStringList OffThenNumbers(int first, int last) { return QStringList{Tr(EntryOff)} + NumberTexts(first, last); }
