#include "cli/Commands.h"

std::vector<CliCommand> FileCommands() { return {}; }
