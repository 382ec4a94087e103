#include "cli/Commands.h"

std::vector<CliCommand> TransferCommands() { return {}; }
