#include <gtest/gtest.h>

#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <string>

#include "files/ChannelCsv.h"

// Its own executable: it replaces the global operator new and delete to find the most memory an
// import holds at once.

namespace {

bool counting = false;
long long heldBytes = 0;
long long mostHeldBytes = 0;

void* Take(size_t size)
{
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block)
        throw std::bad_alloc();
    if (counting) {
        heldBytes += static_cast<long long>(malloc_usable_size(block));
        mostHeldBytes = std::max(mostHeldBytes, heldBytes);
    }
    return block;
}

void Give(void* block) noexcept
{
    if (block && counting)
        heldBytes -= static_cast<long long>(malloc_usable_size(block));
    std::free(block);
}

// The most memory ImportChannelCsv holds at once beside the text it is given.
long long MostHeldWhileImporting(const std::string& text)
{
    RadioSettings settings;
    settings.ResetToDefaults();
    ChannelCsvImportOptions options;
    options.band = {400000000, 470000000};
    heldBytes = mostHeldBytes = 0;
    counting = true;
    const ChannelCsvImport outcome = ImportChannelCsv(text, options, settings);
    counting = false;
    EXPECT_FALSE(outcome.refused);
    return mostHeldBytes;
}

std::string Repeated(const std::string& piece, size_t bytes)
{
    std::string text;
    while (text.size() < bytes)
        text += piece;
    return text;
}

}

void* operator new(size_t size) { return Take(size); }
void* operator new[](size_t size) { return Take(size); }
void operator delete(void* block) noexcept { Give(block); }
void operator delete[](void* block) noexcept { Give(block); }
void operator delete(void* block, size_t) noexcept { Give(block); }
void operator delete[](void* block, size_t) noexcept { Give(block); }

namespace {

// Tables made to cost the most per byte: rows that each leave a note, and rows of nothing but
// separators, which a reader keeping every field would turn into one string per byte.
TEST(CsvImportMemory, StaysWellWithinEightTimesTheTable)
{
    constexpr size_t TableBytes = 2 * 1024 * 1024;
    const std::string tables[] = {
        "Frequency\n" + Repeated("x\n", TableBytes),
        "Name,Frequency\n" + Repeated("A,446\n", TableBytes),
        "Frequency\n" + Repeated(std::string(4096, ',') + "\n", TableBytes),
    };
    for (const std::string& table : tables) {
        const long long most = MostHeldWhileImporting(table);
        EXPECT_LT(most, static_cast<long long>(table.size()) * 7) << table.substr(0, 20);
    }
}

}
