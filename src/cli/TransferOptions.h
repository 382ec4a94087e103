#pragma once

#include <string>

#include "cli/CliArgs.h"
#include "cli/TransferSession.h"
#include "files/AppSettings.h"
#include "link/engine/TransferContext.h"
#include "model/RadioSettings.h"

// Options that every transfer command reads the same way.

// --on-band-difference: ask on a terminal and stop otherwise, unless told.
BandDifferencePolicy PolicyOption(const CliArgs& cli);

// A password as typed: at most 16 characters of printable ASCII, since the radio keeps seven
// bits of each character and anything else could never be entered on it.
std::string PasswordText(const std::string& text, const char* what);
void StorePasswordText(uint8_t (&field)[PasswordFieldSize], const std::string& text);

// --password replaces the password the record presents to the radio.
void ApplyPasswordOption(const CliArgs& cli, RadioSettings& settings);

// --fast: the link answers the radio as soon as it has answered (see LinkTiming).
void ApplyFastOption(const CliArgs& cli, LinkSettings& link);

// Backups are kept unless --no-backup or the settings file's Backups=0 says otherwise.
bool BackupsWanted(const CliArgs& cli);

// The settings file as the desktop program keeps it, or the defaults while there is none: the
// command line reads the file and leaves creating it to the desktop program.
AppSettings CurrentAppSettings();

// COM names mean here what they mean in the desktop program, pinned devices included.
void UsePinnedPorts();
