#pragma once

#include <optional>
#include <string>

#include "cli/CliArgs.h"
#include "cli/TransferSession.h"
#include "files/AppSettings.h"
#include "link/engine/TransferContext.h"
#include "link/engine/TransferTargets.h"
#include "model/RadioSettings.h"
#include "ports/PortLookup.h"

// Options that every transfer command reads the same way.

// --on-band-difference: ask on a terminal and stop otherwise, unless told.
BandDifferencePolicy PolicyOption(const CliArgs& cli);

// A password as typed: at most 16 characters of printable ASCII, since the radio keeps seven
// bits of each character and anything else could never be entered on it.
std::string PasswordText(const std::string& text, const char* what);

// Where a password may be given besides the command line itself, in the order they are asked:
// the first line of the file an option names, then an environment variable. Either keeps the
// password out of the process list.
struct PasswordSources {
    const char* fileOption;
    const char* variable;
};
// The password presented to the radio (--password, or --current of a password change).
constexpr PasswordSources PresentedPasswordSources{"--password-file", "KR_T27_PASSWORD"};
// The password a password change stores.
constexpr PasswordSources NewPasswordSources{"--new-password-file", "KR_T27_NEW_PASSWORD"};

// The password `typed` on the command line (`typedName` in errors), else in the sources' file,
// else in their variable; nothing when none holds one. A password both typed and in a file is
// refused, as is a file that cannot be read.
std::optional<std::string> GivenPassword(const CliArgs& cli, const std::optional<std::string>& typed,
                                         const char* typedName, const PasswordSources& sources);

// --password (or its file or variable) replaces the password the record presents to the radio.
void ApplyPasswordOption(const CliArgs& cli, RadioSettings& settings);

// --fast: the link answers the radio as soon as it has answered (see LinkTiming).
void ApplyFastOption(const CliArgs& cli, LinkSettings& link);

// Backups are kept unless --no-backup or the settings file's Backups=0 says otherwise.
bool BackupsWanted(const CliArgs& cli);

// What a read brought, once it is in the targets' record, kept as backups are wanted; a backup
// that fails is reported and the command goes on. The record kept, or nothing.
std::string BackUpRead(const CliArgs& cli, const TransferTargets& targets);

// The settings file as the desktop program keeps it, or the defaults while there is none: the
// command line reads the file and leaves creating it to the desktop program. Read once per
// command; a file that cannot be read is said on stderr and the defaults are used.
AppSettings CurrentAppSettings();

// COM names mean here what they mean in the desktop program, pinned devices included.
TeskComm32::PortLookup ConfiguredPorts();
