#pragma once

#include <string>
#include <vector>

#include "calibration/AdjustmentFile.h"
#include "lang/Messages.h"

// What the technician is told when an opened calibration file did not fill the record exactly,
// before its values reach a radio: the file's length against the record's, then how much of the
// record it replaced.
std::vector<Message> PartlyTakenNotice(const std::string& path, const AdjustmentFileFit& fit);
