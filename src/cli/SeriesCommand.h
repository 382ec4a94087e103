#pragma once

#include <string>
#include <vector>

#include "cli/CliArgs.h"
#include "cli/TransferSession.h"
#include "link/engine/TransferTargets.h"

// The options `write` takes for a series of radios.
bool AsksForSeries(const CliArgs& cli);

// write --radios N: the record in `targets` written to N radios in a row, on each of `ports` at
// once, each next radio waited for (--wait-seconds, 120 by default), with --verify,
// --increment-ids and the log (--log, or the default programming log), each radio's write kept in
// that radio's backup folder unless --no-backup. Returns the exit status.
int WriteSeries(const CliArgs& cli, const std::string& file, const std::vector<std::string>& ports,
                const TransferTargets& targets, BandDifferencePolicy policy, TransferTrace* trace);

// compare FILE radio:PORT --radios N: N radios in a row, on each of `ports` at once, read and
// compared with the record in `targets`; nothing is written. Each radio gets a log row with
// "same" or its number of differences. Returns the exit status: ExitRecordsDiffer when any radio
// differed and no other problem came up.
int CheckSeries(const CliArgs& cli, const std::string& file, const std::vector<std::string>& ports,
                const TransferTargets& targets, TransferTrace* trace);
