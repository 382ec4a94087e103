#include "files/ChannelGridTable.h"

#include "files/CsvTable.h"

std::optional<GridColumn> GridColumnOfTitle(const GridTableWords& words, const std::string& title)
{
    const std::string word = WithoutBlanks(title);
    for (size_t column = 0; column < GridColumnCount; ++column)
        for (const std::string& spelling : words[column].titles)
            if (SameCsvWord(word, spelling))
                return GridColumn(column);
    return std::nullopt;
}
