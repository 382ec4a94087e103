#pragma once

// The settings file's language choice, as the language menu sets it.
enum LanguageSetting : int { EnglishSetting = 0, SimplifiedChineseSetting = 1, TraditionalChineseSetting = 2 };
