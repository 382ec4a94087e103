#include "CliRunner.h"

#include <chrono>
#include <cstdlib>
#include <thread>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "BuiltProgram.h"
#include "FileContents.h"
#include "PseudoTerminal.h"
#include "ScratchDir.h"

namespace {

constexpr auto PromptPoll = std::chrono::milliseconds(20);

int StatusOf(int raw) { return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1; }

void Redirect(const std::string& path, int flags, int fd)
{
    const int opened = open(path.c_str(), flags | O_NOCTTY, 0600);
    if (opened < 0 || dup2(opened, fd) < 0)
        _exit(127);
    close(opened);
}

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
    return {StatusOf(raw), ReadAll(out), ReadAll(err)};
}

CliRun RunCliOnTerminal(const std::vector<std::string>& args, PseudoTerminal& terminal,
                        const std::vector<TypedAnswer>& answers)
{
    const std::string dir = ScratchFolder();
    const std::string out = dir + "/stdout", err = dir + "/stderr";
    const std::string program = BuiltProgram("kr-t27-cli");
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        Redirect(terminal.SlavePath(), O_RDWR, STDIN_FILENO);
        Redirect(out, O_WRONLY | O_CREAT | O_TRUNC, STDOUT_FILENO);
        Redirect(err, O_WRONLY | O_CREAT | O_TRUNC, STDERR_FILENO);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int raw = 0;
    bool ended = false;
    size_t shown = 0;
    for (const TypedAnswer& answer : answers) {
        size_t at = std::string::npos;
        while (!(ended = waitpid(child, &raw, WNOHANG) == child) &&
               (at = ReadAll(err).find(answer.prompt, shown)) == std::string::npos)
            std::this_thread::sleep_for(PromptPoll);
        if (ended)
            break;
        shown = at + answer.prompt.size();
        std::vector<uint8_t> line(answer.typed.begin(), answer.typed.end());
        line.push_back('\n');
        terminal.Send(line);
    }
    if (!ended)
        waitpid(child, &raw, 0);
    return {StatusOf(raw), ReadAll(out), ReadAll(err)};
}
