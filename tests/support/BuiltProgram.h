#pragma once

#include <string>

// Where the build put the program `name`: the folder that ctest names in KR_T27_BIN, else the
// folder of the running test program, which the build fills alike.
std::string BuiltProgram(const std::string& name);
