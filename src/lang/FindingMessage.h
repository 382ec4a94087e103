#pragma once

#include <string>

#include "lang/Messages.h"
#include "model/RecordCheck.h"

// What is wrong with a value the radio cannot take, as the check list and the command line word it.
MessageId ProblemMessage(RecordProblem problem);

// "channel 3 RxFreq = 770.00000: outside the band", in English.
std::string EnglishFinding(const RecordFinding& finding);
