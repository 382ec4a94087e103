#pragma once

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "lang/LanguageSetting.h"
#include "model/BandLimits.h"

// A malformed command line; main() turns it into a one-line message and exit status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Positional arguments and "--name value..." options, each option taking a fixed number of values.
class CliArgs {
public:
    // `arity` lists the accepted options with the number of values each takes (0 for a flag); an
    // option given twice is refused unless `repeatable` names it, whose values then add up.
    CliArgs(const CommandArgs& args, const std::map<std::string, int>& arity,
            const std::set<std::string>& repeatable = {});

    const std::vector<std::string>& Positional() const { return positional_; }
    // The single positional argument a command requires, named in the error when it is missing.
    const std::string& Only(const char* what) const;

    bool Has(const std::string& option) const { return options_.count(option) != 0; }
    std::optional<std::string> Value(const std::string& option) const;
    std::vector<std::string> Values(const std::string& option) const;
    std::string Required(const std::string& option) const;

private:
    std::vector<std::string> positional_;
    std::map<std::string, std::vector<std::string>> options_;
};

// A decimal unsigned 32-bit number, or a UsageError naming `what`.
uint32_t ParseU32(const std::string& text, const char* what);

// The interface language named by --lang (0, 1 or 2), or `fallback` when the option is not given.
LanguageSetting LanguageOption(const CliArgs& cli, LanguageSetting fallback);

// The band given by "--band-limits MIN MAX" in hertz, lower limit first; nothing when absent.
std::optional<BandLimits> BandLimitsOption(const CliArgs& cli);
