#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "CliRunner.h"
#include "EnvOverride.h"
#include "FileContents.h"
#include "PseudoTerminal.h"
#include "QuickRadio.h"
#include "RadioProcess.h"
#include "ScratchDir.h"
#include "calibration/AccessCode.h"
#include "calibration/AdjustmentData.h"
#include "cli/ExitCodes.h"

// A password need not stand on the command line, where every user of the machine can read it.

namespace {

const std::string Password = "kr27";
const std::string PasswordVariable = "KR_T27_PASSWORD";
const std::string NewPasswordVariable = "KR_T27_NEW_PASSWORD";

std::vector<std::string> Joined(std::vector<std::string> first, const std::vector<std::string>& then)
{
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

// Every command that presents a password to the radio, with its files in `dir`, on the fast link;
// --port follows.
std::vector<std::vector<std::string>> PasswordCommands(const ScratchDir& dir)
{
    const std::string code(AdjustmentAccessCode);
    EXPECT_EQ(RunCli({"new", "--out", dir.File("record.Kqd")}).status, ExitSuccess);
    WriteAll(dir.File("calibration.Kqda"), std::string(AdjustmentDataSize, '\0'));
    return {
        {"read", "--fast", "--out", dir.File("read.Kqd"), "--no-backup"},
        {"write", "--fast", dir.File("record.Kqd"), "--band-limits", std::to_string(RadioBand.BandMin),
         std::to_string(RadioBand.BandMax), "--force", "--no-backup"},
        {"calibration", "read", "--fast", "--out", dir.File("read.Kqda"), "--access-code", code},
        {"calibration", "write", "--fast", dir.File("calibration.Kqda"), "--access-code", code},
        {"serial", "read", "--fast"},
        {"serial", "write", "--fast", "42"},
        // The radio keeps the password it had, for the commands after it.
        {"password", "set", "--fast", Password},
    };
}

TEST(PasswordSources, EveryCommandTakesThePasswordFromAFileOrTheEnvironment)
{
    ScratchDir dir;
    const std::string secret = dir.File("secret");
    WriteAll(secret, Password + "\n");
    RadioProcess radio(QuickRadioWith({"--password", Password}));
    const struct {
        const char* source;
        std::vector<std::string> options;
        std::optional<std::string> variable;
        int status;
    } sources[] = {
        {"none", {}, std::nullopt, ExitPasswordError},
        {"file", {"--password-file", secret}, std::nullopt, ExitSuccess},
        {"environment", {}, Password, ExitSuccess},
    };
    for (const auto& command : PasswordCommands(dir)) {
        for (const auto& source : sources) {
            const EnvOverride variable(PasswordVariable.c_str(), source.variable);
            const CliRun run = RunCli(Joined(command, Joined({"--port", radio.LinkPath()}, source.options)));
            EXPECT_EQ(run.status, source.status) << command[0] << " " << command[1] << ", " << source.source << run.err;
        }
    }
}

TEST(PasswordSources, TheCommandLineComesBeforeTheFileAndTheFileBeforeTheEnvironment)
{
    ScratchDir dir;
    WriteAll(dir.File("secret"), Password + "\r\nsecond line\n");
    WriteAll(dir.File("wrong"), "nope\n");
    WriteAll(dir.File("long"), "seventeen-letters\n");
    RadioProcess radio(QuickRadioWith({"--password", Password}));
    const struct {
        std::vector<std::string> options;
        std::optional<std::string> variable;
        int status;
    } cases[] = {
        {{"--password", Password}, "nope", ExitSuccess},
        {{"--password-file", dir.File("secret")}, "nope", ExitSuccess},
        {{"--password-file", dir.File("wrong")}, Password, ExitPasswordError},
        {{"--password", Password, "--password-file", dir.File("secret")}, std::nullopt, ExitUsageOrFile},
        {{"--password-file", dir.File("missing")}, Password, ExitUsageOrFile},
        {{"--password-file", dir.File("long")}, std::nullopt, ExitUsageOrFile},
        {{}, "seventeen-letters", ExitUsageOrFile},
    };
    for (const auto& c : cases) {
        const EnvOverride variable(PasswordVariable.c_str(), c.variable);
        const CliRun run = RunCli(Joined({"serial", "read", "--fast", "--port", radio.LinkPath()}, c.options));
        EXPECT_EQ(run.status, c.status) << testing::PrintToString(c.options) << run.err;
    }
}

TEST(PasswordSources, ANewPasswordComesFromItsFileOrVariable)
{
    ScratchDir dir;
    WriteAll(dir.File("new"), "file2\n");
    RadioProcess radio(QuickRadioWith({"--password", Password}));
    const std::string port = radio.LinkPath();
    const EnvOverride noPassword(PasswordVariable.c_str(), std::nullopt);
    const CliRun both = RunCli({"password", "set", "--fast", "--port", port, "--current", Password, "other",
                                "--new-password-file", dir.File("new")});
    EXPECT_EQ(both.status, ExitUsageOrFile);
    const CliRun fromFile =
        RunCli({"password", "set", "--fast", "--port", port, "--current", Password, "--new-password-file", dir.File("new")});
    EXPECT_EQ(fromFile.status, ExitSuccess) << fromFile.err;
    {
        const EnvOverride fresh(NewPasswordVariable.c_str(), "vari3");
        const CliRun fromVariable = RunCli({"password", "set", "--fast", "--port", port, "--current", "file2"});
        EXPECT_EQ(fromVariable.status, ExitSuccess) << fromVariable.err;
    }
    EXPECT_EQ(RunCli({"serial", "read", "--fast", "--port", port, "--password", "vari3"}).status, ExitSuccess);
}

TEST(PasswordPrompt, AsksOnATerminalWithoutEchoOnlyWhenTheRadioWantsAPassword)
{
    const EnvOverride noPassword(PasswordVariable.c_str(), std::nullopt);
    RadioProcess locked(QuickRadioWith({"--password", Password}));
    PseudoTerminal terminal;
    terminal.EchoLikeAUsersTerminal();
    const CliRun asked =
        RunCliOnTerminal({"serial", "read", "--fast", "--port", locked.LinkPath()}, terminal, {{"Input Password: ", Password}});
    EXPECT_EQ(asked.status, ExitSuccess) << asked.err;
    EXPECT_EQ(asked.out, "SUCCESS\n20260504\n");
    const std::vector<uint8_t> echoed = terminal.Receive(0);
    EXPECT_EQ(std::string(echoed.begin(), echoed.end()).find(Password), std::string::npos);
    EXPECT_EQ(asked.err.find(Password), std::string::npos);

    const CliRun changed = RunCliOnTerminal({"password", "set", "--fast", "--port", locked.LinkPath(), "--current", Password},
                                            terminal, {{"New Password: ", "term4"}, {"New Password Sure: ", "term4"}});
    EXPECT_EQ(changed.status, ExitSuccess) << changed.err;
    EXPECT_EQ(RunCli({"serial", "read", "--fast", "--port", locked.LinkPath(), "--password", "term4"}).status, ExitSuccess);

    RadioProcess open(QuickRadio);
    const CliRun unasked = RunCliOnTerminal({"serial", "read", "--fast", "--port", open.LinkPath()}, terminal, {});
    EXPECT_EQ(unasked.status, ExitSuccess) << unasked.err;
    EXPECT_EQ(unasked.err.find("Password"), std::string::npos) << unasked.err;
}

}  // namespace
