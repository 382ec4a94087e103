#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "files/IdentityTable.h"
#include "link/engine/TransferContext.h"
#include "model/BandLimits.h"
#include "model/RadioSettings.h"

constexpr uint64_t SeriesMostRadios = 999;

// What a series of radios is to get (or, checking only, to hold) and how it runs.
struct SeriesPlan {
    RadioSettings Record{};  // copied: each radio's IDs go into its own copy only
    BandLimits Band;
    LinkSettings Link;
    std::optional<uint64_t> Radios;  // std::nullopt: until stopped, or until the IDs run out
    bool Verify = false;
    bool IncreaseIds = false;
    std::string LogPath;   // empty: no log
    std::string FileName;  // the file that holds the record as written, named in the log; empty: none does
    int WaitLimitMs = 0;   // how long each next radio may take to answer; 0: until stopped
    bool Backups = false;  // each radio's write kept in that radio's folder
    bool CheckOnly = false;  // each radio is read and compared with Record; nothing is written
    // Each radio's own codes and password, by its serial number or its place in the job.
    IdentityTable Identities;
    bool IdentitiesRequired = false;  // a radio without a row is let go unwritten
};

// How the series ended.
enum class SeriesEnd { AllWritten, Stopped, RadioFailed, IdsRanOut, WaitRanOut, LogFailed };
