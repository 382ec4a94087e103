#pragma once

#include <string>

#include "lang/AppLang.h"
#include "lang/Messages.h"
#include "model/RecordCheck.h"

// What is wrong with a value the radio cannot take, as the check list and the command line word it.
MessageId ProblemMessage(RecordProblem problem);

// "Channel 3, receive frequency = 770.00000: outside the band", in English.
std::string EnglishFinding(const RecordFinding& finding);

// A finding as the check list shows it, UTF-8 in `language`: where (as FindingPlace names it), the
// value as the record holds it, and the problem.
struct FindingTexts {
    std::string where;
    std::string value;
    std::string problem;
};

FindingTexts FindingUtf8(const RecordFinding& finding, TTeskFuncs::TLangType language);
