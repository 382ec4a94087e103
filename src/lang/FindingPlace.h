#pragma once

#include <QString>

#include "model/RecordCheck.h"

// Where a value the radio cannot take sits, as the interface names it in the current language:
// the label of the control that edits it ("Key 1 Long Press"), after its channel or address-book
// entry where it has one ("Channel 3 RX Freq."). The record's member names stay with the
// command line and the JSON dump.
QString FindingPlace(const RecordFinding& finding);
