#include "cli/Commands.h"

std::vector<CliCommand> FactoryCommands() { return {}; }
