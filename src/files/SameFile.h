#pragma once

#include <string>

// Whether writing through one name would overwrite what the other names: one file where both
// exist (hard and symbolic links included), one resolved name where they do not exist yet, however
// each is spelled.
bool NameTheSameFile(const std::string& first, const std::string& second);
