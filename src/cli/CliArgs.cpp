#include "cli/CliArgs.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

CliArgs::CliArgs(const CommandArgs& args, const std::map<std::string, int>& arity,
                 const std::set<std::string>& repeatable)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() < 2 || a.compare(0, 2, "--") != 0) {
            positional_.push_back(a);
            continue;
        }
        const auto accepted = arity.find(a);
        if (accepted == arity.end())
            throw UsageError("unknown option " + a);
        if (options_.count(a) && !repeatable.count(a))
            throw UsageError("option " + a + " given twice");
        std::vector<std::string>& values = options_[a];
        for (int v = 0; v < accepted->second; ++v) {
            if (++i >= args.size())
                throw UsageError("option " + a + " needs " + std::to_string(accepted->second) + " value(s)");
            values.push_back(args[i]);
        }
    }
}

const std::string& CliArgs::Only(const char* what) const
{
    if (positional_.size() != 1)
        throw UsageError(std::string("expected one ") + what);
    return positional_.front();
}

std::optional<std::string> CliArgs::Value(const std::string& option) const
{
    const auto it = options_.find(option);
    if (it == options_.end() || it->second.empty())
        return std::nullopt;
    return it->second.front();
}

std::vector<std::string> CliArgs::Values(const std::string& option) const
{
    const auto it = options_.find(option);
    return it == options_.end() ? std::vector<std::string>{} : it->second;
}

std::string CliArgs::Required(const std::string& option) const
{
    if (auto v = Value(option))
        return *v;
    throw UsageError("missing option " + option);
}

uint32_t ParseU32(const std::string& text, const char* what)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        throw UsageError(std::string("not a number for ") + what + ": " + text);
    errno = 0;
    const unsigned long long value = std::strtoull(text.c_str(), nullptr, 10);
    if (errno == ERANGE || value > std::numeric_limits<uint32_t>::max())
        throw UsageError(std::string("number too large for ") + what + ": " + text);
    return uint32_t(value);
}

std::optional<BandLimits> BandLimitsOption(const CliArgs& cli)
{
    const auto limits = cli.Values("--band-limits");
    if (limits.empty())
        return std::nullopt;
    const BandLimits band{ParseU32(limits[0], "--band-limits MIN"), ParseU32(limits[1], "--band-limits MAX")};
    if (band.BandMin > band.BandMax)
        throw UsageError("--band-limits wants the lower limit first");
    return band;
}

LanguageSetting LanguageOption(const CliArgs& cli, LanguageSetting fallback)
{
    const auto given = cli.Value("--lang");
    if (!given)
        return fallback;
    const uint32_t language = ParseU32(*given, "--lang");
    if (language > uint32_t(LanguageSetting::TraditionalChinese))
        throw UsageError("--lang is 0 (English), 1 (Simplified Chinese) or 2 (Traditional Chinese)");
    return LanguageSetting(language);
}
