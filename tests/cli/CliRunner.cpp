#include "CliRunner.h"

#include <cstdlib>
#include <sys/wait.h>

#include "BuiltProgram.h"
#include "FileContents.h"
#include "ScratchDir.h"

namespace {

std::string Quote(const std::string& arg)
{
    std::string q = "'";
    for (char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

}

CliRun RunCli(const std::vector<std::string>& args, const std::string& stdinText)
{
    const std::string dir = ScratchFolder();
    const std::string in = dir + "/stdin", out = dir + "/stdout", err = dir + "/stderr";
    WriteAll(in, stdinText);
    std::string command = Quote(BuiltProgram("kr-t27-cli"));
    for (const auto& a : args)
        command += " " + Quote(a);
    command += " <" + Quote(in) + " >" + Quote(out) + " 2>" + Quote(err);
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAll(out), ReadAll(err)};
}
