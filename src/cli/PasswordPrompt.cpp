#include "cli/PasswordPrompt.h"

#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "cli/TransferOptions.h"
#include "lang/AppLang.h"
#include "lang/TextEntries.h"

namespace {

termios shownTerminal;

// Ctrl-C at the prompt must not leave the user's terminal without echo.
void RestoreEchoAndStop(int signal)
{
    tcsetattr(STDIN_FILENO, TCSANOW, &shownTerminal);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// One line typed on the terminal, not shown; nothing when the input ends. Echo goes off before
// the prompt appears, so nothing typed after it is ever shown, and what was typed ahead is dropped.
std::optional<std::string> ReadHidden(TextEntry caption)
{
    if (!isatty(STDIN_FILENO) || tcgetattr(STDIN_FILENO, &shownTerminal) != 0)
        return std::nullopt;
    termios hidden = shownTerminal;
    hidden.c_lflag &= ~tcflag_t(ECHO);
    const auto previous = std::signal(SIGINT, RestoreEchoAndStop);
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &hidden);
    ApplyLanguageSetting(LanguageSetting::English);
    std::fprintf(stderr, "%s: ", EntryText(caption).c_str());
    std::fflush(stderr);
    std::string line;
    const bool typed = bool(std::getline(std::cin, line));
    tcsetattr(STDIN_FILENO, TCSANOW, &shownTerminal);
    std::signal(SIGINT, previous);
    std::fprintf(stderr, "\n");
    if (!typed)
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

}  // namespace

PasswordQuestion PasswordQuestionFor(const CliArgs& cli)
{
    const bool given = cli.Has("--password") || cli.Has("--current") || cli.Has(PresentedPasswordSources.fileOption) ||
                       std::getenv(PresentedPasswordSources.variable);
    if (given || !isatty(STDIN_FILENO))
        return {};
    return []() -> std::optional<std::string> {
        const auto typed = ReadHidden(TextEntry::InputPassword);
        return typed ? std::optional(PasswordText(*typed, "the password")) : std::nullopt;
    };
}

std::optional<std::string> AskNewPassword()
{
    const auto fresh = ReadHidden(TextEntry::NewPassword);
    if (!fresh)
        return std::nullopt;
    const auto again = ReadHidden(TextEntry::NewPasswordSure);
    if (!again)
        return std::nullopt;
    if (*fresh != *again)
        throw UsageError(EntryText(TextEntry::PasswordNotMatch));
    return PasswordText(*fresh, "the new password");
}
