#pragma once

#include <optional>
#include <string>

// Sets (or, with std::nullopt, unsets) an environment variable for one scope and puts it back as
// it was afterwards. The C library rereads TZ on each change, so a zone set here takes effect.
class EnvOverride {
public:
    EnvOverride(const char* name, std::optional<std::string> value);
    ~EnvOverride();
    EnvOverride(const EnvOverride&) = delete;
    EnvOverride& operator=(const EnvOverride&) = delete;

private:
    void Apply(const std::optional<std::string>& value);

    const char* name_;
    std::optional<std::string> old_;
};
