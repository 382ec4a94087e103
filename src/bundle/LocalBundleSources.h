#pragma once

#include <ctime>
#include <optional>
#include <string>

#include "bundle/SupportBundle.h"
#include "ports/PortLookup.h"

// What a program on this computer tells about itself in a bundle: its name and version, the
// settings file it uses, and how it looks up the serial ports (the settings file's pinned ones).
struct BundlePlaces {
    std::string Program;
    std::string SettingsFile;
    TeskComm32::PortLookup Ports;
};

// A bundle's sources as this computer holds them at `made`: the system, the settings file, the
// ports as the program numbers them, and from the program's data folder the last transfer's
// trace, the backups and the programming log. A file that is missing or cannot be read is only
// named as such.
SupportBundleSources LocalBundleSources(const BundlePlaces& places, std::time_t made);

// Why a bundle made here cannot be saved at `target`, or nothing when it can: the target is one
// of the files the bundle holds (the settings file, the last transfer's trace, the programming
// log), which the save would destroy, or a save there would be refused (CheckSaveTarget).
std::optional<Message> WhyBundleTargetRefused(const BundlePlaces& places, const std::string& target);

// The port list as a bundle shows it: a line of column titles, then per port its COM name, the
// device it stands for, the adapter's name, and whether the list came from the system or is the
// fallback of a system that lists nothing; tab-separated.
std::string PortListText(const TeskComm32::PortLookup& lookup);
