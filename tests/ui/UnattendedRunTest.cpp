#include <vector>

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include "BuiltProgram.h"
#include "FileContents.h"
#include "MainWindowFixture.h"
#include "ScratchDir.h"

namespace {

// A run that hangs would wait for a notice nobody can answer; generous, as the suite may be
// sharing the machine with builds.
constexpr int RunLimitMs = 60000;

struct ProgramRun {
    bool finished = false;
    int exitCode = -1;
    QByteArray errors;
};

ProgramRun RunProgram(const QStringList& arguments)
{
    QProcess program;
    program.setProgram(QString::fromStdString(BuiltProgram("kr-t27")));
    program.setArguments(arguments);
    program.start();
    ProgramRun run;
    run.finished = program.waitForFinished(RunLimitMs);
    if (!run.finished) {
        program.kill();
        program.waitForFinished();
        return run;
    }
    run.exitCode = program.exitCode();
    run.errors = program.readAllStandardError();
    return run;
}

class UnattendedRun : public ::testing::Test {
protected:
    QString InDir(const char* name) const { return QString::fromStdString(dir.File(name)); }
    QStringList Screenshot(const char* dataFile) const
    {
        return {"--settings", InDir("KR-T27_config.ini"), "--screenshot", InDir("window.png"), InDir(dataFile)};
    }

    ScratchDir dir;
};

TEST_F(UnattendedRun, ScreenshotOfAGoodDataFileIsWritten)
{
    RadioSettings record{};
    record.ResetToDefaults();
    WriteAll(dir.File("good.Kqd"), BlockOf(record));
    const ProgramRun run = RunProgram(Screenshot("good.Kqd"));
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.errors.constData();
    EXPECT_TRUE(QFile::exists(InDir("window.png")));
}

TEST_F(UnattendedRun, AnUnusableDataFileEndsTheRunWithAMessageInsteadOfANotice)
{
    WriteAll(dir.File("short.Kqd"), std::vector<uint8_t>(100, 0x55));
    for (const char* dataFile : {"short.Kqd", "missing.Kqd"}) {
        const ProgramRun run = RunProgram(Screenshot(dataFile));
        ASSERT_TRUE(run.finished) << dataFile << ": the run waited for an answer";
        EXPECT_EQ(run.exitCode, 1) << dataFile;
        EXPECT_TRUE(run.errors.contains("kr-t27: ")) << dataFile;
        EXPECT_FALSE(QFile::exists(InDir("window.png"))) << dataFile;
    }
}

}
