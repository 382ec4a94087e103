#pragma once

#include <functional>
#include <optional>
#include <string>

#include "cli/CliArgs.h"

// Asked when the radio refuses the password presented: another to present, or nothing.
using PasswordQuestion = std::function<std::optional<std::string>()>;

// With no password given in any way and a terminal on stdin, a question that asks there without
// showing what is typed; otherwise none, and a refused password ends the command.
PasswordQuestion PasswordQuestionFor(const CliArgs& cli);

// A new password typed twice on the terminal without being shown; nothing when stdin is no
// terminal or closes. Two different entries are refused.
std::optional<std::string> AskNewPassword();
