#include <gtest/gtest.h>

#include <filesystem>

#include "FileContents.h"
#include "ScratchDir.h"
#include "files/SameFile.h"

namespace fs = std::filesystem;

namespace {

TEST(SameFile, OneFileByAnyNameAndOnlyThat)
{
    ScratchDir dir;
    WriteAll(dir.File("record.Kqd"), "record");
    WriteAll(dir.File("other.Kqd"), "record");
    fs::create_hard_link(dir.File("record.Kqd"), dir.File("hard.Kqd"));
    fs::create_symlink("record.Kqd", dir.File("soft.Kqd"));
    fs::create_symlink("later.trace", dir.File("dangling.trace"));
    fs::create_directory(dir.File("sub"));
    fs::create_directory_symlink(dir.File("sub"), dir.File("alias"));
    const std::string relative = fs::relative(dir.File("record.Kqd")).string();
    const struct {
        std::string first;
        std::string second;
        bool same;
    } cases[] = {
        {dir.File("record.Kqd"), dir.File("record.Kqd"), true},
        {dir.File("record.Kqd"), relative, true},
        {dir.File("record.Kqd"), dir.File("hard.Kqd"), true},
        {dir.File("soft.Kqd"), dir.File("record.Kqd"), true},
        {dir.File("record.Kqd"), dir.File("other.Kqd"), false},
        {dir.File("new.trace"), dir.File("sub/../new.trace"), true},
        {dir.File("sub/new.trace"), dir.File("alias/./new.trace"), true},
        {dir.File("dangling.trace"), dir.File("later.trace"), true},
        {dir.File("new.trace"), dir.File("new.log"), false},
        {dir.File("record.Kqd"), dir.File("new.trace"), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NameTheSameFile(c.first, c.second), c.same) << c.first << " / " << c.second;
        EXPECT_EQ(NameTheSameFile(c.second, c.first), c.same) << c.second << " / " << c.first;
    }
}

}  // namespace
