#include "EnvOverride.h"

#include <cstdlib>
#include <ctime>

EnvOverride::EnvOverride(const char* name, std::optional<std::string> value) : name_(name)
{
    if (const char* old = std::getenv(name))
        old_ = old;
    Apply(value);
}

EnvOverride::~EnvOverride() { Apply(old_); }

void EnvOverride::Apply(const std::optional<std::string>& value)
{
    if (value)
        setenv(name_, value->c_str(), 1);
    else
        unsetenv(name_);
    tzset();
}
