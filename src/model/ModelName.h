#pragma once

// The radio's model name: the application title, every window caption of the main window and
// the stem of the settings file's name.
constexpr const char* ModelName = "KR-T27";
