#pragma once

#include <string>
#include <vector>

#include "files/IdentityTable.h"
#include "lang/Messages.h"

// One problem of a table of the radios' own codes, naming the file as the user gave it (`file`)
// and the line; what the table held is shown with its control characters escaped (PrintableText).
Message IdentityProblemMessage(const IdentityProblem& problem, const std::string& file);

// Why the table was refused: one message per problem, then how many were left out, if any.
std::vector<Message> IdentityTableMessages(const IdentityTable& table, const std::string& file);
