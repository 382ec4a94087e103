#pragma once

// The language choice as the settings file keeps it. The file may hold any other number: cast to
// this type, such a number lets the system language decide.
enum class LanguageSetting : int { English = 0, SimplifiedChinese = 1, TraditionalChinese = 2 };
